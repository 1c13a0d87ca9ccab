// Present control files and recordformats.tblx, read at association set-up.
#include "Quorvane/present/present_definitions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/trace_view.h"
#include "Quorvane/present/record_formats.h"
#include "tests/server/traced_scratch_dir.h"

namespace {

const std::string kShippedControlDir = std::string(QUORVANE_SOURCE_DIR) + "/conf/control";

std::vector<const PresentBlock*> blocksOf(const DefinitionBlocks<PresentBlock>& list) {
    std::vector<const PresentBlock*> blocks;
    for (const PresentBlock& block : *list) blocks.push_back(&block);
    return blocks;
}

std::vector<const RecordFormat*> formatsOf(const RecordFormats& list) {
    std::vector<const RecordFormat*> formats;
    for (const RecordFormat& format : list) formats.push_back(&format);
    return formats;
}

class PresentFiles : public TracedScratchDirTest {
  protected:
    DefinitionBlocks<PresentBlock> read(const std::string& text) {
        writeFile("present.test", text);
        DefinitionBlocks<PresentBlock> list = LoadPresentFile(path("present.test"));
        EXPECT_TRUE(list);
        return list;
    }

    std::string takeLog() {
        std::string text = out_.str();
        out_.str("");
        return text;
    }
};

TEST_F(PresentFiles, BlocksHoldTheirDatabasesAndStatementsAsWritten) {
    DefinitionBlocks<PresentBlock> list = read(
        "#books\tSerials  DEFAULT#\nSELECT A FROM T WHERE K = XXXXX;\n  SELECT B\nFROM U;"
        "#MAPS#SELECT C FROM V;  \n\n");
    const std::vector<const PresentBlock*> blocks = blocksOf(list);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0]->databases, (std::vector<std::string>{"BOOKS", "SERIALS", "DEFAULT"}));
    EXPECT_EQ(blocks[0]->statements,
              (std::vector<std::string>{"\nSELECT A FROM T WHERE K = XXXXX", "\n  SELECT B\nFROM U"}));
    EXPECT_EQ(blocks[1]->databases, (std::vector<std::string>{"MAPS"}));
    EXPECT_EQ(blocks[1]->statements, (std::vector<std::string>{"SELECT C FROM V"}))
        << "white space after the last ';' is no statement";
    EXPECT_EQ(readFile(kDiagInfoName),
              "\\nSELECT A FROM T WHERE K = XXXXX\n\\n  SELECT B\\nFROM U\nSELECT C FROM V\n")
        << "one line per statement, its own line ends escaped";
}

