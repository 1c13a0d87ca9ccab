#pragma once
// The steps of the Scan handler (HandleScanRequest, request_handlers.h) that run while it holds the
// session: the term list and the response it answers with.

#include <cstdint>

#include "Quorvane/association/session_record.h"
#include "toolkit/api/kiv_scan.h"

// Fills the response for the request: the reference id, and
// either the terms of the scan (CollectScanTerms) as term-info entries with their display terms and hit
// counts, status success when as many entries as requested are returned and partial-5 otherwise, the
// position of the term and the attribute set; or, when the scan cannot be answered, the failure form
// (SetScanDiagnostic): 206 for a step size of 2 or more, 109 without a scan block for the first database
// name (taken as sent) or "DEFAULT", 113 for an attribute set the block does not list, 124 for a term
// type other than general, numeric, simple character, object identifier and date-time, or the condition
// of CollectScanTerms. A scan makes its database and block the session's current ones.
void FillScanResponse(SessionRecord& session, const KivScanReq& request, KivScanRsp& response);

// The failure form of a Scan response: status failure, no entries and one bib-1 non-surrogate diagnostic.
// The condition chooses the diagnostic: 2, 109, 113, 114, 123, 124, 235 and 240 are answered as themselves,
// any other (206 and 0 included) as 100 "Unspecified Error".
void SetScanDiagnostic(const SessionRecord& session, KivScanRsp& response, std::int32_t condition);
