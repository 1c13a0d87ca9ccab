#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/trace_view.h"
#include "Quorvane/results/relevance_definition.h"
#include "Quorvane/results/relevance_factor.h"
#include "tests/server/traced_scratch_dir.h"

namespace {

using Words = std::vector<std::string>;

TEST(RelevanceFactor, OneHundredOverTheSummedKeywordWeights) {
    struct Case {
        std::vector<std::uint64_t> frequencies;
        const char* factor;
    };
    const Case cases[] = {
        {{1, 1, 3}, "27.73"}, {{1}, "69.31"}, {{0, 1, 0}, "69.31"},
        {{0}, "0.00"},        {{}, "0.00"},   {{1000000}, "1381.55"},
    };
    for (const Case& c : cases) EXPECT_EQ(RelevanceFactor(c.frequencies), c.factor) << c.factor;
}

TEST(RelevanceKeywords, CutAtEveryWhiteSpaceAndStemmed) {
    struct Case {
        const char* term;
        Words keywords;
        const char* list;
    };
    const Case cases[] = {
        {"X Y Z", {"X", "Y", "Z"}, "'X','Y','Z'"},
        {"COMPUTERS HISTORY", {"COMPUT", "HISTORI"}, "'COMPUT','HISTORI'"},
        {"CATS  DOGS", {"CAT", "", "DOG"}, "'CAT','','DOG'"},
        {"O'BRIEN", {"O'BRIEN"}, "'O''BRIEN'"},
        {"X') OR 1=1 --", {"X')", "OR", "1=1", "--"}, "'X'')','OR','1=1','--'"},
        {"", {""}, "''"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RelevanceKeywords(c.term), c.keywords) << c.term;
        EXPECT_EQ(RelevanceKeywordList(c.keywords), c.list) << c.term;
    }
}

class RelevanceDefinitions : public TracedScratchDirTest {
  protected:
};

TEST_F(RelevanceDefinitions, TheFirstRecordWithTheReferenceGivesTheStatements) {
    std::filesystem::create_directory(path("control"));
    writeFile("control/relrank.tblx",
              "/* ranking */\n"
              "1,\"SELECT F FROM S WHERE W = 'XXKEYWORDXX'\",\"SELECT K FROM S WHERE W IN (XXKEYWORDSXX)\";\n"
              "2,\"two\",\"main two\";\n"
              "2,\"later\",\"ignored\";\n");
    std::optional<RelevanceDefinition> definition = FindRelevanceDefinition(path("control"), 2);
    ASSERT_TRUE(definition.has_value());
    EXPECT_EQ(definition->frequencyStatement, "two");
    EXPECT_EQ(definition->mainStatement, "main two");
    definition = FindRelevanceDefinition(path("control"), 1);
    ASSERT_TRUE(definition.has_value());
    EXPECT_EQ(definition->frequencyStatement, "SELECT F FROM S WHERE W = 'XXKEYWORDXX'");
    EXPECT_EQ(view_.text(), "");

    EXPECT_FALSE(FindRelevanceDefinition(path("control"), 3).has_value());
    EXPECT_EQ(view_.text(), "Relevance rank mapping missing\n");
}

TEST_F(RelevanceDefinitions, AMissingFileOrValueIsReported) {
    EXPECT_FALSE(FindRelevanceDefinition(path("nowhere"), 1).has_value());
    EXPECT_EQ(view_.text(), "Could not open file " + path("nowhere/relrank.tblx") + "\n");
    view_.clear();

    writeFile("relrank.tblx", "1,\"only the frequency\";\n");
    EXPECT_FALSE(FindRelevanceDefinition("", 2).has_value());
    EXPECT_EQ(view_.text(), "No main relevance query in relrank.tblx\nRelevance rank mapping missing\n");
}

}  // namespace
