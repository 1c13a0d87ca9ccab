#include "toolkit/asn1/ber_any.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/asn1/text_any_type.h"

namespace {

using test_any::oidOf;

// Each test registers under OIDs of its own: the registry lives for the whole process.
const Octets kTextOid = {0x2A, 0x03, 0x04, 0x01};   // 1.2.3.4.1
const Octets kOtherOid = {0x2A, 0x03, 0x04, 0x02};  // 1.2.3.4.2, never registered
const Octets kHelloValue = {0x1B, 0x05, 'h', 'e', 'l', 'l', 'o'};

class AnyTextRegistered : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_EQ(test_any::registerText(71, kTextOid), 1); }
};

BerAny boundText() {
    BerAny any{};
    BerOid oid = oidOf(kTextOid);
    ASN_BindAnyByOid(&any, &oid);
    return any;
}

int boundAnyId(const Octets& oidOctets) {
    BerAny any{};
    BerOid oid = oidOf(oidOctets);
    ASN_BindAnyByOid(&any, &oid);
    return any.entry != nullptr ? any.entry->anyId : -1;
}

int boundIntAnyId(int intId) {
    BerAny any{};
    ASN_BindAnyByInt(&any, intId);
    return any.entry != nullptr ? any.entry->anyId : -1;
}

TEST(AnyHash, SpecifiedValues) {
    struct Case {
        Octets octets;
        uint32_t hash;
    };
    const Case cases[] = {
        {{}, 0},
        {{0x41}, 65},
        {{0x01, 0x02}, 65589},
        {{0xFF}, 4294967295u},
        {{0x80}, 4294967168u},
        {{0x2A, 0x86}, 42u * 65587u - 122u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ASN_HashOctets(c.octets.data(), static_cast<int32_t>(c.octets.size())), c.hash);
    }
}

TEST(AnyRegistry, OidsWithEqualHashesAreDistinctKeys) {
    const Octets first = {0x9A, 0xB9, 0x34, 0x83, 0xCD};
    const Octets second = {0x65, 0x05, 0x5C, 0x34, 0x63};
    ASSERT_EQ(ASN_HashOctets(first.data(), 5), ASN_HashOctets(second.data(), 5));
    EXPECT_EQ(test_any::registerText(81, first), 1);
    EXPECT_EQ(test_any::registerText(82, second), 1);
    EXPECT_EQ(boundAnyId(first), 81);
    EXPECT_EQ(boundAnyId(second), 82);
}

TEST(AnyRegistry, FirstRegistrationWinsAndTheOctetsAreCopied) {
    Octets oid = {0x2A, 0x03, 0x05};
    EXPECT_EQ(test_any::registerText(91, oid), 1);
    EXPECT_EQ(test_any::registerText(92, oid), 1) << "a present key still reports success";
    oid[2] = 0x06;  // the caller's octets may change after registration
    EXPECT_EQ(boundAnyId({0x2A, 0x03, 0x05}), 91);
    EXPECT_EQ(boundAnyId(oid), -1);

    const Octets original = {0x2A, 0x03, 0x05};
    BerAny any{};
    BerOid key = oidOf(original);
    ASN_BindAnyByOid(&any, &key);
    ASSERT_NE(any.entry, nullptr);
    EXPECT_EQ(Octets(any.entry->oid.octets, any.entry->oid.octets + any.entry->oid.length), original);
    EXPECT_EQ(any.entry->intId, 0);
}

TEST(AnyRegistry, UnregisteredAndUnusableOidsBindNothing) {
    EXPECT_EQ(boundAnyId(kOtherOid), -1);
    BerAny any{reinterpret_cast<BerAnyEntry*>(&any), nullptr};
    BerOid absent{0, nullptr};
    ASN_BindAnyByOid(&any, &absent);
    EXPECT_EQ(any.entry, nullptr) << "binding replaces whatever entry the ANY had";
    EXPECT_EQ(ASN_RegisterAnyByOid(1, nullptr, 8, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ASN_RegisterAnyByOid(1, &absent, 8, nullptr, nullptr, nullptr, nullptr), 0);
    const Octets someOctets = {0x2A};
    BerOid emptyButSet{0, const_cast<uint8_t*>(someOctets.data())};
    EXPECT_EQ(ASN_RegisterAnyByOid(1, &emptyButSet, 8, nullptr, nullptr, nullptr, nullptr), 0);
    ASN_BindAnyByOid(&any, &emptyButSet);
    EXPECT_EQ(any.entry, nullptr);
}

TEST(AnyRegistry, ManyOidsSharingTheLowHashOctetAreAllFound) {
    std::vector<Octets> oids;
    for (uint32_t n = 0; oids.size() < 300; ++n) {
        Octets oid = {0x2B, static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 8),
                      static_cast<uint8_t>(n)};
        if ((ASN_HashOctets(oid.data(), 4) & 0xFF) == 0x41) oids.push_back(oid);
    }
    ASSERT_EQ(oids.size(), 300u);
    for (size_t i = 0; i < oids.size(); ++i) ASSERT_EQ(test_any::registerText(1000 + int(i), oids[i]), 1);
    for (size_t i = 0; i < oids.size(); ++i) EXPECT_EQ(boundAnyId(oids[i]), 1000 + int(i));
}

