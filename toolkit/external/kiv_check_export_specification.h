#pragma once
// Validation of an Export Specification package (content type 19, AT_ExportSpecification) before it is
// converted and sent, alone or inside an Export Invocation. Validator shape and reporters as in
// kiv_validation.h; the first fault ends the validation.

#include <string>

#include "toolkit/api/kiv_export_package.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// The package on path (ending in "->"): eExpSpecReqOrRsp 1 or 2 (66) and the member it selects,
// "uExpSpecReqOrRsp.psExpSpecRequest" or "uExpSpecReqOrRsp.psExpSpecResponse" (64). Its part to keep, on
// "->sToKeep." or "->sOriginPart.": the composition by KivCheckCompSpec on "sComposition.", then on
// "sExportDestination." eDestinationType 1 to 9 (66) and the member of the type (64; type 7 reports
// "uDestinationType.psFtpAmAddress"; the members of psOther are not examined).
int KivCheckExpSpec(KivAssocId assoc, const KivExpSpecExtendedService* package, const std::string& path,
                    SIError** out);

// path is the single ASN.1 type's own (ending in "->"); the caller has checked the EXTERNAL's identifier.
// "uASN1.psExpSpecExtendedService" is present (64), then KivCheckExpSpec on that name + "->".
int KivCheckExpSpecExtendedService(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                                   SIError** out);
