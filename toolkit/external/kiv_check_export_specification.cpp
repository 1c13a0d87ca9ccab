#include "toolkit/external/kiv_check_export_specification.h"

#include "toolkit/api/kiv_check_composition.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_validation_reporters.h"

namespace export_specification_checks {

// The reported paths of the members of the destination types 1 to 8, in order.
constexpr const char* kAddressPaths[] = {
    "uDestinationType.psPhoneNumber",   "uDestinationType.psFaxNumber",   "uDestinationType.psX400Address",
    "uDestinationType.psEmailAddresss", "uDestinationType.psPagerNumber", "uDestinationType.psFtpAddresss",
    "uDestinationType.psFtpAmAddress",  "uDestinationType.psPrinterAddress",
};

int checkDestination(KivAssocId assoc, const KivDestination& destination, const std::string& path,
                     SIError** out) {
    const int32_t type = destination.eDestinationType;
    if (kivCheckRange(assoc, type, DT_PhoneNumber, DT_Other, path, "eDestinationType", out) != 0) return 1;
    if (type == DT_Other) {
        if (destination.uDestinationType.psOther) return 0;
        return KivReportMissingField(assoc, kivFieldPath(path, "uDestinationType.psOther"), out);
    }
    if (destination.uDestinationType.*kKivDestinationAddresses[type - 1]) return 0;
    return KivReportMissingField(assoc, kivFieldPath(path, kAddressPaths[type - 1]), out);
}

int checkToKeep(KivAssocId assoc, const KivExpSpecToKeep& part, const std::string& path, SIError** out) {
    if (KivCheckCompSpec(assoc, &part.sComposition, kivFieldPath(path, "sComposition."), out) != 0) return 1;
    return checkDestination(assoc, part.sExportDestination, kivFieldPath(path, "sExportDestination."), out);
}

int checkRequest(KivAssocId assoc, const KivExpSpecRequest* request, const std::string& path, SIError** out) {
    return checkToKeep(assoc, request->sToKeep, kivFieldPath(path, "sToKeep."), out);
}

int checkResponse(KivAssocId assoc, const KivExpSpecResponse* response, const std::string& path,
                  SIError** out) {
    return checkToKeep(assoc, response->sOriginPart, kivFieldPath(path, "sOriginPart."), out);
}

}  // namespace export_specification_checks

int KivCheckExpSpec(KivAssocId assoc, const KivExpSpecExtendedService* package, const std::string& path,
                    SIError** out) {
    using namespace export_specification_checks;
    const auto& member = package->uExpSpecReqOrRsp;
    switch (package->eExpSpecReqOrRsp) {
        case ESROR_Request:
            return kivCheckMember(assoc, member.psExpSpecRequest.get(), path, "uExpSpecReqOrRsp.psExpSpecRequest",
                                  "->", out, checkRequest);
        case ESROR_Response:
            return kivCheckMember(assoc, member.psExpSpecResponse.get(), path,
                                  "uExpSpecReqOrRsp.psExpSpecResponse", "->", out, checkResponse);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eExpSpecReqOrRsp"), out);
    }
}

int KivCheckExpSpecExtendedService(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                                   SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psExpSpecExtendedService.get(), path,
                          "uASN1.psExpSpecExtendedService", "->", out, KivCheckExpSpec);
}
