#pragma once
// Validation of retrieved records and diagnostics before they are converted towards the codec. Validator
// shape and reporters as in kiv_validation.h: 0 when valid, 1 after reporting the first fault. Each checks
// the selector, then the member it selects (64 when missing), then that member's own fields.

#include <string>

#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_records.h"
#include "toolkit/util/si_error.h"

// By eRecordType: "uRecord.ppsResponseRecord" (elements "[i]->"), "uRecord.psNonSurrogateDiag" ("->") or
// "uRecord.ppsMultipleNonSurrogateDiag" (elements "[i]->"); any other value 66 on "eRecordType".
int KivCheckRecords(KivAssocId assoc, const KivRecords* records, const std::string& path, SIError** out);
// By eDbRecordType: "uDbRecord.psRetrievalRecord" (an EXTERNAL), "uDbRecord.psSurrogateDiagnostic",
// "uDbRecord.psStartingFragment", "uDbRecord.psIntermediateFragment" or "uDbRecord.psFinalFragment"; any
// other value 66 on "eDbRecordType". The database name is not checked.
int KivCheckResponseRecord(KivAssocId assoc, const KivResponseRecord* record, const std::string& path,
                           SIError** out);
// "uDiagnostics.psDefault" or "uDiagnostics.psExternallyDefined"; any other value 66 on "eDiagnosticsType".
int KivCheckDiagRec(KivAssocId assoc, const KivDiagRec* diagnostic, const std::string& path, SIError** out);
// pcDiagnosticSetId absent, not dotted decimal or of one arc: 73. Then "sAdditionalInfo.uAdditionalInfo.pcV2"
// for version 2, "sAdditionalInfo.uAdditionalInfo.psV3" for version 3, any other value 66 on
// "sAdditionalInfo.eProtocolVersionInForce". ulCondition is not checked.
int KivCheckDefaultDiagFormat(KivAssocId assoc, const KivDefaultDiagFormat* diagnostic,
                              const std::string& path, SIError** out);
// "uFragmentSyntax.psExternallyTagged" (an EXTERNAL) or "uFragmentSyntax.psNotExternallyTagged"; any other
// value 66 on "eFragmentSyntaxType".
int KivCheckFragmentSyntax(KivAssocId assoc, const KivFragmentSyntax* fragment, const std::string& path,
                           SIError** out);
// Every element on path + "[i]->", the first fault winning; path names the array itself.
int KivCheckDiagRecList(KivAssocId assoc, const KivArray<KivDiagRec>* diagnostics, const std::string& path,
                        SIError** out);
