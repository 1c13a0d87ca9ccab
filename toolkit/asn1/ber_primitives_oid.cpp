// OBJECT IDENTIFIER contents, kept as encoded.
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"

uint32_t ASN_EncodeOidContent(BerBuffer& buf, const BerOid* value) {
    BerOctets octets{value->length, value->octets};
    return ASN_EncodeOctetStringContent(buf, &octets);
}

void ASN_DecodeOidContent(BerBuffer& buf, BerTag, BerLength length, BerOid* value, uint32_t& counter,
                          BerDecodeContext& ctx) {
    berCheckContentsLength(buf, length, kBerOidEnded, ctx);
    auto count = static_cast<uint32_t>(length);
    value->octets = static_cast<uint8_t*>(ctx.alloc(count));
    value->length = length;
    ASN_GetOctets(buf, value->octets, count);
    counter += count;
}
