#include "toolkit/session/close_service_conversion.h"

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"

namespace {

constexpr int32_t kLastCloseReason = CR_Unspecified;

}  // namespace

void siCloseToCodec(codec::z3950::Close* dst, const KivClose* src) {
    kivToCodec([&] {
        KivOptionalOctetsToCodec(&dst->referenceId, src->psReferenceId.get());
        dst->closeReason = src->eCloseReason;
        KivInternationalStringToCodec(&dst->diagnosticInformation, src->psDiagnosticInformation.get());
        KivOptionalOidToCodec(&dst->resourceReportFormat, src->pcResourceReportFormat);
        KivOptionalExternalToCodec(&dst->resourceReport, src->psResourceReport.get());
        KivOptionalOtherInformationToCodec(&dst->otherInfo, &src->ppsOtherInformation);
    });
}

void siCloseFromCodec(std::unique_ptr<KivClose>* dst, const codec::z3950::Close* src) {
    kivFromCodec([&] {
        *dst = std::make_unique<KivClose>();
        KivClose& close = **dst;
        if (src == nullptr) return;
        KivOptionalOctetsFromCodec(&close.psReferenceId, &src->referenceId);
        close.eCloseReason = src->closeReason >= CR_Finished && src->closeReason <= kLastCloseReason
                                 ? src->closeReason
                                 : CR_Invalid;
        KivOptionalInternationalStringFromCodec(&close.psDiagnosticInformation, &src->diagnosticInformation);
        KivOptionalOidFromCodec(&close.pcResourceReportFormat, &src->resourceReportFormat);
        KivOptionalExternalFromCodec(&close.psResourceReport, src->resourceReport);
        KivOptionalOtherInformationFromCodec(&close.ppsOtherInformation, src->otherInfo);
    });
}
