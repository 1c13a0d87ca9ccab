#pragma once
// Item Order packages with every optional group filled, that conversion, validation and printer tests start
// from.

#include <memory>
#include <string>

#include "tests/api/carried_records_samples.h"
#include "toolkit/api/kivproto.h"

namespace item_order_test {

using carried::text;

inline std::unique_ptr<KivExternal> sutrs(const std::string& value) {
    return std::make_unique<KivExternal>(carried::sutrsExternal("1.2.840.10003.5.101", value));
}

inline std::unique_ptr<KivExternal> octets(const std::string& value) {
    return std::make_unique<KivExternal>(carried::octetAligned("1.2.840.10003.5.10", value));
}

// A part to keep with a description, a full contact and a billing whose payment method is credit card (4)
// or private and not known (7); any other type carries no cell.
inline std::unique_ptr<KivItemOrderToKeep> toKeep(int32_t paymentType) {
    auto part = std::make_unique<KivItemOrderToKeep>();
    part->psSupplementalDescription = sutrs("Vol. 2 only");
    part->psContact = std::make_unique<KivItemOrderContact>();
    part->psContact->psName = text("A. Reader");
    part->psContact->psPhone = text("+44 20 7946 0000");
    part->psContact->psEmail = text("reader@example.org");
    part->psAdditionalBilling = std::make_unique<KivItemOrderBilling>();
    KivItemOrderBilling& billing = *part->psAdditionalBilling;
    billing.sPaymentMethod.ePaymentMethodType = paymentType;
    if (paymentType == IOPM_CreditCard) {
        billing.sPaymentMethod.puPaymentMethod = std::make_unique<KivPaymentMethodCell>();
        billing.sPaymentMethod.puPaymentMethod->psCreditCardInfo = std::make_unique<KivCreditCardInfo>(
            KivCreditCardInfo{{"A READER"}, {"12/29"}, {"4111111111111111"}});
    } else if (paymentType == IOPM_PrivateNotKnown) {
        billing.sPaymentMethod.puPaymentMethod = std::make_unique<KivPaymentMethodCell>();
        billing.sPaymentMethod.puPaymentMethod->psPrivateNotKnown = octets("acct-77");
    }
    billing.psCustomerReference = text("REF-1");
    billing.psCustomerPONumber = text("PO-42");
    return part;
}

inline KivExternal packageExternal(const std::string& oid,
                                   std::unique_ptr<KivItemOrderExtendedService> package) {
    return carried::singleExternal(oid, AT_ItemOrderExtendedService, [&](KivSingleASN1Type& content) {
        content.uASN1.psItemOrderExtendedService = std::move(package);
    });
}

// A request with a part to keep paid by card, a result-set item and an item request.
inline KivExternal request(const std::string& oid, int32_t paymentType = IOPM_CreditCard) {
    auto package = std::make_unique<KivItemOrderExtendedService>();
    package->eItemOrderReqRsp = IOROR_Request;
    package->uItemOrderReqOrRsp.psItemOrderRequest = std::make_unique<KivItemOrderRequest>();
    KivItemOrderRequest& request = *package->uItemOrderReqOrRsp.psItemOrderRequest;
    request.psToKeep = toKeep(paymentType);
    request.sNotToKeep.psResultSetItem =
        std::make_unique<KivResultSetItem>(KivResultSetItem{{"default"}, 3000000000U});
    request.sNotToKeep.psItemRequest = octets("ILL request");
    return packageExternal(oid, std::move(package));
}

// A response with an origin part paid privately and a target part with all three members.
inline KivExternal response(const std::string& oid, int32_t paymentType = IOPM_PrivateNotKnown) {
    auto package = std::make_unique<KivItemOrderExtendedService>();
    package->eItemOrderReqRsp = IOROR_Response;
    package->uItemOrderReqOrRsp.psItemOrderResponse = std::make_unique<KivItemOrderResponse>();
    KivItemOrderResponse& response = *package->uItemOrderReqOrRsp.psItemOrderResponse;
    response.psOriginPart = toKeep(paymentType);
    response.sTargetPart.psItemRequest = octets("ILL request");
    response.sTargetPart.psStatusOrErrorReport = sutrs("On order");
    response.sTargetPart.peAuxiliaryStatus = IOAS_LoanQueue;
    return packageExternal(oid, std::move(package));
}

inline KivItemOrderRequest& requestOf(KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService->uItemOrderReqOrRsp
                .psItemOrderRequest;
}

inline KivItemOrderResponse& responseOf(KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService->uItemOrderReqOrRsp
                .psItemOrderResponse;
}

}  // namespace item_order_test
