#include "Quorvane/association/session_lock.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "Quorvane/association/session_table.h"
#include "Quorvane/results/result_set_builder.h"
#include "tests/server/scratch_dir.h"

namespace {

std::mutex freedMutex;
std::vector<KivAssocId> freedIds;

void noteFreed(KivAssocId assocId) {
    std::lock_guard<std::mutex> lock(freedMutex);
    freedIds.push_back(assocId);
}

// A result set of one row.
ResultSet oneRow() {
    static const KeyDefinition key;
    ResultSetBuilder builder(key);
    builder.add("7");
    return builder.finish();
}

// Releases write to the logs: each test runs in a scratch directory.
class SessionLock : public ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        SetSessionFreedHook(noteFreed);
        std::lock_guard<std::mutex> lock(freedMutex);
        freedIds.clear();
    }
    void TearDown() override {
        SetSessionFreedHook(nullptr);
        ScratchDirTest::TearDown();
    }

    // An idle record under the id whose result set holds one row.
    std::shared_ptr<SessionRecord> store(KivAssocId assocId) {
        auto record = std::make_shared<SessionRecord>();
        record->assocId = assocId;
        record->resultSet = oneRow();
        record->resultSetDatabase = "CAT";
        record->protocolVersion = "111";
        EXPECT_TRUE(StoreSession(record));
        return record;
    }

    static std::vector<KivAssocId> freed() {
        std::lock_guard<std::mutex> lock(freedMutex);
        return freedIds;
    }
};

TEST_F(SessionLock, NoSessionIsNeverHeld) {
    EXPECT_EQ(LockSession(4711), 0);
    UnlockSession(4711);
    ReleaseSession(4711);
    EXPECT_TRUE(freed().empty());
}

TEST_F(SessionLock, LockMarksBusyAndResetsIdleMinutes) {
    std::shared_ptr<SessionRecord> record = store(11);
    EXPECT_EQ(CountIdleMinute(*record), 1);
    EXPECT_EQ(CountIdleMinute(*record), 2);

    ASSERT_EQ(LockSession(11), 1);
    EXPECT_TRUE(record->busy);
    EXPECT_EQ(record->idleMinutes, 0);
    EXPECT_EQ(CountIdleMinute(*record), -1) << "a busy session keeps its count";
    UnlockSession(11);
    EXPECT_FALSE(record->busy);
    EXPECT_EQ(CountIdleMinute(*record), 1);
    ReleaseSession(11);
}

TEST_F(SessionLock, IdleReleaseFreesAtOnce) {
    std::shared_ptr<SessionRecord> record = store(12);
    ReleaseSession(12);
    EXPECT_EQ(FindSession(12), nullptr);
    EXPECT_TRUE(record->resultSet.empty());
    EXPECT_FALSE(record->resultSetDatabase.has_value());
    EXPECT_TRUE(record->protocolVersion.empty());
    EXPECT_EQ(freed(), std::vector<KivAssocId>{12});
    EXPECT_EQ(LockSession(12), 0);
    ReleaseSession(12);
    EXPECT_EQ(freed().size(), 1u) << "a second release does nothing";
}

TEST_F(SessionLock, ReleaseWhileBusyWaitsForTheUnlock) {
    std::shared_ptr<SessionRecord> record = store(13);
    ASSERT_EQ(LockSession(13), 1);
    ReleaseSession(13);
    EXPECT_TRUE(record->releasePending);
    EXPECT_EQ(FindSession(13), record) << "the handler still holds the record";
    EXPECT_FALSE(record->resultSet.empty());
    EXPECT_TRUE(freed().empty());

    UnlockSession(13);
    EXPECT_EQ(FindSession(13), nullptr);
    EXPECT_TRUE(record->resultSet.empty());
    EXPECT_EQ(freed(), std::vector<KivAssocId>{13});
}

TEST_F(SessionLock, RequestsOfOneAssociationNeverOverlap) {
    store(15);
    constexpr int kThreads = 8;
    constexpr int kRounds = 200;
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    int unguardedCount = 0;  // touched only while holding the session
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            for (int round = 0; round < kRounds; ++round) {
                ASSERT_EQ(LockSession(15), 1);
                if (inside.fetch_add(1) != 0) ++overlaps;
                ++unguardedCount;
                inside.fetch_sub(1);
                UnlockSession(15);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(overlaps, 0);
    EXPECT_EQ(unguardedCount, kThreads * kRounds);
    ReleaseSession(15);
}

TEST_F(SessionLock, SecondRequestStartsOnlyAfterTheFirstUnlocks) {
    store(16);
    ASSERT_EQ(LockSession(16), 1);
    std::atomic<bool> firstDone{false};
    std::atomic<bool> sawFirstDone{false};
    std::thread second([&] {
        ASSERT_EQ(LockSession(16), 1);
        sawFirstDone = firstDone.load();
        UnlockSession(16);
    });
    firstDone = true;
    UnlockSession(16);
    second.join();
    EXPECT_TRUE(sawFirstDone);
    ReleaseSession(16);
}

TEST_F(SessionLock, ReleaseFromAnotherThreadWhileWorkersQueue) {
    store(17);
    ASSERT_EQ(LockSession(17), 1);
    std::atomic<int> held{0};
    std::vector<std::thread> workers;
    for (int i = 0; i < 4; ++i) {
        workers.emplace_back([&held] {
            if (LockSession(17) == 1) {
                ++held;
                UnlockSession(17);
            }
        });
    }
    ReleaseSession(17);
    UnlockSession(17);
    for (std::thread& worker : workers) worker.join();
    // Once the holder unlocked, the pending release ran: no worker got the session afterwards.
    EXPECT_EQ(held, 0);
    EXPECT_EQ(freed(), std::vector<KivAssocId>{17});
}

}  // namespace
