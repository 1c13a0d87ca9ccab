#include "toolkit/codec/extensions/oid_overwrites_charset.h"

#include "toolkit/codec/extensions/charset.h"

namespace codec::extensions {

namespace {

constexpr codec::records::CarriedType kTypes[] = {
    CARRIED_TYPE(39, "1.2.840.10003.10.2", (codec::records::OidPlaceholder{{0x3E}, 1}), codec::extensions,
                 CharSetandLanguageNegotiation),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kCharsetTypeTable{
    kTypes, "Fatal event: ASN_MakeOid failed for oid_overwrites_charset\n"};

void RegisterCharsetTypes() {
    codec::records::registerCarriedTypes(kCharsetTypeTable);
}

}  // namespace codec::extensions
