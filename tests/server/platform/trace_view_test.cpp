#include "Quorvane/platform/trace_view.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>
#include <vector>

#include "tests/server/platform/temp_path.h"

namespace {

using platform::TraceView;

TEST(TraceView, ShowsEveryLineAndKeepsOnlyTheTrace) {
    std::ostringstream out;
    TraceView view(out);
    view.appendLine("Quorvane Operations Trace");
    view.showLine(" Connections : 0");
    view.appendLine("Listening for client connections.....");
    EXPECT_EQ(out.str(),
              "Quorvane Operations Trace\n Connections : 0\nListening for client connections.....\n");
    EXPECT_EQ(view.text(), "Quorvane Operations Trace\nListening for client connections.....\n");
    view.clear();
    EXPECT_EQ(view.text(), "");
}

TEST(TraceView, KeptTextDropsTheOldestLinesAtTheCap) {
    std::ostringstream out;
    TraceView view(out, 20);
    view.appendLine("line one");    // 9 octets with its line end
    view.appendLine("line two");    // 18
    view.appendLine("line three");  // 29: the first line goes
    EXPECT_EQ(view.text(), "line two\nline three\n");
    view.appendLine(std::string(30, 'x'));  // a line beyond the cap is shown but not kept
    EXPECT_EQ(view.text(), "");
    EXPECT_NE(out.str().find(std::string(30, 'x')), std::string::npos);
}

TEST(TraceView, LinesFromManyThreadsStayWhole) {
    std::ostringstream out;
    TraceView view(out);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&view, t] {
            for (int i = 0; i < 200; ++i)
                view.appendLine("thread " + std::to_string(t) + " line " + std::to_string(i));
        });
    }
    for (std::thread& thread : threads) thread.join();
    std::istringstream shown(out.str());
    std::string line;
    int count = 0;
    while (std::getline(shown, line)) {
        EXPECT_EQ(line.rfind("thread ", 0), 0u) << line;
        ++count;
    }
    EXPECT_EQ(count, 800);
    EXPECT_EQ(view.text(), out.str());
}

TEST(TraceView, SavesTheKeptText) {
    std::ostringstream out;
    TraceView view(out);
    view.appendLine("first");
    view.appendLine("second");
    std::string path = tempPath("saved_trace.txt");
    writeTemp("saved_trace.txt", "older and longer content that must go");
    ASSERT_TRUE(view.save(path));
    EXPECT_EQ(readFile(path), "first\nsecond\n");
    EXPECT_FALSE(view.save(tempPath("no_such_dir") + "/trace.txt"));
}

}  // namespace
