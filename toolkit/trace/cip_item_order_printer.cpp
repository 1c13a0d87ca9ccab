#include "toolkit/trace/cip_item_order_printer.h"

#include "toolkit/api/kiv_cip_item_order.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

void printText(std::FILE* file, const char* label, const KivInternationalString* text) {
    std::fputs(label, file);
    KivPrintInternationalString(file, text);
}

// label, then the block of a present part or "NULL\n".
template <typename T>
void printPart(std::FILE* file, const char* label, const T* part, void (*print)(std::FILE*, const T&)) {
    std::fputs(label, file);
    if (part == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        print(file, *part);
    }
}

// label, then "NULL\n" for an absent array, else a line end, each element's block and a line end.
template <typename T>
void printArrayEndingInBlankLine(std::FILE* file, const char* label, const KivArray<T>& items,
                                 void (*print)(std::FILE*, const T&)) {
    std::fputs(label, file);
    if (!items) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\n", file);
    for (const T& item : items) print(file, item);
    std::fputs("\n", file);
}

void printOtherInformation(std::FILE* file, const KivOtherInformation& item) {
    std::fputs("\npsInfoCategory: ", file);
    if (item.psInfoCategory == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        std::fputs("pcCategoryTypeId: ", file);
        trace::printTextLine(file, item.psInfoCategory->pcCategoryTypeId);
        trace::printLabelledSigned(file, "ulCategoryValue: ", item.psInfoCategory->ulCategoryValue);
    }
    trace::printInformationMember(file, item);
}

void printOtherInfo(std::FILE* file, const KivArray<KivOtherInformation>& items) {
    printArrayEndingInBlankLine(file, "otherInfo: ", items, printOtherInformation);
}

void printPrice(std::FILE* file, const KivCipBPrice& price) {
    std::fputs("price: ", file);
    KivPrintIntUnit(file, price.psPrice.get());
    printText(file, "priceExpirationDate: ", &price.sPriceExpirationDate);
    printText(file, "additionalPriceInfo: ", &price.sAdditionalPriceInfo);
}

void printAddress(std::FILE* file, const KivCipBAddress& address) {
    printText(file, "streetaddress: ", &address.sStreetAddress);
    printText(file, "city: ", &address.sCity);
    printText(file, "state: ", &address.sState);
    printText(file, "postalcode: ", &address.sPostalCode);
    printText(file, "country: ", &address.sCountry);
}

void printCreditCard(std::FILE* file, const KivCipBCreditCardInfo* card) {
    if (card == nullptr) {
        std::fputs("psCreditCard: NULL\n", file);
        return;
    }
    std::fputs("psCreditCard:\n", file);
    KivPrintNamedInternationalString(file, "sNameOnCard", &card->sNameOnCard);
    KivPrintNamedInternationalString(file, "sExpirationDate", &card->sExpirationDate);
    KivPrintNamedInternationalString(file, "sCardNumber", &card->sCardNumber);
}

// The constants without a member leave their line open for the billing block's next label.
void printPaymentMethod(std::FILE* file, const KivCipBPaymentMethod& method) {
    std::fputs("sPaymentMethod:\n", file);
    switch (method.ePaymentMethodType) {
        case PMT_BILLINVOICE:
            std::fputs("PMT_BILLINVOICE: ", file);
            break;
        case PMT_PREPAY:
            std::fputs("PMT_PREPAY: ", file);
            break;
        case PMT_DEPOSITACCOUNT:
            std::fputs("PMT_DEPOSITACCOUNT: ", file);
            break;
        case PMT_CREDITCARD:
            std::fputs("PMT_CREDITCARD: psCreditCard: ", file);
            printCreditCard(file, method.uPaymentMethod.psCreditCard.get());
            break;
        case PMT_CARDINFOPREVIOUSLYSUPPLIED:
            std::fputs("PMT_CARDINFOPREVIOUSLYSUPPLIED: ", file);
            break;
        case ABT_PRIVATEKNOWN:
            std::fputs("ABT_PRIVATEKNOWN: ", file);
            break;
        case ABT_PRIVATENOTKNOWN:
            std::fputs("ABT_PRIVATENOTKNOWN: ", file);
            KivPrintExternal(file, method.uPaymentMethod.psPrivateNotKnown.get());
            break;
        default:
            break;
    }
}

void printBilling(std::FILE* file, const KivCipBBilling& billing) {
    printPaymentMethod(file, billing.sPaymentMethod);
    printText(file, "customerReference: ", billing.psCustomerReference.get());
    printText(file, "customerPONumber: ", billing.psCustomerPONumber.get());
}

