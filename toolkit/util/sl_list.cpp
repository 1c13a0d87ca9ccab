#include "toolkit/util/sl_list.h"

#include <cstring>
#include <unordered_set>
#include <vector>

#include "toolkit/util/err_report.h"

namespace {

constexpr const char* kTag = "SL";

void destroyDatum(const SlList* list, void* datum) {
    if (list->destructor != nullptr && datum != nullptr) list->destructor(datum);
}

// Frees an unlinked node; a saved cursor on it would otherwise dangle.
void* releaseNode(SlList* list, SlNode* node) {
    if (list->savedCursor == node) list->savedCursor = nullptr;
    void* datum = node->datum;
    ErrFree(node);
    return datum;
}

void freeNodes(SlList* list) {
    SlNode* node = list->head;
    while (node != nullptr) {
        SlNode* next = node->next;
        destroyDatum(list, node->datum);
        ErrFree(node);
        node = next;
    }
    list->head = list->tail = list->cursor = list->savedCursor = nullptr;
}

// The common walk: from the first element to the last, the cursor on the element looked at.
// Stops at a NULL datum or when visit gives true; gives the datum it stopped on for visit.
template <class Visit>
void* walk(SlList* list, Visit visit) {
    if (list == nullptr) return nullptr;
    SlFirst(list);
    for (;;) {
        void* datum = SlCurrent(list);
        if (datum == nullptr) return nullptr;
        if (visit(datum)) return datum;
        if (SlAtLast(list)) return nullptr;
        SlNext(list);
    }
}

template <class Match>
void* searchForward(SlList* list, Match match) {
    if (list->cursor == nullptr) return nullptr;
    while (!SlAtLast(list)) {
        SlNext(list);
        void* datum = SlCurrent(list);
        if (datum == nullptr) return nullptr;
        if (match(datum)) return datum;
    }
    return nullptr;
}

template <class Match>
void* searchBackward(SlList* list, Match match) {
    while (!SlAtFirst(list)) {
        SlPrevious(list);
        void* datum = SlCurrent(list);
        if (datum == nullptr) return nullptr;
        if (match(datum)) return datum;
    }
    return nullptr;
}

// Appends every datum of from (transformed by copy) to the end of to, in order.
template <class Copy>
void appendAll(SlList* to, const SlList* from, Copy copy) {
    SlLast(to);
    for (const SlNode* node = from->head; node != nullptr; node = node->next)
        SlInsertAfter(to, copy(node->datum));
}

}  // namespace

SlList* SlCreate(SlDestructor destructor) {
    auto* list = static_cast<SlList*>(ErrAlloc(sizeof(SlList), kTag));
    list->destructor = destructor;
    return list;
}

void SlDestroy(SlList* list) {
    if (list == nullptr) return;
    freeNodes(list);
    ErrFree(list);
}

int SlIsEmpty(const SlList* list) {
    return list->head == nullptr ? 1 : 0;
}

int SlHasOneElement(const SlList* list) {
    return list->head != nullptr && list->head == list->tail ? 1 : 0;
}

int32_t SlCount(const SlList* list) {
    int32_t count = 0;
    for (const SlNode* node = list->head; node != nullptr; node = node->next) ++count;
    return count;
}

void SlSetUserValue(SlList* list, int32_t value) {
    list->userValue = value;
}

int32_t SlGetUserValue(const SlList* list) {
    return list->userValue;
}

SlList* SlFirst(SlList* list) {
    list->cursor = list->head;
    return list;
}

SlList* SlLast(SlList* list) {
    list->cursor = list->tail;
    return list;
}

int SlAtFirst(const SlList* list) {
    return list->cursor == list->head ? 1 : 0;
}

int SlAtLast(const SlList* list) {
    return list->cursor == list->tail ? 1 : 0;
}

void SlNext(SlList* list) {
    if (list->head == nullptr) return;
    if (list->cursor == nullptr) {
        ErrReport(ErrReportFatal, "Impossible program route", kTag);
        return;
    }
    if (list->cursor->next != nullptr) list->cursor = list->cursor->next;
}

void SlPrevious(SlList* list) {
    if (list->head == nullptr) return;
    if (list->cursor == nullptr) {
        list->cursor = list->tail;
        return;
    }
    SlNode* target = list->cursor;
    if (target == list->head) return;
    SlNode* node = list->head;
    while (node->next != target) node = node->next;
    list->cursor = node;
}

