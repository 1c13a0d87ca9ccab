#include "toolkit/util/ber_element_tree.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "toolkit/util/ber_element_check.h"
#include "toolkit/util/ber_limits.h"
#include "toolkit/util/memory.h"
#include "toolkit/util/oid_arcs.h"

namespace {

constexpr int64_t kMaxSize = std::numeric_limits<int32_t>::max();
constexpr int kDumpLineWidth = 74;
constexpr int kDumpMinLineWidth = 16;

BerDirElement* rootOf(BerDirPool* pool) {
    return static_cast<BerDirElement*>(pool->blocks[0]);
}

// Records a block in the pool; on failure the block is released and false returned.
bool recordBlock(BerDirPool* pool, void* block) {
    if (pool->blockCount == pool->blockCapacity) {
        if (pool->blockCapacity > std::numeric_limits<int32_t>::max() / 2 / int32_t{sizeof(void*)}) {
            MemFree(block);
            return false;
        }
        const int32_t capacity = pool->blockCapacity * 2;
        void* grown = MemRealloc(pool->blocks, capacity * int32_t{sizeof(void*)});
        if (grown == nullptr) {
            MemFree(block);
            return false;
        }
        pool->blocks = static_cast<void**>(grown);
        pool->blockCapacity = capacity;
    }
    pool->blocks[pool->blockCount++] = block;
    return true;
}

void* poolAlloc(BerDirPool* pool, int32_t size) {
    void* block = MemAlloc(size);
    if (block == nullptr || !recordBlock(pool, block)) return nullptr;
    return block;
}

BerDirElement* newElement(BerDirPool* pool, uint16_t tag, uint8_t tagClass, uint8_t form) {
    if (pool->nextFree == pool->blockEnd) {
        auto* block = static_cast<BerDirElement*>(
            poolAlloc(pool, pool->elementsPerBlock * int32_t{sizeof(BerDirElement)}));
        if (block == nullptr) return nullptr;
        pool->nextFree = block;
        pool->blockEnd = block + pool->elementsPerBlock;
    }
    BerDirElement* element = pool->nextFree++;
    *element = BerDirElement{};
    element->directory = pool;
    element->tag = tag;
    element->tagClass = tagClass;
    element->form = form;
    return element;
}

void appendChild(BerDirElement* parent, BerDirElement* child) {
    child->parent = parent;
    child->previous = parent->lastChild;
    child->next = nullptr;
    if (parent->lastChild != nullptr) {
        parent->lastChild->next = child;
    } else {
        parent->firstChild = child;
    }
    parent->lastChild = child;
    ++parent->count;
}

BerDirElement* addChild(BerDirElement* parent, uint16_t tag, uint8_t tagClass, uint8_t form) {
    if (parent == nullptr || parent->form != kBerDirConstructed || tagClass > 3) return nullptr;
    BerDirElement* child = newElement(parent->directory, tag, tagClass, form);
    if (child != nullptr) appendChild(parent, child);
    return child;
}

void setIntegerContents(BerDirElement* element, int32_t value, int width) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < width; ++i)
        element->inlineStore[i] = static_cast<uint8_t>(bits >> (8 * (width - 1 - i)));
    int start = 0;
    while (start < width - 1) {
        const uint8_t lead = element->inlineStore[start];
        const bool nextNegative = (element->inlineStore[start + 1] & 0x80) != 0;
        if (!((lead == 0x00 && !nextNegative) || (lead == 0xFF && nextNegative))) break;
        ++start;
    }
    std::memmove(element->inlineStore, element->inlineStore + start, width - start);
    element->contents = element->inlineStore;
    element->count = width - start;
}

// The next element of a pre-order walk of the subtree below top, moving *depth with it; null at the end.
const BerDirElement* preorderNext(const BerDirElement* node, const BerDirElement* top, int* depth) {
    if (node->form == kBerDirConstructed && node->firstChild != nullptr) {
        ++*depth;
        return node->firstChild;
    }
    while (node != top && node->next == nullptr) {
        node = node->parent;
        --*depth;
    }
    return node == top ? nullptr : node->next;
}

