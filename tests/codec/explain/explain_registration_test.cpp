// The Explain record in the type registry, on both identifier arcs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/codec/explain/explain_a.h"
#include "toolkit/codec/explain/oid_overwrites_b.h"
#include "toolkit/codec/z3950/external.h"

namespace {

BerAny boundTo(std::vector<uint8_t>& oidOctets) {
    BerOid oid{static_cast<int32_t>(oidOctets.size()), oidOctets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    return any;
}

TEST(ExplainRegistration, BothArcsReachTheRecordRoutines) {
    KivRegisterCodecTypes();
    const std::vector<uint8_t> value = hexOctets("A0 09 81 01 61 84 01 FF 85 01 00");
    for (auto [oid, anyId] : {std::pair{"2A 86 48 CE 13 05 64", 1}, std::pair{"28 CF 33 05 64", 29}}) {
        SCOPED_TRACE(oid);
        std::vector<uint8_t> oidOctets = hexOctets(oid);
        BerAny any = boundTo(oidOctets);
        ASSERT_NE(any.entry, nullptr);
        EXPECT_EQ(any.entry->anyId, anyId);
        EXPECT_EQ(any.entry->valueSize, static_cast<int>(sizeof(codec::explain::ExplainRecord)));

        WholeOutcome outcome = decodeWhole(*any.entry, value);
        EXPECT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.encoded, value);
    }
    std::vector<uint8_t> standard = hexOctets("2A 86 48 CE 13 05 64");
    const BerAnyEntry* before = boundTo(standard).entry;
    codec::explain::RegisterBTypes();
    EXPECT_EQ(boundTo(standard).entry, before);
}

// The fuzz target's Explain seeds reach the Explain routines and decode whole, so fuzzing starts inside them.
TEST(ExplainRegistration, FuzzSeedsDecodeAsExplainRecords) {
    KivRegisterCodecTypes();
    const std::filesystem::path corpus =
        std::filesystem::path(QUORVANE_TEST_SOURCE_DIR) / "../../../fuzz/corpus/fuzz_external";
    int seeds = 0;
    for (const auto& file : std::filesystem::directory_iterator(corpus)) {
        if (file.path().filename().string().rfind("explain_", 0) != 0) continue;
        SCOPED_TRACE(file.path().filename().string());
        ++seeds;
        std::ifstream in(file.path(), std::ios::binary);
        const std::vector<uint8_t> octets{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
        BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
        BerDecodeContext ctx(octets.size());
        uint32_t counter = 0;
        codec::z3950::EXTERNAL external{};
        try {
            const BerTag tag = ASN_DecodeTag(buf, counter, ctx);
            const BerLength length = ASN_DecodeLength(buf, counter, ctx);
            codec::z3950::DecodeEXTERNALContent(buf, tag, length, &external, counter, ctx);
        } catch (const BerDecodeError& error) {
            ADD_FAILURE() << "code " << error.code;
        }
        EXPECT_EQ(counter, octets.size());
        ASSERT_NE(external.singleASN1Type.entry, nullptr);
        EXPECT_EQ(external.singleASN1Type.entry->encode, codec::explain::any::EncodeExplainRecord);
        EXPECT_NE(external.singleASN1Type.value, nullptr);
        codec::z3950::FreeEXTERNAL(&external);
    }
    EXPECT_GT(seeds, 0);
}

}  // namespace
