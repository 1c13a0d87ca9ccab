#include "toolkit/api/kiv_conversion_error.h"

int KivReportOutOfMemory(KivAssocId assoc, SIError** out) {
    SIReportError(assoc, SI_Interface_Error, 0, kKivOutOfMemoryCode, "Out of memory", 0, Association_Open,
                  out);
    return 1;
}
