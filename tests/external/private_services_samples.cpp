#include "tests/external/private_services_samples.h"

#include <string>
#include <utility>

#include "tests/api/carried_records_samples.h"

namespace sil_test {

namespace {

KivInternationalString str(const std::string& value) {
    return KivInternationalString{value};
}

using carried::text;

KivAddress address(bool withEmail) {
    KivAddress result;
    result.sPostalAddress = str("1 Main Street");
    if (withEmail) result.psEmailAddress = text("print@example.org");
    return result;
}

// The content under oid with its member set by place.
template <typename T, typename Place>
std::unique_ptr<KivExternal> contentExternal(const char* oid, int32_t type, T value, Place place) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    auto& content = external->uExternalValue.psSingleASN1Type;
    content = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = type;
    place(content->uASN1) = std::make_unique<T>(std::move(value));
    return external;
}

KivPrintExtendedService printRequest(std::unique_ptr<KivPrintOriginPartToKeep> origin) {
    KivPrintExtendedService package;
    package.ePrintReqRsp = PROR_Request;
    package.uPrintReqOrRsp.psPrintRequest = std::make_unique<KivPrintRequest>();
    package.uPrintReqOrRsp.psPrintRequest->psOriginPartToKeep = std::move(origin);
    return package;
}

std::unique_ptr<KivPrintOriginPartToKeep> createOption(std::unique_ptr<KivCreateOption> option) {
    auto origin = std::make_unique<KivPrintOriginPartToKeep>();
    origin->ePrintOriginPartToKeepType = POPKT_Create;
    origin->uPrintOriginPartToKeep.psCreateOption = std::move(option);
    return origin;
}

}  // namespace

KivPrintExtendedService printResultSetRequest() {
    auto option = std::make_unique<KivCreateOption>();
    option->eCreateOptionType = COPT_ResultSetReference;
    auto& reference = option->uCreateOption.psResultSetReference;
    reference = std::make_unique<KivResultSetReference>();
    reference->sResultSetId = str("a");
    reference->ulResultSetStartPoint = 1;
    reference->ulNumberOfRecordsRequested = 5;
    reference->ppsAdditionalRanges.emplace(KivRange{10, 2});
    reference->ppsAdditionalRanges.emplace(KivRange{20, 3});
    reference->psRecordComposition = std::make_unique<KivRecordComposition>();
    reference->psRecordComposition->eRecordCompositionType = 1;
    auto& names = reference->psRecordComposition->uRecordComposition.psElementSetNames;
    names = std::make_unique<KivElementSetNames>();
    names->eElementSetType = EST_Generic;
    names->uElementSet.psGeneric = text("F");
    reference->sAddress = address(true);
    return printRequest(createOption(std::move(option)));
}

KivPrintExtendedService printAccessionResponse() {
    auto option = std::make_unique<KivCreateOption>();
    option->eCreateOptionType = COPT_AccessionReference;
    auto& reference = option->uCreateOption.psAccessionReference;
    reference = std::make_unique<KivAccessionReference>();
    reference->sReferenceId = str("acc-42");
    reference->psRecordComposition = std::make_unique<KivRecordComposition>();
    reference->psRecordComposition->eRecordCompositionType = 2;
    auto& spec = reference->psRecordComposition->uRecordComposition.psCompSpec;
    spec = std::make_unique<KivCompSpec>();
    spec->fSelectAlternativeSyntax = 1;
    spec->ppcRecordSyntax.emplace("1.2.840.10003.5.10");
    reference->sAddress = address(false);

    KivPrintExtendedService package;
    package.ePrintReqRsp = PROR_Response;
    package.uPrintReqOrRsp.psPrintResponse = std::make_unique<KivPrintResponse>();
    package.uPrintReqOrRsp.psPrintResponse->psOriginPartToKeep = createOption(std::move(option));
    package.uPrintReqOrRsp.psPrintResponse->sTargetPart.sJobReference = str("job-1");
    return package;
}

KivPrintExtendedService printDeleteRequest() {
    auto origin = std::make_unique<KivPrintOriginPartToKeep>();
    origin->ePrintOriginPartToKeepType = POPKT_Delete;
    origin->uPrintOriginPartToKeep.psDeleteOption =
        std::make_unique<KivDeleteOption>(KivDeleteOption{str("J1")});
    return printRequest(std::move(origin));
}

KivAlertExtendedService alertRequest() {
    KivAlertExtendedService package;
    package.eAlertReqRsp = AROR_Request;
    package.uAlertReqOrRsp.psAlertRequest = std::make_unique<KivAlertRequest>();
    auto& origin = package.uAlertReqOrRsp.psAlertRequest->psOriginPartToKeep;
    origin = std::make_unique<KivAlertOriginPartToKeep>();
    origin->sAlertName = str("new titles");
    origin->psAddress = std::make_unique<KivAddress>(address(false));
    return package;
}

KivCOrder normalOrder() {
    KivCOrder order;
    order.eCOrderType = COT_OrderRequest;
    order.uCOrder.psOrderRequest = std::make_unique<KivOrderRequest>();
    order.uCOrder.psOrderRequest->eOrderRequestType = ORT_NormalOrder;
    auto& normal = order.uCOrder.psOrderRequest->uOrderRequest.psNormalOrder;
    normal = std::make_unique<KivNormalOrder>();
    normal->ppsOrderRanges.emplace(KivRange{1, 10});
    normal->ulQuantity = 2;
    return order;
}

KivCOrder orderReferences(int32_t eCOrderType) {
    KivCOrder order;
    order.eCOrderType = eCOrderType;
    KivArray<KivInternationalString>* references = &order.uCOrder.ppsOrderResponse;
    if (eCOrderType == COT_OrderRequest) {
        order.uCOrder.psOrderRequest = std::make_unique<KivOrderRequest>();
        order.uCOrder.psOrderRequest->eOrderRequestType = ORT_OrderRefs;
        references = &order.uCOrder.psOrderRequest->uOrderRequest.ppsOrderRefs;
    }
    references->emplace(str("a"));
    references->emplace(str("b"));
    return order;
}

std::unique_ptr<KivExternal> printExternal(KivPrintExtendedService package, const char* oid) {
    return contentExternal(
        oid, AT_Print, std::move(package), [](auto& u) -> auto& { return u.psPrintExtendedService; });
}

std::unique_ptr<KivExternal> alertExternal(KivAlertExtendedService package, const char* oid) {
    return contentExternal(
        oid, AT_Alert, std::move(package), [](auto& u) -> auto& { return u.psAlertExtendedService; });
}

std::unique_ptr<KivExternal> corderExternal(KivCOrder order, const char* oid) {
    return contentExternal(
        oid, AT_Corder, std::move(order), [](auto& u) -> auto& { return u.psCOrder; });
}

}  // namespace sil_test
