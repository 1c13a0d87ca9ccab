#include "toolkit/session/call_trace.h"

#include <string>

#include "toolkit/session/trace_registry.h"
#include "toolkit/util/si_error.h"

namespace {

std::string associationLine(KivAssocId assocId) {
    return "Brellin Pontrel for Windows Trace File Association: " + std::to_string(assocId) + "\n";
}

const char* resultLine(int result) {
    switch (result) {
        case SI_OK:
            return "Function returned: SI_OK\n\n";
        case SI_NOTOK:
            return "Function returned: SI_NOTOK\n\n";
    }
    return "";
}

}  // namespace

void SITraceEnter(const char* functionName, KivAssocId assocId) {
    SITraceWrite(assocId, Trace_Low, associationLine(assocId));
    SITraceWrite(assocId, Trace_Low, "**Entering function:" + std::string(functionName) + "\n");
}

void SITraceLeave(const char* functionName, KivAssocId assocId, int result) {
    SITraceWrite(assocId, Trace_Low, associationLine(assocId));
    SITraceWrite(assocId, Trace_Low,
                 "**Leaving function:" + std::string(functionName) + "\n" + resultLine(result));
}
