// A received PresentRequest as a KivPresentReq.
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_composition.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

namespace {

void rangeFromCodec(KivRange* dst, const codec::z3950::Range* src) {
    dst->ulStartingPosition = static_cast<uint32_t>(src->startingPosition);
    dst->ulNumberOfRecords = static_cast<uint32_t>(src->numberOfRecords);
}

}  // namespace

void siPresentReqFromCodec(std::unique_ptr<KivPresentReq>* dst, const codec::z3950::PresentRequest* src) {
    siNewReceivedRecord(dst, src, [](KivPresentReq& req, const codec::z3950::PresentRequest& present) {
        KivOptionalOctetsFromCodec(&req.psReferenceId, &present.referenceId);
        KivInternationalStringFromCodec(&req.sResultSetId, &present.resultSetId);
        req.ulResultSetStartPoint = static_cast<uint32_t>(present.resultSetStartPoint);
        req.ulNumberOfRecordsRequested = static_cast<uint32_t>(present.numberOfRecordsRequested);
        kivArrayFromCodec<codec::z3950::Range>(&req.ppsAdditionalRanges, present.additionalRanges,
                                               rangeFromCodec);
        kivNewFromCodec(&req.psRecordComposition, present.recordComposition, KivRecordCompositionFromCodec);
        KivOptionalOidFromCodec(&req.pcPreferredRecordSyntax, &present.preferredRecordSyntax);
        KivOptionalIntegerFromCodec(&req.pulMaxSegmentCount, present.maxSegmentCount);
        KivOptionalIntegerFromCodec(&req.pulMaxRecordSize, present.maxRecordSize);
        KivOptionalIntegerFromCodec(&req.pulMaxSegmentSize, present.maxSegmentSize);
        KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, present.otherInfo);
    });
}
