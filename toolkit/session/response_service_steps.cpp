#include "toolkit/session/response_service_steps.h"

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/call_trace.h"
#include "toolkit/session/send_pdu.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_rollback.h"
#include "toolkit/session/trace_registry.h"

namespace {

SIResult checkAndSend(KivAssocId assocId, const SIResponseSteps& steps, SIError** error) {
    if (steps.check(error) != 0) return SI_NOTOK;
    SIStateRollback rollback(assocId);
    if (SIStateEvent(assocId, steps.event(), error) != 0) {
        rollback.keep();
        return SI_NOTOK;
    }
    if (SICheckAssociation(assocId, nullptr, error) != 0) return SI_NOTOK;
    siWithTrace(assocId, [&](const SITraceSink& sink) {  // the banner and the block stay together
        sink.write(Trace_High, "\nSending the following PDU:\n");
        steps.trace();
    });
    codec::z3950::PDU pdu{};
    if (KivConvertOrReport(assocId, error, [&] { steps.toCodec(&pdu); }) != 0) {
        codec::z3950::FreePDU(&pdu);
        return SI_NOTOK;
    }
    if (SISendPdu(&pdu, assocId, error) != 0) return SI_NOTOK;
    rollback.keep();
    return SI_OK;
}

}  // namespace

SIResult siRespond(KivAssocId assocId, const SIResponseSteps& steps, SIError** error) {
    SITraceEnter(steps.name, assocId);
    const SIResult result = checkAndSend(assocId, steps, error);
    SITraceLeave(steps.name, assocId, result);
    return result;
}
