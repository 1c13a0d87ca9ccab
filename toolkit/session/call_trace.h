#pragma once
// The entry and exit lines that a public call writes to its association's trace, at line level Trace_Low.

#include "toolkit/api/kiv_owning.h"

// "Brellin Pontrel for Windows Trace File Association: %d\n" and "**Entering function:%s\n".
void SITraceEnter(const char* functionName, KivAssocId assocId);

// "Brellin Pontrel for Windows Trace File Association: %d\n", then "**Leaving function:%s\n" followed at
// once by "Function returned: SI_OK\n\n" for result 0 or "Function returned: SI_NOTOK\n\n" for 1 (nothing
// for another result).
void SITraceLeave(const char* functionName, KivAssocId assocId, int result);
