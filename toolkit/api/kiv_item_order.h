#pragma once
// The Item Order extended-services package: the order of an item (request) and the task package that reports
// on it (response).

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"

enum : int32_t {
    IOROR_Request = 1,
    IOROR_Response = 2,
};

enum : int32_t {
    IOPM_BillInvoice = 1,
    IOPM_Prepay = 2,
    IOPM_DepositAccount = 3,
    IOPM_CreditCard = 4,
    IOPM_CardInfoPrevSupplied = 5,
    IOPM_PrivateKnown = 6,
    IOPM_PrivateNotKnown = 7,
    IOPM_Invalid = -1,
};

enum : int32_t {
    IOAS_NotReceived = 1,
    IOAS_LoanQueue = 2,
    IOAS_Forwarded = 3,
    IOAS_UnfilledCopyright = 4,
    IOAS_FilledCopyright = 5,
    IOAS_Invalid = -1,
};

struct KivCreditCardInfo {
    KivInternationalString sNameOnCard;
    KivInternationalString sExpirationDate;
    KivInternationalString sCardNumber;
};

// The member of the payment method that its type carries: the card for IOPM_CreditCard, the EXTERNAL for
// IOPM_PrivateNotKnown; the other types carry none.
struct KivPaymentMethodCell {
    std::unique_ptr<KivCreditCardInfo> psCreditCardInfo;
    std::unique_ptr<KivExternal> psPrivateNotKnown;
};

struct KivPaymentMethod {
    int32_t ePaymentMethodType{};
    std::unique_ptr<KivPaymentMethodCell> puPaymentMethod;
};

struct KivItemOrderContact {
    std::unique_ptr<KivInternationalString> psName;
    std::unique_ptr<KivInternationalString> psPhone;
    std::unique_ptr<KivInternationalString> psEmail;
};

struct KivItemOrderBilling {
    KivPaymentMethod sPaymentMethod;
    std::unique_ptr<KivInternationalString> psCustomerReference;
    std::unique_ptr<KivInternationalString> psCustomerPONumber;
};

struct KivItemOrderToKeep {
    std::unique_ptr<KivExternal> psSupplementalDescription;
    std::unique_ptr<KivItemOrderContact> psContact;
    std::unique_ptr<KivItemOrderBilling> psAdditionalBilling;
};

// An item of a result set: the set's name and the item's position in it.
struct KivResultSetItem {
    KivInternationalString sResultSetId;
    uint32_t ulItem{};
};

struct KivItemOrderNotToKeep {
    std::unique_ptr<KivResultSetItem> psResultSetItem;
    std::unique_ptr<KivExternal> psItemRequest;
};

struct KivItemOrderTargetPart {
    std::unique_ptr<KivExternal> psItemRequest;
    std::unique_ptr<KivExternal> psStatusOrErrorReport;
    std::optional<int32_t> peAuxiliaryStatus;
};

struct KivItemOrderRequest {
    std::unique_ptr<KivItemOrderToKeep> psToKeep;
    KivItemOrderNotToKeep sNotToKeep;
};

struct KivItemOrderResponse {
    std::unique_ptr<KivItemOrderToKeep> psOriginPart;
    KivItemOrderTargetPart sTargetPart;
};

struct KivItemOrderExtendedService {
    int32_t eItemOrderReqRsp{};
    struct {
        std::unique_ptr<KivItemOrderRequest> psItemOrderRequest;
        std::unique_ptr<KivItemOrderResponse> psItemOrderResponse;
    } uItemOrderReqOrRsp;
};