void* SlCurrent(const SlList* list) {
    return list->cursor != nullptr ? list->cursor->datum : nullptr;
}

SlList* SlSaveCursor(SlList* list) {
    list->savedCursor = list->cursor;
    return list;
}

SlList* SlRestoreCursor(SlList* list) {
    list->cursor = list->savedCursor;
    return list;
}

void SlInsertAfter(SlList* list, void* datum) {
    auto* node = static_cast<SlNode*>(ErrAlloc(sizeof(SlNode), kTag));
    node->datum = datum;
    if (list->head == nullptr) {
        list->head = list->tail = node;
    } else {
        SlNode* after = list->cursor != nullptr ? list->cursor : list->tail;
        node->next = after->next;
        after->next = node;
        if (after == list->tail) list->tail = node;
    }
    list->cursor = node;
}

void SlInsertBefore(SlList* list, void* datum) {
    if (list->head == nullptr || list->cursor != list->head) {
        SlPrevious(list);
        SlInsertAfter(list, datum);
        return;
    }
    auto* node = static_cast<SlNode*>(ErrAlloc(sizeof(SlNode), kTag));
    node->datum = datum;
    node->next = list->head;
    list->head = list->cursor = node;
}

void* SlRemoveCurrent(SlList* list) {
    SlNode* removed = list->cursor;
    if (removed == nullptr) return nullptr;
    if (removed == list->head) {
        list->head = list->cursor = removed->next;
        if (list->head == nullptr) list->tail = nullptr;
    } else {
        SlPrevious(list);
        list->cursor->next = removed->next;
        if (removed == list->tail) list->tail = list->cursor;
    }
    return releaseNode(list, removed);
}

void* SlRemoveCurrentForward(SlList* list) {
    SlNode* removed = list->cursor;
    if (removed == nullptr || removed == list->tail) return SlRemoveCurrent(list);
    SlNode* following = removed->next;
    void* datum = SlRemoveCurrent(list);
    list->cursor = following;
    return datum;
}

void* SlPopFirst(SlList* list) {
    SlNode* first = list->head;
    if (first == nullptr) return nullptr;
    list->head = first->next;
    if (list->head == nullptr) list->tail = nullptr;
    if (list->cursor == first) list->cursor = list->head;
    return releaseNode(list, first);
}

void SlDeleteFirst(SlList* list) {
    if (list->head == nullptr) return;
    destroyDatum(list, SlPopFirst(list));
}

int SlClear(SlList* list, int destroy) {
    while (list->head != nullptr) {
        if (list->cursor == nullptr) SlFirst(list);
        void* datum = SlRemoveCurrent(list);
        if (destroy == 1) destroyDatum(list, datum);
    }
    return 1;
}

void* SlFind(SlList* list, SlMatch match, const void* key) {
    return walk(list, [&](void* datum) { return match(key, datum) == 1; });
}

void* SlFindArg(SlList* list, SlMatchArg match, const void* key, const void* extra) {
    return walk(list, [&](void* datum) { return match(key, extra, datum) == 1; });
}

void* SlFindNext(SlList* list, SlMatch match, const void* key) {
    return searchForward(list, [&](void* datum) { return match(key, datum) == 1; });
}

void* SlFindNextArg(SlList* list, SlMatchArg match, const void* key, const void* extra) {
    return searchForward(list, [&](void* datum) { return match(key, extra, datum) == 1; });
}

void* SlFindPrevious(SlList* list, SlMatch match, const void* key) {
    return searchBackward(list, [&](void* datum) { return match(key, datum) == 1; });
}

void* SlFindPreviousArg(SlList* list, SlMatchArg match, const void* key, const void* extra) {
    return searchBackward(list, [&](void* datum) { return match(key, extra, datum) == 1; });
}

int32_t SlIndexOf(SlList* list, SlMatch match, const void* key) {
    int32_t position = 0;
    void* found = walk(list, [&](void* datum) {
        ++position;
        return match(key, datum) == 1;
    });
    return found != nullptr ? position : -1;
}

int32_t SlCountIf(SlList* list, SlMatch match, const void* key) {
    int32_t count = 0;
    walk(list, [&](void* datum) {
        count += match(key, datum) == 1 ? 1 : 0;
        return false;
    });
    // The walk stops on a NULL datum, and then nothing is counted.
    bool stoppedOnNull = list != nullptr && list->cursor != nullptr && list->cursor->datum == nullptr;
    return stoppedOnNull ? 0 : count;
}

