#include "Quorvane/text/phrase_stop_words.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

class PhraseStopWordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("phrase_stop_words_" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string writeTable(const std::string& subdir, const std::string& content) {
        fs::create_directories(dir_ / subdir);
        fs::path path = dir_ / subdir / "phrasestop1.tbl";
        std::ofstream(path) << content;
        return path.string();
    }

    ControlFileFault collect() {
        return [this](const std::string& message) { faults_.push_back(message); };
    }

    fs::path dir_;
    std::vector<std::string> faults_;
};

TEST_F(PhraseStopWordsTest, ReadsEveryQuotedTextOfEveryRecord) {
    std::string path = writeTable("good", "/* articles */\n\"THE\", \"A\";\n\"LES\";\n\"AN\";\n");
    EXPECT_EQ(ReadPhraseStopWords(path, collect()), (std::vector<std::string>{"THE", "A", "LES", "AN"}));
    EXPECT_TRUE(faults_.empty());
}

TEST_F(PhraseStopWordsTest, EmptyAndBlankStopWordsAreConfigurationErrors) {
    std::string path = writeTable("blank", "\"THE\", \"\", \"  \";\n\"\t\";\n\"A\";\n");
    EXPECT_EQ(ReadPhraseStopWords(path, collect()), (std::vector<std::string>{"THE", "A"}));
    EXPECT_EQ(faults_, std::vector<std::string>(3, "Blank stopword in phrasestop1.tbl"));
}

TEST_F(PhraseStopWordsTest, ValuesOfAnotherKindAreReportedAndSkipped) {
    std::string path = writeTable("kinds", "THE, 5, 2.5, *, \"A\";\n");
    EXPECT_EQ(ReadPhraseStopWords(path, collect()), (std::vector<std::string>{"A"}));
    EXPECT_EQ(faults_, std::vector<std::string>(4, "No stopword in stopwords.tbl"));
}

TEST_F(PhraseStopWordsTest, MissingFileGivesAnEmptyListSilently) {
    EXPECT_TRUE(ReadPhraseStopWords((dir_ / "none" / "phrasestop1.tbl").string(), collect()).empty());
    EXPECT_TRUE(faults_.empty());
}

TEST(StopWordUsable, NeedsSomethingOtherThanWhiteSpace) {
    EXPECT_TRUE(IsUsableStopWord("THE"));
    EXPECT_TRUE(IsUsableStopWord(" THE "));
    EXPECT_FALSE(IsUsableStopWord(""));
    EXPECT_FALSE(IsUsableStopWord(" "));
    EXPECT_FALSE(IsUsableStopWord(" \t\r\n"));
}

// The list is process-wide: this is the only test that loads it, from two threads at once.
TEST_F(PhraseStopWordsTest, LoadReadsTheControlFilesDirectoryOnce) {
    writeTable("first", "\"THE\", \"\";\n");
    writeTable("second", "\"OTHER\";\n");
    std::string first = (dir_ / "first").string() + "/";
    const std::vector<std::string>* loaded[2] = {};
    std::thread racer([&] { loaded[1] = &LoadPhraseStopWords(first, collect()); });
    loaded[0] = &LoadPhraseStopWords(first, collect());
    racer.join();
    const std::vector<std::string>& words = *loaded[0];
    EXPECT_EQ(loaded[1], loaded[0]);
    EXPECT_EQ(words, std::vector<std::string>{"THE"});
    EXPECT_EQ(faults_.size(), 1u);
    const std::vector<std::string>& again = LoadPhraseStopWords((dir_ / "second").string() + "/", collect());
    EXPECT_EQ(&again, &words);
    EXPECT_EQ(again, std::vector<std::string>{"THE"});
    EXPECT_EQ(faults_.size(), 1u);
}

}  // namespace
