#pragma once
// A fixture that runs each test in a fresh directory of its own, which is also the working directory
// (where the logs go) and the program directory (where Quorvane.INI is read).

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Quorvane/log/log_files.h"
#include "Quorvane/platform/program_dir.h"

class ScratchDirTest : public testing::Test {
  protected:
    void SetUp() override {
        original_ = std::filesystem::current_path();
        std::string pattern = testing::TempDir() + "quorvane_server_XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
        std::filesystem::current_path(dir_);
        platform::setProgramDir(dir_);
    }

    void TearDown() override {
        flushLogFiles();  // lines still gathered belong to this test's directory
        platform::setProgramDir("");
        std::filesystem::current_path(original_);
        std::filesystem::remove_all(dir_);
    }

    // A path inside the scratch directory.
    std::string path(const std::string& name) const { return dir_ + name; }

    void writeFile(const std::string& name, const std::string& content) const {
        std::ofstream(path(name), std::ios::binary) << content;
    }

    // The file's content, after every log has written what it gathered.
    std::string readFile(const std::string& name) const {
        flushLogFiles();
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Removes a log file after it has written what it gathered, so that it holds only later lines.
    void removeLog(const std::string& name) const {
        flushLogFiles();
        std::filesystem::remove(path(name));
    }

    std::string dir_;

  private:
    std::filesystem::path original_;
};
