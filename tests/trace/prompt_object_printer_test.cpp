// The prompt-1 object in the trace: filled objects against golden output, and the lines that single members
// print.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/external/prompt_object_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/trace/trace_printers.h"

namespace prompt_object_printer_cases {
namespace {

using namespace prompt_object_test;

std::string printPromptExternal(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintExternal(f, &external); });
}
std::string printPromptContent(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintPromptObjectContent(f, &external); });
}

TEST(TracePromptObjectPrinter, FilledObjectsMatchGolden) {
    const std::string all = printPromptExternal(challenge("1.2.840.10003.8.1")) +
                            printPromptExternal(prompt_object_test::response("1.0.10163.8.1"));
    EXPECT_EQ(all, trace_test::readFile(QUORVANE_TEST_SOURCE_DIR "/golden/prompt_object.txt"));
}

TEST(TracePromptObjectPrinter, SingleMembers) {
    // A challenge with only an enumerated password prompt.
    auto object = std::make_unique<KivPromptObject>();
    object->ePromptObjectType = POT_Challenge;
    object->uPromptObject.ppsChallenge.emplace()->sPromptId = enumeratedPrompt(EPIT_Password);
    KivExternal external = objectExternal("1.2.840.10003.8.1", std::move(object));
    const std::string head = "\tpsPromptObject: \nePromptObjectType: POT_Challenge\nppsChallenge:\n";
    const std::string prompt =
        "sPromptId: \nePromptIdType: PIT_EnumeratedPrompt\npsEnumeratedPrompt:\neType: EPIT_Password\n"
        "psSuggestedString: NULL\n";
    EXPECT_EQ(printPromptContent(external),
              head + prompt +
                  "psDefaultResponse: NULL\npsPromptInfo: NULL\npsRegExpr: NULL\npvResponseRequired: NULL\n"
                  "ppsAllowedValues: NULL\npvShouldSave: NULL\npeDataType: NULL\npsDiagnostic: NULL\n\n");

    KivChallenge& only = *objectOf(external).uPromptObject.ppsChallenge[0];
    only.peDataType = DTTT_Float;
    EXPECT_NE(printPromptContent(external).find("pvShouldSave: NULL\npeDataType: \npeDataType: DTTT_Float\n"),
              std::string::npos);
    // Values outside the tables print nothing after their label.
    only.peDataType = 8;
    only.sPromptId.uPromptId.psEnumeratedPrompt->eType = 9;
    only.psPromptInfo = std::make_unique<KivPromptInfo>();
    only.psPromptInfo->ePromptInfoType = 4;
    const std::string odd = printPromptContent(external);
    EXPECT_NE(odd.find("psEnumeratedPrompt:\neType: psSuggestedString: NULL\n"), std::string::npos);
    EXPECT_NE(odd.find("psPromptInfo: \nePromptInfoType: psRegExpr: NULL\n"), std::string::npos);
    EXPECT_NE(odd.find("peDataType: \npeDataType: psDiagnostic: NULL\n"), std::string::npos);
    only.sPromptId = KivPromptId{};
    only.sPromptId.ePromptIdType = PIT_Invalid;
    EXPECT_EQ(printPromptContent(external).substr(head.size(), 44),
              "sPromptId: \nePromptIdType: PIT_Invalid\npsDef");

    objectOf(external).uPromptObject.ppsChallenge.reset();
    EXPECT_EQ(printPromptContent(external), head + "NULL\n");
    objectOf(external).ePromptObjectType = POT_Invalid;
    EXPECT_EQ(printPromptContent(external), "\tpsPromptObject: \nePromptObjectType: POT_Invalid\n");
    objectOf(external).ePromptObjectType = 7;
    EXPECT_EQ(printPromptContent(external), "\tpsPromptObject: \nePromptObjectType: ");
    external.uExternalValue.psSingleASN1Type->uASN1.psPromptObject.reset();
    EXPECT_EQ(printPromptContent(external), "");
}

TEST(TracePromptObjectPrinter, AnswerValues) {
    KivExternal external = prompt_object_test::response("1.2.840.10003.8.1");
    KivPromptResponse& accept = objectOf(external).uPromptObject.ppsResponse[1]->sPromptResponse;
    accept.uResponse.fAccept = 0;
    EXPECT_NE(printPromptContent(external).find(
                  "sPromptResponse: \neResponseType: RT_Accept\nfAccept: KIV_FALSE\n\n"),
              std::string::npos);
    accept.eResponseType = RT_Invalid;
    KivPromptResponse& encrypted = objectOf(external).uPromptObject.ppsResponse[4]->sPromptResponse;
    encrypted.uResponse.psEncryption.reset();
    const std::string printed = printPromptContent(external);
    EXPECT_NE(printed.find("sPromptResponse: \neResponseType: \n"), std::string::npos);
    EXPECT_NE(printed.find("RT_Encrypted\npsEncryption: NULL\n\n"), std::string::npos);
}

}  // namespace
}  // namespace prompt_object_printer_cases
