// The idle timer over real session records: which associations a tick ends, and what it logs.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_setup.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/association_slots.h"
#include "tests/server/traced_scratch_dir.h"

namespace {

const std::string kInitSettings =
    "[InitializeResponse]\npcProtocolVersion=111\npcOptions=11\npcImplementationId=Q\n"
    "pcImplementationName=Q\npcImplementationVersion=1\n";

// A connection list holding the associations it is told about.
class FakeHost : public ConnectionHost {
  public:
    std::vector<KivAssocId> listed;
    std::vector<KivAssocId> dropped;

    int dropConnection(KivAssocId assocId) override {
        auto found = std::find(listed.begin(), listed.end(), assocId);
        if (found == listed.end()) return -1;
        listed.erase(found);
        dropped.push_back(assocId);
        return static_cast<int>(listed.size());
    }
    void makeCurrent() override {}
};

class IdleTimerTest : public TracedScratchDirTest {
  protected:
    void TearDown() override {
        for (KivAssocId id : host_.listed) AssociationExit(id);
        TracedScratchDirTest::TearDown();
    }

    void configure(const std::string& start) { writeFile(kIniFileName, kInitSettings + "[Start]\n" + start); }

    void associate(KivAssocId assocId) {
        ASSERT_EQ(SlotTake(assocId), 1);
        ASSERT_TRUE(SessionSetUp(assocId, -1));
        host_.listed.push_back(assocId);
    }

    // Runs ticks and answers after which one the association was ended (0: none of them).
    int ticksUntilEnded(KivAssocId assocId, int ticks) {
        for (int tick = 1; tick <= ticks; ++tick) {
            IdleTimerProc(host_);
            if (FindSession(assocId) == nullptr) return tick;
        }
        return 0;
    }

    FakeHost host_;
};

TEST_F(IdleTimerTest, AnAssociationEndsAtTheTickThatReachesTheTimeOut) {
    struct Case {
        std::string start;
        int endingTick;
    };
    for (const Case& c : {Case{"ulTimeOut=2\n", 2}, Case{"ulTimeOut=1\n", 1}, Case{"", 1},
                          Case{"ulTimeOut=0\n", 1}, Case{"ulTimeOut=-3\n", 1}}) {
        SCOPED_TRACE(c.start);
        configure(c.start);
        associate(31);
        EXPECT_EQ(ticksUntilEnded(31, 5), c.endingTick);
        EXPECT_EQ(SlotLookup(31), 0);
        EXPECT_EQ(host_.dropped.back(), 31);
    }
    EXPECT_NE(out_.str().find("Forced connection close of association 31 because of timeout. "
                              "Connections left =     0\n"),
              std::string::npos);
}

TEST_F(IdleTimerTest, BusySessionsAreSkippedAndARequestStartsTheCountAgain) {
    configure("ulTimeOut=2\n");
    associate(41);
    associate(42);
    IdleTimerProc(host_);
    ASSERT_EQ(LockSession(41), 1);
    EXPECT_EQ(ticksUntilEnded(41, 3), 0) << "a busy session counts no idle time";
    EXPECT_EQ(FindSession(42), nullptr) << "the idle one was ended meanwhile";
    UnlockSession(41);
    EXPECT_EQ(ticksUntilEnded(41, 5), 2) << "counting starts again from the request";
    EXPECT_EQ(host_.dropped, (std::vector<KivAssocId>{42, 41}));
}

}  // namespace
