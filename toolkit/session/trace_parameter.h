#pragma once
// Starting, changing and ending the trace of an association.

#include <cstdio>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/trace_registry.h"
#include "toolkit/util/si_error.h"

// With a level other than 0: traces the association into the caller's open file at that level (a traced
// association gets the new level and file) and writes the banner to the file:
//   "Brellin Pontrel for Windows API Trace Information\n", 49 hyphens and "\n",
//   "\nBeginning trace for Association:%d\n", the time as "Started at %T %t%d/%m/%Y %n %n",
//   "Association uses stack: TCP_Stack\n" (or OSI_Stack), and "\nBeginning Trace at Level: " followed by
//   "Trace_Low\n" or "Trace_High\n" (nothing for another level).
// A null file is refused with error 7.
// With level 0: ends the association's trace, writing "Ending current trace.\n" and the time as
// "Ended at:%T %t%d/%m/%Y %n %n" to the file given in this call (not the one that was registered). Once it
// has returned the toolkit no longer touches the registered file, which the caller may then close. Without a
// trace: error 7 "...Diagnostics: SISetTraceParameter: There is no trace file for this Association, so it
// cannot be closed", the trace list unchanged.
// An unknown association: SI_NOTOK with error 3 (or 4); an existing trace entry keeps the level and file of
// this call, a new one is not made.
SIResult SISetTraceParameter(KivAssocId assocId, FILE* file, SITraceLevel level, SIError** error);
