#pragma once
// The target's response calls, and the access-control and resource-control requests a target starts. Each
// takes the association, the record to send and the error out-pointer, and returns SI_OK when the APDU was
// sent. The record stays the caller's, unchanged.
//
// Every call writes its entry lines first, then checks the record field by field, stopping at the first
// fault (SI_Interface_Error with the field's path: 64 missing, 65 bad bit string, 66 out of range, 67
// options not allowed, 72 bad boolean, 73 bad object identifier, or the fault of a shared sub-structure's
// check); a null record is 64 on the record's name. A valid record's target event is applied (refused:
// error 80 or 81, nothing sent), the association checked (error 3 or 4), "\nSending the following PDU:\n"
// and the record's PDU block traced, the record converted (memory running out: error 75) and the APDU sent;
// a failed send aborts and forgets the association. The exit lines end every call.

#include "toolkit/api/kiv_access_resource.h"
#include "toolkit/api/kiv_delete.h"
#include "toolkit/api/kiv_extended_services.h"
#include "toolkit/api/kiv_init.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_present.h"
#include "toolkit/api/kiv_resource_report.h"
#include "toolkit/api/kiv_scan.h"
#include "toolkit/api/kiv_search.h"
#include "toolkit/api/kiv_sort.h"
#include "toolkit/util/si_error.h"

// initResponse. Checks, under "psInitializeRsp->": pcProtocolVersion and pcOptions present (64) and of '0'
// and '1' only (65), pcOptions offering nothing outside ALLOWED_OPTIONS (67), fResult 0 or 1 (72),
// psUserInformationField (EXTERNAL) and ppsOtherInformation when set. Event KIV_TE_INITRESP_TRUE when fResult
// is 1, else KIV_TE_INITRESP_FALSE. The bit texts go out as bit strings of one bit per character.
SIResult KIVInitializeResponse(KivAssocId assocId, const KivInitializeRsp* psInitializeRsp, SIError** error);

// searchResponse. Checks: "psSearchRsp->fSearchStatus" 0 or 1 (72); "*psSearchRsp->peResultSetStatus" 1 to
// 3 and "*psSearchRsp->pePresentStatus" 0 to 5 when set (66); "psSearchRsp->psRecords->",
// "psSearchRsp->ppsAdditionalSearchInfo" and "psSearchRsp->ppsOtherInformation" when set. Event
// KIV_TE_SEARCHRESP.
SIResult KIVSearchResponse(KivAssocId assocId, const KivSearchRsp* psSearchRsp, SIError** error);

// presentResponse. Checks: "psPresentRsp->ePresentStatus" 0 to 5 (66); "psPresentRsp->psRecords->" and
// "psPresentRsp->ppsOtherInformation" when set. Event KIV_TE_PRESENTRESP.
SIResult KIVPresentResponse(KivAssocId assocId, const KivPresentRsp* psPresentRsp, SIError** error);

// deleteResultSetResponse. Checks: "psDeleteResultSetRsp->eDeleteOperationStatus" 0 to 10 (66); the
// eDeleteSetStatus of each element of ppsDeleteListStatuses and ppsBulkStatuses 0 to 10 (66 on
// "psDeleteResultSetRsp->ppsDeleteListStatuses[i]" or "...->ppsBulkStatuses[i]");
// "psDeleteResultSetRsp->ppsOtherInformation" when set. Event KIV_TE_DELETERESP.
SIResult KIVDeleteResultSetResponse(KivAssocId assocId, const KivDeleteResultSetRsp* psDeleteResultSetRsp,
                                    SIError** error);

// scanResponse. Checks: "psScanRsp->eScanStatus" 0 to 6 (66); "psScanRsp->psEntries->" when set
// (response_service_scan_entries_check.h); "psScanRsp->pcAttributeSetId" an object identifier when set
// (73); "psScanRsp->ppsOtherInformation" when set. Event KIV_TE_SCANRESP.
SIResult KIVScanResponse(KivAssocId assocId, const KivScanRsp* psScanRsp, SIError** error);

// resourceReportResponse. Checks: "psResourceReportRsp->eResourceReportStatus" 0 to 7 (66);
// "psResourceReportRsp->psResourceReport->" (EXTERNAL) and "psResourceReportRsp->ppsOtherInformation" when
// set. Event KIV_TE_RESOURCERESP.
SIResult KIVResourceReportResponse(KivAssocId assocId, const KivResourceReportRsp* psResourceReportRsp,
                                   SIError** error);

// sortResponse. Checks: "psSortRsp->eSortStatus" 0 to 2 (66); "*psSortRsp->peResultSetStatus" 0 to 3 when
// set (66); "psSortRsp->ppsDiagnostics" and "psSortRsp->ppsOtherInformation" when set. Event
// KIV_TE_SORTRESP. The result-set status goes out as the protocol's 1 to 4.
SIResult KIVSortResponse(KivAssocId assocId, const KivSortRsp* psSortRsp, SIError** error);

// extendedServicesResponse. Checks: "psExtendedServicesRsp->eOperationStatus" 1 to 3 (66);
// "psExtendedServicesRsp->ppsDiagnostics", "psExtendedServicesRsp->psTaskPackage->" (EXTERNAL) and
// "psExtendedServicesRsp->ppsOtherInformation" when set. Event KIV_TE_EXTENDEDRESP.
SIResult KIVExtendedServicesResponse(KivAssocId assocId, const KivExtendedServicesRsp* psExtendedServicesRsp,
                                     SIError** error);

// accessControlRequest. Checks, under "psAccessControlReq->sSecurityChallengeReq.": SECT_SimpleForm needs
// "uSecurityChallengeReq.psSimpleForm" (64); SECT_ExternallyDefined needs
// "uSecurityChallengeReq.psExternallyDefinedInfo" (64), an EXTERNAL checked under that path and "->"; any
// other type 66 on "eSecurityChallengeReqType". Then "psAccessControlReq->ppsOtherInformation" when set.
// Event KIV_OE_ACCCNTREQ (30).
SIResult KIVAccessControlRequest(KivAssocId assocId, const KivAccessControlReq* psAccessControlReq,
                                 SIError** error);

// resourceControlRequest. Checks, under "psResourceControlReq->": "*...pfSuspendedFlag" 0 or 1 when set (72);
// psResourceReport (EXTERNAL) when set; "*...pePartialResultsAvailable" 1 to 3 when set (66);
// fResponseRequired 0 or 1 (72); "*...pfTriggeredRequestFlag" 0 or 1 when set (72); ppsOtherInformation when
// set. Event KIV_OE_RESCNTREQ (32), after fResponseRequired has been handed to the association's machine:
// without a required response the event leaves the state alone.
SIResult KIVResourceControlRequest(KivAssocId assocId, const KivResourceControlReq* psResourceControlReq,
                                   SIError** error);
