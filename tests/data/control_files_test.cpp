// The shipped control files, read with the table-file reader the server uses: every file is read to its
// end, and every record has the values its reader expects. The checks report problems as text, so each is
// also shown to catch the mistake it is there for.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "toolkit/util/err_report.h"
#include "toolkit/util/table_file.h"

namespace {

const std::string kControlDir = QUORVANE_CONTROL_DIR;

struct Value {
    int32_t type;  // TblFieldType
    std::string text;
    int32_t integer = 0;
};
using Record = std::vector<Value>;
using Problems = std::vector<std::string>;

struct Table {
    std::vector<Record> records;
    bool readToEnd = false;
};

Table readTable(const std::string& path) {
    Table table;
    TblFile* file = TblOpen(path.c_str(), TblRead);
    if (file == nullptr) return table;
    while (TblReadRecord(file) == 1) {
        Record record;
        TblField field{};
        while (TblGetField(file, &field) == 1) {
            Value value{field.type, "", 0};
            if (field.type == TblFieldString || field.type == TblFieldWord) {
                value.text = field.value.text;
                ErrFree(field.value.text);
            } else if (field.type == TblFieldInteger) {
                value.integer = field.value.integer;
            }
            record.push_back(value);
        }
        table.records.push_back(record);
    }
    // The readers stop at the first record they refuse; only the end of the file may stop them.
    TblToken* next = TblReadToken(file);
    table.readToEnd = next->type == TblTokenEndOfFile;
    TblFreeToken(next);
    TblClose(file);
    return table;
}

bool isString(const Record& r, size_t i) {
    return i < r.size() && r[i].type == TblFieldString;
}
bool isWord(const Record& r, size_t i) {
    return i < r.size() && r[i].type == TblFieldWord;
}
bool isInteger(const Record& r, size_t i) {
    return i < r.size() && r[i].type == TblFieldInteger;
}
bool matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}
size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}
std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}
std::string where(size_t record) {
    return "record " + std::to_string(record + 1) + ": ";
}

// Values from index i on are pairs of strings (condition column and value).
bool stringPairsFrom(const Record& r, size_t i) {
    if ((r.size() - i) % 2 != 0) return false;
    for (; i < r.size(); ++i)
        if (!isString(r, i)) return false;
    return true;
}

const char* kFieldRoutine = "NULL|ROUTINE([1-9]|1[0-2])";
const char* kOid = "[0-9]+(\\.[0-9]+)+";

// A block header: "XXDATABASESXX" and at least one database name.
bool isBlockHeader(const Record& r) {
    return isString(r, 0) && r[0].text == "XXDATABASESXX";
}
void checkBlockHeader(const Record& r, size_t index, Problems& problems) {
    bool ok = r.size() >= 2;
    for (size_t i = 1; i < r.size(); ++i) ok = ok && isString(r, i);
    if (!ok) problems.push_back(where(index) + "block header needs quoted database names");
}

// ---- search.tblx

struct Mapping {
    size_t index;
    std::string sql, term, phrase;
};

bool isComplete(const std::string& sql) {
    std::string u = upper(sql);
    return u.find("SELECT") != std::string::npos && u.find("FROM") != std::string::npos;
}
std::string tableOf(const std::string& text) {
    return text.substr(0, text.find('.'));
}

