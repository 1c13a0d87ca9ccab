#include "toolkit/trace/ill_pdu_printer.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/ill_part_printers.h"
#include "toolkit/trace/ill_report_printer.h"
#include "toolkit/trace/ill_request_printer.h"

void KivPrintIllPdu(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psIllPdu == nullptr) return;
    const KivIllPdu& pdu = *content->uASN1.psIllPdu;
    std::fputs("eIllPduType: ", file);
    switch (pdu.eIllPduType) {
        case ILL_Invalid:
            std::fputs("ILL_Invalid\n", file);
            break;
        case ILL_IllRequest:
            trace::ill::printOptional(file, "ILL_IllRequest: ", pdu.uIllPdu.psIllRequest.get(),
                                      trace::ill::printIllRequest);
            break;
        case ILL_StatusOrErrorReport:
            trace::ill::printOptional(file, "ILL_StatusOrErrorReport: ", pdu.uIllPdu.psStatusOrErrorReport.get(),
                                      trace::ill::printStatusOrErrorReport);
            break;
        default:
            break;
    }
}
