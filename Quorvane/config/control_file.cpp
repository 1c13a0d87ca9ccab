#include "Quorvane/config/control_file.h"

#include <cstdio>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"

OwnedTblFile OpenControlFile(const std::string& path) {
    return OwnedTblFile(TblOpen(path.c_str(), TblRead));
}

ControlRecordRead ReadControlRecord(TblFile* file) {
    if (TblReadRecord(file) != 0) return ControlRecordRead::Record;
    if (SlIsEmpty(file->tokens) != 0 && std::feof(file->file) != 0) return ControlRecordRead::End;
    return ControlRecordRead::Faulty;
}

void ReportControlFileProblem(std::string_view message) {
    noteConfigProblem();
    LogMessage(message);
}
