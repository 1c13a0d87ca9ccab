#pragma once
// Boolean combinations of two row lists in key order. Each consumes both operands: the rows named below
// move into the result (in key order) and every other row is freed with its list. When either operand is
// null the answer is null and the other operand is freed.

#include "Quorvane/lists/dbl_list.h"

// AND: the rows of left whose key occurs in right.
DblList* IntersectResults(DblList* left, DblList* right);
// OR: every key of either list; for a key in both, the row of left.
DblList* UnionResults(DblList* left, DblList* right);
// AND-NOT: the rows of left whose key does not occur in right.
DblList* SubtractResults(DblList* left, DblList* right);
