#include <gtest/gtest.h>

#include <string>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/records/grs1_definitions.h"
#include "tests/server/config_error_child.h"
#include "tests/server/records/text_builders_fixture.h"

namespace {

TEST(GenericDefinition, ParsesTheFields) {
    const std::optional<GenericDefinition> full =
        ParseGenericDefinition("1|3|title|SUBTREE|9|ROUTINE4|1.2.840.10003.12.1|2|1|text/html|ignored");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->parentId, "1");
    EXPECT_EQ(full->tagType, 3u);
    EXPECT_EQ(full->tagValue, "title");
    EXPECT_FALSE(full->numericTagValue);
    EXPECT_EQ(full->contentType, GenericContentType::Subtree);
    EXPECT_EQ(full->content, "9");
    EXPECT_EQ(full->routine, "ROUTINE4");
    ASSERT_TRUE(full->variant);
    EXPECT_EQ(full->variant->variantSetId, "1.2.840.10003.12.1");
    EXPECT_EQ(full->variant->variantClass, 2u);
    EXPECT_EQ(full->variant->variantType, 1u);
    EXPECT_EQ(full->variant->value, "text/html");

    const std::optional<GenericDefinition> least = ParseGenericDefinition("0|2|007|STRING|");
    ASSERT_TRUE(least);
    EXPECT_EQ(least->numericTagValue, 7u);
    EXPECT_EQ(least->content, "");
    EXPECT_EQ(least->routine, "NULL");
    EXPECT_FALSE(least->variant);
    EXPECT_EQ(ParseGenericDefinition("0|2|1|string|X")->contentType, GenericContentType::NotThere);
    EXPECT_FALSE(ParseGenericDefinition("0|2|4294967296|STRING|X")->numericTagValue);

    for (const char* faulty : {"0|2|1|STRING", "0|x|1|STRING|X", "0||1|STRING|X", "0|2|1|STRING|X|NULL|1.2.3",
                               "0|2|1|STRING|X|NULL|1.2.3|2|1", "0|2|1|STRING|X|NULL|text|2|1|v",
                               "0|2|1|STRING|X|NULL|1.2.3|two|1|v", "0|2|1|STRING|X|NULL|1.2.3|2||v"}) {
        EXPECT_FALSE(ParseGenericDefinition(faulty)) << faulty;
    }
}

class GenericFile : public TextBuilderTest {};

TEST_F(GenericFile, ReadsPairsOfRecords) {
    writeControl("genericdef.tblx",
                 "/* GRS-1 */\n\"BOOKS\",\"Serials\";\n\"0|2|1|STRING|TITLE\",\n\"0|2|2|STRING|AUTHOR\";\n"
                 "\"DEFAULT\";\n\"0|2|3|STRING|NOTE\";\n");
    session_.currentDatabase = "SERIALS";  // names are compared exactly
    const GenericBlock* block = FindGenericBlock(session_);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->databases, (std::vector<std::string>{"DEFAULT"}));
    ASSERT_EQ(block->definitions.size(), 1u);
    EXPECT_EQ(block->definitions[0].text, "0|2|3|STRING|NOTE");
    session_.currentDatabase = "BOOKS";
    block = FindGenericBlock(session_);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->databases, (std::vector<std::string>{"BOOKS", "Serials"}));
    ASSERT_EQ(block->definitions.size(), 2u);
    EXPECT_EQ(block->definitions[1].content, "AUTHOR");
    EXPECT_EQ(logged(), "");

    SessionRecord other;
    ReadGenericDefinitions(path("control/none.tblx"), other);
    EXPECT_FALSE(other.grs1Definitions);
}

TEST_F(GenericFile, FaultsAreReportedAndYieldNothing) {
    RunSettingConfigError([&] {
        struct Case {
            const char* what;
            std::string content;
            std::string message;
        };
        const std::string errorInFile = "Error in file " + path("control/genericdef.tblx");
        const Case cases[] = {
            {"no record", "/* nothing */\n", errorInFile},
            {"a database record without definitions", "\"DEFAULT\";\n\"0|2|1|STRING|TITLE\";\n\"BOOKS\";\n",
             errorInFile},
            {"no database name", "DEFAULT;\n\"0|2|1|STRING|TITLE\";\n",
             "No database entries in file genericdef.tblx"},
            {"no definition", "\"DEFAULT\";\n1;\n", "No definitions in file genericdef.tblx"},
            {"a faulty definition", "\"DEFAULT\";\n\"0|2|1|STRING|TITLE\",\"0|2|1|STRING\";\n",
             "Error in definition 0|2|1|STRING in file genericdef.tblx"},
            {"an empty record stops the reading",
             "\"DEFAULT\";\n\"0|2|1|STRING|TITLE\";\n;\n\"BOOKS\";\n\"0|2|1|STRING|X\";\n", errorInFile},
        };
        for (const Case& c : cases) {
            out_.str("");
            writeControl("genericdef.tblx", c.content);
            SessionRecord session;
            ReadGenericDefinitions(path("control/genericdef.tblx"), session);
            EXPECT_FALSE(session.grs1Definitions) << c.what;
            EXPECT_NE(logged().find(c.message + "\n"), std::string::npos) << c.what << ": " << logged();
            EXPECT_TRUE(configErrorIsSet()) << c.what;
        }
    });
}

}  // namespace
