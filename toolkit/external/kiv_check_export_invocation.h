#pragma once
// Validation of an Export Invocation package (content type 20, AT_ExportInvocation) before it is converted
// and sent. Validator shape and reporters as in kiv_validation.h; the first fault ends the validation.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own (ending in "->"); the caller has checked the EXTERNAL's identifier.
// In order: "uASN1.psExpInvoExtendedService" is present (64); under it eExpInvoReqOrRsp is 1 or 2 (66) and
// the member it selects, "uExpInvoReqOrRsp.psExpInvoRequest" or "uExpInvoReqOrRsp.psExpInvoResponse", is
// present (64). The export exportSpec of the part to keep, on "sToKeep.sExportSpec." or
// "sOriginPart.sExportSpec.": eExpInvoOriginPartToKeepChoiceType 1 or 2 (66), for 1
// "uExpInvoOriginPartToKeepChoice.psPackageName" (64), for 2 "uExpInvoOriginPartToKeepChoice.psPackageSpec"
// (64) checked by KivCheckExpSpec after "->" (no identifier check for it). A request then has on
// "sNotToKeep.sRecords." eExpInvoRecordsType 1 or 2 (66) and for 2 "uExpInvoRecords.ppsRanges" (64; the
// ranges are not examined); a response has the IntUnit checks of the four target-part members on
// "sTargetPart.<member>->", each when present.
int KivCheckExpInvoExtendedService(KivAssocId assoc, const KivSingleASN1Type* content,
                                   const std::string& path, SIError** out);
