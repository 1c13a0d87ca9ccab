#pragma once
// Assembling an ISO 2709 record: fields closed one by one into a data area and a directory, then the
// leader, the directory, the data and the record terminator.
//
//   leader (24)  record length "%.5d" | type letters (3) | "  22" | base address "%.5d" | "   4500"
//                (octet 9 becomes 'a'; a stored 24-character leader gives octets 5-11 and 17-23)
//   directory    per field: tag (3), field length "%.4d", start in the data area "%.5d"; then 0x1E
//   data         each field ended by 0x1E; the record ends with 0x1D
//
// ISO 2709 gives a field length four digits and the record length five: a field is cut to
// kMarcFieldLimit octets and a longer record is refused.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/text/source_charset.h"

inline constexpr char kMarcSubfieldDelimiter = 0x1F;
inline constexpr char kMarcFieldTerminator = 0x1E;
inline constexpr char kMarcRecordTerminator = 0x1D;
inline constexpr std::size_t kMarcLeaderLength = 24;
inline constexpr std::size_t kMarcDirectoryEntryLength = 12;
// The most octets of one field, its terminator included.
inline constexpr std::size_t kMarcFieldLimit = 9999;
// The most octets of one record.
inline constexpr std::size_t kMarcRecordLimit = 99999;

// The data area and directory of the record being built.
struct MarcRecordParts {
    std::string data;
    std::string directory;
};

// The value in decimal, with leading zeros up to the width.
std::string MarcNumber(std::size_t value, int width);

// The three-character tag of a tag text: one character gets "00" in front, two get "0"; none for an
// empty text or one of more than three characters.
std::optional<std::string> MarcTag(std::string_view text);

// Closes the field. Field and record terminators in the text (from database values, codes or indicators)
// are dropped. Nothing happens for an empty field text; otherwise the text, cut when it would exceed
// kMarcFieldLimit with its terminator (never inside a UTF-8 sequence or after a lone delimiter; the cut
// is logged), gets 0x1E and goes to the data area with its directory entry. The field text is emptied.
void AddMarcField(MarcRecordParts& parts, std::string& fieldText, std::string_view tag);

// Adds a value to the open field:
// 1. newField: the field text is emptied.  2. No value: nothing more.
// 3. Indicators given: the field text becomes them, fitted to two characters (blanks added, or cut).
// 4. Subfield code given: 0x1F and the code.  5. No code, no indicators, not a new field: one blank.
// 6. The value, converted to UTF-8 (ConvertMarcText).
void AppendMarcSubfield(std::string& fieldText, std::optional<std::string_view> value,
                        std::optional<std::string_view> code, std::optional<std::string_view> indicators,
                        bool newField, SourceCharset charset);

// A text of digits and '.' only is cut at its first '.', and a single remaining character gets a
// leading '0' ("1.0" becomes "01"); any other text stays.
void NormaliseIndicatorText(std::string& text);

// The whole record with the type letters (cut or filled with blanks to three) or, when storedLeader
// holds exactly 24 characters, its octets 5-11 and 17-23; octet 9 is 'a'. None, with a log line, when
// the record would exceed kMarcRecordLimit octets.
std::optional<std::string> AssembleMarcRecord(const MarcRecordParts& parts, std::string_view typeLetters,
                                              std::optional<std::string_view> storedLeader);
