#pragma once
// Deep equality of the Item Order package and every structure it holds, on the shared toolkit of
// tests/api/kiv_equality.h. Its EXTERNALs are compared by tests/api/carried_records_equality.h, included at
// the end so that either header brings both.

#include "tests/api/kiv_equality.h"
#include "toolkit/api/kivproto.h"

// Defined with the carried records.
inline bool kivEqual(const KivExternal& a, const KivExternal& b);

inline bool kivEqual(const KivCreditCardInfo& a, const KivCreditCardInfo& b) {
    return kivEqual(a.sNameOnCard, b.sNameOnCard) && kivEqual(a.sExpirationDate, b.sExpirationDate) &&
           kivEqual(a.sCardNumber, b.sCardNumber);
}

inline bool kivEqual(const KivPaymentMethodCell& a, const KivPaymentMethodCell& b) {
    return kivEqual(a.psCreditCardInfo, b.psCreditCardInfo) &&
           kivEqual(a.psPrivateNotKnown, b.psPrivateNotKnown);
}

inline bool kivEqual(const KivPaymentMethod& a, const KivPaymentMethod& b) {
    return a.ePaymentMethodType == b.ePaymentMethodType && kivEqual(a.puPaymentMethod, b.puPaymentMethod);
}

inline bool kivEqual(const KivItemOrderContact& a, const KivItemOrderContact& b) {
    return kivEqual(a.psName, b.psName) && kivEqual(a.psPhone, b.psPhone) && kivEqual(a.psEmail, b.psEmail);
}

inline bool kivEqual(const KivItemOrderBilling& a, const KivItemOrderBilling& b) {
    return kivEqual(a.sPaymentMethod, b.sPaymentMethod) &&
           kivEqual(a.psCustomerReference, b.psCustomerReference) &&
           kivEqual(a.psCustomerPONumber, b.psCustomerPONumber);
}

inline bool kivEqual(const KivItemOrderToKeep& a, const KivItemOrderToKeep& b) {
    return kivEqual(a.psSupplementalDescription, b.psSupplementalDescription) &&
           kivEqual(a.psContact, b.psContact) && kivEqual(a.psAdditionalBilling, b.psAdditionalBilling);
}

inline bool kivEqual(const KivResultSetItem& a, const KivResultSetItem& b) {
    return kivEqual(a.sResultSetId, b.sResultSetId) && a.ulItem == b.ulItem;
}

inline bool kivEqual(const KivItemOrderNotToKeep& a, const KivItemOrderNotToKeep& b) {
    return kivEqual(a.psResultSetItem, b.psResultSetItem) && kivEqual(a.psItemRequest, b.psItemRequest);
}

inline bool kivEqual(const KivItemOrderTargetPart& a, const KivItemOrderTargetPart& b) {
    return kivEqual(a.psItemRequest, b.psItemRequest) &&
           kivEqual(a.psStatusOrErrorReport, b.psStatusOrErrorReport) &&
           a.peAuxiliaryStatus == b.peAuxiliaryStatus;
}

inline bool kivEqual(const KivItemOrderRequest& a, const KivItemOrderRequest& b) {
    return kivEqual(a.psToKeep, b.psToKeep) && kivEqual(a.sNotToKeep, b.sNotToKeep);
}

inline bool kivEqual(const KivItemOrderResponse& a, const KivItemOrderResponse& b) {
    return kivEqual(a.psOriginPart, b.psOriginPart) && kivEqual(a.sTargetPart, b.sTargetPart);
}

inline bool kivEqual(const KivItemOrderExtendedService& a, const KivItemOrderExtendedService& b) {
    const auto& x = a.uItemOrderReqOrRsp;
    const auto& y = b.uItemOrderReqOrRsp;
    return a.eItemOrderReqRsp == b.eItemOrderReqRsp && kivEqual(x.psItemOrderRequest, y.psItemOrderRequest) &&
           kivEqual(x.psItemOrderResponse, y.psItemOrderResponse);
}

// Defines the EXTERNAL comparison declared above.
#include "tests/api/carried_records_equality.h"
