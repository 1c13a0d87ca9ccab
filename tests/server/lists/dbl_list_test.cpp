#include "Quorvane/lists/dbl_list.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/server/lists/dbl_list_fixture.h"

namespace {

class DblListTest : public testing::Test {
  protected:
    void SetUp() override { freedTexts().clear(); }
};

TEST_F(DblListTest, InsertAfterAndBeforeTheCursor) {
    DblList* list = ListCreate(nullptr);
    EXPECT_EQ(ListIsEmpty(list), 1);
    DblNode* node = ListInsert(list, text("a"));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->datum, text("a"));
    EXPECT_EQ(contents(list), "[a]");
    ListInsertBefore(list, text("b"));
    EXPECT_EQ(contents(list), "[b] a");
    ListLast(list);
    ListInsert(list, text("c"));
    EXPECT_EQ(contents(list), "b a [c]");
    ListGoTo(list, 2);
    ListInsertBefore(list, text("d"));
    EXPECT_EQ(contents(list), "b [d] a c");
    ListInsert(list, text("e"));
    EXPECT_EQ(contents(list), "b d [e] a c");
    ListDestroy(list);

    DblList* single = ListCreate(nullptr);
    ListInsertBefore(single, text("only"));
    EXPECT_EQ(contents(single), "[only]");
    ListDestroy(single);
}