// Deepest first descendant of node, clearing the contents length of each constructed element on the way.
BerDirElement* descendForMeasure(BerDirElement* node) {
    for (;;) {
        if (node->form == kBerDirPrimitive) {
            node->length = node->count;
            return node;
        }
        node->length = 0;
        if (node->firstChild == nullptr) return node;
        node = node->firstChild;
    }
}

int identifierSize(uint16_t tag) {
    if (tag < 31) return 1;
    int size = 2;
    for (uint32_t rest = tag >> 7; rest != 0; rest >>= 7) ++size;
    return size;
}

int lengthSize(int32_t length) {
    if (length < 0x80) return 1;
    int size = 1;
    for (auto rest = static_cast<uint32_t>(length); rest != 0; rest >>= 8) ++size;
    return size;
}

uint8_t* writeHeader(const BerDirElement* element, uint8_t* out) {
    const auto leading = static_cast<uint8_t>((element->tagClass << 6) | (element->form << 5));
    if (element->tag < 31) {
        *out++ = static_cast<uint8_t>(leading | element->tag);
    } else {
        *out++ = static_cast<uint8_t>(leading | 0x1F);
        for (int i = identifierSize(element->tag) - 2; i >= 0; --i) {
            const auto group = static_cast<uint8_t>((element->tag >> (7 * i)) & 0x7F);
            *out++ = i > 0 ? static_cast<uint8_t>(group | 0x80) : group;
        }
    }
    const int lengthOctets = lengthSize(element->length);
    if (lengthOctets == 1) {
        *out++ = static_cast<uint8_t>(element->length);
    } else {
        *out++ = static_cast<uint8_t>(0x80 | (lengthOctets - 1));
        for (int i = lengthOctets - 2; i >= 0; --i) *out++ = static_cast<uint8_t>(element->length >> (8 * i));
    }
    return out;
}

// Parses the element at the start of count octets into element; *used gets its total size.
bool parseElement(BerDirElement* element, const uint8_t* octets, int32_t count, int depth, int32_t* used) {
    int32_t tag = 0;
    const int tagOctets = BerDirTagOctets(&tag, octets, count);
    if (tagOctets <= 0 || tag > std::numeric_limits<uint16_t>::max()) return false;
    int32_t length = 0;
    const int lengthOctets = BerDirLengthOctets(&length, octets + tagOctets, count - tagOctets);
    if (lengthOctets <= 0) return false;
    const int32_t header = tagOctets + lengthOctets;
    int32_t total = 0;
    if (length < 0) {
        if (BerDirElementComplete(octets, count, &total) != kBerElementComplete) return false;
        length = total - header - 2;
    } else {
        if (length > count - header) return false;
        total = header + length;
    }
    element->tag = static_cast<uint16_t>(tag);
    element->tagClass = static_cast<uint8_t>(octets[0] >> 6);
    element->form = (octets[0] & 0x20) != 0 ? kBerDirConstructed : kBerDirPrimitive;
    element->length = length;
    *used = total;
    const uint8_t* contents = octets + header;
    if (element->form == kBerDirPrimitive) {
        element->contents = contents;
        element->count = length;
        return true;
    }
    if (depth > kBerMaxNesting) return false;
    for (int32_t position = 0; position < length;) {
        BerDirElement* child = newElement(element->directory, 0, 0, kBerDirPrimitive);
        if (child == nullptr) return false;
        appendChild(element, child);
        int32_t childSize = 0;
        if (!parseElement(child, contents + position, length - position, depth + 1, &childSize)) return false;
        position += childSize;
    }
    return true;
}

void dumpHexLine(const uint8_t* octets, int32_t count, int shift, const std::string& margin, std::FILE* out) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::fputs(margin.c_str(), out);
    for (int32_t i = 0; i < count; ++i) std::fputc(kDigits[(octets[i] >> shift) & 0x0F], out);
    std::fputc('\n', out);
}

