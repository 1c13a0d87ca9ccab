#include "Quorvane/records/marc_directory.h"

#include "Quorvane/records/marc_record_assembly.h"
#include "toolkit/util/str_text.h"

namespace {

// The decimal number of a run of digits; none when any octet is not a digit.
std::optional<std::size_t> number(std::string_view digits) {
    std::size_t value = 0;
    for (char c : digits) {
        if (!octet::isDigit(c)) return std::nullopt;
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

}  // namespace

std::optional<MarcStructure> ReadMarcStructure(std::string_view record) {
    if (record.size() < kMarcLeaderLength + 2 || record.back() != kMarcRecordTerminator) return std::nullopt;
    std::optional<std::size_t> length = number(record.substr(0, 5));
    std::optional<std::size_t> base = number(record.substr(12, 5));
    if (!length || *length != record.size() || !base) return std::nullopt;
    if (*base <= kMarcLeaderLength || *base >= record.size() || record[*base - 1] != kMarcFieldTerminator ||
        (*base - 1 - kMarcLeaderLength) % kMarcDirectoryEntryLength != 0) {
        return std::nullopt;
    }
    const std::size_t dataLength = record.size() - 1 - *base;
    MarcStructure structure{*base, {}};
    for (std::size_t at = kMarcLeaderLength; at + 1 < *base; at += kMarcDirectoryEntryLength) {
        std::string_view entry = record.substr(at, kMarcDirectoryEntryLength);
        std::optional<std::size_t> fieldLength = number(entry.substr(3, 4));
        std::optional<std::size_t> start = number(entry.substr(7, 5));
        if (!fieldLength || !start || *fieldLength == 0 || *start >= dataLength ||
            *fieldLength > dataLength - *start ||
            record[*base + *start + *fieldLength - 1] != kMarcFieldTerminator) {
            return std::nullopt;
        }
        structure.entries.push_back({entry.substr(0, 3), *fieldLength, *start});
    }
    return structure;
}
