#include "toolkit/external/kiv_check_item_order.h"

#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_item_order.h"
#include "toolkit/api/kiv_validation_reporters.h"

namespace {

int checkPaymentMethod(KivAssocId assoc, const KivPaymentMethod* method, const std::string& path,
                       SIError** out) {
    if (kivCheckRange(assoc, method->ePaymentMethodType, IOPM_BillInvoice, IOPM_PrivateNotKnown, path,
                      "ePaymentMethodType", out) != 0) {
        return 1;
    }
    if (method->ePaymentMethodType != IOPM_CreditCard && method->ePaymentMethodType != IOPM_PrivateNotKnown)
        return 0;
    // The cell is read only when it is there.
    const KivPaymentMethodCell* cell = method->puPaymentMethod.get();
    if (cell == nullptr) return KivReportMissingField(assoc, kivFieldPath(path, "puPaymentMethod"), out);
    if (method->ePaymentMethodType == IOPM_CreditCard) {
        if (!cell->psCreditCardInfo)
            return KivReportMissingField(assoc, kivFieldPath(path, "puPaymentMethod->psCreditCardInfo"), out);
        return 0;
    }
    return kivCheckMember(assoc, cell->psPrivateNotKnown.get(), path, "puPaymentMethod->psPrivateNotK", "->",
                          out, KivCheckExternal);
}

int checkToKeep(KivAssocId assoc, const KivItemOrderToKeep* part, const std::string& path, SIError** out) {
    if (KivCheckOptionalExternal(assoc, part->psSupplementalDescription.get(),
                                 kivFieldPath(path, "psSupplementalDescription->"), out) != 0) {
        return 1;
    }
    if (!part->psAdditionalBilling) return 0;
    return checkPaymentMethod(assoc, &part->psAdditionalBilling->sPaymentMethod,
                              kivFieldPath(path, "psAdditionalBilling->sPaymentMethod."), out);
}

int checkOptionalToKeep(KivAssocId assoc, const KivItemOrderToKeep* part, const std::string& path,
                        SIError** out) {
    return part == nullptr ? 0 : checkToKeep(assoc, part, path, out);
}

int checkRequest(KivAssocId assoc, const KivItemOrderRequest* request, const std::string& path,
                 SIError** out) {
    if (checkOptionalToKeep(assoc, request->psToKeep.get(), kivFieldPath(path, "psToKeep->"), out) != 0)
        return 1;
    return KivCheckOptionalExternal(assoc, request->sNotToKeep.psItemRequest.get(),
                                    kivFieldPath(path, "sNotToKeep.psItemRequest->"), out);
}

int checkItemOrderResponse(KivAssocId assoc, const KivItemOrderResponse* response, const std::string& path,
                           SIError** out) {
    if (checkOptionalToKeep(assoc, response->psOriginPart.get(), kivFieldPath(path, "psOriginPart->"), out) !=
        0)
        return 1;
    const KivItemOrderTargetPart& target = response->sTargetPart;
    const std::string targetPath = kivFieldPath(path, "sTargetPart.");
    if (KivCheckOptionalExternal(assoc, target.psItemRequest.get(),
                                 kivFieldPath(targetPath, "psItemRequest->"), out) != 0 ||
        KivCheckOptionalExternal(assoc, target.psStatusOrErrorReport.get(),
                                 kivFieldPath(targetPath, "psStatusOrErrorReport->"), out) != 0) {
        return 1;
    }
    if (!target.peAuxiliaryStatus) return 0;
    return kivCheckRange(assoc, *target.peAuxiliaryStatus, IOAS_NotReceived, IOAS_FilledCopyright, targetPath,
                         "peAuxiliaryStatus", out);
}

int checkItemOrder(KivAssocId assoc, const KivItemOrderExtendedService* package, const std::string& path,
                   SIError** out) {
    const auto& member = package->uItemOrderReqOrRsp;
    switch (package->eItemOrderReqRsp) {
        case IOROR_Request:
            return kivCheckMember(assoc, member.psItemOrderRequest.get(), path,
                                  "uItemOrderReqOrRsp.psItemOrderRequest", "->", out, checkRequest);
        case IOROR_Response:
            return kivCheckMember(assoc, member.psItemOrderResponse.get(), path,
                                  "uItemOrderReqOrRsp.psItemOrderResponse", "->", out,
                                  checkItemOrderResponse);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eItemOrderReqRsp"), out);
    }
}

}  // namespace

int KivCheckItemOrderExtendedService(KivAssocId assoc, const KivSingleASN1Type* content,
                                     const std::string& path, SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psItemOrderExtendedService.get(), path,
                          "uASN1.psItemOrderExtendedService", "->", out, checkItemOrder);
}
