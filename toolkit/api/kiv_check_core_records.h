#pragma once
// Validation of the core carried contents of a single-ASN1-type EXTERNAL before they are converted. Each
// content validator is the check of its content type's row (kiv_convert_external_content_types.h): it gets
// the KivSingleASN1Type whose identifier has been matched to the row and the path V of that structure
// (ending in "->"). The member eASN1Type selects must be set (64 on V + "uASN1.<member>"); then its fields
// are checked on V + "uASN1.<member>->". Validator shape and reporters as in kiv_validation.h; the first
// fault ends the validation.

#include <cstdint>
#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/util/si_error.h"

// SUTRS: the text is not examined.
int KivCheckUnstructuredText(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                             SIError** out);
// OPAC: the bibliographic record (an EXTERNAL) on "psBibliographicRecord->"; each holdings item on
// "ppsHoldingsData[i]->": eHoldingsRecType 1 checks the embedded EXTERNAL on
// "uMarcOrHoldAndCirc.sMarcHoldingsRecord.", 2 the holdings data on "uMarcOrHoldAndCirc.sHoldingsAndCirc.",
// any other 66 on "eHoldingsRecType". Holdings data: a ppsVolume present but empty is 64 on
// "ppsVolume[0] (firstitem in a list must be non NULL)"; each circulation record on "ppsCircRecord[j]->"
// needs fAvailableNow, fRenewable and fOnHold of 0 or 1 (72).
int KivCheckOpacRecord(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                       SIError** out);
// Summary: its OtherInformation array on "ppsOtherInformation".
int KivCheckSummaryRecord(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                          SIError** out);
// Resource-1: ppsEstimate is compulsory (64); each estimate's eEstimateType must lie in 1..16 (66 on
// "ppsEstimate[i]->eEstimateType").
int KivCheckResourceReport1(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                            SIError** out);
// Resource-2: each estimate on "ppsEstimate[i]->": its type on "sType." and its value on "sValue.".
int KivCheckResourceReport2(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                            SIError** out);
// Task package, in order: pcPackageType compulsory (64) and an encodable identifier (73); psRetentionTime on
// "psRetentionTime->"; each permissions item's allowable functions (KivCheckAllowableFunctions on
// "ppsPermissions[i]->"); eExtServicesTaskStatus in 1..4 (66); the diagnostics on "ppsPackageDiagnostics";
// last the task-specific EXTERNAL on "sTaskSpecificParameters->".
int KivCheckEsTaskPackage(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                          SIError** out);
// Update: eUpdateReqRsp 1 checks the request on "uUpdateReqOrRsp.psUpdateRequest", 2 the response on
// "uUpdateReqOrRsp.psUpdateResponse" (each compulsory, 64); any other 66 on "eUpdateReqRsp".
int KivCheckUpdateExtendedService(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                                  SIError** out);

// The allowable functions of a permissions item at path P: a missing array is 64 on
// P + "ppeAllowableFunctions"; the first value outside 1..5, at index i, is 66 on
// P + "ppeAllowableFunctions[i]".
int KivCheckAllowableFunctions(KivAssocId assoc, const KivArray<int32_t>* functions, const std::string& path,
                               SIError** out);
