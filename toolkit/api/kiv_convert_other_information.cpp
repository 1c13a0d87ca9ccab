#include "toolkit/api/kiv_convert_other_information.h"

#include <memory>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"

using codec::z3950::InfoCategory;
using codec::z3950::OtherInformationItem;
using codec::z3950::OtherInformationItemInformation;

namespace {

void itemToCodec(OtherInformationItem* dst, const KivOtherInformation& src) {
    if (const KivInfoCategory* category = src.psInfoCategory.get(); category != nullptr) {
        dst->category = kivNewCodecRecord<InfoCategory>();
        KivOptionalOidToCodec(&dst->category->categoryTypeId, category->pcCategoryTypeId);
        dst->category->categoryValue = static_cast<BerInteger>(category->ulCategoryValue);
    }
    dst->information = kivNewCodecRecord<OtherInformationItemInformation>();
    OtherInformationItemInformation* information = dst->information;
    const auto& member = src.uInformation;
    switch (src.eInformationType) {
        case IT_CharacterInfo:
            information->choiceId = OtherInformationItemInformation::kCharacterInfo;
            KivNewInternationalStringToCodec(&information->characterInfo, member.psCharacterInfo.get());
            break;
        case IT_BinaryInfo:
            information->choiceId = OtherInformationItemInformation::kBinaryInfo;
            KivNewOctetsToCodec(&information->binaryInfo, member.psBinaryInfo.get());
            break;
        case IT_ExternalInfo:
            information->choiceId = OtherInformationItemInformation::kExternallyDefinedInfo;
            information->externallyDefinedInfo = kivNewCodecRecord<codec::z3950::EXTERNAL>();
            if (member.psExternallyDefinedInfo) {
                KivExternalToCodec(information->externallyDefinedInfo, member.psExternallyDefinedInfo.get());
            }
            break;
        case IT_ObjectIdentifier:
            information->choiceId = OtherInformationItemInformation::kOid;
            information->oid = kivNewCodecRecord<BerOid>();
            KivOptionalOidToCodec(information->oid, member.pcObjectIdentifier);
            break;
        default:
            break;
    }
}

void itemFromCodec(KivOtherInformation* dst, const OtherInformationItem& src) {
    if (src.category != nullptr) {
        kivFromCodec([&] { dst->psInfoCategory = std::make_unique<KivInfoCategory>(); });
        KivOptionalOidFromCodec(&dst->psInfoCategory->pcCategoryTypeId, &src.category->categoryTypeId);
        dst->psInfoCategory->ulCategoryValue = static_cast<uint32_t>(src.category->categoryValue);
    }
    const OtherInformationItemInformation* information = src.information;
    if (information == nullptr) return;
    auto& member = dst->uInformation;
    switch (information->choiceId) {
        case OtherInformationItemInformation::kCharacterInfo:
            KivNewInternationalStringFromCodec(&member.psCharacterInfo, information->characterInfo);
            break;
        case OtherInformationItemInformation::kBinaryInfo:
            KivNewOctetsFromCodec(&member.psBinaryInfo, information->binaryInfo);
            break;
        case OtherInformationItemInformation::kExternallyDefinedInfo:
            KivOptionalExternalFromCodec(&member.psExternallyDefinedInfo, information->externallyDefinedInfo);
            break;
        case OtherInformationItemInformation::kOid:
            KivOidFromCodec(&member.pcObjectIdentifier, information->oid);
            break;
        default:
            return;
    }
    dst->eInformationType = information->choiceId + 1;
}

}  // namespace

void KivOtherInformationToCodec(BerList* dst, const KivArray<KivOtherInformation>* src) {
    for (const KivOtherInformation& item : *src) {
        auto* element = kivNewCodecRecord<OtherInformationItem>();
        kivCodecListAppend(dst, element);
        itemToCodec(element, item);
    }
}

void KivOptionalOtherInformationToCodec(BerList** dst, const KivArray<KivOtherInformation>* src) {
    if (!src->present()) return;
    *dst = kivNewCodecList();
    KivOtherInformationToCodec(*dst, src);
}

void KivOtherInformationFromCodec(KivArray<KivOtherInformation>* dst, const BerList* src) {
    kivFromCodec([&] {
        *dst = KivArray<KivOtherInformation>::emptyArray();
        kivForEachCodecListValue<OtherInformationItem>(
            src, [&](const OtherInformationItem& value) { itemFromCodec(dst->emplace(), value); });
    });
}

void KivOptionalOtherInformationFromCodec(KivArray<KivOtherInformation>* dst, const BerList* src) {
    if (src != nullptr) KivOtherInformationFromCodec(dst, src);
}
