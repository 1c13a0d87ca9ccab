// Golden statements: one attribute mapping, the attributes and the term of one operand, and the statement
// the operand runs (or the condition it ends the search with).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/search/rpn_to_sql.h"
#include "Quorvane/search/rpn_to_sql_statement.h"
#include "tests/server/search/rpn_builder.h"
#include "tests/server/search/search_file_fixture.h"

namespace {

using rpn::dateTime;
using rpn::general;
using rpn::numeric;

struct GoldenRow {
    const char* path;
    const char* mapping;  // attribute records after kBlockHead
    std::vector<rpn::Attribute> attributes;
    rpn::Term term;
    const char* statement;  // nullptr when the search fails
    Bib1Condition condition = 0;
    DateLiteralStyle dates = DateLiteralStyle::Access;
};

constexpr DateLiteralStyle kIso = DateLiteralStyle::Iso;

const char* const kTitle = "4,\"TITLES.TITLE\",TRUE,FALSE,0,0,0;";
const char* const kWordList =
    "\"4,0,0,2,0,0\",\"SELECT TITLE_NO FROM WORDS WHERE WORD XXTERMXX1\","
    "\" INTERSECT SELECT TITLE_NO FROM WORDS WHERE WORD XXTERMXX2\",WORDLIST2,FALSE,0,0,0;";
const char* const kStemmed =
    "\"4,101,0,0,0,0\",\"WORDS, WORDS W2||\",\"WORDS.STEM XXTERMXX1~~\","
    "\"WORDS.STEM = 'XXTERMXX1' AND W2.STEM = 'XXTERMXX2'\",STEM,FALSEO,0,0,0;";
const char* const kChain = "4,\"TITLES||TITLE_KEY XXTERMXX\",TRUE,TRUE,0,0,0;";
const char* const kDewey = "13,\"TITLES||DEWEY_CLASS LIKE 'XXTERMXX%'\",RAW,FALSEO,0,0,0;";
const char* const kNumber = "12,\"TITLES.TITLE_NO\",NUMBER,FALSE,0,0,0;";
const char* const kYear = "31,\"TITLES.PUB_DATE\",DATE,FALSE,0,0,0;";
const char* const kAnyField =
    "59,\"TITLES.PUB_PLACE_KEY\",TRUE,TRUE,0,0,0;"
    "1003,\"TITLES.AUTHOR_KEY\",LEFT,TRUE,0,0,0;"
    "1016,\"TITLES.*\",BOTH,FALSE,0,0,0;";

const std::vector<GoldenRow>& goldenRows() {
    static const std::vector<GoldenRow> rows = {
        // Simple column, each truncation.
        {"right truncation asked",
         kTitle,
         {{1, 4}, {5, 1}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE 'CAT%'"},
        {"mapping's truncation",
         kTitle,
         {{1, 4}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE 'CAT%'"},
        {"no truncation asked",
         kTitle,
         {{1, 4}, {5, 100}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE = 'CAT'"},
        {"left asked of a right mapping: both",
         kTitle,
         {{1, 4}, {5, 2}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE '%CAT%'"},
        {"other truncation values passed over",
         kTitle,
         {{1, 4}, {5, 101}, {5, 100}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE = 'CAT'"},
        {"left mapping",
         "4,\"TITLES.TITLE\",LEFT,FALSE,0,0,0;",
         {{1, 4}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE '%CAT%'"},
        {"both mapping",
         "4,\"TITLES.TITLE\",BOTH,FALSE,0,0,0;",
         {{1, 4}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE '%CAT%'"},
        {"override keeps the mapping's truncation",
         "4,\"TITLES.TITLE\",TRUEO,FALSE,0,0,0;",
         {{1, 4}, {5, 100}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE 'CAT%'"},
        {"padding",
         "1031,\"TITLES.MATERIAL_TYPE\",NONEO,FALSE,4,4,0;",
         {{1, 1031}},
         general("cd"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.MATERIAL_TYPE = 'CD  '"},
        {"maximum term length",
         "4,\"TITLES.TITLE\",NONE,FALSE,0,3,0;",
         {{1, 4}},
         general("catalogue"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE = 'CAT'"},
        {"ISBN without hyphens",
         "7,\"TITLES.ISBN\",NONE,FALSE,0,0,0;",
         {{1, 7}},
         general("0-19-852663-x"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.ISBN = '019852663X'"},
        {"term routine",
         "4,\"TITLES.TITLE_KEY\",NONEO,FALSEO,0,500,0,\"TERMNORM4\";",
         {{1, 4}},
         general("The Times: l'été"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_KEY = 'TIMES LETE'"},
        {"secondary columns",
         "8,\"SERIALS||ISSN_KEY XXTERMXX\",NONEO,FALSEO,0,8,0;",
         {{1, 8}},
         general("1234-56789"),
         "SELECT SERIALS.TITLE_NO, SERIALS.FREQUENCY FROM SERIALS WHERE ISSN_KEY = '1234-567'"},

        // Word chains.
        {"chain of a simple mapping",
         "21,\"TITLES.SUBJECT_KEY\",TRUE,TRUE,0,0,0;",
         {{1, 21}},
         general("computers history"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.SUBJECT_KEY LIKE '%COMPUTERS%' AND  "
         "TITLES.SUBJECT_KEY LIKE '%HISTORY%'"},
        {"chain joined by OR",
         "54,\"TITLES.LANG\",NONE,ORTRUE,0,0,0;",
         {{1, 54}},
         general("a b"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.LANG LIKE '%A%' OR  TITLES.LANG LIKE '%B%'"},
        {"chain cut at separators only",
         "54,\"TITLES.LANG\",NONE,TRUE,0,0,0;",
         {{1, 54}},
         general("a b;c."),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.LANG LIKE '%AB%' AND  TITLES.LANG LIKE '%C%'"},
        {"chain of a split form",
         kChain,
         {{1, 4}},
         general("cat  dog"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE '%CAT%' AND  TITLE_KEY LIKE '%DOG%'"},
        {"phrase asked: no chain",
         kChain,
         {{1, 4}, {4, 1}},
         general("cat dog"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE 'CAT DOG%'"},
        {"override keeps the chain",
         "21,\"TITLES.SUBJECT_KEY\",NONE,TRUEO,0,0,0;",
         {{1, 21}, {4, 1}},
         general("a b"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.SUBJECT_KEY LIKE '%A%' AND  "
         "TITLES.SUBJECT_KEY LIKE '%B%'"},

        // Complete statements.
        {"complete statement",
         "5,\"SELECT TITLES.TITLE_NO FROM TITLES WHERE NAME_KEY XXTERMXX\",TRUE,FALSEO,0,0,0;",
         {{1, 5}},
         general("cat"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE NAME_KEY LIKE 'CAT%'"},
        {"word list with stop words",
         kWordList,
         {{1, 4}, {4, 2}},
         general("history of computers"),
         "SELECT TITLE_NO FROM WORDS WHERE WORD like 'HISTORY%' INTERSECT SELECT TITLE_NO FROM WORDS WHERE "
         "WORD "
         "like 'COMPUTERS%'"},
        {"short words of a word list",
         kWordList,
         {{1, 4}, {4, 2}},
         general("ai the go"),
         "SELECT TITLE_NO FROM WORDS WHERE WORD = 'AI' INTERSECT SELECT TITLE_NO FROM WORDS WHERE WORD = "
         "'GO'"},
        {"word list, left truncation",
         kWordList,
         {{1, 4}, {4, 2}, {5, 2}},
         general("history computers"),
         "SELECT TITLE_NO FROM WORDS WHERE WORD like '%HISTORY%' INTERSECT SELECT TITLE_NO FROM WORDS WHERE "
         "WORD "
         "like '%COMPUTERS%'"},
        {"word list of another word count", kWordList, {{1, 4}, {4, 2}}, general("history"), nullptr, 114},
        // Without truncation the words would stand bare in the statement's code.
        {"bare words of a word list",
         kWordList,
         {{1, 4}, {4, 2}, {5, 100}},
         general("history computers"),
         nullptr,
         125},

        // Split forms with alternatives, stemming.
        {"one stemmed word",
         kStemmed,
         {{1, 4}, {2, 101}},
         general("computers"),
         "SELECT WORDS.TITLE_NO FROM WORDS WHERE WORDS.STEM = 'COMPUT'"},
        {"two stemmed words",
         kStemmed,
         {{1, 4}, {2, 101}},
         general("computers history"),
         "SELECT WORDS.TITLE_NO FROM WORDS, WORDS W2 WHERE WORDS.STEM = 'COMPUT' AND W2.STEM = 'HISTORI'"},
        {"no alternative for three words", kStemmed, {{1, 4}, {2, 101}}, general("a b c"), nullptr, 5},
        {"always stem",
         "63,\"TITLES.NOTE_KEY\",STEMO,FALSE,0,0,0;",
         {{1, 63}},
         general("libraries"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.NOTE_KEY = 'LIBRARI'"},
        {"stem only for relation 101",
         "63,\"TITLES.NOTE_KEY\",STEM,FALSE,0,0,0;",
         {{1, 63}},
         general("libraries"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.NOTE_KEY = 'LIBRARIES'"},

        // RAW.
        {"raw term",
         kDewey,
         {{1, 13}},
         general("004.6"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE DEWEY_CLASS LIKE '004.6%'"},
        {"raw term in code",
         "14,\"TITLES.TITLE_NO\",RAW,FALSE,0,0,0;",
         {{1, 14}},
         general("1 OR 1=1"),
         nullptr,
         125},

        // NUMBER with relations.
        {"number",
         kNumber,
         {{1, 12}},
         general(" 42 "),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  = 42"},
        {"less than",
         kNumber,
         {{1, 12}, {2, 1}},
         general("-3.5"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  < -3.5"},
        {"relation 14",
         kNumber,
         {{1, 12}, {2, 14}},
         numeric(7),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  < 7"},
        {"relation 15",
         kNumber,
         {{1, 12}, {2, 15}},
         numeric(7),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  <= 7"},
        {"relation 16",
         kNumber,
         {{1, 12}, {2, 16}},
         numeric(7),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  = 7"},
        {"relation 4, first relation wins",
         kNumber,
         {{1, 12}, {2, 4}, {2, 5}},
         numeric(7),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  >= 7"},
        {"relation 18",
         kNumber,
         {{1, 12}, {2, 18}},
         numeric(7),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  > 7"},
        {"relation 6",
         kNumber,
         {{1, 12}, {2, 6}},
         numeric(7),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_NO  != 7"},
        {"number that is not one", kNumber, {{1, 12}}, general("42 OR 1=1"), nullptr, 125},
        {"number with a quote", kNumber, {{1, 12}}, general("42'"), nullptr, 125},

        // DATE.
        {"year, Access literal",
         kYear,
         {{1, 31}},
         general("2001"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_DATE  = #1/1/2001 0:0:0 AM#"},
        {"year, ISO literal",
         kYear,
         {{1, 31}, {2, 4}},
         general("2001"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_DATE  >= '2001-01-01 00:00:00'",
         0,
         kIso},
        {"date-time term",
         kYear,
         {{1, 31}, {2, 2}},
         dateTime("20240315143000"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_DATE  <= #15/3/2024 2:30:0 PM#"},
        {"date term built from its numbers only",
         kYear,
         {{1, 31}},
         general("2001' OR '1'='1"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_DATE  = '2001-01-01 00:00:00'",
         0,
         kIso},
        {"date term without a year", kYear, {{1, 31}}, general("x2001"), nullptr, 125},
        {"date mapping of a use that is no date",
         "99,\"TITLES.PUB_DATE\",DATE,FALSE,0,0,0;",
         {{1, 99}},
         general("1999 12"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_DATE  = '1999-12-01 00:00:00'",
         0,
         kIso},

        // The any-field OR.
        {"any field",
         kAnyField,
         {{1, 1016}},
         general("paris"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_PLACE_KEY LIKE '%PARIS%' OR TITLES.AUTHOR_KEY "
         "LIKE '%PARIS%'"},
        {"any field, no word chain",
         kAnyField,
         {{1, 1016}},
         general("new york"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_PLACE_KEY LIKE '%NEW YORK%' OR "
         "TITLES.AUTHOR_KEY "
         "LIKE '%NEW YORK%'"},

        // Client text stays inside its literals.
        {"quote in a simple term",
         kTitle,
         {{1, 4}},
         general("X' OR '1'='1"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE 'X'' OR ''1''=''1%'"},
        {"quote in a raw term",
         kDewey,
         {{1, 13}},
         general("X' OR '1'='1"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE DEWEY_CLASS LIKE 'X'' OR ''1''=''1%'"},
        {"quotes in a word chain",
         kChain,
         {{1, 4}},
         general("o'brien smith'"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE '%O''BRIEN%' AND  TITLE_KEY LIKE "
         "'%SMITH''%'"},
        {"quote in a word list",
         kWordList,
         {{1, 4}, {4, 2}},
         general("x'-- y"),
         "SELECT TITLE_NO FROM WORDS WHERE WORD like 'X''--%' INTERSECT SELECT TITLE_NO FROM WORDS WHERE "
         "WORD "
         "= 'Y'"},
        {"quotes in stemmed words",
         kStemmed,
         {{1, 4}, {2, 101}},
         general("o'neil' x'"),
         "SELECT WORDS.TITLE_NO FROM WORDS, WORDS W2 WHERE WORDS.STEM = 'O''NEIL''' AND W2.STEM = 'X'''"},
        {"quote in the any-field OR",
         kAnyField,
         {{1, 1016}},
         general("x' OR 1=1 --"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_PLACE_KEY LIKE '%X'' OR 1=1 --%' OR "
         "TITLES.AUTHOR_KEY LIKE '%X'' OR 1=1 --%'"},
        {"placeholder in a term",
         kWordList,
         {{1, 4}, {4, 2}},
         general("XXTERMXX2 cat"),
         "SELECT TITLE_NO FROM WORDS WHERE WORD like 'XXTERMXX2%' INTERSECT SELECT TITLE_NO FROM WORDS WHERE "
         "WORD "
         "like 'CAT%'"},
        {"substitution mark in a term",
         kChain,
         {{1, 4}},
         general("xxcomplexsubstitutexx dog"),
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE '%XXCOMPLEXSUBSTITUTEXX%' AND  TITLE_KEY "
         "LIKE "
         "'%DOG%'"},
    };
    return rows;
}

class RpnToSqlGolden : public SearchFileTest {};

TEST_F(RpnToSqlGolden, OperandStatements) {
    const std::vector<std::string> phraseStopWords{"THE"};
    for (const GoldenRow& row : goldenRows()) {
        SCOPED_TRACE(row.path);
        ConfigProblemWatch watch;
        const DefinitionBlocks<SearchDefinition>* definitions = load(std::string(kBlockHead) + row.mapping);
        ASSERT_NE(definitions, nullptr);
        ASSERT_FALSE(watch.found());
        SearchSettings settings{row.dates, SourceCharset::Utf8, &phraseStopWords};
        KivRPNQuery query = rpn::query(rpn::operand(row.attributes, row.term));
        SearchPlan plan = PlanSearch(*definitions, query, "SAMPLE", settings);
        EXPECT_EQ(plan.outcome.condition(), row.condition);
        if (row.statement == nullptr) {
            EXPECT_EQ(plan.root, nullptr);
            continue;
        }
        ASSERT_NE(plan.root, nullptr);
        ASSERT_TRUE(plan.root->operand);
        EXPECT_EQ(plan.root->operand->statement, row.statement);
    }
}

// The term "*" selects every key of the mapping's from-part. (A general term "*" holds no letter or digit
// and never gets this far in a search.)
TEST_F(RpnToSqlGolden, StarSelectsEveryKey) {
    ASSERT_NE(load(std::string(kBlockHead) + "8,\"SERIALS||ISSN_KEY XXTERMXX\",NONEO,FALSEO,0,8,0;"),
              nullptr);
    const SearchDefinition& block = definition();
    OperandTerm star{"*", kTermKindText, std::nullopt};
    KivArray<KivAttributeElement> none;
    Bib1Result<std::string> sql =
        BuildOperandSql(block, block.mappings[0], block.keys[1], star, none, SearchSettings{});
    ASSERT_TRUE(sql) << sql.outcome().condition();
    EXPECT_EQ(*sql, "SELECT SERIALS.TITLE_NO, SERIALS.FREQUENCY FROM SERIALS");
}

// A split form reads the from-part tables that its condition or its select list names, and no other.
TEST_F(RpnToSqlGolden, FromPartKeepsTheTablesTheStatementNames) {
    ASSERT_NE(load(std::string(kBlockHead) +
                   "8,\"SERIALS, SERIES S2, SERIES S3||ISSN_KEY XXTERMXX\",NONEO,FALSEO,0,8,0;"),
              nullptr);
    const SearchDefinition& block = definition();
    KeyDefinition key = block.keys[1];
    ASSERT_EQ(key.secondaryColumns.size(), 1u);
    key.secondaryColumns[0].column = "S2.FREQUENCY";
    OperandTerm term{"12345678", kTermKindText, std::nullopt};
    KivArray<KivAttributeElement> none;
    Bib1Result<std::string> sql =
        BuildOperandSql(block, block.mappings[0], key, term, none, SearchSettings{});
    ASSERT_TRUE(sql) << sql.outcome().condition();
    EXPECT_EQ(*sql,
              "SELECT SERIALS.TITLE_NO, S2.FREQUENCY FROM SERIALS, SERIES S2 WHERE ISSN_KEY = '12345678'");
}

}  // namespace
