#include "Quorvane/platform/event_loop.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/server/platform/loop_runner.h"

namespace {

using platform::EventLoop;
using namespace std::chrono_literals;

struct SocketPair {
    int fds[2];
    SocketPair() { EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0); }
    ~SocketPair() {
        for (int fd : fds)
            if (fd >= 0) ::close(fd);
    }
    void closeEnd(int index) {
        ::close(fds[index]);
        fds[index] = -1;
    }
};

void writeText(int fd, const std::string& text) {
    ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

TEST(EventLoop, TicksPeriodically) {
    EventLoop loop;
    int ticks = 0;
    loop.setTick(5ms, [&] {
        if (++ticks == 3) loop.stop();
    });
    EXPECT_TRUE(runWithin(loop));
    EXPECT_EQ(ticks, 3);
}

TEST(EventLoop, RunsPostedTasksOnItsThreadInOrder) {
    EventLoop loop;
    constexpr int kThreads = 4;
    constexpr int kTasksEach = 500;
    std::vector<std::vector<int>> seen(kThreads);
    std::thread::id loopThread = std::this_thread::get_id();
    bool allOnLoopThread = true;
    int done = 0;
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < kTasksEach; ++i) {
                loop.post([&, t, i] {
                    allOnLoopThread = allOnLoopThread && std::this_thread::get_id() == loopThread;
                    seen[t].push_back(i);
                    if (++done == kThreads * kTasksEach) loop.stop();
                });
            }
        });
    }
    EXPECT_TRUE(runWithin(loop));
    for (std::thread& poster : posters) poster.join();
    EXPECT_TRUE(allOnLoopThread);
    for (const std::vector<int>& order : seen) {
        ASSERT_EQ(order.size(), static_cast<size_t>(kTasksEach));
        for (int i = 0; i < kTasksEach; ++i) EXPECT_EQ(order[i], i);
    }
}

TEST(EventLoop, CallsBackWhileADescriptorIsReadable) {
    EventLoop loop;
    SocketPair pair;
    std::string received;
    loop.watch(pair.fds[0],
               [&] {
                   char octet;
                   ASSERT_EQ(::read(pair.fds[0], &octet, 1), 1);  // one octet per call: level-triggered
                   received += octet;
                   if (received.size() == 5) loop.stop();
               },
               {});
    writeText(pair.fds[1], "hello");
    EXPECT_TRUE(runWithin(loop));
    EXPECT_EQ(received, "hello");
    EXPECT_TRUE(loop.watching(pair.fds[0]));
}

TEST(EventLoop, HangUpWithNothingToReadEndsTheWatch) {
    EventLoop loop;
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    std::string received;
    bool hungUp = false;
    loop.watch(
        pipeFds[0],
        [&] {
            char buffer[16];
            ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
            if (got > 0) received.append(buffer, static_cast<size_t>(got));
        },
        [&] {
            hungUp = true;
            loop.post([&] { loop.stop(); });
        });
    writeText(pipeFds[1], "last words");
    ::close(pipeFds[1]);
    EXPECT_TRUE(runWithin(loop));
    EXPECT_EQ(received, "last words");  // the data is read before the hang-up is reported
    EXPECT_TRUE(hungUp);
    EXPECT_FALSE(loop.watching(pipeFds[0]));
    ::close(pipeFds[0]);
}

TEST(EventLoop, UnwatchedDescriptorGetsNoCallbackFromTheSameWait) {
    EventLoop loop;
    SocketPair first;
    SocketPair second;
    int calls = 0;
    auto onReadable = [&] {
        ++calls;
        loop.unwatch(first.fds[0]);
        loop.unwatch(second.fds[0]);
        loop.post([&] { loop.stop(); });
    };
    loop.watch(first.fds[0], onReadable, {});
    loop.watch(second.fds[0], onReadable, {});
    writeText(first.fds[1], "x");
    writeText(second.fds[1], "y");
    EXPECT_TRUE(runWithin(loop));
    EXPECT_EQ(calls, 1);
}

TEST(EventLoop, WatchingAgainReplacesTheCallbacks) {
    EventLoop loop;
    SocketPair pair;
    int oldCalls = 0;
    int newCalls = 0;
    loop.watch(pair.fds[0], [&] { ++oldCalls; }, {});
    loop.watch(pair.fds[0],
               [&] {
                   ++newCalls;
                   loop.unwatch(pair.fds[0]);
                   loop.stop();
               },
               {});
    writeText(pair.fds[1], "x");
    EXPECT_TRUE(runWithin(loop));
    EXPECT_EQ(oldCalls, 0);
    EXPECT_EQ(newCalls, 1);
}

TEST(EventLoop, RefusesADescriptorEpollCannotWatch) {
    EventLoop loop;
    FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_THROW(loop.watch(::fileno(file), [] {}, {}), std::system_error);
    EXPECT_FALSE(loop.watching(::fileno(file)));
    std::fclose(file);
}

class TerminationSignal : public testing::TestWithParam<int> {};

TEST_P(TerminationSignal, StopsTheLoopCleanly) {
    struct sigaction before {};
    ::sigaction(GetParam(), nullptr, &before);
    {
        EventLoop loop;
        loop.catchTerminationSignals();
        EXPECT_EQ(loop.terminationSignal(), 0);
        loop.post([&] { ::kill(::getpid(), GetParam()); });
        EXPECT_TRUE(runWithin(loop));
        EXPECT_EQ(loop.terminationSignal(), GetParam());
    }
    struct sigaction after {};
    ::sigaction(GetParam(), nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);  // the previous handling is back
}

INSTANTIATE_TEST_SUITE_P(TermAndInt, TerminationSignal, testing::Values(SIGTERM, SIGINT));

TEST(EventLoop, OnlyOneLoopCatchesTheSignals) {
    EventLoop first;
    first.catchTerminationSignals();
    EventLoop second;
    EXPECT_THROW(second.catchTerminationSignals(), std::logic_error);
}

TEST(EventLoop, SignalFromAnotherThreadStopsTheLoop) {
    EventLoop loop;
    loop.catchTerminationSignals();
    std::thread sender([] { ::kill(::getpid(), SIGTERM); });
    EXPECT_TRUE(runWithin(loop));
    sender.join();
    EXPECT_EQ(loop.terminationSignal(), SIGTERM);
}

TEST(EventLoop, IgnoresBrokenPipes) {
    EventLoop loop;
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    ::close(pipeFds[0]);
    EXPECT_EQ(::write(pipeFds[1], "x", 1), -1);  // EPIPE instead of the end of the process
    EXPECT_EQ(errno, EPIPE);
    ::close(pipeFds[1]);
}

}  // namespace
