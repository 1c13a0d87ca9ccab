// The single-ASN1-type encoding of an EXTERNAL: dispatch to the converter of the content type, and raw
// content (type 8) in both directions.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_external_unknown_content.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/oid_text.h"

namespace {

constexpr size_t kFirstEncodeBlock = 5000;

// The encoded identifier of a dotted text, released with the object.
class EncodedOid {
  public:
    explicit EncodedOid(KivTextView text) { KivOidToCodec(&oid_, text); }
    ~EncodedOid() { ASN_FreeOid(&oid_); }
    EncodedOid(const EncodedOid&) = delete;
    EncodedOid& operator=(const EncodedOid&) = delete;
    const BerOid* get() const { return &oid_; }

  private:
    BerOid oid_{};
};

// Binds dst to the type registered under the identifier text. A known identifier whose registration fell
// to a placeholder (start-up ran out of memory) binds nothing, and its content cannot be encoded.
void bindContent(KivTextView oid, BerAny* dst) {
    KivRegisterCodecTypes();
    const EncodedOid encoded(oid);
    ASN_BindAnyByOid(dst, encoded.get());
    if (dst->entry == nullptr) throw KivConversionError{kKivToCodecNoMemory};
}

// The whole BER element of a single-ASN1-type value: the raw octets as they came, or a decoded value encoded
// again (a second time into a block of the size the first pass counted, when the first block is too small).
std::string contentElement(const BerAny* src) {
    if (src->entry == nullptr) {
        const auto* raw = static_cast<const BerOctets*>(src->value);
        if (raw->octets == nullptr || raw->length <= 0) return std::string();
        return std::string(reinterpret_cast<const char*>(raw->octets), static_cast<size_t>(raw->length));
    }
    BerAny value = *src;  // the encoder takes a mutable value; it does not change it
    std::vector<uint8_t> block(kFirstEncodeBlock);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    const uint32_t written = ASN_EncodeAny(buf, &value);
    if (buf.writeFailed != 0) {
        block.assign(written, 0);
        buf = berEncodeBuffer(block.data(), block.size());
        ASN_EncodeAny(buf, &value);
    }
    // The encoder writes backwards from the end of the block.
    return std::string(reinterpret_cast<const char*>(buf.start), reinterpret_cast<const char*>(buf.end));
}

}  // namespace

void KivSingleASN1TypeToCodec(KivTextView oid, BerAny* dst, const KivExternal* src) {
    const KivSingleASN1Type* content = src->uExternalValue.psSingleASN1Type.get();
    if (content == nullptr) return;
    if (content->eASN1Type == kKivRawContentType) {
        const KivOctets* raw = content->uASN1.psUnknownType.get();
        if (raw == nullptr) return;
        dst->entry = nullptr;
        auto* value = kivNewCodecRecord<BerOctets>();
        dst->value = value;
        KivOctetsToCodec(value, raw);
        return;
    }
    const KivExternalContentType* type = kivContentTypeOfASN1Type(content->eASN1Type);
    if (type == nullptr || !type->identifiedBy(oid.view())) return;
    bindContent(oid, dst);
    type->toCodec(dst, content);
}

void KivResetSlotPools() {}

void KivSingleASN1TypeFromCodec(KivTextView oid, KivExternal* dst, const BerAny* src) {
    dst->eValueType = EVT_SingleASN1Type;
    auto& content = dst->uExternalValue.psSingleASN1Type;
    kivFromCodec([&] { content = std::make_unique<KivSingleASN1Type>(); });
    // Only a value decoded through the registry has the codec type of its identifier's row.
    const KivExternalContentType* type = src->entry != nullptr ? kivContentTypeOfOid(oid.view()) : nullptr;
    if (type != nullptr) {
        type->fromCodec(content.get(), src);
    } else {
        KivUnknownTypeFromCodec(content.get(), src);
    }
}

void KivUnknownTypeFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = kKivRawContentType;
    kivFromCodec(
        [&] { dst->uASN1.psUnknownType = std::make_unique<KivOctets>(KivOctets{contentElement(src)}); });
    KivNoteUnknownContent();
}
