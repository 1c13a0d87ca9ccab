#include "Quorvane/results/result_set_store.h"

#include <gtest/gtest.h>

#include <memory>

#include "Quorvane/database/fetch_rows.h"
#include "Quorvane/database/field_statement.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/results/key_fetch.h"
#include "tests/server/database/field_list.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/results/result_set_text.h"

namespace {

class ResultSetStore : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("books.db", {"CREATE TABLE TITLES (TITLE_NO INTEGER, TITLE TEXT)",
                                    "INSERT INTO TITLES VALUES (1, 'A book')",
                                    "INSERT INTO TITLES VALUES (2, 'Another book')"});
        createDatabase("maps.db", {"CREATE TABLE TITLES (TITLE_NO INTEGER, TITLE TEXT)",
                                   "INSERT INTO TITLES VALUES (1, 'A map')"});
        writeIni("[ODBC:BOOKS]\nVESKO=" + connectionString("books.db") +
                 "\n[ODBC:MAPS]\nVESKO=" + connectionString("maps.db") + "\n");
        key_ = keyDefinition("TITLE_NO", false);
    }

    KeyDefinition key_;
};

TEST_F(ResultSetStore, ANewResultSetReplacesTheOldAndItsCache) {
    session_.currentDatabase = "BOOKS";
    EXPECT_FALSE(ResultSetDatabase(session_).has_value());
    StoreResultSet(session_, resultSet("1 2 3"));
    EXPECT_EQ(session_.resultCount, 3u);
    session_.presentCache = std::make_unique<PresentCache>();
    session_.presentCache->insert(std::make_unique<PresentCacheEntry>());

    session_.currentDatabase = "MAPS";
    StoreResultSet(session_, resultSet(""));
    EXPECT_EQ(session_.resultCount, 0u);
    EXPECT_EQ(rowsOf(session_.resultSet), "");
    EXPECT_EQ(session_.presentCache, nullptr);
    EXPECT_EQ(ResultSetDatabase(session_), "MAPS");
}

// A search in one database, then a Scan (or a failed Search) in another: records are still fetched from
// the database the result set came from.
TEST_F(ResultSetStore, RecordsComeFromTheResultSetsDatabase) {
    session_.currentDatabase = "BOOKS";
    Bib1Result<ResultSet> found = RunOperandSearch(session_, key_, "SELECT TITLE_NO FROM TITLES");
    ASSERT_TRUE(found);
    StoreResultSet(session_, std::move(*found));
    ASSERT_EQ(session_.resultCount, 2u);

    session_.currentDatabase = "MAPS";
    ASSERT_TRUE(FetchRows(session_, "SELECT TITLE FROM TITLES"));

    ASSERT_TRUE(UseResultSetDatabase(session_));
    EXPECT_EQ(session_.currentDatabase, "BOOKS");
    RecordFields fields;
    EXPECT_EQ(RunFieldStatement(fields, "1", "1.2.840.10003.5.10", session_,
                                "SELECT TITLE FROM TITLES WHERE TITLE_NO = XXXXX", nullptr),
              RowFetch::Done);
    EXPECT_EQ(fieldTuples(fields), (std::vector<FieldTuple>{{"TITLE", "A book", 1}}));
}

TEST_F(ResultSetStore, WithoutAResultSetNothingChanges) {
    session_.currentDatabase = "MAPS";
    EXPECT_TRUE(UseResultSetDatabase(session_));
    EXPECT_EQ(session_.currentDatabase, "MAPS");
    EXPECT_FALSE(session_.connectionString.has_value());
}

}  // namespace
