#pragma once
// A tree of BER elements (a "directory" of an encoding): parsed from octets, built by hand, measured,
// serialised and dumped. Every node and every block a tree allocates belongs to the tree's pool and is
// released with it. A tree belongs to one thread.

#include <cstdint>
#include <cstdio>
#include <string>

inline constexpr uint8_t kBerDirPrimitive = 0;
inline constexpr uint8_t kBerDirConstructed = 1;

struct BerDirPool;

struct BerDirElement {
    BerDirPool* directory;
    BerDirElement* parent;
    BerDirElement* previous;
    BerDirElement* next;
    const uint8_t* contents;    // primitive: the contents octets, not owned by the element
    BerDirElement* firstChild;  // constructed
    BerDirElement* lastChild;   // constructed
    int32_t length;             // contents length, set by BerDirMeasure
    int32_t count;              // primitive: contents octets; constructed: children
    uint8_t inlineStore[4];     // small integer contents
    uint16_t tag;
    uint8_t tagClass;  // 0 universal, 1 application, 2 context-specific, 3 private
    uint8_t form;      // kBerDirPrimitive or kBerDirConstructed
};

// Elements come in blocks of a fixed number; every other block of the tree is recorded here too.
struct BerDirPool {
    int32_t elementsPerBlock;
    BerDirElement* nextFree;
    BerDirElement* blockEnd;  // one past the last element of the current block
    int32_t blockCount;
    int32_t blockCapacity;
    void** blocks;  // blocks[0] is the first element block, whose first element is the root
};

// Largest number of elements per block a pool accepts.
inline constexpr int32_t kBerDirMaxElementsPerBlock = 1 << 16;

// A new pool with one block; returns its root, an empty constructed element of tag 0, class 0. Null when
// elementsPerBlock is not within 1 .. kBerDirMaxElementsPerBlock or memory is exhausted.
BerDirElement* BerDirNew(int32_t elementsPerBlock);
// BerDirNew, then BerDirReset with the tag and class.
BerDirElement* BerDirNewRoot(uint16_t tag, uint8_t tagClass, int32_t elementsPerBlock);
// Releases every block but the first and makes the root an empty constructed element with the tag and
// class. 0 when root is not its pool's root or the class is above 3.
int BerDirReset(BerDirElement* root, uint16_t tag, uint8_t tagClass);
// Releases every block, the block array and the pool; null does nothing.
void BerDirDestroy(BerDirPool* pool);

// Resets the tree and parses the element at the start of the first count octets into the root; primitive
// contents point into octets, which must outlive the tree. 1 on success; 0 for an encoding that is short,
// malformed, nested deeper than kBerMaxNesting or tagged above 65535, or when memory is exhausted.
int BerDirParse(const uint8_t* octets, int32_t count, BerDirElement* root);
// The size of the element at the start of the first count octets: identifier, length and contents octets,
// end-of-contents included. -1 when the count octets do not hold it whole or it is malformed (as
// BerDirElementComplete judges); never reads outside octets[0 .. count-1].
int32_t BerDirElementSize(const uint8_t* octets, int32_t count);

// Computes the contents length of every element below element and returns its total size; -1 when that
// reaches 2^31.
int32_t BerDirMeasure(BerDirElement* element);
// The element's encoding (definite lengths) in a new block released with MemFree; its size in *size.
// Null when it cannot be measured or memory is exhausted.
uint8_t* BerDirSerialise(BerDirElement* element, int32_t* size);

// The Add routines append a child to a constructed parent and return it; null when the parent is null
// or primitive, the class is above 3, an argument is invalid or memory is exhausted.
BerDirElement* BerDirAddConstructed(BerDirElement* parent, uint16_t tag, uint8_t tagClass);
// The child points to the contents (not copied).
BerDirElement* BerDirAddPrimitive(BerDirElement* parent, uint16_t tag, uint8_t tagClass,
                                  const uint8_t* contents, int32_t count);
// The low width octets (1, 2 or 4) of value in the child's inline store, redundant leading octets dropped.
BerDirElement* BerDirAddInteger(BerDirElement* parent, uint16_t tag, uint8_t tagClass, int32_t value,
                                int width);
// The same on an existing primitive element, four octets wide. 0 when element is null or constructed.
int BerDirSetInteger(BerDirElement* element, int32_t value);
// A BIT STRING built from text: each of '1', 'T', 'Y', 't', 'y' is a set bit, any other character a clear
// bit.
BerDirElement* BerDirAddBitString(BerDirElement* parent, uint16_t tag, uint8_t tagClass, const char* text);
// The bits as text, 'y' set and 'n' clear; empty when the element holds no well-formed BIT STRING.
std::string BerDirBitStringText(const BerDirElement* element);
// An OBJECT IDENTIFIER encoded from dotted text, read as ASN_MakeOid reads it.
BerDirElement* BerDirAddOid(BerDirElement* parent, uint16_t tag, uint8_t tagClass, const char* text);
// The OID's dotted text; "0.0" for no contents.
std::string BerDirOidText(const BerDirElement* element);

// Appends element, with its subtree, as the last child of parent, first detaching it from where it is.
// 0 when either is null, parent is primitive, they belong to different pools, or parent is element or
// lies below it.
int BerDirAttach(BerDirElement* parent, BerDirElement* element);
// Unlinks element from its parent's children; it stays in the pool.
void BerDirDetach(BerDirElement* element);
// Moves element and all its later siblings under a new constructed element that takes their place; returns
// the new element, null when element has no parent or memory is exhausted.
BerDirElement* BerDirGroup(BerDirElement* element, uint16_t tag, uint8_t tagClass);
// 1 when parent has a child of that tag number and class.
int BerDirHasChild(const BerDirElement* parent, uint16_t tag, uint8_t tagClass);
// The contents as a signed integer, sign-extended; false when element is not primitive or holds 0 or
// more than 4 octets.
bool BerDirIntegerValue(const BerDirElement* element, int32_t* value);

// Writes the tree below element, indented four spaces per depth: one line per element, then a primitive's
// contents as characters and two lines of hexadecimal digits under them.
void BerDirDump(const BerDirElement* element, int depth, std::FILE* out = stdout);
// A zero-filled block of size octets recorded in the element's pool; null when memory is exhausted.
void* BerDirPoolAlloc(BerDirElement* element, int32_t size);
