// The APDU assembler fed a stream in pieces of random sizes: every APDU it completes is the element the
// one-shot check finds at that point of the stream, and it refuses exactly where the one-shot check finds a
// malformed element or one longer than the cap.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "toolkit/session/apdu_assembler.h"
#include "toolkit/util/ber_element_check.h"

namespace {

// The one-shot verdict on the count octets at the start of the APDU being gathered, with the cap applied.
int oneShot(const uint8_t* octets, size_t count, size_t cap, size_t* total) {
    int32_t missing = 0;
    const int result = BerDirElementComplete(octets, static_cast<int32_t>(count), &missing);
    *total = static_cast<size_t>(missing);
    if (result == kBerElementComplete) return *total > cap ? kBerElementMalformed : result;
    if (result == kBerElementIncomplete && (count > cap || *total > cap - std::min(cap, count))) {
        return kBerElementMalformed;
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // A small cap makes refusals for size reachable; a large one lets long indefinite elements complete.
    const size_t cap = (data[0] & 1) != 0 ? size_t{1} + data[1] : size_t{1} << 20;
    // The stream is the input after the two control octets; piece sizes come from the stream's own octets
    // read backwards, so that every input has both.
    const uint8_t* stream = data + 2;
    const size_t length = size - 2;
    size_t sizer = length;

    ApduAssembler assembler;
    size_t apduStart = 0;
    size_t at = 0;
    while (at < length) {
        const size_t piece = sizer > 0 ? 1 + stream[--sizer] % 64 : 7;
        const size_t count = std::min(piece, length - at);
        size_t taken = 0;
        const ApduAssembler::Step step = assembler.take(stream + at, count, cap, &taken);
        size_t total = 0;
        const int expected = oneShot(stream + apduStart, at + count - apduStart, cap, &total);
        switch (step) {
            case ApduAssembler::Step::Complete:
                fuzzCheck(expected == kBerElementComplete, "completes where the one-shot check does");
                fuzzCheck(assembler.apdu().size() == total && apduStart + total == at + taken,
                          "the APDU is the element the one-shot check measures");
                fuzzCheck(std::equal(assembler.apdu().begin(), assembler.apdu().end(), stream + apduStart),
                          "the APDU holds the stream's octets");
                assembler.reset();
                apduStart = at + taken;
                break;
            case ApduAssembler::Step::Refused:
                fuzzCheck(expected == kBerElementMalformed,
                          "refuses where the one-shot check finds it malformed");
                return 0;
            case ApduAssembler::Step::Incomplete:
                fuzzCheck(expected == kBerElementIncomplete && taken == count,
                          "incomplete where the one-shot check is, taking every octet");
                break;
        }
        at += taken;
    }
    return 0;
}
