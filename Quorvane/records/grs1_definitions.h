#pragma once
// genericdef.tblx: the GRS-1 layout per database. Records come in pairs: the database names (compared
// exactly with the current database name, so written in upper case), then the element definitions, each
// one text of '|'-separated fields:
//   parent id | tag type | tag value | content type | content [| routine [| variant set | class | type |
//   value]]
// The content is a column name, or for SUBTREE the id of the level the subtree holds. A routine field that
// does not begin with "ROUTINE" names no routine.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SessionRecord;

inline constexpr const char* kGenericDefinitionsFile = "genericdef.tblx";

enum class GenericContentType { String, Octets, Numeric, Date, Bool, Oid, Subtree, NotThere };

// The applied variant of an element: one triple in the global variant set.
struct GenericVariant {
    std::string variantSetId;  // dotted object identifier
    std::uint32_t variantClass = 0;
    std::uint32_t variantType = 0;
    std::string value;  // "NULL" for a null value
};

struct GenericDefinition {
    std::string text;  // as written, for messages
    std::string parentId;
    std::uint32_t tagType = 0;
    std::string tagValue;
    std::optional<std::uint32_t> numericTagValue;  // the tag value when it holds only digits
    GenericContentType contentType = GenericContentType::NotThere;
    // The column name (literal text when no present statement selects such a column), or the id of a
    // subtree's level.
    std::string content;
    std::string routine;  // "NULL" for none
    std::optional<GenericVariant> variant;
};

struct GenericBlock {
    std::vector<std::string> databases;
    std::vector<GenericDefinition> definitions;
};

// The definition a text describes; nothing when it has fewer than five fields, a tag type that is not a
// decimal number, or a variant that is incomplete (fewer than four fields) or not numeric where it must be.
std::optional<GenericDefinition> ParseGenericDefinition(std::string_view text);

// Reads the file into the session's GRS-1 definitions (file order). Problems are logged
// and set the configuration-error state: "No database entries in file genericdef.tblx", "No definitions
// in file genericdef.tblx", "Error in definition <text> in file genericdef.tblx", and "Error in file
// <path>" for a file without records, a database record without its definitions and reading that stops
// before the end of the file. The definitions stay absent when the file cannot be opened or the
// configuration-error state is set after reading.
void ReadGenericDefinitions(const std::string& path, SessionRecord& session);

// The block for the session's current database, else for "DEFAULT"; the definitions are read from the
// control-files directory first when the session has none yet. nullptr when there is no such block.
const GenericBlock* FindGenericBlock(SessionRecord& session);
