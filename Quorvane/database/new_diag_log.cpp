#include "Quorvane/database/new_diag_log.h"

#include "Quorvane/log/log_file_append.h"
#include "Quorvane/log/operations_log.h"

void AppendNewDiag(std::string_view text) {
    if (text.empty()) return;
    appendDetailLineToFile(kNewDiagName, cutLogText(text));
}