TEST_F(PresentFiles, TextWithoutItsSemicolonIsAStatementWhenItHoldsALetterOrDigit) {
    struct Case {
        std::string text;
        std::vector<std::vector<std::string>> statements;  // per block
    };
    const std::vector<Case> cases = {
        {"#A#SELECT 1;SELECT 2", {{"SELECT 1", "SELECT 2"}}},
        {"#A#SELECT 1;  -- \n", {{"SELECT 1"}}},
        {"#A#SELECT 1;SELECT 2\n#B#SELECT 3;", {{"SELECT 1", "SELECT 2\n"}, {"SELECT 3"}}},
        {"#A#", {{}}},
        // 0xFF is a character like any other (a Windows-1252 letter), not an end of file.
        {"#A#SELECT '\xff';SELECT 4;", {{"SELECT '\xff'", "SELECT 4"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DefinitionBlocks<PresentBlock> list = read(c.text);
        std::vector<std::vector<std::string>> statements;
        for (const PresentBlock* block : blocksOf(list)) statements.push_back(block->statements);
        EXPECT_EQ(statements, c.statements);
    }
}

TEST_F(PresentFiles, StatementsOutsideABlockAndAnOpenDatabaseListAreReported) {
    ConfigProblemWatch watch;
    DefinitionBlocks<PresentBlock> list = read("SELECT X;\n#A#SELECT 1;");
    EXPECT_EQ(blocksOf(list).size(), 1u);
    EXPECT_EQ(takeLog(),
              "Statements outside a database block in file " + path("present.test") + " are ignored\n");
    EXPECT_FALSE(watch.found());

    list = read("#A#SELECT 1;#B C");
    const std::vector<const PresentBlock*> blocks = blocksOf(list);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1]->databases, (std::vector<std::string>{"B", "C"}));
    EXPECT_TRUE(blocks[1]->statements.empty());
    EXPECT_EQ(takeLog(), "Database list not closed by '#' in file " + path("present.test") + "\n");
    EXPECT_TRUE(watch.found());
}

TEST_F(PresentFiles, MissingFileYieldsNoDefinitions) {
    EXPECT_FALSE(LoadPresentFile(path("absent")));
}

TEST_F(PresentFiles, ShippedRecordFormatsNameTheirFiles) {
    ConfigProblemWatch watch;
    SessionRecord session;
    session.controlFilesDir = kShippedControlDir;
    LoadPresentDefinitions(session);
    EXPECT_FALSE(watch.found()) << takeLog();
    ASSERT_TRUE(session.recordFormats);
    EXPECT_FALSE(session.fullDefinitions);
    EXPECT_FALSE(session.briefDefinitions);
    const std::vector<const RecordFormat*> formats = formatsOf(*session.recordFormats);
    ASSERT_EQ(formats.size(), 2u);
    EXPECT_EQ(formats[0]->name, "BRIEF");
    EXPECT_EQ(formats[1]->name, "FULL");
    EXPECT_EQ(session.recordFormats->current(), formats[1]) << "the last format is selected at first";
    for (const RecordFormat* format : formats) {
        SCOPED_TRACE(format->name);
        ASSERT_TRUE(format->definitions);
        const std::vector<const PresentBlock*> blocks = blocksOf(format->definitions);
        ASSERT_EQ(blocks.size(), 2u);
        EXPECT_EQ(blocks[0]->databases, (std::vector<std::string>{"DEFAULT"}));
        EXPECT_EQ(blocks[1]->databases, (std::vector<std::string>{"SAMPLERAW"}));
        for (const PresentBlock* block : blocks) {
            for (const std::string& statement : block->statements) {
                EXPECT_NE(statement.find("XXXXX"), std::string::npos) << statement;
            }
        }
    }
}

TEST_F(PresentFiles, WithoutRecordFormatsTheFullAndBriefFilesAreRead) {
    writeFile("present.full", "#DEFAULT#SELECT F FROM T;");
    SessionRecord session;
    session.controlFilesDir = dir_;
    LoadPresentDefinitions(session);
    EXPECT_FALSE(session.recordFormats);
    ASSERT_TRUE(session.fullDefinitions);
    EXPECT_EQ(blocksOf(session.fullDefinitions)[0]->statements,
              (std::vector<std::string>{"SELECT F FROM T"}));
    EXPECT_FALSE(session.briefDefinitions) << "present.brief cannot be opened";
}

TEST_F(PresentFiles, RecordFormatFilesAreFoundAndFaultsReported) {
    writeFile("one.present", "#DEFAULT#SELECT 1;");
    writeFile("two.present", "#DEFAULT#SELECT 2;");
    writeFile(kRecordFormatsFile, "/* formats */\n\"ONE\",\"one.present\";\n\"TWO\",\"" +
                                      path("two.present") +
                                      "\";\n\"LOST\",\"lost.present\";\n\"BACK\",\"sub\\three.present\";\n");
    ConfigProblemWatch watch;
    SessionRecord session;
    session.controlFilesDir = dir_;
    LoadPresentDefinitions(session);
    const std::vector<const RecordFormat*> formats = formatsOf(*session.recordFormats);
    ASSERT_EQ(formats.size(), 4u);
    ASSERT_TRUE(formats[0]->definitions);
    ASSERT_TRUE(formats[1]->definitions) << "an absolute name is used as it stands";
    EXPECT_EQ(blocksOf(formats[1]->definitions)[0]->statements, (std::vector<std::string>{"SELECT 2"}));
    EXPECT_FALSE(formats[2]->definitions);
    EXPECT_FALSE(formats[3]->definitions);
    EXPECT_TRUE(watch.found());
    EXPECT_EQ(takeLog(),
              "Could not open file " + path("lost.present") + "\nCould not open file sub\\three.present\n")
        << "a name holding a backslash is not looked for in the control-files directory";

    writeFile(kRecordFormatsFile, "\"NAMELESS\";\n");
    ConfigProblemWatch missing;
    SessionRecord other;
    other.controlFilesDir = dir_;
    LoadPresentDefinitions(other);
    EXPECT_TRUE(missing.found());
    EXPECT_NE(takeLog().find("Missing Record Type File Name in file recordformats.tblx"), std::string::npos);
}

}  // namespace
