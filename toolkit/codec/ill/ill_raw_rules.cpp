// Which ANY values of the ILL module are decoded through the registry and which are kept as raw elements.

#include "toolkit/codec/ill/ill.h"

#include "toolkit/asn1/known_oids.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/oid_text.h"

namespace codec::ill {

namespace {

constexpr int kDecodedExtension = 800;

}  // namespace

int KivIsRawIllExtension(BerInteger key) {
    return key != kDecodedExtension ? 1 : 0;
}

int isRawDeliveryParameters(const BerOid* key) {
    if (key->octets == nullptr) return 1;
    BerAny probe{nullptr, nullptr};
    ASN_BindAnyByOid(&probe, key);
    bool known = KivIsUnknownExternalOid(ASN_OidToText(key).c_str()) == 0;
    return known && probe.entry != nullptr && probe.entry->decode != nullptr ? 0 : 1;
}

}  // namespace codec::ill
