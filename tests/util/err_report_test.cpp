#include "toolkit/util/err_report.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/util/child_process.h"
#include "toolkit/util/memory.h"

namespace {

const std::string kBell(1, '\a');

std::string captureReport(int mode, const char* message, const char* tag) {
    testing::internal::CaptureStdout();
    ErrReport(mode, message, tag);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(ErrAlloc, CountsRequestedSizesAndFreeingDoesNotLowerTheCount) {
    int64_t before = ErrMemoryUsed.load();
    void* first = ErrAlloc(100, "TBL");
    void* second = ErrAllocString(28, "STR1");
    EXPECT_EQ(ErrMemoryUsed.load(), before + 128);
    EXPECT_EQ(static_cast<unsigned char*>(first)[99], 0);
    EXPECT_EQ(static_cast<unsigned char*>(second)[27], 0);
    ErrFree(first);
    MemFree(second);  // every allocator shares one heap
    EXPECT_EQ(ErrMemoryUsed.load(), before + 128);

    void* empty = ErrAlloc(0, "SL");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(static_cast<unsigned char*>(empty)[0], 0);
    ErrFree(empty);
    ErrFree(nullptr);
}

TEST(ErrAlloc, CounterLosesNoUpdateUnderConcurrentWorkers) {
    constexpr int kThreads = 8;
    constexpr int kPerThread = 5000;
    int64_t before = ErrMemoryUsed.load();
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([] {
            for (int i = 0; i < kPerThread; ++i) ErrFree(ErrAlloc(3, "SL"));
        });
    }
    for (auto& worker : workers) worker.join();
    EXPECT_EQ(ErrMemoryUsed.load(), before + int64_t{kThreads} * kPerThread * 3);
}

TEST(ErrAlloc, ExhaustionThrowsForTheCallerToRecoverAndCountsNothing) {
    const int64_t before = ErrMemoryUsed.load();
    EXPECT_THROW(ErrAllocString(-1, "STR3"), std::bad_alloc);
    EXPECT_THROW(ErrAlloc(-1, "TBL"), std::bad_alloc);
    EXPECT_EQ(ErrMemoryUsed.load(), before);
}

TEST(ErrReport, ContinueWritesOneLineAndOtherModesWriteNothing) {
    EXPECT_EQ(captureReport(ErrReportContinue, "Invalid mode", "TBL"), kBell + "TBL:Invalid mode\n");
    EXPECT_EQ(captureReport(5, "Invalid mode", "TBL"), "");
    EXPECT_EQ(captureReport(-1, "Invalid mode", "TBL"), "");
    std::string longMessage(500, 'm');
    EXPECT_EQ(captureReport(ErrReportContinue, longMessage.c_str(), "STR"),
              kBell + "STR:" + longMessage + "\n");
}

TEST(ErrReport, FatalWritesTheWholeLineToOutputAndSinkAndExits) {
    // Longer than the 200-octet line of older versions: written whole, never past a buffer.
    std::string message(300, 'x');
    message += "%s%n";  // written as text, not used as a format
    ChildResult result = runInChild([&] {
        ErrSetFatalSink([](const char* line) {
            std::printf("sink:%s|", line);
            std::fflush(stdout);
        });
        ErrReport(ErrReportFatal, message.c_str(), "SL");
        std::printf("returned");
    });
    EXPECT_EQ(result.exitCode, 255);
    EXPECT_EQ(result.output, kBell + "SL:" + message + "\nsink:" + kBell + "SL:" + message + "|");
}

TEST(ErrReport, AskReadsOneAnswerLine) {
    const std::string prompt = kBell + "DBL:Disk full\nDo you wish to continue? [Y or N]";
    struct Case {
        std::string input;
        int exitCode;
        std::string leftUnread;  // what the caller still reads after ErrReport returns
    };
    const Case cases[] = {
        {"y\nnext\n", 0, "next\n"},
        {"Yes please\nnext\n", 0, "next\n"},
        {"\nnext\n", 0, "next\n"},  // a bare line end is the whole answer
        {"", 0, ""},                // end of input
        {"n\nnext\n", 255, ""},
        {"No\n", 255, ""},
    };
    for (const Case& c : cases) {
        ChildResult result = runInChild(
            [] {
                ErrReport(ErrReportAsk, "Disk full", "DBL");
                std::printf("|");
                for (int ch = std::getchar(); ch != EOF; ch = std::getchar()) std::putchar(ch);
            },
            c.input);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.input;
        std::string expected = c.exitCode == 0 ? prompt + "|" + c.leftUnread : prompt;
        EXPECT_EQ(result.output, expected) << c.input;
    }
}

TEST(ErrPrintMemoryUsed, WritesTheCounter) {
    testing::internal::CaptureStdout();
    ErrPrintMemoryUsed();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Memory used " + std::to_string(ErrMemoryUsed.load()) + " \n");
}
