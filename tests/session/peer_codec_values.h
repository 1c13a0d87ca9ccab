#pragma once
// Codec values built as a peer's encoder would hold them, and the object identifiers they carry.

#include <cstdint>
#include <string>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"

inline constexpr const char* kBib1 = "1.2.840.10003.3.1";
inline constexpr const char* kUsmarc = "1.2.840.10003.5.10";

inline void setText(BerOctets* dst, const std::string& text) {
    kivCodecCopy(dst, text.data(), text.size());
}
inline void setBits(BerBits* dst, const std::string& bits) {
    KivBitStringToCodec(dst, bits, static_cast<uint32_t>(bits.size()));
}
// Appends a new element to the list, making the list when there is none.
template <typename T>
T* append(BerList** list) {
    if (*list == nullptr) *list = kivNewCodecList();
    auto* element = kivNewCodecRecord<T>();
    kivCodecListAppend(*list, element);
    return element;
}
