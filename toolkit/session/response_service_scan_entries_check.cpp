#include "toolkit/session/response_service_scan_entries_check.h"

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_check_records.h"
#include "toolkit/api/kiv_validation.h"

namespace {

int checkOccurrenceByDb(KivAssocId assocId, const KivOccurrenceByDb* item, const std::string& path,
                        SIError** error) {
    return KivCheckOtherInformation(assocId, &item->ppsOtherInformation, path + "ppsOtherInformation", error);
}

int checkOccurrence(KivAssocId assocId, const KivOccurrence* occurrence, const std::string& path,
                    SIError** error) {
    switch (occurrence->eOccurrenceType) {
        case OT_Global:
            return 0;
        case OT_ByDatabase: {
            const auto& byDatabase = occurrence->uOccurrence.ppsOccurrenceByDb;
            if (!byDatabase.present())
                return KivReportMissingField(assocId, path + "ppsOccurrenceByDb", error);
            return KivCheckStructArray(assocId, byDatabase, path, "ppsOccurrenceByDb", error,
                                       checkOccurrenceByDb);
        }
        default:
            return KivReportValueOutOfRange(assocId, path + "eOccurrenceType", error);
    }
}

int checkByAttributes(KivAssocId assocId, const KivOccurrenceByAttributes* item, const std::string& path,
                      SIError** error) {
    if (!item->ppsAttributeElement.present()) {
        return KivReportMissingField(assocId, path + "ppsAttributeElement", error);
    }
    if (KivCheckValueArray(assocId, item->ppsAttributeElement, path, "ppsAttributeElement", error,
                           KivCheckAttributeElement) != 0) {
        return 1;
    }
    if (item->psOccurrence != nullptr &&
        checkOccurrence(assocId, item->psOccurrence.get(), path + "psOccurrence->", error) != 0) {
        return 1;
    }
    return KivCheckOtherInformation(assocId, &item->ppsOtherInformation, path + "ppsOtherInformation", error);
}

int checkTermInfo(KivAssocId assocId, const KivTermInfo* info, const std::string& path, SIError** error) {
    return KivCheckTerm(assocId, &info->sTerm, path + "sTerm.", error) ||
           KivCheckStructArray(assocId, info->ppsSuggestedAttribute, path, "ppsAttributeElement", error,
                               KivCheckAttributeElement) ||
           KivCheckStructArray(assocId, info->ppsAlternativeTerm, path, "ppsAlternativeTerm", error,
                               KivCheckAttributesPlusTerm) ||
           KivCheckStructArray(assocId, info->ppsByAttributes, path, "ppsByAttributes", error,
                               checkByAttributes) ||
           KivCheckOtherInformation(assocId, &info->ppsOtherInformation, path + "ppsOtherInformation", error);
}

int checkEntry(KivAssocId assocId, const KivEntry* entry, const std::string& path, SIError** error) {
    const auto& member = entry->uEntry;
    switch (entry->eEntryType) {
        case ET_TermInfo:
            if (member.psTermInfo == nullptr)
                return KivReportMissingField(assocId, path + "uEntry.psTermInfo", error);
            return checkTermInfo(assocId, member.psTermInfo.get(), path + "uEntry.psTermInfo->", error);
        case ET_SurrogateDiagnostic:
            if (member.psSurrogateDiagnostic == nullptr) {
                return KivReportMissingField(assocId, path + "uEntry.psSurrogateDiagnostic", error);
            }
            return KivCheckDiagRec(assocId, member.psSurrogateDiagnostic.get(),
                                   path + "uEntry.psSurrogateDiagnostic->", error);
        default:
            return KivReportValueOutOfRange(assocId, path + "eEntryType", error);
    }
}

}  // namespace

int siCheckScanEntries(KivAssocId assocId, const KivListEntries* entries, const std::string& path,
                       SIError** error) {
    return KivCheckStructArray(assocId, entries->ppsEntry, path, "ppsEntry", error, checkEntry) ||
           KivCheckDiagRecList(assocId, &entries->ppsNonSurrogateDiagnostics,
                               path + "ppsNonSurrogateDiagnostic", error);
}
