#include "Quorvane/lists/dbl_list_reorder.h"

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

// Removes every node for which drop(datum) is true, in list order.
template <class Drop>
void removeWhere(DblList* list, Drop drop) {
    DblNode* node = list->first;
    while (node != nullptr) {
        DblNode* next = node->next;
        if (drop(node->datum)) {
            list->cursor = node;
            ListRemove(list);
        }
        node = next;
    }
    ListLast(list);
}

}  // namespace

void ListReverse(DblList* list) {
    for (DblNode* node = list->first; node != nullptr; node = node->prev) std::swap(node->next, node->prev);
    std::swap(list->first, list->last);
}

void ListSort(DblList* list, DblOutOfOrder outOfOrder) {
    std::vector<void*> data;
    for (const DblNode* node = list->first; node != nullptr; node = node->next) data.push_back(node->datum);
    std::stable_sort(data.begin(), data.end(),
                     [&](const void* x, const void* y) { return outOfOrder(y, x) == 1; });
    DblNode* node = list->first;
    for (void* datum : data) {
        node->datum = datum;
        node = node->next;
    }
    ListLast(list);
}

void ListRemoveDuplicates(DblList* list) {
    std::unordered_set<const void*> seen;
    removeWhere(list, [&](const void* datum) { return !seen.insert(datum).second; });
}

void* ListFindPair(DblList* list, DblMatchWith match, const void* extra) {
    for (const DblNode* earlier = list->first; earlier != nullptr; earlier = earlier->next) {
        for (DblNode* later = earlier->next; later != nullptr; later = later->next) {
            if (match(earlier->datum, extra, later->datum) != 1) continue;
            list->cursor = later;
            return later->datum;
        }
    }
    ListLast(list);
    return nullptr;
}

void ListRemoveLaterMatch(DblList* list, DblMatchWith match, const void* extra, int freeDatum) {
    if (ListFindPair(list, match, extra) == nullptr) return;
    void* datum = ListRemove(list);
    if (freeDatum == 1 && list->freeRoutine != nullptr) list->freeRoutine(datum);
}

void ListRemoveMatching(DblList* list, DblMatch match, const void* user) {
    removeWhere(list, [&](const void* datum) { return match(user, datum) == 1; });
}
