// The runtime's stand-alone EXTERNAL codec.
#include "toolkit/asn1/ber_external.h"

#include "toolkit/asn1/ber_external_members.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/util/memory.h"

namespace {

constexpr uint8_t kExternalId = 0x28;
constexpr BerTag kExternalTag = BerTag{kExternalId} << 24;
constexpr BerTag kOidTag = 0x06000000;
constexpr BerTag kIntegerTag = 0x02000000;
constexpr BerTag kDescriptorTag = 0x07000000;
constexpr BerTag kOctetStringTag = 0x04000000;
constexpr BerTag kSingleTag = 0xA0000000;
constexpr BerTag kOctetAlignedTag = 0x81000000;
constexpr BerTag kArbitraryTag = 0x82000000;

uint32_t encodeEncoding(BerBuffer& buf, const BerExternalEncoding& encoding) {
    switch (encoding.which) {
        case BerExternalEncodingKind::kSingleAsn1Type:
            return ASN_WrapExternalMember(buf, ASN_EncodeOctetString(buf, &encoding.singleAsn1Type), 0xA0);
        case BerExternalEncodingKind::kOctetAligned:
            return ASN_WrapExternalMember(buf, ASN_EncodeOctetStringContent(buf, &encoding.octetAligned),
                                          0x81);
        case BerExternalEncodingKind::kArbitrary:
            return ASN_WrapExternalMember(buf, ASN_EncodeBitStringContent(buf, &encoding.arbitrary), 0x82);
        case BerExternalEncodingKind::kNone:
            break;
    }
    return 0;
}

// Reads the identifier of the next component into tag; false when the value has ended instead: at its
// definite length, or at the end-of-contents marker of an indefinite one. -66 when a member overran the
// length.
bool nextComponent(BerBuffer& buf, BerLength length, uint32_t& local, BerTag& tag, BerDecodeContext& ctx) {
    if (length >= 0 && local > static_cast<uint32_t>(length)) ctx.raise(kBerExternalLengthMismatch);
    if (length >= 0 && local == static_cast<uint32_t>(length)) return false;
    tag = ASN_DecodeTag(buf, local, ctx);
    if (length >= 0 || tag != 0) return true;
    uint8_t second = ASN_GetOctet(buf);
    if (second != 0 || buf.readFailed != 0) ctx.raise(kBerBadEndOfContents);
    ++local;
    return false;
}

// Raises -66 unless a definite length is no more than the octets that remain.
void checkDefinite(const BerBuffer& buf, BerLength length, BerDecodeContext& ctx) {
    if (length >= 0) berCheckContentsLength(buf, length, kBerExternalLengthMismatch, ctx);
}

// The single-ASN1-type alternative after its [0] identifier: an OCTET STRING, whole.
void decodeSingle(BerBuffer& buf, BerOctets* value, uint32_t& local, BerDecodeContext& ctx) {
    BerNestingGuard guard(ctx);
    BerLength outer = ASN_DecodeLength(buf, local, ctx);
    checkDefinite(buf, outer, ctx);
    uint32_t inner = 0;
    BerTag tag = ASN_DecodeTag(buf, inner, ctx);
    if ((tag & ~kBerConstructedBit) != kOctetStringTag) ctx.raise(kBerExternalNotOctets);
    BerLength length = ASN_DecodeLength(buf, inner, ctx);
    ASN_DecodeOctetStringContent(buf, tag, length, value, inner, ctx);
    if (outer < 0) {
        ASN_DecodeEndOfContents(buf, inner, ctx);
    } else if (inner != static_cast<uint32_t>(outer)) {
        ctx.raise(kBerExternalLengthMismatch);
    }
    local += inner;
}

void decodeEncoding(BerBuffer& buf, BerTag tag, BerExternalEncoding& encoding, uint32_t& local,
                    BerDecodeContext& ctx) {
    BerTag form = tag & ~kBerConstructedBit;
    if (tag == kSingleTag) {  // [0] is EXPLICIT: constructed only
        encoding.which = BerExternalEncodingKind::kSingleAsn1Type;
        decodeSingle(buf, &encoding.singleAsn1Type, local, ctx);
    } else if (form == kOctetAlignedTag) {
        encoding.which = BerExternalEncodingKind::kOctetAligned;
        ASN_DecodeOctetStringContent(buf, tag, ASN_DecodeLength(buf, local, ctx), &encoding.octetAligned,
                                     local, ctx);
    } else if (form == kArbitraryTag) {
        encoding.which = BerExternalEncodingKind::kArbitrary;
        ASN_DecodeBitStringContent(buf, tag, ASN_DecodeLength(buf, local, ctx), &encoding.arbitrary, local,
                                   ctx);
    } else {
        ctx.raise(kBerExternalUnknownEncoding);
    }
}

}  // namespace