void dumpContents(const BerDirElement* element, const std::string& indent, std::FILE* out) {
    if (element->count <= 0 || element->contents == nullptr) {
        std::fprintf(out, "%sdata=NONE\n", indent.c_str());
        return;
    }
    const int32_t width = std::max(kDumpLineWidth - static_cast<int>(indent.size()), kDumpMinLineWidth);
    const std::string margin = indent + "     ";
    for (int32_t start = 0; start < element->count; start += width) {
        const int32_t lineCount = std::min(width, element->count - start);
        const uint8_t* line = element->contents + start;
        std::fputs(start == 0 ? (indent + "data=").c_str() : margin.c_str(), out);
        for (int32_t i = 0; i < lineCount; ++i)
            std::fputc(line[i] >= 0x20 && line[i] < 0x7F ? line[i] : '.', out);
        std::fputc('\n', out);
        dumpHexLine(line, lineCount, 4, margin, out);
        dumpHexLine(line, lineCount, 0, margin, out);
    }
}

}  // namespace

BerDirElement* BerDirNew(int32_t elementsPerBlock) {
    if (elementsPerBlock < 1 || elementsPerBlock > kBerDirMaxElementsPerBlock) return nullptr;
    auto* pool = static_cast<BerDirPool*>(MemAlloc(sizeof(BerDirPool)));
    if (pool == nullptr) return nullptr;
    pool->elementsPerBlock = elementsPerBlock;
    pool->blockCapacity = 4;
    pool->blocks = static_cast<void**>(MemAlloc(pool->blockCapacity * int32_t{sizeof(void*)}));
    auto* first = static_cast<BerDirElement*>(MemAlloc(elementsPerBlock * int32_t{sizeof(BerDirElement)}));
    if (pool->blocks == nullptr || first == nullptr) {
        MemFree(first);
        MemFree(pool->blocks);
        MemFree(pool);
        return nullptr;
    }
    pool->blocks[0] = first;
    pool->blockCount = 1;
    first->directory = pool;
    BerDirReset(first, 0, 0);
    return first;
}

BerDirElement* BerDirNewRoot(uint16_t tag, uint8_t tagClass, int32_t elementsPerBlock) {
    if (tagClass > 3) return nullptr;
    BerDirElement* root = BerDirNew(elementsPerBlock);
    if (root != nullptr) BerDirReset(root, tag, tagClass);
    return root;
}

int BerDirReset(BerDirElement* root, uint16_t tag, uint8_t tagClass) {
    if (root == nullptr || tagClass > 3) return 0;
    BerDirPool* pool = root->directory;
    if (pool == nullptr || root != rootOf(pool)) return 0;
    for (int32_t i = 1; i < pool->blockCount; ++i) MemFree(pool->blocks[i]);
    pool->blockCount = 1;
    pool->nextFree = root;
    pool->blockEnd = root + pool->elementsPerBlock;
    newElement(pool, tag, tagClass, kBerDirConstructed);
    return 1;
}

void BerDirDestroy(BerDirPool* pool) {
    if (pool == nullptr) return;
    for (int32_t i = 0; i < pool->blockCount; ++i) MemFree(pool->blocks[i]);
    MemFree(pool->blocks);
    MemFree(pool);
}

int BerDirParse(const uint8_t* octets, int32_t count, BerDirElement* root) {
    if (octets == nullptr || count <= 0 || !BerDirReset(root, 0, 0)) return 0;
    int32_t used = 0;
    return parseElement(root, octets, count, 1, &used) ? 1 : 0;
}

int32_t BerDirElementSize(const uint8_t* octets, int32_t count) {
    int32_t total = 0;
    return BerDirElementComplete(octets, count, &total) == kBerElementComplete ? total : -1;
}

// Post-order walk: each element's total size is added to its parent's contents length.
int32_t BerDirMeasure(BerDirElement* element) {
    if (element == nullptr) return -1;
    BerDirElement* node = descendForMeasure(element);
    for (;;) {
        const int64_t total = int64_t{identifierSize(node->tag)} + lengthSize(node->length) + node->length;
        if (total > kMaxSize) return -1;
        if (node == element) return static_cast<int32_t>(total);
        BerDirElement* parent = node->parent;
        if (parent->length + total > kMaxSize) return -1;
        parent->length += static_cast<int32_t>(total);
        node = node->next != nullptr ? descendForMeasure(node->next) : parent;
    }
}

