#include "toolkit/util/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kCatalogue = QUORVANE_TEST_SOURCE_DIR "/fixtures/str_files/catalogue.txt";

class TextFile : public testing::Test {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("text_file_" + std::string(test->name()) + "_" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& contents) const {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }
    std::string read(const std::string& path) const {
        std::ifstream stream(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
};

TEST_F(TextFile, ReadFileStoresNulOctetsAsBlanks) {
    std::string out;
    EXPECT_EQ(StrReadFile(QUORVANE_TEST_SOURCE_DIR "/fixtures/str_files/nul_octets.txt", out), 1);
    EXPECT_EQ(out, "ab cd\nline two\n");
}

TEST_F(TextFile, ReadFileOfMissingFileReportsAndGivesBlank) {
    const std::string missing = (dir_ / "missing.txt").string();
    std::string out = "old";
    testing::internal::CaptureStdout();
    EXPECT_EQ(StrReadFile(missing, out), 0);
    const std::string reported = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, " ");
    EXPECT_NE(reported.find("STR37:Failed to open file " + missing), std::string::npos) << reported;
}

TEST_F(TextFile, AppendToFileAndAppendLineFromFile) {
    const std::string path = (dir_ / "log.txt").string();
    EXPECT_EQ(StrAppendToFile(path, "one\n"), 1);
    EXPECT_EQ(StrAppendToFile(path, "two"), 1);
    EXPECT_EQ(read(path), "one\ntwo");

    std::FILE* file = std::fopen(path.c_str(), "r");
    ASSERT_NE(file, nullptr);
    std::string text = ">";
    EXPECT_EQ(StrAppendLineFromFile(file, text), '\n');
    EXPECT_EQ(text, ">one");
    EXPECT_EQ(StrAppendLineFromFile(file, text), EOF);
    EXPECT_EQ(text, ">onetwo");
    EXPECT_EQ(StrAppendLineFromFile(file, text), EOF);
    EXPECT_EQ(text, ">onetwo");
    std::fclose(file);

    testing::internal::CaptureStdout();
    EXPECT_EQ(StrAppendToFile((dir_ / "no_dir" / "x.txt").string(), "kept"), 0);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("STR56:Failed to open file"), std::string::npos);
}

TEST_F(TextFile, FindInFile) {
    const struct {
        const char* pattern;
        std::optional<std::string> expected;
    } cases[] = {
        {"Author: *", "Author: Tolkien, J. R. R."},
        {"Year: *7", "Year: 1937"},
        {"Hobbit", "Hobbit"},
        {"Title: *Tolkien", std::nullopt},  // a star stops at the line feed
    };
    for (const auto& c : cases) {
        const auto found = StrFindInFile(kCatalogue, c.pattern);
        ASSERT_EQ(found.has_value(), c.expected.has_value()) << c.pattern;
        if (found) {
            EXPECT_EQ(*found, *c.expected) << c.pattern;
        }
    }
}

TEST_F(TextFile, FindInFileOfMissingFileIsAFailureToTest) {
    EXPECT_EQ(StrFindInFile((dir_ / "missing.txt").string(), "x"), std::nullopt);
}

TEST_F(TextFile, FindInFileReadsOnlyTheFirstPartOfTheFile) {
    const std::string within = write("within.txt", std::string(kStrFindInFileLimit - 6, 'x') + "NEEDLE");
    EXPECT_EQ(StrFindInFile(within, "NEE*"), "NEEDLE");
    const std::string beyond = write("beyond.txt", std::string(kStrFindInFileLimit - 3, 'x') + "NEEDLE");
    EXPECT_EQ(StrFindInFile(beyond, "NEE"), "NEE");
    EXPECT_EQ(StrFindInFile(beyond, "NEED"), std::nullopt);
}

TEST_F(TextFile, RemoveFileIfBlank) {
    const std::string blank = write("blank.txt", "\n \n\t\n");
    EXPECT_EQ(StrRemoveFileIfBlank(blank), 1);
    EXPECT_FALSE(fs::exists(blank));

    const std::string letter = write("letter.txt", "\n a\n");
    EXPECT_EQ(StrRemoveFileIfBlank(letter), 0);
    EXPECT_TRUE(fs::exists(letter));

    EXPECT_EQ(StrRemoveFileIfBlank((dir_ / "missing.txt").string()), 0);
}

TEST_F(TextFile, RemoveFileIfBlankReportsAFailedDeletion) {
    // A directory with an entry opens for reading, holds no octets, and cannot be deleted.
    const fs::path busy = dir_ / "busy";
    fs::create_directories(busy / "inner");
    testing::internal::CaptureStdout();
    EXPECT_EQ(StrRemoveFileIfBlank(busy.string()), -1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("STR54:Could not remove file " + busy.string()),
              std::string::npos);
    EXPECT_TRUE(fs::exists(busy));
}

}  // namespace
