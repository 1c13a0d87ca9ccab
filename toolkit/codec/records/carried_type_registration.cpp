#include "toolkit/codec/records/carried_type_registration.h"

#include <cstdio>

namespace codec::records {

void registerCarriedTypes(const CarriedTypeTable& table, OidConversion convert) {
    BerDecodeContext ctx(0);
    bool converting = true;
    for (const CarriedType& type : table.types) {
        BerOid oid{type.placeholder.length, const_cast<uint8_t*>(type.placeholder.octets)};
        BerOid converted{0, nullptr};
        if (converting && type.oidText != nullptr) {
            try {
                convert(type.oidText, &converted, ctx);
                oid = converted;
            } catch (const BerDecodeError&) {
                std::fputs(table.failureMessage,
                           table.failureStream == FailureStream::StandardOutput ? stdout : stderr);
                converting = false;
            }
        }
        ASN_RegisterAnyByOid(type.anyId, &oid, type.valueSize, type.encode, type.decode, type.free,
                             type.print);
        ASN_FreeOid(&converted);
    }
}

}  // namespace codec::records
