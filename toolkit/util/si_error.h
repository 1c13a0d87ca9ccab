#pragma once
// The error record that a failing toolkit call hands back through its last argument, the two routines
// that make and release it, and where a reported error is written down.

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/util/assoc_id.h"

enum SIErrorClass : int32_t {
    SI_Communication_Error = 0,
    SI_Interface_Error = 1,
    SI_OperatingSystem_Error = 2,
    SI_Abort = 3,
};

enum SIAssociationState : int32_t {
    Association_Open = 0,
    Association_Closed = 1,
    Association_Unknown_State = 2,
};

// What every public call returns.
enum SIResult : int32_t {
    SI_OK = 0,
    SI_NOTOK = 1,
};

// The abort part of an SI_Abort record; the record keeps its own copy of the message.
struct SIAbortInfo {
    int eAbortSource = 0;
    long lAbortReason = 0;
    std::string pcDiagnostics;
};

// lIfOsCoError holds the code of classes 0 to 2; psAbort is set for every other class.
struct SIErrorCode {
    long lIfOsCoError = 0;
    std::unique_ptr<SIAbortInfo> psAbort;
};

struct SIError {
    SIErrorClass eErrorClass = SI_Communication_Error;
    SIErrorCode uErrorCode;
    SIAssociationState eAssociationState = Association_Open;  // as the reporter passed it
};

// Builds a new record and stores it through out (when out is not null), releasing a record that out
// still held. For classes 0 to 2 the code goes into lIfOsCoError and the message is not kept; for any other
// class an SIAbortInfo holds the abort source, the code as abort reason and a copy of the message (a null
// message copies as empty). The error is then written down: to the association's trace when the id is not
// 0 and the association is traced, otherwise to the process error log. The unused argument is kept for the
// callers' argument list. Out of memory for the record itself throws std::bad_alloc.
void SIReportError(KivAssocId assocId, SIErrorClass errorClass, int abortSource, long code,
                   const char* diagnostic, long unused, SIAssociationState associationState, SIError** out);

// Writes a reported error of the association to its trace: 1 when written, 0 when the association is not
// traced. The session layer installs its trace writer when its registry comes into being, before any
// association can be traced; until then every error goes to the process error log.
using SIErrorTraceWriter = int (*)(KivAssocId assocId, SIError** error, const char* diagnostic);
void siSetErrorTraceWriter(SIErrorTraceWriter writer);

// Releases the record *error and sets *error to null; a null record does nothing.
void SIFreeError(SIError** error);

// The constant names that the trace and the process log print for a class and an association state; an
// empty text for a value outside the constants.
const char* siErrorClassName(SIErrorClass errorClass);
const char* siAssociationStateName(SIAssociationState associationState);
