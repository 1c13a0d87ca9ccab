#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/session/session_fixture.h"
#include "toolkit/session/argument_trace.h"
#include "toolkit/session/call_trace.h"
#include "toolkit/session/si_error_trace.h"
#include "toolkit/session/trace_parameter.h"
#include "toolkit/session/trace_registry.h"

namespace {

using TraceFileTest = SessionFixture;

std::string banner(KivAssocId id, const std::string& stack, const std::string& level) {
    return "Brellin Pontrel for Windows API Trace Information\n"
           "-------------------------------------------------\n"
           "\nBeginning trace for Association:" +
           std::to_string(id) + "\nStarted at <time>Association uses stack: " + stack +
           "\n\nBeginning Trace at Level: " + level;
}

TEST_F(TraceFileTest, TheBannerNamesAssociationStackAndLevel) {
    struct Case {
        KivAssocId id;
        int stackFlag;
        int level;
        std::string expected;
    };
    const Case cases[] = {
        {801, kSIStackTcp, Trace_Low, banner(801, "TCP_Stack", "Trace_Low\n")},
        {802, kSIStackOsi, Trace_High, banner(802, "OSI_Stack", "Trace_High\n")},
        {803, kSIStackTcp, 3, banner(803, "TCP_Stack", "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        registerAssociation(c.id, 3, kSIRoleTarget, c.stackFlag);
        const std::string name = "banner" + std::to_string(c.id) + ".txt";
        trace(c.id, static_cast<SITraceLevel>(c.level), name);
        EXPECT_EQ(masked(fileText(name)), c.expected);
    }
}

TEST_F(TraceFileTest, TheStampIsTheLocalTimeOfTheCall) {
    registerAssociation(804);
    const std::time_t before = std::time(nullptr);
    trace(804, Trace_Low);
    const std::time_t after = std::time(nullptr);
    std::smatch stamp;
    const std::string text = fileText("trace.txt");
    ASSERT_TRUE(std::regex_search(text, stamp,
                                  std::regex(R"(Started at (\d\d:\d\d:\d\d) \t(\d\d/\d\d/\d\d\d\d) \n \n)")));
    std::vector<std::string> allowed;
    for (std::time_t t : {before, after}) {
        std::tm local{};
        localtime_r(&t, &local);
        char buffer[64];
        std::strftime(buffer, sizeof buffer, "%T %d/%m/%Y", &local);
        allowed.push_back(buffer);
    }
    const std::string seen = stamp[1].str() + " " + stamp[2].str();
    EXPECT_TRUE(seen == allowed[0] || seen == allowed[1]) << seen;
}

TEST_F(TraceFileTest, EntryAndExitLines) {
    registerAssociation(810);
    trace(810, Trace_Low);
    SITraceEnter("KIVSearchResponse", 810);
    SITraceLeave("KIVSearchResponse", 810, SI_OK);
    SITraceLeave("KIVSearchResponse", 810, SI_NOTOK);
    SITraceLeave("KIVSearchResponse", 810, 5);
    EXPECT_EQ(linesAfterBanner("trace.txt"),
              "Brellin Pontrel for Windows Trace File Association: 810\n"
              "**Entering function:KIVSearchResponse\n"
              "Brellin Pontrel for Windows Trace File Association: 810\n"
              "**Leaving function:KIVSearchResponse\nFunction returned: SI_OK\n\n"
              "Brellin Pontrel for Windows Trace File Association: 810\n"
              "**Leaving function:KIVSearchResponse\nFunction returned: SI_NOTOK\n\n"
              "Brellin Pontrel for Windows Trace File Association: 810\n"
              "**Leaving function:KIVSearchResponse\n");
}

TEST_F(TraceFileTest, LineLevelsAgainstTraceLevels) {
    struct Case {
        int level;
        std::string expected;
    };
    const Case cases[] = {
        {Trace_Low, "low\n"},
        {Trace_High, "low\nhigh\n"},
        {3, "low\nhigh\n"},
    };
    KivAssocId id = 820;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        registerAssociation(++id);
        const std::string name = "levels" + std::to_string(id) + ".txt";
        trace(id, static_cast<SITraceLevel>(c.level), name);
        EXPECT_EQ(SIGetTraceLevel(id), c.level);
        EXPECT_EQ(SITraceWrite(id, Trace_Low, "low\n"), 1);
        EXPECT_EQ(SITraceWrite(id, Trace_High, "high\n"), 1);
        EXPECT_EQ(linesAfterBanner(name), c.expected);
    }
    registerAssociation(829);
    EXPECT_EQ(SIGetTraceLevel(829), Trace_None);
    EXPECT_EQ(SITraceWrite(829, Trace_Low, "dropped\n"), 1);
}

TEST_F(TraceFileTest, TextIsWrittenVerbatimNeverAsAFormat) {
    registerAssociation(830);
    trace(830, Trace_Low);
    const std::string text = std::string("%s%n%d 100% \0 after a NUL\n", 27);
    SITraceWrite(830, Trace_Low, text);
    EXPECT_EQ(linesAfterBanner("trace.txt"), text);
}

TEST_F(TraceFileTest, TraceFileIsTheRegisteredOne) {
    registerAssociation(831);
    FILE* file = trace(831, Trace_High);
    FILE* found = nullptr;
    SIGetTraceFile(831, &found);
    EXPECT_EQ(found, file);
    FILE* untouched = reinterpret_cast<FILE*>(&found);
    SIGetTraceFile(832, &untouched);
    EXPECT_EQ(untouched, reinterpret_cast<FILE*>(&found));
}

TEST_F(TraceFileTest, LevelZeroEndsTheTraceInTheFileItIsGiven) {
    registerAssociation(840);
    FILE* registered = std::fopen("registered.txt", "w");
    ASSERT_NE(registered, nullptr);
    SIError* error = nullptr;
    ASSERT_EQ(SISetTraceParameter(840, registered, Trace_High, &error), SI_OK);
    SITraceWrite(840, Trace_Low, "while traced\n");

    FILE* closing = openFile("closing.txt");
    EXPECT_EQ(SISetTraceParameter(840, closing, Trace_None, &error), SI_OK);
    EXPECT_EQ(error, nullptr);
    std::fclose(registered);  // the caller may close its file once the trace has ended
    SITraceWrite(840, Trace_Low, "after the end\n");
    EXPECT_EQ(SIGetTraceLevel(840), Trace_None);

    EXPECT_EQ(linesAfterBanner("registered.txt"), "while traced\n");
    std::fflush(closing);
    EXPECT_EQ(masked(fileText("closing.txt")), "Ending current trace.\nEnded at:<time>");
}

TEST_F(TraceFileTest, LevelZeroWithoutATraceIsRefused) {
    createLog();
    registerAssociation(841);
    SIError* error = nullptr;
    EXPECT_EQ(SISetTraceParameter(841, openFile("unused.txt"), Trace_None, &error), SI_NOTOK);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 7);
    EXPECT_EQ(error->eAssociationState, Association_Closed);
    EXPECT_EQ(loggedDiagnostic(),
              "Function called with invalid parameters.\nDiagnostics: SISetTraceParameter: There is no trace "
              "file for "
              "this Association, so it cannot be closed");
    SIFreeError(&error);
    EXPECT_EQ(SIGetTraceLevel(841), Trace_None);
    EXPECT_EQ(fileText("unused.txt"), "");
}

TEST_F(TraceFileTest, ANullFileIsRefusedForAnyOtherLevel) {
    registerAssociation(842);
    SIError* error = nullptr;
    EXPECT_EQ(SISetTraceParameter(842, nullptr, Trace_Low, &error), SI_NOTOK);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 7);
    SIFreeError(&error);
    EXPECT_EQ(SIGetTraceLevel(842), Trace_None);
    SITraceWrite(842, Trace_Low, "nowhere to go\n");
}

