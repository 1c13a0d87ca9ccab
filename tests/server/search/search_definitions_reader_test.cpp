#include "Quorvane/search/search_definitions_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/search/search_file_fixture.h"

namespace {

class SearchDefinitionsReader : public SearchFileTest {};

const AttributeMapping* mappingWith(const SearchDefinition& definition, const std::string& combination) {
    for (const AttributeMapping& mapping : definition.mappings) {
        if (mapping.combinationText == combination) return &mapping;
    }
    return nullptr;
}

TEST_F(SearchDefinitionsReader, ShippedFileIsReadWithoutProblems) {
    std::string shipped = std::string(QUORVANE_SOURCE_DIR) + "/conf/control/search.tblx";
    ConfigProblemWatch watch;
    const DefinitionBlocks<SearchDefinition> list = LoadSearchDefinitions(shipped);
    ASSERT_TRUE(list);
    EXPECT_FALSE(watch.found());
    ASSERT_EQ(list->size(), 1u);
    const SearchDefinition& block = list->front();

    EXPECT_EQ(block.databaseNames, (std::vector<std::string>{"DEFAULT", "SAMPLE"}));
    EXPECT_EQ(block.attributeSetIds, std::vector<std::string>{"1.2.840.10003.3.1"});
    EXPECT_TRUE(block.individual);
    EXPECT_EQ(block.maximumCodedItems, 100);
    EXPECT_EQ(block.stopWords.size(), 12u);
    EXPECT_EQ(block.stopWords.front(), " A ");

    ASSERT_EQ(block.keys.size(), 6u);
    const KeyDefinition& serials = block.keys[4];
    EXPECT_EQ(serials.keyText, "SERIALS.TITLE_NO");
    EXPECT_EQ(serials.table, "SERIALS");
    EXPECT_EQ(serials.column, "TITLE_NO");
    EXPECT_FALSE(serials.textKey);
    EXPECT_EQ(serials.paddingRule, "PADLZ8");
    ASSERT_TRUE(serials.subKey);
    EXPECT_EQ(serials.subKey->initialKey, "ISSUES.TITLE_NO");
    EXPECT_EQ(serials.subKey->subKey, "ISSUES.ISSUE_NO");
    EXPECT_EQ(serials.subKey->keySubstitution, "XXISSUENOXX");
    ASSERT_EQ(serials.secondaryColumns.size(), 1u);
    EXPECT_EQ(serials.secondaryColumns[0].column, "SERIALS.FREQUENCY");
    EXPECT_EQ(serials.secondaryColumns[0].keySubstitution, "XXFREQUENCYXX");
    EXPECT_EQ(block.keys.back().keyText, "WORDS.TITLE_NO");

    ASSERT_EQ(block.mappings.size(), 29u);
    const AttributeMapping& firstInField = block.mappings.front();
    EXPECT_EQ(firstInField.useValue, 4);
    EXPECT_EQ(firstInField.combination, (AttributeCombination{4, 0, 1, 0, 0, 0}));
    EXPECT_EQ(firstInField.fromPart, "TITLES");
    EXPECT_EQ(firstInField.sqlText, "TITLE_KEY XXTERMXX");
    EXPECT_TRUE(firstInField.complex);
    EXPECT_TRUE(firstInField.rightTruncation && firstInField.truncationOverride);
    EXPECT_TRUE(firstInField.phraseSplitOverride);
    EXPECT_EQ(firstInField.phraseSplit, kPhraseSplitNone);
    EXPECT_EQ(firstInField.maximumTermLength, 500);
    EXPECT_EQ(firstInField.termRoutine, "TERMNORM4");
    EXPECT_FALSE(firstInField.relevanceReference);

    const AttributeMapping* stemmed = mappingWith(block, "4,101,0,0,0,0");
    ASSERT_NE(stemmed, nullptr);
    EXPECT_EQ(stemmed->fromPart, "WORDS, WORDS W2, WORDS W3");
    ASSERT_EQ(stemmed->alternatives.size(), 3u);
    EXPECT_EQ(stemmed->sqlText, stemmed->alternatives[0]);
    EXPECT_EQ(stemmed->alternatives[0], "WORDS.FIELD = 'T' AND WORDS.STEM XXTERMXX1");
    EXPECT_EQ(stemmed->alternatives[1].substr(0, 46), "WORDS.FIELD = 'T' AND WORDS.STEM = 'XXTERMXX1'");
    EXPECT_TRUE(stemmed->stem);
    EXPECT_FALSE(stemmed->alwaysStem);

    const AttributeMapping& anyWords = block.mappings[block.mappings.size() - 2];
    EXPECT_EQ(anyWords.useValue, 1016);
    EXPECT_FALSE(anyWords.combinationText);
    EXPECT_FALSE(anyWords.wordList);
    EXPECT_TRUE(anyWords.complex);
    EXPECT_EQ(anyWords.fromPart, "WORDS, VOCABULARY, WORDS W2, WORDS W3");
    ASSERT_EQ(anyWords.alternatives.size(), 3u);
    EXPECT_EQ(anyWords.alternatives[2].substr(0, 33), "WORDS.WORD = 'XXTERMXX1' AND W2.T");

    const AttributeMapping* relevance = mappingWith(block, "1016,102,0,0,0,0");
    ASSERT_NE(relevance, nullptr);
    EXPECT_EQ(relevance->termRoutine, "NULL");
    EXPECT_EQ(relevance->relevanceReference, "RELRANK1");
    EXPECT_FALSE(relevance->complex);

    EXPECT_EQ(block.anyOrText,
              " TITLES.TITLE_KEY XXTERMXX OR TITLES.PUB_PLACE_KEY XXTERMXX OR TITLES.NOTE_KEY XXTERMXX"
              " OR TITLES.PUBLISHER_KEY XXTERMXX");
}

TEST_F(SearchDefinitionsReader, KeyEntries) {
    ASSERT_NE(
        load("DATABASES,\"cat1\",\"Cat2\";\nSETS,\"1.2.3\",\"1.2.4\";\nCOLLECTIVE;\nITEMS,7;\n"
             "KEYS,\"TITLES.TITLE_NO\",TRUE,IGNORED,\"AUTHORS\",ALPHA,\"SERIALS.NO\",PADLZ8,"
             "SUBKEY,\"I.T\",\"I.N\",\"XXNXX\",SECONDARY,\"S.F\",\"XXFXX\",SECONDARY,\"S.G\",\"XXGXX\";\n"
             "STOPWORDS;\nATTRIBUTES;\n"),
        nullptr);
    const SearchDefinition& block = definition();
    EXPECT_EQ(block.databaseNames, (std::vector<std::string>{"CAT1", "CAT2"}));
    EXPECT_EQ(block.attributeSetIds, (std::vector<std::string>{"1.2.3", "1.2.4"}));
    EXPECT_FALSE(block.individual);
    EXPECT_EQ(block.maximumCodedItems, 7);
    EXPECT_TRUE(block.stopWords.empty());
    EXPECT_TRUE(block.mappings.empty());
    EXPECT_EQ(block.anyOrText, " ");
    ASSERT_EQ(block.keys.size(), 3u);
    EXPECT_TRUE(block.keys[0].decode);
    EXPECT_FALSE(block.keys[0].textKey);
    EXPECT_FALSE(block.keys[0].paddingRule);
    EXPECT_EQ(block.keys[1].table, "AUTHORS");
    EXPECT_EQ(block.keys[1].column, "");
    EXPECT_TRUE(block.keys[1].textKey);
    EXPECT_EQ(block.keys[2].paddingRule, "PADLZ8");
    ASSERT_TRUE(block.keys[2].subKey);
    EXPECT_EQ(block.keys[2].subKey->subKey, "I.N");
    ASSERT_EQ(block.keys[2].secondaryColumns.size(), 2u);
    EXPECT_EQ(block.keys[2].secondaryColumns[1].column, "S.G");
    EXPECT_FALSE(block.keys[0].subKey);
    EXPECT_TRUE(block.keys[0].secondaryColumns.empty());
}

struct TermWordCase {
    const char* record;
    bool right, left, override, number, date, raw, wordList, anyCount, stem, alwaysStem;
    int32_t wordCount;
    int32_t phraseSplit;
    bool phraseOverride;
};

TEST_F(SearchDefinitionsReader, TermAndPhraseSplitWordsTable) {
    const TermWordCase cases[] = {
        // record                                   r  l  ov num dat raw wl any stm alw n split ovr
        {"1,\"T.C\",NUMBER,TRUE,0,0,0;", 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0},
        {"1,\"T.C\",NUMBERO,ORTRUE,0,0,0;", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0},
        {"1,\"T.C\",DATE,TRUEO,0,0,0;", 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 1},
        {"1,\"T.C\",RAW,FALSEO,0,0,0;", 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1},
        {"1,\"T.C\",STEM,FALSE,0,0,0;", 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0},
        {"1,\"T.C\",STEMO,FALSE,0,0,0;", 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0},
        {"1,\"T.C\",WORDLIST2,FALSE,0,0,0;", 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0},
        {"1,\"T.C\",WORDLISTD12,FALSE,0,0,0;", 1, 0, 0, 0, 0, 0, 1, 1, 0, 0, 12, 0, 0},
        {"1,\"T.C\",TRUE,FALSE,0,0,0;", 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"1,\"T.C\",TRUEO,FALSE,0,0,0;", 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"1,\"T.C\",LEFT,FALSE,0,0,0;", 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"1,\"T.C\",BOTHO,FALSE,0,0,0;", 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"1,\"T.C\",NONEO,FALSE,0,0,0;", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const TermWordCase& c : cases) {
        SCOPED_TRACE(c.record);
        ConfigProblemWatch watch;
        ASSERT_NE(load(std::string(kBlockHead) + c.record), nullptr);
        EXPECT_FALSE(watch.found());
        ASSERT_EQ(definition().mappings.size(), 1u);
        const AttributeMapping& m = definition().mappings[0];
        EXPECT_EQ(m.rightTruncation, c.right);
        EXPECT_EQ(m.leftTruncation, c.left);
        EXPECT_EQ(m.truncationOverride, c.override);
        EXPECT_EQ(m.number, c.number);
        EXPECT_EQ(m.date, c.date);
        EXPECT_EQ(m.raw, c.raw);
        EXPECT_EQ(m.wordList, c.wordList);
        EXPECT_EQ(m.wordListAnyCount, c.anyCount);
        EXPECT_EQ(m.stem, c.stem);
        EXPECT_EQ(m.alwaysStem, c.alwaysStem);
        EXPECT_EQ(m.wordListCount, c.wordCount);
        EXPECT_EQ(m.phraseSplit, c.phraseSplit);
        EXPECT_EQ(m.phraseSplitOverride, c.phraseOverride);
    }
}

TEST_F(SearchDefinitionsReader, AttributeRecordValues) {
    ASSERT_NE(
        load(std::string(kBlockHead) +
             "\"21,0,0,1\",\"SUBJECT_INDEX||HEADING_KEY \",\"XXTERMXX\",TRUE,FALSEO,4,300,9,\"TERMNORM6\";\n"
             "1.5,\"skipped\";\n* ,\"skipped\";\n"
             "\"1016,102,0,0,0,0\",\"WORDS.STEM\",STEM,FALSE,0,0,0,\"NULL\",\"RELRANK1\";\n"),
        nullptr);
    ASSERT_EQ(definition().mappings.size(), 2u);
    const AttributeMapping& subject = definition().mappings[0];
    EXPECT_EQ(subject.useValue, 21);
    EXPECT_EQ(subject.combinationText, "21,0,0,1");
    EXPECT_EQ(subject.combination, (AttributeCombination{21, 0, 0, 1, 0, 0}));
    EXPECT_EQ(subject.fromPart, "SUBJECT_INDEX");
    EXPECT_EQ(subject.sqlText, "HEADING_KEY XXTERMXX");
    EXPECT_EQ(subject.paddingWidth, 4);
    EXPECT_EQ(subject.maximumTermLength, 300);
    EXPECT_EQ(subject.maximumPhraseTerms, 9);
    EXPECT_EQ(subject.termRoutine, "TERMNORM6");
    EXPECT_FALSE(subject.relevanceReference);
    EXPECT_EQ(definition().mappings[1].relevanceReference, "RELRANK1");
}

struct ClassifyCase {
    const char* text;
    const char* sqlText;
    const char* fromPart;
    const char* column;
    bool complex;
    std::vector<std::string> alternatives;
};

TEST_F(SearchDefinitionsReader, ClassifyAttributeSqlTable) {
    const ClassifyCase cases[] = {
        {"TITLES.TITLE", "TITLES.TITLE", "TITLES", "TITLE", false, {}},
        {"TITLES", "TITLES", "TITLES", "", false, {}},
        {"TITLES.*", "TITLES.*", "TITLES", "*", false, {}},
        {"select no from t where c XXTERMXX", "select no from t where c XXTERMXX", "", "", true, {}},
        {"SELECT ONLY", "SELECT ONLY", "SELECT ONLY", "", false, {}},
        {"A, B||A.C XXTERMXX||X", "A.C XXTERMXX||X", "A, B", "", true, {}},
        {"W||ONE~~TWO~~", "ONE", "W", "", true, {"ONE", "TWO", ""}},
    };
    for (const ClassifyCase& c : cases) {
        SCOPED_TRACE(c.text);
        AttributeMapping mapping;
        ClassifyAttributeSql(c.text, mapping);
        EXPECT_EQ(mapping.sqlText, c.sqlText);
        EXPECT_EQ(mapping.fromPart, c.fromPart);
        EXPECT_EQ(mapping.column, c.column);
        EXPECT_EQ(mapping.complex, c.complex);
        EXPECT_EQ(mapping.alternatives, c.alternatives);
    }
}

// The any-OR text of a block holds only its own simple truncation mappings, at most 20 of them.
TEST_F(SearchDefinitionsReader, AnyOrTextPerBlock) {
    std::string first = std::string(kBlockHead) +
                        "59,\"TITLES.PLACE\",TRUE,TRUE,0,0,0;\n"
                        "12,\"TITLES.NO\",NUMBER,FALSE,0,0,0;\n"
                        "4,\"TITLES||TITLE XXTERMXX\",TRUE,FALSE,0,0,0;\n"
                        "1016,\"TITLES.*\",BOTH,FALSE,0,0,0;\n"
                        "63,\"TITLES.NOTE\",NONE,FALSE,0,0,0;\n";
    std::string second =
        "DATABASES,\"OTHER\";\nSETS,\"1.2.3\";\nINDIVIDUAL;\nITEMS,1;\nKEYS,\"T.N\",NUMERIC;\n"
        "STOPWORDS;\nATTRIBUTES;\n";
    for (int i = 1; i <= 21; ++i)
        second += std::to_string(i) + ",\"T.C" + std::to_string(i) + "\",LEFT,FALSE,0,0,0;\n";
    std::string third =
        "DATABASES,\"THIRD\";\nSETS,\"1.2.3\";\nINDIVIDUAL;\nITEMS,1;\nKEYS,\"T.N\",NUMERIC;\n"
        "STOPWORDS;\nATTRIBUTES;\n7,\"T||C XXTERMXX\",NONE,FALSE,0,0,0;\n";
    ASSERT_NE(load(first + second + third), nullptr);
    EXPECT_EQ(definition(0).anyOrText, " TITLES.PLACE XXTERMXX OR TITLES.NOTE XXTERMXX");
    std::string expected = " T.C1 XXTERMXX";
    for (int i = 2; i <= 20; ++i) expected += " OR T.C" + std::to_string(i) + " XXTERMXX";
    EXPECT_EQ(definition(1).anyOrText, expected);
    EXPECT_EQ(definition(1).mappings.size(), 21u);
    EXPECT_EQ(definition(2).anyOrText, " ");
    EXPECT_EQ(definition(2).databaseNames, std::vector<std::string>{"THIRD"});
}

TEST_F(SearchDefinitionsReader, EmptyFileGivesNoDefinitions) {
    ConfigProblemWatch watch;
    const DefinitionBlocks<SearchDefinition>* list = load("/* nothing but a comment */\n");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE((*list)->empty());
    EXPECT_FALSE(watch.found());
}

struct FaultCase {
    const char* what;
    std::string text;  // appended to kBlockHead when head is true
    bool head;
    const char* message;
    bool readingEnds;
};

// Each fault logs its message and notes a configuration problem; the faults that end the reading leave
// no definitions.
TEST_F(SearchDefinitionsReader, FaultsTable) {
    const FaultCase cases[] = {
        {"empty attribute record", "1,\"T.C\",TRUE,FALSE,0,0,0;\n;\n", true, "Error in search.tblx", true},
        {"invalid value", "1,\"T.C\",TRUE,FALSE,0,0,0;\n@;\n", true, "Error in search.tblx", true},
        {"record the file ends inside", "1,\"T.C\",TRUE,FALSE,0,0,0", true, "Error in search.tblx", true},
        {"no term word", "1,\"T.C\";\n", true, "Missing truncation specification in file search.tblx", true},
        {"integer term word", "1,\"T.C\",5,FALSE,0,0,0;\n", true, "Wrong table field in file search.tblx",
         true},
        {"no SQL text", "1,TRUE,FALSE,0,0,0;\n", true, "Missing attributes in file search.tblx", false},
        {"no phrase split", "1,\"T.C\",TRUE;\n", true, "Missing phrase split definition in file search.tblx",
         false},
        {"no padding", "1,\"T.C\",TRUE,FALSE;\n", true, "Missing padding number in file search.tblx", false},
        {"no term length", "1,\"T.C\",TRUE,FALSE,0;\n", true,
         "Missing maximum term length in file search.tblx", false},
        {"no phrase terms", "1,\"T.C\",TRUE,FALSE,0,0;\n", true,
         "Missing Maximum Number Of Phrase Terms in file search.tblx", false},
        {"unquoted term routine", "1,\"T.C\",TRUE,FALSE,0,0,0,TERMNORM6;\n", true,
         "Missing term routine in file search.tblx", false},
        {"unquoted relevance reference", "1,\"T.C\",TRUE,FALSE,0,0,0,\"NULL\",RELRANK1;\n", true,
         "Missing relevance reference in file search.tblx", false},
        {"blank stop word",
         "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\",NUMERIC;\nSTOPWORDS,\" A \",\"  "
         "\";\nATTRIBUTES;\n",
         false, "Blank stop word in file search.tblx", false},
        {"empty stop word",
         "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\",NUMERIC;\nSTOPWORDS,\"\";\nATTRIBUTES;\n", false,
         "Blank stop word in file search.tblx", false},
        {"no decode word", "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\";\nSTOPWORDS;\nATTRIBUTES;\n",
         false, "Missing decode in file search.tblx", false},
        {"sub-key before the first key",
         "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,SUBKEY,\"A.B\",\"C.D\",\"XX\",\"T.N\",NUMERIC;\n"
         "STOPWORDS;\nATTRIBUTES;\n",
         false, "Missing key identifier in file search.tblx", false},
        {"number among the keys",
         "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\",NUMERIC,5;\nSTOPWORDS;\nATTRIBUTES;\n", false,
         "Missing key identifier in file search.tblx", false},
        {"no key", "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK;\nSTOPWORDS;\nATTRIBUTES;\n", false,
         "Missing key identifier in file search.tblx", false},
        {"incomplete secondary entry",
         "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\",NUMERIC,SECONDARY,\"S.C\";\nSTOPWORDS;"
         "\nATTRIBUTES;\n",
         false, "Missing key substitution in file search.tblx", false},
        {"no coded items",
         "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC;\nK,\"T.N\",NUMERIC;\nSTOPWORDS;\nATTRIBUTES;\n", false,
         "Missing maximum number of coded items in file search.tblx", false},
        {"database names missing",
         "D;\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\",NUMERIC;\nSTOPWORDS;\nATTRIBUTES;\n", false,
         "Missing database identifier in file search.tblx", false},
        {"head ends early", "D,\"X\";\nS,\"1.2\";\n", false,
         "Missing collective/individual identifier in file search.tblx", false},
        {"attribute marker missing",
         "D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\",NUMERIC;\nSTOPWORDS;\n", false,
         "Missing attribute marker in file search.tblx", false},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        removeLog(kErrorLogName);
        ConfigProblemWatch watch;
        const DefinitionBlocks<SearchDefinition>* list =
            load(c.head ? std::string(kBlockHead) + c.text : c.text);
        EXPECT_TRUE(watch.found());
        EXPECT_EQ(list == nullptr, c.readingEnds);
        EXPECT_NE(readFile(kErrorLogName).find(std::string("\t") + c.message + "\n"), std::string::npos)
            << readFile(kErrorLogName);
    }
}

TEST_F(SearchDefinitionsReader, BlankStopWordsAreNotKept) {
    ASSERT_NE(load("D,\"X\";\nS,\"1.2\";\nINDIVIDUAL;\nC,1;\nK,\"T.N\",NUMERIC;\n"
                   "STOPWORDS,\" A \",\" \",\"\",\" THE \";\nATTRIBUTES;\n"),
              nullptr);
    EXPECT_EQ(definition().stopWords, (std::vector<std::string>{" A ", " THE "}));
}

TEST_F(SearchDefinitionsReader, UnreadableFile) {
    ConfigProblemWatch watch;
    EXPECT_FALSE(LoadSearchDefinitions(path("absent.tblx")));
    EXPECT_TRUE(watch.found());
    EXPECT_NE(readFile(kErrorLogName).find("\tCould not open file " + path("absent.tblx") + "\n"),
              std::string::npos);
}

}  // namespace
