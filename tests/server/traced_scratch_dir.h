#pragma once
// A scratch-directory fixture whose operations-log lines go to a trace view of the test instead of the
// console.

#include <sstream>
#include <string>

#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/trace_view.h"
#include "tests/server/scratch_dir.h"

class TracedScratchDirTest : public ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        setOperationsTraceView(&view_);
    }

    void TearDown() override {
        setOperationsTraceView(nullptr);
        ScratchDirTest::TearDown();
    }

    // The lines logged since the last call.
    std::string takeLog() {
        std::string text = view_.text();
        view_.clear();
        return text;
    }

    std::ostringstream out_;
    platform::TraceView view_{out_};
};
