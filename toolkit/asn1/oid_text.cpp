#include "toolkit/asn1/oid_text.h"

#include <cstdint>
#include <limits>
#include <new>

#include "toolkit/util/memory.h"
#include "toolkit/util/oid_arcs.h"

namespace {

constexpr size_t kMaxOidTextChars = 4999;

// Gives out a zero-filled block of count octets (one octet when count is 0).
void ASN_AllocOidOctets(int64_t count, BerOid* out, BerDecodeContext& ctx) {
    if (count > std::numeric_limits<int32_t>::max()) ctx.raise(kBerNoMemory);
    auto* octets = static_cast<uint8_t*>(MemAlloc(static_cast<int32_t>(count)));
    if (octets == nullptr) ctx.raise(kBerNoMemory);
    out->length = static_cast<int32_t>(count);
    out->octets = octets;
}

}  // namespace

void ASN_MakeOid(const char* text, BerOid* out, BerDecodeContext& ctx) {
    OidArcs arcs;
    try {
        arcs = oidArcsFromText(text);
    } catch (const std::bad_alloc&) {
        ctx.raise(kBerNoMemory);
    }
    ASN_AllocOidOctets(oidArcsOctetCount(arcs), out, ctx);
    oidWriteArcs(arcs, out->octets);
}

std::string ASN_OidToText(const BerOid* oid) {
    if (oid == nullptr) return oidOctetsToText(nullptr, 0, kMaxOidTextChars);
    return oidOctetsToText(oid->octets, oid->length, kMaxOidTextChars);
}
