#include "Quorvane/association/address_allow_list.h"

#include <optional>
#include <string>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/platform/program_dir.h"
#include "toolkit/util/table_file.h"

namespace {

bool listed(TblFile* file, std::string_view peerAddress) {
    while (ReadControlRecord(file) == ControlRecordRead::Record) {
        while (std::optional<std::string> value = ReadControlToken(file, " ", false)) {
            if (*value == peerAddress) return true;
        }
    }
    return false;
}

}  // namespace

int AllowListCheck(std::string_view peerAddress) {
    const std::string path =
        platform::joinPath(GetIniPath("ControlFiles", "pcControlFilesDir"), kAllowListName);
    const OwnedTblFile file = OpenControlFile(path);
    if (!file) return 0;
    ConfigProblemWatch watch;
    const bool allowed = listed(file.get(), peerAddress);
    if (watch.found()) setConfigError();
    return allowed ? 0 : 1;
}
