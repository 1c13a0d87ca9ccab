// BerDirElementComplete and its header readers on any octets: results in range and consistent with each
// other, and the verdict unchanged when the octets after the element are cut or the missing octets arrive.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "toolkit/util/ber_element_check.h"

namespace {

// Padding beyond this is not tried, to keep every run fast.
constexpr int32_t kMaxPadding = 65536;

int complete(const uint8_t* octets, int32_t count, int32_t* missing) {
    *missing = -7;  // must be overwritten
    return BerDirElementComplete(octets, count, missing);
}

void checkComplete(const uint8_t* data, int32_t count, int32_t total) {
    fuzzCheck(total >= 2 && total <= count, "a complete element lies within the octets");
    int32_t again = 0;
    fuzzCheck(complete(data, total, &again) == kBerElementComplete && again == total,
              "the element alone is complete with the same length");
    const int shorter = complete(data, total - 1, &again);
    fuzzCheck(shorter == kBerElementIncomplete && (again == 0 || again == 1),
              "one octet short of a complete element is incomplete, missing at most that octet");
}

void checkIncomplete(const uint8_t* data, int32_t count, int32_t missing) {
    fuzzCheck(missing >= 0, "an incomplete element misses no negative count");
    if (missing == 0 || missing > kMaxPadding) return;
    // The header is whole and the length definite: the missing octets, whatever they are, complete it.
    FuzzOctets padded(data, data + count);
    padded.resize(padded.size() + static_cast<size_t>(missing), 0);
    int32_t total = 0;
    fuzzCheck(
        complete(padded.data(), count + missing, &total) == kBerElementComplete && total == count + missing,
        "the octets said missing complete the element");
}

// The header readers agree with the verdict on the outermost element.
void checkHeader(const uint8_t* data, int32_t count, int result, int32_t total) {
    int32_t tag = 0;
    const int tagOctets = BerDirTagOctets(&tag, data, count);
    fuzzCheck(tagOctets >= -1 && tagOctets <= count, "identifier octets within the input");
    fuzzCheck((tagOctets > 0) == (tag >= 0), "a tag number exactly when the identifier is read");
    if (tagOctets < 0) fuzzCheck(result == kBerElementMalformed, "a refused identifier is malformed");
    if (tagOctets <= 0) return;
    int32_t length = 0;
    const int lengthOctets = BerDirLengthOctets(&length, data + tagOctets, count - tagOctets);
    fuzzCheck(lengthOctets >= -1 && lengthOctets <= std::min(5, count - tagOctets),
              "length octets within the input, five at most");
    if (lengthOctets <= 0) fuzzCheck(length == -1, "no length unless the length octets are read");
    if (lengthOctets < 0) fuzzCheck(result == kBerElementMalformed, "a refused length is malformed");
    if (lengthOctets > 0 && length < 0 && (data[0] & 0x20) == 0) {
        fuzzCheck(result == kBerElementMalformed, "an indefinite primitive element is malformed");
    }
    if (lengthOctets > 0 && length >= 0 && result == kBerElementComplete) {
        fuzzCheck(int64_t{total} == int64_t{tagOctets} + lengthOctets + length,
                  "a definite element is its header and contents");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(INT32_MAX)) return 0;
    const auto count = static_cast<int32_t>(size);
    int32_t missing = 0;
    const int result = complete(data, count, &missing);
    switch (result) {
        case kBerElementComplete:
            checkComplete(data, count, missing);
            break;
        case kBerElementIncomplete:
            checkIncomplete(data, count, missing);
            break;
        case kBerElementMalformed:
            fuzzCheck(missing == 0, "a malformed element misses nothing");
            break;
        default:
            fuzzCheck(false, "the verdict is 1, 0 or -1");
    }
    checkHeader(data, count, result, missing);
    return 0;
}
