#pragma once
// The server's list: a doubly linked list of untyped data pointers with one cursor and an element free
// routine. Nearly every operation works at or from the cursor; searches and walks leave the cursor where
// they stopped. Heads and nodes are counted memory under the module tag "DBL" (exhaustion is fatal).
// A NULL datum is never stored. Callbacks match when they answer exactly 1; they get the caller's
// arguments first and the datum last. Operations on two lists are in dbl_list_combine.h, reordering and
// bulk removal in dbl_list_reorder.h.

#include <cstdint>

struct DblNode {
    void* datum;
    DblNode* next;
    DblNode* prev;
};

using DblFreeRoutine = void (*)(void* datum);

struct DblList {
    DblNode* first;  // NULL exactly when the list is empty
    DblNode* last;
    DblNode* cursor;             // NULL only while the list is empty or after restoring an empty saved cursor
    DblNode* savedCursor;        // cleared when its node is removed
    DblFreeRoutine freeRoutine;  // applied to data the list frees; may be NULL
    intptr_t user;               // the caller's word, 0 at creation
};

using DblMatch = int (*)(const void* key, const void* datum);
using DblMatchWith = int (*)(const void* key, const void* extra, const void* datum);
using DblApply = void (*)(void* datum);
using DblForEach3 = void (*)(void* a, void* b, void* c, void* datum);
using DblForEach6 = void (*)(void* a, void* b, void* c, void* d, void* e, void* f, void* datum);
using DblForEach9 = void (*)(void* a, void* b, void* c, void* d, void* e, void* f, void* g, void* h, void* i,
                             void* datum);

// Creation and state.
DblList* ListCreate(DblFreeRoutine freeRoutine);
// Frees every node, each datum through the free routine when there is one, then the head; NULL does nothing.
void ListDestroy(DblList* list);
int ListIsEmpty(const DblList* list);
void ListSetUser(DblList* list, intptr_t user);
intptr_t ListGetUser(const DblList* list);

// Cursor. ListAtFirst and ListAtLast answer 1 for an empty list.
DblList* ListFirst(DblList* list);
DblList* ListLast(DblList* list);
int ListAtFirst(const DblList* list);
int ListAtLast(const DblList* list);
// The datum at the cursor; NULL without a cursor.
void* ListCurrent(const DblList* list);
// One step forward (back); nothing at the last (first) node. A list with nodes but no cursor is fatal
// "Impossible program route".
void ListNext(DblList* list);
void ListPrev(DblList* list);
// The cursor to the first node, then n - 1 steps forward, stopping at the last node.
void ListGoTo(DblList* list, int32_t n);
// The cursor's position counting from 1; 1 for an empty list.
int32_t ListPosition(const DblList* list);
void ListSaveCursor(DblList* list);
void ListRestoreCursor(DblList* list);

// Insertion; the cursor moves to the new node. A NULL datum is refused with the report "Tried to add to
// list a NULL pointer". Without a cursor (only after restoring an empty saved cursor) both append.
// Inserts after the cursor and answers the new node (NULL when refused).
DblNode* ListInsert(DblList* list, void* datum);
// Inserts before the cursor.
void ListInsertBefore(DblList* list, void* datum);

// Removal of the cursor's node: the node is freed, its datum answered and not freed; NULL without a node.
// ListRemove leaves the cursor on the previous node (the new first one when the first was removed);
// ListRemoveForward on the next node (the new last one when the last was removed).
void* ListRemove(DblList* list);
void* ListRemoveForward(DblList* list);
// Unlinks the first node and answers its datum (NULL when empty); a cursor on it moves to the next node.
void* ListPopFirst(DblList* list);
// ListPopFirst, then the datum goes through the free routine.
void ListDeleteFirst(DblList* list);
// Removes every node; freeData 1 passes each datum through the free routine.
void ListClear(DblList* list, int freeData);

// Searches: the cursor ends on the match, else on the node where the walk ended (the last node going
// forward, the first going backward). NULL lists and empty lists answer NULL and keep their cursor.
void* ListFind(DblList* list, DblMatch match, const void* key);
void* ListFindWith(DblList* list, DblMatchWith match, const void* key, const void* extra);
// The *n-th datum (counting from 1) with match(user, datum) = 1; NULL when there are fewer.
void* ListFindNth(DblList* list, DblMatch match, const void* user, const int32_t* n);
// From the node after the cursor; the cursor's own datum is not tested.
void* ListFindNext(DblList* list, DblMatch match, const void* key);
void* ListFindNextWith(DblList* list, DblMatchWith match, const void* user, const void* extra);
// From the last node backward.
void* ListFindBackward(DblList* list, DblMatch match, const void* key);
// From the node before the cursor backward.
void* ListFindPrev(DblList* list, DblMatch match, const void* key);
void* ListFindPrevWith(DblList* list, DblMatchWith match, const void* user, const void* extra);
// Position (from 1) of the first datum with match(user, datum) = 1; -1 when none.
int32_t ListIndexOf(DblList* list, DblMatch match, const void* user);
int32_t ListCountMatches(DblList* list, DblMatch match, const void* user);

// Walks from the first node to the last, which holds the cursor afterwards.
void ListApply(DblList* list, DblApply apply);
void ListForEach(DblList* list, DblForEach3 callback, void* a, void* b, void* c);
void ListForEach6(DblList* list, DblForEach6 callback, void* a, void* b, void* c, void* d, void* e, void* f);
void ListForEach9(DblList* list, DblForEach9 callback, void* a, void* b, void* c, void* d, void* e, void* f,
                  void* g, void* h, void* i);
int32_t ListCount(DblList* list);
