#include "toolkit/asn1/oid_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/util/memory.h"

namespace {

using Octets = std::vector<uint8_t>;

Octets makeOid(const char* text) {
    BerDecodeContext ctx(0);
    BerOid oid{-1, nullptr};
    ASN_MakeOid(text, &oid, ctx);
    EXPECT_NE(oid.octets, nullptr);
    Octets octets(oid.octets, oid.octets + oid.length);
    MemFree(oid.octets);
    return octets;
}

std::string oidText(Octets octets) {
    const BerOid oid{static_cast<int32_t>(octets.size()), octets.empty() ? nullptr : octets.data()};
    return ASN_OidToText(&oid);
}

TEST(OidTextTest, MakesContentsOctets) {
    struct Case {
        const char* text;
        Octets octets;
    };
    const std::vector<Case> cases = {
        {"1.2.840.10003.5.101", {0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x65}},
        {".1..2.", {0x2A}},
        {"2.999", {0x88, 0x37}},
        {"1.2.127.128.16383.16384", {0x2A, 0x7F, 0x81, 0x00, 0xFF, 0x7F, 0x81, 0x80, 0x00}},
        {"1.2.4294967295", {0x2A, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F}},
        {"1.2.2147483648", {0x2A, 0x88, 0x80, 0x80, 0x80, 0x00}},
        {"1.2. 7x.+8", {0x2A, 0x07, 0x08}},  // each arc read as atol reads it
        {"1.2.abc", {0x2A, 0x00}},
        {"5", {}},
        {"", {}},
        {"...", {}},
        {nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text == nullptr ? "null" : c.text);
        EXPECT_EQ(makeOid(c.text), c.octets);
    }
}

// An arc text of any length is read whole; one beyond the range of long saturates as atol does.
TEST(OidTextTest, LongArcTextsNeedNoBuffer) {
    const std::string zeros(200, '0');
    EXPECT_EQ(makeOid(("1.2." + zeros + "840").c_str()), (Octets{0x2A, 0x86, 0x48}));
    const std::string huge = "1.2." + std::string(100, '9');
    EXPECT_EQ(makeOid(huge.c_str()), (Octets{0x2A, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F}));

    std::string manyArcs = "1.2";
    for (int i = 0; i < 5000; ++i) manyArcs += ".10003";
    const Octets octets = makeOid(manyArcs.c_str());
    ASSERT_EQ(octets.size(), 1u + 5000u * 2u);
    EXPECT_EQ(octets[1], 0xCE);
    EXPECT_EQ(octets[2], 0x13);
}

TEST(OidTextTest, WritesDottedText) {
    struct Case {
        Octets octets;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x65}, "1.2.840.10003.5.101"},
        {{0x88, 0x37}, "2.999"},
        {{0x78}, "2.40"},
        {{0x27}, "0.39"},
        {{0x50}, "2.0"},
        {{}, "0.0"},
        {{0x2A, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F}, "1.2.4294967295"},
        {{0x2A, 0x86}, "1.2.6"},  // a subidentifier cut off by the end ends there
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(oidText(c.octets), c.text);
    }
    EXPECT_EQ(ASN_OidToText(nullptr), "0.0");
}

TEST(OidTextTest, TextIsCutAt4999Characters) {
    Octets octets(3000, 0x01);
    octets[0] = 0x2A;
    const std::string text = oidText(octets);
    ASSERT_EQ(text.size(), 4999u);
    EXPECT_EQ(text.substr(0, 7), "1.2.1.1");
}

}  // namespace
