#pragma once
// Generic tests over the generated types of a codec unit, and the routines that hand-written tests of
// generated types share. The generator emits, per unit, a table of every type's routines with sample
// values (their BER octets and printed text) and instantiates GeneratedCodecTest over it.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

// The identifier of a universal SEQUENCE (and SEQUENCE OF).
inline constexpr BerTag kSequence = 0x30000000u;

struct GeneratedSample {
    const char* name;
    std::vector<uint8_t> octets;  // the whole element: identifier, length and contents
    const char* printed;          // what the print routine writes at indentation 0
};

// The four routines of one type, without its record type.
struct GeneratedType {
    const char* name;
    size_t recordSize;
    BerTag tag;  // identifier a value stands under by itself; 0 for an untagged CHOICE
    uint32_t (*encode)(BerBuffer& buf, void* value);
    void (*decode)(BerBuffer& buf, BerTag tag, BerLength length, void* value, uint32_t& counter,
                   BerDecodeContext& ctx);
    void (*print)(std::FILE* out, void* value, uint16_t indent);
    void (*free)(void* value);
    std::vector<GeneratedSample> samples;
};

template <typename T, uint32_t (*Encode)(BerBuffer&, T*),
          void (*Decode)(BerBuffer&, BerTag, BerLength, T*, uint32_t&, BerDecodeContext&),
          void (*Print)(std::FILE*, T*, uint16_t), void (*Free)(T*)>
GeneratedType describeType(const char* name, BerTag tag, std::vector<GeneratedSample> samples) {
    return GeneratedType{
        name,
        sizeof(T),
        tag,
        [](BerBuffer& buf, void* value) { return Encode(buf, static_cast<T*>(value)); },
        [](BerBuffer& buf, BerTag id, BerLength length, void* value, uint32_t& counter,
           BerDecodeContext& ctx) { Decode(buf, id, length, static_cast<T*>(value), counter, ctx); },
        [](std::FILE* out, void* value, uint16_t indent) { Print(out, static_cast<T*>(value), indent); },
        [](void* value) { Free(static_cast<T*>(value)); },
        std::move(samples),
    };
}

// The routines of generated type T of namespace NS, standing under identifier TAG (0: an untagged CHOICE).
#define GENERATED_TYPE(NS, T, TAG)                                                                          \
    describeType<NS::T, NS::Encode##T##Content, NS::Decode##T##Content, NS::Print##T, NS::Free##T>(#T, TAG, \
                                                                                                   {})

// A zero-filled record of a generated type; releases what it owns, then itself.
class GeneratedRecord {
  public:
    explicit GeneratedRecord(const GeneratedType& type);
    ~GeneratedRecord();
    GeneratedRecord(const GeneratedRecord&) = delete;
    GeneratedRecord& operator=(const GeneratedRecord&) = delete;
    void* get() const { return record_; }

  private:
    const GeneratedType& type_;
    void* record_;
};

struct DecodeOutcome {
    int code = 0;           // 0, or the code the decoder raised
    uint32_t consumed = 0;  // octets counted, identifier and length included
    int depthAfter = 0;     // nesting the context was left at
};

// Reads the identifier and the length, then decodes the contents into the record as a holder would.
DecodeOutcome decodeElement(const GeneratedType& type, const std::vector<uint8_t>& octets, void* record);
// Writes the record's contents and, unless the type is an untagged CHOICE, its length and identifier;
// sizes the block exactly from a first pass.
std::vector<uint8_t> encodeElement(const GeneratedType& type, void* record);
std::string printRecord(const GeneratedType& type, void* record, uint16_t indent = 0);
// The same element with the length of every constructed element rewritten to the indefinite form.
std::vector<uint8_t> indefiniteForm(const std::vector<uint8_t>& octets);
// "BF 30 05 9F 81 53 01 00" -> octets.
std::vector<uint8_t> hexOctets(const std::string& text);

// One row of a table of byte-exact cases: the octets decode with the code, or decode (code 0) and encode to
// `encoded` (null: to the same octets).
struct CodecCase {
    const char* what;
    const char* octets;
    int code;
    const char* encoded = nullptr;
};
void expectCases(const GeneratedType& type, const std::vector<CodecCase>& cases);

class GeneratedCodecTest : public ::testing::TestWithParam<GeneratedType> {};

std::string generatedTypeName(const ::testing::TestParamInfo<GeneratedType>& info);
void PrintTo(const GeneratedType& type, std::ostream* out);