TEST_F(TraceFileTest, AnUnknownAssociationIsRefusedAndItsOldEntryTakesTheNewValues) {
    SIError* error = nullptr;
    EXPECT_EQ(SISetTraceParameter(850, openFile("never.txt"), Trace_High, &error), SI_NOTOK);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 3);
    EXPECT_EQ(SIGetTraceLevel(850), Trace_None);
    EXPECT_EQ(fileText("never.txt"), "");

    registerAssociation(851);
    trace(851, Trace_High, "first.txt");
    EXPECT_TRUE(siRemoveAssociation(851));
    EXPECT_EQ(SISetTraceParameter(851, openFile("second.txt"), Trace_Low, &error), SI_NOTOK);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 3);
    SIFreeError(&error);
    EXPECT_EQ(SIGetTraceLevel(851), Trace_Low);
    SITraceWrite(851, Trace_Low, "to the second file\n");
    EXPECT_EQ(linesAfterBanner("first.txt"), "");
    EXPECT_EQ(fileText("second.txt"),
              "An error has occured, Error structure is:\n"
              "eErrorClass == SI_Communication_Error\n"
              "uErrorCode.lIfOsCoError == 3\n"
              "Diagnostic: The association 851 is invalid\n"
              "eAssociationState == Association_Closed\n"
              "to the second file\n");
}

