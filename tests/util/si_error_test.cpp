#include "toolkit/util/si_error.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/util/process_log_fixture.h"
#include "toolkit/util/process_log.h"

namespace {

using SIErrorTest = ProcessLogFixture;

TEST_F(SIErrorTest, NumberedClassesKeepTheCodeAndNotTheMessage) {
    struct Case {
        SIErrorClass errorClass;
        SIAssociationState state;
    };
    const Case cases[] = {{SI_Communication_Error, Association_Closed},
                          {SI_Interface_Error, Association_Open},
                          {SI_OperatingSystem_Error, Association_Unknown_State}};
    for (const Case& c : cases) {
        SIError* error = nullptr;
        SIReportError(0, c.errorClass, 9, 120, "A request for memory failed: ", 0, c.state, &error);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->eErrorClass, c.errorClass);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, 120);
        EXPECT_EQ(error->uErrorCode.psAbort, nullptr);
        EXPECT_EQ(error->eAssociationState, c.state);
        SIFreeError(&error);
        EXPECT_EQ(error, nullptr);
    }
}

TEST_F(SIErrorTest, AbortKeepsItsOwnCopyOfTheMessage) {
    std::string message = "The Association has been aborted";
    SIError* error = nullptr;
    SIReportError(7, SI_Abort, 1, 5, message.c_str(), 0, Association_Closed, &error);
    message.assign(message.size(), 'x');
    ASSERT_NE(error->uErrorCode.psAbort, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_Abort);
    EXPECT_EQ(error->uErrorCode.psAbort->eAbortSource, 1);
    EXPECT_EQ(error->uErrorCode.psAbort->lAbortReason, 5);
    EXPECT_EQ(error->uErrorCode.psAbort->pcDiagnostics, "The Association has been aborted");
    EXPECT_EQ(error->eAssociationState, Association_Closed);
    SIFreeError(&error);

    SIReportError(0, SI_Abort, 0, 0, nullptr, 0, Association_Closed, &error);
    EXPECT_EQ(error->uErrorCode.psAbort->pcDiagnostics, "");
    SIFreeError(&error);
}

TEST_F(SIErrorTest, AReportReplacesAndReleasesTheRecordPassedBackIn) {
    SIError* error = nullptr;
    SIReportError(0, SI_Abort, 0, 0, "first", 0, Association_Closed, &error);
    SIReportError(0, SI_Interface_Error, 0, 64, "second", 0, Association_Open, &error);
    EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 64);
    SIFreeError(&error);
}

TEST_F(SIErrorTest, FreeAcceptsNull) {
    SIError* error = nullptr;
    SIFreeError(&error);
    SIFreeError(nullptr);
    EXPECT_EQ(error, nullptr);
}

TEST_F(SIErrorTest, LogIsNeverCreated) {
    SIError* error = nullptr;
    SIReportError(0, SI_Interface_Error, 0, 64, "Missing compulsory field x", 0, Association_Open, &error);
    EXPECT_NE(error, nullptr);
    EXPECT_FALSE(logExists());
    SIFreeError(&error);
}

TEST_F(SIErrorTest, LogRecordsOfBothShapesAreAppended) {
    const std::string earlier = "earlier contents that stay\n";
    createLog(earlier);
    SIError* error = nullptr;
    SIReportError(0, SI_Interface_Error, 0, 73, "Invalid oid value %s%d given", 0, Association_Open, &error);
    SIReportError(12, SI_Abort, 1, 2, "The Association has been aborted", 0, Association_Closed, &error);
    SIFreeError(&error);
    const std::string expected = earlier + expectedHeader() +
                                 "\teErrorClass == SI_Interface_Error\n"
                                 "\tuErrorCode.lIfOsCoError == 73\n"
                                 "Invalid oid value %s%d given\n"
                                 "eAssociationState == Association_Open\n"
                                 "\n" +
                                 expectedHeader() +
                                 "\teErrorClass == SI_Abort\n"
                                 "\tuErrorCode.psAbort->eAbortSource == 1\n"
                                 "\tuErrorCode.psAbort->lAbortReason == 2\n"
                                 "\tuErrorCode.psAbort->pcDiagnostics == The Association has been aborted\n"
                                 "eAssociationState == Association_Closed\n"
                                 "\n";
    EXPECT_EQ(logText(), expected);
}

TEST_F(SIErrorTest, LogOmitsAMissingDiagnosticAndAnUnknownStateName) {
    createLog();
    SIError error;
    error.eErrorClass = static_cast<SIErrorClass>(2);
    error.uErrorCode.lIfOsCoError = 8;
    error.eAssociationState = static_cast<SIAssociationState>(9);
    SIError* record = &error;
    SIWriteProcessLog(&record, nullptr);
    EXPECT_EQ(logText(), expectedHeader() +
                             "\teErrorClass == SI_OperatingSystem_Error\n"
                             "\tuErrorCode.lIfOsCoError == 8\n"
                             "eAssociationState == \n");
}

TEST_F(SIErrorTest, ReportWithoutOutPointerIsStillLogged) {
    createLog();
    SIReportError(0, SI_Interface_Error, 0, 103, "There is an error in the file", 0, Association_Closed,
                  nullptr);
    EXPECT_EQ(loggedDiagnostic(), "There is an error in the file");
}

TEST_F(SIErrorTest, MessagesAreAppendedVerbatimUnderTheirSender) {
    SILogMessage("switched off");
    EXPECT_FALSE(logExists());

    const std::string earlier = "earlier contents that stay\n";
    createLog(earlier);
    SILogOriginMessage("origin %s%n text");
    SILogTargetMessage("target text");
    SILogMessage(nullptr);
    const std::string pid = std::to_string(getpid());
    EXPECT_EQ(logText(), earlier + "Brellin Pontrel for Windows ORIGIN ProcessId: " + pid +
                             "\n\t: origin %s%n text\n"
                             "Brellin Pontrel for Windows TARGET ProcessId: " +
                             pid +
                             "\n\t: target text\n"
                             "Brellin Pontrel for Windows LogFile ProcessId: " +
                             pid + "\n\t: \n");
}

}  // namespace
