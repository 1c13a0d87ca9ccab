#pragma once
// Where SIReportError hands an error to the association's trace. The trace registry implements it: under
// its lock it finds the association's trace entry and, when the entry's level is not 0, writes the error
// block there. Until that registry is linked in, no association is traced.

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/si_error.h"

// 1 after writing the error block of *error with the diagnostic text to the trace of a traced association;
// 0, writing nothing, when the association has no trace entry or one of level 0.
int siTraceReportedError(KivAssocId assocId, SIError** error, const char* diagnostic);
