#include <memory>
#include <string>

#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/present/present_response.h"
#include "Quorvane/present/present_settings.h"
#include "Quorvane/session/session_lock.h"
#include "Quorvane/session/session_table.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/response_services.h"

void HandlePresentRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    if (LockSession(assocId) == 0) return;
    const std::shared_ptr<SessionRecord> session = FindSession(assocId);
    const KivPresentReq* request = pdu.uPdu.psPresentReq.get();
    if (session != nullptr && request != nullptr) {
        auto* response = new KivPresentRsp{};
        FillPresentResponse(*session, *request, ReadPresentSettings(), *response);
        SIError* error = nullptr;
        KIVPresentResponse(assocId, response, &error);
        SIFreeError(&error);
        KivFreePresentRsp(&response);
        LogMessage("Sent PresentResponse PDU from association id " + std::to_string(assocId));
    }
    UnlockSession(assocId);
}
