#include "toolkit/codec/z3950/external.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/asn1/ber_test_support.h"
#include "tests/asn1/text_any_type.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/util/memory.h"

namespace {

using codec::z3950::DecodeEXTERNALContent;
using codec::z3950::EncodeEXTERNALContent;
using codec::z3950::EXTERNAL;
using codec::z3950::FreeEXTERNAL;
using codec::z3950::kExternalBadIdentifier;
using codec::z3950::kExternalLengthMismatch;
using codec::z3950::PrintEXTERNAL;

const Octets kSutrsOid = hex("2A 86 48 CE 13 05 65");  // 1.2.840.10003.5.101, a known carried type
const Octets kPlaceholderOid = hex("33");              // registered, but not a known carried type
const std::string kSutrs = "28 12 06 07 2A 86 48 CE 13 05 65 A0 07 1B 05 68 65 6C 6C 6F";
const std::string kUnknown = "28 0C 06 03 2A 03 04 A0 05 30 03 02 01 07";  // 1.2.3.4
const std::string kCharset =
    "28 10 06 07 2A 86 48 CE 13 0A 02 A0 05 30 03 02 01 07";  // known, none registered
const std::string kPlaceholder = "28 0A 06 01 33 A0 05 30 03 02 01 07";

// A decoded EXTERNAL (identifier 0x28 and length read here, as a holder does), released at the end of scope.
class Decoded {
  public:
    explicit Decoded(const Octets& octets, int depth = 0) {
        outcome = runDecode(octets, [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            for (int i = 0; i < depth; ++i) ctx.enter();
            BerTag tag = ASN_DecodeTag(buf, counter, ctx);
            if (tag != 0x28000000) BerDecodeContext::raise(-1000);
            BerLength length = ASN_DecodeLength(buf, counter, ctx);
            DecodeEXTERNALContent(buf, tag, length, &value, counter, ctx);
        });
    }
    ~Decoded() { FreeEXTERNAL(&value); }
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;

    EXTERNAL value{};
    DecodeRun outcome{};
};

// The whole EXTERNAL, identifier and length included.
Octets encodeWhole(EXTERNAL* value) {
    return runEncode([&](BerBuffer& buf) {
        uint32_t contents = EncodeEXTERNALContent(buf, value);
        uint32_t total = contents + ASN_EncodeLength(buf, contents);
        ASN_PutOctet(buf, 0x28);
        return total + 1;
    });
}

Octets rawOctets(const BerAny& any) {
    const auto* raw = static_cast<const BerOctets*>(any.value);
    return Octets(raw->octets, raw->octets + raw->length);
}

class External : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(test_any::registerText(2, kSutrsOid), 1);
        ASSERT_EQ(test_any::registerText(7, kPlaceholderOid), 1);
    }
};

TEST_F(External, KnownRegisteredOidDecodesThroughTheRegistry) {
    Decoded decoded(hex(kSutrs));
    ASSERT_EQ(decoded.outcome.code, 0);
    EXPECT_EQ(decoded.outcome.counted, 20u);
    const BerAny& single = decoded.value.singleASN1Type;
    ASSERT_NE(single.entry, nullptr);
    EXPECT_EQ(single.entry->anyId, 2);
    const auto* text = static_cast<const BerOctets*>(single.value);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text->octets), text->length), "hello");
    EXPECT_EQ(encodeWhole(&decoded.value), hex(kSutrs));
}

// Unknown OIDs, known ones with no registered type and registered placeholders all keep the inner element
// raw, and send it again exactly as it came.
TEST_F(External, OtherOidsKeepTheInnerElementRaw) {
    for (const std::string& text : {kUnknown, kCharset, kPlaceholder}) {
        SCOPED_TRACE(text);
        Octets input = hex(text);
        Decoded decoded(input);
        ASSERT_EQ(decoded.outcome.code, 0);
        EXPECT_EQ(decoded.outcome.counted, input.size()) << "the count includes the raw octets";
        EXPECT_EQ(decoded.outcome.consumed, input.size());
        EXPECT_EQ(decoded.value.singleASN1Type.entry, nullptr);
        EXPECT_EQ(rawOctets(decoded.value.singleASN1Type), hex("30 03 02 01 07"));
        EXPECT_EQ(encodeWhole(&decoded.value), input);
    }
}

