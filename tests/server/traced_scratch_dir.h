#pragma once
// A scratch-directory fixture whose operations-log lines go to a trace view of the test instead of the
// console.

#include "tests/server/operations_trace.h"
#include "tests/server/scratch_dir.h"

class TracedScratchDirTest : public ScratchDirTest, protected OperationsTrace {};
