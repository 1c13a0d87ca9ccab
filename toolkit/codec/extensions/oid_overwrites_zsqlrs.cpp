#include "toolkit/codec/extensions/oid_overwrites_zsqlrs.h"

#include "toolkit/codec/extensions/zsqlrs.h"

namespace codec::extensions {

namespace {

constexpr codec::records::CarriedType kZsqlrsTypes[] = {
    CARRIED_TYPE(43, "1.2.840.10003.5.111", (codec::records::OidPlaceholder{{0x3E}, 1}), codec::extensions,
                 SQLResultRecord),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kZsqlrsTypeTable{
    kZsqlrsTypes, "Fatal event: ASN_MakeOid failed for oid_overwrites_zsqlrs\n"};

void RegisterZsqlrsTypes() {
    codec::records::registerCarriedTypes(kZsqlrsTypeTable);
}

}  // namespace codec::extensions
