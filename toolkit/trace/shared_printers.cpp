#include "toolkit/trace/shared_printers.h"

#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_permissions.h"
#include "toolkit/api/kiv_units.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kInformationTypes[] = {
    {IT_CharacterInfo, "IT_CharacterInfo"},
    {IT_BinaryInfo, "IT_BinaryInfo"},
    {IT_ExternalInfo, "IT_ExternalInfo"},
    {IT_ObjectIdentifier, "IT_ObjectIdentifier"},
};

constexpr trace::EnumName kAllowableFunctions[] = {
    {PAF_Delete, "PAF_Delete"},
    {PAF_ModifyContents, "PAF_ModifyContents"},
    {PAF_ModifyPermissions, "PAF_ModifyPermissions"},
    {PAF_Present, "PAF_Present"},
    {PAF_Invoke, "PAF_Invoke"},
    {PAF_Invalid, "PAF_Invalid"},
};

}  // namespace

void KivPrintOtherInformationList(std::FILE* file, const KivArray<KivOtherInformation>& ppsOtherInformation) {
    if (!ppsOtherInformation) {
        std::fputs("NULL\n", file);
    } else {
        for (const KivOtherInformation& item : ppsOtherInformation) {
            KivPrintOtherInformation(file, &item);
            std::fputs("\n", file);
        }
    }
    std::fputs("\n", file);
}

