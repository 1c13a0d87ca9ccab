#include <exception>
#include <memory>
#include <system_error>
#include <utility>

#include "Quorvane/association/session_table.h"
#include "Quorvane/config/config_error_state.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/association_slots.h"
#include "Quorvane/manager/message_format.h"
#include "Quorvane/manager/request_workers.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/receive_data_target.h"

namespace {

using Handler = void (*)(KivAssocId, const KivTargetPdu&);

RequestWorkers& requestWorkers() {
    static RequestWorkers workers;
    return workers;
}

// The handler of a request type; null for a type without one.
Handler handlerOf(std::int32_t pduType) {
    switch (pduType) {
        case TPT_InitializeReq:
            return HandleInitRequest;
        case TPT_SearchReq:
            return HandleSearchRequest;
        case TPT_PresentReq:
            return HandlePresentRequest;
        case TPT_ScanReq:
            return HandleScanRequest;
        case TPT_CloseReq:
            return HandleCloseRequest;
        case TPT_CloseRsp:
            return LogCloseResponse;
        default:
            return nullptr;
    }
}

struct TargetPduDeleter {
    void operator()(KivTargetPdu* pdu) const { KivFreeTargetPdu(&pdu); }
};

void exitAndClose(const char* message, KivAssocId assocId, ConnectionHost& host) {
    LogMessage(formatMessage(message, static_cast<int>(assocId)));
    ForcedClose(assocId, host);
}

}  // namespace

void DispatchPdu(KivAssocId assocId, const std::uint8_t* octets, std::size_t length, ConnectionHost& host,
                 std::shared_ptr<platform::Connection> connection) {
    if (SlotLookup(assocId) == 0) {
        LogMessage(formatMessage("No connection number for lAssocId %d\n", static_cast<int>(assocId)));
        return;
    }
    host.makeCurrent();
    if (dropPduOnConfigError()) return;

    KivTargetPdu* received = nullptr;
    SIError* error = nullptr;
    const SIResult decoded = ReceiveDataTargetNT(assocId, CALL_BLOCKING, &received, octets, length, &error);
    SIFreeError(&error);
    if (decoded != SI_OK || received == nullptr) {
        KivFreeTargetPdu(&received);
        return exitAndClose("Association %d exited", assocId, host);
    }
    // Shared so that the task stays copyable; the last owner frees the record with the toolkit's routine.
    std::shared_ptr<KivTargetPdu> pdu(received, TargetPduDeleter());

    if (pdu->ePduType == TPT_ReleaseInd) {
        return exitAndClose("Client has released connection. Association %d exited", assocId, host);
    }
    const Handler handler = handlerOf(pdu->ePduType);
    if (handler == nullptr) return exitAndClose("Association %d exited", assocId, host);

    // The worker holds the connection, so its descriptor cannot be reused while the answer is sent.
    auto task = [handler, assocId, pdu, connection = std::move(connection)]() mutable {
        try {
            handler(assocId, *pdu);
        } catch (const std::exception& failure) {
            // Not even a diagnostic or a Close could be sent: end the connection, so the client is not left
            // waiting for an answer and the event loop reclaims the slot. Closing allocates nothing; the log
            // line may fail for want of memory too, and must not end the worker.
            if (connection != nullptr) connection->close();
            try {
                LogMessage(formatMessage("Association %d: request failed: %s", static_cast<int>(assocId),
                                         failure.what()));
            } catch (const std::exception&) {
            }
        }
        pdu.reset();
        connection.reset();
    };
    if (!requestWorkers().submit(assocId, std::move(task))) {
        exitAndClose("Association %d exited", assocId, host);
    }
}

bool AssociationIdInUse(KivAssocId assocId) {
    return SlotLookup(assocId) != 0 || FindSession(assocId) != nullptr || requestWorkers().active(assocId);
}

void DropRequests(KivAssocId assocId) {
    requestWorkers().drop(assocId);
}

void WaitForRequests() {
    requestWorkers().waitIdle();
}

bool StartRequestWorkers() {
    try {
        requestWorkers();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}
