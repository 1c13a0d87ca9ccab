#pragma once
// The steps of the Scan handler (HandleScanRequest, request_handlers.h) that run while it holds the
// session: the term list and the response it answers with.

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "toolkit/api/kiv_scan.h"

// Fills the response for the request: the reference id, and either the terms of the scan (CollectScanTerms)
// as term-info entries with their display terms and hit counts, status success when as many entries as
// requested are returned and partial-5 otherwise, the position of the term and the attribute set; or, when
// the scan cannot be answered, the failure form (SetScanDiagnostic): kConditionStepSizeUnsupported for a step
// size of 2 or more, kConditionDatabaseUnavailable without a scan block for the first database name (taken as
// sent) or "DEFAULT", kConditionUnsupportedAttributeType for an attribute set the block does not list,
// kConditionUnsupportedTermType for a term type other than general, numeric, simple character, object
// identifier and date-time, or the condition of CollectScanTerms. A scan makes its database and block the
// session's current ones.
void FillScanResponse(SessionRecord& session, const KivScanReq& request, KivScanRsp& response);

// The failure form of a Scan response: status failure, no entries and one bib-1 non-surrogate diagnostic.
// The condition chooses the diagnostic: kConditionTemporarySystemError, kConditionDatabaseUnavailable,
// kConditionUnsupportedAttributeType, kConditionUnsupportedUseAttribute, kConditionUnsupportedAttributeSet,
// kConditionUnsupportedTermType, kConditionDatabaseUnknown and kConditionScanResourcesExhausted are
// answered as themselves, any other (kConditionStepSizeUnsupported and 0 included) as 100 "Unspecified
// Error".
void SetScanDiagnostic(const SessionRecord& session, KivScanRsp& response, Bib1Condition condition);