uint8_t* BerDirSerialise(BerDirElement* element, int32_t* size) {
    *size = 0;
    const int32_t total = BerDirMeasure(element);
    if (total < 0) return nullptr;
    auto* block = static_cast<uint8_t*>(MemAlloc(total));
    if (block == nullptr) return nullptr;
    uint8_t* out = block;
    int depth = 0;
    for (const BerDirElement* node = element; node != nullptr; node = preorderNext(node, element, &depth)) {
        out = writeHeader(node, out);
        if (node->form == kBerDirPrimitive && node->count > 0) {
            std::memcpy(out, node->contents, node->count);
            out += node->count;
        }
    }
    *size = total;
    return block;
}

BerDirElement* BerDirAddConstructed(BerDirElement* parent, uint16_t tag, uint8_t tagClass) {
    return addChild(parent, tag, tagClass, kBerDirConstructed);
}

BerDirElement* BerDirAddPrimitive(BerDirElement* parent, uint16_t tag, uint8_t tagClass,
                                  const uint8_t* contents, int32_t count) {
    if (count < 0 || (contents == nullptr && count > 0)) return nullptr;
    BerDirElement* child = addChild(parent, tag, tagClass, kBerDirPrimitive);
    if (child == nullptr) return nullptr;
    child->contents = contents;
    child->count = count;
    return child;
}

BerDirElement* BerDirAddInteger(BerDirElement* parent, uint16_t tag, uint8_t tagClass, int32_t value,
                                int width) {
    if (width != 1 && width != 2 && width != 4) return nullptr;
    BerDirElement* child = addChild(parent, tag, tagClass, kBerDirPrimitive);
    if (child != nullptr) setIntegerContents(child, value, width);
    return child;
}

int BerDirSetInteger(BerDirElement* element, int32_t value) {
    if (element == nullptr || element->form != kBerDirPrimitive) return 0;
    setIntegerContents(element, value, 4);
    return 1;
}

