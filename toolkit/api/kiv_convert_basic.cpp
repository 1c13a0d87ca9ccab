#include "toolkit/api/kiv_convert_basic.h"

#include <cstddef>
#include <limits>
#include <string_view>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_present.h"
#include "toolkit/asn1/oid_text.h"

using codec::z3950::ElementSetNames;
using codec::z3950::ElementSetNamesDatabaseSpecificItem;

namespace {

// The octets of a codec string; empty when it has none.
std::string_view octetsOf(const BerOctets* src) {
    if (src == nullptr || src->octets == nullptr || src->length <= 0) return {};
    return {reinterpret_cast<const char*>(src->octets), static_cast<size_t>(src->length)};
}

}  // namespace

// ---- Towards the codec ----

void KivOctetsToCodec(BerOctets* dst, const KivOctets* src) {
    if (src == nullptr) {
        kivCodecCopy(dst, nullptr, 0);
    } else {
        kivCodecCopy(dst, src->pcValue.data(), src->pcValue.size());
    }
}

void KivInternationalStringToCodec(BerOctets* dst, const KivInternationalString* src) {
    if (src == nullptr || src->pcValue.empty()) return;
    kivCodecCopy(dst, src->pcValue.data(), src->pcValue.size());
}

void KivCStringToCodec(BerOctets* dst, KivTextView src) {
    if (src.absent()) return;
    kivCodecCopy(dst, src.view().data(), src.view().size());
}

void KivBitStringToCodec(BerBits* dst, KivTextView src, uint32_t bitCount) {
    if (bitCount > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) {
        throw KivConversionError{kKivToCodecNoMemory};
    }
    const size_t octetCount = bitCount == 0 ? 1 : (static_cast<size_t>(bitCount) + 7) / 8;
    auto* octets = static_cast<uint8_t*>(kivCodecBlock(octetCount));
    dst->octets = octets;
    dst->bitCount = static_cast<int32_t>(bitCount);
    const std::string_view text = src.view();
    const size_t known = text.size() < bitCount ? text.size() : bitCount;
    for (size_t i = 0; i < known; ++i) {
        if (text[i] == '1') octets[i / 8] |= static_cast<uint8_t>(0x80u >> (i % 8));
    }
}

void KivBooleanToCodec(BerBoolean* dst, const uint32_t* src) {
    *dst = *src == 1 ? 1 : 0;
}

void KivOptionalBooleanToCodec(BerBoolean** dst, const std::optional<uint32_t>* src) {
    if (!src->has_value()) return;
    *dst = kivNewCodecRecord<BerBoolean>();
    KivBooleanToCodec(*dst, &**src);
}

void KivOptionalIntegerToCodec(BerInteger** dst, const std::optional<uint32_t>* src) {
    if (!src->has_value()) return;
    *dst = kivNewCodecRecord<BerInteger>();
    **dst = static_cast<BerInteger>(**src);
}

void KivOptionalInternationalStringListToCodec(BerList** dst, const KivArray<KivInternationalString>* src) {
    if (!src->present()) return;
    kivCodecListFrom<BerOctets>(dst, *src, [](BerOctets* element, const KivInternationalString& item) {
        KivInternationalStringToCodec(element, &item);
    });
}

void KivNewInternationalStringToCodec(BerOctets** dst, const KivInternationalString* src) {
    *dst = kivNewCodecRecord<BerOctets>();
    KivInternationalStringToCodec(*dst, src);
}

void KivOidToCodec(BerOid* dst, KivTextView src) {
    kivToCodec([&] {
        BerDecodeContext context(0);
        try {
            ASN_MakeOid(src.absent() ? nullptr : std::string(src.view()).c_str(), dst, context);
        } catch (const BerDecodeError&) {
            throw KivConversionError{kKivToCodecNoMemory};
        }
    });
}

void KivOptionalOidToCodec(BerOid* dst, KivTextView src) {
    if (!src.absent()) KivOidToCodec(dst, src);
}

void KivOptionalNewOidToCodec(BerOid** dst, KivTextView src) {
    if (src.absent()) return;
    *dst = kivNewCodecRecord<BerOid>();
    KivOidToCodec(*dst, src);
}

void KivNewOctetsToCodec(BerOctets** dst, const KivOctets* src) {
    *dst = kivNewCodecRecord<BerOctets>();
    KivOctetsToCodec(*dst, src);
}

void KivOptionalOctetsToCodec(BerOctets* dst, const KivOctets* src) {
    if (src != nullptr) KivOctetsToCodec(dst, src);
}

void KivPresentStatusToCodec(BerInteger* dst, const int32_t* src) {
    if (*src >= PS_Success && *src <= PS_Failure) *dst = *src;
}

void KivElementSetNamesToCodec(ElementSetNames* dst, const KivElementSetNames* src) {
    switch (src->eElementSetType) {
        case EST_Generic:
            dst->choiceId = ElementSetNames::kGenericElementSetName;
            KivNewInternationalStringToCodec(&dst->genericElementSetName, src->uElementSet.psGeneric.get());
            break;
        case EST_DatabaseSpecific: {
            dst->choiceId = ElementSetNames::kDatabaseSpecific;
            const auto& items = src->uElementSet.ppsElementSetsDbSpecific;
            if (!items.present()) break;
            kivCodecListFrom<ElementSetNamesDatabaseSpecificItem>(
                &dst->databaseSpecific, items,
                [](ElementSetNamesDatabaseSpecificItem* element, const KivElementSetsDbSpecific& item) {
                    KivInternationalStringToCodec(&element->dbName, item.psDatabaseName.get());
                    KivInternationalStringToCodec(&element->esn, item.psElementSetName.get());
                });
            break;
        }
        default:
            break;
    }
}

