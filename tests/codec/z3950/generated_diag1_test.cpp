// Byte-exact cases of the diag-1 format, its registration and the whole-value EXTERNAL routines.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/z3950/diag1.h"
#include "toolkit/codec/z3950/diag1_registration.h"
#include "toolkit/codec/z3950/external.h"

namespace z = codec::z3950;

namespace {

// A DiagnosticFormat of one element whose diagnostic is a defaultDiagRec.
const char* const kDefaultDiagRec = "30 0F 30 0D A1 0B A1 09 06 01 2A 02 01 01 1B 01 61";

TEST(GeneratedDiag1, DiagnosticFormatElements) {
    expectCases(GENERATED_TYPE(z, DiagnosticFormat, 0x30000000u),
                {
                    {"defaultDiagRec: 30, 30, A1, A1 and the DefaultDiagFormat contents", kDefaultDiagRec, 0},
                    {"recordSyntax with two suggested alternatives and a message",
                     "30 19 30 17 A1 10 A2 0E BF 87 75 0A 81 01 2A A2 05 06 01 2A 06 00 82 03 6D 73 67", 0},
                    {"element of length 0", "30 02 30 00", 0},
                    {"element with only a message", "30 05 30 03 82 01 6D", 0},
                    {"element that is not a SEQUENCE", "30 02 31 00", -143},
                    {"stray identifier in an element", "30 04 30 02 83 00", -141},
                    {"definite element length not matched", "30 06 30 04 82 01 6D 00", -140},
                    {"diagnostic that is neither [1] nor [2]", "30 06 30 04 A1 02 A3 00", -139},
                });
}

TEST(GeneratedDiag1, DiagFormatAlternatives) {
    GeneratedType type = GENERATED_TYPE(z, DiagFormat, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("9F 87 6B 01 05"), record.get()).code, 0);
    auto* unSupOp = static_cast<z::DiagFormat*>(record.get());
    EXPECT_EQ(unSupOp->choiceId, z::DiagFormat::kUnSupOp);
    EXPECT_EQ(unSupOp->unSupOp, 5);
    expectCases(type, {
                          {"[1014]", "BF 87 76 00", -138},
                          {"proximity attributes around something else", "BF 87 6F 04 A6 02 30 00", -106},
                          {"proximity attributes around an AttributeList", "BF 87 6F 05 A6 03 BF 2C 00", 0},
                          {"scan [2]", "BF 87 70 02 82 00", -119},
                          {"tooMany starting with [2]", "BF 87 68 03 82 01 01", -135},
                          {"tooMany with [1] then [3]", "BF 87 68 06 81 01 01 83 01 01", -137},
                          {"dbUnavail with db constructed", "BF 87 6A 09 A1 05 04 03 64 62 31 A2 00", 0,
                           "BF 87 6A 07 81 03 64 62 31 A2 00"},
                          {"dbUnavail without why", "BF 87 6A 07 81 03 64 62 31 05 00", -130},
                          {"sort element", "BF 87 71 07 A6 05 A1 03 80 01 74", 0},
                          {"sort element of no SortElement alternative", "BF 87 71 04 A6 02 A3 00", -138},
                      });
}

TEST(GeneratedDiag1, WholeValueRoutinesCheckTheirIdentifier) {
    std::vector<uint8_t> octets = hexOctets("31 00");
    BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
    BerDecodeContext ctx(octets.size());
    BerList list{};
    uint32_t counter = 0;
    int code = 0;
    try {
        z::DecodeDiagnosticFormat(buf, &list, counter, ctx);
    } catch (const BerDecodeError& error) {
        code = error.code;
    }
    EXPECT_EQ(code, -142);

    std::vector<uint8_t> external = hexOctets("28 03 06 01 2A");
    BerBuffer in = berDecodeBuffer(external.data(), external.size());
    BerDecodeContext externalCtx(external.size());
    z::EXTERNAL value{};
    counter = 0;
    z::DecodeEXTERNAL(in, &value, counter, externalCtx);
    EXPECT_EQ(counter, external.size());
    uint8_t block[8];
    BerBuffer out = berEncodeBuffer(block, sizeof block);
    EXPECT_EQ(z::EncodeEXTERNAL(out, &value), external.size());
    EXPECT_EQ(std::vector<uint8_t>(out.start, out.end), external);
    z::FreeEXTERNAL(&value);

    std::vector<uint8_t> sequence = hexOctets("30 00");
    BerBuffer other = berDecodeBuffer(sequence.data(), sequence.size());
    z::EXTERNAL refused{};
    code = 0;
    try {
        z::DecodeEXTERNAL(other, &refused, counter, externalCtx);
    } catch (const BerDecodeError& error) {
        code = error.code;
    }
    EXPECT_EQ(code, -144);
}

TEST(GeneratedDiag1, RegisteredUnderTheOneOctetPlaceholder) {
    EXPECT_EQ(z::RegisterDiag1Types(), 1);
    uint8_t placeholder[] = {0x29};
    BerOid oid{1, placeholder};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    ASSERT_NE(any.entry, nullptr);
    EXPECT_EQ(any.entry->anyId, 0);
    EXPECT_EQ(any.entry->valueSize, static_cast<int>(sizeof(BerList)));

    std::vector<uint8_t> octets = hexOctets(kDefaultDiagRec);
    BerBuffer in = berDecodeBuffer(octets.data(), octets.size());
    BerDecodeContext ctx(octets.size());
    uint32_t counter = 0;
    ASN_DecodeAny(in, &any, counter, ctx);
    EXPECT_EQ(counter, octets.size());
    std::vector<uint8_t> block(octets.size());
    BerBuffer out = berEncodeBuffer(block.data(), block.size());
    EXPECT_EQ(ASN_EncodeAny(out, &any), octets.size());
    EXPECT_EQ(block, octets);
    ASN_FreeAny(&any);

    uint8_t real[] = {0x2A, 0x86, 0x48, 0xCE, 0x13, 0x04, 0x02};  // the format's own identifier
    BerOid realOid{sizeof real, real};
    ASN_BindAnyByOid(&any, &realOid);
    EXPECT_EQ(any.entry, nullptr);
}

}  // namespace
