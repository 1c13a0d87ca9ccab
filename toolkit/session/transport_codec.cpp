#include "toolkit/session/transport_codec.h"

#include <algorithm>
#include <limits>
#include <new>

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/codec/z3950/apdu_encode.h"
#include "toolkit/session/trace_registry.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_message_size.h"
#include "toolkit/util/ber_element_check.h"

using codec::z3950::PDU;

int SIEncodePdu(KivAssocId assocId, PDU* pdu, std::vector<uint8_t>* octets, SIError** error) {
    KivRegisterCodecTypes();
    octets->clear();
    int result = 0;
    try {
        *octets = codec::z3950::encodeApdu(pdu);
        if (octets->empty()) {
            siReportInvalidParameters(assocId, "SIEncodePdu: the PDU holder names no APDU", Association_Open,
                                      error);
            result = 1;
        } else if (octets->size() > codec::z3950::kApduFirstBlock) {
            SITraceWrite(assocId, Trace_Low, "Encode Buffer too small - Reallocing...\n");
        }
    } catch (const std::bad_alloc&) {
        octets->clear();
        result = KivReportOutOfMemory(assocId, error);
    }
    codec::z3950::FreePDU(pdu);
    return result;
}

int SIDecodePdu(KivAssocId assocId, const uint8_t* octets, size_t length, PDU* pdu, SIError** error) {
    KivRegisterCodecTypes();
    *pdu = PDU{};
    int32_t elementLength = 0;
    const size_t examined = std::min<size_t>(length, std::numeric_limits<int32_t>::max());
    if (BerDirElementComplete(octets, static_cast<int32_t>(examined), &elementLength) !=
            kBerElementComplete ||
        static_cast<size_t>(elementLength) > siReceivedApduCap(assocId)) {
        siReportUndecodable(assocId, error);
        return 1;
    }
    BerBuffer buf = berDecodeBuffer(octets, static_cast<size_t>(elementLength));
    BerDecodeContext ctx(static_cast<size_t>(elementLength));
    uint32_t counter = 0;
    try {
        codec::z3950::DecodePDU(buf, pdu, counter, ctx);
        if (buf.readFailed == 0) return 0;
    } catch (const BerDecodeError& fault) {
        // -266 is the APDU module's "no such APDU" only at the top; inner modules raise it for faults of
        // their own.
        if (fault.code == kBerUnknownPdu && pdu->choiceId == PDU::kAlternatives) return 0;
    } catch (const std::bad_alloc&) {
    }
    codec::z3950::FreePDU(pdu);
    *pdu = PDU{};
    siReportUndecodable(assocId, error);
    return 1;
}
