#include "Quorvane/records/marc_tag_rules.h"

#include <gtest/gtest.h>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/records/marc_record_builder.h"
#include "tests/server/records/marc_fixture.h"

namespace {

class TagRules : public MarcTest {
  protected:
    // Builds the entry with one block of rules for BOOKS.
    std::string build(std::vector<MarcRule> rules, PresentCacheEntry& entry,
                      std::optional<MarcLeaderDef> leader = std::nullopt) {
        MarcBlock block;
        block.databases = {"BOOKS"};
        block.rules = std::move(rules);
        block.leader = std::move(leader);
        session_.marcDefinitions = std::vector{block};
        MarcBuildResult built = BuildMarcRecord(entry, session_);
        EXPECT_EQ(built.refusal.condition(), 0u) << built.refusalInfo;
        return built.record;
    }
};

MarcRule column(std::string tag, std::optional<std::string> code, std::optional<std::string> indicator,
                std::string label, std::string field, std::vector<RowCondition> conditions = {}) {
    return MarcRule{.tag = std::move(tag),
                    .subfieldCode = std::move(code),
                    .indicator = std::move(indicator),
                    .label = std::move(label),
                    .field = std::move(field),
                    .fieldFromColumn = true,
                    .routine = "NULL",
                    .conditions = std::move(conditions)};
}

MarcRule continued(std::string tag, std::optional<std::string> code, std::string field) {
    return column(std::move(tag), std::move(code), std::nullopt, std::string(kConcatenateLabel),
                  std::move(field));
}

TEST_F(TagRules, FieldsSubfieldsAndConcatenation) {
    PresentCacheEntry entry =
        entryOf({{"NO", "42"}, {"TITLE", "Birds"}, {"SUB", "of Europe"}, {"BY", "Ann"}});
    std::string record = build({column("001", std::nullopt, std::nullopt, "Control", "NO"),
                                column("245", "a", "10", "Title", "TITLE"),
                                continued("245", std::nullopt, "SUB"),  // no code: joined with a blank
                                continued("245", "c", "BY"), column("500", "a", "  ", "Note", "TITLE")},
                               entry);
    EXPECT_EQ(fieldsOf(record),
              (std::vector<std::string>{"001 42", "245 10$aBirds of Europe$cAnn", "500   $aBirds"}));
    EXPECT_EQ(record.substr(5, 5), "nam a");
}

TEST_F(TagRules, RememberedIndicatorsStartTheContinuingField) {
    PresentCacheEntry entry = entryOf({{"PLACE", std::nullopt}, {"PUBLISHER", "Hill"}, {"YEAR", "1990"}});
    MarcRule place = column("264", "a", "1.0", "Publication", "PLACE");
    std::string record = build({column("245", "a", "10", "Title", "PUBLISHER"), place,
                                continued("264", "b", "PUBLISHER"), continued("264", "c", "YEAR")},
                               entry);
    EXPECT_EQ(fieldsOf(record), (std::vector<std::string>{"245 10$aHill", "264 01$bHill$c1990"}));
}

TEST_F(TagRules, ConditionsPickTheRowAndIndicatorsFollowIt) {
    PresentCacheEntry entry = entryOf({{"AUTHOR", "Ann"},
                                       {"AUTHOR_SEQ", "1"},
                                       {"IND", "1.0"},
                                       {"AUTHOR", "Bob", 2},
                                       {"AUTHOR_SEQ", "2", 2},
                                       {"ROLE_IND", "2", 2},
                                       {"AUTHOR", "Cy", 3},
                                       {"AUTHOR_SEQ", "3", 3}});
    auto fromColumn = [](MarcRule rule, std::string indicatorColumn) {
        rule.indicator = std::move(indicatorColumn);
        rule.indicatorFromColumn = true;
        return rule;
    };
    std::string record = build(
        {fromColumn(column("100", "a", std::nullopt, "Main", "AUTHOR", {{"AUTHOR_SEQ", "1"}}), "IND"),
         fromColumn(column("700", "a", std::nullopt, "Added", "AUTHOR", {{"AUTHOR_SEQ", "2"}}), "ROLE_IND"),
         fromColumn(column("700", "a", std::nullopt, "Added", "AUTHOR", {{"AUTHOR_SEQ", "3"}}), "NONE"),
         column("700", "a", "1 ", "Added", "AUTHOR", {{"AUTHOR_SEQ", "4"}}),  // no such row: skipped
         column("710", "a", "2 ", "Body", "MISSING")},                        // no such column: skipped
        entry);
    // Indicators come from the first row, else the condition row, else "00".
    EXPECT_EQ(fieldsOf(record), (std::vector<std::string>{"100 01$aAnn", "700 02$aBob", "700 00$aCy"}));
}

TEST_F(TagRules, LiteralsOnlyInFullRecordsAndRoutinesOnValues) {
    PresentCacheEntry entry = entryOf({{"LINK", "example.org/e"}, {"PRICE", "19"}});
    MarcRule literal = column("040", "a", "  ", "Source", "QRV");
    literal.fieldFromColumn = false;
    MarcRule link = column("856", "u", "40", "Link", "LINK");
    link.routine = "ROUTINE7";
    MarcRule price = column("020", "c", "  ", "Price", "PRICE");
    price.routine = "ROUTINE2";  // 19 gives no value
    std::vector<MarcRule> rules = {literal, price, link};

    EXPECT_EQ(fieldsOf(build(rules, entry)),
              (std::vector<std::string>{"040   $aQRV", "856 40$uhttp://example.org/e"}));
    session_.cacheFormat = 0;
    EXPECT_EQ(fieldsOf(build(rules, entry)), (std::vector<std::string>{"856 40$uhttp://example.org/e"}));
}

TEST_F(TagRules, LeaderTypeLetters) {
    PresentCacheEntry entry = entryOf({{"TYPE", "ngm"}, {"NO", "1"}});
    const std::vector<MarcRule> rules = {column("001", std::nullopt, std::nullopt, "Control", "NO")};
    struct Case {
        std::optional<MarcLeaderDef> leader;
        std::string letters;
    };
    const Case cases[] = {
        {std::nullopt, "nam"},
        {MarcLeaderDef{"TYPE", true, "NULL"}, "ngm"},
        {MarcLeaderDef{"TYPE", true, "LEADROUT1"}, "nam"},  // leader routine 1
        {MarcLeaderDef{"TYPE", true, "LEADROUT2"}, "ngm"},
        {MarcLeaderDef{"MISSING", true, "NULL"}, "nam"},
        {MarcLeaderDef{"as", false, "LEADROUT1"}, "as "},  // a literal as written, filled to three
        {MarcLeaderDef{"njmx", false, "NULL"}, "njm"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(build(rules, entry, c.leader).substr(5, 3), c.letters)
            << c.leader.value_or(MarcLeaderDef{}).field;
    }
}

TEST_F(TagRules, TagsAndCharacterSet) {
    PresentCacheEntry entry = entryOf({{"TITLE",
                                        "Ni\xC3\xB1"
                                        "a caf<d:aa>e"}});
    const std::vector<MarcRule> rules = {column("245", "a", "10", "Title", "TITLE"),
                                         column("2450", "a", "10", "Title", "TITLE"),
                                         column("50", "a", "  ", "Note", "TITLE")};
    EXPECT_EQ(fieldsOf(build(rules, entry)), (std::vector<std::string>{"245 10$aNi\xC3\x83\xC2\xB1"
                                                                       "a caf\xCC\x81"
                                                                       "e",
                                                                       "050   $aNi\xC3\x83\xC2\xB1"
                                                                       "a caf\xCC\x81"
                                                                       "e"}));
    EXPECT_NE(takeLog().find("Error in MARC tag definition"), std::string::npos);
    useCharset("UTF-8");
    EXPECT_EQ(fieldsOf(build(rules, entry))[0],
              "245 10$aNi\xC3\xB1"
              "a caf\xCC\x81"
              "e");
}

TEST_F(TagRules, BlockOfTheDatabaseElseDefault) {
    PresentCacheEntry entry = entryOf({{"NO", "7"}});
    MarcBlock books;
    books.databases = {"BOOKS"};
    books.rules = {column("001", std::nullopt, std::nullopt, "C", "NO")};
    MarcBlock fallback;
    fallback.databases = {"DEFAULT"};
    fallback.rules = {column("003", std::nullopt, std::nullopt, "C", "NO")};
    session_.marcDefinitions = std::vector{fallback, books};
    session_.currentDatabase = "books";  // as a Scan leaves it
    EXPECT_EQ(fieldsOf(BuildMarcRecord(entry, session_).record), (std::vector<std::string>{"001 7"}));
    session_.currentDatabase = "SERIALS";
    EXPECT_EQ(fieldsOf(BuildMarcRecord(entry, session_).record), (std::vector<std::string>{"003 7"}));
    session_.marcDefinitions = std::vector{books};
    MarcBuildResult built = BuildMarcRecord(entry, session_);
    EXPECT_EQ(built.refusal.condition(), kConditionNoDataInSyntax);
}

}  // namespace
