#pragma once
// Singly linked list of untyped data pointers with one cursor, on which every operation works.
// Headers, nodes and string copies are counted memory under the module tag "SL".
// A walk stops at a NULL datum; comparators match when they return exactly 1.

#include <cstdint>

struct SlNode {
    void* datum;
    SlNode* next;
};

using SlDestructor = void (*)(void* datum);
using SlMatch = int (*)(const void* key, const void* datum);
using SlMatchArg = int (*)(const void* key, const void* extra, const void* datum);
using SlOutOfOrder = int (*)(const void* earlier, const void* later);
using SlAction = void (*)(void* datum);
using SlActionArgs = void (*)(void* a, void* b, void* c, void* datum);
using SlTransform = void* (*)(void* datum);

struct SlList;
using SlAccept = int (*)(SlList* to, const void* datum);

struct SlList {
    SlNode* head;
    SlNode* tail;
    SlNode* cursor;       // null only when the list is empty or after SlRestoreCursor of nothing
    SlNode* savedCursor;  // cleared when its element is removed
    SlDestructor destructor;
    int32_t userValue;
};

// Creation, destruction and state.
SlList* SlCreate(SlDestructor destructor);
// Frees every node, applying the destructor (when set) to each non-null datum in order; null does nothing.
void SlDestroy(SlList* list);
int SlIsEmpty(const SlList* list);
int SlHasOneElement(const SlList* list);
int32_t SlCount(const SlList* list);
void SlSetUserValue(SlList* list, int32_t value);
int32_t SlGetUserValue(const SlList* list);

// Cursor.
SlList* SlFirst(SlList* list);
SlList* SlLast(SlList* list);
// Both give 1 for an empty list.
int SlAtFirst(const SlList* list);
int SlAtLast(const SlList* list);
// Stays on the last element; fatal "Impossible program route" when the list has elements but no cursor.
void SlNext(SlList* list);
// Stays on the first element; with no cursor it goes to the last element.
void SlPrevious(SlList* list);
void* SlCurrent(const SlList* list);
SlList* SlSaveCursor(SlList* list);
SlList* SlRestoreCursor(SlList* list);

// Insertion and removal. Insertions move the cursor to the new element; with no cursor they append.
void SlInsertAfter(SlList* list, void* datum);
void SlInsertBefore(SlList* list, void* datum);
// Unlinks the cursor's element and gives its datum; the cursor goes to the preceding element
// (to the new first one when the first was removed). NULL when there is no element at the cursor.
void* SlRemoveCurrent(SlList* list);
// As SlRemoveCurrent, but the cursor goes to the following element (the new last one after the last).
void* SlRemoveCurrentForward(SlList* list);
// Unlinks the first element and gives its datum; a cursor on it goes to the new first element.
void* SlPopFirst(SlList* list);
// As SlPopFirst, then applies the destructor to the datum.
void SlDeleteFirst(SlList* list);
// Removes every element, from the cursor back to the first, then the rest onwards; destroy 1 applies
// the destructor to each datum in that order. Gives 1.
int SlClear(SlList* list, int destroy);

// Search: the cursor is left on the element found, else where the walk stopped.
void* SlFind(SlList* list, SlMatch match, const void* key);
void* SlFindArg(SlList* list, SlMatchArg match, const void* key, const void* extra);
void* SlFindNext(SlList* list, SlMatch match, const void* key);
void* SlFindNextArg(SlList* list, SlMatchArg match, const void* key, const void* extra);
// Searches the elements before the cursor, nearest first.
void* SlFindPrevious(SlList* list, SlMatch match, const void* key);
void* SlFindPreviousArg(SlList* list, SlMatchArg match, const void* key, const void* extra);
// 1-based position of the first match; -1 when none.
int32_t SlIndexOf(SlList* list, SlMatch match, const void* key);
// Number of matches; 0 when any datum is NULL.
int32_t SlCountIf(SlList* list, SlMatch match, const void* key);
// The first datum that matches (earlier datum, extra, it) for some earlier element, the cursor on it.
void* SlFindRepeat(SlList* list, SlMatchArg match, const void* extra);
int SlSamePointer(const void* a, const void* b);

// Walks over all elements.
void SlForEach(SlList* list, SlAction fn);
void SlForEachArgs(SlList* list, SlActionArgs fn, void* a, void* b, void* c);
// Inserts each datum of from (or transform(datum)) after to's cursor, in order.
void SlCopy(SlList* from, SlTransform transform, SlList* to);

// Moving between lists; a null or empty from adds nothing.
// Appends the data of from to to; from gives up its destructor and is destroyed when destroyFrom is 1.
void SlAppendList(SlList* to, SlList* from, int destroyFrom);
// Appends string copies (length + 2 octets) of the data of from; from keeps its data and destructor.
void SlAppendStringCopies(SlList* to, SlList* from, int destroyFrom);
// Appends (shares) each datum of from with accept(to, datum) = 1.
void SlAppendIf(SlList* to, SlList* from, SlAccept accept);
// Inserts the data of from at to's cursor, before its element when before is 1, else after it.
// keepCursor 1 leaves to's cursor on the element it stood on.
void SlSpliceList(SlList* to, SlList* from, int before, int destroyFrom, int keepCursor);

// Reordering. SlReverse and SlSort leave the cursor on the last element.
void SlReverse(SlList* list);
// Stable: an element moves before an earlier one only when outOfOrder(earlier, later) = 1.
void SlSort(SlList* list, SlOutOfOrder outOfOrder);
// Removes every element whose datum is the same pointer as an earlier one.
void SlRemoveDuplicates(SlList* list);
// Removes (without the destructor) the element SlFindRepeat would find.
void SlRemoveFirstRepeat(SlList* list, SlMatchArg match, const void* extra);
