#include "tests/codec/explain/nested_octets.h"

#include <cstddef>

namespace {

void appendLength(std::vector<uint8_t>& out, size_t length) {
    if (length < 0x80) {
        out.push_back(static_cast<uint8_t>(length));
        return;
    }
    std::vector<uint8_t> octets;
    for (; length > 0; length >>= 8) octets.insert(octets.begin(), static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(0x80 | octets.size()));
    out.insert(out.end(), octets.begin(), octets.end());
}

std::vector<uint8_t> wrap(uint8_t identifier, const std::vector<uint8_t>& contents) {
    std::vector<uint8_t> out{identifier};
    appendLength(out, contents.size());
    out.insert(out.end(), contents.begin(), contents.end());
    return out;
}

}  // namespace

std::vector<uint8_t> nestedElementInfo(int levels) {
    std::vector<uint8_t> dataType = wrap(0xA3, {0x80, 0x01, 0x01});
    std::vector<uint8_t> element;
    for (int level = 0; level < levels; ++level) {
        std::vector<uint8_t> contents{0x81, 0x01, 0x61, 0xA2, 0x00};
        contents.insert(contents.end(), dataType.begin(), dataType.end());
        contents.insert(contents.end(), {0x84, 0x01, 0x00, 0x85, 0x01, 0x00});
        element = wrap(0x30, contents);
        dataType = wrap(0xA3, wrap(0xA1, element));
    }
    return element;
}