TEST(AnyRegistry, IntegerIdsAreKeyedByValue) {
    ASSERT_EQ(ASN_HashOctets(reinterpret_cast<const uint8_t*>("\x5f\x28\xf0\x50"), 4),
              ASN_HashOctets(reinterpret_cast<const uint8_t*>("\x9e\x1e\x2e\xfb"), 4));
    EXPECT_EQ(ASN_RegisterAnyByInt(38, 800, 8, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(ASN_RegisterAnyByInt(39, 800, 8, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(ASN_RegisterAnyByInt(51, 1357916255, 8, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(ASN_RegisterAnyByInt(52, -80863586, 8, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(boundIntAnyId(800), 38);
    EXPECT_EQ(boundIntAnyId(799), -1);
    EXPECT_EQ(boundIntAnyId(1357916255), 51);
    EXPECT_EQ(boundIntAnyId(-80863586), 52);

    BerAny any{};
    ASN_BindAnyByInt(&any, 800);
    ASSERT_NE(any.entry, nullptr);
    EXPECT_EQ(any.entry->intId, 800);
    EXPECT_EQ(any.entry->oid.octets, nullptr);
    EXPECT_EQ(boundAnyId({}), -1) << "integer registrations are not in the OID table";
}

TEST_F(AnyTextRegistered, DecodeThroughTheEntryThenFree) {
    BerAny any = boundText();
    ASSERT_NE(any.entry, nullptr);
    Octets input = kHelloValue;
    input.push_back(0x05);  // the next element stays unread
    BerBuffer buf = berDecodeBuffer(input.data(), input.size());
    BerDecodeContext ctx(input.size());
    uint32_t counter = 3;
    ASN_DecodeAny(buf, &any, counter, ctx);
    EXPECT_EQ(counter, 3u + 7u);
    ASSERT_NE(any.value, nullptr);
    const auto* text = static_cast<const BerOctets*>(any.value);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text->octets), text->length), "hello");
    EXPECT_EQ(buf.readPos, input.data() + 7);

    EXPECT_EQ(runEncode([&](BerBuffer& out) { return ASN_EncodeAny(out, &any); }), kHelloValue);
    ASN_FreeAny(&any);
    EXPECT_EQ(any.value, nullptr);
    ASN_FreeAny(&any);  // a second release does nothing
    ASN_FreeAny(nullptr);
}

TEST_F(AnyTextRegistered, DecodeFailureLeavesThePartValueToFree) {
    BerAny any = boundText();
    const Octets truncated = {0x1B, 0x05, 'h'};
    BerBuffer buf = berDecodeBuffer(truncated.data(), truncated.size());
    BerDecodeContext ctx(truncated.size());
    uint32_t counter = 0;
    EXPECT_THROW(ASN_DecodeAny(buf, &any, counter, ctx), BerDecodeError);
    EXPECT_NE(any.value, nullptr) << "the block stays with the ANY";
    ASN_FreeAny(&any);  // released here, or the sanitizer build reports a leak
    EXPECT_EQ(any.value, nullptr);
}

TEST(AnyValue, DecodeWithoutADecoderRaises44) {
    const Octets noDecoder = {0x2A, 0x03, 0x07};
    BerOid key = oidOf(noDecoder);
    ASSERT_EQ(ASN_RegisterAnyByOid(72, &key, 8, nullptr, nullptr, nullptr, nullptr), 1);
    const Octets input = kHelloValue;
    for (const Octets& oidOctets : {kOtherOid, noDecoder}) {
        BerAny any{};
        BerOid oid = oidOf(oidOctets);
        ASN_BindAnyByOid(&any, &oid);
        BerBuffer buf = berDecodeBuffer(input.data(), input.size());
        BerDecodeContext ctx(input.size());
        uint32_t counter = 0;
        try {
            ASN_DecodeAny(buf, &any, counter, ctx);
            ADD_FAILURE() << "decoded without a decoder";
        } catch (const BerDecodeError& error) {
            EXPECT_EQ(error.code, kBerAnyNotBound);
        }
        EXPECT_EQ(any.value, nullptr);
        EXPECT_EQ(counter, 0u);
    }
}

TEST(AnyValue, ValueBlockBeyondTheDecodeBudgetRaises27) {
    const Octets oid = {0x2A, 0x03, 0x08};
    BerOid key = oidOf(oid);
    ASSERT_EQ(ASN_RegisterAnyByOid(73, &key, 1 << 30, test_any::encodeText, test_any::decodeText,
                                   test_any::freeText, test_any::printText),
              1);
    BerAny any{};
    ASN_BindAnyByOid(&any, &key);
    const Octets input = kHelloValue;
    BerBuffer buf = berDecodeBuffer(input.data(), input.size());
    BerDecodeContext ctx(input.size());
    uint32_t counter = 0;
    try {
        ASN_DecodeAny(buf, &any, counter, ctx);
        ADD_FAILURE() << "allocated a block of 1 GiB for seven octets";
        ASN_FreeAny(&any);
    } catch (const BerDecodeError& error) {
        EXPECT_EQ(error.code, kBerNoMemory);
        EXPECT_EQ(any.value, nullptr);
    }
}

TEST(AnyValue, EncodeUnboundWritesNothingOrTheRawOctets) {
    std::vector<uint8_t> block(16);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    BerAny empty{};
    EXPECT_EQ(ASN_EncodeAny(buf, &empty), 0u);
    EXPECT_EQ(buf.start, buf.end);

    Octets rawOctets = {0x30, 0x03, 0x02, 0x01, 0x07};
    BerOctets raw{static_cast<int32_t>(rawOctets.size()), rawOctets.data()};
    BerAny unbound{nullptr, &raw};
    EXPECT_EQ(runEncode([&](BerBuffer& out) { return ASN_EncodeAny(out, &unbound); }), rawOctets);

    // A raw value that does not fit reports its full length, as every encoder does.
    std::vector<uint8_t> small(3);
    BerBuffer tight = berEncodeBuffer(small.data(), small.size());
    EXPECT_EQ(ASN_EncodeAny(tight, &unbound), 5u);
    EXPECT_EQ(tight.writeFailed, 1);
}

TEST_F(AnyTextRegistered, PrintHandsOnTheIndentationOrReportsAnUnboundValue) {
    BerOctets text{2, const_cast<uint8_t*>(reinterpret_cast<const uint8_t*>("hi"))};
    BerAny bound = boundText();
    bound.value = &text;
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintAny(out, &bound, 8); }), "text@8 '6869'H  -- \"hi\" --");
    BerAny unbound{nullptr, &text};
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintAny(out, &unbound, 8); }),
              " -- ERROR: malformed ANY value --");
}

