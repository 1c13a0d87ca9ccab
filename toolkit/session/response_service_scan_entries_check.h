#pragma once
// The check of a scan response's list entries before they are converted. Validator shape and reporters as
// in kiv_validation.h: 0 when valid, 1 after reporting the first fault.

#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_scan.h"
#include "toolkit/util/si_error.h"

// path ends with "psEntries->". Each entry on "ppsEntry[i]->": ET_TermInfo needs "uEntry.psTermInfo" (64),
// ET_SurrogateDiagnostic "uEntry.psSurrogateDiagnostic" (64), a diagnostic checked on that name + "->"; any
// other type 66 on "eEntryType". A term info, on "uEntry.psTermInfo->": its term on "sTerm.", each suggested
// attribute on "ppsAttributeElement[i]->", each alternative term on "ppsAlternativeTerm[i]->", each
// by-attributes element on "ppsByAttributes[i]->", its "ppsOtherInformation". A by-attributes element: its
// attribute array is compulsory (64 on "ppsAttributeElement"), each attribute on "ppsAttributeElement[i]"; a
// set occurrence on "psOccurrence->": OT_Global passes, OT_ByDatabase needs "ppsOccurrenceByDb" (64) and
// checks each element's "ppsOccurrenceByDb[i]->ppsOtherInformation", any other type 66 on
// "eOccurrenceType"; then its "ppsOtherInformation". Last, the non-surrogate diagnostics on
// "ppsNonSurrogateDiagnostic[i]->".
int siCheckScanEntries(KivAssocId assocId, const KivListEntries* entries, const std::string& path,
                       SIError** error);
