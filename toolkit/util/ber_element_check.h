#pragma once
// Whether a buffer of received octets already holds one whole BER element, judged from identifier and
// length octets alone. The functions are pure and safe on any thread; a BerElementScan belongs to one
// element being received.

#include <cstdint>

// Results of BerDirElementComplete.
inline constexpr int kBerElementComplete = 1;
inline constexpr int kBerElementIncomplete = 0;
inline constexpr int kBerElementMalformed = -1;

// Checks the element at the start of the first count octets.
//  1: a whole element is present; *missing is its total length (identifier, length, contents and any
//     end-of-contents octets). Octets after it belong to the next element.
//  0: not yet whole; *missing is the number of octets still missing when the length is definite and the
//     header complete, or 0 when that is not known yet (read at least one more octet).
// -1: malformed: more than four length octets, a long-form length of 2^31 or more, an identifier the tag
//     reader refuses, an indefinite length on a primitive element, indefinite lengths
//     nested deeper than kBerMaxNesting, or a total beyond 2^31 - 1. *missing is 0.
// Never reads outside octets[0 .. count-1]; a null octets pointer is treated as count 0.
int BerDirElementComplete(const uint8_t* octets, int32_t count, int32_t* missing);

// The same check for an element whose octets arrive in pieces: each call examines only what arrived since
// the previous one (and at most the few octets of a header that was cut short), so receiving an element of
// n octets costs O(n) whatever the pieces.
class BerElementScan {
  public:
    // octets[0 .. count-1] are the element's octets received so far: the octets of earlier calls, unchanged,
    // and possibly more (the block may have moved). Answers as BerDirElementComplete on the same octets;
    // once complete or malformed the answer stays.
    int resume(const uint8_t* octets, int32_t count, int32_t* missing);

  private:
    int refuse(int32_t* missing);

    int64_t position_ = 0;  // where the next header starts; past the end while a definite element arrives
    int64_t total_ = -1;    // the element's length once known (definite, or its end-of-contents reached)
    int open_ = 0;          // indefinite elements not yet ended; 0 until the outermost header is read
    bool malformed_ = false;
};

// Identifier octets at the start of octets: their number, with the tag number in *tag; 0 (tag -1) when
// they are not all within count, -1 (tag -1) when the tag number does not fit 31 bits or the first
// continuation octet is 0x80 (a padded tag number). Every continuation octet with its top bit set,
// 0x80 included, continues the identifier.
int BerDirTagOctets(int32_t* tag, const uint8_t* octets, int32_t count);

// Length octets at the start of octets: their number, with the length in *length (-1 for the indefinite
// form); 0 (length -1) when they are not all within count, -1 (length -1) when there are more than four
// or the length is 2^31 or more.
int BerDirLengthOctets(int32_t* length, const uint8_t* octets, int32_t count);
