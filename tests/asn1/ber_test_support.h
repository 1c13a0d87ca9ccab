#pragma once
// Helpers shared by the BER runtime tests: octets from hex text, and running one encode or decode.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

using Octets = std::vector<uint8_t>;

// "BF 81 49" -> {0xBF, 0x81, 0x49}; blanks are ignored.
inline Octets hex(const std::string& text) {
    Octets out;
    std::string digits;
    for (char c : text) {
        if (c == ' ') continue;
        digits += c;
        if (digits.size() == 2) {
            out.push_back(static_cast<uint8_t>(std::stoul(digits, nullptr, 16)));
            digits.clear();
        }
    }
    return out;
}

// What one decode did: the code it raised (0 when none), what it added to the counter, and how many octets
// it actually read.
struct DecodeRun {
    int code;
    uint32_t counted;
    size_t consumed;
};

// Runs decode(buf, counter, ctx) over the octets with a fresh context.
template <typename Decode>
DecodeRun runDecode(const Octets& octets, Decode&& decode) {
    BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
    BerDecodeContext ctx(octets.size());
    uint32_t counter = 0;
    int code = 0;
    try {
        decode(buf, counter, ctx);
    } catch (const BerDecodeError& error) {
        code = error.code;
    }
    return DecodeRun{code, counter, static_cast<size_t>(buf.readPos - buf.blockStart)};
}

// The octets encode(buf) writes into an ample block; checks that the length it returns is what it wrote.
template <typename Encode>
Octets runEncode(Encode&& encode) {
    Octets block(4096);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    uint32_t length = encode(buf);
    EXPECT_EQ(buf.writeFailed, 0);
    EXPECT_EQ(static_cast<size_t>(buf.end - buf.start), length);
    return Octets(buf.start, buf.end);
}

// What print(out) writes.
template <typename Print>
std::string printed(Print&& print) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    print(out);
    std::fclose(out);
    std::string result(text, size);
    std::free(text);
    return result;
}
