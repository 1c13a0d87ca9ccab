#include "toolkit/codec/z3950/apdu_encode.h"

#include "toolkit/asn1/ber_buffer.h"

namespace codec::z3950 {

std::vector<uint8_t> encodeApdu(PDU* pdu) {
    std::vector<uint8_t> block(kApduFirstBlock);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    uint32_t size = EncodePDU(buf, pdu);
    if (!buf.writeFailed) return std::vector<uint8_t>(buf.start, buf.end);
    // Overflow never stops the encoder, so the first pass counted every octet of the APDU.
    block.assign(size, 0);
    buf = berEncodeBuffer(block.data(), block.size());
    EncodePDU(buf, pdu);
    return block;
}

}  // namespace codec::z3950
