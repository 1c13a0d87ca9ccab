// Every universal type's whole-value decoder whose identifier the octets begin with: a code or a value, never
// a fault or a leak.
// A value that decodes is printed, re-encoded and decoded again to the same value; where the octets were the
// encoding the encoder itself writes for that value (primitive form, shortest length, canonical contents),
// the re-encoding reproduces them exactly.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/util/ber_element_check.h"

namespace {

// Bit of a first identifier octet that marks the constructed form.
constexpr uint8_t kConstructedOctetBit = 0x20;

// NULL carries no value.
struct Null {};

void release(BerOctets* value) {
    ASN_FreeOctetString(value);
}
void release(BerBits* value) {
    ASN_FreeBitString(value);
}
void release(BerOid* value) {
    ASN_FreeOid(value);
}
template <typename Scalar>
void release(Scalar*) {}

void print(std::FILE* out, const BerOctets& value) {
    ASN_PrintOctetString(out, &value);
}
void print(std::FILE* out, const BerBits& value) {
    ASN_PrintBitString(out, &value);
}
void print(std::FILE* out, const BerOid& value) {
    ASN_PrintOid(out, &value);
}
void print(std::FILE* out, BerBoolean value) {
    ASN_PrintBoolean(out, value);
}
void print(std::FILE* out, BerInteger value) {
    ASN_PrintInteger(out, value);
}
void print(std::FILE* out, uint32_t value) {
    ASN_PrintUnsigned(out, value);
}
void print(std::FILE* out, BerReal value) {
    ASN_PrintReal(out, value);
}
void print(std::FILE* out, Null) {
    ASN_PrintNull(out);
}

// What a decoded value promises on its own.
void checkDecoded(const BerOctets& value) {
    fuzzCheck(value.octets != nullptr && value.length >= 0, "a decoded string is present");
    fuzzCheck(value.octets[value.length] == 0, "a decoded string is followed by a 0 octet");
}
void checkDecoded(const BerBits& value) {
    fuzzCheck(value.octets != nullptr && value.bitCount >= 0, "a decoded BIT STRING is present");
}
void checkDecoded(const BerOid& value) {
    fuzzCheck(value.octets != nullptr && value.length >= 0, "a decoded OBJECT IDENTIFIER is present");
}
void checkDecoded(BerBoolean value) {
    fuzzCheck(value == 0 || value == 1, "a decoded BOOLEAN is 0 or 1");
}
template <typename Scalar>
void checkDecoded(Scalar) {}

bool sameOctets(const uint8_t* a, const uint8_t* b, size_t count) {
    return count == 0 || std::memcmp(a, b, count) == 0;
}
bool same(const BerOctets& a, const BerOctets& b) {
    return a.length == b.length && sameOctets(a.octets, b.octets, static_cast<size_t>(a.length));
}
bool same(const BerOid& a, const BerOid& b) {
    return a.length == b.length && sameOctets(a.octets, b.octets, static_cast<size_t>(a.length));
}
bool same(const BerBits& a, const BerBits& b) {
    return a.bitCount == b.bitCount &&
           sameOctets(a.octets, b.octets, (static_cast<size_t>(a.bitCount) + 7) / 8);
}
bool same(Null, Null) {
    return true;
}
template <typename Scalar>
bool same(Scalar a, Scalar b) {
    return a == b;  // REAL: no decode yields a NaN, and a zero of either sign is the one zero on the wire
}

// Canonical contents: the ones the encoder writes for the value they decode to.
bool anyContents(const uint8_t*, size_t) {
    return true;
}

bool booleanContents(const uint8_t* contents, size_t count) {
    return count == 1 && (contents[0] == 0x00 || contents[0] == 0xFF);
}

// Two's complement in the fewest octets.
bool shortestSigned(const uint8_t* contents, size_t count) {
    if (count == 0) return false;
    if (count == 1) return true;
    return !(contents[0] == 0x00 && contents[1] < 0x80) && !(contents[0] == 0xFF && contents[1] >= 0x80);
}

bool integerContents(const uint8_t* contents, size_t count) {
    return count <= 4 && shortestSigned(contents, count);
}

bool unsignedContents(const uint8_t* contents, size_t count) {
    if (count == 5) return contents[0] == 0x00 && contents[1] >= 0x80;
    return count <= 4 && shortestSigned(contents, count) && contents[0] < 0x80;
}

// Binary form, base 2, no scale factor, exponent in the fewest octets (length in the first octet), mantissa
// normalised to a first octet with its top bit set and a last octet that is not 0, and a value that a double
// holds exactly.
bool realContents(const uint8_t* contents, size_t count) {
    if (count == 0) return true;
    if (count == 1) return contents[0] == 0x40 || contents[0] == 0x41;
    const uint8_t first = contents[0];
    if ((first & 0xBC) != 0x80 || (first & 3) == 3) return false;
    const size_t exponentOctets = (first & 3) + 1u;
    if (count < 2 + exponentOctets) return false;
    const uint8_t* exponentAt = contents + 1;
    if (!shortestSigned(exponentAt, exponentOctets)) return false;
    int64_t exponent = static_cast<int8_t>(exponentAt[0]);
    for (size_t i = 1; i < exponentOctets; ++i) exponent = exponent * 256 + exponentAt[i];
    const uint8_t* mantissaAt = exponentAt + exponentOctets;
    const size_t mantissaOctets = count - 1 - exponentOctets;
    if (mantissaOctets > 8 || mantissaAt[0] < 0x80 || mantissaAt[mantissaOctets - 1] == 0) return false;
    uint64_t mantissa = 0;
    for (size_t i = 0; i < mantissaOctets; ++i) mantissa = (mantissa << 8) | mantissaAt[i];
    const int lowest = std::countr_zero(mantissa);
    const int highest = 63 - std::countl_zero(mantissa);
    return highest - lowest < 53 && exponent + lowest >= -1074 && exponent + highest <= 1023;
}

// One universal type's whole-value routines, with a common signature.
template <typename Value>
struct Codec {
    uint8_t identifier;  // primitive identifier, the one the encoder writes
    void (*decode)(BerBuffer& buf, Value* value, uint32_t& counter, BerDecodeContext& ctx);
    uint32_t (*encode)(BerBuffer& buf, const Value* value);
    bool (*canonicalContents)(const uint8_t* contents, size_t count);
};

// Whether the first consumed octets are the encoder's own form: primitive identifier, the length octets
// ASN_EncodeLength writes, canonical contents.
template <typename Value>
bool canonical(const Codec<Value>& codec, const uint8_t* data, size_t consumed) {
    if (consumed < 2 || data[0] != codec.identifier) return false;
    int32_t length = 0;
    const int lengthOctets = BerDirLengthOctets(&length, data + 1, static_cast<int32_t>(consumed - 1));
    if (lengthOctets <= 0 || length < 0) return false;
    uint8_t shortest[5];
    BerBuffer buf = berEncodeBuffer(shortest, sizeof shortest);
    const uint32_t shortestOctets = ASN_EncodeLength(buf, static_cast<uint32_t>(length));
    if (shortestOctets != static_cast<uint32_t>(lengthOctets) ||
        !sameOctets(buf.start, data + 1, shortestOctets)) {
        return false;
    }
    return codec.canonicalContents(data + 1 + lengthOctets, static_cast<size_t>(length));
}

template <typename Value>
bool decodeValue(const Codec<Value>& codec, const uint8_t* data, size_t size, Value* value,
                 size_t* consumed) {
    return fuzzDecode(
        data, size, consumed,
        [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            codec.decode(buf, value, counter, ctx);
        },
        [&] { release(value); });
}

template <typename Value>
void exercise(const Codec<Value>& codec, const uint8_t* data, size_t size) {
    // Any other identifier is refused at once; skipping it keeps the run fast.
    if (size == 0 || (data[0] & ~kConstructedOctetBit) != codec.identifier) return;
    Value value{};
    size_t consumed = 0;
    if (!decodeValue(codec, data, size, &value, &consumed)) return;
    checkDecoded(value);
    print(fuzzSink(), value);
    const FuzzOctets encoding = fuzzEncode([&](BerBuffer& buf) { return codec.encode(buf, &value); });
    if (canonical(codec, data, consumed)) {
        fuzzCheck(encoding.size() == consumed && sameOctets(encoding.data(), data, consumed),
                  "a canonical encoding is written again as it came");
    }
    Value again{};
    size_t againConsumed = 0;
    fuzzCheck(decodeValue(codec, encoding.data(), encoding.size(), &again, &againConsumed),
              "a re-encoded value decodes");
    fuzzCheck(againConsumed == encoding.size(), "a re-encoded value decodes whole");
    fuzzCheck(same(value, again), "a value survives encoding and decoding");
    release(&value);
    release(&again);
}

const Codec<BerBoolean> kBoolean{
    0x01, ASN_DecodeBoolean,
    [](BerBuffer& buf, const BerBoolean* value) { return ASN_EncodeBoolean(buf, *value); }, booleanContents};
const Codec<BerInteger> kInteger{
    0x02, ASN_DecodeInteger,
    [](BerBuffer& buf, const BerInteger* value) { return ASN_EncodeInteger(buf, *value); }, integerContents};
const Codec<uint32_t> kUnsigned{
    0x02, ASN_DecodeUnsigned,
    [](BerBuffer& buf, const uint32_t* value) { return ASN_EncodeUnsigned(buf, *value); }, unsignedContents};
const Codec<BerReal> kReal{0x09, ASN_DecodeReal,
                           [](BerBuffer& buf, const BerReal* value) { return ASN_EncodeReal(buf, *value); },
                           realContents};
const Codec<Null> kNull{0x05,
                        [](BerBuffer& buf, Null*, uint32_t& counter, BerDecodeContext& ctx) {
                            ASN_DecodeNull(buf, counter, ctx);
                        },
                        [](BerBuffer& buf, const Null*) { return ASN_EncodeNull(buf); }, anyContents};
const Codec<BerBits> kBitString{0x03, ASN_DecodeBitString, ASN_EncodeBitString, anyContents};
const Codec<BerOid> kOid{0x06, ASN_DecodeOid, ASN_EncodeOid, anyContents};
const Codec<BerOctets> kStrings[] = {
    {0x04, ASN_DecodeOctetString, ASN_EncodeOctetString, anyContents},
    {0x12, ASN_DecodeNumericString, ASN_EncodeNumericString, anyContents},
    {0x13, ASN_DecodePrintableString, ASN_EncodePrintableString, anyContents},
    {0x14, ASN_DecodeTeletexString, ASN_EncodeTeletexString, anyContents},
    {0x14, ASN_DecodeT61String, ASN_EncodeT61String, anyContents},
    {0x15, ASN_DecodeVideotexString, ASN_EncodeVideotexString, anyContents},
    {0x16, ASN_DecodeIA5String, ASN_EncodeIA5String, anyContents},
    {0x17, ASN_DecodeUTCTime, ASN_EncodeUTCTime, anyContents},
    {0x18, ASN_DecodeGeneralizedTime, ASN_EncodeGeneralizedTime, anyContents},
    {0x19, ASN_DecodeGraphicString, ASN_EncodeGraphicString, anyContents},
    {0x1A, ASN_DecodeVisibleString, ASN_EncodeVisibleString, anyContents},
    {0x1A, ASN_DecodeISO646String, ASN_EncodeISO646String, anyContents},
    {0x1B, ASN_DecodeGeneralString, ASN_EncodeGeneralString, anyContents},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    exercise(kBoolean, data, size);
    exercise(kInteger, data, size);
    exercise(kUnsigned, data, size);
    exercise(kReal, data, size);
    exercise(kNull, data, size);
    exercise(kBitString, data, size);
    exercise(kOid, data, size);
    for (const Codec<BerOctets>& codec : kStrings) exercise(codec, data, size);
    return 0;
}
