#include "Quorvane/lists/dbl_list_of.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace {

// An element that counts the live elements of its kind.
struct Counted {
    explicit Counted(int n) : number(n) { ++alive; }
    ~Counted() { --alive; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

    int number;
    static inline int alive = 0;
};

using CountedList = DblListOf<Counted>;

std::vector<int> countedNumbers(const CountedList& list) {
    std::vector<int> numbers;
    for (const Counted& element : list) numbers.push_back(element.number);
    return numbers;
}

// The list of the numbers in order, the cursor on the last.
void appendCounted(CountedList& list, std::initializer_list<int> numbers) {
    for (int n : numbers) list.append(std::make_unique<Counted>(n));
}

class DblListOfTest : public testing::Test {
  protected:
    void TearDown() override { EXPECT_EQ(Counted::alive, 0) << "every element is deleted exactly once"; }
};

TEST_F(DblListOfTest, OwnsItsElementsUntilTheyLeave) {
    {
        CountedList list;
        appendCounted(list, {1, 2, 3});
        EXPECT_EQ(Counted::alive, 3);
        list.first();
        list.next();
        std::unique_ptr<Counted> taken = list.removeForward();
        EXPECT_EQ(taken->number, 2);
        EXPECT_EQ(list.current()->number, 3) << "the cursor moves on to the next element";
        EXPECT_EQ(countedNumbers(list), (std::vector<int>{1, 3}));
        EXPECT_EQ(Counted::alive, 3) << "the removed element is the caller's now";
        taken.reset();
        list.clear();
        EXPECT_TRUE(list.empty());
        EXPECT_EQ(Counted::alive, 0);
        appendCounted(list, {4, 5});
    }
    EXPECT_EQ(Counted::alive, 0) << "destroying the list deletes what it holds";

    CountedList from;
    appendCounted(from, {6, 7});
    CountedList to(std::move(from));
    CountedList assigned;
    appendCounted(assigned, {8});
    assigned = std::move(to);
    EXPECT_EQ(countedNumbers(assigned), (std::vector<int>{6, 7}));
    EXPECT_EQ(Counted::alive, 2) << "the assigned list's own element was deleted";
}

TEST_F(DblListOfTest, InsertionAndSearchesFollowTheCursor) {
    CountedList list;
    appendCounted(list, {1, 3, 5});
    list.first();
    list.insert(std::make_unique<Counted>(2));
    EXPECT_EQ(list.current()->number, 2);
    list.last();
    EXPECT_EQ(list.insertBefore(std::make_unique<Counted>(4))->number, 4);
    EXPECT_EQ(countedNumbers(list), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(list.size(), 5u);
    EXPECT_EQ(list.current()->number, 4) << "walking the list leaves the cursor alone";
    EXPECT_EQ(list.afterCurrent()->number, 5);

    list.saveCursor();
    Counted* found = list.find([](const Counted& element) { return element.number > 2; });
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->number, 3);
    EXPECT_EQ(list.current(), found);
    EXPECT_EQ(list.find([](const Counted& element) { return element.number > 9; }), nullptr);
    EXPECT_TRUE(list.atLast()) << "a search that finds nothing ends on the last element";
    EXPECT_EQ(list.afterCurrent(), nullptr);
    list.restoreCursor();
    EXPECT_EQ(list.current()->number, 4);

    int sum = 0;
    list.first();
    list.apply([&sum](Counted& element) { sum += element.number; });
    EXPECT_EQ(sum, 15);
    EXPECT_TRUE(list.atLast());

    list.setUser(7);
    EXPECT_EQ(list.user(), 7);
}

}  // namespace