BerDirElement* BerDirAddBitString(BerDirElement* parent, uint16_t tag, uint8_t tagClass, const char* text) {
    if (text == nullptr) return nullptr;
    const size_t bitCount = std::strlen(text);
    if (bitCount > static_cast<size_t>(kMaxSize - 8) / 8 * 8) return nullptr;
    const auto octetCount = static_cast<int32_t>(1 + (bitCount + 7) / 8);
    BerDirElement* child = addChild(parent, tag, tagClass, kBerDirPrimitive);
    if (child == nullptr) return nullptr;
    auto* octets = static_cast<uint8_t*>(BerDirPoolAlloc(child, octetCount));
    if (octets == nullptr) {
        BerDirDetach(child);
        return nullptr;
    }
    octets[0] = static_cast<uint8_t>((8 - bitCount % 8) % 8);
    for (size_t i = 0; i < bitCount; ++i) {
        if (std::strchr("1TYty", text[i]) != nullptr)
            octets[1 + i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
    }
    child->contents = octets;
    child->count = octetCount;
    return child;
}

std::string BerDirBitStringText(const BerDirElement* element) {
    if (element == nullptr || element->form != kBerDirPrimitive || element->count < 1) return {};
    const int unused = element->contents[0];
    if (unused > 7 || (element->count == 1 && unused != 0)) return {};
    const int64_t bitCount = int64_t{element->count - 1} * 8 - unused;
    std::string text;
    text.reserve(static_cast<size_t>(bitCount));
    for (int64_t i = 0; i < bitCount; ++i)
        text += (element->contents[1 + i / 8] & (0x80 >> (i % 8))) ? 'y' : 'n';
    return text;
}

BerDirElement* BerDirAddOid(BerDirElement* parent, uint16_t tag, uint8_t tagClass, const char* text) {
    OidArcs arcs;
    try {
        arcs = oidArcsFromText(text);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    const int64_t octetCount = oidArcsOctetCount(arcs);
    if (octetCount > kMaxSize) return nullptr;
    BerDirElement* child = addChild(parent, tag, tagClass, kBerDirPrimitive);
    if (child == nullptr) return nullptr;
    auto* octets = static_cast<uint8_t*>(BerDirPoolAlloc(child, static_cast<int32_t>(octetCount)));
    if (octets == nullptr) {
        BerDirDetach(child);
        return nullptr;
    }
    oidWriteArcs(arcs, octets);
    child->contents = octets;
    child->count = static_cast<int32_t>(octetCount);
    return child;
}

std::string BerDirOidText(const BerDirElement* element) {
    if (element == nullptr || element->form != kBerDirPrimitive) return "0.0";
    return oidOctetsToText(element->contents, element->count, std::string::npos);
}

int BerDirAttach(BerDirElement* parent, BerDirElement* element) {
    if (parent == nullptr || element == nullptr || parent->form != kBerDirConstructed ||
        parent->directory != element->directory) {
        return 0;
    }
    for (const BerDirElement* above = parent; above != nullptr; above = above->parent) {
        if (above == element) return 0;
    }
    BerDirDetach(element);
    appendChild(parent, element);
    return 1;
}

void BerDirDetach(BerDirElement* element) {
    if (element == nullptr || element->parent == nullptr) return;
    BerDirElement* parent = element->parent;
    if (element->previous != nullptr) {
        element->previous->next = element->next;
    } else {
        parent->firstChild = element->next;
    }
    if (element->next != nullptr) {
        element->next->previous = element->previous;
    } else {
        parent->lastChild = element->previous;
    }
    --parent->count;
    element->parent = nullptr;
    element->previous = nullptr;
    element->next = nullptr;
}

BerDirElement* BerDirGroup(BerDirElement* element, uint16_t tag, uint8_t tagClass) {
    if (element == nullptr || element->parent == nullptr || tagClass > 3) return nullptr;
    BerDirElement* parent = element->parent;
    BerDirElement* group = newElement(parent->directory, tag, tagClass, kBerDirConstructed);
    if (group == nullptr) return nullptr;
    group->parent = parent;
    group->previous = element->previous;
    if (group->previous != nullptr) {
        group->previous->next = group;
    } else {
        parent->firstChild = group;
    }
    group->firstChild = element;
    group->lastChild = parent->lastChild;
    parent->lastChild = group;
    element->previous = nullptr;
    for (BerDirElement* moved = element; moved != nullptr; moved = moved->next) {
        moved->parent = group;
        ++group->count;
    }
    parent->count = parent->count - group->count + 1;
    return group;
}

int BerDirHasChild(const BerDirElement* parent, uint16_t tag, uint8_t tagClass) {
    if (parent == nullptr || parent->form != kBerDirConstructed) return 0;
    for (const BerDirElement* child = parent->firstChild; child != nullptr; child = child->next) {
        if (child->tag == tag && child->tagClass == tagClass) return 1;
    }
    return 0;
}

bool BerDirIntegerValue(const BerDirElement* element, int32_t* value) {
    if (element == nullptr || element->form != kBerDirPrimitive || element->count < 1 || element->count > 4) {
        return false;
    }
    uint32_t bits = (element->contents[0] & 0x80) != 0 ? 0xFFFFFFFFu : 0;
    for (int32_t i = 0; i < element->count; ++i) bits = (bits << 8) | element->contents[i];
    *value = static_cast<int32_t>(bits);
    return true;
}

void BerDirDump(const BerDirElement* element, int depth, std::FILE* out) {
    if (element == nullptr) {
        std::fputs("hex_dir passed a NULL directory pointer\n", out);
        return;
    }
    int level = 0;
    for (const BerDirElement* node = element; node != nullptr; node = preorderNext(node, element, &level)) {
        const std::string indent(static_cast<size_t>(4 * std::max(depth + level, 0)), ' ');
        std::fprintf(out, "%stag=%d, Class=%d, form=%d, count=%ld\n", indent.c_str(), node->tag,
                     node->tagClass, node->form, static_cast<long>(node->count));
        if (node->form == kBerDirPrimitive) dumpContents(node, indent, out);
    }
}

void* BerDirPoolAlloc(BerDirElement* element, int32_t size) {
    if (element == nullptr || element->directory == nullptr || size < 0) return nullptr;
    return poolAlloc(element->directory, size);
}
