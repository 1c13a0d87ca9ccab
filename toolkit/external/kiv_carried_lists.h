#pragma once
// Arrays of the carried contents' structures to and from the codec's lists (SEQUENCE OF).
//
// An element converter has the shape convert(target element, source element): towards the codec the target
// is a new zero-filled codec record already linked into its node, from the codec a new structure already in
// the array, so that what a failure leaves behind is released with its holder. Failures as in
// kiv_convert_basic.h: -27 towards the codec, -1 from it.

#include <string>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/asn1/ber_list.h"

// An absent array leaves *dst absent; a present one gives a new list with one new Element per array
// element, in order (only the terminator: a present, empty list).
template <typename Element, typename T, typename Convert>
void KivOptionalArrayToCodec(BerList** dst, const KivArray<T>& src, Convert&& convert) {
    if (src.present()) kivCodecListFrom<Element>(dst, src, convert);
}

// A present array with one new element per list value, in order, up to the first node without one. For a
// list the decoder always builds; a null list gives an empty array.
template <typename Element, typename T, typename Convert>
void KivArrayFromCodec(KivArray<T>* dst, const BerList* src, Convert&& convert) {
    kivFromCodec([&] {
        *dst = KivArray<T>::emptyArray();
        kivForEachCodecListValue<Element>(src, [&](const Element& value) { convert(dst->emplace(), value); });
    });
}

// A null list leaves *dst absent; otherwise as KivArrayFromCodec.
template <typename Element, typename T, typename Convert>
void KivOptionalArrayFromCodec(KivArray<T>* dst, const BerList* src, Convert&& convert) {
    if (src != nullptr) KivArrayFromCodec<Element>(dst, src, convert);
}

// A present array of the dotted texts of a list of OBJECT IDENTIFIERs, in order; a null list gives an
// empty array.
void KivFillOidListFromCodec(KivArray<std::string>* dst, const BerList* src);
