#include "Quorvane/app/server_app.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "Quorvane/app/server_document.h"
#include "Quorvane/app/shell_texts.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/platform/console.h"
#include "Quorvane/platform/event_loop.h"
#include "Quorvane/platform/trace_view.h"

namespace {

// Without its configuration file the server could accept no association: it does not start.
bool configurationReadable() {
    const std::string path = MakeIniPath(kIniFileName);
    if (std::ifstream(path).is_open()) return true;
    std::cerr << "quorvane: cannot read the configuration file " << path << '\n';
    return false;
}

bool changeToWorkingDirectory() {
    const std::string dir = GetIniPath("Start", "pcWorkingDirectory");
    if (::chdir(dir.c_str()) == 0) return true;
    std::cerr << "quorvane: cannot change to the working directory " << dir << ": " << std::strerror(errno)
              << '\n';
    return false;
}

std::chrono::seconds idleTickPeriod() {
    const int seconds = GetIniInt("Start", "ulIdleTickSeconds", kDefaultIdleTickSeconds);
    return std::chrono::seconds(seconds > 0 ? seconds : kDefaultIdleTickSeconds);
}

int serve(platform::EventLoop& loop) {
    // Caught before the server announces that it listens: a stop sent on that line ends it cleanly.
    loop.catchTerminationSignals();
    platform::TraceView view(std::cout);
    ServerDocument document(loop, view);
    document.newDocument();

    std::optional<platform::Console> console;
    if (platform::consoleWanted(GetIniInt("Start", "ulWantWindow", 1))) {
        console.emplace(view, platform::ConsoleActions{
                                  [&document](unsigned port) { document.newPort(port); },
                                  [&document] { return document.connectionCount(); },
                                  [&loop] { loop.stop(); },
                              });
        console->attach(loop, STDIN_FILENO);
    }
    loop.setTick(idleTickPeriod(), [&document] { IdleTimerProc(document); });
    loop.run();

    loop.setTick(std::chrono::milliseconds(0), {});
    if (console) loop.unwatch(STDIN_FILENO);
    document.deleteContents();
    WaitForRequests();
    return 0;
}

}  // namespace

int RunServer() {
    if (!configurationReadable() || !changeToWorkingDirectory()) return 1;
    std::optional<platform::EventLoop> loop;
    try {
        loop.emplace();
    } catch (const std::system_error&) {
        std::cerr << kSocketsInitFailedText << '\n';
        return 1;
    }
    if (!StartRequestWorkers()) {
        LogMessage("Cannot start the threads that handle requests: the server stops");
        std::cerr << "Cannot start the threads that handle requests\n";
        return 1;
    }
    return serve(*loop);
}
