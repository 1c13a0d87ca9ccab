#pragma once
// Reading one APDU from an association's connection.

#include <cstdint>
#include <vector>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/session/association_arguments.h"
#include "toolkit/util/si_error.h"

// Results of SIReceivePdu and SIPeerClosed.
inline constexpr int kSIReceiveDecoded = 0;
inline constexpr int kSIReceiveFailed = 1;
inline constexpr int kSIReceiveTimedOut = 5;
inline constexpr int kSIReceivePeerReleased = 10;

// Waits for the socket to become readable (secs above 0: that many seconds; 0: one millisecond; below 0:
// without limit), then reads one whole BER element with an ApduAssembler (reads of blocks, none taking octets
// of the next APDU) and decodes it into *pdu (SIDecodePdu).
//   kSIReceiveDecoded: *octets holds a copy of the element and *pdu the decoded APDU, which the caller frees.
//   kSIReceiveTimedOut: nothing was readable in time.
//   kSIReceivePeerReleased / kSIReceiveFailed: the peer closed the connection (SIPeerClosed).
//   kSIReceiveFailed: poll failed (error 8); a read failed, or the peer stalled mid-APDU for the send stall
//   limit (error 2, the association stays registered); the element is malformed, longer than the
//   association's APDU cap (its octets are then not read) or undecodable (error 60).
int SIReceivePdu(KivAssocId assocId, codec::z3950::PDU* pdu, int socket, KivSecs secs,
                 std::vector<uint8_t>* octets, SIError** error);

// What the peer's closing of the connection means: kSIReceivePeerReleased for a target association in
// KIV_TS_ASSOCIATION or KIV_TS_OPEN (a release indication); otherwise kSIReceiveFailed with an SI_Abort "The
// Association has been aborted" (Association_Closed), or with error 3 for an unknown association.
int SIPeerClosed(KivAssocId assocId, SIError** error);
