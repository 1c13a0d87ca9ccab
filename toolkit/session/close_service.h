#pragma once
// The Close service: the Close APDU that starts the closing of an association and the one that answers it,
// for a target or an origin association.
//
// Both calls check the record first, stopping at the first fault (the path is the record's name and "->"
// followed by the field): "eCloseReason" 0 to 9 (66), "pcResourceReportFormat" an encodable object
// identifier when set (73), "psResourceReport->" the EXTERNAL check when set, "ppsOtherInformation" the
// OtherInformation check when set. A fault, or an unknown association (error 3 or 4), is SI_NOTOK with no
// trace lines. Then come the entry lines, the call's event for the association's role and, when accepted,
// "\nSending the following PDU:\n" and the PDU block (Trace_High), and the send (SISendPdu) whose result is
// the call's; then the exit lines. A refused event (error 80 or 81) sends nothing. An association whose role
// is neither origin nor target gets no event and nothing is sent: SI_OK. The record stays the caller's.

#include "toolkit/api/kiv_close.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// Event KIV_TE_CLOSEREQ (target) or KIV_OE_CLOSEREQ (origin); block "## Close 'CloseReq' PDU ##\n".
SIResult KIVCloseRequest(KivAssocId assocId, const KivClose* psCloseReq, SIError** error);

// Event KIV_TE_CLOSERESP (target) or KIV_OE_CLOSERESP (origin); block "## Close 'CloseRsp' PDU ##\n".
SIResult KIVCloseResponse(KivAssocId assocId, const KivClose* psCloseRsp, SIError** error);
