#pragma once
// The console shell: commands typed on standard input in place of the window's menu and dialogs.
//   new [port]   listen on another port (210..30000, 210 when none is given)
//   save [file]  write the kept operations trace to the file ("Quorvane.txt" when none is given)
//   status       the number of connections
//   about        the program's name and version
//   exit         end the server
// Answers are shown on the trace's output without being kept in the trace.

#include <functional>
#include <string>

#include "Quorvane/platform/event_loop.h"
#include "Quorvane/platform/trace_view.h"

namespace platform {

struct ConsoleActions {
    std::function<void(unsigned port)> newPort;  // empties the document, then listens on the port
    std::function<int()> connectionCount;
    std::function<void()> exit;
};

class Console {
  public:
    static constexpr unsigned kMinPort = 210;
    static constexpr unsigned kMaxPort = 30000;
    static constexpr unsigned kPresetPort = 210;

    Console(TraceView& view, ConsoleActions actions);

    // Runs one command line; blank lines are ignored.
    void execute(const std::string& line);

    // Takes commands from the descriptor on the loop's thread until its input ends; the console must
    // outlive the loop's watch of it.
    void attach(EventLoop& loop, int fd);

  private:
    void newPort(const std::string& argument);
    void save(const std::string& argument);

    TraceView& view_;
    ConsoleActions actions_;
};

// Whether commands are taken from standard input: the window is wanted ([Start] ulWantWindow is 1)
// and standard input is a terminal. Otherwise the server runs headless.
bool consoleWanted(int wantWindow);

}  // namespace platform
