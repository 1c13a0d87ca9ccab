// Releasing the octets a decoded string, bit string or object identifier owns.
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/util/memory.h"

namespace {
// Frees the octets of any of the three two-field records and leaves it empty.
template <typename Record, typename Count>
void release(Record* value, Count Record::*count) {
    if (value == nullptr) return;
    MemFree(value->octets);
    value->octets = nullptr;
    value->*count = 0;
}
}  // namespace

void ASN_FreeOctetString(BerOctets* value) {
    release(value, &BerOctets::length);
}
void ASN_FreeBitString(BerBits* value) {
    release(value, &BerBits::bitCount);
}
void ASN_FreeOid(BerOid* value) {
    release(value, &BerOid::length);
}
