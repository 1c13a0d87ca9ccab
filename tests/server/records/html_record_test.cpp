#include "Quorvane/records/html_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/records/html_markup.h"
#include "tests/server/records/text_builders_fixture.h"

namespace {

HtmlElement htmlColumn(std::string pattern, std::string field, std::string routine = "NULL",
                       std::vector<RowCondition> conditions = {}) {
    return {std::move(pattern), std::move(field), true, std::move(routine), std::move(conditions)};
}

HtmlElement htmlLiteral(std::string pattern, std::string text) {
    return {std::move(pattern), std::move(text), false, "NULL", {}};
}

std::string build(std::vector<HtmlElement> elements, std::initializer_list<FieldSpec> fields,
                  bool full = true, const FieldValueConversion& conversion = utf8Conversion()) {
    HtmlBlock block;
    block.databases = {"DEFAULT"};
    block.elements = std::move(elements);
    RecordFields made = makeFields(fields);
    return BuildHtmlText(block, made, full, conversion);
}

TEST(HtmlText, TemplatesAndConcatenations) {
    const std::vector<HtmlElement> elements = {
        htmlColumn("<title>%s</title>", "TITLE"),      htmlColumn("XXCONCATENATEXX", "SUBTITLE"),
        htmlColumn("<creator>%s</creator>", "AUTHOR"), htmlColumn("<note>%s</note>", "NOTE"),
        htmlColumn("XXCONCATENATEXX", "YEAR"),         htmlColumn("XXCONCATENATEXX", "EDITION")};
    EXPECT_EQ(build(elements, {{"TITLE", "Dune"},
                               {"SUBTITLE", "a novel"},
                               {"AUTHOR", "Herbert"},
                               {"AUTHOR", "Anderson"},
                               {"YEAR", "1965"},
                               {"EDITION", "1st"}}),
              "<title>Dune a novel</title>\n<creator>Herbert 1965 1st</creator>\n");
}

TEST(HtmlText, MissingValuesAndLiterals) {
    const std::vector<HtmlElement> elements = {
        htmlColumn("<title>%s</title>", "TITLE"),  htmlColumn("<note>%s</note>", "NOTE"),
        htmlColumn("XXCONCATENATEXX", "SUBTITLE"), htmlLiteral("<source>%s</source>", "<b>Sample</b> 100%%"),
        htmlColumn("XXCONCATENATEXX", "YEAR"),     htmlLiteral("XXCONCATENATEXX", "(demo)")};
    // NOTE has no value: no line, and the concatenations extend the title, across the literal line.
    EXPECT_EQ(build(elements,
                    {{"TITLE", "Dune"}, {"NOTE", std::nullopt}, {"SUBTITLE", "a novel"}, {"YEAR", "1965"}}),
              "<title>Dune a novel 1965 (demo)</title>\n<source><b>Sample</b> 100%%</source>\n");
    EXPECT_EQ(build(elements, {{"TITLE", "Dune"}, {"SUBTITLE", "a novel"}}, false),
              "<title>Dune a novel</title>\n");
    // A concatenation before any value writes nothing; a template without "%s" is written as it stands.
    EXPECT_EQ(build({htmlColumn("XXCONCATENATEXX", "TITLE"), htmlColumn("<hr/>", "TITLE"),
                     htmlColumn("XXCONCATENATEXX", "TITLE"), htmlLiteral("<p>%s 100%% %s</p>", "x")},
                    {{"TITLE", "Dune"}}),
              "<hr/>\n<p>x 100% %s</p>\n");
}

TEST(HtmlText, RowsFieldsAndRoutines) {
    const std::vector<HtmlElement> elements = {
        htmlColumn("<creator>%s</creator>", "AUTHOR", "NULL", {{"AUTHOR_SEQ", "2"}}),
        htmlColumn("<creator>%s</creator>", "AUTHOR", "NULL", {{"AUTHOR_SEQ", "3"}}),
        htmlColumn("<subject>%s</subject>", "SUBJECT"),
        htmlColumn("<status>%s</status>", "STATUS", "ROUTINE5"),
        htmlColumn("<img src=\"%s\"/>", "ISBN", "ROUTINE6")};
    EXPECT_EQ(
        build(elements, {{"AUTHOR", "First", 1},
                         {"AUTHOR_SEQ", "1", 1},
                         {"SUBJECT", "Sand", 1},
                         {"SUBJECT", "Dunes", 1},
                         {"STATUS", "D", 1},
                         {"ISBN", "123", 1},
                         {"AUTHOR", "Second", 2},
                         {"AUTHOR_SEQ", "2.0", 2}}),
        "<creator>Second</creator>\n<subject>Sand</subject>\n<img src=\"http://img.example/123.jpg\"/>\n");
}

TEST(HtmlText, ValuesAreEscapedAndConverted) {
    EXPECT_EQ(EscapeMarkup("a & b < c > d \"e\" 'f'\x01\tg\x1F"),
              "a &amp; b &lt; c &gt; d &quot;e&quot; &#39;f&#39;\tg");
    const FieldValueConversion windows1252{SourceCharset::Windows1252, [] { return std::string("unused"); }};
    EXPECT_EQ(build({htmlColumn("<a title=\"%s\">%%</a>", "TITLE"), htmlColumn("XXCONCATENATEXX", "NOTE")},
                    {{"TITLE", "Tom & \"Jerry\" <caf\xE9>"}, {"NOTE", "x<y"}}, true, windows1252),
              "<a title=\"Tom &amp; &quot;Jerry&quot; &lt;caf\u00e9&gt; x&lt;y\">%</a>\n");
}

class HtmlRecord : public TextBuilderTest {
  protected:
    // 0 when python3's XML parser accepts the text as a document.
    int parseXml(const std::string& text) {
        writeFile("record.xml", text);
        const std::string command =
            "python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' " +
            path("record.xml") + " 2>/dev/null";
        return std::system(command.c_str());
    }
};

TEST_F(HtmlRecord, ShippedDefinitionsGiveWellFormedXml) {
    writeFile(kIniFileName,
              "[Present]\npcSourceCharacterSet=UTF-8\n[ImageFiles]\npcImageFilesLocation=http://img/"
              "%s.jpg?s=1&t=2\n");
    session_.controlFilesDir = kShippedControlDir;
    session_.currentDatabase = "SAMPLE";
    PresentCacheEntry entry = makeEntry({{"TITLE_NO", "7"},
                                         {"TITLE", "Fish & Chips <and> \"more\""},
                                         {"SUBTITLE", "caf\u00e9 a<b"},
                                         {"PUB_PLACE", "London"},
                                         {"PUB_YEAR", "1999"},
                                         {"ISBN13", "9781234567897"},
                                         {"STATUS_CODE", "F"},
                                         {"AUTHOR", "Smith & Co", 1},
                                         {"AUTHOR_SEQ", "1", 1},
                                         {"AUTHOR", "Jones", 2},
                                         {"AUTHOR_SEQ", "2", 2}});
    std::string text;
    ASSERT_TRUE(BuildHtmlRecord(entry, text, session_));
    EXPECT_EQ(text,
              "<div class=\"record\" id=\"record-7\">\n"
              "<h1 class=\"title\">Fish &amp; Chips &lt;and&gt; &quot;more&quot; caf\u00e9 a&lt;b</h1>\n"
              "<p class=\"author\">Smith &amp; Co</p>\n"
              "<p class=\"author\">Jones</p>\n"
              "<p class=\"imprint\">London 1999</p>\n"
              "<p class=\"status\">AVAILABLE</p>\n"
              "<p class=\"cover\"><img src=\"http://img/9781234567897.jpg?s=1&amp;t=2\" alt=\"Cover\"/></p>\n"
              "<p class=\"source\">Quorvane sample catalogue</p>\n"
              "</div><!-- record 7 -->\n");
    EXPECT_EQ(parseXml(text), 0);
    EXPECT_NE(parseXml("<p>Fish & Chips</p>"), 0);  // what the values would give unescaped
    session_.cacheFormat = 0;
    ASSERT_TRUE(BuildHtmlRecord(entry, text, session_));
    EXPECT_EQ(text.find("Quorvane sample catalogue"), std::string::npos);
    EXPECT_EQ(parseXml(text), 0);
    EXPECT_EQ(logged(), "");
}

}  // namespace
