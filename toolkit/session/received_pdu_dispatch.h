#pragma once
// Handing a decoded APDU to a target: its state event, its conversion and its trace.

#include <cstddef>
#include <cstdint>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_target_pdu.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/util/si_error.h"

// Dispatches the decoded APDU (received as the given octets) into *target, which the caller has allocated
// empty; the caller frees the codec structure afterwards.
// - A request, Close, AccessControlResponse or ResourceControlResponse: its target event is applied; when
//   refused (error 80 or 81) the line "Failed to convert received ... PDU to KIV format\n" goes to the trace
//   (Trace_High) and the result is SI_NOTOK with nothing converted. Otherwise the APDU is converted
//   (siConvertReceivedPdu), "\nReceived the following PDU:\n" and its PDU block are traced (Trace_High), and
//   the result is SI_OK. A Close is TPT_CloseRsp when the association was in KIV_TS_CLOSE_SENT before its
//   event, else TPT_CloseReq; at Trace_High "Close (in Target)\n" comes first.
// - A TriggerResourceControlRequest is converted and traced whatever its event gives; SI_NOTOK when refused.
// - An identifier of no APDU, or an APDU a target never receives: no event; TPT_InvalidApdu with a copy of
//   the octets, traced, and appended to the invalid-PDU file; SI_OK.
// SI_NOTOK with error 75 when memory runs out while converting.
SIResult SIDispatchReceivedPdu(KivAssocId assocId, codec::z3950::PDU* pdu, const uint8_t* octets,
                               size_t length, KivTargetPdu* target, SIError** error);
