#include "tests/codec/records/whole_value.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "toolkit/util/memory.h"

namespace {

std::vector<uint8_t> encodeValue(const BerAnyEntry& entry, void* value) {
    BerBuffer sizing = berEncodeBuffer(nullptr, 0);
    uint32_t size = entry.encode(sizing, value);
    std::vector<uint8_t> block(size);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    entry.encode(buf, value);
    if (buf.writeFailed != 0 || buf.start != buf.blockStart) return {};
    return block;
}

std::string printValue(const BerAnyEntry& entry, void* value) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    entry.print(out, value, 0);
    std::fclose(out);
    std::string result(text, size);
    std::free(text);
    return result;
}

}  // namespace

WholeOutcome decodeWhole(const BerAnyEntry& entry, const std::vector<uint8_t>& octets) {
    // An exact-size block, so that a read past the end is an error the sanitizer reports.
    std::unique_ptr<uint8_t[]> block(new uint8_t[octets.size() + 1]);
    if (!octets.empty()) std::memcpy(block.get(), octets.data(), octets.size());
    BerBuffer buf = berDecodeBuffer(block.get(), octets.size());
    BerDecodeContext ctx(octets.size());
    void* value = MemAlloc(entry.valueSize);
    WholeOutcome outcome;
    try {
        entry.decode(buf, value, outcome.consumed, ctx);
    } catch (const BerDecodeError& error) {
        outcome.code = error.code;
    }
    outcome.depthAfter = ctx.depth();
    if (outcome.code == 0) {
        outcome.encoded = encodeValue(entry, value);
        outcome.printed = printValue(entry, value);
    }
    entry.free(value);
    MemFree(value);
    return outcome;
}
