#include "Quorvane/records/sutrs_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/records/sutrs_wrap_text.h"
#include "tests/server/records/text_builders_fixture.h"

namespace {

SutrsElement column(std::string label, std::string field, std::string routine = "NULL",
                    std::vector<RowCondition> conditions = {}) {
    return {std::move(label), std::move(field), true, std::move(routine), std::move(conditions)};
}

SutrsElement literal(std::string label, std::string text) {
    return {std::move(label), std::move(text), false, "NULL", {}};
}

SutrsBlock block(std::vector<SutrsElement> elements) {
    SutrsBlock made;
    made.databases = {"DEFAULT"};
    for (const SutrsElement& element : elements) made.hasConditions |= !element.conditions.empty();
    made.elements = std::move(elements);
    return made;
}

std::string build(const SutrsBlock& definitions, std::initializer_list<FieldSpec> fields, bool full = true,
                  const FieldValueConversion& conversion = utf8Conversion()) {
    RecordFields made = makeFields(fields);
    return BuildSutrsText(definitions, made, full, conversion);
}

TEST(SutrsText, LabelledLinesConcatenationsAndRepeatedValues) {
    const SutrsBlock definitions = block({column("Title", "TITLE"), column("XXCONCATENATEXX", "SUBTITLE"),
                                          column("Author", "AUTHOR"), column(" ", "NOTE")});
    EXPECT_EQ(build(definitions, {{"TITLE", "Dune"},
                                  {"AUTHOR", "Herbert, Frank"},
                                  {"SUBTITLE", "a novel"},
                                  {"AUTHOR", "Anderson", 2},
                                  {"NOTE", "Hugo award"}}),
              "Title: Dune a novel\nAuthor: Herbert, Frank , Anderson\nHugo award\n");
}

TEST(SutrsText, LiteralsOnlyInFullRecords) {
    const SutrsBlock definitions =
        block({column("Title", "TITLE"), literal("Source", "Sample catalogue"), literal(" ", "End of record"),
               literal("XXCONCATENATEXX", "(demo)")});
    EXPECT_EQ(build(definitions, {{"TITLE", "Dune"}}, true),
              "Title: Dune\nSource: Sample catalogue\nEnd of record (demo)\n");
    EXPECT_EQ(build(definitions, {{"TITLE", "Dune"}}, false), "Title: Dune\n");
}

TEST(SutrsText, ElementsThatStopOrWriteNothing) {
    struct Case {
        const char* what;
        SutrsElement element;
        std::initializer_list<FieldSpec> fields;
        const char* expected;
    };
    const Case cases[] = {
        {"no such column", column("Title", "TITLE"), {{"AUTHOR", "x"}}, ""},
        {"column names match exactly", column("Title", "TITLE"), {{"title", "x"}}, ""},
        {"a routine without a value ends the element",
         column("Status", "STATUS", "ROUTINE5"),
         {{"STATUS", "F"}, {"STATUS", "D"}, {"STATUS", "H"}},
         "Status: AVAILABLE\n"},
        {"a field without a value ends the element",
         column("Author", "AUTHOR"),
         {{"AUTHOR", "A"}, {"AUTHOR", std::nullopt}, {"AUTHOR", "C"}},
         "Author: A\n"},
        {"a first field without a value writes nothing",
         column("Author", "AUTHOR"),
         {{"AUTHOR", std::nullopt}},
         ""},
        {"a routine outside 1 to 12 gives nothing",
         column("Title", "TITLE", "ROUTINE13"),
         {{"TITLE", "x"}},
         ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(build(block({c.element}), c.fields), c.expected) << c.what;
    }
}

TEST(SutrsText, ConditionsPickTheRowAndGroupTheFields) {
    const SutrsBlock definitions =
        block({column("Author", "AUTHOR", "NULL", {{"author_seq", "2"}}), column("Subject", "SUBJECT")});
    const std::initializer_list<FieldSpec> fields = {{"AUTHOR", "First", 1},   {"AUTHOR_SEQ", "1", 1},
                                                     {"SUBJECT", "Sand", 1},   {"AUTHOR", "Second", 2},
                                                     {"AUTHOR_SEQ", "2.0", 2}, {"SUBJECT", "Spice", 2}};
    // With a condition in the block the fields are grouped into rows: the subject comes from row 1 alone.
    EXPECT_EQ(build(definitions, fields), "Author: Second\nSubject: Sand\n");
    EXPECT_EQ(build(block({column("Author", "AUTHOR", "NULL", {{"AUTHOR_SEQ", "3"}})}), fields), "");
    // Without conditions every field is in one row.
    EXPECT_EQ(build(block({column("Subject", "SUBJECT")}), fields), "Subject: Sand , Spice\n");
}

TEST(SutrsText, ValuesGoThroughTheRoutineAndTheConversion) {
    const FieldValueConversion windows1252{SourceCharset::Windows1252, [] { return std::string("unused"); }};
    const SutrsBlock definitions = block({column("Title", "TITLE"), column("Online", "LINK", "ROUTINE7")});
    EXPECT_EQ(build(definitions, {{"TITLE", "Caf\xE9 caf<d:aa>e \x80"}, {"LINK", "example.org/x"}}, true,
                    windows1252),
              "Title: Caf\u00e9 caf\u0301e \u20ac\nOnline: http://example.org/x\n");
    EXPECT_EQ(build(definitions, {{"TITLE", "Caf\u00e9"}}), "Title: Caf\u00e9\n");
}

TEST(SutrsWrapText, TidiesAndWrapsTheCurrentLine) {
    const std::string x200(200, 'x');
    const std::string e100 = [] {
        std::string text;
        for (int i = 0; i < 100; ++i) text += "\u00e9";
        return text;
    }();
    struct Case {
        const char* what;
        std::string before;  // text before the current line
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        {"white space is tidied", "", " \t a \t b\n\nc  ", "a b c\n"},
        {"earlier lines stay", "keep  me\n", "  x", "keep  me\nx\n"},
        {"a line of white space adds nothing", "keep\n", " \n ", "keep\n"},
        {"a continued line is joined", "", "Title: Dune\n a novel", "Title: Dune a novel\n"},
        {"long runs are cut every 79 characters", "", "Label: " + x200,
         "Label:\n" + x200.substr(0, 79) + "\n" + x200.substr(79, 79) + "\n" + x200.substr(158) + "\n"},
        {"characters, not octets, are counted", "", e100,
         e100.substr(0, 158) + "\n" + e100.substr(158) + "\n"},
    };
    for (const Case& c : cases) {
        std::string text = c.before + c.line;
        WrapText(text, c.before.size());
        EXPECT_EQ(text, c.expected) << c.what;
    }
}

TEST(SutrsWrapText, BreaksAtBlanksWithinTheWidth) {
    std::string words;
    for (int i = 0; i < 40; ++i) words += "word" + std::to_string(i) + " ";
    std::string text = words;
    WrapText(text, 0);
    std::string joined;
    size_t lines = 0;
    for (size_t start = 0; start < text.size(); ++lines) {
        const size_t end = text.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 80u) << line;
        // A line is only broken where the next word would not fit.
        if (end + 1 < text.size()) {
            EXPECT_GT(line.size() + 1 + text.substr(end + 1).find_first_of(" \n"), 80u) << line;
        }
        joined += (joined.empty() ? "" : " ") + line;
        start = end + 1;
    }
    EXPECT_EQ(joined + " ", words);
    EXPECT_GE(lines, 3u);
}

class SutrsRecord : public TextBuilderTest {};

TEST_F(SutrsRecord, ShippedDefinitions) {
    writeFile(kIniFileName, "[Present]\npcSourceCharacterSet=UTF-8\n");
    session_.controlFilesDir = kShippedControlDir;
    session_.currentDatabase = "SAMPLE";
    PresentCacheEntry entry = makeEntry({{"TITLE_NO", "7"},
                                         {"TITLE", "The \u00e9t\u00e9 book"},
                                         {"SUBTITLE", "a story"},
                                         {"PUB_PLACE", "London"},
                                         {"PUBLISHER", "Penguin"},
                                         {"PUB_YEAR", "1999"},
                                         {"STATUS_CODE", "F"},
                                         {"CATEGORY", "JF"},
                                         {"AUTHOR", "Smith, Ann", 1},
                                         {"AUTHOR", "Jones, Bo", 2}});
    const std::string body =
        "Title: The \u00e9t\u00e9 book a story\nAuthor: Smith, Ann , Jones, Bo\nPublished: London Penguin "
        "1999\n"
        "Category: CF\nStatus: AVAILABLE\nRecord: 7\n";
    std::string text;
    ASSERT_TRUE(BuildSutrsRecord(entry, text, session_));
    EXPECT_EQ(text, body + "Quorvane sample catalogue\n");
    session_.cacheFormat = 0;
    ASSERT_TRUE(BuildSutrsRecord(entry, text, session_));
    EXPECT_EQ(text, body);
    EXPECT_EQ(logged(), "");
}

TEST_F(SutrsRecord, NoBlockForTheDatabase) {
    writeControl("sutrsdef.tblx", "\"XXDATABASESXX\",\"books\";\n\"Title\",\"TITLE\",TRUE,\"NULL\";\n");
    PresentCacheEntry entry = makeEntry({{"TITLE", "Dune"}});
    std::string text;
    session_.currentDatabase = "BOOKS";
    ASSERT_TRUE(BuildSutrsRecord(entry, text, session_));
    EXPECT_EQ(text, "Title: Dune\n");
    session_.currentDatabase = "SERIALS";
    EXPECT_FALSE(BuildSutrsRecord(entry, text, session_));
}

}  // namespace
