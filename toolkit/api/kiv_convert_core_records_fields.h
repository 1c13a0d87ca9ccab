#pragma once
// Field conversions that the core carried contents and record composition share: optional texts held by
// value in the codec, time texts, enumerations with a range, optional records and arrays to and from codec
// lists.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/asn1/ber_list.h"
#include "toolkit/asn1/ber_primitives.h"

// ---- Towards the codec (failure: -27) ----

// A copy of the text when it is set and not empty; otherwise the codec string stays absent.
void kivOptionalTextToCodec(BerOctets* dst, const std::unique_ptr<KivInternationalString>& src);
// A time text's characters without a terminator (a one-octet block when empty); absent writes nothing.
void kivTimeToCodec(BerOctets* dst, const std::optional<std::string>& src);
// The value when it lies in low..high, else 0.
BerInteger kivEnumToCodec(int32_t value, int32_t low, int32_t high);

// A new codec record in *dst converted from src when src is set.
template <typename Codec, typename Api, typename Convert>
void kivNewToCodec(Codec** dst, const Api* src, Convert&& convert) {
    if (src == nullptr) return;
    *dst = kivNewCodecRecord<Codec>();
    convert(*dst, src);
}

// A new list in *dst with one new element per item, converted by convert(element, item), when the array is
// present (an empty array gives an empty list).
template <typename Element, typename Item, typename Convert>
void kivArrayToCodec(BerList** dst, const KivArray<Item>& src, Convert&& convert) {
    if (!src.present()) return;
    kivCodecListFrom<Element>(dst, src, [&](Element* element, const Item& item) { convert(element, &item); });
}

// ---- From the codec (failure: -1) ----

// A new string when the codec string has a length other than 0; otherwise dst stays absent.
void kivOptionalTextFromCodec(std::unique_ptr<KivInternationalString>* dst, const BerOctets& src);
// A new text of the characters when the codec string has a length other than 0.
void kivTimeFromCodec(std::optional<std::string>* dst, const BerOctets& src);
// The value when it lies in low..high, else -1.
int32_t kivEnumFromCodec(BerInteger value, int32_t low, int32_t high);

// A new structure in *dst converted from src when src is set.
template <typename Api, typename Codec, typename Convert>
void kivNewFromCodec(std::unique_ptr<Api>* dst, const Codec* src, Convert&& convert) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<Api>(); });
    convert(dst->get(), src);
}

// When the list is set, a present array with one new element per node in order, converted by
// convert(element, value), up to the first node without a value; a null list leaves dst absent.
template <typename Element, typename Item, typename Convert>
void kivArrayFromCodec(KivArray<Item>* dst, const BerList* src, Convert&& convert) {
    if (src == nullptr) return;
    kivFromCodec([&] {
        *dst = KivArray<Item>::emptyArray();
        kivForEachCodecListValue<Element>(src,
                                          [&](const Element& value) { convert(dst->emplace(), &value); });
    });
}
