#include "toolkit/util/str_wildcard.h"

#include <algorithm>
#include <vector>

namespace {

bool isPrintable(char c) {
    return c >= 0x20 && c <= 0x7E;
}

// A stretch of the data one '*' of the pattern has searched in vain: a later search for the same '*' that
// starts inside it ends the same way, so it is not repeated (keeps the search linear in the data).
struct FailedScan {
    size_t from = std::string_view::npos;
    size_t to = 0;
};

// The end of the match of pattern that starts at start, no value when it does not match there.
std::optional<size_t> matchAt(std::string_view data, std::string_view pattern, size_t start,
                              std::vector<FailedScan>& failed) {
    size_t i = start;
    size_t p = 0;
    size_t star = 0;
    while (p < pattern.size()) {
        if (pattern[p] != '*') {
            if (i == data.size() || data[i] != pattern[p]) return std::nullopt;
            ++i;
            ++p;
            continue;
        }
        const std::string_view rest = pattern.substr(p + 1);
        if (rest.empty()) {
            while (i < data.size() && isPrintable(data[i])) ++i;
            return i;
        }
        FailedScan& scan = failed[star++];
        if (scan.from <= i && i <= scan.to) return std::nullopt;
        size_t k = i;
        while (!StrMatchUpToStar(data.substr(k), rest)) {
            if (k == data.size() || !isPrintable(data[k])) {
                scan = {i, k};
                return std::nullopt;
            }
            ++k;
        }
        const size_t segment = std::min(rest.find('*'), rest.size());
        i = k + segment;
        p += 1 + segment;
    }
    return i;
}

}  // namespace

int StrCompareWild(std::string_view text, std::string_view pattern, char wild) {
    if (text.size() != pattern.size()) return 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto t = static_cast<unsigned char>(text[i]);
        const auto p = pattern[i] == wild ? t : static_cast<unsigned char>(pattern[i]);
        if (p != t) return p < t ? -1 : 1;
    }
    return 0;
}

int StrMatchUpToStar(std::string_view data, std::string_view pattern) {
    return data.starts_with(pattern.substr(0, pattern.find('*'))) ? 1 : 0;
}

std::optional<std::string_view> findStarMatch(std::string_view data, std::string_view pattern) {
    std::vector<FailedScan> failed(static_cast<size_t>(std::count(pattern.begin(), pattern.end(), '*')));
    for (size_t start = 0; start <= data.size(); ++start) {
        if (const auto end = matchAt(data, pattern, start, failed)) return data.substr(start, *end - start);
    }
    return std::nullopt;
}
