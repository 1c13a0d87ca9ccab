// Byte-exact cases of the APDU envelope, the Init APDUs and the whole-APDU encoder.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_encode.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/util/memory.h"

namespace z = codec::z3950;

namespace {

const char* const kMandatoryInit = "B4 0C 83 01 00 84 01 00 85 01 00 86 01 00";

TEST(GeneratedApduEnvelope, CloseWithReasonZeroIsEightOctets) {
    GeneratedType type = GENERATED_TYPE(z, PDU, 0);
    GeneratedRecord record(type);
    auto* pdu = static_cast<z::PDU*>(record.get());
    pdu->choiceId = z::PDU::kClose;
    pdu->close = static_cast<z::Close*>(MemAlloc(sizeof(z::Close)));
    EXPECT_EQ(z::encodeApdu(pdu), hexOctets("BF 30 05 9F 81 53 01 00"));

    GeneratedRecord decoded(type);
    ASSERT_EQ(decodeElement(type, hexOctets("BF 30 05 9F 81 53 01 00"), decoded.get()).code, 0);
    auto* close = static_cast<z::PDU*>(decoded.get());
    EXPECT_EQ(close->choiceId, 22);
    EXPECT_EQ(close->close->closeReason, 0);
    EXPECT_EQ(printRecord(type, decoded.get()), "close { -- SEQUENCE --\n        closeReason 0\n    }");
}

TEST(GeneratedApduEnvelope, UnknownApduSetsChoiceId23) {
    GeneratedType type = GENERATED_TYPE(z, PDU, 0);
    GeneratedRecord record(type);
    EXPECT_EQ(decodeElement(type, hexOctets("BF 31 00"), record.get()).code, -266);
    auto* pdu = static_cast<z::PDU*>(record.get());
    EXPECT_EQ(pdu->choiceId, 23);

    uint8_t block[16];
    BerBuffer buf = berEncodeBuffer(block, sizeof block);
    EXPECT_EQ(z::EncodePDU(buf, pdu), 0u);
    EXPECT_EQ(buf.start, buf.end);
    EXPECT_TRUE(z::encodeApdu(pdu).empty());
}

TEST(GeneratedApduEnvelope, WholeApduDecoderReadsIdentifierAndLength) {
    std::vector<uint8_t> octets = hexOctets(kMandatoryInit);
    BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
    BerDecodeContext ctx(octets.size());
    z::PDU pdu{};
    uint32_t counter = 0;
    z::DecodePDU(buf, &pdu, counter, ctx);
    EXPECT_EQ(counter, octets.size());
    ASSERT_EQ(pdu.choiceId, z::PDU::kInitRequest);
    EXPECT_EQ(pdu.initRequest->preferredMessageSize, 0);
    z::FreePDU(&pdu);
    EXPECT_EQ(pdu.initRequest, nullptr);
}

TEST(GeneratedApduEnvelope, InitializeRequest) {
    expectCases(
        GENERATED_TYPE(z, PDU, 0),
        {
            {"only the mandatory components", kMandatoryInit, 0},
            {"indefinite length ending after exceptionalRecordSize",
             "B4 80 83 01 00 84 01 00 85 01 00 86 01 00 00 00", 0, kMandatoryInit},
            {"a definite length one octet longer than the components",
             "B4 0D 83 01 00 84 01 00 85 01 00 86 01 00 00", -170},
            {"protocolVersion as two constructed segments",
             "B4 13 A3 08 03 02 00 C0 03 02 06 80 84 01 00 85 01 00 86 01 00", 0,
             "B4 0E 83 03 06 C0 80 84 01 00 85 01 00 86 01 00"},
            {"anonymous authentication", "B4 10 83 01 00 84 01 00 85 01 00 86 01 00 A7 02 05 00", 0},
            {"an OCTET STRING inside [7]", "B4 10 83 01 00 84 01 00 85 01 00 86 01 00 A7 02 04 00", -120},
            {"indefinite [7] around an indefinite idPass",
             "B4 17 83 01 00 84 01 00 85 01 00 86 01 00 A7 80 30 80 81 01 61 00 00 00 00", 0,
             "B4 13 83 01 00 84 01 00 85 01 00 86 01 00 A7 05 30 03 81 01 61"},
            {"empty idPass", "B4 10 83 01 00 84 01 00 85 01 00 86 01 00 A7 02 30 00", 0},
            {"userId before groupId",
             "B4 16 83 01 00 84 01 00 85 01 00 86 01 00 A7 08 30 06 81 01 61 80 01 62", -119},
            {"implementationName before implementationId",
             "B4 14 83 01 00 84 01 00 85 01 00 86 01 00 9F 6F 01 61 9F 6E 01 62", -170},
            {"[11] around a universal SEQUENCE", "B4 10 83 01 00 84 01 00 85 01 00 86 01 00 AB 02 30 00",
             -168},
            {"options missing", "B4 09 83 01 00 85 01 00 86 01 00", -165},
            {"a definite length larger than its components ending with otherInfo",
             "B4 12 83 01 00 84 01 00 85 01 00 86 01 00 BF 81 49 00 00", -169},
        });
}

TEST(GeneratedApduEnvelope, InitializeResponse) {
    expectCases(GENERATED_TYPE(z, PDU, 0),
                {
                    {"mandatory components", "B5 0F 83 01 00 84 01 00 85 01 00 86 01 00 8C 01 FF", 0},
                    {"result missing", "B5 10 83 01 00 84 01 00 85 01 00 86 01 00 9F 6E 01 61", -175},
                    {"implementationName before implementationId",
                     "B5 17 83 01 00 84 01 00 85 01 00 86 01 00 8C 01 00 9F 6F 01 61 9F 6E 01 62", -178},
                    {"[11] around a universal SEQUENCE",
                     "B5 13 83 01 00 84 01 00 85 01 00 86 01 00 8C 01 00 AB 02 30 00", -176},
                });
}

TEST(GeneratedApduEnvelope, LargeApduIsEncodedAgainAtItsExactSize) {
    z::PDU pdu{};
    pdu.choiceId = z::PDU::kInitRequest;
    pdu.initRequest = static_cast<z::InitializeRequest*>(MemAlloc(sizeof(z::InitializeRequest)));
    std::vector<uint8_t> name(6000, 'n');
    pdu.initRequest->implementationName = BerOctets{static_cast<int32_t>(name.size()), name.data()};
    std::vector<uint8_t> octets = z::encodeApdu(&pdu);
    pdu.initRequest->implementationName = BerOctets{};
    z::FreePDU(&pdu);

    ASSERT_GT(octets.size(), z::kApduFirstBlock);
    GeneratedType type = GENERATED_TYPE(z, PDU, 0);
    GeneratedRecord decoded(type);
    DecodeOutcome outcome = decodeElement(type, octets, decoded.get());
    ASSERT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.consumed, octets.size());
    EXPECT_EQ(static_cast<z::PDU*>(decoded.get())->initRequest->implementationName.length, 6000);
}

}  // namespace
