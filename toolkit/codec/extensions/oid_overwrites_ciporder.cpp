#include "toolkit/codec/extensions/oid_overwrites_ciporder.h"

#include "toolkit/codec/extensions/ciporder.h"

namespace codec::extensions {

namespace {

using codec::records::CarriedType;
using codec::records::OidPlaceholder;

constexpr CarriedType kCiporderTypes[] = {
    CARRIED_TYPE(44, "1.2.840.10003.9.1000.99.1", (OidPlaceholder{{0xFF, 0x37}, 2}), codec::extensions,
                 CipBItemOrder),
};

}  // namespace

constinit const codec::records::CarriedTypeTable kCiporderTypeTable{
    kCiporderTypes, "Fatal event: ASN_MakeOid failed for oid_overwrites_ciporder\n",
    codec::records::FailureStream::StandardOutput};

void RegisterCiporderTypes() {
    codec::records::registerCarriedTypes(kCiporderTypeTable);
}

}  // namespace codec::extensions
