#include "Quorvane/results/result_row.h"

#include <cctype>

std::uint32_t ParseNumericKey(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) ++at;
    if (at < text.size() && text[at] == '+') ++at;
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits) {
        value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
        if (value > UINT32_MAX) return 0;
    }
    return digits == 0 ? 0 : static_cast<std::uint32_t>(value);
}