void checkMappingSql(const Mapping& m, const std::set<std::string>& keyTables, Problems& problems) {
    const std::string at = where(m.index);
    bool fixedStructure = matches(m.term, "NUMBER|DATE|RAW|WORDLISTD?[0-9]+");
    bool chainPossible = !fixedStructure && m.phrase.back() != 'O';
    if (isComplete(m.sql)) {
        if (m.sql.find("||") != std::string::npos)
            problems.push_back(at + "a split form may not hold SELECT and FROM");
        if (m.sql.find("XXTERMXX") == std::string::npos)
            problems.push_back(at + "statement without XXTERMXX");
        return;
    }
    size_t split = m.sql.find("||");
    if (split == std::string::npos) {
        if (!matches(m.sql, "[A-Z_]+\\.([A-Z0-9_]+|\\*)"))
            problems.push_back(at + "simple form is not TABLE.COLUMN");
        if (!keyTables.count(tableOf(m.sql))) problems.push_back(at + "no key for table " + tableOf(m.sql));
        return;
    }
    std::string from = m.sql.substr(0, split), rest = m.sql.substr(split + 2);
    if (!keyTables.count(from.substr(0, from.find(','))))
        problems.push_back(at + "no key for from-part " + from);
    std::vector<std::string> alternatives;
    for (size_t start = 0;;) {
        size_t end = rest.find("~~", start);
        alternatives.push_back(rest.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    for (size_t i = 0; i < alternatives.size(); ++i) {
        size_t placeholders = count(alternatives[i], "XXTERMXX");
        if (alternatives.size() > 1 ? placeholders != i + 1 : placeholders == 0)
            problems.push_back(at + "alternative " + std::to_string(i + 1) + " has " +
                               std::to_string(placeholders) + " placeholders");
    }
    // A word chain cuts the where-part into words at '.', ':' and ';' when it holds any of them.
    if (chainPossible && rest.find_first_of(".:;") != std::string::npos)
        problems.push_back(at + "a where-part that may form a word chain holds '.', ':' or ';'");
}

Problems checkSearchFile(const std::vector<Record>& records, const std::set<int>& relevanceRefs) {
    Problems problems;
    size_t i = 0;
    while (i < records.size()) {
        const size_t block = i;
        if (records.size() < block + 7) {
            problems.push_back(where(block) + "incomplete block");
            break;
        }
        const Record& dbs = records[block];
        if (!isWord(dbs, 0) || !isString(dbs, 1)) problems.push_back(where(block) + "database record");
        const Record& sets = records[block + 1];
        if (!isWord(sets, 0) || sets.size() < 2)
            problems.push_back(where(block + 1) + "attribute-set record");
        for (size_t v = 1; v < sets.size(); ++v)
            if (!isString(sets, v) || !matches(sets[v].text, kOid))
                problems.push_back(where(block + 1) + "OID");
        if (records[block + 2].size() != 1 || !isWord(records[block + 2], 0))
            problems.push_back(where(block + 2) + "mode record");
        if (!isWord(records[block + 3], 0) || !isInteger(records[block + 3], 1))
            problems.push_back(where(block + 3) + "coded-items record");

        const Record& keys = records[block + 4];
        std::set<std::string> keyTables;
        bool haveKey = false;
        for (size_t v = 1; v < keys.size();) {
            if (isString(keys, v) && isWord(keys, v + 1)) {
                keyTables.insert(tableOf(keys[v].text));
                haveKey = true;
                v += 2;
            } else if (haveKey && isWord(keys, v) && keys[v].text == "SUBKEY" && isString(keys, v + 3)) {
                v += 4;
            } else if (haveKey && isWord(keys, v) && keys[v].text == "SECONDARY" && isString(keys, v + 2)) {
                v += 3;
            } else {
                problems.push_back(where(block + 4) + "key entry " + std::to_string(v + 1));
                break;
            }
        }
        const Record& stops = records[block + 5];
        for (size_t v = 1; v < stops.size(); ++v)
            if (!isString(stops, v) || !matches(stops[v].text, " [A-Z]+ "))
                problems.push_back(where(block + 5) + "stop word must be written with a blank on each side");
        if (records[block + 6].size() != 1 || !isWord(records[block + 6], 0))
            problems.push_back(where(block + 6) + "attribute marker");

        std::string anyTable;
        std::vector<Mapping> orMembers;
        for (i = block + 7; i < records.size() && !isWord(records[i], 0); ++i) {
            const Record& r = records[i];
            const std::string at = where(i);
            if (!(isInteger(r, 0) || (isString(r, 0) && matches(r[0].text, "[0-9]+(,[0-9]+){0,5}"))))
                problems.push_back(at + "use value or combination");
            Mapping m{i, "", "", ""};
            size_t v = 1;
            for (; isString(r, v); ++v) m.sql += r[v].text;
            if (m.sql.empty() || !isWord(r, v) || !isWord(r, v + 1)) {
                problems.push_back(at + "SQL text, term word and phrase-split word expected");
                continue;
            }
            m.term = r[v].text;
            m.phrase = r[v + 1].text;
            if (!matches(m.term, "NUMBER|DATE|RAW|STEMO?|WORDLISTD?[0-9]+|(TRUE|LEFT|BOTH|NONE|FALSE)O?"))
                problems.push_back(at + "term word " + m.term);
            if (!matches(m.phrase, "(TRUE|ORTRUE|FALSE)O?"))
                problems.push_back(at + "phrase-split word " + m.phrase);
            v += 2;
            for (int n = 0; n < 3; ++n, ++v)
                if (!isInteger(r, v))
                    problems.push_back(at + "padding, term length and phrase terms are integers");
            if (isString(r, v) && !matches(r[v].text, "NULL|TERMNORM[1-7]"))
                problems.push_back(at + "term routine");
            if (isString(r, v + 1)) {
                std::smatch ref;
                if (!std::regex_match(r[v + 1].text, ref, std::regex("RELRANK([0-9]+)")) ||
                    !relevanceRefs.count(std::stoi(ref[1].str())))
                    problems.push_back(at + "relevance reference " + r[v + 1].text + " not in relrank.tblx");
            }
            if (r.size() > v + 2) problems.push_back(at + "values after the relevance reference");
            checkMappingSql(m, keyTables, problems);
            // Simple mappings with a truncation word form the any-field OR, run on the table of TABLE.*.
            bool simple = !isComplete(m.sql) && m.sql.find("||") == std::string::npos;
            if (simple && m.sql.find(".*") != std::string::npos) anyTable = tableOf(m.sql);
            if (simple && m.sql.find(".*") == std::string::npos &&
                !matches(m.term, "NUMBER|DATE|RAW|STEMO?|WORDLISTD?[0-9]+"))
                orMembers.push_back(m);
        }
        for (const Mapping& m : orMembers)
            if (!anyTable.empty() && tableOf(m.sql) != anyTable)
                problems.push_back(where(m.index) + "joins the any-field OR but is not on table " + anyTable);
        if (i < records.size()) {
            problems.push_back(where(i) + "a second block: its database names are this record's strings");
            ++i;
        }
    }
    return problems;
}

std::set<int> relevanceReferences(const std::vector<Record>& records, Problems& problems) {
    std::set<int> refs;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        if (r.size() != 3 || !isInteger(r, 0) || !isString(r, 1) || !isString(r, 2) ||
            r[1].text.find("XXKEYWORDXX") == std::string::npos ||
            r[2].text.find("XXKEYWORDSXX") == std::string::npos ||
            r[2].text.find("XXNORMXX") == std::string::npos) {
            problems.push_back(where(i) + "relevance record");
            continue;
        }
        refs.insert(r[0].integer);
    }
    return refs;
}

// ---- scan.tblx

Problems checkScanFile(const std::vector<Record>& records) {
    Problems problems;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        if (isBlockHeader(r)) {
            checkBlockHeader(r, i, problems);
            if (i + 1 >= records.size() || !isString(records[i + 1], 0) || !isString(records[i + 1], 1))
                problems.push_back(where(i + 1) + "marker and attribute sets expected");
            ++i;
            continue;
        }
        bool ok = r.size() == 5 && isInteger(r, 0) && isString(r, 1) && isInteger(r, 2) && isInteger(r, 3) &&
                  isInteger(r, 4) && r[1].text.find("XXTERM1XX") != std::string::npos &&
                  r[1].text.find("XXTERM2XX") != std::string::npos;
        if (!ok) problems.push_back(where(i) + "use, statement with XXTERM1XX and XXTERM2XX, three columns");
    }
    return problems;
}

