#include "toolkit/external/kiv_carried_lists.h"

#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/oid_text.h"

void KivFillOidListFromCodec(KivArray<std::string>* dst, const BerList* src) {
    KivArrayFromCodec<BerOid>(dst, src,
                              [](std::string* text, const BerOid& oid) { *text = ASN_OidToText(&oid); });
}
