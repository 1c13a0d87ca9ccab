#pragma once
// The one shape of every request handler: the association's session held by a SessionLease for the whole
// request, the response filled, sent and freed in one place. A request that fails with an exception
// (memory exhausted on the way, a fault of the code) is answered rather than dropped: the failure is logged
// and the client gets the handler's failure form (a bib-1 diagnostic or a refusal); when even that cannot be
// sent, a Close of reason CR_SystemProblem. A handler states only what differs: how it fills its response,
// its failure form and how the response is sent.

#include <cstdint>
#include <exception>
#include <memory>

#include "Quorvane/association/session_lease.h"
#include "Quorvane/protocol/counted_texts.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// Logs "Association <id>: request failed: <what>".
void LogRequestFailure(KivAssocId assocId, const std::exception& failure);
// Sends a Close of reason CR_SystemProblem; false when it cannot be sent either.
bool SendSystemProblemClose(KivAssocId assocId);
// The outcome of a response call, whose error record it frees: true when sent. A response the toolkit could
// not build for want of memory throws std::bad_alloc, so that the request fails like any other.
bool ResponseSent(SIResult result, SIError*& error);

// Runs answer(answered), which sets answered once its response has gone out. When it throws before that,
// the failure is logged and failureForm(answered) runs; when that sends nothing either, the Close is sent.
template <typename Answer, typename FailureForm>
void AnswerRequest(KivAssocId assocId, Answer&& answer, FailureForm&& failureForm) {
    bool answered = false;
    try {
        answer(answered);
        return;
    } catch (const std::exception& failure) {
        LogRequestFailure(assocId, failure);
    }
    if (answered) return;
    try {
        failureForm(answered);
    } catch (const std::exception& failure) {
        LogRequestFailure(assocId, failure);
    }
    if (!answered) SendSystemProblemClose(assocId);
}

// Sends a response of its type and logs it; true when it went out.
template <typename Response>
using ResponseSend = bool (*)(KivAssocId assocId, const Response& response);

// Serves one request of the association: waits for its session and does nothing more when it has none or
// the request is absent; else, with the session held, fill(session, request, response) fills a new response
// and send sends it. When that throws before the response is out, a new response gets the request's reference
// id and failureForm(session, response), and is sent.
template <typename Response, typename Request, typename Fill, typename FailureForm>
void ServeRequest(KivAssocId assocId, const Request* request, ResponseSend<Response> send, Fill&& fill,
                  FailureForm&& failureForm) {
    SessionLease session(assocId);
    if (!session || request == nullptr) return;
    AnswerRequest(
        assocId,
        [&](bool& answered) {
            auto response = std::make_unique<Response>();
            fill(*session, *request, *response);
            answered = send(assocId, *response);
        },
        [&](bool& answered) {
            auto response = std::make_unique<Response>();
            response->psReferenceId = CopyReferenceId(request->psReferenceId.get());
            failureForm(*session, *response);
            answered = send(assocId, *response);
        });
}