void KivPrintOtherInformation(std::FILE* file, const KivOtherInformation* psOtherInformation) {
    if (psOtherInformation == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    const KivOtherInformation& item = *psOtherInformation;
    std::fputs("\n\tpsInfoCategory: ", file);
    if (item.psInfoCategory == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        std::fputs("\n\tpcCategoryTypeId: ", file);
        trace::printTextLine(file, item.psInfoCategory->pcCategoryTypeId);
        std::fputs("\tulCategoryValue: ", file);
        trace::printSignedLine(file, item.psInfoCategory->ulCategoryValue);
    }
    trace::printInformationMember(file, item);
}

void KivPrintDiagRec(std::FILE* file, const KivDiagRec* psDiagRec) {
    if (psDiagRec == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    switch (psDiagRec->eDiagnosticsType) {
        case DT_DefaultFormat:
            std::fputs("DT_DefaultFormat:\n", file);
            KivPrintDefaultDiagFormat(file, psDiagRec->uDiagnostics.psDefault.get());
            break;
        case DT_ExternallyDefined:
            std::fputs("DT_ExternallyDefined:\n", file);
            KivPrintExternal(file, psDiagRec->uDiagnostics.psExternallyDefined.get());
            break;
        default:
            break;
    }
}

void KivPrintDefaultDiagFormat(std::FILE* file, const KivDefaultDiagFormat* psDefault) {
    if (psDefault == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("pcDiagnosticSetId: ", file);
    trace::printTextLine(file, psDefault->pcDiagnosticSetId);
    std::fputs("ulCondition: ", file);
    trace::printSignedLine(file, psDefault->ulCondition);
    const KivAdditionalInfo& additional = psDefault->sAdditionalInfo;
    switch (additional.eProtocolVersionInForce) {
        case PVIF_Version2:
            std::fputs("PVIF_Version2: ", file);
            trace::printTextLine(file, additional.uAdditionalInfo.pcV2);
            break;
        case PVIF_Version3:
            std::fputs("PVIF_Version3: ", file);
            KivPrintInternationalString(file, additional.uAdditionalInfo.psV3.get());
            break;
        default:
            break;
    }
}

void KivPrintDiagRecList(std::FILE* file, const KivArray<KivDiagRec>& ppsDiagRecs) {
    for (const KivDiagRec& diagRec : ppsDiagRecs) {
        std::fputs("\n", file);
        KivPrintDiagRec(file, &diagRec);
    }
    std::fputs("\n", file);
}

namespace trace {

void printInformationMember(std::FILE* file, const KivOtherInformation& item) {
    std::fputs("\teInformationType: ", file);
    trace::printEnumName(file, item.eInformationType, kInformationTypes, "Unknown");
    switch (item.eInformationType) {
        case IT_CharacterInfo:
            std::fputs("\tpsCharacterInfo: ", file);
            KivPrintInternationalString(file, item.uInformation.psCharacterInfo.get());
            break;
        case IT_BinaryInfo:
            std::fputs("\tpsBinaryInfo: ", file);
            KivPrintOctets(file, item.uInformation.psBinaryInfo.get());
            break;
        case IT_ExternalInfo:
            std::fputs("\tpsExternallyDefinedInfo:\n", file);
            KivPrintExternal(file, item.uInformation.psExternallyDefinedInfo.get());
            break;
        case IT_ObjectIdentifier:
            std::fputs("\tpcObjectIdentifier:", file);
            trace::printTextLine(file, item.uInformation.pcObjectIdentifier);
            break;
        default:
            break;
    }
}

void printDiagRecListOrNull(std::FILE* file, const KivArray<KivDiagRec>& ppsDiagRecs) {
    if (ppsDiagRecs) {
        KivPrintDiagRecList(file, ppsDiagRecs);
    } else {
        std::fputs("NULL\n", file);
    }
}

}  // namespace trace

void KivPrintStringOrNumeric(std::FILE* file, const KivStringOrNumeric* psStringOrNumeric) {
    if (psStringOrNumeric == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    switch (psStringOrNumeric->eStringOrNumeric) {
        case 1:
            std::fputs("psString: ", file);
            KivPrintInternationalString(file, psStringOrNumeric->uStringOrNumeric.psString.get());
            break;
        case 2:
            std::fputs("ulNumeric: ", file);
            trace::printSignedLine(file, psStringOrNumeric->uStringOrNumeric.ulNumeric);
            break;
        default:
            break;
    }
}

void KivPrintNamedStringOrNumeric(std::FILE* file, const char* label,
                                  const KivStringOrNumeric* psStringOrNumeric) {
    std::fputs(label, file);
    if (psStringOrNumeric == nullptr) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(": ", file);
    KivPrintStringOrNumeric(file, psStringOrNumeric);
}

void KivPrintIntUnit(std::FILE* file, const KivIntUnit* psIntUnit) {
    if (psIntUnit == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("ulValue: ", file);
    trace::printSignedLine(file, psIntUnit->ulValue);
    const KivUnit& unit = psIntUnit->sUnitUsed;
    KivPrintUnit(file, unit.psUnitSystem.get(), unit.psUnitType.get(), unit.psUnit.get(),
                 trace::addressOf(unit.pulScaleFactor));
}

void KivPrintNamedIntUnit(std::FILE* file, const char* label, const KivIntUnit* psIntUnit) {
    std::fputs(label, file);
    if (psIntUnit == nullptr) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(":\n", file);
    KivPrintIntUnit(file, psIntUnit);
}

void KivPrintUnit(std::FILE* file, const KivInternationalString* psUnitSystem,
                  const KivStringOrNumeric* psUnitType, const KivStringOrNumeric* psUnit,
                  const uint32_t* pulScaleFactor) {
    std::fputs("psUnitSystem: ", file);
    KivPrintInternationalString(file, psUnitSystem);
    std::fputs("psUnitType: ", file);
    KivPrintStringOrNumeric(file, psUnitType);
    std::fputs("psUnit: ", file);
    KivPrintStringOrNumeric(file, psUnit);
    std::fputs("pulScaleFactor: ", file);
    if (pulScaleFactor == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        trace::printSignedLine(file, *pulScaleFactor);
    }
}

void KivPrintPermissionsList(std::FILE* file, const KivArray<KivPermissions>& ppsPermissions) {
    for (const KivPermissions& permissions : ppsPermissions) {
        std::fputs("\nuserId: ", file);
        KivPrintInternationalString(file, &permissions.sUserId);
        std::fputs("ppeAllowableFunctions:\n", file);
        for (int32_t function : permissions.ppeAllowableFunctions) {
            trace::printEnumName(file, function, kAllowableFunctions);
        }
        std::fputs("\n", file);
    }
    std::fputs("\n", file);
}
