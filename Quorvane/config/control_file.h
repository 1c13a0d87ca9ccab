#pragma once
// Reading a control file record by record (table-file syntax, see toolkit/util/table_file.h): the open file,
// the outcome of reading its next record, a look at the next value of the record, and how a reader
// reports what it finds wrong. The values of the record just read are taken with the readers of
// control_values.h. The readers of the table-file definitions read their blocks with these.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "toolkit/util/table_file.h"

// The blocks a definition reader read, in file order; absent when the file could not be opened or its
// reading was refused.
template <class Block>
using DefinitionBlocks = std::optional<std::vector<Block>>;

struct TblFileCloser {
    void operator()(TblFile* file) const { TblClose(file); }
};
using OwnedTblFile = std::unique_ptr<TblFile, TblFileCloser>;

// The file at path open for reading; null when it cannot be opened.
OwnedTblFile OpenControlFile(const std::string& path);
// The file at path; when it cannot be opened, the file of the same name in the working directory; null
// when neither opens.
OwnedTblFile OpenControlFileOrLocal(const std::string& path);

enum class ControlRecordRead {
    Record,  // one record's values are queued
    End,     // the end of the file, with nothing read
    Faulty,  // an empty record, an invalid value or a record the file ends inside
};

// Reads the next record of the file.
ControlRecordRead ReadControlRecord(TblFile* file);
// ReadControlRecord for a reader that goes on after a faulty record: the record is dropped and reported as
// "Error in file <name>" (ReportControlFileProblem).
ControlRecordRead ReadDefinitionRecord(TblFile* file, std::string_view fileName);
// Reads the file to its end with ReadDefinitionRecord, calling onRecord() for every record read.
template <class OnRecord>
void ReadEveryDefinitionRecord(TblFile* file, std::string_view fileName, OnRecord onRecord) {
    for (ControlRecordRead read = ReadDefinitionRecord(file, fileName); read != ControlRecordRead::End;
         read = ReadDefinitionRecord(file, fileName)) {
        if (read == ControlRecordRead::Record) onRecord();
    }
}

// The next value of the record read last, which stays queued: its token type (TblTokenType) and, for a
// quoted string or a word, its text. Nothing when the record has no value left.
struct ControlValue {
    std::int32_t type;
    std::string_view text;
};
std::optional<ControlValue> PeekControlValue(const TblFile* file);

// The quoted texts up to the end of the record (ReadControlToken with the message); the first is required
// when firstRequired is set.
std::vector<std::string> ReadControlTexts(TblFile* file, std::string_view message, bool firstRequired);
// ReadControlTexts, upper-cased: the database names of a block.
std::vector<std::string> ReadControlDatabaseNames(TblFile* file, std::string_view message,
                                                  bool firstRequired);

// Logs the message and notes a configuration problem (Quorvane/config/config_problems.h); the reader goes on.
void ReportControlFileProblem(std::string_view message);
// A fault that ends the reading: logs the message as a configuration error (LogConfigError, so that it
// reaches the error log too) and notes a configuration problem.
void ReportControlFileFault(std::string_view message);

// The outcome of a whole read for the readers whose problems refuse the definitions: a problem noted
// since the watch began sets the configuration-error state, and while that state is set the blocks read
// are refused.
bool DefinitionsRefused(const ConfigProblemWatch& watch);
template <class Block>
DefinitionBlocks<Block> FinishDefinitionBlocks(std::vector<Block> blocks, const ConfigProblemWatch& watch) {
    if (DefinitionsRefused(watch)) return std::nullopt;
    return blocks;
}