TEST_F(DblListTest, NullDatumIsRefusedWithAReport) {
    DblList* list = listOf({"a", "b"});
    ListFirst(list);
    testing::internal::CaptureStdout();
    EXPECT_EQ(ListInsert(list, nullptr), nullptr);
    ListInsertBefore(list, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\aDBL:Tried to add to list a NULL pointer\n\aDBL:Tried to add to list a NULL pointer\n");
    EXPECT_EQ(contents(list), "[a] b");
    ListDestroy(list);
}

struct RemoveCase {
    const char* what;
    std::initializer_list<const char*> texts;
    int cursorAt;
    bool forward;
    const char* answered;  // nullptr: NULL expected
    const char* after;
};

TEST_F(DblListTest, RemoveTable) {
    const RemoveCase cases[] = {
        {"only node", {"a"}, 1, false, "a", ""},
        {"only node, forward", {"a"}, 1, true, "a", ""},
        {"last node", {"a", "b", "c"}, 3, false, "c", "a [b]"},
        {"last node, forward", {"a", "b", "c"}, 3, true, "c", "a [b]"},
        {"first node", {"a", "b", "c"}, 1, false, "a", "[b] c"},
        {"first node, forward", {"a", "b", "c"}, 1, true, "a", "[b] c"},
        {"middle node", {"a", "b", "c"}, 2, false, "b", "[a] c"},
        {"middle node, forward", {"a", "b", "c"}, 2, true, "b", "a [c]"},
        {"empty list", {}, 1, false, nullptr, ""},
        {"empty list, forward", {}, 1, true, nullptr, ""},
    };
    for (const RemoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        DblList* list = listOf(c.texts);
        ListGoTo(list, c.cursorAt);
        void* datum = c.forward ? ListRemoveForward(list) : ListRemove(list);
        if (c.answered == nullptr) {
            EXPECT_EQ(datum, nullptr);
        } else {
            EXPECT_STREQ(static_cast<const char*>(datum), c.answered);
        }
        EXPECT_EQ(contents(list), c.after);
        ListDestroy(list);
    }
}

TEST_F(DblListTest, CursorMovesStopAtTheEnds) {
    DblList* empty = ListCreate(nullptr);
    EXPECT_EQ(ListAtFirst(empty), 1);
    EXPECT_EQ(ListAtLast(empty), 1);
    EXPECT_EQ(ListCurrent(empty), nullptr);
    ListNext(empty);
    ListPrev(empty);
    EXPECT_EQ(ListPosition(empty), 1);
    ListDestroy(empty);

    DblList* list = listOf({"a", "b", "c"});
    ListFirst(list);
    EXPECT_EQ(ListAtFirst(list), 1);
    ListPrev(list);
    EXPECT_EQ(contents(list), "[a] b c");
    ListNext(list);
    EXPECT_EQ(ListPosition(list), 2);
    EXPECT_EQ(ListAtFirst(list) + ListAtLast(list), 0);
    ListNext(list);
    ListNext(list);
    EXPECT_EQ(contents(list), "a b [c]");
    EXPECT_EQ(ListAtLast(list), 1);
    EXPECT_STREQ(static_cast<const char*>(ListCurrent(list)), "c");

    const int32_t goTo[][2] = {{-1, 1}, {0, 1}, {1, 1}, {2, 2}, {3, 3}, {99, 3}};
    for (const auto& [n, position] : goTo) {
        ListGoTo(list, n);
        EXPECT_EQ(ListPosition(list), position) << "ListGoTo " << n;
    }
    ListDestroy(list);
}

TEST_F(DblListTest, SavedCursorIsRestoredAndForgottenWithItsNode) {
    DblList* list = listOf({"a", "b", "c"});
    ListGoTo(list, 2);
    ListSaveCursor(list);
    ListLast(list);
    ListRestoreCursor(list);
    EXPECT_EQ(contents(list), "a [b] c");

    ListRemove(list);
    ListRestoreCursor(list);
    EXPECT_EQ(ListCurrent(list), nullptr);
    // With no cursor an insertion appends.
    ListInsert(list, text("d"));
    EXPECT_EQ(contents(list), "a c [d]");
    ListDestroy(list);
}

TEST_F(DblListTest, StepWithoutCursorOnAListWithNodesIsFatal) {
    DblList* list = ListCreate(nullptr);
    ListSaveCursor(list);
    ListInsert(list, text("a"));
    ListInsert(list, text("b"));
    ListRestoreCursor(list);
    EXPECT_EXIT(ListNext(list), testing::ExitedWithCode(255), "");
    EXPECT_EXIT(ListPrev(list), testing::ExitedWithCode(255), "");
    ListDestroy(list);
}

TEST_F(DblListTest, ForwardSearchesLeaveTheCursorOnTheMatchOrTheLastNode) {
    DblList* empty = ListCreate(nullptr);
    EXPECT_EQ(ListFind(empty, sameText, "a"), nullptr);
    EXPECT_EQ(empty->cursor, nullptr);
    EXPECT_EQ(ListFind(nullptr, sameText, "a"), nullptr);
    ListDestroy(empty);

    DblList* list = listOf({"a1", "b1", "a2", "b2", "a3"});
    ListFirst(list);
    EXPECT_STREQ(static_cast<const char*>(ListFind(list, sameText, "b2")), "b2");
    EXPECT_EQ(contents(list), "a1 b1 a2 [b2] a3");
    ListFirst(list);
    EXPECT_EQ(ListFind(list, sameText, "zz"), nullptr);
    EXPECT_EQ(contents(list), "a1 b1 a2 b2 [a3]");

    // ListFindNext starts after the cursor: the cursor's own datum is not tested.
    ListFirst(list);
    EXPECT_STREQ(static_cast<const char*>(ListFindNext(list, sameInitial, "a")), "a2");
    EXPECT_STREQ(static_cast<const char*>(ListFindNext(list, sameInitial, "a")), "a3");
    EXPECT_EQ(ListFindNext(list, sameInitial, "a"), nullptr);
    EXPECT_EQ(contents(list), "a1 b1 a2 b2 [a3]");

    for (int32_t n : {1, 2, 3}) {
        std::string expected = "a" + std::to_string(n);
        EXPECT_EQ(static_cast<const char*>(ListFindNth(list, sameInitial, "a", &n)), expected);
    }
    int32_t fourth = 4;
    int32_t zeroth = 0;
    EXPECT_EQ(ListFindNth(list, sameInitial, "a", &fourth), nullptr);
    EXPECT_EQ(ListFindNth(list, sameInitial, "a", &zeroth), nullptr);
    EXPECT_EQ(contents(list), "a1 b1 a2 b2 [a3]");

    EXPECT_EQ(ListIndexOf(list, sameText, "a2"), 3);
    EXPECT_EQ(ListIndexOf(list, sameText, "zz"), -1);
    EXPECT_EQ(ListCountMatches(list, sameInitial, "b"), 2);
    ListDestroy(list);
}

int prefixAndText(const void* key, const void* extra, const void* datum) {
    std::string wanted = std::string(static_cast<const char*>(key)) + static_cast<const char*>(extra);
    return wanted == static_cast<const char*>(datum) ? 1 : 0;
}

// Any answer other than exactly 1 is no match.
int answersTwo(const void*, const void*) {
    return 2;
}

TEST_F(DblListTest, SearchesWithExtraArgumentAndBackward) {
    DblList* list = listOf({"a1", "b1", "a2", "b2"});
    EXPECT_STREQ(static_cast<const char*>(ListFindWith(list, prefixAndText, "a", "2")), "a2");
    EXPECT_STREQ(static_cast<const char*>(ListFindNextWith(list, prefixAndText, "b", "2")), "b2");
    EXPECT_EQ(ListFindNextWith(list, prefixAndText, "b", "2"), nullptr);

    EXPECT_STREQ(static_cast<const char*>(ListFindBackward(list, sameInitial, "a")), "a2");
    EXPECT_STREQ(static_cast<const char*>(ListFindPrev(list, sameInitial, "a")), "a1");
    EXPECT_EQ(ListFindPrev(list, sameInitial, "a"), nullptr);
    EXPECT_EQ(contents(list), "[a1] b1 a2 b2");
    ListLast(list);
    EXPECT_STREQ(static_cast<const char*>(ListFindPrevWith(list, prefixAndText, "b", "1")), "b1");
    EXPECT_EQ(ListFindBackward(list, sameText, "zz"), nullptr);
    EXPECT_EQ(contents(list), "[a1] b1 a2 b2");

    EXPECT_EQ(ListFind(list, answersTwo, nullptr), nullptr);
    ListDestroy(list);
}

std::string visited;

void visit(void* datum) {
    visited += static_cast<const char*>(datum);
}

void visit3(void* a, void* b, void* c, void* datum) {
    visited += std::string(static_cast<const char*>(a)) + static_cast<const char*>(b) +
               static_cast<const char*>(c) + static_cast<const char*>(datum) + " ";
}

void visit6(void* a, void*, void*, void*, void*, void* f, void* datum) {
    visited += std::string(static_cast<const char*>(a)) + static_cast<const char*>(f) +
               static_cast<const char*>(datum);
}

void visit9(void* a, void*, void*, void*, void*, void*, void*, void*, void* i, void* datum) {
    visited += std::string(static_cast<const char*>(a)) + static_cast<const char*>(i) +
               static_cast<const char*>(datum);
}

TEST_F(DblListTest, WalksVisitEveryDatumInOrderAndEndOnTheLastNode) {
    DblList* list = listOf({"x", "y", "z"});
    ListFirst(list);
    visited.clear();
    ListApply(list, visit);
    EXPECT_EQ(visited, "xyz");
    EXPECT_EQ(contents(list), "x y [z]");

    visited.clear();
    ListFirst(list);
    ListForEach(list, visit3, text("1"), text("2"), text("3"));
    EXPECT_EQ(visited, "123x 123y 123z ");
    EXPECT_EQ(ListAtLast(list), 1);

    visited.clear();
    ListForEach6(list, visit6, text("1"), text("2"), text("3"), text("4"), text("5"), text("6"));
    ListForEach9(list, visit9, text("1"), text("2"), text("3"), text("4"), text("5"), text("6"), text("7"),
                 text("8"), text("9"));
    EXPECT_EQ(visited, "16x16y16z19x19y19z");

    ListFirst(list);
    EXPECT_EQ(ListCount(list), 3);
    EXPECT_EQ(contents(list), "x y [z]");
    DblList* empty = ListCreate(nullptr);
    EXPECT_EQ(ListCount(empty), 0);
    ListDestroy(empty);
    ListDestroy(list);
}

TEST_F(DblListTest, FreeRoutineFreesDataOnlyWhenTheListOwnsThem) {
    DblList* owning = listOf({"a", "b", "c"}, recordingFree);
    ListDestroy(owning);
    EXPECT_EQ(freedTexts(), (std::vector<std::string>{"a", "b", "c"}));

    freedTexts().clear();
    char* kept = ::strdup("kept");
    DblList* borrowing = ListCreate(nullptr);
    ListInsert(borrowing, kept);
    ListDestroy(borrowing);
    EXPECT_STREQ(kept, "kept");
    std::free(kept);

    DblList* list = listOf({"a", "b", "c", "d"}, recordingFree);
    ListFirst(list);
    void* popped = ListPopFirst(list);
    EXPECT_STREQ(static_cast<const char*>(popped), "a");
    EXPECT_EQ(contents(list), "[b] c d");  // a cursor on the popped node moves to the next one
    std::free(popped);
    ListLast(list);
    ListDeleteFirst(list);
    EXPECT_EQ(contents(list), "c [d]");
    EXPECT_EQ(freedTexts(), (std::vector<std::string>{"b"}));

    void* removed = ListRemove(list);
    EXPECT_EQ(freedTexts().size(), 1u);  // removing answers the datum without freeing it
    std::free(removed);
    ListClear(list, 1);
    EXPECT_EQ(freedTexts(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(ListIsEmpty(list), 1);
    EXPECT_EQ(ListPopFirst(list), nullptr);
    ListDestroy(list);

    DblList* shared = listOf({"x"});
    ListClear(shared, 0);
    EXPECT_EQ(contents(shared), "");
    ListDestroy(shared);
}

TEST_F(DblListTest, UserWord) {
    DblList* list = ListCreate(nullptr);
    EXPECT_EQ(ListGetUser(list), 0);
    ListSetUser(list, 42);
    EXPECT_EQ(ListGetUser(list), 42);
    ListDestroy(list);
}

}  // namespace
