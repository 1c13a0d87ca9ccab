#pragma once
// Reading a control file record by record (table-file syntax, see toolkit/util/table_file.h): the open file,
// the outcome of reading its next record, and how a reader reports what it finds wrong. The values of the
// record just read are taken with the readers of control_values.h.

#include <memory>
#include <string>
#include <string_view>

#include "toolkit/util/table_file.h"

struct TblFileCloser {
    void operator()(TblFile* file) const { TblClose(file); }
};
using OwnedTblFile = std::unique_ptr<TblFile, TblFileCloser>;

// The file at path open for reading; null when it cannot be opened.
OwnedTblFile OpenControlFile(const std::string& path);

enum class ControlRecordRead {
    Record,  // one record's values are queued
    End,     // the end of the file, with nothing read
    Faulty,  // an empty record, an invalid value or a record the file ends inside
};

// Reads the next record of the file.
ControlRecordRead ReadControlRecord(TblFile* file);

// Logs the message and notes a configuration problem (Quorvane/config/config_problems.h); the reader goes on.
void ReportControlFileProblem(std::string_view message);
