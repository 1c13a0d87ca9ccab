#include "toolkit/codec/z3950/external.h"

#include <string>

#include "toolkit/asn1/known_oids.h"
#include "toolkit/asn1/ber_external_members.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/asn1/oid_text.h"
#include "toolkit/util/memory.h"

namespace codec::z3950 {

namespace {

constexpr BerTag kTagOid = 0x06000000;
constexpr BerTag kTagInteger = 0x02000000;
constexpr BerTag kTagDescriptor = 0x07000000;
constexpr BerTag kTagDescriptorConstructed = 0x27000000;
constexpr BerTag kTagSingle = 0xA0000000;
constexpr BerTag kTagOctetAligned = 0x81000000;
constexpr BerTag kTagOctetAlignedConstructed = 0xA1000000;
constexpr BerTag kTagArbitrary = 0x82000000;
constexpr BerTag kTagArbitraryConstructed = 0xA2000000;

// Walks the members of one EXTERNAL's contents, keeping the local count.
class ExternalReader {
  public:
    ExternalReader(BerBuffer& buf, BerLength length, BerDecodeContext& ctx)
        : buf_(buf), length_(length), ctx_(ctx) {}

    // Reads the identifier of the next member into tag; false when the value is complete: a definite length
    // is used up, or the end-of-contents of an indefinite one has been read.
    bool next() {
        if (length_ >= 0) {
            if (count >= static_cast<uint32_t>(length_)) return false;
            tag = ASN_DecodeTag(buf_, count, ctx_);
            return true;
        }
        tag = ASN_DecodeTag(buf_, count, ctx_);
        if (tag != 0) return true;
        uint8_t second = ASN_GetOctet(buf_);
        if (second != 0 || buf_.readFailed) BerDecodeContext::raise(kBerBadEndOfContents);
        ++count;
        return false;
    }

    BerLength readLength() { return ASN_DecodeLength(buf_, count, ctx_); }

    // After the last member: the end-of-contents of an indefinite length, or a definite length matched.
    void finish() {
        if (length_ < 0) {
            ASN_DecodeEndOfContents(buf_, count, ctx_);
        } else if (count != static_cast<uint32_t>(length_)) {
            BerDecodeContext::raise(kExternalLengthMismatch);
        }
    }

    // A definite length left unmatched when the members ran out before it.
    void checkDefinite() const {
        if (length_ >= 0 && count != static_cast<uint32_t>(length_)) {
            BerDecodeContext::raise(kExternalLengthMismatch);
        }
    }

    BerTag tag = 0;
    uint32_t count = 0;

