#pragma once
// The octet buffer every encoder writes (backwards, from the end) and every decoder reads (forwards).

#include <cstddef>
#include <cstdint>

// Identifier octets as read, left-aligned: first octet in bits 31-24, continuation octets below it.
using BerTag = uint32_t;
// Contents length in octets; -1 is the indefinite form.
using BerLength = int32_t;

struct BerBuffer {
    uint8_t* start;       // encode: first octet written so far (moves down)
    uint8_t* end;         // encode: one past the block; decode: read limit
    uint8_t* blockStart;  // encode: lowest writable octet; decode: first data octet
    uint8_t* blockEnd;    // one past the block or the data
    uint8_t* readPos;     // decode: next octet to read (moves up)
    int32_t writeFailed;  // set when an octet did not fit (always 1 on a decode buffer)
    int32_t readFailed;   // set when a read went past end (always 1 on an encode buffer)
};

// A buffer that encodes into [block, block + size).
inline BerBuffer berEncodeBuffer(uint8_t* block, size_t size) {
    uint8_t* past = block + size;
    return BerBuffer{past, past, block, past, past, 0, 1};
}

// A buffer that decodes the size octets at data.
inline BerBuffer berDecodeBuffer(const uint8_t* data, size_t size) {
    auto* first = const_cast<uint8_t*>(data);  // a decode buffer is never written
    return BerBuffer{first, first + size, first, first + size, first, 1, 0};
}

// Octets of a decode buffer not yet read.
inline size_t berRemaining(const BerBuffer& buf) {
    return buf.readPos < buf.end ? static_cast<size_t>(buf.end - buf.readPos) : 0;
}

// Put one octet in front of the data; on overflow set writeFailed and drop it (the caller still counts it).
inline void ASN_PutOctet(BerBuffer& buf, uint8_t octet) {
    if (buf.start > buf.blockStart) {
        *--buf.start = octet;
    } else {
        buf.writeFailed = 1;
    }
}

// Put a run of n octets in front of the data, whole or not at all.
void ASN_PutOctets(BerBuffer& buf, const uint8_t* octets, uint32_t n);

// Get one octet; past the end set readFailed and return the filler value 1.
inline uint8_t ASN_GetOctet(BerBuffer& buf) {
    if (buf.readPos < buf.end) return *buf.readPos++;
    buf.readFailed = 1;
    return 1;
}

// Get a run of n octets; when fewer remain copy what remains, move to end and set readFailed.
void ASN_GetOctets(BerBuffer& buf, uint8_t* into, uint32_t n);
