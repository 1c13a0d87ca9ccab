#include "Quorvane/platform/service_thread.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <csignal>

namespace {

sigset_t currentMask() {
    sigset_t mask;
    ::pthread_sigmask(SIG_BLOCK, nullptr, &mask);
    return mask;
}

TEST(ServiceThread, BlocksTheTerminationSignalsInTheNewThreadOnly) {
    const sigset_t before = currentMask();
    ASSERT_FALSE(sigismember(&before, SIGTERM));
    ASSERT_FALSE(sigismember(&before, SIGINT));

    sigset_t inThread;
    sigemptyset(&inThread);
    platform::StartServiceThread([&inThread] { inThread = currentMask(); }).join();
    EXPECT_TRUE(sigismember(&inThread, SIGTERM));
    EXPECT_TRUE(sigismember(&inThread, SIGINT));

    const sigset_t after = currentMask();
    EXPECT_FALSE(sigismember(&after, SIGTERM));
    EXPECT_FALSE(sigismember(&after, SIGINT));
}

TEST(ServiceThread, KeepsWhatTheStartingThreadAlreadyBlocked) {
    sigset_t usr1;
    sigemptyset(&usr1);
    sigaddset(&usr1, SIGUSR1);
    sigset_t original;
    ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &usr1, &original), 0);

    sigset_t inThread;
    sigemptyset(&inThread);
    platform::StartServiceThread([&inThread] { inThread = currentMask(); }).join();
    EXPECT_TRUE(sigismember(&inThread, SIGUSR1));
    const sigset_t after = currentMask();
    EXPECT_TRUE(sigismember(&after, SIGUSR1));
    EXPECT_FALSE(sigismember(&after, SIGTERM));

    ::pthread_sigmask(SIG_SETMASK, &original, nullptr);
}

}  // namespace
