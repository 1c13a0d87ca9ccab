#pragma once
// The round trip of a KivExternal through the codec: converted to a codec EXTERNAL, encoded, decoded through
// the type registry and converted back.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/api/kiv_codec_round_trip.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_register_codec_types.h"

inline const GeneratedType& externalType() {
    static const GeneratedType type = GENERATED_TYPE(codec::z3950, EXTERNAL, 0x28000000);
    return type;
}

// The octets of the EXTERNAL element, and in *received the EXTERNAL converted back from their decoding.
inline std::vector<uint8_t> externalRoundTrip(const KivExternal& sent, KivExternal* received) {
    KivRegisterCodecTypes();
    return kivRoundTrip<codec::z3950::EXTERNAL, KivExternal>(externalType(), sent, received,
                                                             KivExternalToCodec, KivExternalFromCodec);
}
