#pragma once
// Records of the carried contents' structures to and from the codec: selectors and optional members.
// Failures as in kiv_convert_basic.h: -27 towards the codec, -1 from it.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_conversion_error.h"

// The interface selector of a codec choice: choiceId + 1, or -1 for a choice the type does not have.
inline int32_t kivSelectorOf(int32_t choiceId, int32_t alternatives) {
    return choiceId >= 0 && choiceId < alternatives ? choiceId + 1 : -1;
}

// A new codec record in *dst filled from the structure when it is there; an absent one stays absent.
template <typename Record, typename T, typename Convert>
void kivNewRecordToCodec(Record** dst, const T* src, Convert&& convert) {
    if (src == nullptr) return;
    *dst = kivNewCodecRecord<Record>();
    convert(*dst, *src);
}

// A new structure in *dst filled from the codec record when it is there.
template <typename T, typename Record, typename Convert>
void kivNewStructureFromCodec(std::unique_ptr<T>* dst, const Record* src, Convert&& convert) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<T>(); });
    convert(dst->get(), *src);
}
