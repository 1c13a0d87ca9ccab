#include "toolkit/trace/item_order_printer.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_item_order.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kPaymentMethods[] = {
    {IOPM_BillInvoice, "IOPM_BillInvoice"},
    {IOPM_Prepay, "IOPM_Prepay"},
    {IOPM_DepositAccount, "IOPM_DepositAccount"},
    {IOPM_CreditCard, "IOPM_CreditCard"},
    {IOPM_CardInfoPrevSupplied, "IOPM_CardInfoPrevSupplied"},
    {IOPM_PrivateKnown, "IOPM_PrivateKnown"},
    {IOPM_PrivateNotKnown, "IOPM_PrivateNotKnown"},
    {IOPM_Invalid, "IOPM_Invalid"},
};

constexpr trace::EnumName kAuxiliaryStatuses[] = {
    {IOAS_NotReceived, "IOAS_NotReceived"},
    {IOAS_LoanQueue, "IOAS_LoanQueue"},
    {IOAS_Forwarded, "IOAS_Forwarded"},
    {IOAS_UnfilledCopyright, "IOAS_UnfilledCopyright"},
    {IOAS_FilledCopyright, "IOAS_FilledCopyright"},
    {IOAS_Invalid, "IOAS_Invalid"},
};

// The member of a credit-card or private payment, "NULL" when its cell is missing.
void printPaymentCell(std::FILE* file, const KivPaymentMethod& method) {
    const KivPaymentMethodCell* cell = method.puPaymentMethod.get();
    if (cell == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    if (method.ePaymentMethodType == IOPM_PrivateNotKnown) {
        if (cell->psPrivateNotKnown) KivPrintExternal(file, cell->psPrivateNotKnown.get());
        return;
    }
    if (const KivCreditCardInfo* card = cell->psCreditCardInfo.get()) {
        KivPrintNamedInternationalString(file, "sNameOnCard", &card->sNameOnCard);
        KivPrintNamedInternationalString(file, "sExpirationDate", &card->sExpirationDate);
        KivPrintNamedInternationalString(file, "sCardNumber", &card->sCardNumber);
    }
}

void printPaymentMethod(std::FILE* file, const KivPaymentMethod& method) {
    std::fputs("\nePaymentMethodType: ", file);
    trace::printEnumName(file, method.ePaymentMethodType, kPaymentMethods);
    if (method.ePaymentMethodType == IOPM_CreditCard || method.ePaymentMethodType == IOPM_PrivateNotKnown)
        printPaymentCell(file, method);
}

void printContact(std::FILE* file, const KivItemOrderContact* contact) {
    if (contact == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    KivPrintNamedInternationalString(file, "psName", contact->psName.get());
    KivPrintNamedInternationalString(file, "psPhone", contact->psPhone.get());
    KivPrintNamedInternationalString(file, "psEmail", contact->psEmail.get());
}

void printBilling(std::FILE* file, const KivItemOrderBilling* billing) {
    if (billing == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("sPaymentMethod: ", file);
    printPaymentMethod(file, billing->sPaymentMethod);
    KivPrintNamedInternationalString(file, "psCustomerReference", billing->psCustomerReference.get());
    KivPrintNamedInternationalString(file, "psCustomerPONumber", billing->psCustomerPONumber.get());
}

// Its first label continues the line of the part's own label.
void printToKeep(std::FILE* file, const KivItemOrderToKeep* part) {
    if (part == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("psSupplementalDescription: ", file);
    KivPrintExternal(file, part->psSupplementalDescription.get());
    std::fputs("psContact: ", file);
    printContact(file, part->psContact.get());
    std::fputs("psAdditionalBilling:\n", file);
    printBilling(file, part->psAdditionalBilling.get());
}

void printNotToKeep(std::FILE* file, const KivItemOrderNotToKeep& part) {
    std::fputs("psResultSetItem: ", file);
    if (const KivResultSetItem* item = part.psResultSetItem.get()) {
        KivPrintNamedInternationalString(file, "sResultSetId", &item->sResultSetId);
        std::fputs("ulItem: ", file);
        trace::printUnsignedLine(file, item->ulItem);
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("psItemRequest: ", file);
    KivPrintExternal(file, part.psItemRequest.get());
}

void printTargetPart(std::FILE* file, const KivItemOrderTargetPart& part) {
    std::fputs("psItemRequest: ", file);
    KivPrintExternal(file, part.psItemRequest.get());
    std::fputs("psStatusOrErrorReport: ", file);
    KivPrintExternal(file, part.psStatusOrErrorReport.get());
    std::fputs("peAuxiliaryStatus: ", file);
    trace::printOptionalEnumName(file, part.peAuxiliaryStatus, kAuxiliaryStatuses);
}

}  // namespace

void KivPrintItemOrderContent(std::FILE* file, const KivExternal* psExternal) {
    std::fputs("psItemOrderExtendedService:\n", file);
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psItemOrderExtendedService == nullptr) return;
    const KivItemOrderExtendedService& package = *content->uASN1.psItemOrderExtendedService;
    std::fputs("eItemOrderReqRsp: ", file);
    switch (package.eItemOrderReqRsp) {
        case IOROR_Request:
            std::fputs("IOROR_Request: ", file);
            if (const KivItemOrderRequest* request = package.uItemOrderReqOrRsp.psItemOrderRequest.get()) {
                std::fputs("\npsToKeep: ", file);
                printToKeep(file, request->psToKeep.get());
                std::fputs("sNotToKeep: ", file);
                printNotToKeep(file, request->sNotToKeep);
            }
            break;
        case IOROR_Response:
            std::fputs("IOROR_Response: ", file);
            if (const KivItemOrderResponse* response = package.uItemOrderReqOrRsp.psItemOrderResponse.get()) {
                std::fputs("\npsOriginPart: ", file);
                printToKeep(file, response->psOriginPart.get());
                std::fputs("sTargetPart: ", file);
                printTargetPart(file, response->sTargetPart);
            }
            break;
        default:
            std::fputs("Unknown\n", file);
            break;
    }
}