  private:
    BerBuffer& buf_;
    BerLength length_;
    BerDecodeContext& ctx_;
};

// The [0] of single-ASN1-type: its value through the registry when the OID is a known carried type with a
// registered decoder, otherwise the inner element kept raw.
void decodeSingle(BerBuffer& buf, ExternalReader& reader, EXTERNAL* value, BerDecodeContext& ctx) {
    BerLength outer = reader.readLength();
    uint32_t before = reader.count;
    BerAny* any = &value->singleASN1Type;
    ASN_BindAnyByOid(any, &value->directReference);
    bool known = KivIsUnknownExternalOid(ASN_OidToText(&value->directReference).c_str()) == 0;
    if (known && any->entry != nullptr && any->entry->decode != nullptr) {
        ASN_DecodeAny(buf, any, reader.count, ctx);
    } else {
        ASN_DecodeRawAny(buf, any, outer, reader.count, ctx, kExternalBadIdentifier);
    }
    if (outer < 0) {
        ASN_DecodeEndOfContents(buf, reader.count, ctx);
    } else if (reader.count - before != static_cast<uint32_t>(outer)) {
        BerDecodeContext::raise(kExternalLengthMismatch);
    }
}

}  // namespace

uint32_t EncodeEXTERNALContent(BerBuffer& buf, EXTERNAL* value) {
    uint32_t total = 0;
    if (value->arbitrary.octets != nullptr) {
        total += ASN_WrapExternalMember(buf, ASN_EncodeBitStringContent(buf, &value->arbitrary), 0x82);
    }
    if (value->octetAligned.octets != nullptr) {
        total += ASN_WrapExternalMember(buf, ASN_EncodeOctetStringContent(buf, &value->octetAligned), 0x81);
    }
    if (value->singleASN1Type.value != nullptr) {
        total += ASN_WrapExternalMember(buf, ASN_EncodeAny(buf, &value->singleASN1Type), 0xA0);
    }
    total += ASN_EncodeExternalReferences(buf, &value->directReference, value->indirectReference,
                                          &value->dataValueDescriptor);
    return total;
}

void DecodeEXTERNALContent(BerBuffer& buf, BerTag /*tag*/, BerLength length, EXTERNAL* value,
                           uint32_t& counter, BerDecodeContext& ctx) {
    BerNestingGuard nesting(ctx);
    ExternalReader reader(buf, length, ctx);
    bool more = reader.next();
    if (more && reader.tag == kTagOid) {
        ASN_DecodeOidContent(buf, reader.tag, reader.readLength(), &value->directReference, reader.count,
                             ctx);
        more = reader.next();
    }
    if (more && reader.tag == kTagInteger) {
        value->indirectReference = ctx.allocRecord<BerInteger>();
        ASN_DecodeIntegerContent(buf, reader.tag, reader.readLength(), value->indirectReference, reader.count,
                                 ctx);
        more = reader.next();
    }
    if (more && (reader.tag == kTagDescriptor || reader.tag == kTagDescriptorConstructed)) {
        ASN_DecodeOctetStringContent(buf, reader.tag, reader.readLength(), &value->dataValueDescriptor,
                                     reader.count, ctx);
        more = reader.next();
    }
    if (more && reader.tag == kTagSingle) {
        decodeSingle(buf, reader, value, ctx);
        more = reader.next();
    }
    if (more && (reader.tag == kTagOctetAligned || reader.tag == kTagOctetAlignedConstructed)) {
        ASN_DecodeOctetStringContent(buf, reader.tag, reader.readLength(), &value->octetAligned, reader.count,
                                     ctx);
        more = reader.next();
    }
    if (more) {
        if (reader.tag != kTagArbitrary && reader.tag != kTagArbitraryConstructed) {
            BerDecodeContext::raise(kExternalBadIdentifier);
        }
        ASN_DecodeBitStringContent(buf, reader.tag, reader.readLength(), &value->arbitrary, reader.count,
                                   ctx);
        reader.finish();
    } else {
        reader.checkDefinite();
    }
    counter += reader.count;
}

void PrintEXTERNAL(std::FILE* out, EXTERNAL* value, uint16_t indent) {
    if (value == nullptr) return;
    std::fputs("{ -- SEQUENCE --\n", out);
    bool first = true;
    ASN_PrintExternalReferences(out, first, indent, &value->directReference, value->indirectReference,
                                &value->dataValueDescriptor);
    if (value->singleASN1Type.value != nullptr) {
        ASN_PrintExternalLabel(out, first, indent, "single-ASN1-type ");
        ASN_PrintAny(out, &value->singleASN1Type, static_cast<uint16_t>(indent + kBerIndentStep));
    }
    if (value->octetAligned.octets != nullptr) {
        ASN_PrintExternalLabel(out, first, indent, "octet-aligned ");
        ASN_PrintOctetString(out, &value->octetAligned);
    }
    if (value->arbitrary.octets != nullptr) {
        ASN_PrintExternalLabel(out, first, indent, "arbitrary ");
        ASN_PrintBitString(out, &value->arbitrary);
    }
    std::fputs("\n", out);
    ASN_PrintIndent(out, indent);
    std::fputs("}", out);
}

void FreeEXTERNAL(EXTERNAL* value) {
    if (value == nullptr) return;
    ASN_FreeOid(&value->directReference);
    MemFree(value->indirectReference);
    value->indirectReference = nullptr;
    ASN_FreeOctetString(&value->dataValueDescriptor);
    ASN_FreeAny(&value->singleASN1Type);
    ASN_FreeOctetString(&value->octetAligned);
    ASN_FreeBitString(&value->arbitrary);
}

}  // namespace codec::z3950