TEST_F(External, DecodeOutcomes) {
    struct Case {
        const char* name;
        std::string octets;
        int code;
    };
    const Case cases[] = {
        {"direct-reference only", "28 05 06 03 2A 03 04", 0},
        {"empty, definite", "28 00", 0},
        {"empty, indefinite", "28 80 00 00", 0},
        {"indefinite", "28 80 06 03 2A 03 04 00 00", 0},
        {"every member but arbitrary", "28 15 06 03 2A 03 04 02 01 05 07 01 44 A0 05 30 03 02 01 07 81 01 41",
         0},
        {"constructed descriptor and octet-aligned", "28 0E 27 80 04 01 44 00 00 A1 05 04 03 41 42 43", 0},
        {"arbitrary, indefinite", "28 80 82 02 06 C0 00 00", 0},
        {"[0] indefinite", "28 0E 06 03 2A 03 04 A0 80 30 03 02 01 07 00 00", 0},
        {"[0] indefinite, no end-of-contents", "28 0C 06 03 2A 03 04 A0 80 30 03 02 01 07", -16},
        {"bad end-of-contents", "28 80 06 03 2A 03 04 00 01", kBerBadEndOfContents},
        {"octet-aligned before direct-reference", "28 08 81 01 41 06 03 2A 03 04", kExternalBadIdentifier},
        {"no member of EXTERNAL", "28 03 04 01 41", kExternalBadIdentifier},
        {"end-of-contents in a definite length", "28 02 00 00", kExternalBadIdentifier},
        {"length one longer than arbitrary", "28 05 82 02 07 80 00", kExternalLengthMismatch},
        {"octet between arbitrary and end-of-contents", "28 80 82 02 07 80 05 00 00", -16},
        {"length shorter than its members", "28 03 06 03 2A 03 04", kExternalLengthMismatch},
        {"unknown OID, huge inner length", "28 0D 06 03 2A 03 04 A0 06 30 84 7F FF FF FF",
         kExternalBadIdentifier},
        {"unknown OID, inner length of 2^31", "28 0D 06 03 2A 03 04 A0 06 30 84 80 00 00 00",
         kExternalBadIdentifier},
        {"unknown OID, inner element beyond [0]", "28 0B 06 03 2A 03 04 A0 04 30 03 02 01 07",
         kExternalBadIdentifier},
        {"unknown OID, [0] beyond its inner element", "28 0D 06 03 2A 03 04 A0 06 30 03 02 01 07 05",
         kExternalLengthMismatch},
        {"registered OID, [0] beyond its inner element",
         "28 13 06 07 2A 86 48 CE 13 05 65 A0 08 1B 05 68 65 6C 6C 6F 05", kExternalLengthMismatch},
        {"registered OID, inner value of another type",
         "28 12 06 07 2A 86 48 CE 13 05 65 A0 07 04 05 68 65 6C 6C 6F", kBerWrongGeneralStringTag},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Octets input = hex(c.octets);
        Decoded decoded(input);
        EXPECT_EQ(decoded.outcome.code, c.code);
        if (c.code == 0) {
            EXPECT_EQ(decoded.outcome.counted, input.size());
            EXPECT_EQ(decoded.outcome.consumed, input.size());
        }
    }
}

TEST_F(External, MembersLandInTheirFields) {
    Decoded decoded(hex("28 15 06 03 2A 03 04 02 01 05 07 01 44 A0 05 30 03 02 01 07 81 01 41"));
    ASSERT_EQ(decoded.outcome.code, 0);
    const EXTERNAL& value = decoded.value;
    EXPECT_EQ(
        Octets(value.directReference.octets, value.directReference.octets + value.directReference.length),
        hex("2A 03 04"));
    ASSERT_NE(value.indirectReference, nullptr);
    EXPECT_EQ(*value.indirectReference, 5);
    EXPECT_EQ(value.dataValueDescriptor.length, 1);
    EXPECT_EQ(value.dataValueDescriptor.octets[0], 'D');
    EXPECT_EQ(rawOctets(value.singleASN1Type), hex("30 03 02 01 07"));
    EXPECT_EQ(value.octetAligned.length, 1);
    EXPECT_EQ(value.arbitrary.octets, nullptr);

    Decoded bare(hex("28 05 06 03 2A 03 04"));
    EXPECT_EQ(bare.value.indirectReference, nullptr);
    EXPECT_EQ(bare.value.dataValueDescriptor.octets, nullptr);
    EXPECT_EQ(bare.value.singleASN1Type.value, nullptr);
    EXPECT_EQ(bare.value.octetAligned.octets, nullptr);
    EXPECT_EQ(bare.value.arbitrary.octets, nullptr);
}

// Every proper prefix of a valid value fails with a code; the partial record is released by FreeEXTERNAL.
TEST_F(External, TruncationAtEveryOffsetRaises) {
    for (const std::string& text :
         {kSutrs, kUnknown, kCharset,
          std::string("28 80 06 03 2A 03 04 A0 80 30 80 02 01 07 00 00 00 00 00 00"),
          std::string("28 15 06 03 2A 03 04 02 01 05 07 01 44 A0 05 30 03 02 01 07 81 01 41"),
          std::string("28 80 82 02 06 C0 00 00")}) {
        Octets whole = hex(text);
        ASSERT_EQ(Decoded(whole).outcome.code, 0) << text;
        for (size_t cut = 0; cut < whole.size(); ++cut) {
            Decoded decoded(Octets(whole.begin(), whole.begin() + cut));
            EXPECT_NE(decoded.outcome.code, 0) << text << " cut at " << cut;
            EXPECT_LE(decoded.outcome.consumed, cut);
        }
    }
}

