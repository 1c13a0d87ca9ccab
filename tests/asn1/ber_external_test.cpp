// The runtime's stand-alone EXTERNAL: round trips of each encoding, the malformed values it refuses, and
// every truncation of a valid value refused with a code and nothing leaked.
#include "toolkit/asn1/ber_external.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/asn1/ber_test_support.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {

// A decoded record released however the decode ends.
struct DecodedExternal {
    BerExternal value{};
    ~DecodedExternal() { ASN_FreeExternal(&value); }
};

DecodeRun decodeInto(const Octets& octets, DecodedExternal& decoded) {
    return runDecode(octets, [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
        ASN_DecodeExternal(buf, &decoded.value, counter, ctx);
    });
}

Octets encode(const BerExternal& value) {
    return runEncode([&](BerBuffer& buf) { return ASN_EncodeExternal(buf, &value); });
}

uint8_t kOid[] = {0x2A, 0x03, 0x04};  // 1.2.3.4
uint8_t kAbc[] = {'A', 'B', 'C'};
uint8_t kDescriptor[] = {'d'};
uint8_t kBits[] = {0xA0};
BerInteger kFive = 5;

BerExternal singleType() {
    BerExternal value{};
    value.directReference = BerOid{3, kOid};
    value.encoding.which = BerExternalEncodingKind::kSingleAsn1Type;
    value.encoding.singleAsn1Type = BerOctets{3, kAbc};
    return value;
}

BerExternal octetAligned() {
    BerExternal value{};
    value.indirectReference = &kFive;
    value.dataValueDescriptor = BerOctets{1, kDescriptor};
    value.encoding.which = BerExternalEncodingKind::kOctetAligned;
    value.encoding.octetAligned = BerOctets{2, kAbc};
    return value;
}

BerExternal arbitrary() {
    BerExternal value{};
    value.directReference = BerOid{3, kOid};
    value.encoding.which = BerExternalEncodingKind::kArbitrary;
    value.encoding.arbitrary = BerBits{4, kBits};
    return value;
}

struct RoundTrip {
    const char* name;
    BerExternal (*make)();
    const char* encoded;
};

const RoundTrip kRoundTrips[] = {
    {"single-ASN1-type", singleType, "28 0C 06 03 2A 03 04 A0 05 04 03 41 42 43"},
    {"octet-aligned", octetAligned, "28 0A 02 01 05 07 01 64 81 02 41 42"},
    {"arbitrary", arbitrary, "28 09 06 03 2A 03 04 82 02 04 A0"},
};

TEST(AsnExternal, EachEncodingRoundTrips) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        BerExternal original = c.make();
        Octets octets = encode(original);
        EXPECT_EQ(octets, hex(c.encoded));
        DecodedExternal decoded;
        DecodeRun outcome = decodeInto(octets, decoded);
        ASSERT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.counted, octets.size());
        EXPECT_EQ(outcome.consumed, octets.size());
        EXPECT_EQ(decoded.value.encoding.which, original.encoding.which);
        EXPECT_EQ(encode(decoded.value), octets);
    }
}

TEST(AsnExternal, DecodedMembersHoldTheirValues) {
    DecodedExternal decoded;
    ASSERT_EQ(decodeInto(hex(kRoundTrips[1].encoded), decoded).code, 0);
    const BerExternal& v = decoded.value;
    EXPECT_EQ(v.directReference.octets, nullptr);
    ASSERT_NE(v.indirectReference, nullptr);
    EXPECT_EQ(*v.indirectReference, 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(v.dataValueDescriptor.octets), 1), "d");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(v.encoding.octetAligned.octets), 2), "AB");
    EXPECT_EQ(v.encoding.singleAsn1Type.octets, nullptr);
}

TEST(AsnExternal, IndefiniteAndConstructedFormsDecode) {
    const char* cases[] = {
        "28 80 06 03 2A 03 04 A0 80 04 03 41 42 43 00 00 00 00",
        "28 80 A0 80 24 80 04 01 41 04 02 42 43 00 00 00 00 00 00",
        "28 0F 06 03 2A 03 04 A0 08 24 06 04 01 41 04 01 42",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        Octets octets = hex(text);
        DecodedExternal decoded;
        DecodeRun outcome = decodeInto(octets, decoded);
        ASSERT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.counted, octets.size());
        EXPECT_EQ(decoded.value.encoding.which, BerExternalEncodingKind::kSingleAsn1Type);
        EXPECT_EQ(decoded.value.encoding.singleAsn1Type.octets[0], 'A');
    }
}

