#include "Quorvane/present/present_definitions.h"

#include <algorithm>
#include <cctype>

#include "Quorvane/association/session_record.h"
#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "toolkit/util/str_case.h"

namespace {

bool holdsLetterOrDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

class PresentFileReader {
  public:
    PresentFileReader(std::FILE* file, std::string_view fileName) : file_(file), fileName_(fileName) {}

    std::vector<PresentBlock> read() {
        for (int c = std::getc(file_); c != EOF; c = std::getc(file_)) {
            if (c == '#') {
                openBlock();
            } else if (c == ';') {
                addStatement();
            } else {
                text_.push_back(static_cast<char>(c));
            }
        }
        if (holdsLetterOrDigit(text_)) addStatement();
        return std::move(blocks_);
    }

  private:
    // The text before a '#' ends the block it belongs to.
    void openBlock() {
        if (holdsLetterOrDigit(text_)) addStatement();
        text_.clear();
        PresentDatabaseList list = ReadDatabaseList(file_);
        blocks_.push_back(PresentBlock{std::move(list.names), {}});
        if (!list.closed) {
            LogAndDiagnose("Database list not closed by '#' in file " + fileName_);
            noteConfigProblem();
        }
    }

    void addStatement() {
        if (blocks_.empty()) {
            if (holdsLetterOrDigit(text_)) {
                LogAndDiagnose("Statements outside a database block in file " + fileName_ + " are ignored");
            }
        } else {
            AppendDetailDiagInfo(text_);
            blocks_.back().statements.push_back(std::move(text_));
        }
        text_.clear();
    }

    std::FILE* file_;
    std::string fileName_;
    std::vector<PresentBlock> blocks_;  // the last is the block being read
    std::string text_;                  // the statement being gathered
};

}  // namespace

PresentDatabaseList ReadDatabaseList(std::FILE* file) {
    PresentDatabaseList list;
    std::string name;
    const auto endName = [&] {
        if (name.empty()) return;
        StrUpper(name);
        list.names.push_back(std::move(name));
        name.clear();
    };
    for (int c = std::getc(file); c != EOF; c = std::getc(file)) {
        if (c == '#') {
            list.closed = true;
            break;
        }
        if (std::isspace(c) != 0) {
            endName();
        } else {
            name.push_back(static_cast<char>(c));
        }
    }
    endName();
    return list;
}

std::vector<PresentBlock> ReadPresentFile(std::FILE* file, std::string_view fileName) {
    return PresentFileReader(file, fileName).read();
}

DefinitionBlocks<PresentBlock> LoadPresentFile(const std::string& path) {
    OwnedFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    return ReadPresentFile(file.get(), path);
}