void printUserInformation(std::FILE* file, const KivCipBUserInformation& user) {
    printText(file, "userId: ", &user.sUserId);
    printText(file, "userName: ", &user.sUserName);
    printPart(file, "userAddress: ", user.psUserAddress.get(), printAddress);
    printText(file, "telNumber: ", &user.sTelNumber);
    printText(file, "faxNumber: ", &user.sFaxNumber);
    printText(file, "emailAddress: ", &user.sEmailAddress);
    printText(file, "networkAddress: ", &user.sNetworkAddress);
    printText(file, "account: ", &user.sAccount);
    printPart(file, "billing: ", user.psBilling.get(), printBilling);
}

void printDeliveryOptions(std::FILE* file, const KivCipBProductDeliveryOptions& options) {
    trace::printLabelledSigned(file, "ProductByteSize: ", options.ulProductByteSize);
    printText(file, "productFormat: ", &options.sProductFormat);
    printText(file, "productCompression: ", &options.sProductCompression);
    printOtherInfo(file, options.ppsOtherInfo);
}

void printProductSpec(std::FILE* file, const KivCipBProductSpec& spec) {
    printText(file, "productId: ", &spec.sProductId);
    printPart(file, "productPrice: ", spec.psProductPrice.get(), printPrice);
    printPart(file, "productDeliveryOptions: ", spec.psProductDeliveryOptions.get(), printDeliveryOptions);
    printText(file, "processingType: ", &spec.sProcessingType);
    printText(file, "processingOptions: ", &spec.sProcessingOptions);
    printText(file, "sceneSelectionOptions: ", &spec.sSceneSelectionOptions);
    printOtherInfo(file, spec.ppsOtherInfo);
}

void printPredefinedPackage(std::FILE* file, const KivCipBPredefinedPackage& package) {
    printText(file, "collectionId: ", &package.sCollectionId);
    printArrayEndingInBlankLine(file, "orderItems: ", package.ppsOrderItems, printProductSpec);
    printOtherInfo(file, package.ppsOtherInfo);
}

void printPackage(std::FILE* file, const KivCipBPackage& package) {
    switch (package.ePackageType) {
        case CIP_PKG_PREDEFINED:
            printPart(file, "predefinedPackage: ", package.uPackage.psPredefinedPackage.get(),
                      printPredefinedPackage);
            break;
        case CIP_PKG_ADHOC:
            printArrayEndingInBlankLine(file, "adHocPackage: ", package.uPackage.ppsAdHocPackage,
                                        printProductSpec);
            break;
        default:
            break;
    }
}

void printPackageSpec(std::FILE* file, const KivCipBPackageSpec& spec) {
    printText(file, "packageId: ", &spec.sPackageId);
    printPart(file, "packagePrice: ", spec.psPackagePrice.get(), printPrice);
    printPart(file, "package: ", spec.psPackage.get(), printPackage);
    printText(file, "packageMedium: ", &spec.sPackageMedium);
    trace::printLabelledSigned(file, "PackageKByteSize: ", spec.ulPackageKByteSize);
    printOtherInfo(file, spec.ppsOtherInfo);
}

// A direction other than push or pull prints nothing after its label.
void printFtp(std::FILE* file, const KivCipBFtpDelivery& ftp) {
    std::fputs("transferDirection: ", file);
    if (ftp.eTransferDirection == CIP_FTP_PUSH) std::fputs("PUSH\n", file);
    if (ftp.eTransferDirection == CIP_FTP_PULL) std::fputs("PULL\n", file);
    printText(file, "ftpAddress: ", &ftp.sFtpAddress);
}

void printDeliveryMethod(std::FILE* file, const KivCipBDeliveryMethod& method) {
    const auto& member = method.uDeliveryMethod;
    switch (method.eDeliveryMethodType) {
        case CIP_DM_EMAIL:
            printText(file, "eMail: ", member.psEMail.get());
            break;
        case CIP_DM_FTP:
            printPart(file, "ftp: ", member.psFtp.get(), printFtp);
            break;
        case CIP_DM_MAIL:
            printPart(file, "mail: ", member.psMail.get(), printAddress);
            break;
        case CIP_DM_OTHERINFO:
            printOtherInfo(file, member.ppsOtherInfo);
            break;
        default:
            break;
    }
}

void printDeliveryUnit(std::FILE* file, const KivCipBDeliveryUnit& unit) {
    printText(file, "deliveryUnitId: ", &unit.sDeliveryUnitId);
    printPart(file, "deliveryUnitPrice: ", unit.psDeliveryUnitPrice.get(), printPrice);
    printPart(file, "deliveryMethod: ", unit.psDeliveryMethod.get(), printDeliveryMethod);
    printPart(file, "billing: ", unit.psBilling.get(), printBilling);
    printArrayEndingInBlankLine(file, "packages: ", unit.ppsPackages, printPackageSpec);
    printOtherInfo(file, unit.ppsOtherInfo);
}

