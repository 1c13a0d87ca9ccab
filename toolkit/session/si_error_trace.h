#pragma once
// Where an error meets the association's trace: the error block, and the trace writer that the session
// registry installs for SIReportError.

#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// 1 after writing the error block of *error with the diagnostic text to the trace of a traced association;
// 0, writing nothing, when the association has no trace entry or one of level 0.
int siTraceReportedError(KivAssocId assocId, SIError** error, const char* diagnostic);

// Writes the error block of *error to the association's trace, all of it at line level Trace_Low:
//   "An error has occured, Error structure is:\n"
//   "eErrorClass == " and the class's name
//   for SI_Abort "uErrorCode.psAbort->eAbortSource == %d\n", "...->lAbortReason == %d\n" and
//   "...->pcDiagnostics == %s\n"; for the other classes "uErrorCode.lIfOsCoError == %d\n" and
//   "Diagnostic: %s\n" with the diagnostic text (empty for null)
//   "eAssociationState == " and the state's name.
// Nothing for a null record or an untraced association.
void SITraceError(KivAssocId assocId, SIError** error, const char* diagnostic);
