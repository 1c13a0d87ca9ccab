// SUTRS and the Summary record.

#include "toolkit/api/kiv_check_core_records.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_check_other_information.h"

int KivCheckUnstructuredText(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                             SIError** out) {
    return kivCheckMember(
        assoc, content->uASN1.psUnstructuredText.get(), path, "uASN1.psUnstructuredText", "->", out,
        [](KivAssocId, const KivInternationalString*, const std::string&, SIError**) { return 0; });
}

int KivCheckSummaryRecord(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                          SIError** out) {
    return kivCheckMember(
        assoc, content->uASN1.psSummaryRecord.get(), path, "uASN1.psSummaryRecord", "->", out,
        [](KivAssocId a, const KivSummaryRecord* record, const std::string& p, SIError** o) {
            return KivCheckOtherInformation(a, &record->ppsOtherInformation,
                                            kivFieldPath(p, "ppsOtherInformation"), o);
        });
}
