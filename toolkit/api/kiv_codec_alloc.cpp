#include "toolkit/api/kiv_codec_alloc.h"

#include <cstdint>
#include <cstring>
#include <limits>

#include "toolkit/util/memory.h"

void* kivCodecBlock(size_t size) {
    if (size > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        throw KivConversionError{kKivToCodecNoMemory};
    }
    void* block = MemAlloc(static_cast<int32_t>(size));
    if (block == nullptr) throw KivConversionError{kKivToCodecNoMemory};
    return block;
}

void kivCodecCopy(BerOctets* dst, const void* octets, size_t count) {
    if (count >= static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        throw KivConversionError{kKivToCodecNoMemory};
    }
    auto* block = static_cast<uint8_t*>(kivCodecBlock(count + 1));
    if (count != 0) std::memcpy(block, octets, count);
    dst->octets = block;
    dst->length = static_cast<int32_t>(count);
}

BerList* kivNewCodecList() {
    BerList* list = ASN_ListNew(static_cast<int32_t>(sizeof(void*)));
    if (list == nullptr) throw KivConversionError{kKivToCodecNoMemory};
    return list;
}

void kivCodecListAppend(BerList* list, void* value) {
    void* slot = ASN_ListAppend(list);
    if (slot == nullptr) {
        MemFree(value);
        throw KivConversionError{kKivToCodecNoMemory};
    }
    *static_cast<void**>(slot) = value;
}
