#include "toolkit/api/kiv_convert_external.h"

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external_nesting.h"

namespace {

// Throws code when this EXTERNAL lies deeper than the bound.
void checkDepth(const KivExternalLevel& level, int code) {
    if (!level.withinBound()) throw KivConversionError{code};
}

}  // namespace

// ---- Towards the codec ----

void KivExternalToCodec(codec::z3950::EXTERNAL* dst, const KivExternal* src) {
    const KivExternalLevel level;
    checkDepth(level, kKivToCodecNoMemory);
    KivOptionalOidToCodec(&dst->directReference, src->pcObjectIdentifier);
    const auto& value = src->uExternalValue;
    switch (src->eValueType) {
        case EVT_SingleASN1Type:
            KivSingleASN1TypeToCodec(src->pcObjectIdentifier, &dst->singleASN1Type, src);
            break;
        case EVT_OctetAligned:
            KivOctetsToCodec(&dst->octetAligned, value.psOctetAligned.get());
            break;
        case EVT_Arbitrary:
            if (value.psArbitrary) {
                KivBitStringToCodec(&dst->arbitrary, value.psArbitrary->pcValue, value.psArbitrary->ulLength);
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

// ---- From the codec ----

void KivExternalFromCodec(KivExternal* dst, const codec::z3950::EXTERNAL* src) {
    const KivExternalLevel level;
    checkDepth(level, kKivFromCodecNoMemory);
    KivOptionalOidFromCodec(&dst->pcObjectIdentifier, &src->directReference);
    auto& value = dst->uExternalValue;
    if (src->singleASN1Type.value != nullptr) {
        KivSingleASN1TypeFromCodec(dst->pcObjectIdentifier, dst, &src->singleASN1Type);
    }
    if (src->octetAligned.octets != nullptr) {
        dst->eValueType = EVT_OctetAligned;
        KivNewOctetsFromCodec(&value.psOctetAligned, &src->octetAligned);
    }
    if (src->arbitrary.octets != nullptr) {
        dst->eValueType = EVT_Arbitrary;
        kivFromCodec([&] { value.psArbitrary = std::make_unique<KivArbitrary>(); });
        value.psArbitrary->ulLength =
            static_cast<uint32_t>(src->arbitrary.bitCount > 0 ? src->arbitrary.bitCount : 0);
        KivBitStringFromCodec(&value.psArbitrary->pcValue, &src->arbitrary);
    }
}

void KivNewExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src) {
    kivFromCodec([&] { *dst = std::make_unique<KivExternal>(); });
    KivExternalFromCodec(dst->get(), src);
}

void KivOptionalExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src) {
    if (src != nullptr) KivNewExternalFromCodec(dst, src);
}
