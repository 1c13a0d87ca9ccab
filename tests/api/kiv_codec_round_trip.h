#pragma once
// The round trip of a structure through the codec: converted to a codec record, encoded as one BER element,
// decoded into a new record and converted back.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"

// The octets of the element that the structure converts to, and in *received the structure converted back
// from their decoding. Fails the test when the octets do not decode.
template <typename Codec, typename Structure>
std::vector<uint8_t> kivRoundTrip(const GeneratedType& type, const Structure& sent, Structure* received,
                                  void (*toCodec)(Codec*, const Structure*),
                                  void (*fromCodec)(Structure*, const Codec*)) {
    std::vector<uint8_t> octets;
    {
        GeneratedRecord codecSent(type);
        toCodec(static_cast<Codec*>(codecSent.get()), &sent);
        octets = encodeElement(type, codecSent.get());
    }
    GeneratedRecord codecReceived(type);
    const DecodeOutcome outcome = decodeElement(type, octets, codecReceived.get());
    EXPECT_EQ(outcome.code, 0) << type.name;
    if (outcome.code == 0) fromCodec(received, static_cast<const Codec*>(codecReceived.get()));
    return octets;
}