// ---- marcdef.tblx, marcdef2.tblx

Problems checkMarcFile(const std::vector<Record>& records) {
    Problems problems;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const std::string at = where(i);
        if (i == 0 && !isBlockHeader(r)) problems.push_back(at + "the file must begin with a block header");
        if (isBlockHeader(r)) {
            checkBlockHeader(r, i, problems);
        } else if (isString(r, 0) && r[0].text == "XXRAWXX") {
            if (r.size() != 2 || !isString(r, 1)) problems.push_back(at + "raw column");
        } else if (isString(r, 0) && r[0].text == "XXLEADERXX") {
            if (r.size() != 4 || !isString(r, 1) || !isWord(r, 2) || !isString(r, 3))
                problems.push_back(at + "leader");
        } else {
            bool ok = r.size() >= 9 && isString(r, 0) && r[0].text.size() == 3 && isInteger(r, 1) &&
                      isString(r, 2) && isString(r, 3) && isWord(r, 4) && isString(r, 5) && isString(r, 6) &&
                      isWord(r, 7) && isString(r, 8) && matches(r[8].text, kFieldRoutine) &&
                      stringPairsFrom(r, 9);
            if (!ok) problems.push_back(at + "tag rule");
        }
    }
    return problems;
}

Problems checkMarc2File(const std::vector<Record>& records) {
    static const std::set<std::string> keywords = {
        "TAGNO",        "INDICE",    "INDICE1",   "INDICE2",  "SUBFIELD",      "DATA",       "COMPLETE",
        "EXTRANO",      "SAMEFIELD", "SPILLOVER", "CHARCONV", "BARCODE",       "CALLNUMBER", "LOCALLOCATION",
        "TEMPLOCATION", "FORMAT",    "RESERVES",  "ONLOAN",   "AVAILABLEDATE", "FORLOAN",    "ONORDER"};
    Problems problems;
    std::set<std::string> seen;
    auto endBlock = [&](size_t i) {
        if (!seen.count("TAGNO") || !seen.count("DATA"))
            problems.push_back(where(i) + "block without TAGNO or DATA");
        seen.clear();
    };
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        if (isBlockHeader(r)) {
            if (i > 0) endBlock(i);
            checkBlockHeader(r, i, problems);
        } else if (isString(r, 0) && r[0].text == "MARCOID") {
            if (r.size() != 2 || !isString(r, 1) || !matches(r[1].text, kOid))
                problems.push_back(where(i) + "MARCOID");
        } else if (r.size() < 2 || r.size() > 3 || !isString(r, 0) || !isString(r, 1) ||
                   !keywords.count(upper(r[0].text))) {
            problems.push_back(where(i) + "keyword and column");
        } else {
            seen.insert(upper(r[0].text));
        }
    }
    endBlock(records.size());
    return problems;
}

