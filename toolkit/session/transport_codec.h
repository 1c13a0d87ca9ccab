#pragma once
// Whole APDUs between the codec's PDU holder and octets. The first encode or decode of the process runs the
// codec's type registration.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/util/si_error.h"

// Encodes the holder into *octets and frees the codec structure it points to, in every case. An APDU larger
// than the first block of 5000 octets is encoded once more at its exact size, after the line "Encode Buffer
// too small - Reallocing...\n" (Trace_Low). 0 on success; 1 for a holder that names no APDU (error 7) or
// when memory runs out (error 75), with *octets empty.
int SIEncodePdu(KivAssocId assocId, codec::z3950::PDU* pdu, std::vector<uint8_t>* octets, SIError** error);

// Decodes the first BER element of the octets into *pdu, which the caller frees with FreePDU; octets after
// the element are ignored. 0 when decoded, also for an identifier that is no APDU (pdu->choiceId is then
// PDU::kAlternatives and nothing is allocated). 1 with error 60 "The received PDU could not be decoded" when
// the octets hold no whole element, the element is longer than the association's APDU cap
// (transport_message_size.h) or the decoder refuses it; *pdu then holds nothing.
int SIDecodePdu(KivAssocId assocId, const uint8_t* octets, size_t length, codec::z3950::PDU* pdu,
                SIError** error);
