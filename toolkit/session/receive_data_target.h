#pragma once
// The target's receive calls: each hands over one received APDU as a KivTargetPdu, which the caller frees
// with KivFreeTargetPdu. Both write the entry and exit lines of their name to the association's trace.
//
// On SI_NOTOK nothing is written through out: a record the call had begun (a refused or unconvertible APDU)
// is freed by the call. When the failure is an abort (the peer closed the connection outside
// KIV_TS_ASSOCIATION and KIV_TS_OPEN) the association and its trace entry are forgotten.

#include <cstddef>
#include <cstdint>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_target_pdu.h"
#include "toolkit/session/association_arguments.h"
#include "toolkit/util/si_error.h"

// Decodes the octets of one whole APDU that the caller has read (they stay the caller's, unchanged) and
// dispatches it (SIDispatchReceivedPdu). Undecodable octets, and an APDU longer than the association's cap
// (siReceivedApduCap): SI_NOTOK with error 60, the association's state unchanged. secs is not read.
SIResult ReceiveDataTargetNT(KivAssocId assocId, KivSecs secs, KivTargetPdu** out, const uint8_t* octets,
                             size_t length, SIError** error);

// Reads one APDU from the association's connection itself (SIReceivePdu, waiting as secs says) and
// dispatches it. The peer's closing of the connection in KIV_TS_ASSOCIATION or KIV_TS_OPEN applies
// KIV_TE_AREL_IND and delivers TPT_ReleaseInd with plReleaseInd 0. A time-out is SI_OK with *out left as the
// caller set it. An OSI association prints "OSI not supported\n" and is SI_OK without an APDU.
SIResult ReceiveDataTarget(KivAssocId assocId, KivSecs secs, KivTargetPdu** out, SIError** error);
