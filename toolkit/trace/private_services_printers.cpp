#include "toolkit/trace/private_services_printers.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_private_services.h"
#include "toolkit/trace/composition_printers.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kPrintReqRsp[] = {{PROR_Request, "PROR_Request"}, {PROR_Response, "PROR_Response"}};
constexpr trace::EnumName kOriginPartTypes[] = {{POPKT_Create, "POPKT_Create"},
                                                {POPKT_Delete, "POPKT_Delete"}};
constexpr trace::EnumName kCreateOptionTypes[] = {
    {COPT_ResultSetReference, "COPT_ResultSetReference"},
    {COPT_AccessionReference, "COPT_AccessionReference"},
};
constexpr trace::EnumName kAlertReqRsp[] = {{AROR_Request, "AROR_Request"}, {AROR_Response, "AROR_Response"}};
constexpr trace::EnumName kCOrderTypes[] = {
    {COT_OrderRequest, "COT_OrderRequest"},
    {COT_OrderResponse, "COT_OrderResponse"},
};
constexpr trace::EnumName kOrderRequestTypes[] = {{ORT_NormalOrder, "ORT_NormalOrder"},
                                                  {ORT_OrderRefs, "ORT_OrderRefs"}};

// "%s: NULL\n" for null, else "%s:\n"; true when there is a value to print.
bool printHead(std::FILE* file, const char* label, const void* value) {
    std::fputs(label, file);
    std::fputs(value == nullptr ? ": NULL\n" : ":\n", file);
    return value != nullptr;
}

// The label, then the constant's name; a value outside the table prints an empty name.
void printSelector(std::FILE* file, const char* label, int32_t value,
                   std::span<const trace::EnumName> names) {
    std::fputs(label, file);
    trace::printEnumName(file, value, names, "");
}

void printText(std::FILE* file, const char* label, const KivInternationalString* text) {
    std::fputs(label, file);
    KivPrintInternationalString(file, text);
}

void printNumber(std::FILE* file, const char* label, uint32_t value) {
    std::fputs(label, file);
    trace::printUnsignedLine(file, value);
}

void printStrings(std::FILE* file, const char* label, const KivArray<KivInternationalString>& strings) {
    if (!printHead(file, label, strings ? &strings : nullptr)) return;
    for (const KivInternationalString& string : strings) printText(file, "psInternationalString: ", &string);
}

void printResultSetReference(std::FILE* file, const KivResultSetReference* reference) {
    if (!printHead(file, "psResultSetReference", reference)) return;
    printText(file, "sResultSetId: ", &reference->sResultSetId);
    printNumber(file, "ulResultSetStartPoint: ", reference->ulResultSetStartPoint);
    printNumber(file, "ulNumberOfRecordsRequested: ", reference->ulNumberOfRecordsRequested);
    KivPrintNamedRangeList(file, "ppsAdditionalRanges", reference->ppsAdditionalRanges);
    KivPrintRecordComposition(file, reference->psRecordComposition.get());
    KivPrintNamedAddress(file, "sAddress", &reference->sAddress);
}

void printAccessionReference(std::FILE* file, const KivAccessionReference* reference) {
    if (!printHead(file, "psAccessionReference", reference)) return;
    printText(file, "sReferenceId: ", &reference->sReferenceId);
    KivPrintRecordComposition(file, reference->psRecordComposition.get());
    KivPrintNamedAddress(file, "sAddress", &reference->sAddress);
}

void printCreateOption(std::FILE* file, const KivCreateOption* option) {
    if (!printHead(file, "psCreateOption", option)) return;
    printSelector(file, "eCreateOptionType: ", option->eCreateOptionType, kCreateOptionTypes);
    if (option->eCreateOptionType == COPT_ResultSetReference) {
        printResultSetReference(file, option->uCreateOption.psResultSetReference.get());
    } else if (option->eCreateOptionType == COPT_AccessionReference) {
        printAccessionReference(file, option->uCreateOption.psAccessionReference.get());
    }
}

void printPrintOriginPart(std::FILE* file, const KivPrintOriginPartToKeep* part) {
    if (!printHead(file, "psOriginPartToKeep", part)) return;
    printSelector(file, "ePrintOriginPartToKeepType: ", part->ePrintOriginPartToKeepType, kOriginPartTypes);
    const auto& chosen = part->uPrintOriginPartToKeep;
    if (part->ePrintOriginPartToKeepType == POPKT_Create) {
        printCreateOption(file, chosen.psCreateOption.get());
    } else if (part->ePrintOriginPartToKeepType == POPKT_Delete &&
               printHead(file, "psDeleteOption", chosen.psDeleteOption.get())) {
        printText(file, "sJobReference: ", &chosen.psDeleteOption->sJobReference);
    }
}

