#pragma once
// Building and walking codec records from the conversions towards and from the codec. Codec records are
// zero-filled MemAlloc blocks that the generated free routines release; a failed allocation throws
// KivConversionError{-27}.

#include <cstddef>
#include <cstdint>

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/asn1/ber_list.h"
#include "toolkit/asn1/ber_primitives.h"

// A zero-filled block of size octets (one octet when size is 0).
void* kivCodecBlock(size_t size);

// A new zero-filled codec record.
template <typename T>
T* kivNewCodecRecord() {
    return static_cast<T*>(kivCodecBlock(sizeof(T)));
}

// dst becomes a copy of count octets: a new block of count + 1 octets, the last one 0 (as decoded octets
// are), so an empty value still owns a one-octet block.
void kivCodecCopy(BerOctets* dst, const void* octets, size_t count);

// A new empty list of one-pointer slots.
BerList* kivNewCodecList();

// Appends a node holding value to the list. When the node cannot be had, value (a new record that owns
// nothing yet) is released before the error is thrown.
void kivCodecListAppend(BerList* list, void* value);

// One new element per item of the range appended to the list, filled by convert(element, item) after the
// node is linked. An element list of a list of lists is a zero-filled head: ASN_ListInit it first.
template <typename Element, typename Range, typename Convert>
void kivCodecListFill(BerList* list, const Range& items, Convert&& convert) {
    for (const auto& item : items) {
        auto* element = kivNewCodecRecord<Element>();
        kivCodecListAppend(list, element);
        convert(element, item);
    }
}

// A new list in *dst and one new element per item of the range, filled by convert(element, item) after the
// node is linked, so that what a failure leaves behind stays reachable.
template <typename Element, typename Range, typename Convert>
void kivCodecListFrom(BerList** dst, const Range& items, Convert&& convert) {
    *dst = kivNewCodecList();
    kivCodecListFill<Element>(*dst, items, convert);
}

// Calls visit(value) for the value of each node in order, up to the first node without one; a null list
// visits nothing.
template <typename T, typename Visit>
void kivForEachCodecListValue(const BerList* list, Visit&& visit) {
    if (list == nullptr) return;
    for (const BerListNode* node = list->first; node != nullptr; node = node->next) {
        const T* value = *static_cast<T* const*>(ASN_ListSlot(const_cast<BerListNode*>(node)));
        if (value == nullptr) return;
        visit(*value);
    }
}
