#pragma once
// Sending one APDU on an association.

#include "toolkit/api/kiv_owning.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/util/si_error.h"

// Encodes the holder and writes it to the association's connection; the codec structure the holder points
// to is freed in every case. At Trace_High it writes "Encoding and sending PDU\n" before and "Send was
// successful\n" after a send. An OSI association prints "OSI not supported\n" on the standard output and
// counts as sent.
// 0 when sent. 1 when encoding fails (the association unchanged), the association is unknown (error 3 or 4),
// or the write fails: then the abort event is applied (KIV_TE_AABORT_IND, or KIV_OE_AABORT_IND for an
// origin), an SI_Abort "The Association has been aborted" is reported, and the association is forgotten
// with its trace entry. The registry is never locked while the write waits.
int SISendPdu(codec::z3950::PDU* pdu, KivAssocId assocId, SIError** error);