void printAlertOriginPart(std::FILE* file, const KivAlertOriginPartToKeep* part) {
    if (!printHead(file, "psOriginPartToKeep", part)) return;
    KivPrintNamedInternationalString(file, "sAlertName", &part->sAlertName);
    KivPrintNamedAddress(file, "psAddress", part->psAddress.get());
}

void printOrderRequest(std::FILE* file, const KivOrderRequest* request) {
    if (!printHead(file, "psOrderRequest", request)) return;
    printSelector(file, "eOrderRequestType: ", request->eOrderRequestType, kOrderRequestTypes);
    const auto& chosen = request->uOrderRequest;
    if (request->eOrderRequestType == ORT_NormalOrder) {
        const KivNormalOrder* order = chosen.psNormalOrder.get();
        if (!printHead(file, "psNormalOrder", order)) return;
        KivPrintNamedRangeList(file, "ppsOrderRanges", order->ppsOrderRanges);
        printNumber(file, "ulQuantity: ", order->ulQuantity);
    } else if (request->eOrderRequestType == ORT_OrderRefs) {
        printStrings(file, "ppsOrderRefs", chosen.ppsOrderRefs);
    }
}

}  // namespace

void KivPrintNamedAddress(std::FILE* file, const char* label, const KivAddress* psAddress) {
    if (!printHead(file, label, psAddress)) return;
    printText(file, "sPostalAddress: ", &psAddress->sPostalAddress);
    printText(file, "psEmailAddress: ", psAddress->psEmailAddress.get());
}

void KivPrintPrintExtendedServiceContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivPrintExtendedService* print =
        content != nullptr ? content->uASN1.psPrintExtendedService.get() : nullptr;
    if (!printHead(file, "psPrintExtendedService", print)) return;
    printSelector(file, "ePrintReqRsp: ", print->ePrintReqRsp, kPrintReqRsp);
    const auto& chosen = print->uPrintReqOrRsp;
    if (print->ePrintReqRsp == PROR_Request) {
        const KivPrintRequest* request = chosen.psPrintRequest.get();
        if (printHead(file, "psPrintRequest", request))
            printPrintOriginPart(file, request->psOriginPartToKeep.get());
    } else if (print->ePrintReqRsp == PROR_Response) {
        const KivPrintResponse* response = chosen.psPrintResponse.get();
        if (!printHead(file, "psPrintResponse", response)) return;
        printPrintOriginPart(file, response->psOriginPartToKeep.get());
        std::fputs("sTargetPart:\n", file);
        printText(file, "sJobReference: ", &response->sTargetPart.sJobReference);
    }
}

void KivPrintAlertExtendedServiceContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivAlertExtendedService* alert =
        content != nullptr ? content->uASN1.psAlertExtendedService.get() : nullptr;
    if (!printHead(file, "psAlertExtendedService", alert)) return;
    printSelector(file, "eAlertReqRsp: ", alert->eAlertReqRsp, kAlertReqRsp);
    const auto& chosen = alert->uAlertReqOrRsp;
    if (alert->eAlertReqRsp == AROR_Request) {
        const KivAlertRequest* request = chosen.psAlertRequest.get();
        if (printHead(file, "psAlertRequest", request))
            printAlertOriginPart(file, request->psOriginPartToKeep.get());
    } else if (alert->eAlertReqRsp == AROR_Response) {
        const KivAlertResponse* response = chosen.psAlertResponse.get();
        if (printHead(file, "psAlertResponse", response)) {
            printAlertOriginPart(file, response->psOriginPartToKeep.get());
        }
    }
}

void KivPrintCOrderContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivCOrder* order = content != nullptr ? content->uASN1.psCOrder.get() : nullptr;
    if (!printHead(file, "psCOrder", order)) return;
    printSelector(file, "eCOrderType: ", order->eCOrderType, kCOrderTypes);
    if (order->eCOrderType == COT_OrderRequest) {
        printOrderRequest(file, order->uCOrder.psOrderRequest.get());
    } else if (order->eCOrderType == COT_OrderResponse) {
        printStrings(file, "ppsOrderResponse", order->uCOrder.ppsOrderResponse);
    }
}
