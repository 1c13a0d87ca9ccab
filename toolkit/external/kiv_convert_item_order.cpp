#include "toolkit/external/kiv_convert_item_order.h"

#include <memory>
#include <optional>

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_item_order.h"
#include "toolkit/codec/records/records_f.h"

using codec::records::CreditCardInfo;
using codec::records::ItemOrder;
using codec::records::ItemOrderBilling;
using codec::records::ItemOrderContact;
using codec::records::ItemOrderEsRequest;
using codec::records::ItemOrderOriginPartNotToKeep;
using codec::records::ItemOrderOriginPartToKeep;
using codec::records::ItemOrderTargetPart;
using codec::records::ItemOrderTaskPackage;
using codec::records::PaymentMethod;
using codec::records::ResultSetItem;

namespace {

// ---- Towards the codec ----

void itemOrderContactToCodec(ItemOrderContact* dst, const KivItemOrderContact* src) {
    kivOptionalTextToCodec(&dst->name, src->psName);
    kivOptionalTextToCodec(&dst->phone, src->psPhone);
    kivOptionalTextToCodec(&dst->email, src->psEmail);
}

void creditCardToCodec(CreditCardInfo* dst, const KivCreditCardInfo* src) {
    KivInternationalStringToCodec(&dst->nameOnCard, &src->sNameOnCard);
    KivInternationalStringToCodec(&dst->expirationDate, &src->sExpirationDate);
    KivInternationalStringToCodec(&dst->cardNumber, &src->sCardNumber);
}

void itemOrderPaymentMethodToCodec(PaymentMethod* dst, const KivPaymentMethod* src) {
    if (src->ePaymentMethodType < IOPM_BillInvoice || src->ePaymentMethodType > IOPM_PrivateNotKnown) return;
    dst->choiceId = src->ePaymentMethodType - 1;
    const KivPaymentMethodCell* cell = src->puPaymentMethod.get();
    if (cell == nullptr) return;
    if (src->ePaymentMethodType == IOPM_CreditCard) {
        kivNewToCodec(&dst->creditCard, cell->psCreditCardInfo.get(), creditCardToCodec);
    } else if (src->ePaymentMethodType == IOPM_PrivateNotKnown) {
        KivOptionalExternalToCodec(&dst->privateNotKnown, cell->psPrivateNotKnown.get());
    }
}

void itemOrderBillingToCodec(ItemOrderBilling* dst, const KivItemOrderBilling* src) {
    kivNewToCodec(&dst->paymentMethod, &src->sPaymentMethod, itemOrderPaymentMethodToCodec);
    kivOptionalTextToCodec(&dst->customerReference, src->psCustomerReference);
    kivOptionalTextToCodec(&dst->customerPONumber, src->psCustomerPONumber);
}

void toKeepToCodec(ItemOrderOriginPartToKeep* dst, const KivItemOrderToKeep* src) {
    KivOptionalExternalToCodec(&dst->supplDescription, src->psSupplementalDescription.get());
    kivNewToCodec(&dst->contact, src->psContact.get(), itemOrderContactToCodec);
    kivNewToCodec(&dst->addlBilling, src->psAdditionalBilling.get(), itemOrderBillingToCodec);
}

void resultSetItemToCodec(ResultSetItem* dst, const KivResultSetItem* src) {
    KivInternationalStringToCodec(&dst->resultSetId, &src->sResultSetId);
    dst->item = static_cast<BerInteger>(src->ulItem);
}

void notToKeepToCodec(ItemOrderOriginPartNotToKeep* dst, const KivItemOrderNotToKeep* src) {
    kivNewToCodec(&dst->resultSetItem, src->psResultSetItem.get(), resultSetItemToCodec);
    KivOptionalExternalToCodec(&dst->itemRequest, src->psItemRequest.get());
}

void itemOrderTargetPartToCodec(ItemOrderTargetPart* dst, const KivItemOrderTargetPart* src) {
    KivOptionalExternalToCodec(&dst->itemRequest, src->psItemRequest.get());
    KivOptionalExternalToCodec(&dst->statusOrErrorReport, src->psStatusOrErrorReport.get());
    if (src->peAuxiliaryStatus) {
        const std::optional<uint32_t> status = static_cast<uint32_t>(
            kivEnumToCodec(*src->peAuxiliaryStatus, IOAS_NotReceived, IOAS_FilledCopyright));
        KivOptionalIntegerToCodec(&dst->auxiliaryStatus, &status);
    }
}

void requestToCodec(ItemOrderEsRequest* dst, const KivItemOrderRequest* src) {
    kivNewToCodec(&dst->toKeep, src->psToKeep.get(), toKeepToCodec);
    kivNewToCodec(&dst->notToKeep, &src->sNotToKeep, notToKeepToCodec);
}

void itemOrderResponseToCodec(ItemOrderTaskPackage* dst, const KivItemOrderResponse* src) {
    kivNewToCodec(&dst->originPart, src->psOriginPart.get(), toKeepToCodec);
    kivNewToCodec(&dst->targetPart, &src->sTargetPart, itemOrderTargetPartToCodec);
}

// ---- From the codec ----

void itemOrderContactFromCodec(KivItemOrderContact* dst, const ItemOrderContact* src) {
    kivOptionalTextFromCodec(&dst->psName, src->name);
    kivOptionalTextFromCodec(&dst->psPhone, src->phone);
    kivOptionalTextFromCodec(&dst->psEmail, src->email);
}

void creditCardFromCodec(KivCreditCardInfo* dst, const CreditCardInfo* src) {
    KivInternationalStringFromCodec(&dst->sNameOnCard, &src->nameOnCard);
    KivInternationalStringFromCodec(&dst->sExpirationDate, &src->expirationDate);
    KivInternationalStringFromCodec(&dst->sCardNumber, &src->cardNumber);
}

void paymentMethodFromCodec(KivPaymentMethod* dst, const PaymentMethod* src) {
    if (src->choiceId < 0 || src->choiceId >= PaymentMethod::kAlternatives) {
        dst->ePaymentMethodType = IOPM_Invalid;
        return;
    }
    dst->ePaymentMethodType = src->choiceId + 1;
    if (src->choiceId == PaymentMethod::kCreditCard && src->creditCard != nullptr) {
        kivFromCodec([&] { dst->puPaymentMethod = std::make_unique<KivPaymentMethodCell>(); });
        kivNewFromCodec(&dst->puPaymentMethod->psCreditCardInfo, src->creditCard, creditCardFromCodec);
    } else if (src->choiceId == PaymentMethod::kPrivateNotKnown && src->privateNotKnown != nullptr) {
        kivFromCodec([&] { dst->puPaymentMethod = std::make_unique<KivPaymentMethodCell>(); });
        KivNewExternalFromCodec(&dst->puPaymentMethod->psPrivateNotKnown, src->privateNotKnown);
    }
}

void itemOrderBillingFromCodec(KivItemOrderBilling* dst, const ItemOrderBilling* src) {
    if (src->paymentMethod != nullptr) paymentMethodFromCodec(&dst->sPaymentMethod, src->paymentMethod);
    kivOptionalTextFromCodec(&dst->psCustomerReference, src->customerReference);
    kivOptionalTextFromCodec(&dst->psCustomerPONumber, src->customerPONumber);
}

void toKeepFromCodec(KivItemOrderToKeep* dst, const ItemOrderOriginPartToKeep* src) {
    KivOptionalExternalFromCodec(&dst->psSupplementalDescription, src->supplDescription);
    kivNewFromCodec(&dst->psContact, src->contact, itemOrderContactFromCodec);
    kivNewFromCodec(&dst->psAdditionalBilling, src->addlBilling, itemOrderBillingFromCodec);
}

void resultSetItemFromCodec(KivResultSetItem* dst, const ResultSetItem* src) {
    KivInternationalStringFromCodec(&dst->sResultSetId, &src->resultSetId);
    dst->ulItem = static_cast<uint32_t>(src->item);
}

void notToKeepFromCodec(KivItemOrderNotToKeep* dst, const ItemOrderOriginPartNotToKeep* src) {
    kivNewFromCodec(&dst->psResultSetItem, src->resultSetItem, resultSetItemFromCodec);
    KivOptionalExternalFromCodec(&dst->psItemRequest, src->itemRequest);
}

void targetPartFromCodec(KivItemOrderTargetPart* dst, const ItemOrderTargetPart* src) {
    KivOptionalExternalFromCodec(&dst->psItemRequest, src->itemRequest);
    KivOptionalExternalFromCodec(&dst->psStatusOrErrorReport, src->statusOrErrorReport);
    if (src->auxiliaryStatus != nullptr) {
        dst->peAuxiliaryStatus =
            kivEnumFromCodec(*src->auxiliaryStatus, IOAS_NotReceived, IOAS_FilledCopyright);
    }
}

void requestFromCodec(KivItemOrderRequest* dst, const ItemOrderEsRequest* src) {
    kivNewFromCodec(&dst->psToKeep, src->toKeep, toKeepFromCodec);
    if (src->notToKeep != nullptr) notToKeepFromCodec(&dst->sNotToKeep, src->notToKeep);
}

void itemOrderResponseFromCodec(KivItemOrderResponse* dst, const ItemOrderTaskPackage* src) {
    kivNewFromCodec(&dst->psOriginPart, src->originPart, toKeepFromCodec);
    if (src->targetPart != nullptr) targetPartFromCodec(&dst->sTargetPart, src->targetPart);
}

}  // namespace

void KivItemOrderExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivItemOrderExtendedService* package = src->uASN1.psItemOrderExtendedService.get();
    if (package == nullptr) return;
    auto* value = kivNewContentValue<ItemOrder>(dst);
    const auto& member = package->uItemOrderReqOrRsp;
    switch (package->eItemOrderReqRsp) {
        case IOROR_Request:
            value->choiceId = ItemOrder::kEsRequest;
            kivNewToCodec(&value->esRequest, member.psItemOrderRequest.get(), requestToCodec);
            break;
        case IOROR_Response:
            value->choiceId = ItemOrder::kTaskPackage;
            kivNewToCodec(&value->taskPackage, member.psItemOrderResponse.get(), itemOrderResponseToCodec);
            break;
        default:
            break;
    }
}

void KivItemOrderExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_ItemOrderExtendedService;
    kivFromCodec(
        [&] { dst->uASN1.psItemOrderExtendedService = std::make_unique<KivItemOrderExtendedService>(); });
    KivItemOrderExtendedService* package = dst->uASN1.psItemOrderExtendedService.get();
    const ItemOrder& value = kivContentValue<ItemOrder>(src);
    auto& member = package->uItemOrderReqOrRsp;
    switch (value.choiceId) {
        case ItemOrder::kEsRequest:
            package->eItemOrderReqRsp = IOROR_Request;
            kivNewFromCodec(&member.psItemOrderRequest, value.esRequest, requestFromCodec);
            break;
        case ItemOrder::kTaskPackage:
            package->eItemOrderReqRsp = IOROR_Response;
            kivNewFromCodec(&member.psItemOrderResponse, value.taskPackage, itemOrderResponseFromCodec);
            break;
        default:
            break;
    }
}
