#pragma once
// The steps of the Search handler (HandleSearchRequest, request_handlers.h) that run while it holds the
// session: the search itself and the response it answers with.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "toolkit/api/kiv_search.h"

// The database a request that names none searches.
inline constexpr const char* kUnnamedSearchDatabase = "test";

// The database name a Search request searches: its first database name upper-cased (empty for an empty
// first name), kUnnamedSearchDatabase when it names none.
std::string SearchDatabaseName(const KivSearchReq& request);

// Makes the request's database the session's current one and runs its type-1 query. Success when the
// session holds the new result set (the present cache and its format name cleared); otherwise
// kConditionNotTypeOne for a query that is not type-1, else the search's condition, the previous result
// set staying in place.
Bib1Outcome PrepareSearch(SessionRecord& session, const KivSearchReq& request);

// Runs PrepareSearch and fills the response: the request's reference
// id; on success the result count, no records, the next position 1 (0 for no hits) and search status 1;
// on failure the failure form with the condition (SetSearchDiagnostic).
void FillSearchResponse(SessionRecord& session, const KivSearchReq& request, KivSearchRsp& response);
