#include "Quorvane/platform/line_source.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/server/platform/loop_runner.h"

namespace {

using platform::EventLoop;
using platform::kMaxLineLength;
using platform::watchLines;

// Feeds the text through a pipe whose writing end is then closed; answers the lines handed over.
std::vector<std::string> linesOf(const std::string& text, bool& ended) {
    EventLoop loop;
    int pipeFds[2];
    EXPECT_EQ(::pipe(pipeFds), 0);
    std::vector<std::string> lines;
    ended = false;
    watchLines(
        loop, pipeFds[0], [&](const std::string& line) { lines.push_back(line); },
        [&] {
            ended = true;
            loop.stop();
        });
    std::thread writer([&] {
        EXPECT_EQ(::write(pipeFds[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
        ::close(pipeFds[1]);
    });
    EXPECT_TRUE(runWithin(loop));
    writer.join();
    EXPECT_FALSE(loop.watching(pipeFds[0]));
    ::close(pipeFds[0]);
    return lines;
}

TEST(LineSource, SplitsLinesAndHandsOverTheLastOneAtTheEnd) {
    bool ended;
    std::vector<std::string> lines = linesOf("new 300\r\nstatus\n\nsave trace.txt", ended);
    EXPECT_EQ(lines, (std::vector<std::string>{"new 300", "status", "", "save trace.txt"}));
    EXPECT_TRUE(ended);
}

TEST(LineSource, CutsOverlongLines) {
    bool ended;
    std::string longLine(kMaxLineLength + 10, 'a');
    std::vector<std::string> lines = linesOf(longLine + "\nexit\n", ended);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(kMaxLineLength, 'a'));
    EXPECT_EQ(lines[1], std::string(10, 'a'));
    EXPECT_EQ(lines[2], "exit");
}

TEST(LineSource, LargeInputArrivesWhole) {
    bool ended;
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "line " + std::to_string(i) + "\n";
    std::vector<std::string> lines = linesOf(text, ended);
    ASSERT_EQ(lines.size(), 20000u);
    EXPECT_EQ(lines.front(), "line 0");
    EXPECT_EQ(lines.back(), "line 19999");
}

}  // namespace
