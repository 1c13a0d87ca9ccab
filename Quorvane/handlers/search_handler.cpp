#include "Quorvane/handlers/search_handler.h"

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/serve_request.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/protocol/counted_texts.h"
#include "Quorvane/search/run_search.h"
#include "toolkit/session/response_services.h"
#include "toolkit/util/str_case.h"

namespace {

bool sendSearchResponse(KivAssocId assocId, const KivSearchRsp& response) {
    SIError* error = nullptr;
    const bool sent = ResponseSent(KIVSearchResponse(assocId, &response, &error), error);
    LogMessage("Sent SearchResponse PDU from association id " + std::to_string(assocId));
    return sent;
}

}  // namespace

std::string SearchDatabaseName(const KivSearchReq& request) {
    if (request.ppsDatabaseNames.size() == 0) return kUnnamedSearchDatabase;
    std::string name = request.ppsDatabaseNames[0]->pcValue;
    StrUpper(name);
    return name;
}

Bib1Outcome PrepareSearch(SessionRecord& session, const KivSearchReq& request) {
    const std::string database = SearchDatabaseName(request);
    session.currentDatabase = database;
    const KivQuery* query = request.psQuery.get();
    if (query == nullptr || query->eQueryType != QT_Rpn || query->uQuery.psRpnQuery == nullptr)
        return Bib1Outcome::failure(kConditionNotTypeOne);
    if (Bib1Outcome searched = RunSearch(session, *query->uQuery.psRpnQuery, database); !searched)
        return searched;
    session.cacheFormatName = nullptr;
    return Bib1Outcome();
}

void FillSearchResponse(SessionRecord& session, const KivSearchReq& request, KivSearchRsp& response) {
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    if (Bib1Outcome prepared = PrepareSearch(session, request); !prepared) {
        SetSearchDiagnostic(response, prepared.condition());
        return;
    }
    response.ulResultCount = session.resultCount;
    response.ulNumberOfRecordsReturned = 0;
    response.ulNextResultSetPosition = session.resultCount != 0 ? 1 : 0;
    response.fSearchStatus = 1;
}

void HandleSearchRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    ServeRequest(assocId, pdu.uPdu.psSearchReq.get(), sendSearchResponse, FillSearchResponse,
                 [](SessionRecord&, KivSearchRsp& response) {
                     SetSearchDiagnostic(response, kConditionTemporarySystemError);
                 });
}
