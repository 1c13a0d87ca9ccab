#include "toolkit/external/kiv_check_private_services.h"

#include <string_view>

#include "toolkit/api/kiv_check_composition.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_private_services.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/external/kiv_check_presence.h"

namespace {

int passes(KivAssocId, const void*, const std::string&, SIError**) {
    return 0;
}

int checkComposition(KivAssocId assoc, const KivRecordComposition* composition, const std::string& path,
                     SIError** out) {
    return KivCheckOptionalRecordComposition(assoc, composition, kivFieldPath(path, "psRecordComposition->"),
                                             out);
}

int checkResultSetReference(KivAssocId assoc, const KivResultSetReference* reference, const std::string& path,
                            SIError** out) {
    return checkComposition(assoc, reference->psRecordComposition.get(), path, out);
}

int checkAccessionReference(KivAssocId assoc, const KivAccessionReference* reference, const std::string& path,
                            SIError** out) {
    return checkComposition(assoc, reference->psRecordComposition.get(), path, out);
}

int checkCreateOption(KivAssocId assoc, const KivCreateOption* option, const std::string& path,
                      SIError** out) {
    const auto& chosen = option->uCreateOption;
    switch (option->eCreateOptionType) {
        case COPT_ResultSetReference:
            return kivCheckMember(assoc, chosen.psResultSetReference.get(), path,
                                  "uCreateOption.psResultSetReference", "->", out, checkResultSetReference);
        case COPT_AccessionReference:
            return kivCheckMember(assoc, chosen.psAccessionReference.get(), path,
                                  "uCreateOption.psAccessionReference", "->", out, checkAccessionReference);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eCreateOptionType"), out);
    }
}

int checkPrintOriginPart(KivAssocId assoc, const KivPrintOriginPartToKeep* part, const std::string& path,
                         SIError** out) {
    const auto& chosen = part->uPrintOriginPartToKeep;
    switch (part->ePrintOriginPartToKeepType) {
        case POPKT_Create:
            return kivCheckMember(assoc, chosen.psCreateOption.get(), path,
                                  "uPrintOriginPartToKeep.psCreateOption", "->", out, checkCreateOption);
        case POPKT_Delete:
            return kivCheckPresent(assoc, chosen.psDeleteOption != nullptr, path,
                                   "uPrintOriginPartToKeep.psDeleteOption", out);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "ePrintOriginPartToKeepType"), out);
    }
}

// The origin part of a request or response: absent passes.
template <typename Part>
int checkPrintPart(KivAssocId assoc, const Part* part, const std::string& path, SIError** out) {
    const KivPrintOriginPartToKeep* origin = part->psOriginPartToKeep.get();
    if (origin == nullptr) return 0;
    return checkPrintOriginPart(assoc, origin, kivFieldPath(path, "psOriginPartToKeep->"), out);
}

int checkOrderRequest(KivAssocId assoc, const KivOrderRequest* request, const std::string& path,
                      SIError** out) {
    const auto& chosen = request->uOrderRequest;
    switch (request->eOrderRequestType) {
        case ORT_NormalOrder:
            return kivCheckMember(assoc, chosen.psNormalOrder.get(), path, "uOrderRequest.psNormalOrder",
                                  "->", out,
                                  [](KivAssocId id, const KivNormalOrder* order, const std::string& orderPath,
                                     SIError** error) {
                                      return kivCheckPresent(id, order->ppsOrderRanges.present(), orderPath,
                                                             "ppsOrderRanges", error);
                                  });
        case ORT_OrderRefs:
            return kivCheckPresent(assoc, chosen.ppsOrderRefs.present(), path, "uOrderRequest.ppsOrderRefs",
                                   out);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eOrderRequestType"), out);
    }
}

}  // namespace

int KivCheckPrintExtendedService(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                                 SIError** out) {
    const KivPrintExtendedService* package = single->uASN1.psPrintExtendedService.get();
    return kivCheckMember(assoc, package, path, "uASN1.psPrintExtendedService", "->", out,
                          [](KivAssocId id, const KivPrintExtendedService* print,
                             const std::string& printPath, SIError** error) {
                              const auto& chosen = print->uPrintReqOrRsp;
                              switch (print->ePrintReqRsp) {
                                  case PROR_Request:
                                      return kivCheckMember(id, chosen.psPrintRequest.get(), printPath,
                                                            "uPrintReqOrRsp.psPrintRequest", "->", error,
                                                            checkPrintPart<KivPrintRequest>);
                                  case PROR_Response:
                                      return kivCheckMember(id, chosen.psPrintResponse.get(), printPath,
                                                            "uPrintReqOrRsp.psPrintResponse", "->", error,
                                                            checkPrintPart<KivPrintResponse>);
                                  default:
                                      return KivReportValueOutOfRange(
                                          id, kivFieldPath(printPath, "ePrintReqRsp"), error);
                              }
                          });
}

int KivCheckAlertExtendedService(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                                 SIError** out) {
    const KivAlertExtendedService* package = single->uASN1.psAlertExtendedService.get();
    return kivCheckMember(
        assoc, package, path, "uASN1.psAlertExtendedService", "->", out,
        [](KivAssocId id, const KivAlertExtendedService* alert, const std::string& alertPath,
           SIError** error) {
            const auto& chosen = alert->uAlertReqOrRsp;
            switch (alert->eAlertReqRsp) {
                case AROR_Request:
                    return kivCheckMember(id, chosen.psAlertRequest.get(), alertPath,
                                          "uAlertReqOrRsp.psAlertRequest", "->", error, passes);
                case AROR_Response:
                    return kivCheckMember(id, chosen.psAlertResponse.get(), alertPath,
                                          "uAlertReqOrRsp.psAlertResponse", "->", error, passes);
                default:
                    return KivReportValueOutOfRange(id, kivFieldPath(alertPath, "eAlertReqRsp"), error);
            }
        });
}

int KivCheckCOrder(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                   SIError** out) {
    return kivCheckMember(
        assoc, single->uASN1.psCOrder.get(), path, "uASN1.psCOrder", "->", out,
        [](KivAssocId id, const KivCOrder* order, const std::string& orderPath, SIError** error) {
            const auto& chosen = order->uCOrder;
            switch (order->eCOrderType) {
                case COT_OrderRequest:
                    return kivCheckMember(id, chosen.psOrderRequest.get(), orderPath,
                                          "uCOrder.psOrderRequest", "->", error, checkOrderRequest);
                case COT_OrderResponse:
                    return kivCheckPresent(id, chosen.ppsOrderResponse.present(), orderPath,
                                           "uCOrder.ppsOrderResponse", error);
                default:
                    return KivReportValueOutOfRange(id, kivFieldPath(orderPath, "eCOrderType"), error);
            }
        });
}