struct Malformed {
    const char* encoded;
    int code;
};

TEST(AsnExternal, MalformedValuesAreRefusedWithTheirCode) {
    const Malformed cases[] = {
        {"28 05 A0 03 02 01 07", kBerExternalNotOctets},                // [0] holding an INTEGER
        {"28 03 83 01 41", kBerExternalUnknownEncoding},                // [3]
        {"28 03 80 01 41", kBerExternalUnknownEncoding},                // primitive [0]
        {"28 08 81 01 41 06 03 2A 03 04", kBerExternalLengthMismatch},  // member after the encoding
        {"30 03 81 01 41", kBerExternalWrongTag},
        {"", kBerTagEnded},
        {"28 05 06 03 2A 03 04", kBerExternalNoEncoding},
        {"28 80 06 03 2A 03 04 00 00", kBerExternalNoEncoding},
        {"28 05 81 01 41 05 00", kBerExternalLengthMismatch},        // length longer than the members
        {"28 02 81 03 41 42 43", kBerExternalLengthMismatch},        // member overruns the length
        {"28 10 81 01 41", kBerExternalLengthMismatch},              // length beyond the octets present
        {"28 07 A0 05 04 01 41 05 00", kBerExternalLengthMismatch},  // [0] longer than its OCTET STRING
        {"28 05 A0 7F 04 01 41", kBerExternalLengthMismatch},        // [0] beyond the octets present
        {"28 80 06 03 2A 03 04 00 05", kBerBadEndOfContents},
        {"28 80 81 01 41 05 00", kBerEndOfContentsMissing},
        {"28 08 06 03 2A 03 04 02 01 05", kBerExternalNoEncoding},  // references only
        {"28 06 02 01 05 06 01 2A", kBerExternalUnknownEncoding},   // direct-reference after indirect
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.encoded);
        DecodedExternal decoded;
        EXPECT_EQ(decodeInto(hex(c.encoded), decoded).code, c.code);
    }
}

TEST(AsnExternal, EveryTruncationIsRefused) {
    for (const RoundTrip& c : kRoundTrips) {
        Octets whole = hex(c.encoded);
        for (size_t cut = 0; cut < whole.size(); ++cut) {
            SCOPED_TRACE(std::string(c.name) + " cut at " + std::to_string(cut));
            DecodedExternal decoded;
            EXPECT_LT(decodeInto(Octets(whole.begin(), whole.begin() + cut), decoded).code, 0);
        }
    }
}

TEST(AsnExternal, FreeLeavesTheRecordEmpty) {
    DecodedExternal decoded;
    ASSERT_EQ(decodeInto(hex("28 0F 06 03 2A 03 04 02 01 05 07 01 64 82 02 04 A0"), decoded).code, 0);
    ASN_FreeExternal(&decoded.value);
    EXPECT_EQ(decoded.value.directReference.octets, nullptr);
    EXPECT_EQ(decoded.value.indirectReference, nullptr);
    EXPECT_EQ(decoded.value.dataValueDescriptor.octets, nullptr);
    EXPECT_EQ(decoded.value.encoding.arbitrary.octets, nullptr);
    EXPECT_EQ(decoded.value.encoding.which, BerExternalEncodingKind::kNone);
}

TEST(AsnExternal, PrintShowsEachPresentMember) {
    BerExternal value = octetAligned();
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintExternal(out, &value, 2); }),
              "{ -- SEQUENCE --\n"
              "      indirect-reference 5,\n"
              "      data-value-descriptor '64'H  -- \"d\" --,\n"
              "      encoding octet-aligned '4142'H  -- \"AB\" --\n"
              "  }");
    BerExternal single = singleType();
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintExternal(out, &single, 0); }),
              "{ -- SEQUENCE --\n"
              "    direct-reference {1 2 3 4},\n"
              "    encoding single-ASN1-type '414243'H  -- \"ABC\" --\n"
              "}");
}

}  // namespace
