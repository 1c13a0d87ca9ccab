#pragma once
// Optional structured members of the carried contents to and from the codec's records held by pointer.
// Failures as in kiv_convert_basic.h: -27 towards the codec, -1 from it.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_conversion_error.h"

// A new zero-filled codec record in *dst, filled by convert(record, *src), when src is set; otherwise the
// member stays absent.
template <typename Codec, typename Kiv, typename Convert>
void kivOptionalRecordToCodec(Codec** dst, const Kiv* src, Convert&& convert) {
    if (src == nullptr) return;
    *dst = kivNewCodecRecord<Codec>();
    convert(*dst, *src);
}

// A new structure in *dst, filled by convert(structure, *src), when the codec member is present.
template <typename Kiv, typename Codec, typename Convert>
void kivOptionalRecordFromCodec(std::unique_ptr<Kiv>* dst, const Codec* src, Convert&& convert) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<Kiv>(); });
    convert(dst->get(), *src);
}
