#include "Quorvane/database/diag_info_batch.h"

#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"

DiagInfoBatch::DiagInfoBatch() : enabled_(logDetailEnabled()) {}

void DiagInfoBatch::add(std::string_view line) {
    if (!enabled_) return;
    lines_ += logLineText(line);
    lines_ += '\n';
    if (lines_.size() >= LogFile::kBatchBytes) flush();
}

void DiagInfoBatch::flush() {
    if (lines_.empty()) return;
    writeLogLines(kDiagInfoName, lines_);
    lines_.clear();
}
