#include "toolkit/asn1/ber_tag_length.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "tests/asn1/ber_test_support.h"

namespace {

struct TagCase {
    const char* octets;
    BerTag tag;
    uint32_t counted;
};

TEST(BerTag, ReadsOneToThreeIdentifierOctets) {
    const TagCase cases[] = {
        {"02", 0x02000000, 1},       {"30", 0x30000000, 1},    {"28", 0x28000000, 1},
        {"A1", 0xA1000000, 1},       {"BF 2B", 0xBF2B0000, 2}, {"9F 67", 0x9F670000, 2},
        {"BF 81 49", 0xBF814900, 3}, {"00", 0x00000000, 1},    {"9F 67 05", 0x9F670000, 2},
        {"DF FF 7F", 0xDFFF7F00, 3},
    };
    for (const TagCase& c : cases) {
        BerTag tag = 0xFFFFFFFF;
        DecodeRun out =
            runDecode(hex(c.octets), [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
                tag = ASN_DecodeTag(buf, counter, ctx);
            });
        EXPECT_EQ(out.code, 0) << c.octets;
        EXPECT_EQ(tag, c.tag) << c.octets;
        EXPECT_EQ(out.counted, c.counted) << c.octets;
        EXPECT_EQ(out.consumed, c.counted) << c.octets;
    }
}

TEST(BerTag, RefusesCutAndOverlongIdentifiers) {
    const std::pair<const char*, int> cases[] = {
        {"", kBerTagEnded},           {"1F", kBerTagEnded},
        {"BF 81", kBerTagEnded},      {"BF 81 81 01", kBerTagTooLong},
        {"9F 80 80", kBerTagTooLong},
    };
    for (const auto& [octets, code] : cases) {
        DecodeRun out = runDecode(hex(octets), [](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            ASN_DecodeTag(buf, counter, ctx);
        });
        EXPECT_EQ(out.code, code) << octets;
    }
}

struct LengthCase {
    uint32_t length;
    const char* octets;
};

// Every definite length the encoder writes decodes back to itself.
TEST(BerLength, EncodesShortestFormsAndDecodesThemBack) {
    const LengthCase cases[] = {
        {0, "00"},
        {127, "7F"},
        {128, "81 80"},
        {200, "81 C8"},
        {255, "81 FF"},
        {256, "82 01 00"},
        {65535, "82 FF FF"},
        {65536, "83 01 00 00"},
        {70000, "83 01 11 70"},
        {16777125, "83 FF FF A5"},
        {16777126, "84 00 FF FF A6"},
        {16777215, "84 00 FF FF FF"},
        {0x7FFFFFFF, "84 7F FF FF FF"},
    };
    for (const LengthCase& c : cases) {
        Octets encoded = runEncode([&](BerBuffer& buf) { return ASN_EncodeLength(buf, c.length); });
        EXPECT_EQ(encoded, hex(c.octets)) << c.length;

        BerLength decoded = 0;
        DecodeRun out = runDecode(encoded, [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            decoded = ASN_DecodeLength(buf, counter, ctx);
        });
        EXPECT_EQ(out.code, 0) << c.length;
        EXPECT_EQ(decoded, static_cast<BerLength>(c.length));
        EXPECT_EQ(out.counted, encoded.size());
    }
}

TEST(BerLength, DecodesIndefiniteAndNonMinimalForms) {
    const std::pair<const char*, BerLength> cases[] = {{"80", -1}, {"81 05", 5}, {"84 00 00 00 05", 5}};
    for (const auto& [octets, expected] : cases) {
        BerLength decoded = 0;
        DecodeRun out = runDecode(hex(octets), [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            decoded = ASN_DecodeLength(buf, counter, ctx);
        });
        EXPECT_EQ(out.code, 0) << octets;
        EXPECT_EQ(decoded, expected) << octets;
        EXPECT_EQ(out.counted, hex(octets).size()) << octets;
    }
}

TEST(BerLength, RefusesMissingCutOverlongAndNegativeLengths) {
    const std::pair<const char*, int> cases[] = {
        {"", kBerLengthMissing},
        {"81", kBerLengthEnded},
        {"82 01", kBerLengthEnded},
        {"85 00 00 00 00 01", kBerLengthTooLong},
        {"FF", kBerLengthTooLong},
        {"84 80 00 00 00", kBerLengthTooLong},
        {"84 FF FF FF FF", kBerLengthTooLong},
    };
    for (const auto& [octets, code] : cases) {
        DecodeRun out = runDecode(hex(octets), [](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            ASN_DecodeLength(buf, counter, ctx);
        });
        EXPECT_EQ(out.code, code) << octets;
    }
}

TEST(BerLength, WritesNothingPastBlockStart) {
    uint8_t block[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    BerBuffer buf = berEncodeBuffer(block + 2, 3);
    EXPECT_EQ(ASN_EncodeLength(buf, 70000), 4u);
    EXPECT_EQ(buf.writeFailed, 1);
    EXPECT_EQ(block[0], 0xEE);
    EXPECT_EQ(block[1], 0xEE);
    EXPECT_EQ(buf.start, block + 2);
}

TEST(BerEndOfContents, NeedsTwoZeroOctets) {
    const std::pair<const char*, int> cases[] = {
        {"00 00", 0},
        {"00 00 05", 0},
        {"00 01", kBerEndOfContentsMissing},
        {"01 00", kBerEndOfContentsMissing},
        {"00", kBerEndOfContentsMissing},
        {"", kBerEndOfContentsMissing},
    };
    for (const auto& [octets, code] : cases) {
        DecodeRun out = runDecode(hex(octets), [](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            ASN_DecodeEndOfContents(buf, counter, ctx);
        });
        EXPECT_EQ(out.code, code) << octets;
        EXPECT_EQ(out.counted, code == 0 ? 2u : 0u) << octets;
    }
}

TEST(BerPrintIndent, WritesThatManySpaces) {
    std::string text = printed([](std::FILE* out) {
        ASN_PrintIndent(out, 0);
        std::fputc('|', out);
        ASN_PrintIndent(out, 2 * kBerIndentStep);
        std::fputc('|', out);
    });
    EXPECT_EQ(text, "|        |");
}

}  // namespace
