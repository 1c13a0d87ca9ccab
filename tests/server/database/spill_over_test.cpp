#include "Quorvane/database/spill_over.h"

#include <gtest/gtest.h>

#include "Quorvane/database/record_field.h"
#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

class SpillOverFetch : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db",
                       {"CREATE TABLE LONG_TEXTS (TEXT_NO INTEGER, LONG_TEXT TEXT)",
                        "INSERT INTO LONG_TEXTS VALUES (7, ' and the rest.')",
                        "INSERT INTO LONG_TEXTS VALUES (8, '" + std::string(31000, 'z') + "')"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        ASSERT_TRUE(ConnectDatabase(session_, "CAT"));
    }

    RecordField* add(const char* name, std::optional<std::string> value) {
        return &AppendRecordField(fields_, name, std::move(value), 1);
    }

    // The fields added so far, as one row.
    FieldRow row() {
        FieldRow row;
        for (RecordField& field : fields_) row.push_back(&field);
        return row;
    }

    const SpillOverColumns columns_{"EXTRA_NO", "DATA",
                                    "SELECT LONG_TEXT FROM LONG_TEXTS WHERE TEXT_NO = XXXXX"};
    RecordFields fields_;
};

TEST_F(SpillOverFetch, AppendsTheTextOnceAndMarksTheField) {
    RecordField* data = add("DATA", "The start");
    add("EXTRA_NO", "7");
    EXPECT_TRUE(ExtendFieldValue(row(), columns_, session_));
    EXPECT_EQ(data->value, "The start and the rest.");
    EXPECT_EQ(data->extended, 1);
    EXPECT_TRUE(ExtendFieldValue(row(), columns_, session_));
    EXPECT_EQ(data->value, "The start and the rest.");
}

TEST_F(SpillOverFetch, NothingWithoutANumberOrData) {
    struct Case {
        std::optional<std::string> extraNo;
        bool withData;
    };
    const Case cases[] = {{std::nullopt, true}, {"0", true}, {"   ", true}, {"x7", true}, {"7", false}};
    for (const Case& c : cases) {
        fields_.clear();
        RecordField* extraNo = add("EXTRA_NO", c.extraNo);
        RecordField* data = c.withData ? add("DATA", "kept") : nullptr;
        EXPECT_TRUE(ExtendFieldValue(row(), columns_, session_));
        EXPECT_EQ(extraNo->value, c.extraNo);
        if (data != nullptr) {
            EXPECT_EQ(data->value, "kept");
        }
    }
}

TEST_F(SpillOverFetch, ALongTextIsCutAndTheCutLogged) {
    RecordField* data = add("DATA", std::nullopt);
    add("EXTRA_NO", "8");
    takeLog();
    EXPECT_TRUE(ExtendFieldValue(row(), columns_, session_));
    EXPECT_EQ(data->value, std::string(kSpillOverSize - 1, 'z'));
    EXPECT_NE(takeLog().find("Sarvik Warning: column 1 truncated to 29999 of 31000 octets\n"),
              std::string::npos);
}

TEST_F(SpillOverFetch, AStatementThatCannotBePreparedFailsAndLeavesTheValue) {
    RecordField* data = add("DATA", "kept");
    add("EXTRA_NO", "7");
    const SpillOverColumns wrong{"EXTRA_NO", "DATA", "SELECT NOSUCH FROM LONG_TEXTS WHERE TEXT_NO = XXXXX"};
    EXPECT_EQ(ExtendFieldValue(row(), wrong, session_).condition(), kConditionTemporarySystemError);
    EXPECT_EQ(data->value, "kept");
    EXPECT_EQ(data->extended, 0);
    EXPECT_NE(takeLog().find("Sarvik Error: Failed to do SQLPrepare on STMT\n"), std::string::npos);
}

}  // namespace
