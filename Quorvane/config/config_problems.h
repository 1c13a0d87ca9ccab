#pragma once
// Configuration problems met on the calling thread. The configuration and control-file readers note each
// missing or mistyped value here and go on; the code that called them decides what it means: set-up code
// sets the server-wide configuration-error state (config_error_state.h), a request fails on its own.

#include <cstdint>

// Counts one problem on the calling thread.
void noteConfigProblem();

// Watches the calling thread for problems from its construction on:
//     ConfigProblemWatch watch;
//     ... readers ...
//     if (watch.found()) setConfigError();  // set-up time; a request would fail instead
class ConfigProblemWatch {
  public:
    ConfigProblemWatch();
    // True when a problem was noted on this thread since construction; ask on the same thread.
    bool found() const;

  private:
    std::uint64_t start_;
};
