#include "toolkit/util/table_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/util/child_process.h"
#include "toolkit/util/err_report.h"

namespace {

std::string tempPath(const std::string& name) {
    return testing::TempDir() + "util_core_" + std::to_string(getpid()) + "_" + name;
}

std::string writeTemp(const std::string& name, const std::string& content) {
    std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One field as text: w[word] s[string] i[integer] r[real] *; the text is freed as a caller would.
std::string render(TblField& field) {
    std::ostringstream out;
    switch (field.type) {
        case TblFieldWord:
        case TblFieldString:
            out << (field.type == TblFieldWord ? "w[" : "s[") << field.value.text << "]";
            ErrFree(field.value.text);
            break;
        case TblFieldInteger:
            out << "i[" << field.value.integer << "]";
            break;
        case TblFieldReal:
            out << "r[" << field.value.real << "]";
            break;
        case TblFieldStar:
            out << "*";
            break;
        default:
            out << "?" << field.type;
    }
    return out.str();
}

// Reads records as the control-file readers do, stopping at the first refused record.
std::vector<std::string> readRecords(const std::string& path) {
    std::vector<std::string> records;
    TblFile* table = TblOpen(path.c_str(), TblRead);
    EXPECT_NE(table, nullptr) << path;
    if (table == nullptr) return records;
    while (TblReadRecord(table) == 1) {
        std::string record;
        TblField field{};
        while (TblGetField(table, &field) == 1) record += (record.empty() ? "" : " ") + render(field);
        records.push_back(record);
    }
    TblClose(table);
    return records;
}

std::vector<std::string> readText(const std::string& content) {
    return readRecords(writeTemp("read", content));
}

TblField wordField(const char* text) {
    return TblField{TblFieldWord, {.text = const_cast<char*>(text)}};
}
TblField stringField(const char* text) {
    return TblField{TblFieldString, {.text = const_cast<char*>(text)}};
}
TblField integerField(int32_t value) {
    return TblField{TblFieldInteger, {.integer = value}};
}
TblField realField(double value) {
    return TblField{TblFieldReal, {.real = value}};
}

void putAll(TblFile* table, std::vector<TblField> fields) {
    for (const TblField& field : fields) ASSERT_EQ(TblPutField(table, &field), 1);
}

}  // namespace

TEST(TblReadRecord, ControlFileWithCommentsAndWordTraps) {
    std::vector<std::string> expected = {
        "w[title] s[Q \"R\" S] i[42] r[-3.25] *",
        "w[author ] s[name]",  // a word keeps the blank before its comma
        "w[isbn]",             // "/*/" is a whole comment
        "w[note /*kept*/]",    // inside a word a comment is text
        "w[multi] i[1] r[2]",
    };
    EXPECT_EQ(readRecords(QUORVANE_TEST_SOURCE_DIR "/fixtures/word_traps.tblx"), expected);
}

TEST(TblReadRecord, MalformedRecordStopsTheRead) {
    EXPECT_EQ(readRecords(QUORVANE_TEST_SOURCE_DIR "/fixtures/malformed_record.tblx"), std::vector<std::string>{"w[first] i[1]"});
}

TEST(TblReadRecord, RecordGrammarAndTokens) {
    struct Case {
        std::string input;
        std::vector<std::string> records;
    };
    const Case cases[] = {
        {"a;b;", {"w[a]", "w[b]"}},
        {"x\n;", {"w[x\n]"}},
        {"\"a\nb\", \"\";", {"s[a\nb] s[]"}},
        {"*,*;", {"* *"}},
        {"a;\n;\nb;", {"w[a]"}},  // an empty record ends the read
        {";", {}},
        {"a,;", {}},
        {"a b", {}},
        {"\"x\" y;", {}},
        {"\"abc", {}},  // end of file inside quotes
        {"a;/* never closed b;", {"w[a]"}},
        {"_x;", {}},
        {"a\xff;", {"w[a\xff]"}},
        {"\"\xff\";", {"s[\xff]"}},
        {"7\xff;", {}},  // an octet 0xFF put back is data, not the end of file
        // numbers
        {"3 , -4,+5;", {"i[3] i[-4] i[5]"}},
        {"-0.5, 7., 0.25;", {"r[-0.5] r[7] r[0.25]"}},
        {"+;", {}},
        {"- 1;", {}},
        {".5;", {}},
        {"12abc;", {}},
        {"1.5e3;", {}},  // no exponents: a real followed by a word
        {"2147483647, -2147483648;", {"i[2147483647] i[-2147483648]"}},
        {"2147483648;", {}},
        {"-99999999999999999999999;", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(readText(c.input), c.records) << c.input;
}

TEST(TblReadRecord, LongValuesReadWhole) {
    std::string quoted(2047, 'q');
    std::string word = "w" + std::string(9000, 'x');
    std::string quotedMany(5000, '"');  // 2500 quotes once unquoted
    std::vector<std::string> expected = {"s[" + quoted + "] w[" + word + "]",
                                         "s[" + std::string(2500, '"') + "]"};
    EXPECT_EQ(readText("\"" + quoted + "\"," + word + ";\"" + quotedMany + "\";"), expected);
}

TEST(TblReadToken, GivesOneTokenPerCall) {
    TblFile* table = TblOpen(writeTemp("tokens", " , ;\t*_\x80 /* c */").c_str(), TblRead);
    ASSERT_NE(table, nullptr);
    const int32_t expected[] = {TblTokenSeparator, TblTokenRecordEnd, TblTokenStar,     TblTokenInvalid,
                                TblTokenInvalid,   TblTokenEndOfFile, TblTokenEndOfFile};
    for (int32_t type : expected) {
        TblToken* token = TblReadToken(table);
        EXPECT_EQ(token->type, type);
        TblFreeToken(token);
    }
    TblClose(table);
}

TEST(TblGetField, GivesEachValueOnceAndANewRecordDropsTheRest) {
    TblFile* table = TblOpen(writeTemp("fields", "a, 1, *;\nb;").c_str(), TblRead);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(TblReadRecord(table), 1);
    TblField field{};
    ASSERT_EQ(TblGetField(table, &field), 1);
    EXPECT_EQ(render(field), "w[a]");
    ASSERT_EQ(TblReadRecord(table), 1);
    ASSERT_EQ(TblGetField(table, &field), 1);
    EXPECT_EQ(render(field), "w[b]");
    EXPECT_EQ(TblGetField(table, &field), 0);
    EXPECT_EQ(TblReadRecord(table), 0);
    EXPECT_EQ(TblGetField(table, &field), 0);
    TblClose(table);
}

TEST(TblOpen, MissingFileGivesNullAndABadModeIsFatal) {
    EXPECT_EQ(TblOpen(tempPath("missing/none.tblx").c_str(), TblRead), nullptr);
    ChildResult result = runInChild([] { TblOpen(QUORVANE_TEST_SOURCE_DIR "/fixtures/word_traps.tblx", 3); });
    EXPECT_EQ(result.exitCode, 255);
    EXPECT_EQ(result.output, "\aTBL:Invalid mode\n");
}

TEST(TblWriteRecord, WritesTheFileForms) {
    std::string path = tempPath("write");
    TblFile* table = TblOpen(path.c_str(), TblWrite);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(TblWriteRecord(table), 0);  // nothing queued, nothing written

    char text[] = "x\"y";
    putAll(table, {wordField("a"), integerField(1), realField(2.5), stringField(text)});
    text[0] = 'z';  // the queued field is a copy
    EXPECT_EQ(TblWriteRecord(table), 1);

    TblField comment{TblFieldComment, {.text = const_cast<char*>("note")}};
    TblField star{TblFieldStar, {}};
    putAll(table, {comment, wordField("b"), comment, star});
    EXPECT_EQ(TblWriteRecord(table), 1);

    TblField bad{6, {}};
    EXPECT_EQ(TblPutField(table, &bad), 0);
    bad.type = -1;
    EXPECT_EQ(TblPutField(table, &bad), 0);
    putAll(table, {wordField("never written")});
    TblClose(table);

    EXPECT_EQ(fileText(path), "a,1,2.500000,\"x\"\"y\";\n/*note*/\nb,/*note*/\n*;\n");
    EXPECT_EQ(readRecords(path), (std::vector<std::string>{"w[a] i[1] r[2.5] s[x\"y]", "w[b] *"}));
}

TEST(TblWriteRecord, RecordsReadBackAndAppendAddsToTheFile) {
    std::string path = tempPath("roundtrip");
    TblFile* table = TblOpen(path.c_str(), TblWrite);
    ASSERT_NE(table, nullptr);
    putAll(table, {stringField("a, \"b\"; /*c*/\nd"), wordField("Word with blanks"),
                   integerField(-2147483647 - 1), realField(-3.14159265)});
    ASSERT_EQ(TblWriteRecord(table), 1);
    TblClose(table);

    table = TblOpen(path.c_str(), TblAppend);
    ASSERT_NE(table, nullptr);
    putAll(table, {realField(0.25)});
    ASSERT_EQ(TblWriteRecord(table), 1);
    TblClose(table);

    std::vector<std::string> expected = {
        "s[a, \"b\"; /*c*/\nd] w[Word with blanks] i[-2147483648] r[-3.14159]",
        "r[0.25]",
    };
    EXPECT_EQ(readRecords(path), expected);
}

TEST(TblWriteRecord, RefusedWriteIsReported) {
    TblFile* table = TblOpen("/dev/full", TblWrite);
    if (table == nullptr) GTEST_SKIP() << "no /dev/full";
    putAll(table, {wordField("a")});
    EXPECT_EQ(TblWriteRecord(table), 0);
    TblClose(table);
}

TEST(TblQuote, QuotesWithinTheBuffer) {
    struct Case {
        const char* text;
        int32_t size;
        const char* quoted;
    };
    const Case cases[] = {
        {"a\"b", 100, "\"a\"\"b\""}, {"", 3, "\"\""},          {"abc", 5, "\"ab\""},
        {"a\"b", 5, "\"a\""},        {"a\"b", 6, "\"a\"\"\""}, {"abc", 2, ""},
    };
    for (const Case& c : cases) {
        std::string buffer(c.size + 8, '#');
        TblQuote(c.text, buffer.data(), c.size);
        EXPECT_STREQ(buffer.c_str(), c.quoted) << c.text << " in " << c.size;
        EXPECT_EQ(buffer.substr(c.size), std::string(8, '#')) << c.text << " in " << c.size;
    }
}

TEST(TblUnquote, UndoesQuotingWithinTheBuffer) {
    struct Case {
        const char* text;
        int32_t size;
        const char* plain;
    };
    const Case cases[] = {
        {"\"a\"\"b\"", 100, "a\"b"}, {"plain \"x\"", 100, "plain \"x\""},
        {"\"ab\"cd", 100, "abcd"},   {"\"abcdef\"", 4, "abc"},
        {"plain", 3, "pl"},          {"\"\"", 10, ""},
    };
    for (const Case& c : cases) {
        std::string buffer(c.size + 8, '#');
        TblUnquote(c.text, buffer.data(), c.size);
        EXPECT_STREQ(buffer.c_str(), c.plain) << c.text << " in " << c.size;
        EXPECT_EQ(buffer.substr(c.size), std::string(8, '#')) << c.text << " in " << c.size;
    }
}