void* SlFindRepeat(SlList* list, SlMatchArg match, const void* extra) {
    void* later = nullptr;
    walk(list, [&](void* earlier) {
        SlSaveCursor(list);
        later = SlFindNextArg(list, match, earlier, extra);
        if (later == nullptr) SlRestoreCursor(list);
        return later != nullptr;
    });
    return later;
}

int SlSamePointer(const void* a, const void* b) {
    return a == b ? 1 : 0;
}

void SlForEach(SlList* list, SlAction fn) {
    walk(list, [&](void* datum) {
        fn(datum);
        return false;
    });
}

void SlForEachArgs(SlList* list, SlActionArgs fn, void* a, void* b, void* c) {
    walk(list, [&](void* datum) {
        fn(a, b, c, datum);
        return false;
    });
}

void SlCopy(SlList* from, SlTransform transform, SlList* to) {
    walk(from, [&](void* datum) {
        SlInsertAfter(to, transform != nullptr ? transform(datum) : datum);
        return false;
    });
}

void SlAppendList(SlList* to, SlList* from, int destroyFrom) {
    if (from == nullptr) return;
    appendAll(to, from, [](void* datum) { return datum; });
    from->destructor = nullptr;
    if (destroyFrom == 1) SlDestroy(from);
}

void SlAppendStringCopies(SlList* to, SlList* from, int destroyFrom) {
    if (from == nullptr) return;
    appendAll(to, from, [](void* datum) -> void* {
        if (datum == nullptr) return nullptr;
        size_t length = std::strlen(static_cast<const char*>(datum));
        auto* copy = static_cast<char*>(ErrAllocString(static_cast<int32_t>(length + 2), kTag));
        std::memcpy(copy, datum, length);
        return copy;
    });
    if (destroyFrom == 1) SlDestroy(from);
}

void SlAppendIf(SlList* to, SlList* from, SlAccept accept) {
    if (from == nullptr) return;
    for (const SlNode* node = from->head; node != nullptr; node = node->next) {
        if (accept(to, node->datum) != 1) continue;
        SlLast(to);
        SlInsertAfter(to, node->datum);
    }
}

void SlSpliceList(SlList* to, SlList* from, int before, int destroyFrom, int keepCursor) {
    SlNode* original = to->cursor;
    bool first = true;
    for (const SlNode* node = from->head; node != nullptr; node = node->next) {
        if (first && before == 1) {
            SlInsertBefore(to, node->datum);
        } else {
            SlInsertAfter(to, node->datum);
        }
        first = false;
    }
    if (keepCursor == 1 && original != nullptr) to->cursor = original;
    from->destructor = nullptr;
    if (destroyFrom == 1) SlDestroy(from);
}

void SlReverse(SlList* list) {
    if (list == nullptr) return;
    SlNode* reversed = nullptr;
    SlNode* node = list->head;
    list->tail = node;
    while (node != nullptr) {
        SlNode* next = node->next;
        node->next = reversed;
        reversed = node;
        node = next;
    }
    list->head = reversed;
    list->cursor = list->tail;
}

void SlSort(SlList* list, SlOutOfOrder outOfOrder) {
    if (list == nullptr || list->head == list->tail) return;
    // Insertion sort of the data: an element passes an earlier one only when the pair is out of order,
    // so equal elements keep their order and any comparator ends.
    std::vector<void*> data;
    for (const SlNode* node = list->head; node != nullptr; node = node->next) {
        data.push_back(node->datum);
        for (size_t i = data.size() - 1; i > 0 && outOfOrder(data[i - 1], data[i]) == 1; --i) {
            std::swap(data[i - 1], data[i]);
        }
    }
    SlNode* node = list->head;
    for (void* datum : data) {
        node->datum = datum;
        node = node->next;
    }
    list->cursor = list->tail;
}

void SlRemoveDuplicates(SlList* list) {
    if (list == nullptr || list->head == nullptr) return;
    std::unordered_set<const void*> seen;
    SlNode* kept = list->head;
    seen.insert(kept->datum);
    while (kept->next != nullptr) {
        SlNode* candidate = kept->next;
        if (seen.insert(candidate->datum).second) {
            kept = candidate;
            continue;
        }
        kept->next = candidate->next;
        releaseNode(list, candidate);
    }
    list->tail = kept;
    list->cursor = kept;
}

void SlRemoveFirstRepeat(SlList* list, SlMatchArg match, const void* extra) {
    if (SlFindRepeat(list, match, extra) != nullptr) SlRemoveCurrent(list);
}