TEST_F(TraceFileTest, SettingATracedAssociationAgainWritesTheBannerIntoTheNewFile) {
    registerAssociation(855);
    trace(855, Trace_Low, "old.txt");
    trace(855, Trace_High, "new.txt");
    SITraceWrite(855, Trace_High, "high\n");
    EXPECT_EQ(masked(fileText("new.txt")), banner(855, "TCP_Stack", "Trace_High\n") + "high\n");
    EXPECT_EQ(linesAfterBanner("old.txt"), "");
}

TEST_F(TraceFileTest, ErrorBlocksOfBothShapes) {
    registerAssociation(860);
    trace(860, Trace_Low);
    SIError* error = nullptr;
    SIReportError(860, SI_Abort, 0, 0, "The Association has been aborted", 0, Association_Closed, &error);
    SIReportError(860, SI_OperatingSystem_Error, 0, 8,
                  "A call to the system function select()  returned error: ", 0, Association_Unknown_State,
                  &error);
    SIFreeError(&error);
    EXPECT_EQ(linesAfterBanner("trace.txt"),
              "An error has occured, Error structure is:\n"
              "eErrorClass == SI_Abort\n"
              "uErrorCode.psAbort->eAbortSource == 0\n"
              "uErrorCode.psAbort->lAbortReason == 0\n"
              "uErrorCode.psAbort->pcDiagnostics == The Association has been aborted\n"
              "eAssociationState == Association_Closed\n"
              "An error has occured, Error structure is:\n"
              "eErrorClass == SI_OperatingSystem_Error\n"
              "uErrorCode.lIfOsCoError == 8\n"
              "Diagnostic: A call to the system function select()  returned error: \n"
              "eAssociationState == Association_Unknown_State\n");
}

TEST_F(TraceFileTest, ErrorsGoToTheProcessLogForIdZeroOrAnUntracedAssociation) {
    registerAssociation(861);
    trace(861, Trace_High);
    struct Case {
        KivAssocId id;
        int level;
    };
    for (const Case& c : {Case{0, Trace_High}, Case{862, Trace_None}}) {
        SCOPED_TRACE(c.id);
        createLog();
        SIError* error = nullptr;
        SIReportError(c.id, SI_Interface_Error, 0, 75, "Out of memory", 0, Association_Open, &error);
        SIFreeError(&error);
        EXPECT_EQ(loggedDiagnostic(), "Out of memory");
        EXPECT_EQ(siTraceReportedError(c.id, &error, "nothing"), 0);
    }
    EXPECT_EQ(linesAfterBanner("trace.txt"), "");
}

