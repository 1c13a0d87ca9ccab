#include "Quorvane/database/field_statement.h"

#include <gtest/gtest.h>

#include <memory>

#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/sqlite_row_function.h"
#include "tests/server/database/field_list.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/util/occurrences.h"

namespace {

constexpr const char* kUsMarc = "1.2.840.10003.5.10";
constexpr const char* kHoldingsStatement =
    "SELECT BARCODE, CALL_NUMBER, LOCATION_NAME, ON_LOAN FROM STK_ITEM_STATUS WHERE TITLE_NO = XXXXX ORDER "
    "BY ITEM_NO";

class RecordFieldFetch : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db",
                       {"CREATE TABLE TITLES (TITLE_NO INTEGER, CODE TEXT, TITLE TEXT, NOTE TEXT)",
                        "INSERT INTO TITLES VALUES (1, 'A1', 'Cats', 'first')",
                        "INSERT INTO TITLES VALUES (1, 'A1', 'Cats again', NULL)",
                        "INSERT INTO TITLES VALUES (2, 'O''B', 'Not Applicable', '')",
                        "CREATE TABLE LINES (TITLE_NO INTEGER, SEQ INTEGER, LINE TEXT)",
                        "WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < 150) "
                        "INSERT INTO LINES SELECT 1, 151 - I, 'line ' || I FROM N",
                        "INSERT INTO LINES VALUES (3, 2, NULL)", "INSERT INTO LINES VALUES (3, 1, 'only')",
                        "CREATE TABLE KINDS (TITLE_NO INTEGER, SEQ INTEGER, V, N INTEGER)",
                        "INSERT INTO KINDS VALUES (4, 6, NULL, 1), (4, 5, 1.5, 2), (4, 4, x'00FF41', 3), "
                        "(4, 3, 'a' || char(0) || 'b', 4), (4, 2, printf('%.6000c', 'x'), 5), (4, 1, '', 6), "
                        "(5, 1, 'caf\xC3\xA9', 'a text of thirty octets here.')"});
        createDatabase("library.db",
                       {"CREATE TABLE STK_ITEM_STATUS (TITLE_NO INTEGER, ITEM_NO INTEGER, BARCODE TEXT, "
                        "CALL_NUMBER TEXT, LOCATION_NAME TEXT, ON_LOAN TEXT)",
                        "INSERT INTO STK_ITEM_STATUS VALUES (1, 1, 'B1', 'CN1', '', NULL)",
                        "INSERT INTO STK_ITEM_STATUS VALUES (1, 2, 'B2', NULL, 'Main', 'N')",
                        "INSERT INTO STK_ITEM_STATUS VALUES (3, 1, 'B3', 'CN3', NULL, NULL)"});
        writeIni("[ODBC:FULL]\nVESKO=" + connectionString("catalogue.db") +
                 "\nTELVO=" + connectionString("library.db") +
                 "\n[ODBC]\nCATONLY=" + connectionString("catalogue.db") + "\n");
        holdings_.tagNo = "TAG";
        holdings_.subfield = "CODE";
        holdings_.data = "DATA";
        holdings_.sameField = "FIELD_SEQ";
        holdings_.holdings[0] = "BARCODE";
        holdings_.holdings[1] = "CALL_NUMBER";
        holdings_.holdings[2] = "LOCATION_NAME";
        holdings_.holdings[6] = "ON_LOAN";
    }

    void connect(const std::string& database) {
        session_.currentDatabase = database;
        ASSERT_TRUE(ConnectDatabase(session_));
        removeLog("diaginfo.txt");
        takeLog();
    }

    RowFetch run(const std::string& key, const char* syntax, const char* statement,
                 const HoldingsColumns* holdings) {
        return RunFieldStatement(fields_, key, syntax, session_, statement, holdings);
    }

    // The fields each key gets when the statement runs for all the keys together, next to the fields it
    // gets alone.
    struct Fetched {
        std::vector<std::vector<FieldTuple>> together;
        std::vector<std::vector<FieldTuple>> alone;
        RowFetch result;
    };
    Fetched fetchTogether(const std::vector<std::string>& keys, const char* syntax, const char* statement,
                          RequestMemory* memory = nullptr) {
        std::vector<std::unique_ptr<RecordFields>> lists;
        std::vector<RecordFieldTarget> records;
        for (const std::string& key : keys) {
            lists.push_back(std::make_unique<RecordFields>());
            records.push_back(RecordFieldTarget{key, lists.back().get(), 0});
        }
        Fetched fetched;
        fetched.result =
            RunFieldStatementForRecords(records, syntax, session_, statement, &holdings_, memory);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            fetched.together.push_back(fieldTuples(*lists[i]));
            std::size_t footprint = 0;
            for (const RecordField& field : *lists[i]) footprint += RecordFieldFootprint(field);
            EXPECT_EQ(records[i].footprint, footprint);
        }
        diagInfo_ = readFile("diaginfo.txt");
        removeLog("diaginfo.txt");
        for (const std::string& key : keys) {
            RecordFields alone;
            RunFieldStatement(alone, key, syntax, session_, statement, &holdings_);
            fetched.alone.push_back(fieldTuples(alone));
        }
        removeLog("diaginfo.txt");
        return fetched;
    }

    HoldingsColumns holdings_;
    RecordFields fields_;
    std::string diagInfo_;
};

