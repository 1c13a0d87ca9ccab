#include "Quorvane/search/search_definitions_reader.h"

#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/text/phrase_stop_words.h"
#include "Quorvane/text/routine_number.h"
#include "toolkit/util/str_case.h"
#include "toolkit/util/table_file.h"

namespace {

constexpr const char* kMissingDatabase = "Missing database identifier in file search.tblx";
constexpr const char* kMissingObjectId = "Missing object identifier in file search.tblx";
constexpr const char* kMissingMode = "Missing collective/individual identifier in file search.tblx";
constexpr const char* kMissingCodedItems = "Missing maximum number of coded items in file search.tblx";
constexpr const char* kMissingKey = "Missing key identifier in file search.tblx";
constexpr const char* kMissingDecode = "Missing decode in file search.tblx";
constexpr const char* kMissingInitialKey = "Missing initial key in file search.tblx";
constexpr const char* kMissingSubKey = "Missing sub key in file search.tblx";
constexpr const char* kMissingKeySubstitution = "Missing key substitution in file search.tblx";
constexpr const char* kMissingSecondaryKey = "Missing secondary key in file search.tblx";
constexpr const char* kMissingStopWords = "Missing stop words in file search.tblx";
constexpr const char* kBlankStopWord = "Blank stop word in file search.tblx";
constexpr const char* kMissingMarker = "Missing attribute marker in file search.tblx";
constexpr const char* kMissingAttributes = "Missing attributes in file search.tblx";
constexpr const char* kMissingTruncation = "Missing truncation specification in file search.tblx";
constexpr const char* kWrongTableField = "Wrong table field in file search.tblx";
constexpr const char* kMissingPhraseSplit = "Missing phrase split definition in file search.tblx";
constexpr const char* kMissingPadding = "Missing padding number in file search.tblx";
constexpr const char* kMissingTermLength = "Missing maximum term length in file search.tblx";
constexpr const char* kMissingPhraseTerms = "Missing Maximum Number Of Phrase Terms in file search.tblx";
constexpr const char* kMissingTermRoutine = "Missing term routine in file search.tblx";
constexpr const char* kMissingRelevance = "Missing relevance reference in file search.tblx";
constexpr const char* kErrorInFile = "Error in search.tblx";

// The any-OR text takes at most this many mappings of a block.
constexpr int kAnyOrMappingLimit = 20;

// A record of a block's head: one that cannot be read leaves no values, so that the value readers report
// what is missing.
void readHeadRecord(TblFile* file) {
    if (ReadControlRecord(file) != ControlRecordRead::Record) TblClearRecord(file);
}

// The token type of the record's next value; none when the record has no value left.
std::optional<int32_t> nextValueType(const TblFile* file) {
    const std::optional<ControlValue> value = PeekControlValue(file);
    if (!value) return std::nullopt;
    return value->type;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

void splitTableColumn(const std::string& text, std::string& table, std::string& column) {
    size_t dot = text.find('.');
    table = text.substr(0, dot);
    column = dot == std::string::npos ? std::string() : text.substr(dot + 1);
}

KeyDefinition readKey(TblFile* file) {
    KeyDefinition key;
    key.keyText = *ReadControlToken(file, kMissingKey, true);
    splitTableColumn(key.keyText, key.table, key.column);
    std::string decode = *ReadControlWord(file, kMissingDecode, true);
    key.decode = decode == "TRUE";
    key.textKey = decode == "ALPHA";
    if (startsWith(decode, "PAD")) key.paddingRule = decode;
    return key;
}

// The key entries of the key record: quoted keys with their decode words, SUBKEY and SECONDARY entries
// for the key before them. An entry before the first key, and a value that is neither a quoted text nor
// a word, are reported as a missing key identifier.
void readKeys(TblFile* file, std::vector<KeyDefinition>& keys) {
    if (!nextValueType(file)) ReportControlFileProblem(kMissingKey);
    while (std::optional<int32_t> type = nextValueType(file)) {
        if (*type == TblTokenString) {
            keys.push_back(readKey(file));
            continue;
        }
        if (*type != TblTokenWord) {
            ReadControlToken(file, kMissingKey, true);
            continue;
        }
        std::string word = *ReadControlWord(file, kMissingKey, true);
        if (word == "SUBKEY") {
            SubKeyDefinition subKey;
            subKey.initialKey = *ReadControlToken(file, kMissingInitialKey, true);
            subKey.subKey = *ReadControlToken(file, kMissingSubKey, true);
            subKey.keySubstitution = *ReadControlToken(file, kMissingKeySubstitution, true);
            if (keys.empty()) {
                ReportControlFileProblem(kMissingKey);
            } else {
                keys.back().subKey = std::move(subKey);
            }
        } else if (word == "SECONDARY") {
            SecondaryColumn secondary;
            secondary.column = *ReadControlToken(file, kMissingSecondaryKey, true);
            secondary.keySubstitution = *ReadControlToken(file, kMissingKeySubstitution, true);
            if (keys.empty()) {
                ReportControlFileProblem(kMissingKey);
            } else {
                keys.back().secondaryColumns.push_back(std::move(secondary));
            }
        }
    }
}

// Stop words are removed from terms by replacement, which would never end for an empty or blank one.
void readStopWords(TblFile* file, std::vector<std::string>& stopWords) {
    while (std::optional<std::string> word = ReadControlToken(file, kMissingStopWords, false)) {
        if (IsUsableStopWord(*word)) {
            stopWords.push_back(std::move(*word));
        } else {
            ReportControlFileProblem(kBlankStopWord);
        }
    }
}

AttributeCombination parseCombination(std::string_view text) {
    AttributeCombination combination{};
    for (size_t i = 0; i < combination.size(); ++i) {
        size_t comma = text.find(',');
        combination[i] = RoutineNumber(text.substr(0, comma), 0);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return combination;
}

// Sets the mapping's flags from its term word; true for the truncation words (TRUE..., LEFT..., BOTH...
// and any other word), whose mappings may join the any-OR text.
bool applyTermWord(const std::string& word, AttributeMapping& mapping) {
    if (word == "NUMBER") {
        mapping.number = true;
        mapping.rightTruncation = false;
        return false;
    }
    if (word == "DATE") {
        mapping.date = true;
        return false;
    }
    if (word == "RAW") {
        mapping.raw = true;
        return false;
    }
    if (startsWith(word, "STEM")) {
        mapping.stem = true;
        mapping.alwaysStem = word.size() > 4 && word[4] == 'O';
        return false;
    }
    if (startsWith(word, "WORDLIST")) {
        mapping.wordList = true;
        mapping.rightTruncation = true;
        mapping.wordListAnyCount = word.size() > 8 && word[8] == 'D';
        mapping.wordListCount = RoutineNumber(word, mapping.wordListAnyCount ? 9 : 8);
        return false;
    }
    if (startsWith(word, "TRUE")) {
        mapping.rightTruncation = true;
    } else if (startsWith(word, "LEFT")) {
        mapping.leftTruncation = true;
    } else if (startsWith(word, "BOTH")) {
        mapping.rightTruncation = true;
        mapping.leftTruncation = true;
    }
    mapping.truncationOverride = !word.empty() && word.back() == 'O';
    return true;
}

void applyPhraseSplitWord(const std::string& word, AttributeMapping& mapping) {
    if (startsWith(word, "TRUE")) {
        mapping.phraseSplit = kPhraseSplitAnd;
    } else if (startsWith(word, "ORTRUE")) {
        mapping.phraseSplit = kPhraseSplitOr;
    }
    mapping.phraseSplitOverride = !word.empty() && word.back() == 'O';
}

// The block's any-field disjunction while its mappings are read.
class AnyOrText {
  public:
    void add(const AttributeMapping& mapping) {
        if (mapping.complex || mapping.sqlText.find(".*") != std::string::npos) return;
        if (count_ >= kAnyOrMappingLimit) return;
        text_ += mapping.sqlText + " XXTERMXX OR ";
        ++count_;
    }
    // The text without its last " OR ".
    std::string finish() const { return text_.size() >= 4 ? text_.substr(0, text_.size() - 4) : text_; }

  private:
    std::string text_ = " ";
    int count_ = 0;
};

// One attribute record (its first value an integer or a quoted combination text); false after a fault
// that ends the reading.
bool readMapping(TblFile* file, int32_t firstType, SearchDefinition& definition, AnyOrText& anyOr) {
    AttributeMapping mapping;
    if (firstType == TblTokenInteger) {
        mapping.useValue = ReadControlInteger(file, kMissingAttributes, true);
    } else {
        mapping.combinationText = ReadControlToken(file, kMissingAttributes, true);
        mapping.combination = parseCombination(*mapping.combinationText);
        mapping.useValue = mapping.combination[0];
    }
    std::string sql = *ReadControlToken(file, kMissingAttributes, true);
    while (nextValueType(file) == TblTokenString) sql += *ReadControlToken(file, kMissingAttributes, true);

    std::optional<int32_t> termWordType = nextValueType(file);
    if (termWordType != TblTokenWord) {
        ReportControlFileFault(termWordType ? kWrongTableField : kMissingTruncation);
        return false;
    }
    std::string termWord = *ReadControlWord(file, kMissingTruncation, true);
    ClassifyAttributeSql(sql, mapping);
    bool truncationWord = applyTermWord(termWord, mapping);

    applyPhraseSplitWord(*ReadControlWord(file, kMissingPhraseSplit, true), mapping);
    mapping.paddingWidth = ReadControlInteger(file, kMissingPadding, true);
    mapping.maximumTermLength = ReadControlInteger(file, kMissingTermLength, true);
    mapping.maximumPhraseTerms = ReadControlInteger(file, kMissingPhraseTerms, true);
    mapping.termRoutine = ReadControlToken(file, kMissingTermRoutine, false);
    mapping.relevanceReference = ReadControlToken(file, kMissingRelevance, false);

    if (truncationWord) anyOr.add(mapping);
    definition.mappings.push_back(std::move(mapping));
    return true;
}

enum class BlockEnd { EndOfFile, NextBlock, Fault };

BlockEnd readMappings(TblFile* file, SearchDefinition& definition) {
    AnyOrText anyOr;
    BlockEnd end = BlockEnd::EndOfFile;
    for (;;) {
        ControlRecordRead read = ReadControlRecord(file);
        if (read == ControlRecordRead::End) break;
        if (read == ControlRecordRead::Faulty) {
            ReportControlFileFault(kErrorInFile);
            return BlockEnd::Fault;
        }
        int32_t type = *nextValueType(file);
        if (type == TblTokenWord) {
            end = BlockEnd::NextBlock;
            break;
        }
        if (type == TblTokenReal || type == TblTokenStar) continue;
        if (!readMapping(file, type, definition, anyOr)) return BlockEnd::Fault;
    }
    definition.anyOrText = anyOr.finish();
    return end;
}

// One block, its database record already read.
BlockEnd readBlock(TblFile* file, SearchDefinition& definition) {
    ReadControlWord(file, kMissingDatabase, true);
    definition.databaseNames = ReadControlDatabaseNames(file, kMissingDatabase, true);

    readHeadRecord(file);
    ReadControlWord(file, kMissingObjectId, true);
    definition.attributeSetIds = ReadControlTexts(file, kMissingObjectId, true);

    readHeadRecord(file);
    definition.individual = ReadControlWord(file, kMissingMode, true) == "INDIVIDUAL";

    readHeadRecord(file);
    ReadControlWord(file, kMissingCodedItems, true);
    definition.maximumCodedItems = ReadControlInteger(file, kMissingCodedItems, true);

    readHeadRecord(file);
    ReadControlWord(file, kMissingKey, true);
    readKeys(file, definition.keys);

    readHeadRecord(file);
    ReadControlWord(file, kMissingStopWords, true);
    readStopWords(file, definition.stopWords);

    readHeadRecord(file);
    ReadControlWord(file, kMissingMarker, true);

    return readMappings(file, definition);
}

}  // namespace

void ClassifyAttributeSql(const std::string& text, AttributeMapping& mapping) {
    std::string upper = text;
    StrUpper(upper);
    if (upper.find("SELECT") != std::string::npos && upper.find("FROM") != std::string::npos) {
        mapping.sqlText = text;
        mapping.fromPart.clear();
        mapping.column.clear();
        mapping.complex = true;
        return;
    }
    size_t split = text.find("||");
    if (split != std::string::npos) {
        mapping.fromPart = text.substr(0, split);
        mapping.sqlText = text.substr(split + 2);
        mapping.column.clear();
        mapping.complex = true;
        if (mapping.sqlText.find("~~") == std::string::npos) return;
        std::string_view rest = mapping.sqlText;
        for (size_t cut = rest.find("~~");; cut = rest.find("~~")) {
            mapping.alternatives.emplace_back(rest.substr(0, cut));
            if (cut == std::string_view::npos) break;
            rest.remove_prefix(cut + 2);
        }
        mapping.sqlText = mapping.alternatives.front();
        return;
    }
    mapping.sqlText = text;
    splitTableColumn(text, mapping.fromPart, mapping.column);
    mapping.complex = false;
}

DefinitionBlocks<SearchDefinition> LoadSearchDefinitions(const std::string& path) {
    OwnedTblFile file = OpenControlFile(path);
    if (!file) {
        ReportControlFileFault("Could not open file " + path);
        return std::nullopt;
    }
    std::vector<SearchDefinition> definitions;
    ControlRecordRead first = ReadControlRecord(file.get());
    if (first == ControlRecordRead::End) return definitions;
    if (first == ControlRecordRead::Faulty) TblClearRecord(file.get());
    for (;;) {
        SearchDefinition definition;
        BlockEnd end = readBlock(file.get(), definition);
        if (end == BlockEnd::Fault) return std::nullopt;
        definitions.push_back(std::move(definition));
        if (end == BlockEnd::EndOfFile) return definitions;
    }
}
