// The shipped search.tblx of the sample catalogue: the statements of its main search paths.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Quorvane/search/rpn_to_sql.h"
#include "Quorvane/search/search_definitions_reader.h"
#include "Quorvane/text/phrase_stop_words.h"
#include "tests/server/search/rpn_builder.h"

namespace {

using rpn::general;

struct ShippedRow {
    const char* path;
    std::vector<rpn::Attribute> attributes;
    const char* term;
    const char* statement;
};

TEST(RpnToSqlShipped, SampleCatalogueStatements) {
    const std::string control = std::string(QUORVANE_SOURCE_DIR) + "/conf/control/";
    const DefinitionBlocks<SearchDefinition> definitions = LoadSearchDefinitions(control + "search.tblx");
    ASSERT_TRUE(definitions);
    std::vector<std::string> phraseStopWords = ReadPhraseStopWords(
        control + "phrasestop1.tbl", [](const std::string& message) { FAIL() << message; });
    SearchSettings settings{DateLiteralStyle::Iso, SourceCharset::Utf8, &phraseStopWords, 1016};

    const ShippedRow rows[] = {
        {"title, first in field",
         {{1, 4}, {3, 1}},
         "The History of Computing",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE 'HISTORY OF COMPUTING%'"},
        {"title words, a stop word left out",
         {{1, 4}},
         "history  of computing",
         "SELECT WORDS.TITLE_NO FROM WORDS, WORDS W2 WHERE WORDS.FIELD = 'T' AND WORDS.WORD = 'HISTORY' AND "
         "W2.TITLE_NO = WORDS.TITLE_NO AND W2.FIELD = 'T' AND W2.WORD = 'COMPUTING'"},
        {"title words, three",
         {{1, 4}},
         "history computing europe",
         "SELECT WORDS.TITLE_NO FROM WORDS, WORDS W2, WORDS W3 WHERE WORDS.FIELD = 'T' AND WORDS.WORD = "
         "'HISTORY' AND W2.TITLE_NO = WORDS.TITLE_NO AND W2.FIELD = 'T' AND W2.WORD = 'COMPUTING' AND "
         "W3.TITLE_NO = WORDS.TITLE_NO AND W3.FIELD = 'T' AND W3.WORD = 'EUROPE'"},
        {"title word, right-truncated: the matching words of the vocabulary, then their entries",
         {{1, 4}, {4, 2}, {5, 1}},
         "comput",
         "SELECT WORDS.TITLE_NO FROM WORDS, VOCABULARY WHERE VOCABULARY.FIELD = 'T' AND VOCABULARY.WORD LIKE "
         "'COMPUT%' AND WORDS.WORD = VOCABULARY.WORD AND WORDS.FIELD = 'T'"},
        {"title word, left-truncated: words that hold it, through the vocabulary",
         {{1, 4}, {5, 2}},
         "puting",
         "SELECT WORDS.TITLE_NO FROM WORDS, VOCABULARY WHERE VOCABULARY.FIELD = 'T' AND VOCABULARY.WORD LIKE "
         "'%PUTING%' AND WORDS.WORD = VOCABULARY.WORD AND WORDS.FIELD = 'T'"},
        {"title as a phrase: the title begins with it",
         {{1, 4}, {4, 1}},
         "history of computing",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE 'HISTORY OF COMPUTING%'"},
        {"ISBN", {{1, 7}}, "0-19-852663-x", "SELECT ISBNS.TITLE_NO FROM ISBNS WHERE ISBN = '019852663X'"},
        {"year from",
         {{1, 31}, {2, 4}},
         "2001",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_DATE  >= '2001-01-01 00:00:00'"},
        {"material type",
         {{1, 1031}},
         "cd",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE MATERIAL_TYPE = 'CD  '"},
        {"material type, cut to four octets between two characters",
         {{1, 1031}},
         "\xC3\x89T\xC3\x89",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE MATERIAL_TYPE = '\xC3\x89T '"},
        {"any field, no use attribute: a word of any indexed field",
         {},
         "Tolkien",
         "SELECT WORDS.TITLE_NO FROM WORDS, VOCABULARY WHERE VOCABULARY.WORD = 'TOLKIEN' AND WORDS.WORD = "
         "VOCABULARY.WORD AND WORDS.FIELD = VOCABULARY.FIELD"},
        {"stemmed title words",
         {{1, 4}, {2, 101}},
         "computers",
         "SELECT WORDS.TITLE_NO FROM WORDS WHERE WORDS.FIELD = 'T' AND WORDS.STEM = 'COMPUT'"},
    };
    for (const ShippedRow& row : rows) {
        SCOPED_TRACE(row.path);
        KivRPNQuery query = rpn::query(rpn::operand(row.attributes, general(row.term)));
        SearchPlan plan = PlanSearch(definitions, query, "DEFAULT", settings);
        ASSERT_TRUE(plan.outcome) << plan.outcome.condition();
        EXPECT_EQ(plan.root->operand->statement, row.statement);
    }
}

}  // namespace
