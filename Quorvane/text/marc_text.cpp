#include "Quorvane/text/marc_text.h"

#include <algorithm>
#include <optional>

#include "Quorvane/text/utf8.h"
#include "Quorvane/text/windows1252.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr size_t kDefaultInputLimit = 9999;
constexpr std::string_view kCodeOpen = "<d:";

struct DiacriticCode {
    std::string_view letters;
    uint32_t codePoint;
};

constexpr DiacriticCode kDiacriticCodes[] = {
    {"gv", 0x0300}, {"aa", 0x0301}, {"cf", 0x0302}, {"ti", 0x0303}, {"ma", 0x0304}, {"ol", 0x0305},
    {"br", 0x0306}, {"da", 0x0307}, {"um", 0x0308}, {"ht", 0x0309}, {"ca", 0x030A}, {"ad", 0x030B},
    {"hk", 0x030C}, {"cd", 0x0310}, {"cc", 0x0313}, {"co", 0x0315}, {"ru", 0x031C}, {"db", 0x0323},
    {"dd", 0x0324}, {"cb", 0x0325}, {"hl", 0x0326}, {"ce", 0x0327}, {"hr", 0x0328}, {"hb", 0x032E},
    {"ul", 0x0332}, {"ud", 0x0333}, {"ll", 0xFE20}, {"lr", 0xFE21}, {"tl", 0xFE22}, {"tr", 0xFE23},
};

int hexValue(char c) {
    if (octet::isDigit(c)) return c - '0';
    char lower = octet::toLower(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The code point of the text between "<d:" and ">", when it is a usable code.
std::optional<uint32_t> diacriticCodePoint(std::string_view code) {
    uint32_t codePoint = 0;
    if (code.size() == 2 && octet::isLetter(code[0]) && octet::isLetter(code[1])) {
        char letters[] = {octet::toLower(code[0]), octet::toLower(code[1])};
        auto entry =
            std::find_if(std::begin(kDiacriticCodes), std::end(kDiacriticCodes),
                         [&](const DiacriticCode& d) { return d.letters == std::string_view(letters, 2); });
        if (entry == std::end(kDiacriticCodes)) return std::nullopt;
        codePoint = entry->codePoint;
    } else if (code.size() == 4) {
        for (char c : code) {
            int digit = hexValue(c);
            if (digit < 0) return std::nullopt;
            codePoint = codePoint * 16 + static_cast<uint32_t>(digit);
        }
    }
    if (codePoint == 0 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return std::nullopt;
    return codePoint;
}

void appendSource(std::string& output, std::string_view text, SourceCharset charset) {
    for (size_t i = 0; i < text.size();) {
        if (charset == SourceCharset::Utf8) {
            // A well-formed sequence is its own UTF-8 form: runs of them are copied as they stand. NUL (code
            // point 0) is dropped.
            const size_t start = i;
            while (i < text.size() && text[i] != '\0') {
                const size_t length =
                    static_cast<unsigned char>(text[i]) < 0x80 ? 1 : DecodeUtf8(text.substr(i)).length;
                if (length == 0) break;
                i += length;
            }
            output.append(text.substr(start, i - start));
            if (i == text.size()) break;
            if (text[i] == '\0') {
                ++i;
                continue;
            }
        }
        EncodeWindows1252Char(output, text[i]);
        ++i;
    }
}

// The length of the value cut at limit octets, backed off to the start of a UTF-8 sequence that the
// limit would cut in two.
size_t utf8CutLength(std::string_view value, size_t limit) {
    if (limit >= value.size()) return value.size();
    size_t start = limit;
    for (int back = 0; back < 3 && start > 0 && (static_cast<unsigned char>(value[start]) & 0xC0) == 0x80;
         ++back) {
        --start;
    }
    Utf8Char character = DecodeUtf8(value.substr(start));
    return character.length > 0 && start + character.length > limit ? start : limit;
}

}  // namespace

size_t ConvertMarcText(std::string& output, std::string_view value, int32_t inputLimit,
                       SourceCharset charset) {
    size_t limit = inputLimit < 1 ? kDefaultInputLimit : static_cast<size_t>(inputLimit);
    size_t length =
        charset == SourceCharset::Utf8 ? utf8CutLength(value, limit) : std::min(limit, value.size());
    std::string_view text = value.substr(0, length);
    output.clear();
    size_t position = 0;
    size_t close = std::string_view::npos;
    for (;;) {
        size_t open = text.find(kCodeOpen, position);
        if (open == std::string_view::npos) break;
        size_t codeStart = open + kCodeOpen.size();
        // The first '>' after an earlier "<d:" is also the first after this one when it lies beyond it.
        if (close == std::string_view::npos || close < codeStart) close = text.find('>', codeStart);
        if (close == std::string_view::npos) break;
        appendSource(output, text.substr(position, open - position), charset);
        std::optional<uint32_t> codePoint = diacriticCodePoint(text.substr(codeStart, close - codeStart));
        if (codePoint) {
            EncodeUtf8(output, *codePoint);
            position = close + 1;
        } else {
            output += '<';
            position = open + 1;
        }
    }
    appendSource(output, text.substr(position), charset);
    return output.size();
}
