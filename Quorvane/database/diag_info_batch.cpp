#include "Quorvane/database/diag_info_batch.h"

#include "Quorvane/log/log_file_append.h"
#include "Quorvane/log/operations_log.h"

void DiagInfoBatch::add(std::string_view line) {
    if (!lines_.empty()) lines_ += '\n';
    lines_ += cutLogText(line);
}

void DiagInfoBatch::flush() {
    if (lines_.empty()) return;
    appendLineToFile(kDiagInfoName, lines_);
    lines_.clear();
}
