#pragma once
// Boolean combinations of two result sets in key order, each one linear merge. Each consumes both
// operands: the rows named below move into the result (in key order), every other row goes with its set.

#include "Quorvane/results/result_set.h"

// AND: the rows of left whose key occurs in right.
ResultSet IntersectResults(ResultSet left, ResultSet right);
// OR: every key of either set; for a key in both, the row of left.
ResultSet UnionResults(ResultSet left, ResultSet right);
// AND-NOT: the rows of left whose key does not occur in right.
ResultSet SubtractResults(ResultSet left, ResultSet right);
