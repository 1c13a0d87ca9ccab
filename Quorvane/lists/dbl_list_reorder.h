#pragma once
// Reordering a DBL list and removing nodes by content. Removed data are not freed unless said so.

#include "Quorvane/lists/dbl_list.h"

// outOfOrder(a, b) = 1: b must come before a.
using DblOutOfOrder = int (*)(const void* a, const void* b);

// Reverses the order of the nodes; the cursor stays on its node.
void ListReverse(DblList* list);
// Stable sort: the result has no neighbours a, b with outOfOrder(a, b) = 1. The cursor ends on the last node.
void ListSort(DblList* list, DblOutOfOrder outOfOrder);
// Removes every node whose datum is the same pointer as an earlier node's. The cursor ends on the last node.
void ListRemoveDuplicates(DblList* list);
// The first pair of data p before q with match(p, extra, q) = 1, taking p from the first node on and,
// for each p, q from the node after it on: answers q, the cursor on it. NULL when there is none, the
// cursor on the last node.
void* ListFindPair(DblList* list, DblMatchWith match, const void* extra);
// Removes the node ListFindPair finds, passing its datum through the free routine when freeDatum is 1;
// the cursor as after ListRemove. Nothing happens when there is none.
void ListRemoveLaterMatch(DblList* list, DblMatchWith match, const void* extra, int freeDatum);
// Removes every node whose datum has match(user, datum) = 1. The cursor ends on the last node.
void ListRemoveMatching(DblList* list, DblMatch match, const void* user);