uint32_t ASN_EncodeExternal(BerBuffer& buf, const BerExternal* value) {
    uint32_t contents = encodeEncoding(buf, value->encoding);
    contents += ASN_EncodeExternalReferences(buf, &value->directReference, value->indirectReference,
                                             &value->dataValueDescriptor);
    return ASN_WrapExternalMember(buf, contents, kExternalId);
}

void ASN_DecodeExternal(BerBuffer& buf, BerExternal* value, uint32_t& counter, BerDecodeContext& ctx) {
    BerNestingGuard guard(ctx);
    uint32_t local = 0;
    if (ASN_DecodeTag(buf, local, ctx) != kExternalTag) ctx.raise(kBerExternalWrongTag);
    BerLength length = ASN_DecodeLength(buf, local, ctx);
    checkDefinite(buf, length, ctx);
    // The members' count starts after the EXTERNAL's own identifier and length.
    uint32_t header = local;
    uint32_t members = 0;
    BerTag tag = 0;
    bool more = nextComponent(buf, length, members, tag, ctx);
    if (more && tag == kOidTag) {
        ASN_DecodeOidContent(buf, tag, ASN_DecodeLength(buf, members, ctx), &value->directReference, members,
                             ctx);
        more = nextComponent(buf, length, members, tag, ctx);
    }
    if (more && tag == kIntegerTag) {
        value->indirectReference = ctx.allocRecord<BerInteger>();
        ASN_DecodeIntegerContent(buf, tag, ASN_DecodeLength(buf, members, ctx), value->indirectReference,
                                 members, ctx);
        more = nextComponent(buf, length, members, tag, ctx);
    }
    if (more && (tag & ~kBerConstructedBit) == kDescriptorTag) {
        ASN_DecodeOctetStringContent(buf, tag, ASN_DecodeLength(buf, members, ctx),
                                     &value->dataValueDescriptor, members, ctx);
        more = nextComponent(buf, length, members, tag, ctx);
    }
    if (!more) ctx.raise(kBerExternalNoEncoding);
    decodeEncoding(buf, tag, value->encoding, members, ctx);
    if (length < 0) {
        ASN_DecodeEndOfContents(buf, members, ctx);
    } else if (members != static_cast<uint32_t>(length)) {
        ctx.raise(kBerExternalLengthMismatch);
    }
    counter += header + members;
}

void ASN_PrintExternal(std::FILE* out, const BerExternal* value, uint16_t indent) {
    std::fputs("{ -- SEQUENCE --\n", out);
    bool first = true;
    ASN_PrintExternalReferences(out, first, indent, &value->directReference, value->indirectReference,
                                &value->dataValueDescriptor);
    const BerExternalEncoding& encoding = value->encoding;
    switch (encoding.which) {
        case BerExternalEncodingKind::kSingleAsn1Type:
            ASN_PrintExternalLabel(out, first, indent, "encoding single-ASN1-type ");
            ASN_PrintOctetString(out, &encoding.singleAsn1Type);
            break;
        case BerExternalEncodingKind::kOctetAligned:
            ASN_PrintExternalLabel(out, first, indent, "encoding octet-aligned ");
            ASN_PrintOctetString(out, &encoding.octetAligned);
            break;
        case BerExternalEncodingKind::kArbitrary:
            ASN_PrintExternalLabel(out, first, indent, "encoding arbitrary ");
            ASN_PrintBitString(out, &encoding.arbitrary);
            break;
        case BerExternalEncodingKind::kNone:
            break;
    }
    std::fputc('\n', out);
    ASN_PrintIndent(out, indent);
    std::fputc('}', out);
}

void ASN_FreeExternal(BerExternal* value) {
    if (value == nullptr) return;
    ASN_FreeOid(&value->directReference);
    MemFree(value->indirectReference);
    value->indirectReference = nullptr;
    ASN_FreeOctetString(&value->dataValueDescriptor);
    ASN_FreeOctetString(&value->encoding.singleAsn1Type);
    ASN_FreeOctetString(&value->encoding.octetAligned);
    ASN_FreeBitString(&value->encoding.arbitrary);
    value->encoding.which = BerExternalEncodingKind::kNone;
}
