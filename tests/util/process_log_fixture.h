#pragma once
// Runs a test in a fresh current directory, where the process error log "./KIV_API_logfile" can be
// switched on by creating it and read back afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ProcessLogFixture : public testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        directory_ = std::filesystem::path(testing::TempDir()) /
                     ("process_log_" + std::to_string(getpid()) + "_" +
                      testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory_);
        std::filesystem::create_directories(directory_);
        std::filesystem::current_path(directory_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }

    // Creates the log file with the given contents, which switches the log on.
    static void createLog(const std::string& contents = "") {
        std::ofstream("KIV_API_logfile", std::ios::binary) << contents;
    }
    static bool logExists() { return std::filesystem::exists("KIV_API_logfile"); }
    static std::string logText() {
        std::ifstream in("KIV_API_logfile", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The diagnostic text of the one class 0-2 record in the log: what follows its code line, up to the
    // association-state line.
    static std::string loggedDiagnostic() {
        std::string text = logText();
        size_t code = text.find("\tuErrorCode.lIfOsCoError == ");
        size_t state = text.rfind("eAssociationState == ");
        if (code == std::string::npos || state == std::string::npos) return "<no record>";
        size_t start = text.find('\n', code) + 1;
        return state > start ? text.substr(start, state - start - 1) : std::string();
    }
    static std::string expectedHeader() {
        return "Brellin Pontrel for Windows LogFile ProcessId: " + std::to_string(getpid()) +
               " produced the following error\n";
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path directory_;
};
