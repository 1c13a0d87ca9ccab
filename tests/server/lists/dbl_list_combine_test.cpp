#include "Quorvane/lists/dbl_list_combine.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/server/lists/dbl_list_fixture.h"
#include "toolkit/util/err_report.h"

namespace {

class DblListCombine : public testing::Test {
  protected:
    void SetUp() override { freedTexts().clear(); }
};

void* upperCopy(void* datum) {
    char* copy = ::strdup(static_cast<const char*>(datum));
    for (char* c = copy; *c != '\0'; ++c) *c = static_cast<char>(*c - 'a' + 'A');
    return copy;
}

TEST_F(DblListCombine, CopyIntoAppendsWhereverTheCursorIs) {
    DblList* from = listOf({"a", "b"});
    DblList* to = listOf({"x", "y"});
    ListFirst(to);
    ListCopyInto(from, nullptr, to);
    EXPECT_EQ(contents(to), "x y a [b]");
    EXPECT_EQ(ListCurrent(to), ListCurrent(from));  // shared, not copied

    DblList* upper = ListCreate(recordingFree);
    ListCopyInto(from, upperCopy, upper);
    EXPECT_EQ(contents(upper), "A [B]");
    ListDestroy(upper);
    ListDestroy(to);
    ListDestroy(from);
}

TEST_F(DblListCombine, AppendListSharesTheDataAndDisownsTheSecondList) {
    DblList* list = listOf({"a"}, recordingFree);
    DblList* second = listOf({"b", "c"}, recordingFree);
    ListFirst(list);
    ListAppendList(list, second, 1);  // destroying second frees none of the moved data
    EXPECT_TRUE(freedTexts().empty());
    EXPECT_EQ(contents(list), "a b [c]");
    ListAppendList(list, nullptr, 1);
    EXPECT_EQ(contents(list), "a b [c]");

    DblList* self = listOf({"p", "q"});
    ListAppendList(self, self, 0);  // a list appended to itself is walked once
    EXPECT_EQ(contents(self), "p q p [q]");
    ListDestroy(self);

    DblList* owner = listOf({"x", "y"}, recordingFree);
    DblList* kept = ListCreate(nullptr);
    ListAppendList(kept, owner, 0);
    EXPECT_EQ(owner->freeRoutine, nullptr);
    EXPECT_EQ(contents(owner), "x [y]");
    kept->freeRoutine = recordingFree;
    ListDestroy(owner);
    ListDestroy(kept);
    EXPECT_EQ(freedTexts(), (std::vector<std::string>{"x", "y"}));
    ListDestroy(list);
}

TEST_F(DblListCombine, AppendCopiesLeavesTheSecondListItsData) {
    DblList* list = ListCreate(ErrFree);
    DblList* second = listOf({"one", "two"}, recordingFree);
    ListAppendCopies(list, second, 1);
    EXPECT_EQ(freedTexts(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(contents(list), "one [two]");
    ListDestroy(list);
}

int acceptsNew(DblList* list, const void* datum) {
    return ListFind(list, sameText, datum) == nullptr ? 1 : 0;
}

TEST_F(DblListCombine, AppendMatchingAsksWithTheFirstList) {
    DblList* list = listOf({"a", "b"});
    DblList* second = listOf({"b", "c", "a", "d"});
    ListAppendMatching(list, second, acceptsNew);
    EXPECT_EQ(contents(list), "a b c [d]");
    EXPECT_EQ(ListCount(second), 4);
    ListDestroy(second);
    ListDestroy(list);
}

struct MergeCase {
    int before;
    int keepCursor;
    const char* after;
};

TEST_F(DblListCombine, MergeTable) {
    const MergeCase cases[] = {
        {0, 0, "a b 1 [2] c"},
        {0, 1, "a [b] 1 2 c"},
        {1, 0, "a 1 [2] b c"},
        {1, 1, "a 1 2 [b] c"},
    };
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(std::string("before ") + std::to_string(c.before) + " keep " +
                     std::to_string(c.keepCursor));
        DblList* list = listOf({"a", "b", "c"});
        ListGoTo(list, 2);
        DblList* second = listOf({"1", "2"}, recordingFree);
        ListMerge(list, second, c.before, 0, c.keepCursor);
        EXPECT_EQ(contents(list), c.after);
        EXPECT_EQ(second->freeRoutine, nullptr);
        second->freeRoutine = recordingFree;
        ListDestroy(second);
        ListDestroy(list);
    }

    DblList* empty = ListCreate(nullptr);
    ListMerge(empty, listOf({"1", "2"}), 1, 1, 1);
    EXPECT_EQ(contents(empty), "1 [2]");
    ListDestroy(empty);
}

TEST_F(DblListCombine, JoinPairwiseSkipsNoneAndStopsAtTheShorterList) {
    DblList* list = listOf({"title", "author", "year", "extra"}, recordingFree);
    DblList* second = listOf({"t.col", "xNONEx", "y.col"});
    ListJoinPairwise(list, second, " = ");
    EXPECT_EQ(contents(list), "title = t.col author [year = y.col] extra");
    EXPECT_EQ(freedTexts(), (std::vector<std::string>{"title", "year"}));
    list->freeRoutine = ErrFree;  // the joined texts are counted memory
    ListDestroy(second);
    ListDestroy(list);
}

}  // namespace
