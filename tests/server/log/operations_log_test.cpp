#include "Quorvane/log/operations_log.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/server/scratch_dir.h"

namespace {

// One error-log line: the time stamp, a tab, the message.
std::string stampedLine(const std::string& message) {
    return "[A-Z][a-z]+ [0-9]{2}, [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2} --> \t" + message + "\n";
}

class OperationsLog : public ScratchDirTest {
  protected:
    void TearDown() override {
        setOperationsTraceView(nullptr);
        ScratchDirTest::TearDown();
    }
};

TEST(ErrorLogStamp, HasTheLongMonthZeroPaddedDayAndArrow) {
    std::tm time{};
    time.tm_year = 95;
    time.tm_mon = 2;
    time.tm_mday = 4;
    time.tm_hour = 9;
    time.tm_min = 5;
    time.tm_sec = 7;
    EXPECT_EQ(errorLogStamp(time), "March 04, 1995 09:05:07 --> ");
}

TEST_F(OperationsLog, WithoutTraceViewLinesAreAppendedWithStamp) {
    writeFile(kErrorLogName, "earlier line\n");
    LogMessage("Association 7 exited");
    LogMessage("");
    LogMessage("second");
    EXPECT_TRUE(std::regex_match(
        readFile(kErrorLogName),
        std::regex("earlier line\n" + stampedLine("Association 7 exited") + stampedLine("second"))))
        << readFile(kErrorLogName);
}

TEST_F(OperationsLog, WithTraceViewLinesGoToTheViewOnly) {
    std::ostringstream out;
    platform::TraceView view(out);
    setOperationsTraceView(&view);
    LogMessage("Sent PresentResponse PDU from association id 3");
    LogMessage("");
    EXPECT_EQ(view.text(), "Sent PresentResponse PDU from association id 3\n\n");
    EXPECT_FALSE(std::filesystem::exists(path(kErrorLogName)));

    setOperationsTraceView(nullptr);
    LogMessage("after the server stopped");
    EXPECT_TRUE(
        std::regex_match(readFile(kErrorLogName), std::regex(stampedLine("after the server stopped"))));
}

TEST_F(OperationsLog, LogAndDiagnoseAlsoAppendsToDiagInfo) {
    writeFile(kDiagInfoName, "old\n");
    LogAndDiagnose("Could not open file search.tblx");
    LogAndDiagnose("");
    AppendDiagInfo("only here");
    EXPECT_EQ(readFile(kDiagInfoName), "old\nCould not open file search.tblx\nonly here\n");
    EXPECT_TRUE(std::regex_match(readFile(kErrorLogName),
                                 std::regex(stampedLine("Could not open file search.tblx"))));
}

TEST_F(OperationsLog, ConfigErrorReachesTheErrorLogAlsoWhileTheViewShowsIt) {
    std::ostringstream out;
    platform::TraceView view(out);
    setOperationsTraceView(&view);
    writeFile(kErrorLogName, "kept\n");
    LogConfigError("No entry for item pcOptions in section InitializeResponse in Quorvane.INI");
    std::string message = "No entry for item pcOptions in section InitializeResponse in Quorvane.INI";
    EXPECT_EQ(view.text(), message + "\n");
    EXPECT_TRUE(std::regex_match(readFile(kErrorLogName), std::regex("kept\n" + stampedLine(message))));
    EXPECT_EQ(readFile(kDiagInfoName), message + "\n");

    setOperationsTraceView(nullptr);
    LogConfigError("once");
    EXPECT_TRUE(std::regex_match(readFile(kErrorLogName),
                                 std::regex("kept\n" + stampedLine(message) + stampedLine("once"))));
}

TEST_F(OperationsLog, LongTextsAreCutInEveryLog) {
    std::string userId(5000, 'u');
    std::string message = "Authentication Error: Incorrect User-ID (" + userId + ")";
    std::string cut = message.substr(0, kLogTextLimit - 3) + "...";
    LogAndDiagnose(message);
    std::string line = readFile(kErrorLogName);
    ASSERT_TRUE(std::regex_match(
        line, std::regex(stampedLine("Authentication Error: Incorrect User-ID \\(u+\\.\\.\\."))));
    EXPECT_EQ(line.substr(line.find('\t') + 1), cut + "\n");
    EXPECT_EQ(readFile(kDiagInfoName), cut + "\n");

    std::ostringstream out;
    platform::TraceView view(out);
    setOperationsTraceView(&view);
    LogMessage(message);
    EXPECT_EQ(view.text(), cut + "\n");
}

TEST(CutLogText, KeepsShortTextsAndNeverSplitsAUtf8Sequence) {
    std::string exact(kLogTextLimit, 'a');
    EXPECT_EQ(cutLogText(exact), exact);

    std::string longer = exact + "b";
    EXPECT_EQ(cutLogText(longer), std::string(kLogTextLimit - 3, 'a') + "...");

    // A two-octet "é" straddling the cut is dropped whole.
    std::string accented = std::string(kLogTextLimit - 4, 'a') + "\xC3\xA9" + std::string(10, 'z');
    EXPECT_EQ(cutLogText(accented), std::string(kLogTextLimit - 4, 'a') + "...");
}

TEST_F(OperationsLog, LinesFromManyThreadsStayWhole) {
    constexpr int kThreads = 8;
    constexpr int kLines = 50;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kLines; ++i)
                LogAndDiagnose("thread " + std::to_string(t) + " line " + std::to_string(i));
        });
    }
    for (std::thread& thread : threads) thread.join();

    std::istringstream log(readFile(kErrorLogName));
    std::string line;
    int count = 0;
    while (std::getline(log, line)) {
        EXPECT_TRUE(std::regex_match(line + "\n", std::regex(stampedLine("thread [0-9] line [0-9]+"))))
            << line;
        ++count;
    }
    EXPECT_EQ(count, kThreads * kLines);

    std::istringstream diag(readFile(kDiagInfoName));
    count = 0;
    while (std::getline(diag, line)) {
        EXPECT_TRUE(std::regex_match(line, std::regex("thread [0-9] line [0-9]+"))) << line;
        ++count;
    }
    EXPECT_EQ(count, kThreads * kLines);
}

}  // namespace
