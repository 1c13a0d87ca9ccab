#include "Quorvane/text/field_routines.h"

#include "Quorvane/text/replace_char.h"
#include "Quorvane/text/routine_number.h"
#include "toolkit/util/str_number.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr size_t kFieldRoutineNumberIndex = 7;
constexpr size_t kLeaderRoutineNumberIndex = 8;
constexpr char kSubfieldDelimiter = 0x1F;

std::optional<std::string> availability(std::string_view value) {
    if (value.empty()) return std::nullopt;
    switch (value[0]) {
        case 'A':
        case 'B':
        case 'C':
            return "PRE-PUBLICATION";
        case 'E':
        case 'F':
            return "AVAILABLE";
        case 'H':
        case 'J':
        case 'M':
        case 'N':
        case 'P':
        case 'Q':
        case 'R':
        case 'S':
        case 'T':
            return "UNAVAILABLE";
        case 'V':
        case 'W':
        case 'X':
        case 'Y':
        case 'Z':
            return "TO-FOLLOW";
        default:
            return std::nullopt;
    }
}

std::string fillPattern(std::string_view pattern, std::string_view value) {
    std::string out;
    bool filled = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        std::string_view pair = pattern.substr(i, 2);
        if (pair == "%%") {
            out += '%';
            ++i;
        } else if (pair == "%s" && !filled) {
            out += value;
            filled = true;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string digitsWithPointZero(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (octet::isDigit(c)) out += c;
    }
    return out + ".0";
}

std::string withDelimiters(std::string_view value) {
    std::string out(value);
    ReplaceChar(out, '$', kSubfieldDelimiter);
    return out;
}

bool hasSubfieldsAfterIndicators(std::string_view value) {
    return value.size() > 2 && value[2] == '$';
}

}  // namespace

std::optional<std::string> ApplyFieldRoutine(std::optional<std::string_view> value,
                                             std::string_view routineName,
                                             const ImageLocationReader& imageLocation) {
    if (!value) return std::nullopt;
    std::string_view text = *value;
    if (routineName == "NULL") return std::string(text);
    switch (RoutineNumber(routineName, kFieldRoutineNumberIndex)) {
        case 1:
            return std::string(text == "AF" ? "F" : text);
        case 2:
            if (StrToInt(text) >= 20) return "PBK";
            return std::nullopt;
        case 3:
            return std::string(text) + (text.find('.') == std::string_view::npos ? ".0" : "");
        case 4:
            if (text == "JF") return "CF";
            if (text == "JNF") return "CNF";
            return std::string(text);
        case 5:
            return availability(text);
        case 6:
            return fillPattern(imageLocation(), text);
        case 7:
            return "http://" + std::string(text);
        case 8:
            return digitsWithPointZero(text);
        case 9:
            return std::string(text.starts_with('$') ? text.substr(1) : text);
        case 10:
            return withDelimiters(text);
        case 11:
            return hasSubfieldsAfterIndicators(text) ? withDelimiters(text.substr(2)) : std::string(text);
        case 12:
            return hasSubfieldsAfterIndicators(text) ? std::string(text.substr(0, 2)) : std::string("  ");
        default:
            return std::nullopt;
    }
}

std::string ApplyLeaderRoutine(std::optional<std::string_view> value, std::string_view routineName) {
    if (!value) return "nam";
    if (routineName != "NULL" && RoutineNumber(routineName, kLeaderRoutineNumberIndex) == 1) return "nam";
    return std::string(*value);
}
