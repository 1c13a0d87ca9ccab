#include "Quorvane/config/control_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/scratch_dir.h"

namespace {

class ControlValues : public ScratchDirTest {
  protected:
    void TearDown() override {
        if (table_ != nullptr) TblClose(table_);
        ScratchDirTest::TearDown();
    }

    // Opens a control file holding the text and reads its first record.
    TblFile* firstRecord(const std::string& content) {
        if (table_ != nullptr) TblClose(table_);
        writeFile("control.tblx", content);
        table_ = TblOpen(path("control.tblx").c_str(), TblRead);
        EXPECT_NE(table_, nullptr);
        EXPECT_EQ(TblReadRecord(table_), 1);
        return table_;
    }

  private:
    TblFile* table_ = nullptr;
};

TEST_F(ControlValues, ValuesAreAnsweredAndCopiedToInputDiag) {
    writeFile(kInputDiagName, "earlier\n");
    TblFile* file = firstRecord("\"Title\", TITLE, 42, \"\", -7;");
    ConfigProblemWatch watch;
    EXPECT_EQ(ReadControlToken(file, "Missing index name in file search.tblx", true), "Title");
    EXPECT_EQ(ReadControlWord(file, "Missing column in file search.tblx", true), "TITLE");
    EXPECT_EQ(ReadControlInteger(file, "Missing number in file search.tblx", true), 42);
    EXPECT_EQ(ReadControlToken(file, "m", false), "");
    EXPECT_EQ(ReadControlInteger(file, "m", false), -7);
    EXPECT_EQ(readFile(kInputDiagName), "earlier\nTitle\nTITLE\n42\n\n-7\n");
    EXPECT_FALSE(watch.found());
    EXPECT_FALSE(std::filesystem::exists(path(kErrorLogName)));
}

enum class Reader { Token, Word, Integer };

struct FailureCase {
    const char* what;
    const char* record;  // nullptr: no value left in the record
    Reader reader;
    bool required;
    bool reported;  // false: a missing optional value, answered as nothing
};

TEST_F(ControlValues, MissingAndMistypedValuesTable) {
    const FailureCase cases[] = {
        {"word where a string is expected", "Title;", Reader::Token, true, true},
        {"integer where a string is expected, optional", "12;", Reader::Token, false, true},
        {"star where a string is expected", "*;", Reader::Token, true, true},
        {"real where a string is expected", "1.5;", Reader::Token, true, true},
        {"string where a word is expected", "\"Title\";", Reader::Word, true, true},
        {"string where an integer is expected", "\"12\";", Reader::Integer, true, true},
        {"word where an integer is expected, optional", "twelve;", Reader::Integer, false, true},
        {"required string past the end", nullptr, Reader::Token, true, true},
        {"required word past the end", nullptr, Reader::Word, true, true},
        {"required integer past the end", nullptr, Reader::Integer, true, true},
        {"optional string past the end", nullptr, Reader::Token, false, false},
        {"optional word past the end", nullptr, Reader::Word, false, false},
        {"optional integer past the end", nullptr, Reader::Integer, false, false},
    };
    std::string message = "Missing 100% of %s in file search.tblx";
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        removeLog(kErrorLogName);
        removeLog(kInputDiagName);
        TblFile* file = firstRecord(c.record != nullptr ? c.record : "\"taken\";");
        if (c.record == nullptr) TblClearRecord(file);

        ConfigProblemWatch watch;
        switch (c.reader) {
            case Reader::Token:
                EXPECT_EQ(ReadControlToken(file, message, c.required),
                          c.reported ? std::optional<std::string>(" ") : std::nullopt);
                break;
            case Reader::Word:
                EXPECT_EQ(ReadControlWord(file, message, c.required),
                          c.reported ? std::optional<std::string>(" ") : std::nullopt);
                break;
            case Reader::Integer:
                EXPECT_EQ(ReadControlInteger(file, message, c.required), 0);
                break;
        }
        EXPECT_EQ(watch.found(), c.reported);
        std::string log = readFile(kErrorLogName);
        EXPECT_EQ(log.find("\t" + message + "\n") != std::string::npos, c.reported) << log;
        EXPECT_FALSE(std::filesystem::exists(path(kInputDiagName)));
    }
    // Only the caller decides whether a problem stops the server.
    EXPECT_FALSE(configErrorIsSet());
}

TEST_F(ControlValues, ReadingGoesOnAfterAMistypedValue) {
    TblFile* file = firstRecord("word, \"next\", 3;");
    EXPECT_EQ(ReadControlToken(file, "Wrong table field in file search.tblx", true), " ");
    EXPECT_EQ(ReadControlToken(file, "m", true), "next");
    EXPECT_EQ(ReadControlInteger(file, "m", true), 3);
    EXPECT_EQ(ReadControlToken(file, "m", false), std::nullopt);
    EXPECT_EQ(readFile(kInputDiagName), "next\n3\n");
}

}  // namespace
