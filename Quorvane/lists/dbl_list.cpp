#include "Quorvane/lists/dbl_list.h"

#include "toolkit/util/err_report.h"

namespace {

constexpr const char* kTag = "DBL";

void freeDatum(const DblList* list, void* datum) {
    if (list->freeRoutine != nullptr && datum != nullptr) list->freeRoutine(datum);
}

bool refusedNull(const void* datum) {
    if (datum != nullptr) return false;
    ErrReport(ErrReportContinue, "Tried to add to list a NULL pointer", kTag);
    return true;
}

DblNode* newNode(void* datum) {
    auto* node = static_cast<DblNode*>(ErrAlloc(sizeof(DblNode), kTag));
    node->datum = datum;
    return node;
}

// Links a new node between prev and next (either may be NULL) and puts the cursor on it.
DblNode* linkBetween(DblList* list, DblNode* prev, DblNode* next, void* datum) {
    DblNode* node = newNode(datum);
    node->prev = prev;
    node->next = next;
    if (prev != nullptr) {
        prev->next = node;
    } else {
        list->first = node;
    }
    if (next != nullptr) {
        next->prev = node;
    } else {
        list->last = node;
    }
    list->cursor = node;
    return node;
}

// Unlinks and frees the node, answering its datum; the cursor is the caller's concern.
void* releaseNode(DblList* list, DblNode* node) {
    if (node->prev != nullptr) {
        node->prev->next = node->next;
    } else {
        list->first = node->next;
    }
    if (node->next != nullptr) {
        node->next->prev = node->prev;
    } else {
        list->last = node->prev;
    }
    if (list->savedCursor == node) list->savedCursor = nullptr;
    void* datum = node->datum;
    ErrFree(node);
    return datum;
}

// Tests nodes from start on, stepping with step, the cursor on each node tested. The cursor stays on the
// last node tested when nothing matches.
template <class Match>
void* walkFrom(DblList* list, DblNode* start, DblNode* DblNode::*step, Match match) {
    for (DblNode* node = start; node != nullptr; node = node->*step) {
        list->cursor = node;
        if (match(node->datum)) return node->datum;
    }
    return nullptr;
}

template <class Match>
void* searchForward(DblList* list, Match match) {
    if (list == nullptr || list->first == nullptr) return nullptr;
    return walkFrom(list, list->first, &DblNode::next, match);
}

// Runs visit on every datum from the first node; the cursor ends on the last node.
template <class Visit>
void visitAll(DblList* list, Visit visit) {
    searchForward(list, [&](void* datum) {
        visit(datum);
        return false;
    });
}

}  // namespace

DblList* ListCreate(DblFreeRoutine freeRoutine) {
    auto* list = static_cast<DblList*>(ErrAlloc(sizeof(DblList), kTag));
    list->freeRoutine = freeRoutine;
    return list;
}

void ListDestroy(DblList* list) {
    if (list == nullptr) return;
    ListClear(list, 1);
    ErrFree(list);
}

int ListIsEmpty(const DblList* list) {
    return list->first == nullptr ? 1 : 0;
}

void ListSetUser(DblList* list, intptr_t user) {
    list->user = user;
}

intptr_t ListGetUser(const DblList* list) {
    return list->user;
}

DblList* ListFirst(DblList* list) {
    list->cursor = list->first;
    return list;
}

DblList* ListLast(DblList* list) {
    list->cursor = list->last;
    return list;
}

int ListAtFirst(const DblList* list) {
    return list->cursor == list->first ? 1 : 0;
}

int ListAtLast(const DblList* list) {
    return list->cursor == list->last ? 1 : 0;
}

void* ListCurrent(const DblList* list) {
    return list->cursor != nullptr ? list->cursor->datum : nullptr;
}

void ListNext(DblList* list) {
    if (list->cursor == list->last) return;
    if (list->cursor == nullptr) ErrReport(ErrReportFatal, "Impossible program route", kTag);
    list->cursor = list->cursor->next;
}

void ListPrev(DblList* list) {
    if (list->cursor == list->first) return;
    if (list->cursor == nullptr) ErrReport(ErrReportFatal, "Impossible program route", kTag);
    list->cursor = list->cursor->prev;
}

void ListGoTo(DblList* list, int32_t n) {
    ListFirst(list);
    for (int32_t step = 1; step < n && list->cursor != list->last; ++step) list->cursor = list->cursor->next;
}

int32_t ListPosition(const DblList* list) {
    int32_t position = 1;
    for (const DblNode* node = list->first; node != nullptr && node != list->cursor; node = node->next) {
        ++position;
    }
    return position;
}

void ListSaveCursor(DblList* list) {
    list->savedCursor = list->cursor;
}

void ListRestoreCursor(DblList* list) {
    list->cursor = list->savedCursor;
}

