#include "Quorvane/lists/dbl_list_reorder.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/server/lists/dbl_list_fixture.h"

namespace {

class DblListReorder : public testing::Test {
  protected:
    void SetUp() override { freedTexts().clear(); }
};

TEST_F(DblListReorder, ReverseKeepsTheCursorOnItsNode) {
    DblList* list = listOf({"a", "b", "c", "d"});
    ListGoTo(list, 2);
    ListReverse(list);
    EXPECT_EQ(contents(list), "d c [b] a");
    ListDestroy(list);

    DblList* empty = ListCreate(nullptr);
    ListReverse(empty);
    EXPECT_EQ(contents(empty), "");
    ListDestroy(empty);
}

// b must come before a when its initial is smaller.
int laterInitialFirst(const void* a, const void* b) {
    return *static_cast<const char*>(b) < *static_cast<const char*>(a) ? 1 : 0;
}

TEST_F(DblListReorder, SortIsStableAndEndsOnTheLastNode) {
    DblList* list = listOf({"c1", "a1", "b1", "a2", "c2", "b2", "a3"});
    ListFirst(list);
    ListSort(list, laterInitialFirst);
    EXPECT_EQ(contents(list), "a1 a2 a3 b1 b2 c1 [c2]");
    ListSort(list, laterInitialFirst);
    EXPECT_EQ(contents(list), "a1 a2 a3 b1 b2 c1 [c2]");
    ListDestroy(list);
}

TEST_F(DblListReorder, RemoveDuplicatesKeepsTheFirstOfEachPointer) {
    char equalText[] = "a";  // the same text at another address is no duplicate
    DblList* list = ListCreate(nullptr);
    for (const char* t : {"a", "b", "a", "c", "b", "a"}) ListInsert(list, text(t));
    ListInsert(list, equalText);
    ListFirst(list);
    ListRemoveDuplicates(list);
    EXPECT_EQ(contents(list), "a b c [a]");
    EXPECT_EQ(list->last->datum, equalText);
    ListDestroy(list);
}

// p pairs with q when q is p's text with "'" added.
int primed(const void* p, const void* extra, const void* q) {
    std::string wanted = std::string(static_cast<const char*>(p)) + static_cast<const char*>(extra);
    return wanted == static_cast<const char*>(q) ? 1 : 0;
}

TEST_F(DblListReorder, FindPairTakesTheEarliestFirstPartner) {
    // a pairs with its partner late in the list, b with one earlier: a's pair is found first.
    DblList* list = listOf({"a", "b", "b'", "a'"});
    EXPECT_STREQ(static_cast<const char*>(ListFindPair(list, primed, "'")), "a'");
    EXPECT_EQ(contents(list), "a b b' [a']");
    ListFirst(list);
    EXPECT_EQ(ListFindPair(list, primed, "\""), nullptr);
    EXPECT_EQ(contents(list), "a b b' [a']");
    ListDestroy(list);
}

TEST_F(DblListReorder, RemoveLaterMatchRemovesOnePartner) {
    DblList* list = listOf({"a", "b", "b'", "a'"}, recordingFree);
    void* bPrimed = ListFind(list, sameText, "b'");
    ListRemoveLaterMatch(list, primed, "'", 1);
    EXPECT_EQ(contents(list), "a b [b']");
    EXPECT_EQ(freedTexts(), (std::vector<std::string>{"a'"}));
    ListRemoveLaterMatch(list, primed, "'", 0);
    EXPECT_EQ(contents(list), "a [b]");
    EXPECT_EQ(freedTexts().size(), 1u);
    std::free(bPrimed);
    ListRemoveLaterMatch(list, primed, "'", 1);
    EXPECT_EQ(contents(list), "a [b]");
    ListDestroy(list);

    DblList* empty = ListCreate(nullptr);
    ListRemoveLaterMatch(empty, primed, "'", 1);
    EXPECT_EQ(contents(empty), "");
    ListDestroy(empty);
}

TEST_F(DblListReorder, RemoveMatchingRemovesWithoutFreeing) {
    DblList* list = listOf({"a1", "b1", "a2", "a3", "b2"}, recordingFree);
    std::vector<void*> data;
    for (const DblNode* node = list->first; node != nullptr; node = node->next) data.push_back(node->datum);
    ListFirst(list);
    ListRemoveMatching(list, sameInitial, "a");
    EXPECT_EQ(contents(list), "b1 [b2]");
    ListRemoveMatching(list, sameInitial, "b");
    EXPECT_EQ(contents(list), "");
    ListDestroy(list);
    EXPECT_TRUE(freedTexts().empty());
    for (void* datum : data) std::free(datum);
}

}  // namespace
