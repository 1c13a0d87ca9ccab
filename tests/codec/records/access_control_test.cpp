// Byte-exact cases of the access-control formats prompt-1, des-1 and krb-1.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_e.h"

namespace r = codec::records;

namespace {

// A challenge of two prompts: an enummeratedPrompt of type 2 with responseRequired, and a
// nonEnumeratedPrompt "pw" whose allowedValues are "a" and "b".
const char* const kChallenge =
    "A1 1B 30 09 A1 05 A1 03 81 01 02 85 00 30 0E A1 04 82 02 70 77 A6 06 1B 01 61 1B 01 62";

TEST(Prompt1, ChallengeOfTwoPrompts) {
    const BerAnyEntry prompt = WHOLE_ENTRY(r, PromptObject);
    WholeOutcome challenge = decodeWhole(prompt, hexOctets(kChallenge));
    ASSERT_EQ(challenge.code, 0);
    EXPECT_EQ(challenge.encoded, hexOctets(kChallenge));
    EXPECT_THAT(challenge.printed, ::testing::StartsWith("challenge { -- SEQUENCE OF"));
    EXPECT_THAT(challenge.printed, ::testing::HasSubstr("enummeratedPrompt {"));
    EXPECT_THAT(challenge.printed, ::testing::HasSubstr("responseRequired NULL"));
    EXPECT_EQ(decodeWhole(prompt, hexOctets("30 00")).code, -161);

    expectCases(GENERATED_TYPE(r, PromptObject, 0), {{"[3]", "A3 00", -161}});
    expectCases(GENERATED_TYPE(r, Challenge, kSequence), {{"element not a SEQUENCE", "30 02 31 00", -158}});
    expectCases(GENERATED_TYPE(r, Response, kSequence), {{"element not a SEQUENCE", "30 02 31 00", -159}});
}

TEST(Prompt1, ChallengeRecord) {
    expectCases(
        GENERATED_TYPE(r, ChallengeItem, kSequence),
        {
            {"promptInfo character in constructed form", "30 0D A1 04 82 02 70 77 A3 05 A1 03 04 01 61", 0,
             "30 0B A1 04 82 02 70 77 A3 03 81 01 61"},
            {"regExpr before promptInfo", "30 0E A1 04 82 02 70 77 84 01 78 A3 03 81 01 61", -150},
            {"promptId missing", "30 03 82 01 61", -148},
            {"octets left after diagnostic", "30 0D A1 04 82 02 70 77 A9 03 06 01 2A 05 00", -149},
            {"promptInfo of no alternative", "30 0A A1 04 82 02 70 77 A3 02 83 00", -127},
            {"promptId of no alternative", "30 04 A1 02 83 00", -135},
            {"allowedValues element not universal 27", "30 0A A1 04 82 02 70 77 A6 02 04 00", -100},
        });
    expectCases(GENERATED_TYPE(r, PromptId, 0),
                {
                    {"enummeratedPrompt without type", "A1 02 82 00", -123},
                    {"enummeratedPrompt with a stray [3]", "A1 06 81 01 02 83 01 61", -125},
                    {"octets left after suggestedString", "A1 08 81 01 02 82 01 61 05 00", -124},
                });
}

TEST(Prompt1, ResponseRecord) {
    GeneratedType type = GENERATED_TYPE(r, ResponseItem, kSequence);
    expectCases(
        type, {
                  {"[6] in promptResponse", "30 0A A1 04 82 02 70 77 A2 02 86 00", -126},
                  {"[3] where promptResponse must be", "30 08 A1 04 82 02 70 77 A3 00", -146},
                  {"promptId missing", "30 05 A2 03 82 01 FF", -144},
                  {"octets left after promptResponse", "30 0D A1 04 82 02 70 77 A2 03 82 01 FF 05 00", -145},
              });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 0B A1 04 82 02 70 77 A2 03 82 01 FF"), record.get()).code, 0);
    const r::ResponseItemPromptResponse* response =
        static_cast<r::ResponseItem*>(record.get())->promptResponse;
    ASSERT_NE(response, nullptr);
    EXPECT_EQ(response->choiceId, r::ResponseItemPromptResponse::kAccept);
    EXPECT_EQ(response->accept, 1);
}

TEST(Prompt1, Encryption) {
    expectCases(GENERATED_TYPE(r, Encryption, kSequence),
                {
                    {"data only", "30 03 83 01 61", 0},
                    {"[4] where data must be", "30 09 81 01 61 82 01 62 84 01 63", -106},
                    {"octets left after data", "30 05 83 01 61 05 00", -105},
                });
}

TEST(Des1, ChallengeAndResponseDifferOnlyInTheirIdentifier) {
    const BerAnyEntry des = WHOLE_ENTRY(r, DESRNObject);
    WholeOutcome challenge = decodeWhole(des, hexOctets("A1 09 81 01 75 82 01 73 83 01 6E"));
    WholeOutcome response = decodeWhole(des, hexOctets("A2 09 81 01 75 82 01 73 83 01 6E"));
    ASSERT_EQ(challenge.code, 0);
    ASSERT_EQ(response.code, 0);
    EXPECT_EQ(std::vector<uint8_t>(challenge.encoded.begin() + 1, challenge.encoded.end()),
              std::vector<uint8_t>(response.encoded.begin() + 1, response.encoded.end()));
    EXPECT_EQ(challenge.encoded[0], 0xA1);
    EXPECT_EQ(response.encoded[0], 0xA2);
    EXPECT_THAT(response.printed, ::testing::StartsWith("response {"));
    EXPECT_EQ(decodeWhole(des, hexOctets("A3 00")).code, -136);
    expectCases(GENERATED_TYPE(r, DRNType, kSequence),
                {
                    {"[4] where randomNumber must be", "30 03 84 01 61", -109},
                    {"octets left after randomNumber", "30 05 83 01 61 05 00", -108},
                });
}

TEST(Krb1, RequestAndResponse) {
    const BerAnyEntry krb = WHOLE_ENTRY(r, KRBObject);
    EXPECT_EQ(decodeWhole(krb, hexOctets("A1 03 81 01 73")).code, 0);
    EXPECT_EQ(decodeWhole(krb, hexOctets("A3 00")).code, -137);
    expectCases(GENERATED_TYPE(r, KRBRequest, kSequence),
                {
                    {"service and realm", "30 06 81 01 73 83 01 72", 0},
                    {"[4] after service", "30 05 81 01 73 84 00", -113},
                    {"realm before instance", "30 09 81 01 73 83 01 72 82 01 69", -112},
                    {"service missing", "30 03 82 01 69", -111},
                });
    expectCases(GENERATED_TYPE(r, KRBResponse, kSequence),
                {
                    {"ticket only", "30 03 82 01 74", 0},
                    {"[3] where ticket must be", "30 03 83 01 74", -115},
                    {"octets left after ticket", "30 05 82 01 74 05 00", -114},
                });
}

}  // namespace
