// The element files sutrsdef.tblx and htmldef.tblx, read by the one reader they share.
#include "Quorvane/records/sutrs_definitions.h"

#include <gtest/gtest.h>

#include <string>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/records/html_definitions.h"
#include "tests/server/config_error_child.h"
#include "tests/server/records/text_builders_fixture.h"

namespace {

const std::string kHeader = "\"XXDATABASESXX\",\"DEFAULT\";\n";
const std::string kElement = "\"Title\",\"TITLE\",TRUE,\"NULL\";\n";

class ElementFile : public TextBuilderTest {};

TEST_F(ElementFile, ReadsBlocksElementsAndConditions) {
    writeControl("sutrsdef.tblx",
                 "/* layout */\n"
                 "\"XXDATABASESXX\",\"books\",\"Serials\";\n"
                 "\"Title\",\"TITLE\",TRUE,\"NULL\";\n"
                 "\" \",\"Printed by us\",FALSE,\"ROUTINE3\",\"TYPE\",\"a\",\"SEQ\",\"2\";\n"
                 "\"XXDATABASESXX\",\"DEFAULT\";\n"
                 "\"XXCONCATENATEXX\",\"SUBTITLE\",True,\"NULL\";\n");
    const DefinitionBlocks<SutrsBlock> blocks = ReadSutrsDefinitions(path("control/sutrsdef.tblx"));
    ASSERT_TRUE(blocks);
    ASSERT_EQ(blocks->size(), 2u);
    const SutrsBlock& books = (*blocks)[0];
    EXPECT_EQ(books.databases, (std::vector<std::string>{"BOOKS", "SERIALS"}));
    ASSERT_EQ(books.elements.size(), 2u);
    EXPECT_EQ(books.elements[0].label, "Title");
    EXPECT_EQ(books.elements[0].field, "TITLE");
    EXPECT_TRUE(books.elements[0].fromColumn);
    EXPECT_TRUE(books.elements[0].conditions.empty());
    EXPECT_EQ(books.elements[1].label, " ");
    EXPECT_FALSE(books.elements[1].fromColumn);
    EXPECT_EQ(books.elements[1].routine, "ROUTINE3");
    ASSERT_EQ(books.elements[1].conditions.size(), 2u);
    EXPECT_EQ(books.elements[1].conditions[1].column, "SEQ");
    EXPECT_EQ(books.elements[1].conditions[1].value, "2");
    EXPECT_TRUE(books.hasConditions);
    const SutrsBlock& other = (*blocks)[1];
    EXPECT_EQ(other.databases, (std::vector<std::string>{"DEFAULT"}));
    EXPECT_TRUE(other.elements[0].fromColumn);  // TRUE in any case names a column
    EXPECT_FALSE(other.hasConditions);
    EXPECT_EQ(logged(), "");
    EXPECT_FALSE(ReadSutrsDefinitions(path("control/none.tblx")));
}

TEST_F(ElementFile, BlockOfTheDatabaseElseDefaultReadOnce) {
    writeControl("htmldef.tblx", "\"XXDATABASESXX\",\"books\";\n\"<b>%s</b>\",\"TITLE\",TRUE,\"NULL\";\n" +
                                     kHeader + "\"<i>%s</i>\",\"TITLE\",TRUE,\"NULL\";\n");
    session_.currentDatabase = "BOOKS";
    const HtmlBlock* books = FindHtmlBlock(session_);
    ASSERT_NE(books, nullptr);
    EXPECT_EQ(books->elements[0].label, "<b>%s</b>");
    std::filesystem::remove(path("control/htmldef.tblx"));  // kept with the session once read
    session_.currentDatabase = "SERIALS";
    ASSERT_NE(FindHtmlBlock(session_), nullptr);
    EXPECT_EQ(FindHtmlBlock(session_)->elements[0].label, "<i>%s</i>");
    session_.currentDatabase.reset();
    EXPECT_EQ(FindHtmlBlock(session_)->elements[0].label, "<i>%s</i>");
    EXPECT_EQ(FindSutrsBlock(session_), nullptr);  // no sutrsdef.tblx
}

TEST_F(ElementFile, FaultsAreReportedAndYieldNothing) {
    RunSettingConfigError([&] {
        struct Case {
            const char* what;
            std::string content;
            std::string message;
        };
        const std::string errorInFile = "Error in file " + path("control/sutrsdef.tblx");
        const Case cases[] = {
            {"a header that ends the file", kHeader, errorInFile},
            {"a header right after a header", kHeader + kHeader + kElement, errorInFile},
            {"an element before the first header", kElement + kHeader + kElement, errorInFile},
            {"a header without databases", "\"XXDATABASESXX\";\n" + kElement,
             "Missing database in file sutrsdef.tblx"},
            {"a first label that is no string", kHeader + "Title,\"TITLE\",TRUE,\"NULL\";\n",
             "Missing label in file sutrsdef.tblx"},
            {"a later label that is no string", kHeader + kElement + "Title,\"TITLE\",TRUE,\"NULL\";\n",
             "Missing label"},
            {"an unquoted field", kHeader + "\"Title\",TITLE,TRUE,\"NULL\";\n",
             "Missing field in file sutrsdef.tblx"},
            {"no bool", kHeader + "\"Title\",\"TITLE\";\n", "Missing bool in file sutrsdef.tblx"},
            {"no routine", kHeader + "\"Title\",\"TITLE\",TRUE;\n", "Missing field in file sutrsdef.tblx"},
            {"a condition without its value", kHeader + "\"Title\",\"TITLE\",TRUE,\"NULL\",\"SEQ\";\n",
             "Missing value in file sutrsdef.tblx"},
            {"an empty record stops the reading", kHeader + kElement + ";\n" + kElement, errorInFile},
        };
        for (const Case& c : cases) {
            out_.str("");
            writeControl("sutrsdef.tblx", c.content);
            EXPECT_FALSE(ReadSutrsDefinitions(path("control/sutrsdef.tblx"))) << c.what;
            EXPECT_NE(logged().find(c.message + "\n"), std::string::npos) << c.what << ": " << logged();
            EXPECT_TRUE(configErrorIsSet()) << c.what;
        }
        out_.str("");
        writeControl("htmldef.tblx", "\"XXDATABASESXX\";\n\"<b>%s</b>\",\"TITLE\",TRUE,\"NULL\";\n");
        EXPECT_FALSE(ReadHtmlDefinitions(path("control/htmldef.tblx")));
        EXPECT_EQ(logged(), "Missing databases in file htmldef.tblx\n");
        // While the state is set even a sound file yields nothing.
        writeControl("sutrsdef.tblx", kHeader + kElement);
        EXPECT_FALSE(ReadSutrsDefinitions(path("control/sutrsdef.tblx")));
    });
}

}  // namespace