TEST_F(RecordFieldFetch, EveryColumnOfEveryRowBecomesAField) {
    connect("FULL");
    EXPECT_EQ(
        run("1", kUsMarc, "select Title, Note from TITLES where TITLE_NO = XXXXX order by TITLE", nullptr),
        RowFetch::Done);
    EXPECT_EQ(fieldTuples(fields_), (std::vector<FieldTuple>{{"TITLE", "Cats", 1},
                                                             {"NOTE", "first", 1},
                                                             {"TITLE", "Cats again", 2},
                                                             {"NOTE", std::nullopt, 2}}));
    EXPECT_EQ(readFile("diaginfo.txt"),
              "select Title, Note from TITLES where TITLE_NO = 1 order by TITLE\n"
              "SUCCESS: ODBCPrepareStmt\n"
              "1 TITLE Cats\n1 NOTE first\n2 TITLE Cats again\n2 NOTE \n");
}

TEST_F(RecordFieldFetch, TextKeysAreQuotedSafelyAndEmptyTextsHaveNoValue) {
    connect("FULL");
    run("O'B", kUsMarc, "SELECT TITLE_NO, TITLE, NOTE FROM TITLES WHERE CODE = 'XXXXX'", nullptr);
    EXPECT_EQ(fieldTuples(fields_),
              (std::vector<FieldTuple>{
                  {"TITLE_NO", "2", 1}, {"TITLE", std::nullopt, 1}, {"NOTE", std::nullopt, 1}}));
}

TEST_F(RecordFieldFetch, HoldingsRowsBecomeHoldingsFieldsForOpacOnly) {
    connect("FULL");
    run("1", kOpacSyntax.data(), kHoldingsStatement, &holdings_);
    EXPECT_EQ(fieldTuples(fields_),
              (std::vector<FieldTuple>{
                  {"TAG", "HLD", 10000},         {"CODE", "a", 10000},          {"DATA", "B1", 10000},
                  {"FIELD_SEQ", "10000", 10000}, {"TAG", "HLD", 10001},         {"CODE", "b", 10001},
                  {"DATA", "CN1", 10001},        {"FIELD_SEQ", "10000", 10001}, {"TAG", "HLD", 10002},
                  {"CODE", "a", 10002},          {"DATA", "B2", 10002},         {"FIELD_SEQ", "10002", 10002},
                  {"TAG", "HLD", 10003},         {"CODE", "c", 10003},          {"DATA", "Main", 10003},
                  {"FIELD_SEQ", "10002", 10003}, {"TAG", "HLD", 10004},         {"CODE", "g", 10004},
                  {"DATA", "N", 10004},          {"FIELD_SEQ", "10002", 10004}}));

    fields_.clear();
    takeLog();
    run("1", kUsMarc, kHoldingsStatement, &holdings_);
    run("1", kOpacSyntax.data(), kHoldingsStatement, nullptr);
    EXPECT_TRUE(fields_.empty());
    EXPECT_EQ(takeLog(), "No holdings definition for database FULL\n");
}

TEST_F(RecordFieldFetch, HoldingsAreSkippedWithoutALibrarySource) {
    connect("CATONLY");
    EXPECT_EQ(run("1", kOpacSyntax.data(), kHoldingsStatement, &holdings_), RowFetch::Done);
    EXPECT_TRUE(fields_.empty());
    EXPECT_EQ(takeLog(), "");
}

