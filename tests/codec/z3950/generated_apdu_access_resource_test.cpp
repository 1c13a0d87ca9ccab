// Byte-exact cases of the access-control, resource-control and resource-report APDUs.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_two.h"

namespace z = codec::z3950;

namespace {

TEST(GeneratedApduAccessResource, AccessControlRequest) {
    GeneratedType type = GENERATED_TYPE(z, AccessControlRequest, 0xBC000000u);
    expectCases(type, {
                          {"a primitive [37] of four octets", "BC 07 9F 25 04 01 02 03 04", 0},
                          {"a constructed [37] is joined", "BC 09 BF 25 06 04 02 01 02 04 00", 0,
                           "BC 05 9F 25 02 01 02"},
                          {"externallyDefined", "BC 07 A0 05 28 03 06 01 2A", 0},
                          {"challenge [38]", "BC 07 9F 26 04 01 02 03 04", -148},
                          {"[0] wrapping an OCTET STRING", "BC 04 A0 02 04 00", -113},
                          {"otherInfo followed by a spare octet", "BC 09 9F 25 01 01 BF 81 49 00 00", -149},
                          {"[1] after the challenge", "BC 06 9F 25 01 01 A1 00", -150},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("BC 07 9F 25 04 01 02 03 04"), record.get()).code, 0);
    auto* challenge = static_cast<z::AccessControlRequest*>(record.get())->securityChallenge;
    EXPECT_EQ(challenge->choiceId, z::AccessControlRequestSecurityChallenge::kSimpleForm);
    EXPECT_EQ(challenge->simpleForm->length, 4);
}

TEST(GeneratedApduAccessResource, AccessControlResponse) {
    GeneratedType type = GENERATED_TYPE(z, AccessControlResponse, 0xBD000000u);
    expectCases(type, {
                          {"only a diagnostic", "BD 0E BF 81 5F 0A 30 08 06 01 2A 02 01 01 1B 00", 0},
                          {"length 0", "BD 00", 0},
                          {"indefinite, holding only its end-of-contents", "BD 80 00 00", 0, "BD 00"},
                          {"a simple response", "BD 04 9F 26 01 61", 0},
                          {"[0] wrapping an OCTET STRING", "BD 04 A0 02 04 00", -111},
                          {"a diagnostic wrapping an OCTET STRING: the DiagRec code of the first file",
                           "BD 06 BF 81 5F 02 04 00", -184},
                          {"otherInfo followed by a spare octet", "BD 05 BF 81 49 00 00", -151},
                          {"[5]", "BD 02 85 00", -152},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("BD 00"), record.get()).code, 0);
    auto* response = static_cast<z::AccessControlResponse*>(record.get());
    EXPECT_EQ(response->securityChallengeResponse, nullptr);
    EXPECT_EQ(response->diagnostic, nullptr);
    EXPECT_EQ(response->otherInfo, nullptr);
}

TEST(GeneratedApduAccessResource, ResourceControl) {
    expectCases(GENERATED_TYPE(z, ResourceControlRequest, 0xBE000000u),
                {
                    {"only responseRequired", "BE 04 9F 2A 01 FF", 0},
                    {"triggeredRequestFlag before responseRequired", "BE 08 9F 2B 01 00 9F 2A 01 FF", -154},
                    {"[40] wrapping an OCTET STRING", "BE 09 BF 28 02 04 00 9F 2A 01 FF", -153},
                    {"a resource-1 report carried octet-aligned",
                     "BE 16 BF 28 0F 28 0D 06 07 2A 86 48 CE 13 07 01 81 02 61 62 9F 2A 01 FF", 0},
                    {"otherInfo followed by a spare octet", "BE 09 9F 2A 01 FF BF 81 49 00 00", -155},
                    {"[5] after responseRequired", "BE 06 9F 2A 01 FF 85 00", -156},
                });
    expectCases(GENERATED_TYPE(z, ResourceControlResponse, 0xBF1F0000u),
                {
                    {"continueFlag and resultSetWanted", "BF 1F 08 9F 2C 01 FF 9F 2D 01 00", 0},
                    {"resultSetWanted without continueFlag", "BF 1F 04 9F 2D 01 FF", -157},
                    {"otherInfo followed by a spare octet", "BF 1F 09 9F 2C 01 FF BF 81 49 00 00", -158},
                    {"[5] after continueFlag", "BF 1F 06 9F 2C 01 FF 85 00", -159},
                });
}

TEST(GeneratedApduAccessResource, TriggerResourceControlRequest) {
    GeneratedType type = GENERATED_TYPE(z, TriggerResourceControlRequest, 0xBF200000u);
    const char* const kTrigger = "BF 20 0E 9F 2E 01 03 9F 2F 07 2A 86 48 CE 13 07 01";
    expectCases(type,
                {
                    {"requestedAction 3 and a report format", kTrigger, 0},
                    {"resultSetWanted without requestedAction", "BF 20 04 9F 30 01 FF", -160},
                    {"otherInfo followed by a spare octet", "BF 20 09 9F 2E 01 03 BF 81 49 00 00", -161},
                    {"a constructed report format", "BF 20 07 9F 2E 01 03 BF 2F 00", -162},
                });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kTrigger), record.get()).code, 0);
    EXPECT_EQ(
        printRecord(type, record.get()),
        "{ -- SEQUENCE --\n    requestedAction 3,\n    prefResourceReportFormat {1 2 840 10003 7 1}\n}");
}

TEST(GeneratedApduAccessResource, ResourceReport) {
    expectCases(GENERATED_TYPE(z, ResourceReportRequest, 0xBF210000u),
                {
                    {"length 0", "BF 21 00", 0},
                    {"indefinite, holding only its end-of-contents", "BF 21 80 00 00", 0, "BF 21 00"},
                    {"a constructed opId is joined", "BF 21 08 BF 81 52 04 04 02 6F 70", 0,
                     "BF 21 06 9F 81 52 02 6F 70"},
                    {"prefResourceReportFormat before opId", "BF 21 08 9F 31 01 2A 9F 81 52 00", -164},
                    {"otherInfo followed by a spare octet", "BF 21 05 BF 81 49 00 00", -163},
                });
    expectCases(
        GENERATED_TYPE(z, ResourceReportResponse, 0xBF220000u),
        {
            {"a status and a report", "BF 22 0C 9F 32 01 00 BF 33 05 28 03 06 01 2A", 0},
            {"a second resourceReportStatus inside the length", "BF 22 08 9F 32 01 00 9F 32 01 01", -168},
            {"[51] wrapping an OCTET STRING", "BF 22 09 9F 32 01 00 BF 33 02 04 00", -166},
            {"resourceReportStatus missing", "BF 22 03 BF 33 00", -165},
            {"otherInfo followed by a spare octet", "BF 22 09 9F 32 01 00 BF 81 49 00 00", -167},
        });
}

}  // namespace
