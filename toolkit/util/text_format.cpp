#include "toolkit/util/text_format.h"

#include <algorithm>
#include <cstring>

#include "toolkit/util/str_text.h"

namespace {

size_t firstMarker(std::string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && (text[i + 1] == 'd' || text[i + 1] == 's' || text[i + 1] == 'n')) return i;
    }
    return std::string_view::npos;
}

size_t countOf(std::string_view text, std::string_view marker) {
    size_t count = 0;
    for (size_t at = text.find(marker); at != std::string_view::npos;
         at = text.find(marker, at + marker.size())) {
        ++count;
    }
    return count;
}

}  // namespace

int StrFindFormatMarker(std::string_view text, std::string& out) {
    out.clear();
    const size_t at = firstMarker(text);
    if (at == std::string_view::npos) return 0;
    out.assign(text.substr(at, 2));
    return 1;
}

const char* StrFindAnyMarker(const char* text) {
    for (const char* marker : {"%d", "%s", "%n"}) {
        if (const char* found = std::strstr(text, marker)) return found;
    }
    return nullptr;
}

int StrFillMarkerRight(std::string& format, std::string_view value) {
    const size_t at = firstMarker(format);
    if (at == std::string::npos) return 0;
    format.replace(at, 2, "  ");
    size_t end = at + 2;
    if (value.size() > end) {
        format.insert(0, value.size() - end, ' ');
        end = value.size();
    }
    format.replace(end - value.size(), value.size(), value);
    return 1;
}

int StrFillMarkerLeft(std::string& format, std::string_view value) {
    const size_t at = firstMarker(format);
    if (at == std::string::npos) return 0;
    while (!value.empty() && octet::isBlankOrTab(value.front())) value.remove_prefix(1);
    format.replace(at, 2, "  ");
    format.replace(at, std::min(value.size(), format.size() - at), value);
    return 1;
}

int32_t StrFormatLengthEstimate(std::string_view format) {
    const size_t estimate =
        format.size() + 20 * countOf(format, "%d") + 80 * countOf(format, "%s") + 300 * countOf(format, "%n");
    return octet::position(estimate);
}
