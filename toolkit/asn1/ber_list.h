#pragma once
// The doubly linked list behind every SEQUENCE OF and SET OF value.
//
// The header of ASN_ListNew and every node are zero-filled MemAlloc blocks; ASN_ListRemoveCurrent frees a
// node, and a holder releases the remaining nodes and the header with MemFree. Routines returning a slot
// address return null when memory is exhausted (the list is then unchanged) or when there is no such node.

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
inline void* ASN_ListSlot(BerListNode* node) {
    return node + 1;
}

// A new empty list; null when memory is exhausted.
BerList* ASN_ListNew(int32_t elementSize);
// Adds a node after the last and makes it current.
void* ASN_ListAppend(BerList* list);
int32_t ASN_ListCount(const BerList* list);
// Empties a caller-provided header (nodes are not freed) and sets its element size.
void ASN_ListInit(BerList* list, int32_t elementSize);
// Cursor moves: current becomes first, last, its next (first when there is none), its prev (last when there
// is none); each returns the new current's slot.
void* ASN_ListFirst(BerList* list);
void* ASN_ListLast(BerList* list);
void* ASN_ListNext(BerList* list);
void* ASN_ListPrev(BerList* list);
void* ASN_ListCurrent(BerList* list);
// Adds a node before the first, after or before the current one (null without a current node); the new node
// becomes current.
void* ASN_ListPrepend(BerList* list);
void* ASN_ListInsertAfter(BerList* list);
void* ASN_ListInsertBefore(BerList* list);
// Unlinks and frees the current node (not what its slot points to); its next node becomes current.
void ASN_ListRemoveCurrent(BerList* list);
