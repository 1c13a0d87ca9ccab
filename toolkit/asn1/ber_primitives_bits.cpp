// BIT STRING contents, primitive and constructed, and the single-bit helpers.
#include <algorithm>

#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_primitives_segments.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {

constexpr BerSegmentKind kBitSegments{0x03000000, 0x23000000, kBerBitsSegmentEnded, kBerBitsSegmentTag, true};

int32_t bitCountOf(uint32_t octets, uint32_t unused, BerDecodeContext& ctx) {
    int64_t bits = int64_t{8} * octets - unused;
    if (bits > INT32_MAX) ctx.raise(kBerBitsEnded);
    return static_cast<int32_t>(bits);
}

bool holdsBit(const BerBits* bits, int32_t n) {
    return bits != nullptr && n >= 0 && n < bits->bitCount;
}

uint8_t maskOf(int32_t n) {
    return static_cast<uint8_t>(0x80u >> (n % 8));
}

}  // namespace

uint32_t ASN_EncodeBitStringContent(BerBuffer& buf, const BerBits* value) {
    if (value->octets == nullptr || value->bitCount <= 0) {
        ASN_PutOctet(buf, 0);
        return 1;
    }
    auto bitCount = static_cast<uint32_t>(value->bitCount);
    uint32_t octets = (bitCount + 7) / 8;
    ASN_PutOctets(buf, value->octets, octets);
    ASN_PutOctet(buf, static_cast<uint8_t>((8 - bitCount % 8) % 8));
    return octets + 1;
}

void ASN_DecodeBitStringContent(BerBuffer& buf, BerTag tag, BerLength length, BerBits* value,
                                uint32_t& counter, BerDecodeContext& ctx) {
    if ((tag & kBerConstructedBit) != 0) {
        berGatherSegments(buf, length, kBitSegments, counter, ctx);
        int32_t bitCount = bitCountOf(ctx.segmentTotal, static_cast<uint32_t>(ctx.rememberedUnusedBits), ctx);
        value->octets = berJoinSegments(ctx, std::max<size_t>(ctx.segmentTotal, 1));
        value->bitCount = bitCount;
        return;
    }
    berCheckContentsLength(buf, length, kBerBitsEnded, ctx);
    if (length == 0) ctx.raise(kBerBitsEnded);
    auto octets = static_cast<uint32_t>(length) - 1;
    uint8_t unused = ASN_GetOctet(buf);
    if (unused > 7 || (unused != 0 && octets == 0)) ctx.raise(kBerBitsEnded);
    int32_t bitCount = bitCountOf(octets, unused, ctx);
    value->octets = static_cast<uint8_t*>(ctx.alloc(std::max<size_t>(octets, 1)));
    value->bitCount = bitCount;
    ASN_GetOctets(buf, value->octets, octets);
    counter += static_cast<uint32_t>(length);
}

void ASN_SetBitStringBit(BerBits* bits, int32_t n) {
    if (holdsBit(bits, n)) bits->octets[n / 8] |= maskOf(n);
}

void ASN_ClearBitStringBit(BerBits* bits, int32_t n) {
    if (holdsBit(bits, n)) bits->octets[n / 8] &= static_cast<uint8_t>(~maskOf(n));
}

int ASN_GetBitStringBit(const BerBits* bits, int32_t n) {
    return holdsBit(bits, n) && (bits->octets[n / 8] & maskOf(n)) != 0 ? 1 : 0;
}
