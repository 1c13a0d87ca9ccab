#pragma once
// Search definitions: the blocks of search.tblx. Each block says, for a group of databases and attribute
// sets, which key column identifies a record, which attribute combinations are supported, what SQL each
// combination turns into and how its term is treated. The reader is search_definitions_reader.h, the
// look-ups are search_definitions_lookup.h.
//
// The definitions of a session are not changed after reading, so pointers to definitions, keys and
// mappings stay valid while the session holds them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A key whose record stands for several records of another table: SELECT <subKey> FROM <its table>
// WHERE <initialKey> = <key value>.
struct SubKeyDefinition {
    std::string initialKey;
    std::string subKey;  // TABLE.COLUMN
    std::string keySubstitution;
};

// A column selected together with the key.
struct SecondaryColumn {
    std::string column;
    std::string keySubstitution;
};

struct KeyDefinition {
    std::string keyText;   // TABLE.COLUMN as written: the first column of every statement run for the key
    std::string table;     // before the first '.', the whole text without one
    std::string column;    // after the first '.', empty without one
    bool decode = false;   // decode word TRUE: rows of this key are fetched but dropped
    bool textKey = false;  // decode word ALPHA; otherwise the key is numeric
    std::optional<SubKeyDefinition> subKey;
    std::vector<SecondaryColumn> secondaryColumns;
    std::optional<std::string> paddingRule;  // the decode word when it begins with "PAD" (PADLZ<width>)
};

// Phrase splitting of a mapping: how the words of a term are chained.
enum : int32_t {
    kPhraseSplitNone = 0,
    kPhraseSplitAnd = 1,  // TRUE...
    kPhraseSplitOr = 2,   // ORTRUE...
};

// The use, relation, position, structure, truncation and completeness values of an attribute list or a
// combination text; 0 is "any" in a combination.
using AttributeCombination = std::array<int32_t, 6>;

struct AttributeMapping {
    int32_t useValue = 0;
    // The statement specification after classification: the whole TABLE.COLUMN of the simple form, the
    // where-part (the first alternative) of the split form, the whole text of a complete statement.
    std::string sqlText;
    std::string fromPart;  // the simple form's table, the split form's text before "||", else empty
    std::string column;    // the simple form's column, else empty
    bool rightTruncation = false;
    bool leftTruncation = false;
    bool truncationOverride = false;  // the client's truncation attribute is ignored
    bool number = false;
    bool date = false;
    bool raw = false;
    bool wordList = false;
    bool wordListAnyCount = false;  // WORDLISTD: any number of words
    bool stem = false;
    bool alwaysStem = false;
    int32_t wordListCount = 0;
    int32_t phraseSplit = kPhraseSplitNone;
    bool phraseSplitOverride = false;  // the client's structure attribute is ignored
    int32_t paddingWidth = 0;
    int32_t maximumTermLength = 0;
    int32_t maximumPhraseTerms = 0;  // read and kept
    std::optional<std::string> termRoutine;
    std::vector<std::string> alternatives;  // the split form's "~~" alternatives, in file order
    bool complex = false;                   // a complete statement or a split form
    std::optional<std::string> combinationText;
    AttributeCombination combination{};  // the numbers of combinationText, 0 where missing
    std::optional<std::string> relevanceReference;
};

struct SearchDefinition {
    std::vector<std::string> databaseNames;  // upper case
    std::vector<std::string> attributeSetIds;
    std::vector<KeyDefinition> keys;
    std::vector<AttributeMapping> mappings;
    bool individual = false;             // only individual definitions are searched
    std::vector<std::string> stopWords;  // as written, usually with a blank on each side
    int32_t maximumCodedItems = 0;       // read and kept
    // The block's any-field disjunction: the SQL texts of its simple truncation mappings, each followed by
    // " XXTERMXX", joined by " OR ", after one blank.
    std::string anyOrText;
};