DblNode* ListInsert(DblList* list, void* datum) {
    if (refusedNull(datum)) return nullptr;
    DblNode* after = list->cursor != nullptr ? list->cursor : list->last;
    return linkBetween(list, after, after != nullptr ? after->next : nullptr, datum);
}

void ListInsertBefore(DblList* list, void* datum) {
    if (refusedNull(datum)) return;
    if (list->cursor == nullptr) {
        ListInsert(list, datum);
        return;
    }
    linkBetween(list, list->cursor->prev, list->cursor, datum);
}

void* ListRemove(DblList* list) {
    DblNode* node = list->cursor;
    if (node == nullptr) return nullptr;
    list->cursor = node->prev != nullptr ? node->prev : node->next;
    return releaseNode(list, node);
}

void* ListRemoveForward(DblList* list) {
    DblNode* node = list->cursor;
    if (node == nullptr) return nullptr;
    list->cursor = node->next != nullptr ? node->next : node->prev;
    return releaseNode(list, node);
}

void* ListPopFirst(DblList* list) {
    DblNode* node = list->first;
    if (node == nullptr) return nullptr;
    if (list->cursor == node) list->cursor = node->next;
    return releaseNode(list, node);
}

void ListDeleteFirst(DblList* list) {
    freeDatum(list, ListPopFirst(list));
}

void ListClear(DblList* list, int freeData) {
    while (list->first != nullptr) {
        void* datum = releaseNode(list, list->first);
        if (freeData == 1) freeDatum(list, datum);
    }
    list->cursor = nullptr;
}

void* ListFind(DblList* list, DblMatch match, const void* key) {
    return searchForward(list, [&](const void* datum) { return match(key, datum) == 1; });
}

void* ListFindWith(DblList* list, DblMatchWith match, const void* key, const void* extra) {
    return searchForward(list, [&](const void* datum) { return match(key, extra, datum) == 1; });
}

void* ListFindNth(DblList* list, DblMatch match, const void* user, const int32_t* n) {
    int32_t seen = 0;
    return searchForward(list, [&](const void* datum) { return match(user, datum) == 1 && ++seen == *n; });
}

void* ListFindNext(DblList* list, DblMatch match, const void* key) {
    if (list == nullptr || list->cursor == nullptr) return nullptr;
    return walkFrom(list, list->cursor->next, &DblNode::next,
                    [&](const void* datum) { return match(key, datum) == 1; });
}

void* ListFindNextWith(DblList* list, DblMatchWith match, const void* user, const void* extra) {
    if (list == nullptr || list->cursor == nullptr) return nullptr;
    return walkFrom(list, list->cursor->next, &DblNode::next,
                    [&](const void* datum) { return match(user, extra, datum) == 1; });
}

void* ListFindBackward(DblList* list, DblMatch match, const void* key) {
    if (list == nullptr || list->last == nullptr) return nullptr;
    return walkFrom(list, list->last, &DblNode::prev,
                    [&](const void* datum) { return match(key, datum) == 1; });
}

void* ListFindPrev(DblList* list, DblMatch match, const void* key) {
    if (list == nullptr || list->cursor == nullptr) return nullptr;
    return walkFrom(list, list->cursor->prev, &DblNode::prev,
                    [&](const void* datum) { return match(key, datum) == 1; });
}

void* ListFindPrevWith(DblList* list, DblMatchWith match, const void* user, const void* extra) {
    if (list == nullptr || list->cursor == nullptr) return nullptr;
    return walkFrom(list, list->cursor->prev, &DblNode::prev,
                    [&](const void* datum) { return match(user, extra, datum) == 1; });
}

int32_t ListIndexOf(DblList* list, DblMatch match, const void* user) {
    int32_t position = 0;
    void* found = searchForward(list, [&](const void* datum) {
        ++position;
        return match(user, datum) == 1;
    });
    return found != nullptr ? position : -1;
}

int32_t ListCountMatches(DblList* list, DblMatch match, const void* user) {
    int32_t count = 0;
    visitAll(list, [&](const void* datum) { count += match(user, datum) == 1 ? 1 : 0; });
    return count;
}

void ListApply(DblList* list, DblApply apply) {
    visitAll(list, [&](void* datum) { apply(datum); });
}

void ListForEach(DblList* list, DblForEach3 callback, void* a, void* b, void* c) {
    visitAll(list, [&](void* datum) { callback(a, b, c, datum); });
}

void ListForEach6(DblList* list, DblForEach6 callback, void* a, void* b, void* c, void* d, void* e, void* f) {
    visitAll(list, [&](void* datum) { callback(a, b, c, d, e, f, datum); });
}

void ListForEach9(DblList* list, DblForEach9 callback, void* a, void* b, void* c, void* d, void* e, void* f,
                  void* g, void* h, void* i) {
    visitAll(list, [&](void* datum) { callback(a, b, c, d, e, f, g, h, i, datum); });
}

int32_t ListCount(DblList* list) {
    int32_t count = 0;
    visitAll(list, [&](void*) { ++count; });
    return count;
}
