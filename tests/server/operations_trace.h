#pragma once
// A fixture part whose operations-log lines go to a trace view of the test instead of the console, from the
// fixture's construction to its destruction.

#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/trace_view.h"

class OperationsTrace {
  protected:
    OperationsTrace() { setOperationsTraceView(&view_); }
    ~OperationsTrace() { setOperationsTraceView(nullptr); }
    OperationsTrace(const OperationsTrace&) = delete;
    OperationsTrace& operator=(const OperationsTrace&) = delete;

    // The lines logged since the last call.
    std::string takeLog() {
        std::string text = view_.text();
        view_.clear();
        return text;
    }

    // Every line written to the output so far.
    std::vector<std::string> loggedLines() const {
        std::vector<std::string> lines;
        std::istringstream in(out_.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    std::ostringstream out_;
    platform::TraceView view_{out_};
};
