#include "toolkit/api/kiv_validation_predicates.h"

#include <algorithm>
#include <string_view>

int KivIsOutOfRange(uint32_t value, uint32_t low, uint32_t high) {
    return value < low || value > high ? 1 : 0;
}

int KivIsInvalidBoolean(uint32_t value) {
    return value > 1 ? 1 : 0;
}

int KivIsInvalidBitString(KivTextView text) {
    if (text.absent()) return 1;
    std::string_view bits = text.view();
    return std::all_of(bits.begin(), bits.end(), [](char c) { return c == '0' || c == '1'; }) ? 0 : 1;
}

int KivHasDisallowedOptions(KivTextView text) {
    constexpr std::string_view allowed = ALLOWED_OPTIONS;
    std::string_view options = text.view();
    for (size_t bit = 0; bit < options.size(); ++bit) {
        if (options[bit] == '1' && (bit >= allowed.size() || allowed[bit] == '0')) return 1;
    }
    return 0;
}