TEST_F(External, NestingPastTheLimitRaises29) {
    Octets input = hex(kUnknown);
    EXPECT_EQ(Decoded(input, kBerMaxNesting - 1).outcome.code, 0);
    EXPECT_EQ(Decoded(input, kBerMaxNesting).outcome.code, kBerNestingTooDeep);
}

TEST_F(External, EncodeWritesMembersInOrderAndDecodesBack) {
    uint8_t oid[] = {0x2A, 0x03, 0x04};
    uint8_t descriptor[] = {'D'};
    uint8_t aligned[] = {'A', 'B'};
    BerInteger indirect = 300;
    EXTERNAL value{};
    value.directReference = BerOid{3, oid};
    value.indirectReference = &indirect;
    value.dataValueDescriptor = BerOctets{1, descriptor};
    value.octetAligned = BerOctets{2, aligned};
    const Octets expected = hex("28 10 06 03 2A 03 04 02 02 01 2C 07 01 44 81 02 41 42");
    EXPECT_EQ(encodeWhole(&value), expected);

    Decoded decoded(expected);
    ASSERT_EQ(decoded.outcome.code, 0);
    EXPECT_EQ(*decoded.value.indirectReference, 300);
    EXPECT_EQ(encodeWhole(&decoded.value), expected);

    uint8_t bits[] = {0xFF, 0xC0};
    EXTERNAL arbitrary{};
    arbitrary.arbitrary = BerBits{10, bits};
    EXPECT_EQ(encodeWhole(&arbitrary), hex("28 05 82 03 06 FF C0"));
    EXTERNAL empty{};
    EXPECT_EQ(encodeWhole(&empty), hex("28 00"));
}

TEST_F(External, BoundValueIsWrittenByItsEntry) {
    EXTERNAL value{};
    value.directReference = test_any::oidOf(kSutrsOid);
    ASN_BindAnyByOid(&value.singleASN1Type, &value.directReference);
    ASSERT_NE(value.singleASN1Type.entry, nullptr);
    auto* text = static_cast<BerOctets*>(MemAlloc(sizeof(BerOctets)));
    text->octets = static_cast<uint8_t*>(MemAlloc(5));
    std::memcpy(text->octets, "hello", 5);
    text->length = 5;
    value.singleASN1Type.value = text;
    EXPECT_EQ(encodeWhole(&value), hex(kSutrs));
    ASN_FreeAny(&value.singleASN1Type);  // the value block and its octets are the ANY's
    EXPECT_EQ(value.singleASN1Type.value, nullptr);
}

TEST_F(External, PrintLabelsPresentMembersOnly) {
    Decoded raw(hex("28 0F 06 03 2A 03 04 02 01 05 A0 05 30 03 02 01 07"));
    ASSERT_EQ(raw.outcome.code, 0);
    EXPECT_EQ(printed([&](std::FILE* out) { PrintEXTERNAL(out, &raw.value, 4); }),
              "{ -- SEQUENCE --\n"
              "        direct-reference {1 2 3 4},\n"
              "        indirect-reference 5,\n"
              "        single-ASN1-type  -- ERROR: malformed ANY value --\n"
              "    }");

    Decoded bound(hex(kSutrs));
    ASSERT_EQ(bound.outcome.code, 0);
    EXPECT_EQ(printed([&](std::FILE* out) { PrintEXTERNAL(out, &bound.value, 0); }),
              "{ -- SEQUENCE --\n"
              "    direct-reference {1 2 840 10003 5 101},\n"
              "    single-ASN1-type text@4 '68656c6c6f'H  -- \"hello\" --\n"
              "}");

    Decoded neither(hex("28 07 81 01 41 82 02 07 80"));
    ASSERT_EQ(neither.outcome.code, 0);
    EXPECT_EQ(printed([&](std::FILE* out) { PrintEXTERNAL(out, &neither.value, 0); }),
              "{ -- SEQUENCE --\n"
              "    octet-aligned '41'H  -- \"A\" --,\n"
              "    arbitrary '80'H\n"
              "}");
    EXPECT_EQ(printed([&](std::FILE* out) { PrintEXTERNAL(out, nullptr, 0); }), "");
}

TEST_F(External, FreeReleasesAndEmptiesTheRecord) {
    Decoded decoded(hex("28 15 06 03 2A 03 04 02 01 05 07 01 44 A0 05 30 03 02 01 07 81 01 41"));
    ASSERT_EQ(decoded.outcome.code, 0);
    FreeEXTERNAL(&decoded.value);
    EXPECT_EQ(decoded.value.directReference.octets, nullptr);
    EXPECT_EQ(decoded.value.indirectReference, nullptr);
    EXPECT_EQ(decoded.value.dataValueDescriptor.octets, nullptr);
    EXPECT_EQ(decoded.value.singleASN1Type.value, nullptr);
    EXPECT_EQ(decoded.value.octetAligned.octets, nullptr);
    FreeEXTERNAL(nullptr);
}  // the destructor frees the emptied record again: nothing happens

}  // namespace
