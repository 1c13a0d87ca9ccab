#pragma once
// The request handlers that the association manager's workers run, one per received request type. Each
// handler holds the association's session through a SessionLease while it works; when the association has
// no session it does nothing. A request that throws is answered all the same (serve_request.h): Search,
// Present and Scan with bib-1 diagnostic 2, Init with a refusal, Close with its Close response. The
// received APDU stays the caller's.
//
//   HandleInitRequest, HandleCloseRequest, LogCloseResponse   init_handler.cpp, close_handler.cpp
//   HandleSearchRequest, HandlePresentRequest, HandleScanRequest   the search, present and scan handlers

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_target_pdu.h"

// InitializeRequest (type 0): logs the request, lowers the session's message sizes to the client's,
// checks the user-id and password, and answers with an Init response that accepts or refuses.
void HandleInitRequest(KivAssocId assocId, const KivTargetPdu& pdu);
// SearchRequest (type 1).
void HandleSearchRequest(KivAssocId assocId, const KivTargetPdu& pdu);
// PresentRequest (type 2).
void HandlePresentRequest(KivAssocId assocId, const KivTargetPdu& pdu);
// ScanRequest (type 4).
void HandleScanRequest(KivAssocId assocId, const KivTargetPdu& pdu);
// Close request (type 8): logs it and answers with a Close of reason CR_Finished. The association stays.
void HandleCloseRequest(KivAssocId assocId, const KivTargetPdu& pdu);
// Close response (type 9): logs it; nothing is sent.
void LogCloseResponse(KivAssocId assocId, const KivTargetPdu& pdu);
