#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_validation_message.h"
#include "toolkit/api/kiv_validation_reporters.h"

namespace {

// A text whose every position shows where it came from: position i holds 'a' + i % 26.
std::string marked(size_t length) {
    std::string text(length, ' ');
    for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 26);
    return text;
}

TEST(ValidationMessageTest, OnePathKeepsItsEndWithinTheBuffer) {
    const std::string_view format = "Missing compulsory field %s";
    const std::string_view prefix = "Missing compulsory field ";
    const size_t room = 5000 - format.size();
    struct Case {
        size_t pathLength;
        size_t keptFrom;  // the message shows the path from here to its end (or to 4999)
        size_t keptTo;
    };
    const std::vector<Case> cases = {
        {0, 0, 0},
        {room - 1, 0, room - 1},
        {room, 0, room},
        {room + 1, 1, room + 1},
        {4999, 4999 - room, 4999},
        {7000, 4999 - room, 4999},  // cut to 4999 characters first
    };
    for (const Case& c : cases) {
        const std::string path = marked(c.pathLength);
        const std::string message = kivMessageWithPath(format, path);
        EXPECT_EQ(message, std::string(prefix) + path.substr(c.keptFrom, c.keptTo - c.keptFrom))
            << c.pathLength;
        EXPECT_LE(message.size(), 4998u);
    }
}

TEST(ValidationMessageTest, PathAndValueAreDroppedTogetherWhenTheyDoNotFit) {
    const std::string_view format = "The bit string %s is invalid\nValue:%s";
    const size_t room = 5000 - format.size();
    struct Case {
        size_t pathLength;
        size_t valueLength;
        bool kept;
    };
    const std::vector<Case> cases = {
        {10, 20, true}, {room - 11, 10, true}, {room - 10, 10, false}, {0, room, false}, {6000, 0, false},
    };
    for (const Case& c : cases) {
        const std::string path = marked(c.pathLength);
        const std::string value(c.valueLength, '1');
        const std::string expected = c.kept ? "The bit string " + path + " is invalid\nValue:" + value
                                            : "The bit string  is invalid\nValue:";
        EXPECT_EQ(kivMessageWithTwoTexts(format, path, value), expected)
            << c.pathLength << "+" << c.valueLength;
    }
}

TEST(ValidationMessageTest, TextsAreNotReadAsFormats) {
    EXPECT_EQ(kivMessageWithPath("Invalid oid value %s given", "ps%s%d%n->x"),
              "Invalid oid value ps%s%d%n->x given");
    EXPECT_EQ(kivMessageWithTwoTexts("Invalid oid value %s for external %s", "%s", "%x"),
              "Invalid oid value %s for external %x");
}

using ValidationReporterTest = ProcessLogFixture;

TEST_F(ValidationReporterTest, EachReporterMakesOneInterfaceErrorWithItsCodeAndMessage) {
    const std::string path = "psSearchRsp->psRecords->uRecord.ppsResponseRecord";
    struct Case {
        std::function<int(SIError**)> report;
        long code;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[&](SIError** out) { return KivReportMissingField(3, path, out); }, 64,
         "Missing compulsory field psSearchRsp->psRecords->uRecord.ppsResponseRecord"},
        {[](SIError** out) { return KivReportInvalidBitString(3, "psInitializeRsp->pcOptions", "11a", out); },
         65, "The bit string psInitializeRsp->pcOptions is invalid\nValue:11a"},
        {[](SIError** out) { return KivReportValueOutOfRange(3, "psCloseReq->eCloseReason", out); }, 66,
         "psCloseReq->eCloseReason contains a value which is out of its range"},
        {[](SIError** out) {
             return KivReportOptionsNotAllowed(3, "psInitializeRsp->pcOptions", "1111111111", out);
         },
         67,
         "The options string psInitializeRsp->pcOptions contains options not permitted by the API (see "
         "kivproto "
         "ALLOWED_OPTIONS for allowed options)\nValue:1111111111"},
        {[](SIError** out) { return KivReportInvalidBoolean(3, "psSearchRsp->fSearchStatus", out); }, 72,
         "Invalid boolean value psSearchRsp->fSearchStatus given"},
        {[](SIError** out) { return KivReportInvalidOid(3, "psPresentReq->pcPreferredRecordSyntax", out); },
         73, "Invalid oid value psPresentReq->pcPreferredRecordSyntax given"},
        {[](SIError** out) {
             return KivReportInvalidExternalOid(3, "1.2.840.10003.5.102", "psExternal->eASN1Type", out);
         },
         74, "Invalid oid value 1.2.840.10003.5.102 for external psExternal->eASN1Type"},
        {[](SIError** out) {
             return KivReportValidationText(3, "psExternal->eValueType MUST BE EVT_SingleASN1Type", out);
         },
         76, "psExternal->eValueType MUST BE EVT_SingleASN1Type"},
    };
    for (const Case& c : cases) {
        createLog();
        SIError* error = nullptr;
        EXPECT_EQ(c.report(&error), 1);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code);
        EXPECT_EQ(error->eAssociationState, Association_Open);
        EXPECT_EQ(loggedDiagnostic(), c.message) << c.code;
        SIFreeError(&error);
    }
}

TEST_F(ValidationReporterTest, LongBitStringLeavesBothPlaceholdersEmpty) {
    createLog();
    SIError* error = nullptr;
    KivReportInvalidBitString(0, "psInitializeRsp->pcOptions", std::string(4990, '1'), &error);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 65);
    EXPECT_EQ(loggedDiagnostic(), "The bit string  is invalid\nValue:");
    SIFreeError(&error);
}

TEST_F(ValidationReporterTest, AnAbsentValueShowsEmpty) {
    createLog();
    SIError* error = nullptr;
    KivReportInvalidBitString(0, "psInitializeRsp->pcProtocolVersion", std::nullopt, &error);
    EXPECT_EQ(loggedDiagnostic(), "The bit string psInitializeRsp->pcProtocolVersion is invalid\nValue:");
    SIFreeError(&error);
}

}  // namespace
