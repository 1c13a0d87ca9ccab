#include "toolkit/asn1/ber_primitives_segments.h"

#include <cstring>

#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {

void takeSegment(BerBuffer& buf, BerLength length, const BerSegmentKind& kind, uint32_t& consumed,
                 BerDecodeContext& ctx) {
    berCheckContentsLength(buf, length, kind.segmentEnded, ctx);
    const uint8_t* octets = buf.readPos;
    auto count = static_cast<uint32_t>(length);
    buf.readPos += count;
    consumed += count;
    if (kind.unusedBits) {
        if (count == 0) ctx.raise(kind.segmentEnded);
        if (ctx.rememberedUnusedBits != 0) ctx.raise(kBerBitsSegmentAfterUnused);
        uint8_t unused = *octets++;
        --count;
        if (unused > 7 || (unused != 0 && count == 0)) ctx.raise(kBerBitsEnded);
        ctx.rememberedUnusedBits = unused;
    }
    ctx.segments.push_back(BerSegment{octets, count});
    ctx.segmentTotal += count;
}

void gather(BerBuffer& buf, BerLength length, const BerSegmentKind& kind, uint32_t& counter,
            BerDecodeContext& ctx) {
    BerNestingGuard level(ctx);
    bool indefinite = length == -1;
    if (!indefinite) berCheckContentsLength(buf, length, kind.segmentEnded, ctx);
    auto limit = static_cast<uint32_t>(length);
    uint32_t consumed = 0;
    while (indefinite || consumed < limit) {
        BerTag tag = ASN_DecodeTag(buf, consumed, ctx);
        if (tag == 0 && indefinite) {
            uint8_t second = ASN_GetOctet(buf);
            if (second != 0 || buf.readFailed) ctx.raise(kBerBadEndOfContents);
            ++consumed;
            break;
        }
        BerLength segmentLength = ASN_DecodeLength(buf, consumed, ctx);
        if (tag == kind.constructed) {
            gather(buf, segmentLength, kind, consumed, ctx);
        } else if (tag == kind.primitive) {
            takeSegment(buf, segmentLength, kind, consumed, ctx);
        } else {
            ctx.raise(kind.segmentTag);
        }
        if (!indefinite && consumed > limit) ctx.raise(kind.segmentEnded);
    }
    counter += consumed;
}

}  // namespace

void berGatherSegments(BerBuffer& buf, BerLength length, const BerSegmentKind& kind, uint32_t& counter,
                       BerDecodeContext& ctx) {
    ctx.segments.clear();
    ctx.segmentTotal = 0;
    ctx.rememberedUnusedBits = 0;
    gather(buf, length, kind, counter, ctx);
}

uint8_t* berJoinSegments(BerDecodeContext& ctx, size_t size) {
    auto* joined = static_cast<uint8_t*>(ctx.alloc(size));
    uint8_t* at = joined;
    for (const BerSegment& segment : ctx.segments) {
        if (segment.count != 0) std::memcpy(at, segment.octets, segment.count);
        at += segment.count;
    }
    return joined;
}
