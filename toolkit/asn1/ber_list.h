#pragma once
// The doubly linked list behind every SEQUENCE OF and SET OF value.

#include <cstdint>

struct BerListNode {
    BerListNode* prev;
    BerListNode* next;
    // The element slot of the list's elementSize octets follows the node in the same block.
};

struct BerList {
    BerListNode* first;
    BerListNode* last;
    BerListNode* current;  // iteration cursor
    int32_t count;
    int32_t elementSize;  // the generated codec always keeps one pointer per node
};

// Address of a node's element slot.
inline void* ASN_ListSlot(BerListNode* node) { return node + 1; }

BerList* ASN_ListNew(int32_t elementSize);
void* ASN_ListAppend(BerList* list);
int32_t ASN_ListCount(const BerList* list);
void ASN_ListInit(BerList* list, int32_t elementSize);
void* ASN_ListFirst(BerList* list);
void* ASN_ListLast(BerList* list);
void* ASN_ListNext(BerList* list);
void* ASN_ListPrev(BerList* list);
void* ASN_ListCurrent(BerList* list);
void* ASN_ListPrepend(BerList* list);
void* ASN_ListInsertAfter(BerList* list);
void* ASN_ListInsertBefore(BerList* list);
void ASN_ListRemoveCurrent(BerList* list);
