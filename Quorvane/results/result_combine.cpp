#include "Quorvane/results/result_combine.h"

#include "Quorvane/results/result_row.h"

namespace {

const ResultRow& head(const DblList* rows) {
    return *static_cast<const ResultRow*>(rows->first->datum);
}

void moveHead(DblList* from, DblList* to) {
    void* row = ListPopFirst(from);
    ListLast(to);
    ListInsert(to, row);
}

void dropHead(DblList* rows) {
    ListDeleteFirst(rows);
}

void moveAll(DblList* from, DblList* to) {
    while (from->first != nullptr) moveHead(from, to);
}

// Frees both lists when either is missing; true when both are there.
bool bothPresent(DblList* left, DblList* right) {
    if (left != nullptr && right != nullptr) return true;
    ListDestroy(left);
    ListDestroy(right);
    return false;
}

}  // namespace

DblList* IntersectResults(DblList* left, DblList* right) {
    if (!bothPresent(left, right)) return nullptr;
    DblList* result = CreateRowList();
    while (left->first != nullptr && right->first != nullptr) {
        int order = CompareResultRows(head(left), head(right));
        if (order == 0) {
            moveHead(left, result);
        } else if (order < 0) {
            dropHead(left);
        } else {
            dropHead(right);
        }
    }
    ListDestroy(left);
    ListDestroy(right);
    return result;
}

DblList* UnionResults(DblList* left, DblList* right) {
    if (!bothPresent(left, right)) return nullptr;
    DblList* result = CreateRowList();
    while (left->first != nullptr && right->first != nullptr) {
        int order = CompareResultRows(head(left), head(right));
        if (order <= 0) {
            if (order == 0) dropHead(right);
            moveHead(left, result);
        } else {
            moveHead(right, result);
        }
    }
    moveAll(left, result);
    moveAll(right, result);
    ListDestroy(left);
    ListDestroy(right);
    return result;
}

DblList* SubtractResults(DblList* left, DblList* right) {
    if (!bothPresent(left, right)) return nullptr;
    DblList* result = CreateRowList();
    while (left->first != nullptr) {
        while (right->first != nullptr && CompareResultRows(head(right), head(left)) < 0) dropHead(right);
        if (right->first != nullptr && CompareResultRows(head(right), head(left)) == 0) {
            dropHead(left);
        } else {
            moveHead(left, result);
        }
    }
    ListDestroy(left);
    ListDestroy(right);
    return result;
}
