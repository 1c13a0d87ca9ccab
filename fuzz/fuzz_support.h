#pragma once
// What every fuzz target shares: a check that stops the run with a message, a sink for printers, exact
// encoding, and one decode under a fresh context with the checks every successful decode must pass.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

using FuzzOctets = std::vector<uint8_t>;

// Stops the run (libFuzzer keeps the input) when a property does not hold; active in every build type.
inline void fuzzCheck(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", property);
    std::abort();
}

// Where printers write: their output is not checked, only that printing is safe.
inline std::FILE* fuzzSink() {
    static std::FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

// Runs encode(buf) twice: into no room at all, which must report overflow and the full length, then into a
// block of exactly that length, which must be filled without overflow. Returns the encoding.
template <typename Encode>
FuzzOctets fuzzEncode(Encode&& encode) {
    uint8_t none = 0;
    BerBuffer measure = berEncodeBuffer(&none, 0);
    const uint32_t length = encode(measure);
    fuzzCheck(length == 0 || measure.writeFailed != 0, "an encode into no room reports overflow");
    FuzzOctets octets(length);
    BerBuffer buf = berEncodeBuffer(octets.data(), octets.size());
    fuzzCheck(encode(buf) == length, "an encode returns the same length whatever the room");
    fuzzCheck(buf.writeFailed == 0, "an encode into a block of the length it reported fits");
    fuzzCheck(buf.start == octets.data(), "an encode writes as many octets as it reports");
    return octets;
}

// Runs decode(buf, counter, ctx) over the octets. On BerDecodeError calls release() and returns false; on
// success checks that the decode read only octets that are there, counted exactly what it read and left no
// nesting open, and stores the octets read in *consumed.
template <typename Decode, typename Release>
bool fuzzDecode(const uint8_t* data, size_t size, size_t* consumed, Decode&& decode, Release&& release) {
    BerBuffer buf = berDecodeBuffer(data, size);
    BerDecodeContext ctx(size);
    uint32_t counter = 0;
    try {
        decode(buf, counter, ctx);
    } catch (const BerDecodeError&) {
        fuzzCheck(ctx.depth() == 0, "a failed decode leaves no nesting open");
        release();
        return false;
    }
    fuzzCheck(ctx.depth() == 0, "a decode leaves no nesting open");
    fuzzCheck(buf.readFailed == 0, "a decode that succeeds read no octet past the end");
    *consumed = static_cast<size_t>(buf.readPos - buf.blockStart);
    fuzzCheck(counter == *consumed, "a decode counts exactly the octets it read");
    return true;
}