// Keeping a raw element: where it must lie and what is copied.
TEST(AnyRaw, KeepsOneWholeElementWithinTheLimit) {
    constexpr int kCode = -147;
    struct Case {
        const char* name;
        Octets input;
        BerLength limit;
        int expected;  // octets kept, or the code
    };
    const Case cases[] = {
        {"definite", {0x30, 0x03, 0x02, 0x01, 0x07, 0xEE}, -1, 5},
        {"indefinite", {0x30, 0x80, 0x02, 0x01, 0x07, 0x00, 0x00, 0xEE}, -1, 7},
        {"exactly the limit", {0x04, 0x01, 0x41}, 3, 3},
        {"zero length", {0x05, 0x00}, -1, 2},
        {"beyond the limit", {0x30, 0x03, 0x02, 0x01, 0x07}, 4, kCode},
        {"huge inner length", {0x30, 0x84, 0x7F, 0xFF, 0xFF, 0xFF, 0x02, 0x01, 0x07}, -1, kCode},
        {"length of 2^31", {0x30, 0x84, 0x80, 0x00, 0x00, 0x00}, -1, kCode},
        {"five length octets", {0x04, 0x85, 0x00, 0x00, 0x00, 0x00, 0x01, 0x41}, -1, kCode},
        {"indefinite primitive", {0x04, 0x80, 0x41, 0x00, 0x00}, -1, kCode},
        {"indefinite without its end", {0x30, 0x80, 0x02, 0x01, 0x07}, -1, kCode},
        {"contents cut short", {0x04, 0x05, 0x41}, -1, kCode},
        {"no octets", {}, -1, kCode},
        {"identifier only", {0x1F}, -1, kCode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BerBuffer buf = berDecodeBuffer(c.input.data(), c.input.size());
        BerDecodeContext ctx(c.input.size());
        BerAny any{reinterpret_cast<BerAnyEntry*>(&any), nullptr};
        uint32_t counter = 10;
        try {
            ASN_DecodeRawAny(buf, &any, c.limit, counter, ctx, kCode);
        } catch (const BerDecodeError& error) {
            EXPECT_EQ(error.code, c.expected);
            EXPECT_EQ(any.value, nullptr) << "nothing is allocated for an element that is not whole";
            EXPECT_EQ(counter, 10u);
            continue;
        }
        ASSERT_GT(c.expected, 0);
        EXPECT_EQ(any.entry, nullptr);
        ASSERT_NE(any.value, nullptr);
        const auto* raw = static_cast<const BerOctets*>(any.value);
        EXPECT_EQ(Octets(raw->octets, raw->octets + raw->length),
                  Octets(c.input.begin(), c.input.begin() + c.expected));
        EXPECT_EQ(raw->octets[raw->length], 0) << "a 0 octet follows the kept octets";
        EXPECT_EQ(counter, 10u + c.expected);
        EXPECT_EQ(buf.readPos, c.input.data() + c.expected);
        ASN_FreeAny(&any);
    }
}

}  // namespace