// ---- From the codec ----

void KivOctetsFromCodec(KivOctets* dst, const BerOctets* src) {
    kivFromCodec([&] { dst->pcValue.assign(octetsOf(src)); });
}

void KivInternationalStringFromCodec(KivInternationalString* dst, const BerOctets* src) {
    kivFromCodec([&] { dst->pcValue.assign(octetsOf(src)); });
}

void KivCStringFromCodec(std::optional<std::string>* dst, const BerOctets* src) {
    kivFromCodec([&] { dst->emplace(octetsOf(src)); });
}

int32_t KivCStringFromCodecByValue(std::optional<std::string>* dst, int32_t length, const uint8_t* octets) {
    if (octets != nullptr) {
        const BerOctets value{length, const_cast<uint8_t*>(octets)};
        KivCStringFromCodec(dst, &value);
    }
    return length;
}

void KivBitStringFromCodec(std::optional<std::string>* dst, const BerBits* src) {
    kivFromCodec([&] {
        const int32_t count = src->bitCount > 0 && src->octets != nullptr ? src->bitCount : 0;
        std::string text(static_cast<size_t>(count), '0');
        for (int32_t i = 0; i < count; ++i) {
            if (ASN_GetBitStringBit(src, i) != 0) text[static_cast<size_t>(i)] = '1';
        }
        *dst = std::move(text);
    });
}

void KivBooleanFromCodec(uint32_t* dst, const BerBoolean* src) {
    *dst = *src == 1 ? 1 : 0;
}

void KivOptionalBooleanFromCodec(std::optional<uint32_t>* dst, const BerBoolean* src) {
    if (src != nullptr) *dst = *src == 1 ? 1u : 0u;
}

void KivOptionalIntegerFromCodec(std::optional<uint32_t>* dst, const BerInteger* src) {
    if (src != nullptr) *dst = static_cast<uint32_t>(*src);
}

void KivNewInternationalStringFromCodec(std::unique_ptr<KivInternationalString>* dst, const BerOctets* src) {
    kivFromCodec([&] {
        *dst = std::make_unique<KivInternationalString>();
        KivInternationalStringFromCodec(dst->get(), src);
    });
}

void KivOptionalInternationalStringFromCodec(std::unique_ptr<KivInternationalString>* dst,
                                             const BerOctets* src) {
    if (src != nullptr && src->octets != nullptr) KivNewInternationalStringFromCodec(dst, src);
}

void KivInternationalStringListFromCodec(KivArray<KivInternationalString>* dst, const BerList* src) {
    if (src == nullptr) return;
    kivFromCodec([&] {
        *dst = KivArray<KivInternationalString>::emptyArray();
        kivForEachCodecListValue<BerOctets>(
            src, [&](const BerOctets& value) { KivInternationalStringFromCodec(dst->emplace(), &value); });
    });
}

void KivIntegerListFromCodec(KivArray<uint32_t>* dst, const BerList* src) {
    if (src == nullptr) return;
    kivFromCodec([&] {
        *dst = KivArray<uint32_t>::emptyArray();
        kivForEachCodecListValue<BerInteger>(
            src, [&](const BerInteger& value) { dst->emplace(static_cast<uint32_t>(value)); });
    });
}

void KivElementSetNamesFromCodec(KivElementSetNames* dst, const ElementSetNames* src) {
    switch (src->choiceId) {
        case ElementSetNames::kGenericElementSetName:
            dst->eElementSetType = EST_Generic;
            KivNewInternationalStringFromCodec(&dst->uElementSet.psGeneric, src->genericElementSetName);
            break;
        case ElementSetNames::kDatabaseSpecific:
            if (src->databaseSpecific == nullptr) break;
            kivFromCodec([&] {
                dst->eElementSetType = EST_DatabaseSpecific;
                auto& items = dst->uElementSet.ppsElementSetsDbSpecific;
                items = KivArray<KivElementSetsDbSpecific>::emptyArray();
                kivForEachCodecListValue<ElementSetNamesDatabaseSpecificItem>(
                    src->databaseSpecific, [&](const ElementSetNamesDatabaseSpecificItem& value) {
                        KivElementSetsDbSpecific* item = items.emplace();
                        KivNewInternationalStringFromCodec(&item->psDatabaseName, &value.dbName);
                        KivNewInternationalStringFromCodec(&item->psElementSetName, &value.esn);
                    });
            });
            break;
        default:
            break;
    }
}

void KivOidFromCodec(std::optional<std::string>* dst, const BerOid* src) {
    kivFromCodec([&] { *dst = ASN_OidToText(src); });
}

void KivOptionalOidFromCodec(std::optional<std::string>* dst, const BerOid* src) {
    if (src != nullptr && src->length != 0) KivOidFromCodec(dst, src);
}

void KivOptionalNullFromCodec(bool* dst, const uint8_t* src) {
    if (src != nullptr) *dst = true;
}

void KivNewOctetsFromCodec(std::unique_ptr<KivOctets>* dst, const BerOctets* src) {
    kivFromCodec([&] {
        *dst = std::make_unique<KivOctets>();
        KivOctetsFromCodec(dst->get(), src);
    });
}

void KivOptionalOctetsFromCodec(std::unique_ptr<KivOctets>* dst, const BerOctets* src) {
    if (src != nullptr && src->length != 0) KivNewOctetsFromCodec(dst, src);
}

void KivPresentStatusFromCodec(int32_t* dst, const BerInteger* src) {
    *dst = *src >= PS_Success && *src <= PS_Failure ? *src : PS_Invalid;
}
