#include "toolkit/codec/extensions/oid_overwrites_sil.h"

#include "toolkit/codec/extensions/sil.h"

namespace codec::extensions {

namespace {

using codec::records::CarriedType;
using codec::records::OidPlaceholder;

constexpr OidPlaceholder kPlaceholder{{0xFF, 0x37}, 2};

constexpr CarriedType kSilTypes[] = {
    CARRIED_TYPE(38, "1.2.840.10003.9.1000.70.1", kPlaceholder, codec::extensions, PrintExtendedService),
    CARRIED_TYPE(36, "1.2.840.10003.9.1000.70.2", kPlaceholder, codec::extensions, AlertExtendedService),
    CARRIED_TYPE(37, "1.2.840.10003.9.4.1000.70.1", kPlaceholder, codec::extensions, COrder),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kSilTypeTable{kSilTypes,
                                                               "ASN_MakeOid failed for oid_overwrites_sil\n"};

void RegisterSilTypes() {
    codec::records::registerCarriedTypes(kSilTypeTable);
}

}  // namespace codec::extensions
