// Present answered with a failure carrying bib-1 diagnostic 2 ("temporary system error") until its handler
// is in place.
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/response/counted_texts.h"
#include "Quorvane/response/diagnostics.h"
#include "Quorvane/session/session_lock.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/response_services.h"

namespace {

constexpr std::uint32_t kTemporarySystemError = 2;

}  // namespace

void HandlePresentRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    if (LockSession(assocId) == 0) return;
    auto* response = new KivPresentRsp{};
    const KivPresentReq* request = pdu.uPdu.psPresentReq.get();
    response->psReferenceId = CopyReferenceId(request != nullptr ? request->psReferenceId.get() : nullptr);
    SetPresentDiagnostic(*response, kTemporarySystemError);
    SIError* error = nullptr;
    KIVPresentResponse(assocId, response, &error);
    SIFreeError(&error);
    KivFreePresentRsp(&response);
    UnlockSession(assocId);
}
