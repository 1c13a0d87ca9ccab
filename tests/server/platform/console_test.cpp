#include "Quorvane/platform/console.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/server/platform/loop_runner.h"
#include "tests/server/platform/temp_path.h"

namespace {

using platform::Console;
using platform::ConsoleActions;
using platform::TraceView;

class ConsoleCommands : public testing::Test {
  protected:
    ConsoleCommands()
        : view(out),
          console(view, ConsoleActions{[this](unsigned port) { ports.push_back(port); }, [] { return 7; },
                                       [this] { ++exits; }}) {}

    // What the command showed.
    std::string run(const std::string& line) {
        out.str("");
        console.execute(line);
        return out.str();
    }

    std::ostringstream out;
    TraceView view;
    Console console;
    std::vector<unsigned> ports;
    int exits = 0;
};

const char* const kRangeMessage = "New Listen Port : Please enter an integer between 210 and 30000.\n";
const char* const kHelp = "Commands: new [port], save [file], status, about, exit\n";

TEST_F(ConsoleCommands, NewPortTakesThePresetOrAPortInRange) {
    struct Case {
        const char* line;
        unsigned port;  // 0: refused with the range message
    };
    const Case cases[] = {
        {"new", 210},   {"new 210", 210}, {"new 30000", 30000},  {"  NEW   2100  ", 2100},
        {"new 209", 0}, {"new 30001", 0}, {"new 0", 0},          {"new abc", 0},
        {"new 21o", 0}, {"new -300", 0},  {"new 4294967506", 0}, {"new 300 400", 0},
    };
    for (const Case& c : cases) {
        ports.clear();
        std::string shown = run(c.line);
        if (c.port == 0) {
            EXPECT_EQ(shown, kRangeMessage) << c.line;
            EXPECT_TRUE(ports.empty()) << c.line;
        } else {
            EXPECT_EQ(shown, "") << c.line;
            EXPECT_EQ(ports, std::vector<unsigned>{c.port}) << c.line;
        }
    }
}

TEST_F(ConsoleCommands, StatusAboutExitAndHelp) {
    EXPECT_EQ(run("status"), " Connections : 7\n");
    EXPECT_EQ(run("about"), "About Quorvane\nQuorvane Version 2.1.6\n");
    EXPECT_EQ(run(""), "");
    EXPECT_EQ(run("   "), "");
    EXPECT_EQ(run("bogus"), kHelp);
    EXPECT_EQ(run("status now"), kHelp);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(run("exit"), "");
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(view.text().empty());  // answers are not kept in the trace
}

TEST_F(ConsoleCommands, SaveWritesTheKeptTrace) {
    view.appendLine("Quorvane Operations Trace");
    std::string path = tempPath("console save.txt");
    EXPECT_EQ(run("save " + path), "Trace saved to " + path + "\n");
    EXPECT_EQ(readFile(path), "Quorvane Operations Trace\n");
    std::string bad = tempPath("no_such_dir") + "/trace.txt";
    EXPECT_EQ(run("save " + bad), "Cannot write " + bad + "\n");
}

TEST_F(ConsoleCommands, SaveWithoutNameWritesQuorvaneTxtInTheWorkingDirectory) {
    std::string cwd = std::filesystem::current_path().string();
    std::string dir = tempPath("save_dir");
    std::filesystem::create_directories(dir);
    ASSERT_EQ(::chdir(dir.c_str()), 0);
    view.appendLine("kept");
    std::string shown = run("save");
    std::string saved = readFile("Quorvane.txt");
    ASSERT_EQ(::chdir(cwd.c_str()), 0);
    EXPECT_EQ(shown, "Trace saved to Quorvane.txt\n");
    EXPECT_EQ(saved, "kept\n");
}

TEST_F(ConsoleCommands, TakesCommandsFromADescriptorOnTheLoop) {
    platform::EventLoop loop;
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    Console attached(view, ConsoleActions{[this](unsigned port) { ports.push_back(port); }, [] { return 3; },
                                          [&loop] { loop.stop(); }});
    attached.attach(loop, pipeFds[0]);
    std::string input = "new 2100\nstatus\nexit\n";
    ASSERT_EQ(::write(pipeFds[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    EXPECT_TRUE(runWithin(loop));
    EXPECT_EQ(ports, std::vector<unsigned>{2100});
    EXPECT_EQ(out.str(), " Connections : 3\n");
    ::close(pipeFds[1]);
    ::close(pipeFds[0]);
}

// Runs consoleWanted with the descriptor as standard input.
bool wantedWithInput(int fd, int wantWindow) {
    int saved = ::dup(STDIN_FILENO);
    ::dup2(fd, STDIN_FILENO);
    bool wanted = platform::consoleWanted(wantWindow);
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
    return wanted;
}

TEST(ConsoleWanted, OnlyWithTheWindowWantedAndATerminal) {
    int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    int secondary = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY);
    ASSERT_GE(secondary, 0);
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);

    EXPECT_TRUE(wantedWithInput(secondary, 1));
    EXPECT_FALSE(wantedWithInput(secondary, 0));
    EXPECT_FALSE(wantedWithInput(secondary, 2));
    EXPECT_FALSE(wantedWithInput(pipeFds[0], 1));

    for (int fd : {secondary, terminal, pipeFds[0], pipeFds[1]}) ::close(fd);
}

}  // namespace
