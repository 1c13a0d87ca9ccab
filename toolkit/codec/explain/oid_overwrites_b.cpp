#include "toolkit/codec/explain/oid_overwrites_b.h"

#include "toolkit/codec/explain/explain_a.h"

namespace codec::explain {

namespace {

using codec::records::CarriedType;
using codec::records::OidPlaceholder;

constexpr CarriedType kTypes[] = {
    CARRIED_TYPE(1, "1.2.840.10003.5.100", (OidPlaceholder{{0x2A}, 1}), codec::explain, ExplainRecord),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kBTypeTable{
    kTypes, "Fatal event: ASN_MakeOid failed for oid_overwrites_b\n"};

void RegisterBTypes() {
    codec::records::registerCarriedTypes(kBTypeTable);
}

}  // namespace codec::explain
