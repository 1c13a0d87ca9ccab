#include "toolkit/codec/extensions/oid_overwrites_charset.h"

#include "toolkit/codec/extensions/charset.h"
#include "toolkit/codec/extensions/charset3.h"

namespace codec::extensions {

namespace {

constexpr codec::records::CarriedType kCharsetTypes[] = {
    CARRIED_TYPE(39, "1.2.840.10003.10.2", (codec::records::OidPlaceholder{{0x3E}, 1}), codec::extensions,
                 CharSetandLanguageNegotiation),
    CARRIED_TYPE(40, "1.2.840.10003.15.3", (codec::records::OidPlaceholder{{0x3E, 0x33}, 2}),
                 codec::extensions, CharSetandLanguageNegotiationV3),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kCharsetTypeTable{
    kCharsetTypes, "Fatal event: ASN_MakeOid failed for oid_overwrites_charset\n"};

void RegisterCharsetTypes() {
    codec::records::registerCarriedTypes(kCharsetTypeTable);
}

}  // namespace codec::extensions
