#pragma once
// The protocol trace file of an association, switched on by [Tracing] trace. Each traced association gets
// the next number of the counter kept in "Count.txt" in the working directory, and its file is named by the
// [Tracing] tracefile pattern with that number in place of its one %d.

#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "toolkit/api/kiv_owning.h"

inline constexpr const char* kTraceCounterName = "Count.txt";

// When [Tracing] trace is not 0: opens the association's trace file (emptied) into the record and has the
// toolkit trace the association into it at Trace_High. A pattern without exactly one %d directive is
// logged and leaves the association untraced; a file that cannot be created leaves it untraced silently.
// Answers 0.
int SetUpTracing(KivAssocId assocId, SessionRecord& record);

// The pattern with its one directive replaced by the counter: "%d", optionally with a '0' flag and a width
// of at most two digits ("%04d"); "%%" stands for '%'. Nothing when the pattern holds no such directive,
// more than one, or any other '%' sequence.
std::optional<std::string> FormatTraceFileName(std::string_view pattern, int counter);

// The next trace counter: the first decimal number of "Count.txt" plus 1, or 1 when the file cannot be
// read, holds no number or holds the largest int. The new value is written back ("%d", no line end); a
// counter that cannot be written back is still answered.
int NextTraceCounter();
