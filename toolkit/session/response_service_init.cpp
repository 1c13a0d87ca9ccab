// KIVInitializeResponse: the record's check, its conversion into the codec's InitializeResponse, and the
// call.
#include <string>

#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/transport_message_size.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::InitializeResponse;
using codec::z3950::PDU;

namespace {

const std::string kPrefix = "psInitializeRsp->";

// A compulsory text of '0' and '1' characters.
int checkBitText(KivAssocId assocId, const std::optional<std::string>& text, const std::string& path,
                 SIError** error) {
    if (!text.has_value()) return KivReportMissingField(assocId, path, error);
    if (KivIsInvalidBitString(text) != 0) return KivReportInvalidBitString(assocId, path, text, error);
    return 0;
}

int checkInitializeRsp(KivAssocId assocId, const KivInitializeRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psInitializeRsp", error);
    if (checkBitText(assocId, rsp->pcProtocolVersion, kPrefix + "pcProtocolVersion", error) != 0 ||
        checkBitText(assocId, rsp->pcOptions, kPrefix + "pcOptions", error) != 0) {
        return 1;
    }
    if (KivHasDisallowedOptions(rsp->pcOptions) != 0) {
        return KivReportOptionsNotAllowed(assocId, kPrefix + "pcOptions", rsp->pcOptions, error);
    }
    if (KivIsInvalidBoolean(rsp->fResult) != 0)
        return KivReportInvalidBoolean(assocId, kPrefix + "fResult", error);
    return KivCheckOptionalExternal(assocId, rsp->psUserInformationField.get(),
                                    kPrefix + "psUserInformationField->", error) ||
           KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation, kPrefix + "ppsOtherInformation",
                                    error);
}

void initializeRspToCodec(InitializeResponse* dst, const KivInitializeRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    KivBitStringToCodec(&dst->protocolVersion, src.pcProtocolVersion,
                        static_cast<uint32_t>(src.pcProtocolVersion->size()));
    KivBitStringToCodec(&dst->options, src.pcOptions, static_cast<uint32_t>(src.pcOptions->size()));
    dst->preferredMessageSize = static_cast<BerInteger>(src.ulPreferredMessageSize);
    dst->exceptionalRecordSize = static_cast<BerInteger>(src.ulMaxmiumMessageSize);
    KivBooleanToCodec(&dst->result, &src.fResult);
    KivInternationalStringToCodec(&dst->implementationId, src.psImplementationId.get());
    KivInternationalStringToCodec(&dst->implementationName, src.psImplementationName.get());
    KivInternationalStringToCodec(&dst->implementationVersion, src.psImplementationVersion.get());
    KivOptionalExternalToCodec(&dst->userInformationField, src.psUserInformationField.get());
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVInitializeResponse(KivAssocId assocId, const KivInitializeRsp* psInitializeRsp, SIError** error) {
    const SIResult result = siRespond(
        assocId,
        {.name = "KIVInitializeResponse",
         .check = [&](SIError** out) { return checkInitializeRsp(assocId, psInitializeRsp, out); },
         .event =
             [&] { return psInitializeRsp->fResult == 1 ? KIV_TE_INITRESP_TRUE : KIV_TE_INITRESP_FALSE; },
         .trace = [&] { SITracePduInitializeRsp(assocId, psInitializeRsp); },
         .toCodec =
             [&](PDU* pdu) {
                 pdu->choiceId = PDU::kInitResponse;
                 pdu->initResponse = kivNewCodecRecord<InitializeResponse>();
                 initializeRspToCodec(pdu->initResponse, *psInitializeRsp);
             }},
        error);
    // An accepted Init fixes the largest APDU this association may send us.
    if (result == SI_OK && psInitializeRsp->fResult == 1) {
        siSetNegotiatedMessageSize(assocId, psInitializeRsp->ulMaxmiumMessageSize);
    }
    return result;
}
