// Every MARC and OPAC record the shipped control files build from a generated sample catalogue, read back
// by an independent ISO 2709 parser (yaz-marcdump).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/database/connection.h"
#include "Quorvane/database/field_statement.h"
#include "Quorvane/records/grs1_definitions.h"
#include "Quorvane/records/html_definitions.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_definitions_reader.h"
#include "Quorvane/records/marc_row_definitions_reader.h"
#include "Quorvane/records/record_packaging.h"
#include "Quorvane/records/sutrs_definitions.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/records/marc_fixture.h"

namespace {

constexpr int kRecords = 150;
constexpr std::string_view kUsMarcSyntax = "1.2.840.10003.5.10";
constexpr std::string_view kUkMarcSyntax = "1.2.840.10003.5.11";
const std::string kSourceDir = QUORVANE_SOURCE_DIR;
const std::string kControlDir = kSourceDir + "/conf/control";

struct PresentBlock {
    std::vector<std::string> databases;
    std::vector<std::string> statements;
};

// The blocks of a present control file: "#names#" then statements ended by ';'.
std::vector<PresentBlock> readPresentFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<PresentBlock> blocks;
    std::string rest = text.str();
    for (std::size_t open = rest.find('#'); open != std::string::npos; open = rest.find('#', open)) {
        const std::size_t close = rest.find('#', open + 1);
        const std::size_t next = rest.find('#', close + 1);
        PresentBlock block;
        std::istringstream names(rest.substr(open + 1, close - open - 1));
        for (std::string name; names >> name;) block.databases.push_back(name);
        std::string body = rest.substr(close + 1, next == std::string::npos ? next : next - close - 1);
        for (std::size_t start = 0, end = body.find(';'); end != std::string::npos;
             start = end + 1, end = body.find(';', start)) {
            block.statements.push_back(body.substr(start, end - start));
        }
        blocks.push_back(block);
        open = next;
    }
    return blocks;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class SampleCatalogue : public SqliteOdbcTest {
  protected:
    RecordPlacement placement_;  // the running size check of the Present response being built

    void setUpDatabases() override {
        const std::string command = "python3 " + kSourceDir + "/data/generate.py --records " +
                                    std::to_string(kRecords) + " --seed 5 --out " + path("sample") +
                                    " --control " + kControlDir + " > " + path("generate.txt") + " 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << readText(path("generate.txt"));
        const std::string catalogue = connectionString("sample/catalogue.db");
        const std::string library = connectionString("sample/library.db");
        writeIni(
            "[Present]\npcSourceCharacterSet=UTF-8\n[ImageFiles]\npcImageFilesLocation=%s\n"
            "[ODBC:Default]\nVESKO=" +
            catalogue + "\nTELVO=" + library + "\n[ODBC:SAMPLE]\nVESKO=" + catalogue + "\nTELVO=" + library +
            "\n[ODBC]\nSAMPLEMARC=" + catalogue + "\nSAMPLERAW=" + catalogue + "\n");
        session_.marcDefinitions = ReadMarcDefinitions(kControlDir + "/marcdef.tblx");
        session_.marcHoldingsDefinitions = ReadMarcDefinitions2(kControlDir + "/marcdef2.tblx");
        ASSERT_TRUE(session_.marcDefinitions && session_.marcHoldingsDefinitions);
        session_.cacheFormat = 1;
        session_.preferredMessageSize = 1u << 30;
        session_.maximumMessageSize = 1u << 30;
        session_.clientProtocolVersion = "111";
        blocks_ = readPresentFile(kControlDir + "/present.full");
    }

    // The fields of one record of the database, fetched with the database's block of present.full.
    PresentCacheEntry fetch(const std::string& database, int titleNo, std::string_view syntax) {
        session_.currentDatabase = database;
        EXPECT_TRUE(ConnectDatabase(session_)) << takeLog();
        const PresentBlock* chosen = nullptr;
        for (const std::string& name : {database, std::string("DEFAULT")}) {
            for (const PresentBlock& block : blocks_) {
                for (const std::string& listed : block.databases) {
                    if (chosen == nullptr && listed == name) chosen = &block;
                }
            }
        }
        PresentCacheEntry entry = entryOf({});
        const MarcBlock2* rows = FindMarcBlock2(session_.marcHoldingsDefinitions, database);
        std::optional<HoldingsColumns> holdings;
        if (rows != nullptr) holdings = MarcHoldingsColumns(*rows);
        for (const std::string& statement : chosen->statements) {
            EXPECT_EQ(RunFieldStatement(entry.fields, std::to_string(titleNo), syntax, session_, statement,
                                        holdings ? &*holdings : nullptr),
                      RowFetch::Done)
                << takeLog();
        }
        return entry;
    }

    // The octets of a retrieval record: the MARC record itself, or an OPAC record's bibliographic part.
    static std::string marcOf(const KivResponseRecord& record) {
        if (record.eDbRecordType != DRT_Retrieval) return "";
        const KivExternal& external = *record.uDbRecord.psRetrievalRecord;
        if (external.eValueType == EVT_OctetAligned) return external.uExternalValue.psOctetAligned->pcValue;
        return external.uExternalValue.psSingleASN1Type->uASN1.psOpacRecord->psBibliographicRecord
            ->uExternalValue.psOctetAligned->pcValue;
    }

    // What yaz-marcdump says of the records: its complaints, and the number of records it read.
    std::pair<std::string, int> checkedByYaz(const std::string& records) {
        writeFile("records.mrc", records);
        const std::string checked = path("checked.txt");
        std::system(("yaz-marcdump -n " + path("records.mrc") + " > " + checked + " 2>&1").c_str());
        std::system(("yaz-marcdump -i marc -o marcxml " + path("records.mrc") +
                     " 2>&1 | grep -c '<record' > " + path("count.txt"))
                        .c_str());
        return {readText(checked), std::atoi(readText(path("count.txt")).c_str())};
    }

    std::vector<PresentBlock> blocks_;
};

TEST_F(SampleCatalogue, EveryBuiltRecordIsReadByAnIndependentParser) {
    std::string records;
    int count = 0;
    for (const char* database : {"SAMPLE", "SAMPLEMARC", "SAMPLERAW", "DEFAULT"}) {
        for (int titleNo = 1; titleNo <= kRecords; ++titleNo) {
            for (std::string_view syntax : {kUsMarcSyntax, kOpacRecordSyntax}) {
                PresentCacheEntry entry = fetch(database, titleNo, syntax);
                KivResponseRecord record;
                const Bib1Outcome packaged =
                    syntax == kOpacRecordSyntax
                        ? PackageOpacRecord(record, database, entry, session_, placement_, syntax)
                        : PackageMarcRecord(record, database, entry, session_, placement_, kUkMarcSyntax);
                ASSERT_TRUE(packaged) << database << " " << titleNo;
                ASSERT_EQ(record.eDbRecordType, DRT_Retrieval) << database << " " << titleNo;
                const std::string marc = marcOf(record);
                ASSERT_NE(fieldsOf(marc).front(), "unsound record") << database << " " << titleNo;
                records += marc;
                ++count;
            }
        }
    }
    auto [complaints, read] = checkedByYaz(records);
    EXPECT_EQ(complaints, "");
    EXPECT_EQ(read, count);
}

TEST_F(SampleCatalogue, RowMappingRebuildsTheStoredRecordsWithSpillOverAndHoldings) {
    // Copies per title as the library holds them.
    const std::string query =
        "python3 -c \"import sqlite3; db = sqlite3.connect('" + path("sample/library.db") +
        "'); [print(t, n) for t, n in db.execute('SELECT TITLE_NO, COUNT(*) FROM STK_ITEM "
        "GROUP BY TITLE_NO')]\" > " +
        path("copies.txt");
    ASSERT_EQ(std::system(query.c_str()), 0);
    std::map<int, std::size_t> copies;
    std::istringstream lines(readText(path("copies.txt")));
    for (int title = 0, count = 0; lines >> title >> count;) copies[title] = static_cast<std::size_t>(count);

    int spilled = 0;
    std::size_t circulating = 0;
    for (int titleNo = 1; titleNo <= kRecords; ++titleNo) {
        PresentCacheEntry stored = fetch("SAMPLERAW", titleNo, kUsMarcSyntax);
        KivResponseRecord raw;
        ASSERT_TRUE(PackageMarcRecord(raw, "SAMPLERAW", stored, session_, placement_, kUsMarcSyntax));

        PresentCacheEntry rows = fetch("SAMPLE", titleNo, kOpacRecordSyntax);
        KivResponseRecord opac;
        ASSERT_TRUE(PackageOpacRecord(opac, "SAMPLE", rows, session_, placement_, kOpacRecordSyntax));
        ASSERT_EQ(marcOf(opac), marcOf(raw)) << titleNo;

        for (const RecordField& field : rows.fields) spilled += field.extended;
        const KivOpacRecord& record =
            *opac.uDbRecord.psRetrievalRecord->uExternalValue.psSingleASN1Type->uASN1.psOpacRecord;
        ASSERT_EQ(record.ppsHoldingsData.size(), copies[titleNo]) << titleNo;
        for (const KivHoldingsRecord& holdings : record.ppsHoldingsData) {
            EXPECT_TRUE(holdings.uMarcOrHoldAndCirc.sHoldingsAndCirc.psCallNumber);
            circulating += holdings.uMarcOrHoldAndCirc.sHoldingsAndCirc.ppsCircRecord.size();
        }
    }
    EXPECT_GT(spilled, 0);
    EXPECT_GT(circulating, 0u);
}

TEST_F(SampleCatalogue, ASpillOverStatementThatCannotBePreparedFailsItsRecordsPackaging) {
    std::string definitions = readText(kControlDir + "/marcdef2.tblx");
    const std::string statement = "SELECT LONG_TEXT FROM";
    for (std::size_t at = definitions.find(statement); at != std::string::npos;
         at = definitions.find(statement))
        definitions.replace(at, statement.size(), "SELECT NO_SUCH_COLUMN FROM");
    writeFile("marcdef2.tblx", definitions);
    session_.marcHoldingsDefinitions = ReadMarcDefinitions2(path("marcdef2.tblx"));

    int failed = 0;
    for (int titleNo = 1; titleNo <= kRecords; ++titleNo) {
        PresentCacheEntry rows = fetch("SAMPLE", titleNo, kUsMarcSyntax);
        KivResponseRecord record;
        const Bib1Outcome packaged =
            PackageMarcRecord(record, "SAMPLE", rows, session_, placement_, kUsMarcSyntax);
        EXPECT_EQ(record.eDbRecordType, DRT_Retrieval) << "the record is built without the text";
        if (packaged) continue;
        EXPECT_EQ(packaged.condition(), kConditionTemporarySystemError);
        ++failed;
    }
    EXPECT_GT(failed, 0);
    EXPECT_LT(failed, kRecords) << "records without spill-over text are untouched";
}

TEST_F(SampleCatalogue, OtherSyntaxesCarryTheirExternals) {
    session_.sutrsDefinitions = ReadSutrsDefinitions(kControlDir + "/sutrsdef.tblx");
    session_.htmlDefinitions = ReadHtmlDefinitions(kControlDir + "/htmldef.tblx");
    ReadGenericDefinitions(kControlDir + "/genericdef.tblx", session_);
    PresentCacheEntry entry = fetch("SAMPLE", 1, "1.2.840.10003.5.101");

    KivResponseRecord sutrs;
    PackageSutrsRecord(sutrs, "SAMPLE", entry, session_, placement_);
    ASSERT_EQ(sutrs.eDbRecordType, DRT_Retrieval);
    EXPECT_EQ(sutrs.psDatabaseName->pcValue, "SAMPLE");
    const KivExternal& text = *sutrs.uDbRecord.psRetrievalRecord;
    EXPECT_EQ(text.pcObjectIdentifier, "1.2.840.10003.5.101");
    ASSERT_EQ(text.eValueType, EVT_SingleASN1Type);
    ASSERT_EQ(text.uExternalValue.psSingleASN1Type->eASN1Type, AT_UnstructuredText);
    EXPECT_FALSE(text.uExternalValue.psSingleASN1Type->uASN1.psUnstructuredText->pcValue.empty());

    KivResponseRecord generic;
    PackageGenericRecord(generic, "SAMPLE", entry, session_, placement_);
    ASSERT_EQ(generic.eDbRecordType, DRT_Retrieval);
    const KivExternal& tree = *generic.uDbRecord.psRetrievalRecord;
    EXPECT_EQ(tree.pcObjectIdentifier, "1.2.840.10003.5.105");
    ASSERT_EQ(tree.uExternalValue.psSingleASN1Type->eASN1Type, AT_GenericRecord);
    EXPECT_TRUE(tree.uExternalValue.psSingleASN1Type->uASN1.psGenericRecord);

    KivResponseRecord xml;
    PackageHtmlRecord(xml, "SAMPLE", entry, session_, placement_, "1.2.840.10003.5.109.10");
    ASSERT_EQ(xml.eDbRecordType, DRT_Retrieval);
    const KivExternal& markup = *xml.uDbRecord.psRetrievalRecord;
    EXPECT_EQ(markup.pcObjectIdentifier, "1.2.840.10003.5.109.10");
    ASSERT_EQ(markup.eValueType, EVT_OctetAligned);
    EXPECT_NE(markup.uExternalValue.psOctetAligned->pcValue.find('<'), std::string::npos);

    EXPECT_GT(placement_.octetsPlaced, 0u);
}

}  // namespace