TEST_F(TraceFileTest, ArgumentLinesAreHighLevelLines) {
    KivReleaseRsp release;
    KivReleaseRsp negative;
    negative.peReleaseRspReason = 7;
    negative.eReleaseRspResult = Negative;
    KivReleaseRsp normal;
    normal.peReleaseRspReason = Normal;
    KivAssociateResult accepted;
    accepted.psProtocolAndSyntaxes = std::make_unique<KivProtocolAndSyntaxes>();
    accepted.psProtocolAndSyntaxes->peApplicationProtocol = 3;
    accepted.psProtocolAndSyntaxes->ppcCommonSyntaxes.emplace("1.2.840.10003.5.10");
    accepted.psProtocolAndSyntaxes->ppcCommonSyntaxes.emplace("%s%n");
    KivAssociateResult acceptedBare;
    acceptedBare.psProtocolAndSyntaxes = std::make_unique<KivProtocolAndSyntaxes>();
    acceptedBare.psProtocolAndSyntaxes->peApplicationProtocol = Unknown_Protocol;
    acceptedBare.psProtocolAndSyntaxes->peAbstractSyntax = No_Syntaxes_Provided;
    KivAssociateResult rejected;
    rejected.eAssociateResultType = ART_Reject;
    rejected.sReject.peRejectSource = ACSE_Provider;
    rejected.sReject.peRejectReason = 9;
    KivAssociateResult neither;
    neither.eAssociateResultType = 3;

    const std::string heading =
        "\nAssociateResult.psProtocolAndSyntaxes->peApplicationProtocol\n"
        "   AssociateResult.psProtocolAndSyntaxes->peAbstractSyntax\n"
        "   AssociateResult.psProtocolAndSyntaxes->ppcCommonSyntaxes\n";
    struct Case {
        std::function<void(KivAssocId)> call;
        std::string expected;
    };
    const Case cases[] = {
        {[](KivAssocId id) { SITraceAssocId(42, id); }, "\tKivAssocId: 42\n"},
        {[](KivAssocId id) { SITraceSecs(CALL_BLOCKING, id); }, "\tKivSecs: CALL_BLOCKING\n"},
        {[](KivAssocId id) { SITraceSecs(CALL_ASYNCHRONOUS, id); }, "\tKivSecs: CALL_ASYNCHRONOUS\n"},
        {[](KivAssocId id) { SITraceSecs(30, id); }, "\tKivSecs: 30\n"},
        {[](KivAssocId id) { SITraceAssociateRsp(Rejected_Tran, id); }, "\tKivAssociateRsp: Rejected_Tran\n"},
        {[](KivAssocId id) { SITraceAssociateRsp(3, id); }, "\tKivAssociateRsp: Unknown/Invalid\n"},
        {[](KivAssocId id) { SITraceAssociateRsp(-1, id); }, "\tKivAssociateRsp: Unknown/Invalid\n"},
        {[](KivAssocId id) { SITraceReleaseRsp(nullptr, id); }, "\tKivReleaseRsp: NULL\n"},
        {[&](KivAssocId id) { SITraceReleaseRsp(&release, id); },
         "\tKivReleaseRsp->peReleaseRspReason: NULL\npsReleaseRsp->eReleaseRspResult: Affirmative\n"},
        {[&](KivAssocId id) { SITraceReleaseRsp(&normal, id); },
         "psReleaseRsp->peReleaseRspReason: Normal\npsReleaseRsp->eReleaseRspResult: Affirmative\n"},
        {[&](KivAssocId id) { SITraceReleaseRsp(&negative, id); },
         "psReleaseRsp->peReleaseRspReason: Unknown/Invalid\npsReleaseRsp->eReleaseRspResult: Negative\n"},
        {[](KivAssocId id) { SITraceAssociateState(Associate_Pending, id); },
         "\tKivAssociateState: Associate_Pending\n"},
        {[](KivAssocId id) { SITraceAssociateState(std::nullopt, id); }, "\tKivAssociateState: NULL\n"},
        {[](KivAssocId id) { SITraceReleaseState(Release_Rejected, id); },
         "\tKivReleaseState: Release_Rejected\n"},
        {[](KivAssocId id) { SITraceReleaseState(4, id); }, "\tKivReleaseState: Unknown/Invalid\n"},
        {[](KivAssocId id) { SITraceProtocolStack(TCP_Stack, id); }, "\tKivProtocolStack: TCP_Stack\n"},
        {[](KivAssocId id) { SITraceProtocolStack(std::nullopt, id); }, "\tKivProtocolStack: NULL\n"},
        {[](KivAssocId id) { SITraceAssociateRejectResult(Rejected_Transient, id); },
         "\tKivAssociateRejectResult: Rejected_Transient\n"},
        {[&](KivAssocId id) { SITraceAssociateResult(&rejected, id); },
         "\tKivAssociateResult\n\tKivAssociateRejectSource: ACSE_Provider\n\tKivAssociateRejectResult: NULL\n"
         "\tKivAssociateRejectReason: Unknown/Invalid\n"},
        {[&](KivAssocId id) { SITraceAssociateResult(&accepted, id); },
         heading + "\tKivApplicationProtocol: Z3950_Protocol\n\tKivAbstractSyntax: NULL\n"
                   "\t1.2.840.10003.5.10\n\t%s%n\n"},
        {[&](KivAssocId id) { SITraceAssociateResult(&acceptedBare, id); },
         heading +
             "\tKivApplicationProtocol: Unknown_Protocol\n\tKivAbstractSyntax: No_Syntaxes_Provided\nNULL\n"},
        {[&](KivAssocId id) { SITraceAssociateResult(&neither, id); }, "\tAssociateResult: NULL\n"},
        {[](KivAssocId id) { SITraceAssociateResult(nullptr, id); }, "\tAssociateResult: NULL\n"},
    };
    registerAssociation(870);
    registerAssociation(871);
    trace(870, Trace_High, "high.txt");
    trace(871, Trace_Low, "low.txt");
    std::string expected;
    for (const Case& c : cases) {
        c.call(870);
        c.call(871);
        expected += c.expected;
    }
    EXPECT_EQ(linesAfterBanner("high.txt"), expected);
    EXPECT_EQ(linesAfterBanner("low.txt"), "");
}