void printOrderSpecification(std::FILE* file, const KivCipBOrderSpecification& spec) {
    printText(file, "orderingCentreId: ", &spec.sOrderingCentreId);
    printPart(file, "orderPrice: ", spec.psOrderPrice.get(), printPrice);
    printText(file, "orderDeliverDate: ", &spec.sOrderDeliveryDate);
    printText(file, "orderCancellationDate: ", &spec.sOrderCancellationDate);
    printArrayEndingInBlankLine(file, "deliveryUnits: ", spec.ppsDeliveryUnits, printDeliveryUnit);
    printOtherInfo(file, spec.ppsOtherInfo);
}

void printStatusUpdateOption(std::FILE* file, const KivCipBStatusUpdateOption& option) {
    if (option.eStatusUpdateOptionType == ABT_MANUAL) {
        std::fputs("ABT_MANUAL\n", file);
    } else if (option.eStatusUpdateOptionType == ABT_AUTOMATIC) {
        std::fputs("ABT_AUTOMATIC\n", file);
        trace::printLabelledSigned(file, "automatic: ", option.ulAutomatic);
    }
}

void printOrderStatusInfo(std::FILE* file, const KivCipBOrderStatusInfo& info) {
    const KivCipBOrderState& state = info.sOrderState;
    std::fputs("sOrderState:\n", file);
    if (state.eOrderStateType == OSIT_STATICSTATE) {
        std::fputs("OSIT_STATICSTATE\n", file);
        KivPrintNamedInteger(file, "ulStaticState", &state.uOrderState.ulStaticState);
    } else if (state.eOrderStateType == OSIT_DYNAMICSTATE) {
        std::fputs("OSIT_DYNAMICSTATE\n", file);
        KivPrintNamedInteger(file, "ulDynamicState", &state.uOrderState.ulDynamicState);
    }
    KivPrintNamedInternationalString(file, "psAdditionalStatusInfo", info.psAdditionalStatusInfo.get());
}

void printToKeep(std::FILE* file, const KivCipBOriginPartToKeep& part) {
    trace::printLabelledSigned(file, "action: ", part.ulAction);
    printText(file, "orderId: ", &part.sOrderId);
    printPart(file, "orderSpecification: ", part.psOrderSpecification.get(), printOrderSpecification);
    printPart(file, "statusUpdateOption: ", part.psStatusUpdateOption.get(), printStatusUpdateOption);
    printPart(file, "userInformation: ", part.psUserInformation.get(), printUserInformation);
    printOtherInfo(file, part.ppsOtherInfo);
}

void printNotToKeep(std::FILE* file, const KivCipBOriginPartNotToKeep& part) {
    printText(file, "orderId: ", &part.sOrderId);
    printPart(file, "orderSpecification: ", part.psOrderSpecification.get(), printOrderSpecification);
    printPart(file, "userInformation: ", part.psUserInformation.get(), printUserInformation);
    printOtherInfo(file, part.ppsOtherInfo);
}

void printTargetPart(std::FILE* file, const KivCipBTargetPart& part) {
    printText(file, "orderId: ", &part.sOrderId);
    printPart(file, "orderSpecification: ", part.psOrderSpecification.get(), printOrderSpecification);
    printPart(file, "orderStatusInfo: ", part.psOrderStatusInfo.get(), printOrderStatusInfo);
    printPart(file, "userInformation: ", part.psUserInformation.get(), printUserInformation);
    printOtherInfo(file, part.ppsOtherInfo);
}

}  // namespace

void KivPrintCipBItemOrderExtendedService(std::FILE* file, const KivExternal* psExternal) {
    std::fputs("psCipBItemOrderExtendedService:\n", file);
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivCipBItemOrderExtendedService* package =
        content != nullptr ? content->uASN1.psCipBItemOrderExtendedService.get() : nullptr;
    if (package == nullptr) return;
    std::fputs("eItemOrderReqRsp: ", file);
    const auto& part = package->uItemOrderReqOrRsp;
    switch (package->eItemOrderReqRsp) {
        case IOROR_CipBRequest: {
            std::fputs("IOROR_CipBRequest: ", file);
            const KivCipBItemOrderRequest* request = part.psItemOrderRequest.get();
            if (request == nullptr) return;
            std::fputs("\n", file);
            printPart(file, "psToKeep: ", request->psToKeep.get(), printToKeep);
            printPart(file, "sNotToKeep: ", request->psNotToKeep.get(), printNotToKeep);
            break;
        }
        case IOROR_CipBResponse: {
            std::fputs("IOROR_CipBResponse: ", file);
            const KivCipBItemOrderResponse* response = part.psItemOrderResponse.get();
            if (response == nullptr) return;
            std::fputs("\n", file);
            printPart(file, "psOriginPart: ", response->psOriginPart.get(), printToKeep);
            printPart(file, "sTargetPart: ", response->sTargetPart.get(), printTargetPart);
            break;
        }
        default:
            std::fputs("Unknown\n", file);
            break;
    }
}
