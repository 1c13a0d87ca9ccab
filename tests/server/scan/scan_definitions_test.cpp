#include "Quorvane/scan/scan_definitions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/scan/scan_definitions_reader.h"
#include "tests/server/traced_scratch_dir.h"

namespace {

const std::string kSourceDir = QUORVANE_SOURCE_DIR;

using Definitions = DefinitionBlocks<ScanDefinition>;

class ScanDefinitionsTest : public TracedScratchDirTest {
  protected:
    void SetUp() override {
        TracedScratchDirTest::SetUp();
        std::filesystem::create_directory(path("control"));
    }

    // Reads the text as control/scan.tblx; problems tells whether a configuration problem was noted.
    Definitions load(const std::string& text, bool& problems) {
        writeFile("control/scan.tblx", text);
        ConfigProblemWatch watch;
        Definitions definitions = LoadScanDefinitions(path("control"));
        problems = watch.found();
        return definitions;
    }

    std::string log() const { return out_.str(); }
};

TEST_F(ScanDefinitionsTest, ShippedFileGivesOneDefaultBlockWithAMappingPerUse) {
    ConfigProblemWatch watch;
    Definitions definitions = LoadScanDefinitions(kSourceDir + "/conf/control");
    ASSERT_TRUE(definitions);
    EXPECT_FALSE(watch.found()) << log();
    ASSERT_EQ(definitions->size(), 1u);
    const ScanDefinition& block = (*definitions)[0];
    EXPECT_EQ(block.databaseNames, std::vector<std::string>{"DEFAULT"});
    EXPECT_EQ(block.attributeSetIds, std::vector<std::string>{"1.2.840.10003.3.1"});
    const ScanMapping* title = FindScanMapping(block, 4);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->termColumn, 1);
    EXPECT_EQ(title->hitsColumn, 2);
    EXPECT_EQ(title->returnTermColumn, 3);
    EXPECT_NE(title->statement.find("'XXTERM1XX'"), std::string::npos);
    for (int use : {1, 21, 1003, 1004, 5, 1018}) EXPECT_NE(FindScanMapping(block, use), nullptr) << use;
    EXPECT_EQ(FindScanMapping(block, 7), nullptr);
}

TEST_F(ScanDefinitionsTest, BlocksAreChosenByExactNameElseDefault) {
    bool problems = false;
    Definitions definitions = load(
        "\"XXDATABASESXX\",\"Default\";\"MARKER\",\"1.2.840.10003.3.1\";\n"
        "4,\"SELECT T FROM D\",1,2,3;\n"
        "/* a word, a real and '*' open no record of their own */\n"
        "NOTE,\"ignored\";1.5,\"ignored\";*,\"ignored\";\n"
        "\"XXDATABASESXX\",\"cat1\",\"CAT2\";\"MARKER\",\"1.2.840.10003.3.1\",\"1.2.840.10003.3.5\";\n"
        "4,\"SELECT T FROM C\",3,2,1;\n21,\"SELECT S FROM C\",1,2,3;\n",
        problems);
    ASSERT_TRUE(definitions);
    EXPECT_FALSE(problems) << log();
    ASSERT_EQ(definitions->size(), 2u);
    const ScanDefinition& fallback = (*definitions)[0];
    const ScanDefinition& catalogues = (*definitions)[1];
    EXPECT_EQ(catalogues.databaseNames, (std::vector<std::string>{"CAT1", "CAT2"}));
    EXPECT_EQ(fallback.mappings.size(), 1u);
    ASSERT_EQ(catalogues.mappings.size(), 2u);
    EXPECT_EQ(catalogues.mappings[0].termColumn, 3);
    EXPECT_EQ(catalogues.mappings[0].returnTermColumn, 1);

    EXPECT_EQ(FindScanDefinition(definitions, "CAT1"), &catalogues);
    EXPECT_EQ(FindScanDefinition(definitions, "CAT2"), &catalogues);
    EXPECT_EQ(FindScanDefinition(definitions, "cat1"), &fallback) << "names are compared as sent";
    EXPECT_EQ(FindScanDefinition(definitions, "OTHER"), &fallback);
    EXPECT_TRUE(ScanDefinitionHoldsAttributeSet(catalogues, "1.2.840.10003.3.5"));
    EXPECT_FALSE(ScanDefinitionHoldsAttributeSet(fallback, "1.2.840.10003.3.5"));
    EXPECT_EQ(FindScanMapping(catalogues, 21)->statement, "SELECT S FROM C");
}

