#include "toolkit/asn1/ber_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/util/memory.h"

namespace {

// A list of int slots, released with its nodes at the end of the test.
class IntList {
  public:
    IntList() : list_(ASN_ListNew(sizeof(int))) {}
    ~IntList() {
        while (ASN_ListFirst(list_) != nullptr) ASN_ListRemoveCurrent(list_);
        MemFree(list_);
    }
    IntList(const IntList&) = delete;
    IntList& operator=(const IntList&) = delete;

    BerList* get() { return list_; }
    // Stores value in the slot a list routine returned.
    static void put(void* slot, int value) {
        ASSERT_NE(slot, nullptr);
        *static_cast<int*>(slot) = value;
    }
    // The values from first to last by next links, checked against the walk from last by prev links.
    std::vector<int> values() const {
        std::vector<int> forward;
        for (BerListNode* node = list_->first; node != nullptr; node = node->next) {
            forward.push_back(*static_cast<int*>(ASN_ListSlot(node)));
        }
        std::vector<int> backward;
        for (BerListNode* node = list_->last; node != nullptr; node = node->prev) {
            backward.insert(backward.begin(), *static_cast<int*>(ASN_ListSlot(node)));
        }
        EXPECT_EQ(forward, backward);
        EXPECT_EQ(static_cast<size_t>(list_->count), forward.size());
        return forward;
    }
    int currentValue() {
        void* slot = ASN_ListCurrent(list_);
        return slot != nullptr ? *static_cast<int*>(slot) : -1;
    }

  private:
    BerList* list_;
};

TEST(BerList, AppendKeepsOrderAndMakesTheNewNodeCurrent) {
    IntList list;
    ASSERT_NE(list.get(), nullptr);
    EXPECT_EQ(list.get()->elementSize, static_cast<int32_t>(sizeof(int)));
    for (int i = 1; i <= 3; ++i) {
        void* slot = ASN_ListAppend(list.get());
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(*static_cast<int*>(slot), 0) << "slots are zero-filled";
        IntList::put(slot, i);
        EXPECT_EQ(list.currentValue(), i);
    }
    EXPECT_EQ(ASN_ListCount(list.get()), 3);
    EXPECT_EQ(list.values(), (std::vector<int>{1, 2, 3}));

    std::vector<int> reversed;
    for (void* slot = ASN_ListLast(list.get()); slot != nullptr; slot = ASN_ListPrev(list.get())) {
        reversed.push_back(*static_cast<int*>(slot));
        EXPECT_EQ(slot, ASN_ListCurrent(list.get()));
    }
    EXPECT_EQ(reversed, (std::vector<int>{3, 2, 1}));
}

TEST(BerList, CursorWithoutCurrentStartsAtTheEnds) {
    IntList list;
    EXPECT_EQ(ASN_ListFirst(list.get()), nullptr);
    EXPECT_EQ(ASN_ListLast(list.get()), nullptr);
    EXPECT_EQ(ASN_ListNext(list.get()), nullptr);
    for (int i = 1; i <= 2; ++i) IntList::put(ASN_ListAppend(list.get()), i);

    EXPECT_EQ(ASN_ListNext(list.get()), nullptr) << "past the last node";
    EXPECT_EQ(list.currentValue(), -1);
    ASSERT_NE(ASN_ListNext(list.get()), nullptr) << "no current: next starts at first";
    EXPECT_EQ(list.currentValue(), 1);
    EXPECT_EQ(ASN_ListPrev(list.get()), nullptr);
    ASSERT_NE(ASN_ListPrev(list.get()), nullptr) << "no current: prev starts at last";
    EXPECT_EQ(list.currentValue(), 2);
}

TEST(BerList, InsertionsAroundTheCurrentNode) {
    IntList list;
    EXPECT_EQ(ASN_ListInsertAfter(list.get()), nullptr) << "no current node";
    EXPECT_EQ(ASN_ListInsertBefore(list.get()), nullptr) << "no current node";
    EXPECT_EQ(ASN_ListCount(list.get()), 0);

    IntList::put(ASN_ListPrepend(list.get()), 3);  // 3
    IntList::put(ASN_ListPrepend(list.get()), 1);  // 1 3
    EXPECT_EQ(list.currentValue(), 1);
    IntList::put(ASN_ListInsertAfter(list.get()), 2);  // 1 2 3
    EXPECT_EQ(list.currentValue(), 2);
    ASN_ListLast(list.get());
    IntList::put(ASN_ListInsertAfter(list.get()), 5);   // 1 2 3 5: new last
    IntList::put(ASN_ListInsertBefore(list.get()), 4);  // 1 2 3 4 5
    ASN_ListFirst(list.get());
    IntList::put(ASN_ListInsertBefore(list.get()), 0);  // new first
    EXPECT_EQ(list.currentValue(), 0);
    EXPECT_EQ(list.values(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(BerList, RemoveCurrentRelinksAndMovesToTheNext) {
    IntList list;
    ASN_ListRemoveCurrent(list.get());  // nothing current: nothing happens
    for (int i = 1; i <= 4; ++i) IntList::put(ASN_ListAppend(list.get()), i);

    ASN_ListFirst(list.get());
    ASN_ListNext(list.get());
    ASN_ListRemoveCurrent(list.get());  // middle
    EXPECT_EQ(list.currentValue(), 3);
    EXPECT_EQ(list.values(), (std::vector<int>{1, 3, 4}));

    ASN_ListFirst(list.get());
    ASN_ListRemoveCurrent(list.get());  // first
    EXPECT_EQ(list.currentValue(), 3);
    ASN_ListLast(list.get());
    ASN_ListRemoveCurrent(list.get());  // last: no next, nothing current
    EXPECT_EQ(ASN_ListCurrent(list.get()), nullptr);
    EXPECT_EQ(list.values(), (std::vector<int>{3}));

    ASN_ListFirst(list.get());
    ASN_ListRemoveCurrent(list.get());  // the only node
    EXPECT_EQ(list.get()->first, nullptr);
    EXPECT_EQ(list.get()->last, nullptr);
    EXPECT_EQ(list.get()->current, nullptr);
    EXPECT_EQ(ASN_ListCount(list.get()), 0);
}

TEST(BerList, InitEmptiesACallerHeader) {
    BerList header{reinterpret_cast<BerListNode*>(&header), nullptr, nullptr, 7, 1};
    ASN_ListInit(&header, sizeof(void*));
    EXPECT_EQ(header.first, nullptr);
    EXPECT_EQ(header.count, 0);
    EXPECT_EQ(header.elementSize, static_cast<int32_t>(sizeof(void*)));
    void* slot = ASN_ListAppend(&header);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(header.first, header.last);
    ASN_ListRemoveCurrent(&header);
    EXPECT_EQ(header.count, 0);
}

TEST(BerList, UnusableElementSizeAppendsNothing) {
    BerList header;
    ASN_ListInit(&header, -1);
    EXPECT_EQ(ASN_ListAppend(&header), nullptr);
    EXPECT_EQ(header.count, 0);
    EXPECT_EQ(header.first, nullptr);
}

}  // namespace
