// quorvane: the Z39.50 server.
//   quorvane [--config DIR]
// reads Quorvane.INI from DIR (by default the directory of the executable) and serves until the console's
// exit command, SIGTERM or SIGINT.
#include <chrono>
#include <iostream>
#include <string>
#include <string_view>

#include "Quorvane/app/server_app.h"
#include "Quorvane/database/sqlite_key_aggregate.h"
#include "Quorvane/database/sqlite_library.h"
#include "Quorvane/database/sqlite_row_function.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/log_flusher.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/profile.h"
#include "Quorvane/platform/program_dir.h"
#include "toolkit/external/kiv_carried_content_types.h"
#include "toolkit/util/err_report.h"

namespace {

int usage() {
    std::cerr << "usage: quorvane [--config DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--config" && i + 1 < argc) {
            platform::setProgramDir(argv[++i]);
        } else if (argument.rfind("--config=", 0) == 0) {
            platform::setProgramDir(std::string(argument.substr(9)));
        } else {
            return usage();
        }
    }
    // Quorvane.INI is read on every request: a change on disk is seen within a second.
    platform::setProfileRecheckInterval(std::chrono::seconds(1));
    applyLogSettings(ReadLogSettings());
    ErrSetFatalSink(LogFatalReport);
    ConfigureSqliteLibrary();
    RegisterSqliteKeyAggregate();
    RegisterSqliteRowFunction();
    KivRegisterCarriedContents();
    LogFlusher flusher;
    return RunServer();
}
