// The OPAC record with its holdings and circulation data.

#include "toolkit/api/kiv_check_core_records.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"

namespace {

int checkCircRecord(KivAssocId assoc, const KivCircRecord* record, const std::string& path, SIError** out) {
    if (KivCheckBoolean(assoc, &record->fAvailableNow, kivFieldPath(path, "fAvailableNow"), out) != 0)
        return 1;
    if (KivCheckBoolean(assoc, &record->fRenewable, kivFieldPath(path, "fRenewable"), out) != 0) return 1;
    return KivCheckBoolean(assoc, &record->fOnHold, kivFieldPath(path, "fOnHold"), out);
}

int checkHoldingsAndCirc(KivAssocId assoc, const KivHoldingsAndCirc* data, const std::string& path,
                         SIError** out) {
    if (data->ppsVolume.present() && data->ppsVolume.size() == 0) {
        return KivReportMissingField(
            assoc, kivFieldPath(path, "ppsVolume[0] (firstitem in a list must be non NULL)"), out);
    }
    return KivCheckStructArray(assoc, data->ppsCircRecord, path, "ppsCircRecord", out, checkCircRecord);
}

int checkHoldingsRecord(KivAssocId assoc, const KivHoldingsRecord* item, const std::string& path,
                        SIError** out) {
    const auto& member = item->uMarcOrHoldAndCirc;
    switch (item->eHoldingsRecType) {
        case HRT_MarcHoldingsRecord:
            return KivCheckExternal(assoc, &member.sMarcHoldingsRecord,
                                    kivFieldPath(path, "uMarcOrHoldAndCirc.sMarcHoldingsRecord."), out);
        case HRT_HoldingsAndCirc:
            return checkHoldingsAndCirc(assoc, &member.sHoldingsAndCirc,
                                        kivFieldPath(path, "uMarcOrHoldAndCirc.sHoldingsAndCirc."), out);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eHoldingsRecType"), out);
    }
}

int checkOpacRecord(KivAssocId assoc, const KivOpacRecord* record, const std::string& path, SIError** out) {
    if (KivCheckOptionalExternal(assoc, record->psBibliographicRecord.get(),
                                 kivFieldPath(path, "psBibliographicRecord->"), out) != 0) {
        return 1;
    }
    return KivCheckStructArray(assoc, record->ppsHoldingsData, path, "ppsHoldingsData", out,
                               checkHoldingsRecord);
}

}  // namespace

int KivCheckOpacRecord(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                       SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psOpacRecord.get(), path, "uASN1.psOpacRecord", "->", out,
                          checkOpacRecord);
}
