// EXTERNAL conversion for content the toolkit does not convert into structures of its own: the octet-aligned
// and arbitrary encodings, and a single-ASN1-type value, which reaches the application as its raw BER
// element (content type 8). Towards the codec a single-ASN1-type value is not converted.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/asn1/ber_any.h"

namespace {

constexpr int32_t kRawContentType = 8;
constexpr size_t kFirstEncodeBlock = 5000;

// The BER element of a single-ASN1-type value: the raw octets as they came, or a decoded value encoded again.
std::string rawElement(const BerAny& any) {
    if (any.entry == nullptr) {
        const auto* raw = static_cast<const BerOctets*>(any.value);
        if (raw->octets == nullptr) return std::string();
        return std::string(reinterpret_cast<const char*>(raw->octets), static_cast<size_t>(raw->length));
    }
    BerAny copy = any;  // the encoder takes a mutable value; it does not change it
    for (size_t size = kFirstEncodeBlock;; size *= 2) {
        std::vector<uint8_t> block(size);
        BerBuffer buf = berEncodeBuffer(block.data(), block.size());
        const uint32_t written = ASN_EncodeAny(buf, &copy);
        if (buf.writeFailed == 0) return std::string(reinterpret_cast<const char*>(buf.start), written);
    }
}

}  // namespace

void KivExternalToCodec(codec::z3950::EXTERNAL* dst, const KivExternal* src) {
    KivOptionalOidToCodec(&dst->directReference, src->pcObjectIdentifier);
    switch (src->eValueType) {
        case EVT_OctetAligned:
            KivOctetsToCodec(&dst->octetAligned, src->uExternalValue.psOctetAligned.get());
            break;
        case EVT_Arbitrary:
            if (const KivArbitrary* arbitrary = src->uExternalValue.psArbitrary.get(); arbitrary != nullptr) {
                KivBitStringToCodec(&dst->arbitrary, arbitrary->pcValue, arbitrary->ulLength);
            }
            break;
        default:
            break;
    }
}

void KivNewExternalToCodec(codec::z3950::EXTERNAL** dst, const KivExternal* src) {
    *dst = kivNewCodecRecord<codec::z3950::EXTERNAL>();
    KivExternalToCodec(*dst, src);
}

void KivOptionalExternalToCodec(codec::z3950::EXTERNAL** dst, const KivExternal* src) {
    if (src != nullptr) KivNewExternalToCodec(dst, src);
}

void KivExternalFromCodec(KivExternal* dst, const codec::z3950::EXTERNAL* src) {
    KivOptionalOidFromCodec(&dst->pcObjectIdentifier, &src->directReference);
    kivFromCodec([&] {
        if (src->singleASN1Type.value != nullptr) {
            dst->eValueType = EVT_SingleASN1Type;
            auto single = std::make_unique<KivSingleASN1Type>();
            single->eASN1Type = kRawContentType;
            single->uASN1.psUnknownType =
                std::make_unique<KivOctets>(KivOctets{rawElement(src->singleASN1Type)});
            dst->uExternalValue.psSingleASN1Type = std::move(single);
        }
        if (src->octetAligned.octets != nullptr) {
            dst->eValueType = EVT_OctetAligned;
            KivNewOctetsFromCodec(&dst->uExternalValue.psOctetAligned, &src->octetAligned);
        }
        if (src->arbitrary.octets != nullptr) {
            dst->eValueType = EVT_Arbitrary;
            auto arbitrary = std::make_unique<KivArbitrary>();
            arbitrary->ulLength = static_cast<uint32_t>(src->arbitrary.bitCount);
            KivBitStringFromCodec(&arbitrary->pcValue, &src->arbitrary);
            dst->uExternalValue.psArbitrary = std::move(arbitrary);
        }
    });
}

void KivNewExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src) {
    kivFromCodec([&] { *dst = std::make_unique<KivExternal>(); });
    KivExternalFromCodec(dst->get(), src);
}

void KivOptionalExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src) {
    if (src != nullptr) KivNewExternalFromCodec(dst, src);
}