// ---- sutrsdef.tblx, htmldef.tblx: block headers and elements {text, field, TRUE or another word, routine}

Problems checkElementFile(const std::vector<Record>& records, bool templates) {
    Problems problems;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        if (isBlockHeader(r)) {
            checkBlockHeader(r, i, problems);
            if (i + 1 >= records.size() || isBlockHeader(records[i + 1]))
                problems.push_back(where(i) + "a header needs an element after it");
            continue;
        }
        bool ok = r.size() >= 4 && isString(r, 0) && isString(r, 1) && isWord(r, 2) && isString(r, 3) &&
                  matches(r[3].text, kFieldRoutine) && stringPairsFrom(r, 4);
        if (!ok) problems.push_back(where(i) + "element");
        bool oneValue = count(r[0].text, "%") == 1 && count(r[0].text, "%s") == 1;
        if (templates && ok && r[0].text != "XXCONCATENATEXX" && !oneValue)
            problems.push_back(where(i) + "a template holds exactly one %s");
    }
    return problems;
}

// ---- genericdef.tblx: records in pairs, databases then element definitions

std::vector<std::string> pipeFields(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', start)) {
        fields.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

Problems checkGenericFile(const std::vector<Record>& records) {
    Problems problems;
    if (records.empty() || records.size() % 2 != 0)
        problems.push_back("database and definition records come in pairs");
    for (size_t i = 0; i + 1 < records.size(); i += 2) {
        for (const Value& name : records[i])
            if (name.type != TblFieldString || name.text != upper(name.text))
                problems.push_back(where(i) + "database names are quoted and upper case");
        const Record& defs = records[i + 1];
        for (size_t d = 0; d < defs.size(); ++d) {
            const std::string at = where(i + 1) + "definition " + std::to_string(d + 1) + ": ";
            if (!isString(defs, d)) {
                problems.push_back(at + "not quoted");
                continue;
            }
            std::vector<std::string> f = pipeFields(defs[d].text);
            if ((f.size() != 5 && f.size() != 6 && f.size() != 10) || !matches(f[1], "[0-9]+") ||
                !matches(f[3], "STRING|OCTETS|NUMERIC|DATE|BOOL|OID|SUBTREE")) {
                problems.push_back(at + "fields");
                continue;
            }
            if (f.size() >= 6 && !matches(f[5], kFieldRoutine)) problems.push_back(at + "routine");
            if (f.size() == 10 && !matches(f[6], kOid)) problems.push_back(at + "variant set");
            bool childFollows = d + 1 < defs.size() && pipeFields(defs[d + 1].text)[0] == f[4];
            if (f[3] == "SUBTREE" && !childFollows)
                problems.push_back(at + "a SUBTREE is followed by its elements");
        }
    }
    return problems;
}

// ---- running the checks

std::string controlPath(const std::string& name) {
    return kControlDir + "/" + name;
}

std::string joined(const Problems& problems) {
    std::string text;
    for (const std::string& p : problems) text += "\n  " + p;
    return text;
}

const std::vector<std::string> kTableFiles = {"search.tblx",     "scan.tblx",      "recordformats.tblx",
                                              "marcdef.tblx",    "marcdef2.tblx",  "sutrsdef.tblx",
                                              "genericdef.tblx", "htmldef.tblx",   "relrank.tblx",
                                              "address.tblx",    "phrasestop1.tbl"};

std::vector<Record> shipped(const std::string& name) {
    Table table = readTable(controlPath(name));
    EXPECT_TRUE(table.readToEnd) << name << " stops after record " << table.records.size();
    return table.records;
}

TEST(ControlFiles, EveryTableFileReadsToItsEndWithoutStrayBlanksInWords) {
    for (const std::string& name : kTableFiles) {
        Table table = readTable(controlPath(name));
        EXPECT_TRUE(table.readToEnd) << name << " stops after record " << table.records.size();
        EXPECT_FALSE(table.records.empty()) << name;
        for (size_t i = 0; i < table.records.size(); ++i) {
            for (const Value& value : table.records[i]) {
                if (value.type != TblFieldWord) continue;
                EXPECT_EQ(value.text.find_first_of(" \t\r\n"), std::string::npos)
                    << name << " " << where(i) << "word '" << value.text << "' holds white space";
            }
        }
    }
}

TEST(ControlFiles, SearchDefinitionsFollowTheirGrammar) {
    Problems problems;
    std::set<int> refs = relevanceReferences(shipped("relrank.tblx"), problems);
    EXPECT_TRUE(problems.empty()) << joined(problems);
    problems = checkSearchFile(shipped("search.tblx"), refs);
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

TEST(ControlFiles, ScanAndRecordDefinitionsFollowTheirGrammar) {
    struct Case {
        const char* file;
        Problems (*check)(const std::vector<Record>&);
    };
    const Case cases[] = {
        {"scan.tblx", checkScanFile},
        {"marcdef.tblx", checkMarcFile},
        {"marcdef2.tblx", checkMarc2File},
        {"sutrsdef.tblx", [](const std::vector<Record>& r) { return checkElementFile(r, false); }},
        {"htmldef.tblx", [](const std::vector<Record>& r) { return checkElementFile(r, true); }},
        {"genericdef.tblx", checkGenericFile},
    };
    for (const Case& c : cases) {
        Problems problems = c.check(shipped(c.file));
        EXPECT_TRUE(problems.empty()) << c.file << joined(problems);
    }
}

TEST(ControlFiles, RecordFormatsNameFilesThatExist) {
    std::vector<Record> formats = shipped("recordformats.tblx");
    for (const Record& r : formats) {
        ASSERT_TRUE(r.size() == 2 && isString(r, 0) && isString(r, 1));
        EXPECT_TRUE(std::filesystem::exists(controlPath(r[1].text))) << r[1].text;
    }
}

TEST(ControlFiles, AddressesAndStopWordsAreQuotedTexts) {
    for (const Record& r : shipped("address.tblx"))
        for (const Value& v : r)
            EXPECT_TRUE(v.type == TblFieldString && matches(v.text, "([0-9]{1,3}\\.){3}[0-9]{1,3}"));
    for (const Record& r : shipped("phrasestop1.tbl"))
        for (const Value& v : r) EXPECT_TRUE(v.type == TblFieldString && matches(v.text, "[A-Z]+")) << v.text;
}

// ---- the checks catch what they are for

std::vector<Record> parse(const std::string& text) {
    std::string path = testing::TempDir() + "control_files_" + std::to_string(getpid()) + ".tblx";
    std::ofstream(path, std::ios::binary) << text;
    Table table = readTable(path);
    std::remove(path.c_str());
    EXPECT_TRUE(table.readToEnd) << text;
    return table.records;
}

const std::string kBlock =
    "DB,\"DEFAULT\";\nSETS,\"1.2.840.10003.3.1\";\nINDIVIDUAL;\nCODED,10;\n"
    "KEYS,\"TITLES.TITLE_NO\",NUMERIC,\"WORDS.TITLE_NO\",NUMERIC;\nSTOP,\" THE \";\nATTRIBUTES;\n";

TEST(ControlFileChecks, SearchMistakesAreReported) {
    struct Case {
        const char* mapping;
        const char* problem;
    };
    const Case cases[] = {
        {"4,\"TITLES.TITLE_KEY\",TRUE,TRUE,0,0,0;", nullptr},
        {"4,\"TITLES.TITLE_KEY\",TRUEE,TRUE,0,0,0;", "term word"},
        {"4,\"TITLES.TITLE_KEY\",TRUE,TRUE,0,0;", "integers"},
        {"4,\"AUTHORS.NAME_KEY\",TRUE,TRUE,0,0,0;", "no key for table AUTHORS"},
        {"4,\"TITLES||TITLES.TITLE_KEY XXTERMXX\",TRUE,TRUE,0,0,0;", "word chain"},
        {"4,\"TITLES||TITLES.TITLE_KEY XXTERMXX\",TRUE,FALSEO,0,0,0;", nullptr},
        {"4,\"TITLES||TITLE_KEY IN (SELECT K FROM T WHERE XXTERMXX)\",TRUE,FALSEO,0,0,0;", "split form"},
        {"4,\"WORDS||WORD XXTERMXX1~~WORD XXTERMXX1\",TRUE,FALSEO,0,0,0;", "alternative 2 has 1"},
        {"4,\"WORDS.STEM\",STEM,FALSE,0,0,0,\"NULL\",\"RELRANK9\";", "not in relrank"},
        {"4,\"TITLES.TITLE_KEY\",TRUE,TRUE,0,0,0,\"ROUTINE6\";", "term routine"},
        {"1016,\"TITLES.*\",BOTH,FALSE,0,0,0;\n4,\"WORDS.WORD\",TRUE,TRUE,0,0,0;", "any-field OR"},
    };
    for (const Case& c : cases) {
        Problems problems = checkSearchFile(parse(kBlock + c.mapping), {1});
        if (c.problem == nullptr) {
            EXPECT_TRUE(problems.empty()) << c.mapping << joined(problems);
        } else {
            EXPECT_NE(joined(problems).find(c.problem), std::string::npos) << c.mapping << joined(problems);
        }
    }
    EXPECT_FALSE(
        checkSearchFile(parse("DB,\"DEFAULT\";\nSETS,\"1.2.840.10003.3.1\";\nINDIVIDUAL;\n"), {}).empty());
    EXPECT_NE(joined(checkSearchFile(
                         parse(std::string(kBlock).replace(kBlock.find("\" THE \""), 7, "\"THE\"")), {}))
                  .find("stop word"),
              std::string::npos);
}

TEST(ControlFileChecks, RecordFileMistakesAreReported) {
    struct Case {
        Problems (*check)(const std::vector<Record>&);
        const char* text;
    };
    const Case cases[] = {
        {checkScanFile, "\"XXDATABASESXX\",\"DEFAULT\";\n\"SETS\",\"1.2\";\n4,\"SELECT A FROM B\",1,2,3;"},
        {checkMarcFile,
         "\"XXDATABASESXX\",\"X\";\n\"245\",1,\"a\",\"10\",FALSE,\"Title\",\"TITLE\",TRUE,\"ROUTINE13\";"},
        {checkMarcFile,
         "\"XXDATABASESXX\",\"X\";\n\"245\",1,\"a\",\"10\",FALSE,\"Title\",\"TITLE\",TRUE,\"NULL\",\"C\";"},
        {checkMarc2File, "\"XXDATABASESXX\",\"X\";\n\"TAGNO\",\"TAG\";\n\"SUBFIELD\",\"CODE\";"},
        {checkMarc2File,
         "\"XXDATABASESXX\",\"X\";\n\"TAGNO\",\"TAG\";\n\"DATA\",\"DATA\";\n\"BARCOD\",\"B\";"},
        {[](const std::vector<Record>& r) { return checkElementFile(r, true); },
         "\"XXDATABASESXX\",\"X\";\n\"<p>%s %s</p>\",\"TITLE\",TRUE,\"NULL\";"},
        {[](const std::vector<Record>& r) { return checkElementFile(r, false); }, "\"XXDATABASESXX\",\"X\";"},
        {checkGenericFile, "\"DEFAULT\";\n\"0|2|17|SUBTREE|1\",\"0|2|1|STRING|TITLE\";"},
        {checkGenericFile, "\"default\";\n\"0|2|1|STRING|TITLE\";"},
    };
    for (const Case& c : cases) EXPECT_FALSE(c.check(parse(c.text)).empty()) << c.text;
}

TEST(ControlFileChecks, ARefusedRecordStopsTheReadBeforeTheEnd) {
    std::string path = testing::TempDir() + "control_files_stop_" + std::to_string(getpid()) + ".tblx";
    std::ofstream(path, std::ios::binary) << "\"A\",WORD ,\"B\";\n\"C\" \"D\";\n\"E\";\n";
    Table table = readTable(path);
    std::remove(path.c_str());
    EXPECT_FALSE(table.readToEnd);
    ASSERT_EQ(table.records.size(), 1u);
    EXPECT_EQ(table.records[0][1].text, "WORD ");
}

}  // namespace
