// OCTET STRING and the character-string and time types, primitive and constructed.
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_primitives_segments.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {
constexpr BerSegmentKind kOctetSegments{0x04000000, 0x24000000, kBerOctetsSegmentEnded, kBerOctetsSegmentTag,
                                        false};
}  // namespace

uint32_t ASN_EncodeOctetStringContent(BerBuffer& buf, const BerOctets* value) {
    if (value->octets == nullptr || value->length <= 0) return 0;
    auto count = static_cast<uint32_t>(value->length);
    ASN_PutOctets(buf, value->octets, count);
    return count;
}

void ASN_DecodeOctetStringContent(BerBuffer& buf, BerTag tag, BerLength length, BerOctets* value,
                                  uint32_t& counter, BerDecodeContext& ctx) {
    if ((tag & kBerConstructedBit) != 0) {
        berGatherSegments(buf, length, kOctetSegments, counter, ctx);
        value->octets = berJoinSegments(ctx, size_t{ctx.segmentTotal} + 1);
        value->length = static_cast<int32_t>(ctx.segmentTotal);
        return;
    }
    berCheckContentsLength(buf, length, kBerOctetsEnded, ctx);
    auto count = static_cast<uint32_t>(length);
    value->octets = static_cast<uint8_t*>(ctx.alloc(size_t{count} + 1));  // zero-filled: the 0 terminator
    value->length = length;
    ASN_GetOctets(buf, value->octets, count);
    counter += count;
}
