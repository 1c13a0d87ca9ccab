#include "Quorvane/records/marc_record_assembly.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "Quorvane/log/operations_log.h"
#include "Quorvane/text/marc_text.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr std::size_t kIndicatorCount = 2;

bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of the text cut to at most limit octets, backed off to the start of a UTF-8 sequence that
// the cut would split and past a delimiter left without its code.
std::size_t cutLength(std::string_view text, std::size_t limit) {
    std::size_t length = limit;
    if (isUtf8Continuation(text[length])) {
        while (length > 0 && isUtf8Continuation(text[length])) --length;
    }
    while (length > 0 && text[length - 1] == kMarcSubfieldDelimiter) --length;
    return length;
}

std::string fittedToThree(std::string_view letters) {
    std::string fitted(letters.substr(0, 3));
    fitted.resize(3, ' ');
    return fitted;
}

}  // namespace

std::string MarcNumber(std::size_t value, int width) {
    char digits[24];
    const std::size_t length =
        static_cast<std::size_t>(std::to_chars(digits, std::end(digits), value).ptr - digits);
    std::string text(width > 0 && static_cast<std::size_t>(width) > length ? width - length : 0, '0');
    text.append(digits, length);
    return text;
}

std::optional<std::string> MarcTag(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    return std::string(3 - text.size(), '0') + std::string(text);
}

void AddMarcField(MarcRecordParts& parts, std::string& fieldText, std::string_view tag) {
    std::erase_if(fieldText, [](char c) { return c == kMarcFieldTerminator || c == kMarcRecordTerminator; });
    if (fieldText.empty()) return;
    if (fieldText.size() + 1 > kMarcFieldLimit) {
        LogMessage("MARC field " + std::string(tag) + " of " + std::to_string(fieldText.size() + 1) +
                   " octets cut to " + std::to_string(kMarcFieldLimit));
        fieldText.resize(cutLength(fieldText, kMarcFieldLimit - 1));
    }
    fieldText += kMarcFieldTerminator;
    parts.directory += std::string(tag) + MarcNumber(fieldText.size(), 4) + MarcNumber(parts.data.size(), 5);
    parts.data += fieldText;
    fieldText.clear();
}

void AppendMarcSubfield(std::string& fieldText, std::optional<std::string_view> value,
                        std::optional<std::string_view> code, std::optional<std::string_view> indicators,
                        bool newField, SourceCharset charset) {
    if (newField) fieldText.clear();
    if (!value) return;
    if (indicators) {
        fieldText.assign(indicators->substr(0, kIndicatorCount));
        fieldText.resize(kIndicatorCount, ' ');
    }
    if (code) {
        fieldText += kMarcSubfieldDelimiter;
        fieldText += *code;
    } else if (!indicators && !newField) {
        fieldText += ' ';
    }
    std::string converted;
    ConvertMarcText(converted, *value, 0, charset);
    fieldText += converted;
}

void NormaliseIndicatorText(std::string& text) {
    if (!std::all_of(text.begin(), text.end(), [](char c) { return octet::isDigit(c) || c == '.'; })) return;
    text.resize(std::min(text.size(), text.find('.')));
    if (text.size() == 1) text.insert(0, 1, '0');
}

std::optional<std::string> AssembleMarcRecord(const MarcRecordParts& parts, std::string_view typeLetters,
                                              std::optional<std::string_view> storedLeader) {
    const std::size_t length = kMarcLeaderLength + parts.directory.size() + 1 + parts.data.size() + 1;
    if (length > kMarcRecordLimit) {
        LogMessage("MARC record of " + std::to_string(length) + " octets refused: the limit is " +
                   std::to_string(kMarcRecordLimit));
        return std::nullopt;
    }
    const std::size_t baseAddress = kMarcLeaderLength + parts.directory.size() + 1;
    std::string record = MarcNumber(length, 5);
    if (storedLeader && storedLeader->size() == kMarcLeaderLength) {
        record += storedLeader->substr(5, 7);
        record += MarcNumber(baseAddress, 5);
        record += storedLeader->substr(17, 7);
    } else {
        record += fittedToThree(typeLetters);
        record += "  22";
        record += MarcNumber(baseAddress, 5);
        record += "   4500";
    }
    record[9] = 'a';
    record.reserve(length);
    record += parts.directory;
    record += kMarcFieldTerminator;
    record += parts.data;
    record += kMarcRecordTerminator;
    return record;
}