// Writers keep writing while the trace is ended and its file closed: none may touch the closed file, and
// every line that reached the file is whole.
TEST_F(TraceFileTest, EndingATraceWhileOthersWriteIsSafe) {
    registerAssociation(880);
    FILE* file = std::fopen("busy.txt", "w");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(SISetTraceParameter(880, file, Trace_High, nullptr), SI_OK);
    constexpr int kWriters = 4;
    std::atomic<int> linesWritten{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([w, &linesWritten, &stop] {
            const std::string line = "writer " + std::to_string(w) + " " + std::string(200, 'x') + "\n";
            while (!stop) {
                SITraceWrite(880, Trace_High, line);
                SITraceEnter("KIVPresentResponse", 880);
                ++linesWritten;
            }
        });
    }
    while (linesWritten < 2000) std::this_thread::yield();
    ASSERT_EQ(SISetTraceParameter(880, nullptr, Trace_None, nullptr), SI_OK);
    std::fclose(file);
    const int atClose = linesWritten;
    while (linesWritten < atClose + 2000) std::this_thread::yield();
    stop = true;
    for (std::thread& writer : writers) writer.join();

    const std::regex whole(R"((writer \d x{200}|Brellin Pontrel for Windows Trace File Association: 880|)"
                           R"(\*\*Entering function:KIVPresentResponse))");
    std::istringstream lines(linesAfterBanner("busy.txt"));
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        ASSERT_TRUE(std::regex_match(line, whole)) << line;
    }
    EXPECT_GE(count, 2000);
}

}  // namespace
