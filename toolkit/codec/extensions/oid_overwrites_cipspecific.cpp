#include "toolkit/codec/extensions/oid_overwrites_cipspecific.h"

#include "toolkit/codec/extensions/cipspecific.h"

namespace codec::extensions {

namespace {

using codec::records::CarriedType;
using codec::records::OidPlaceholder;

constexpr CarriedType kCipspecificTypes[] = {
    CARRIED_TYPE(45, "1.2.840.10003.2.1000.99.1", (OidPlaceholder{{0xFF, 0x37}, 2}), codec::extensions,
                 CIPSpecificInfo),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kCipspecificTypeTable{
    kCipspecificTypes, "Fatal event: ASN_MakeOid failed for oid_overwrites_cipspecific\n",
    codec::records::FailureStream::StandardOutput};

void RegisterCipspecificTypes() {
    codec::records::registerCarriedTypes(kCipspecificTypeTable);
}

}  // namespace codec::extensions