TEST_F(ScanDefinitionsTest, WithoutADefaultBlockOtherNamesFindNothing) {
    bool problems = false;
    Definitions definitions = load("\"XXDATABASESXX\",\"CAT\";\"M\",\"1.2.840.10003.3.1\";\n", problems);
    ASSERT_TRUE(definitions);
    EXPECT_EQ(FindScanDefinition(definitions, "OTHER"), nullptr);
    EXPECT_EQ(FindScanDefinition(std::nullopt, "CAT"), nullptr);
}

struct FaultCase {
    std::string text;
    std::string message;
};

TEST_F(ScanDefinitionsTest, FaultsThatEndTheReadingLeaveNoDefinitions) {
    for (const FaultCase& c : {
             FaultCase{"\"XXDATABASESXX\";\"M\",\"1.2.840.10003.3.1\";\n",
                       "Missing database in file scandef.tblx"},
             FaultCase{"\"XXDATABASESXX\",\"CAT\";\n", "Missing attribute oids in file scandef.tblx"},
             FaultCase{"\"XXDATABASESXX\",\"CAT\";\"M\";\n", "Missing attribute OIDs in file scandef.tblx"},
             FaultCase{"\"DATABASES\",\"CAT\";\n", "Error in database field in file scandef.tblx"},
             FaultCase{"\"XXDATABASESXX\",\"CAT\";\"M\",\"1.2.840.10003.3.1\";\n4,\"S\" 1;\n",
                       "Malformed record in file scan.tblx"},
         }) {
        SCOPED_TRACE(c.text);
        out_.str("");
        bool problems = false;
        EXPECT_FALSE(load(c.text, problems));
        EXPECT_TRUE(problems);
        EXPECT_NE(log().find(c.message), std::string::npos) << log();
    }
}

TEST_F(ScanDefinitionsTest, MappingFaultsAreReportedAndReadingGoesOn) {
    bool problems = false;
    Definitions definitions = load(
        "4,\"SELECT EARLY\",1,2,3;\n"
        "\"XXDATABASESXX\",\"CAT\";\"M\",\"1.2.840.10003.3.1\";\n"
        "4,\"SELECT T\",1;\n"
        "5,6,1,2,3;\n"
        "21,\"SELECT S\",1,2,3;\n",
        problems);
    ASSERT_TRUE(definitions);
    EXPECT_TRUE(problems);
    for (const char* message :
         {"Scan mapping before any XXDATABASESXX block in file scan.tblx",
          "Missing hits column number in file scan.tblx",
          "Missing return term column number in file scan.tblx", "Missing database in file scandef.tblx"}) {
        EXPECT_NE(log().find(message), std::string::npos) << message;
    }
    const ScanDefinition& block = (*definitions)[0];
    ASSERT_EQ(block.mappings.size(), 3u);
    EXPECT_EQ(block.mappings[0].statement, "SELECT T");
    EXPECT_EQ(block.mappings[2].statement, "SELECT S");
    EXPECT_EQ(block.mappings[2].hitsColumn, 2);
}

TEST_F(ScanDefinitionsTest, TheWorkingDirectoryStandsInForAMissingControlFile) {
    writeFile("scan.tblx", "\"XXDATABASESXX\",\"HERE\";\"M\",\"1.2.840.10003.3.1\";\n");
    for (const std::string& directory : {path("control"), std::string()}) {
        Definitions definitions = LoadScanDefinitions(directory);
        ASSERT_TRUE(definitions);
        EXPECT_EQ((*definitions)[0].databaseNames, std::vector<std::string>{"HERE"});
    }
    std::filesystem::remove(path("scan.tblx"));
    ConfigProblemWatch watch;
    EXPECT_FALSE(LoadScanDefinitions(path("control")));
    EXPECT_FALSE(watch.found());
    EXPECT_EQ(log(), "") << "no scan file at all is no error";
}

}  // namespace
