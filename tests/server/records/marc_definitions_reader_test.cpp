#include "Quorvane/records/marc_definitions_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/records/marc_row_definitions_reader.h"
#include "tests/server/records/marc_fixture.h"

namespace {

using MarcDefinitions = MarcTest;

std::vector<const MarcBlock*> blocksOf(const DefinitionBlocks<MarcBlock>& list) {
    std::vector<const MarcBlock*> blocks;
    for (const MarcBlock& block : *list) blocks.push_back(&block);
    return blocks;
}

TEST_F(MarcDefinitions, TagRulesRawBlocksAndLeaders) {
    writeFile(
        "marcdef.tblx",
        "/* comment */\n"
        "\"XXDATABASESXX\",\"books\",\"Serials\";\n"
        "\"XXLEADERXX\",\"LEADER_TYPE\",TRUE,\"LEADROUT1\";\n"
        "\"001\",1,\"NULL\",\"NULL\",FALSE,\"Control\",\"TITLE_NO\",TRUE,\"NULL\";\n"
        "\"100\",2,\"a\",\"IND\",true,\"XXCONCATENATEXX\",\"Lit\",FALSE,\"ROUTINE3\",\"SEQ\",\"1\",\"Role\","
        "\"author\";\n"
        "\"XXDATABASESXX\",\"RAW\";\n"
        "\"XXRAWXX\",\"MARC_RECORD\";\n");
    DefinitionBlocks<MarcBlock> list = ReadMarcDefinitions(path("marcdef.tblx"));
    ASSERT_TRUE(list);
    std::vector<const MarcBlock*> blocks = blocksOf(list);
    ASSERT_EQ(blocks.size(), 2u);

    const MarcBlock& books = *blocks[0];
    EXPECT_EQ(books.databases, (std::vector<std::string>{"BOOKS", "SERIALS"}));
    EXPECT_EQ(books.kind, MarcBlockKind::TagRules);
    ASSERT_TRUE(books.leader);
    EXPECT_EQ(books.leader->field, "LEADER_TYPE");
    EXPECT_TRUE(books.leader->fromColumn);
    EXPECT_EQ(books.leader->routine, "LEADROUT1");
    ASSERT_EQ(books.rules.size(), 2u);
    const MarcRule& control = books.rules[0];
    EXPECT_EQ(control.tag, "001");
    EXPECT_FALSE(control.subfieldCode);
    EXPECT_FALSE(control.indicator);
    EXPECT_FALSE(control.indicatorFromColumn);
    EXPECT_EQ(control.label, "Control");
    EXPECT_EQ(control.field, "TITLE_NO");
    EXPECT_TRUE(control.fieldFromColumn);
    EXPECT_TRUE(control.conditions.empty());
    const MarcRule& author = books.rules[1];
    EXPECT_EQ(author.order, 2);
    EXPECT_EQ(author.subfieldCode, "a");
    EXPECT_EQ(author.indicator, "IND");
    EXPECT_TRUE(author.indicatorFromColumn);
    EXPECT_EQ(author.label, "XXCONCATENATEXX");
    EXPECT_FALSE(author.fieldFromColumn);
    EXPECT_EQ(author.routine, "ROUTINE3");
    ASSERT_EQ(author.conditions.size(), 2u);
    EXPECT_EQ(author.conditions[1].column, "Role");
    EXPECT_EQ(author.conditions[1].value, "author");

    EXPECT_EQ(blocks[1]->kind, MarcBlockKind::Raw);
    EXPECT_EQ(blocks[1]->rawColumn, "MARC_RECORD");
    EXPECT_EQ(FindMarcBlock(list, "serials"), blocks[0]);
    EXPECT_EQ(FindMarcBlock(list, "OTHER"), nullptr);
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(MarcDefinitions, RowMappingBlocks) {
    writeFile("marcdef2.tblx",
              "\"XXDATABASESXX\",\"Default\";\n"
              "\"MARCOID\",\"1.2.840.10003.5.10\";\n"
              "\"tagno\",\" tag \";\n"
              "\"INDICE\",\"ind\",\"ROUTINE12\";\n"
              "\"INDICE1\",\"IND1\";\"INDICE2\",\"IND2\";\n"
              "\"SUBFIELD\",\"CODE\",\"ROUTINE1\";\n"
              "\"DATA\",\"data\";\n"
              "\"COMPLETE\",\"DONE\";\"CHARCONV\",\"Latin 1\";\n"
              "\"EXTRANO\",\"EXTRA_NO\";\"SAMEFIELD\",\"FIELD_SEQ\";\n"
              "\"SPILLOVER\",\"SELECT Text FROM Long WHERE No = XXXXX AND Kind = 'a b'\";\n"
              "\"BARCODE\",\"BAR CODE\";\"ONORDER\",\"ON_ORDER\";\n");
    DefinitionBlocks<MarcBlock2> list = ReadMarcDefinitions2(path("marcdef2.tblx"));
    ASSERT_TRUE(list);
    const MarcBlock2* block = FindMarcBlock2(list, "ANY");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->marcOid, "1.2.840.10003.5.10");
    EXPECT_EQ(block->tagNo, "TAG");
    EXPECT_EQ(block->indice, "IND");
    EXPECT_EQ(block->indiceRoutine, "ROUTINE12");
    EXPECT_EQ(block->subfieldRoutine, "ROUTINE1");
    EXPECT_EQ(block->data, "DATA");
    EXPECT_EQ(block->dataRoutine, "NULL");
    EXPECT_EQ(block->charConv, "LATIN 1");
    EXPECT_EQ(block->complete, "DONE");

    std::optional<SpillOverColumns> spillOver = MarcSpillOverColumns(*block);
    ASSERT_TRUE(spillOver);
    EXPECT_EQ(spillOver->extraNo, "EXTRA_NO");
    EXPECT_EQ(spillOver->data, "DATA");
    EXPECT_EQ(spillOver->statement, "SELECT Text FROM Long WHERE No = XXXXX AND Kind = 'a b'");

    HoldingsColumns holdings = MarcHoldingsColumns(*block);
    EXPECT_EQ(holdings.tagNo, "TAG");
    EXPECT_EQ(holdings.subfield, "CODE");
    EXPECT_EQ(holdings.sameField, "FIELD_SEQ");
    EXPECT_EQ(holdings.holdings[0], "BARCODE");
    EXPECT_EQ(holdings.holdings[1], "");
    EXPECT_EQ(holdings.holdings[9], "ON_ORDER");
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(MarcDefinitions, ShippedControlFiles) {
    DefinitionBlocks<MarcBlock> rules =
        ReadMarcDefinitions(std::string(QUORVANE_CONTROL_DIR) + "/marcdef.tblx");
    ASSERT_TRUE(rules);
    const MarcBlock* built = FindMarcBlock(rules, "SAMPLEMARC");
    ASSERT_NE(built, nullptr);
    EXPECT_TRUE(built->leader);
    EXPECT_GT(built->rules.size(), 20u);
    const MarcBlock* raw = FindMarcBlock(rules, "SAMPLERAW");
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->kind, MarcBlockKind::Raw);
    EXPECT_EQ(FindMarcBlock(rules, "SAMPLE"), nullptr);

    DefinitionBlocks<MarcBlock2> rows =
        ReadMarcDefinitions2(std::string(QUORVANE_CONTROL_DIR) + "/marcdef2.tblx");
    ASSERT_TRUE(rows);
    const MarcBlock2* sample = FindMarcBlock2(rows, "SAMPLE");
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->marcOid, "1.2.840.10003.5.10");
    const MarcBlock2* fallback = FindMarcBlock2(rows, "Default");
    ASSERT_NE(fallback, nullptr);
    EXPECT_NE(fallback, sample);
    EXPECT_FALSE(fallback->marcOid);
    for (const MarcBlock2* block : {sample, fallback}) {
        for (std::size_t k = 0; k < kHoldingsKeywordCount; ++k) EXPECT_TRUE(block->holdings[k]) << k;
        EXPECT_TRUE(MarcSpillOverColumns(*block));
    }
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(MarcDefinitions, PathThenBareNameElseNothing) {
    writeFile("marcdef.tblx", "\"XXDATABASESXX\",\"HERE\";\n\"XXRAWXX\",\"R\";\n");
    DefinitionBlocks<MarcBlock> list = ReadMarcDefinitions(path("elsewhere/marcdef.tblx"));
    ASSERT_TRUE(list);
    EXPECT_NE(FindMarcBlock(list, "HERE"), nullptr);
    EXPECT_FALSE(ReadMarcDefinitions(path("elsewhere/other.tblx")));
    EXPECT_FALSE(ReadMarcDefinitions2(path("marcdef2.tblx")));
}

TEST_F(MarcDefinitions, ReportedWithoutConfigurationError) {
    writeFile("marcdef.tblx",
              "\"001\",1,\"NULL\",\"NULL\",FALSE,\"C\",\"NO\",TRUE,\"NULL\";\n"
              "\"XXDATABASESXX\",\"A\";\n");
    DefinitionBlocks<MarcBlock> rules = ReadMarcDefinitions(path("marcdef.tblx"));
    ASSERT_TRUE(rules);
    EXPECT_TRUE(blocksOf(rules)[0]->rules.empty());  // the rule before the first block is left out
    EXPECT_NE(takeLog().find("Error in file marcdef.tblx"), std::string::npos);

    // Blocks without TAGNO or DATA, found when the next block opens and when the file ends.
    writeFile("marcdef2.tblx",
              "\"XXDATABASESXX\",\"A\";\"TAGNO\",\"T\";\n\"XXDATABASESXX\",\"B\";\"DATA\",\"D\";\n");
    ASSERT_TRUE(ReadMarcDefinitions2(path("marcdef2.tblx")));
    std::string log = takeLog();
    const std::size_t first = log.find("Error in file marcdef2.tblx");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(log.find("Error in file marcdef2.tblx", first + 1), std::string::npos);
    EXPECT_FALSE(configErrorIsSet());
}

// Reads the file in a child process (the configuration-error state is process-wide and stays set) and
// expects no definitions (read answers whether there were some), the state set and the message logged.
void expectConfigurationError(const std::function<bool()>& read, const std::function<std::string()>& log,
                              const std::string& message) {
    EXPECT_EXIT(
        {
            const bool clean = !configErrorIsSet();
            const bool definitions = read();
            const std::string logged = log();
            const bool ok =
                clean && !definitions && configErrorIsSet() && logged.find(message) != std::string::npos;
            if (!ok)
                std::fprintf(stderr, "clean %d, read %d, log: %s\n", clean, !!definitions, logged.c_str());
            std::exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(MarcDefinitions, ProblemsSetTheConfigurationError) {
    struct Case {
        const char* file;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"marcdef.tblx", "\"XXDATABASESXX\";\n", "Missing database in file marcdef.tblx"},
        {"marcdef.tblx", "\"XXDATABASESXX\",\"A\";\n\"XXLEADERXX\",\"L\",\"TRUE\",\"NULL\";\n",
         "Missing bool in file marcdef.tblx"},
        {"marcdef.tblx", "\"XXDATABASESXX\",\"A\";\n\"XXRAWXX\";\n",
         "Missing raw field in file marcdef.tblx"},
        {"marcdef.tblx", "\"XXDATABASESXX\",\"A\";\n\"245\",\"1\",\"a\";\n",
         "Missing order of concatenation in file marcdef.tblx"},
        {"marcdef.tblx",
         "\"XXDATABASESXX\",\"A\";\n\"245\",1,\"a\",\"10\",FALSE,\"T\",\"F\",TRUE,\"NULL\",\"C\";\n",
         "Missing value in file marcdef.tblx"},
        {"marcdef.tblx", "\"XXDATABASESXX\",\"A\";\n,;\n", "Error in file marcdef.tblx"},
        {"marcdef2.tblx", "\"XXDATABASESXX\",\"A\";\n\"MARCOID\";\n",
         "Missing MARC OID in file marcdef2.tblx"},
        {"marcdef2.tblx", "\"XXDATABASESXX\",\"A\";\n\"TAGNO\";\n", "Missing label in file marcdef2.tblx"},
        {"marcdef2.tblx", "\"XXDATABASESXX\",\"A\";\n\"TAGNO\",\"T\";\"DATA\",\"D\";\"SHELF\",\"S\";\n",
         "Unknown MARC definition in file marcdef2.tblx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        writeFile(c.file, c.text);
        const std::string file = path(c.file);
        const bool second = std::string(c.file) == "marcdef2.tblx";
        expectConfigurationError(
            [&] {
                return second ? ReadMarcDefinitions2(file).has_value()
                              : ReadMarcDefinitions(file).has_value();
            },
            [&] { return takeLog(); }, c.message);
    }
}

}  // namespace
