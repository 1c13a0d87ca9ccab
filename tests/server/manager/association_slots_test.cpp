#include "Quorvane/manager/association_slots.h"

#include <gtest/gtest.h>

#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_setup.h"
#include "Quorvane/config/ini_readers.h"
#include "tests/server/scratch_dir.h"

namespace {

TEST(AssociationSlots, HundredAssociationsTakeEverySlotAndAFreedSlotIsTakenAgain) {
    for (KivAssocId id = 1001; id <= 1100; ++id) ASSERT_EQ(SlotTake(id), 1) << id;
    EXPECT_EQ(SlotTake(2000), 0) << "the 101st association";
    EXPECT_EQ(SlotLookup(1001), 1);
    EXPECT_EQ(SlotLookup(1100), 100);
    EXPECT_EQ(SlotLookup(2000), 0);

    EXPECT_EQ(SlotFree(1050), 50);
    EXPECT_EQ(SlotFree(1050), 0);
    EXPECT_EQ(SlotTake(2000), 1);
    EXPECT_EQ(SlotLookup(2000), 50) << "the lowest free slot";
    EXPECT_EQ(SlotAssociations().size(), 100u);

    for (KivAssocId id = 1001; id <= 1100; ++id) SlotFree(id);
    SlotFree(2000);
    EXPECT_TRUE(SlotAssociations().empty());
}

TEST(AssociationSlots, ZeroAndAnIdAlreadyHeldAreRefused) {
    EXPECT_EQ(SlotTake(0), 0) << "0 marks a free slot";
    EXPECT_EQ(SlotLookup(0), 0);
    ASSERT_EQ(SlotTake(7), 1);
    EXPECT_EQ(SlotTake(7), 0);
    EXPECT_EQ(SlotAssociations(), std::vector<KivAssocId>{7});
    SlotFree(7);
}

class SlotOfSessionTest : public ScratchDirTest {};

TEST_F(SlotOfSessionTest, FreeingTheSessionFreesItsSlot) {
    writeFile(kIniFileName,
              "[InitializeResponse]\npcProtocolVersion=111\npcOptions=11\npcImplementationId=Q\n"
              "pcImplementationName=Q\npcImplementationVersion=1\n");
    ASSERT_EQ(SlotTake(8), 1);
    ASSERT_TRUE(SessionSetUp(8, -1));
    ASSERT_EQ(LockSession(8), 1);
    ReleaseSession(8);
    EXPECT_NE(SlotLookup(8), 0) << "a busy session keeps its slot until it is given back";
    UnlockSession(8);
    EXPECT_EQ(SlotLookup(8), 0);
}

}  // namespace