// The fetches for many keys with the rows fetched through the driver, and with the row function registered
// (a key-list statement, and a key alone where it can be a parameter, then run inside SQLite). The
// registration lasts as long as the process: where every test runs in one process, the driver's turn may
// come after it.
class RecordFieldFetchTogether : public RecordFieldFetch, public ::testing::WithParamInterface<bool> {
  protected:
    void setUpDatabases() override {
        if (GetParam()) {
            ASSERT_TRUE(RegisterSqliteRowFunction());
        }
        RecordFieldFetch::setUpDatabases();
    }

    static bool insideSqlite() { return SqliteRowFunctionRegistered(); }
};

INSTANTIATE_TEST_SUITE_P(DriverAndInsideSqlite, RecordFieldFetchTogether, ::testing::Bool());

TEST_P(RecordFieldFetchTogether, RecordsFetchedTogetherGetTheRowsOfTheirKeyAlone) {
    connect("FULL");
    struct Case {
        const char* statement;
        const char* syntax;
        std::uint32_t statements;  // prepared for the keys 3, 2, 1, 3
        const char* shown;         // in diaginfo.txt
    };
    const Case cases[] = {
        // Key 1 has 150 rows: more than one block of rows per fetch, and it fills the list's unused
        // parameters; key 2 has none; key 3 comes twice.
        {"SELECT LINE, SEQ FROM LINES WHERE TITLE_NO = XXXXX ORDER BY SEQ", kUsMarc, 1,
         "SELECT LINE, SEQ, TITLE_NO FROM LINES WHERE TITLE_NO IN (3, 2, 1) ORDER BY SEQ"},
        {"SELECT LINE, SEQ FROM LINES WHERE TITLE_NO = XXXXX OR 1 = 0 ORDER BY SEQ", kUsMarc, 3,
         "SELECT LINE, SEQ FROM LINES WHERE TITLE_NO = 2 OR 1 = 0 ORDER BY SEQ"},
        {kHoldingsStatement, kOpacSyntax.data(), 1, "WHERE TITLE_NO IN (3, 2, 1) ORDER BY ITEM_NO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        const Fetched fetched = fetchTogether({"3", "2", "1", "3"}, c.syntax, c.statement);
        EXPECT_EQ(fetched.result, RowFetch::Done);
        EXPECT_EQ(fetched.together, fetched.alone);
        EXPECT_FALSE(fetched.together[0].empty());
        EXPECT_TRUE(fetched.together[1].empty());
        EXPECT_EQ(CountOccurrences(diagInfo_, "SUCCESS: ODBCPrepareStmt"), c.statements);
        EXPECT_NE(diagInfo_.find(c.shown), std::string::npos) << diagInfo_;
    }
    EXPECT_EQ(takeLog().find("Sarvik"), std::string::npos);
}

// Values of every kind come as the driver fetches them, texts longer than a column area cut to its size
// with a warning. A text in a column declared INTEGER is cut to an integer's area by the driver only.
TEST_P(RecordFieldFetchTogether, ValuesOfEveryKindComeAsTheDriverFetchesThem) {
    connect("FULL");
    takeLog();
    const Fetched fetched =
        fetchTogether({"4", "5"}, kUsMarc, "SELECT V, N FROM KINDS WHERE TITLE_NO = XXXXX ORDER BY SEQ");
    EXPECT_EQ(fetched.result, RowFetch::Done);
    EXPECT_EQ(fetched.together[0], fetched.alone[0]);
    EXPECT_EQ(fetched.together[0], (std::vector<FieldTuple>{{"V", std::nullopt, 1},
                                                            {"N", "6", 1},
                                                            {"V", std::string(kRecordColumnSize - 1, 'x'), 2},
                                                            {"N", "5", 2},
                                                            {"V", "a", 3},
                                                            {"N", "4", 3},
                                                            {"V", "X'00FF41'", 4},
                                                            {"N", "3", 4},
                                                            {"V", "1.5", 5},
                                                            {"N", "2", 5},
                                                            {"V", std::nullopt, 6},
                                                            {"N", "1", 6}}));
    const std::string log = takeLog();
    EXPECT_EQ(CountOccurrences(log, "Sarvik Warning: column 1 truncated to 4999 of 6000 octets\n"), 2u)
        << log;
    const std::string wholeText = "a text of thirty octets here.";
    const std::vector<FieldTuple> expected = {{"V", "caf\xC3\xA9", 1},
                                              {"N", insideSqlite() ? wholeText : wholeText.substr(0, 23), 1}};
    EXPECT_EQ(fetched.alone[1], expected);
    EXPECT_EQ(fetched.together[1], expected);
}

// A key alone: a text key bound in its quotes, a number key, and a form the row function cannot take (a
// LIMIT of the template's own), which the driver then fetches. diaginfo.txt shows each with its key.
TEST_P(RecordFieldFetchTogether, AKeyAloneGetsItsRowsWhicheverWayItRuns) {
    connect("FULL");
    struct Case {
        const char* key;
        const char* statement;
        std::vector<FieldTuple> fields;
        const char* shown;
    };
    const Case cases[] = {
        {"O'B",
         "SELECT TITLE_NO, TITLE, NOTE FROM TITLES WHERE CODE = 'XXXXX'",
         {{"TITLE_NO", "2", 1}, {"TITLE", std::nullopt, 1}, {"NOTE", std::nullopt, 1}},
         "WHERE CODE = 'O''B'"},
        {"1",
         "SELECT TITLE, NOTE FROM TITLES WHERE TITLE_NO = XXXXX ORDER BY TITLE DESC",
         {{"TITLE", "Cats again", 1}, {"NOTE", std::nullopt, 1}, {"TITLE", "Cats", 2}, {"NOTE", "first", 2}},
         "WHERE TITLE_NO = 1 ORDER BY TITLE DESC"},
        {"1",
         "SELECT LINE FROM LINES WHERE TITLE_NO = XXXXX ORDER BY SEQ LIMIT 2",
         {{"LINE", "line 150", 1}, {"LINE", "line 149", 2}},
         "WHERE TITLE_NO = 1 ORDER BY SEQ LIMIT 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        fields_.clear();
        EXPECT_EQ(run(c.key, kUsMarc, c.statement, nullptr), RowFetch::Done);
        EXPECT_EQ(fieldTuples(fields_), c.fields);
        const std::string diagInfo = readFile("diaginfo.txt");
        EXPECT_EQ(CountOccurrences(diagInfo, "SUCCESS: ODBCPrepareStmt"), 1u) << diagInfo;
        EXPECT_NE(diagInfo.find(c.shown), std::string::npos) << diagInfo;
        removeLog("diaginfo.txt");
    }
    EXPECT_EQ(takeLog().find("Sarvik"), std::string::npos);
}

TEST_P(RecordFieldFetchTogether, AMemoryRefusalStopsTheFetchAndGivesEveryOctetBack) {
    connect("FULL");
    ProcessMemoryBudget process;
    // 1000 octets take no column area; a few KiB beyond the areas' budget take them but not every row.
    // Inside SQLite no column area is taken: those few KiB take every row.
    for (std::size_t limit : {std::size_t{1000}, kRecordAreaBudget + 4096, std::size_t{0}}) {
        SCOPED_TRACE(limit);
        process.setLimit(limit);
        RowFetch result;
        {
            RequestMemory memory(0, process);
            result =
                fetchTogether({"1", "3"}, kUsMarc, "SELECT LINE FROM LINES WHERE TITLE_NO = XXXXX", &memory)
                    .result;
            EXPECT_EQ(memory.refused(), result == RowFetch::Stopped);
            EXPECT_EQ(process.reserved(), memory.held()) << "the column areas are given back";
        }
        const bool everyRow = limit == 0 || (insideSqlite() && limit > 1000);
        EXPECT_EQ(result, everyRow ? RowFetch::Done : RowFetch::Stopped);
        EXPECT_EQ(process.reserved(), 0u);
    }
}

TEST_F(RecordFieldFetch, FailuresLeaveTheFieldsEmpty) {
    EXPECT_EQ(run("1", kUsMarc, "SELECT TITLE FROM TITLES WHERE TITLE_NO = XXXXX", nullptr),
              RowFetch::Failed);
    EXPECT_EQ(takeLog(), "Sarvik Error: Cannot SQLAllocHandle with a null DBC\n");

    connect("FULL");
    EXPECT_EQ(run("1", kUsMarc, "SELECT NOSUCH FROM TITLES WHERE TITLE_NO = XXXXX", nullptr),
              RowFetch::Failed);
    EXPECT_TRUE(fields_.empty());
}

}  // namespace
