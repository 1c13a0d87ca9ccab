// A received SearchRequest as a KivSearchReq.
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_query.h"
#include "toolkit/session/received_request_conversion.h"

void siSearchReqFromCodec(std::unique_ptr<KivSearchReq>* dst, const codec::z3950::SearchRequest* src) {
    siNewReceivedRecord(dst, src, [](KivSearchReq& req, const codec::z3950::SearchRequest& search) {
        KivOptionalOctetsFromCodec(&req.psReferenceId, &search.referenceId);
        req.ulSmallSetUpperBound = static_cast<uint32_t>(search.smallSetUpperBound);
        req.ulLargeSetLowerBound = static_cast<uint32_t>(search.largeSetLowerBound);
        req.ulMediumSetPresentNumber = static_cast<uint32_t>(search.mediumSetPresentNumber);
        KivBooleanFromCodec(&req.fReplaceIndicator, &search.replaceIndicator);
        KivInternationalStringFromCodec(&req.sResultSetName, &search.resultSetName);
        req.ppsDatabaseNames = KivArray<KivInternationalString>::emptyArray();
        KivInternationalStringListFromCodec(&req.ppsDatabaseNames, search.databaseNames);
        kivNewFromCodec(&req.psSmallSetElementNames, search.smallSetElementSetNames,
                        KivElementSetNamesFromCodec);
        kivNewFromCodec(&req.psMediumSetElementNames, search.mediumSetElementSetNames,
                        KivElementSetNamesFromCodec);
        KivOptionalOidFromCodec(&req.pcPreferredRecordSyntax, &search.preferredRecordSyntax);
        kivFromCodec([&] { req.psQuery = std::make_unique<KivQuery>(); });
        if (search.query != nullptr) KivQueryFromCodec(req.psQuery.get(), search.query);
        KivOptionalOtherInformationFromCodec(&req.ppsAdditionalSearchInfo, search.additionalSearchInfo);
        KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, search.otherInfo);
    });
}
