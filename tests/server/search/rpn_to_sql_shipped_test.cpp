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
    std::unique_ptr<DblList, void (*)(DblList*)> definitions(LoadSearchDefinitions(control + "search.tblx"),
                                                             ListDestroy);
    ASSERT_NE(definitions, nullptr);
    std::vector<std::string> phraseStopWords = ReadPhraseStopWords(
        control + "phrasestop1.tbl", [](const std::string& message) { FAIL() << message; });
    SearchSettings settings{DateLiteralStyle::Iso, SourceCharset::Utf8, &phraseStopWords, 1016};

    const ShippedRow rows[] = {
        {"title, first in field",
         {{1, 4}, {3, 1}},
         "The History of Computing",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE 'HISTORY OF COMPUTING%'"},
        {"title words",
         {{1, 4}},
         "history  computing",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLE_KEY LIKE '%HISTORY%' AND  TITLE_KEY LIKE "
         "'%COMPUTING%'"},
        {"title word list",
         {{1, 4}, {4, 2}},
         "history of computers",
         "SELECT TITLE_NO FROM WORDS WHERE FIELD = 'T' AND WORD like 'HISTORY%' INTERSECT SELECT TITLE_NO "
         "FROM "
         "WORDS WHERE FIELD = 'T' AND WORD like 'COMPUTERS%'"},
        {"ISBN", {{1, 7}}, "0-19-852663-x", "SELECT ISBNS.TITLE_NO FROM ISBNS WHERE ISBN = '019852663X'"},
        {"year from",
         {{1, 31}, {2, 4}},
         "2001",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.PUB_DATE  >= '2001-01-01 00:00:00'"},
        {"material type",
         {{1, 1031}},
         "cd",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE MATERIAL_TYPE = 'CD  '"},
        {"any field, no use attribute",
         {},
         "Tolkien",
         "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE_KEY LIKE '%TOLKIEN%' OR TITLES.SUBJECT_KEY "
         "LIKE "
         "'%TOLKIEN%' OR TITLES.PUB_PLACE_KEY LIKE '%TOLKIEN%' OR TITLES.NOTE_KEY LIKE '%TOLKIEN%' OR "
         "TITLES.AUTHOR_KEY LIKE '%TOLKIEN%' OR TITLES.PUBLISHER_KEY LIKE '%TOLKIEN%'"},
        {"stemmed title words",
         {{1, 4}, {2, 101}},
         "computers",
         "SELECT WORDS.TITLE_NO FROM WORDS, WORDS W2, WORDS W3 WHERE WORDS.FIELD = 'T' AND WORDS.STEM = "
         "'COMPUT'"
         " AND W2.WORD = WORDS.WORD AND W2.FIELD = WORDS.FIELD AND W2.TITLE_NO = WORDS.TITLE_NO AND W3.WORD "
         "= "
         "WORDS.WORD AND W3.FIELD = WORDS.FIELD AND W3.TITLE_NO = WORDS.TITLE_NO"},
    };
    for (const ShippedRow& row : rows) {
        SCOPED_TRACE(row.path);
        KivRPNQuery query = rpn::query(rpn::operand(row.attributes, general(row.term)));
        SearchPlan plan = PlanSearch(definitions.get(), query, "DEFAULT", settings);
        ASSERT_EQ(plan.condition, 0);
        EXPECT_EQ(plan.root->operand->statement, row.statement);
    }
}

}  // namespace
