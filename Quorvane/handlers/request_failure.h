#pragma once
// A request that fails with an exception (memory exhausted on the way, a fault of the code) is answered
// rather than dropped: the failure is logged and the client gets the handler's failure form (a bib-1
// diagnostic or a refusal); when even that cannot be sent, a Close of reason CR_SystemProblem. The
// handler's SessionLease gives the session back as it returns.

#include <cstdint>
#include <exception>

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
