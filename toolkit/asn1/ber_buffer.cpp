#include "toolkit/asn1/ber_buffer.h"

#include <cstring>

void ASN_PutOctets(BerBuffer& buf, const uint8_t* octets, uint32_t n) {
    if (static_cast<size_t>(buf.start - buf.blockStart) >= n) {
        buf.start -= n;
        if (n != 0) std::memcpy(buf.start, octets, n);
    } else {
        buf.writeFailed = 1;
    }
}

void ASN_GetOctets(BerBuffer& buf, uint8_t* into, uint32_t n) {
    size_t available = berRemaining(buf);
    if (available >= n) {
        if (n != 0) std::memcpy(into, buf.readPos, n);
        buf.readPos += n;
        return;
    }
    if (available != 0) std::memcpy(into, buf.readPos, available);
    buf.readPos = buf.end;
    buf.readFailed = 1;
}
