#include "toolkit/api/kiv_check_other_information.h"

#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_validation.h"

namespace {

int checkItem(KivAssocId assoc, const KivOtherInformation* item, const std::string& path, SIError** out) {
    if (item->psInfoCategory &&
        KivCheckOptionalEncodedOid(assoc, item->psInfoCategory->pcCategoryTypeId,
                                   path + "psInfoCategory->pcCategoryTypeId", out) != 0) {
        return 1;
    }
    const auto& member = item->uInformation;
    switch (item->eInformationType) {
        case IT_CharacterInfo:
            if (!member.psCharacterInfo)
                return KivReportMissingField(assoc, path + "uInformation.psCharacterInfo", out);
            return 0;
        case IT_BinaryInfo:
            if (!member.psBinaryInfo)
                return KivReportMissingField(assoc, path + "uInformation.psBinaryInfo", out);
            return 0;
        case IT_ExternalInfo: {
            const std::string memberPath = path + "uInformation.psExternallyDefinedInfo";
            if (!member.psExternallyDefinedInfo) return KivReportMissingField(assoc, memberPath, out);
            return KivCheckExternal(assoc, member.psExternallyDefinedInfo.get(), memberPath + "->", out);
        }
        case IT_ObjectIdentifier: {
            const std::string memberPath = path + "uInformation.pcObjectIdentifier";
            if (!member.pcObjectIdentifier.has_value()) return KivReportMissingField(assoc, memberPath, out);
            return KivCheckEncodedOid(assoc, member.pcObjectIdentifier, memberPath, out);
        }
        default:
            return KivReportValueOutOfRange(assoc, path + "eInformationType", out);
    }
}

}  // namespace

int KivCheckOtherInformation(KivAssocId assoc, const KivArray<KivOtherInformation>* items,
                             const std::string& path, SIError** out) {
    return KivCheckStructArray(assoc, *items, path, "", out, checkItem);
}
