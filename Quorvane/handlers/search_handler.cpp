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

int PrepareSearch(SessionRecord& session, const KivSearchReq& request, int32_t& condition) {
    const std::string database = SearchDatabaseName(request);
    session.currentDatabase = database;
    const KivQuery* query = request.psQuery.get();
    if (query == nullptr || query->eQueryType != QT_Rpn || query->uQuery.psRpnQuery == nullptr) {
        condition = kConditionNotTypeOne;
        return 1;
    }
    if (RunSearch(session, *query->uQuery.psRpnQuery, database, condition) != 0) return 1;
    session.cacheFormatName = nullptr;
    return 0;
}

void FillSearchResponse(SessionRecord& session, const KivSearchReq& request, KivSearchRsp& response) {
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    int32_t condition = 0;
    if (PrepareSearch(session, request, condition) != 0) {
        SetSearchDiagnostic(response, static_cast<std::uint32_t>(condition));
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
