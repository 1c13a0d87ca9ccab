#include "toolkit/codec/ill/oid_overwrites_ill.h"

#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/codec/ill/ill_extension799.h"
#include "toolkit/codec/ill/ill_extension800.h"

namespace codec::ill {

namespace {

constexpr codec::records::OidPlaceholder kIllPlaceholder{{0xFF, 0x37}, 2};

constexpr codec::records::CarriedType kTypes[] = {
    CARRIED_TYPE(34, "1.2.10161.2.1", kIllPlaceholder, codec::ill, ILLAPDU),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kIllTypeTable{
    kTypes, "Fatal event: ASN_MakeOid failed for oid_overwrites_ill\n"};

void RegisterIllTypes() {
    codec::records::registerCarriedTypes(kIllTypeTable);
}

void RegisterIllExtension800Types() {
    ASN_RegisterAnyByInt(38, 800, sizeof(IllExtension800), any::EncodeIllExtension800, any::DecodeIllExtension800,
                         any::FreeIllExtension800, any::PrintIllExtension800);
}

void RegisterIllExtension799Types() {
    ASN_RegisterAnyByInt(33, 799, sizeof(IllExtension799), any::EncodeIllExtension799, any::DecodeIllExtension799,
                         any::FreeIllExtension799, any::PrintIllExtension799);
}

}  // namespace codec::ill
