#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_validation_table.h"
#include "toolkit/util/err_report.h"

namespace {

using ValidationTableTest = ProcessLogFixture;

// The values the check left queued, as words and integers.
std::vector<std::string> queuedValues(TblFile* table) {
    std::vector<std::string> values;
    TblField field;
    while (TblGetField(table, &field) == 1) {
        if (field.type == TblFieldInteger) {
            values.push_back(std::to_string(field.value.integer));
        } else if (field.type == TblFieldWord || field.type == TblFieldString) {
            values.push_back(field.value.text);
            ErrFree(field.value.text);
        } else {
            values.push_back("?");
        }
    }
    return values;
}

TEST_F(ValidationTableTest, RecordsAndTheirFaults) {
    struct Case {
        std::string contents;
        int result;
        bool reported;
        std::vector<std::string> queued;
    };
    const std::vector<Case> cases = {
        {"alpha, 12, beta;", 1, false, {"alpha", "12", "beta"}},
        {"alpha;", 1, false, {"alpha"}},
        {"/* comment */ alpha , 3 ;", 1, false, {"alpha ", "3"}},
        {"", 0, false, {}},
        {";", 0, false, {}},
        {"alpha beta;", 1, false, {"alpha beta"}},  // a word runs to the separator
        {"7 8;", 0, false, {"7"}},                  // the first value followed by neither ',' nor ';'
        {"alpha, ;", 0, true, {"alpha"}},           // ',' without a value
        {"alpha,", 0, true, {"alpha"}},
        {"alpha, 1 2;", 0, true, {"alpha", "1"}},  // a later value followed by neither
        {"alpha, 1, \"x\"", 0, true, {"alpha", "1", "x"}},
    };
    for (const Case& c : cases) {
        std::ofstream("table.tbl", std::ios::binary) << c.contents;
        createLog();
        TblFile* table = TblOpen("table.tbl", TblRead);
        ASSERT_NE(table, nullptr);
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckTblRecord(table, &error), c.result) << c.contents;
        EXPECT_EQ(queuedValues(table), c.queued) << c.contents;
        ASSERT_EQ(error != nullptr, c.reported) << c.contents;
        if (error != nullptr) {
            EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
            EXPECT_EQ(error->uErrorCode.lIfOsCoError, 103);
            EXPECT_EQ(error->eAssociationState, Association_Closed);
            EXPECT_EQ(loggedDiagnostic(), "There is an error in the file");
        }
        SIFreeError(&error);
        TblClose(table);
    }
}

TEST_F(ValidationTableTest, ValuesLeftFromTheLastRecordAreDropped) {
    std::ofstream("table.tbl", std::ios::binary) << "a, b;\nc;\n";
    TblFile* table = TblOpen("table.tbl", TblRead);
    ASSERT_NE(table, nullptr);
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckTblRecord(table, &error), 1);
    EXPECT_EQ(KivCheckTblRecord(table, &error), 1);
    EXPECT_EQ(queuedValues(table), std::vector<std::string>{"c"});
    EXPECT_EQ(KivCheckTblRecord(table, &error), 0);
    EXPECT_EQ(error, nullptr);
    TblClose(table);
}

}  // namespace
