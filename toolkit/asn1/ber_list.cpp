#include "toolkit/asn1/ber_list.h"

#include <cstddef>

#include "toolkit/util/memory.h"

namespace {

// A zero-filled node with room for the list's element slot; null when memory is exhausted.
BerListNode* newNode(const BerList* list) {
    if (list->elementSize < 0 || static_cast<size_t>(list->elementSize) > INT32_MAX - sizeof(BerListNode)) {
        return nullptr;
    }
    return static_cast<BerListNode*>(MemAlloc(static_cast<int32_t>(sizeof(BerListNode) + list->elementSize)));
}

// Links node between prev and next (either may be null), makes it current and counts it.
void* linkNode(BerList* list, BerListNode* node, BerListNode* prev, BerListNode* next) {
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
    list->current = node;
    ++list->count;
    return ASN_ListSlot(node);
}

void* slotOrNull(BerListNode* node) {
    return node != nullptr ? ASN_ListSlot(node) : nullptr;
}

}  // namespace

BerList* ASN_ListNew(int32_t elementSize) {
    auto* list = static_cast<BerList*>(MemAlloc(sizeof(BerList)));
    if (list != nullptr) list->elementSize = elementSize;
    return list;
}

void ASN_ListInit(BerList* list, int32_t elementSize) {
    list->first = nullptr;
    list->last = nullptr;
    list->current = nullptr;
    list->count = 0;
    list->elementSize = elementSize;
}

int32_t ASN_ListCount(const BerList* list) {
    return list->count;
}

void* ASN_ListAppend(BerList* list) {
    BerListNode* node = newNode(list);
    if (node == nullptr) return nullptr;
    return linkNode(list, node, list->last, nullptr);
}

void* ASN_ListPrepend(BerList* list) {
    BerListNode* node = newNode(list);
    if (node == nullptr) return nullptr;
    return linkNode(list, node, nullptr, list->first);
}

void* ASN_ListInsertAfter(BerList* list) {
    BerListNode* at = list->current;
    if (at == nullptr) return nullptr;
    BerListNode* node = newNode(list);
    if (node == nullptr) return nullptr;
    return linkNode(list, node, at, at->next);
}

void* ASN_ListInsertBefore(BerList* list) {
    BerListNode* at = list->current;
    if (at == nullptr) return nullptr;
    BerListNode* node = newNode(list);
    if (node == nullptr) return nullptr;
    return linkNode(list, node, at->prev, at);
}

void* ASN_ListFirst(BerList* list) {
    list->current = list->first;
    return slotOrNull(list->current);
}

void* ASN_ListLast(BerList* list) {
    list->current = list->last;
    return slotOrNull(list->current);
}

void* ASN_ListNext(BerList* list) {
    list->current = list->current != nullptr ? list->current->next : list->first;
    return slotOrNull(list->current);
}

void* ASN_ListPrev(BerList* list) {
    list->current = list->current != nullptr ? list->current->prev : list->last;
    return slotOrNull(list->current);
}

void* ASN_ListCurrent(BerList* list) {
    return slotOrNull(list->current);
}

void ASN_ListRemoveCurrent(BerList* list) {
    BerListNode* node = list->current;
    if (node == nullptr) return;
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
    list->current = node->next;
    --list->count;
    MemFree(node);
}
