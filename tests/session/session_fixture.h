#pragma once
// Tests over the process-wide association and trace registries: each test runs in a fresh current directory
// (where the process error log can be switched on), registers its associations through the fixture, and
// leaves the registries as it found them. Trace files are real files of that directory.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "tests/util/process_log_fixture.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/trace_parameter.h"

// The rule a trace file draws above and below each PDU.
inline const std::string kRule = "----------------------------------------\n";

class SessionFixture : public ProcessLogFixture {
  protected:
    void TearDown() override {
        for (KivAssocId id : registered_) siForgetAssociation(id);
        for (FILE* file : files_) std::fclose(file);
        ProcessLogFixture::TearDown();
    }

    // Registers an association in the given state; forgotten again (with its trace) after the test.
    void registerAssociation(KivAssocId id, int state = 2, int role = kSIRoleTarget,
                             int stackFlag = kSIStackTcp) {
        SIAssociation record;
        record.lAssocId = id;
        record.role = role;
        record.stackFlag = stackFlag;
        record.machine.state = state;
        ASSERT_TRUE(siAddAssociation(record));
        registered_.push_back(id);
    }

    // A trace file of the test directory, open for writing; closed after the test.
    FILE* openFile(const std::string& name) {
        FILE* file = std::fopen(name.c_str(), "w");
        EXPECT_NE(file, nullptr);
        files_.push_back(file);
        return file;
    }

    // Opens a trace file and traces the association into it at the level.
    FILE* trace(KivAssocId id, SITraceLevel level, const std::string& name = "trace.txt") {
        FILE* file = openFile(name);
        SIError* error = nullptr;
        EXPECT_EQ(SISetTraceParameter(id, file, level, &error), SI_OK);
        EXPECT_EQ(error, nullptr);
        return file;
    }

    static std::string fileText(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // The file's text after its banner, the part that the lines of the calls wrote.
    static std::string linesAfterBanner(const std::string& name) {
        static constexpr std::string_view kBanner = "\nBeginning Trace at Level: ";
        const std::string text = fileText(name);
        size_t at = text.find(kBanner);
        if (at == std::string::npos) return "<no banner>";
        at += kBanner.size();
        for (std::string_view level : {"Trace_Low\n", "Trace_High\n"}) {
            if (std::string_view(text).substr(at).starts_with(level)) {
                at += level.size();
                break;
            }
        }
        return text.substr(at);
    }

    // The text with each time stamp of the banner and the closing lines replaced by "<time>".
    static std::string masked(const std::string& text) {
        std::string result;
        for (size_t at = 0; at < text.size();) {
            if (isTimeStamp(std::string_view(text).substr(at))) {
                result += "<time>";
                at += kTimeStampShape.size();
            } else {
                result += text[at++];
            }
        }
        return result;
    }

  private:
    // A stamp "hh:mm:ss \tdd/mm/yyyy \n \n": each '0' of the shape stands for a digit.
    static constexpr std::string_view kTimeStampShape = "00:00:00 \t00/00/0000 \n \n";

    static bool isTimeStamp(std::string_view text) {
        if (text.size() < kTimeStampShape.size()) return false;
        for (size_t i = 0; i < kTimeStampShape.size(); ++i) {
            const bool matches =
                kTimeStampShape[i] == '0' ? text[i] >= '0' && text[i] <= '9' : text[i] == kTimeStampShape[i];
            if (!matches) return false;
        }
        return true;
    }

    std::vector<KivAssocId> registered_;
    std::vector<FILE*> files_;
};
