#include "toolkit/util/text_markers.h"

#include <algorithm>
#include <array>
#include <optional>

#include "toolkit/util/str_class.h"
#include "toolkit/util/str_text.h"
#include "toolkit/util/text_walk.h"

namespace {

// The end of the match of marker that starts at start in the text, no value when it does not match there.
std::optional<size_t> matchAt(std::string_view text, size_t start, std::string_view marker) {
    size_t i = start;
    size_t m = 0;
    while (m < marker.size()) {
        if (StrLineRestIsWhite(marker, octet::position(m)) && StrLineRestIsWhite(text, octet::position(i))) {
            i = text.find('\n', i);
            m = marker.find('\n', m);
        }
        if (i == text.size() || text[i] != marker[m]) return std::nullopt;
        ++i;
        ++m;
        if (text[i - 1] == '\n') {
            i = static_cast<size_t>(StrSkipWhiteInLine(text, octet::position(i)));
            m = static_cast<size_t>(StrSkipWhiteInLine(marker, octet::position(m)));
        }
    }
    return i;
}

}  // namespace

int StrCopyUntilMarker(std::string_view text, int32_t& position, std::string& out, std::string_view marker) {
    out.clear();
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const size_t last = std::min(text.size(), *index + kStrCopyUntilMarkerLimit);
    for (size_t start = *index; start < last && !marker.empty(); ++start) {
        if (const auto end = matchAt(text, start, marker)) {
            out.assign(text.substr(*index, start - *index));
            position = octet::position(*end);
            return 1;
        }
    }
    out.assign(text.substr(*index, last - *index));
    return 0;
}

int StrCopyUntilMarkerSkippingBlank(std::string_view text, int32_t& position, std::string& out,
                                    std::string_view marker) {
    while (StrCopyUntilMarker(text, position, out, marker)) {
        if (!StrIsAllBlank(marker) || !StrIsWhite(out)) return 1;
    }
    return 0;
}

int StrNextSection(std::string_view text, int32_t& position, std::string& out) {
    struct Section {
        std::string_view marker;
        int result;
    };
    static constexpr std::array<Section, 3> kSections{{
        {"\xB6\xB6", 1},
        {"\xB5\xB5", 0},
        {"\xB9\xB9", 2},
    }};
    int result = 3;
    int32_t nearest = 0;
    std::string piece;
    for (const Section& section : kSections) {
        int32_t end = position;
        const bool found = StrCopyUntilMarker(text, end, piece, section.marker) == 1;
        if (found && (result == 3 || end < nearest)) {
            result = section.result;
            nearest = end;
            out = piece;
        }
    }
    // With no marker found every search copied the same rest of the text.
    if (result == 3) {
        out = std::move(piece);
    } else {
        position = nearest;
    }
    return result;
}
