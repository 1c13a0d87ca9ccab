#include "toolkit/trace/ill_request_printer.h"

#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/ill_extension_printer.h"
#include "toolkit/trace/ill_part_printers.h"
#include "toolkit/trace/value_printers.h"

namespace trace::ill {
namespace {

using trace::addressOf;

constexpr EnumName kTransactionTypes[] = {
    {TT_Simple, "TT_Simple"},
    {TT_Chained, "TT_Chained"},
    {TT_Partitioned, "TT_Partitioned"},
    {TT_Invalid, "TT_Invalid"},
};
constexpr EnumName kServiceTypes[] = {
    {ST_Loan, "ST_Loan"},
    {ST_CopyNonReturnable, "ST_CopyNonReturnable"},
    {ST_Locations, "ST_Locations"},
    {ST_Estimate, "ST_Estimate"},
    {ST_ResponderSpecific, "ST_ResponderSpecific"},
    {ST_Invalid, "ST_Invalid"},
};
constexpr EnumName kOptionalMessageRequests[] = {
    {OMR_Requires, "OMR_Requires"},
    {OMR_Desires, "OMR_Desires"},
    {OMR_Neither, "OMR_Neither"},
    {OMR_Invalid, "OMR_Invalid"},
};
constexpr EnumName kSupplyMediumTypes[] = {
    {SMT_Printed, "SMT_Printed"},
    {SMT_Photocopy, "SMT_Photocopy"},
    {SMT_Microform, "SMT_Microform"},
    {SMT_FilmOrVideoRecording, "SMT_FilmOrVideoRecording"},
    {SMT_AudioRecording, "SMT_AudioRecording"},
    {SMT_MachineReadable, "SMT_MachineReadable"},
    {SMT_Other, "SMT_Other"},
    {SMT_Invalid, "SMT_Invalid"},
};
constexpr EnumName kPlaceOnHold[] = {
    {POH_Yes, "POH_Yes"},
    {POH_No, "POH_No"},
    {POH_ResponderPolicy, "POH_ResponderPolicy"},
    {POH_Invalid, "POH_Invalid"},
};
constexpr EnumName kExpiryFlags[] = {
    {EXP_NeedBeforeDate, "EXP_NeedBeforeDate"},
    {EXP_OtherDate, "EXP_OtherDate"},
    {EXP_NoExpiry, "EXP_NoExpiry"},
    {EXP_Invalid, "EXP_Invalid"},
};
constexpr EnumName kItemTypes[] = {
    {IT_Monograph, "IT_Monograph"},
    {IT_Serial, "IT_Serial"},
    {IT_Other, "IT_Other"},
    {IT_Invalid, "IT_Invalid"},
};
constexpr EnumName kMediumTypes[] = {
    {MT_Printed, "MT_Printed"},
    {MT_Microform, "MT_Microform"},
    {MT_FilmOrVideoRecording, "MT_FilmOrVideoRecording"},
    {MT_AudioRecording, "MT_AudioRecording"},
    {MT_MachineReadable, "MT_MachineReadable"},
    {MT_Other, "MT_Other"},
    {MT_Invalid, "MT_Invalid"},
};
constexpr EnumName kPreferences[] = {
    {PRE_Ordered, "PRE_Ordered"},
    {PRE_Unordered, "PRE_Unordered"},
    {PRE_Invalid, "PRE_Invalid"},
};

void printPostalAddress(std::FILE* file, const KivPostalAddress& address) {
    printOptional(file, "psNameOfPersonOrInstitution: ", address.psNameOfPersonOrInstitution.get(), printName);
    printOptionalIllString(file, "psExtendedPostalDeliveryAddress: ", address.psExtendedPostalDeliveryAddress);
    printOptionalIllString(file, "psStreetAndNumber: ", address.psStreetAndNumber);
    printOptionalIllString(file, "psPostOfficeBox: ", address.psPostOfficeBox);
    printOptionalIllString(file, "psCity: ", address.psCity);
    printOptionalIllString(file, "psRegion: ", address.psRegion);
    printOptionalIllString(file, "psCountry: ", address.psCountry);
    printOptionalIllString(file, "psPostalCode: ", address.psPostalCode);
}

void printDeliveryAddress(std::FILE* file, const KivDeliveryAddress& address) {
    printOptional(file, "\npsPostalAddress: ", address.psPostalAddress.get(), printPostalAddress);
    printOptional(file, "psElectronicAddress: ", address.psElectronicAddress.get(), printSystemAddress);
}

// The identifier of a delivery mode or document type and the EXTERNAL of the value it defines.
void printParameter(std::FILE* file, const char* idLabel, const std::optional<std::string>& id,
                    const KivParameterValue* value) {
    printLabelledText(file, idLabel, id);
    std::fputs("psDummy: ", file);
    KivPrintExternal(file, value != nullptr ? value->psDummy.get() : nullptr);
}

void printDeliveryDetails(std::FILE* file, const KivDeliveryDetails& details) {
    const auto& member = details.uDeliveryDetails;
    switch (details.eDeliveryDetailsType) {
        case DDT_SystemAddress:
            printOptional(file, "DDT_SystemAddress\n", member.psSystemAddress.get(), printSystemAddress);
            break;
        case DDT_SystemId:
            printOptional(file, "DDT_SystemId\n", member.psSystemId.get(), printSystemId);
            break;
        default:
            break;
    }
}

void printElectronicDelivery(std::FILE* file, const KivElectronicDeliveryService& service) {
    printOptional(file, "\npsDeliveryParameter: ", service.psDeliveryParameter.get(),
                  [](std::FILE* out, const KivDeliveryParameter& parameter) {
                      printParameter(out, "\npcDeliveryMode: ", parameter.pcDeliveryMode,
                                     parameter.puDeliveryParameter.get());
                  });
    std::fputs("\n", file);
    printOptional(file, "psDocumentTypeParameter: ", service.psDocumentTypeParameter.get(),
                  [](std::FILE* out, const KivDocumentTypeParameter& parameter) {
                      printParameter(out, "\npcDocumentTypeId: ", parameter.pcDocumentTypeId,
                                     parameter.puDocumentTypeParameter.get());
                  });
    std::fputs("\n", file);
    printOptionalIllString(file, "psDeliveryDescription: ", service.psDeliveryDescription);
    std::fputs("sDeliveryDetails: ", file);
    printDeliveryDetails(file, service.sDeliveryDetails);
    printOptionalIllString(file, "psNameOrCode: ", service.psNameOrCode);
    printLabelledText(file, "pcDeliveryTime: ", service.pcDeliveryTime);
}

void printDeliveryService(std::FILE* file, const KivDeliveryService& service) {
    std::fputs("\neDeliveryServiceType: ", file);
    const auto& member = service.uDeliveryService;
    switch (service.eDeliveryServiceType) {
        case DST_Invalid:
            std::fputs("DST_Invalid\n", file);
            break;
        case DST_PhysicalDelivery:
            printOptionalIllString(file, "DST_PhysicalDelivery: ", member.psPhysicalDelivery);
            break;
        case DST_ElectronicDelivery:
            std::fputs("DST_ElectronicDelivery: ", file);
            printNumbered(file, member.ppsElectronicDelivery, "psElectronicDelivery", "\n",
                          printElectronicDelivery);
            break;
        default:
            break;
    }
}

void printRequesterOptionalMessages(std::FILE* file, const KivRequesterOptionalMessages& messages) {
    KivPrintNamedBoolean(file, "\nfCanSendReceived", &messages.fCanSendReceived);
    KivPrintNamedBoolean(file, "fCanSendReturned", &messages.fCanSendReturned);
    std::fputs("eRequesterShipped: ", file);
    printEnumName(file, messages.eRequesterShipped, kOptionalMessageRequests);
    std::fputs("eRequesterCheckedIn: ", file);
    printEnumName(file, messages.eRequesterCheckedIn, kOptionalMessageRequests);
}

void printSearchType(std::FILE* file, const KivSearchType& search) {
    printOptionalIllString(file, "\npsLevelOfService: ", search.psLevelOfService);
    printLabelledText(file, "pcNeedBeforeDate: ", search.pcNeedBeforeDate);
    std::fputs("peExpiryFlag: ", file);
    printOptionalEnumName(file, search.peExpiryFlag, kExpiryFlags);
    printLabelledText(file, "pcExpiryDate: ", search.pcExpiryDate);
}

void printSupplyMedium(std::FILE* file, const KivSupplyMediumInfo& medium) {
    std::fputs("\neSupplyMediumType: ", file);
    printEnumName(file, medium.eSupplyMediumType, kSupplyMediumTypes);
    printOptionalIllString(file, "psMediumCharacteristics: ", medium.psMediumCharacteristics);
}

void printClientId(std::FILE* file, const KivClientId& client) {
    printOptionalIllString(file, "\npsClientName: ", client.psClientName);
    printOptionalIllString(file, "psClientStatus: ", client.psClientStatus);
    printOptionalIllString(file, "psClientIdentifier: ", client.psClientIdentifier);
}

void printItemId(std::FILE* file, const KivItemId& item) {
    std::fputs("\npeItemType: ", file);
    printOptionalEnumName(file, item.peItemType, kItemTypes);
    std::fputs("peMediumType: ", file);
    printOptionalEnumName(file, item.peMediumType, kMediumTypes);
    printOptionalIllString(file, "psCallNumber: ", item.psCallNumber);
    printOptionalIllString(file, "psAuthor: ", item.psAuthor);
    printOptionalIllString(file, "psTitle: ", item.psTitle);
    printOptionalIllString(file, "psSubTitle: ", item.psSubTitle);
    printOptionalIllString(file, "psSponsoringBody: ", item.psSponsoringBody);
    printOptionalIllString(file, "psPlaceOfPublication: ", item.psPlaceOfPublication);
    printOptionalIllString(file, "psPublisher: ", item.psPublisher);
    printOptionalIllString(file, "psSeriesTitleNumber: ", item.psSeriesTitleNumber);
    printOptionalIllString(file, "psVolumeIssue: ", item.psVolumeIssue);
    printOptionalIllString(file, "psEdition: ", item.psEdition);
    printOptionalIllString(file, "psPublicationDate: ", item.psPublicationDate);
    printOptionalIllString(file, "psPublicationDateOfComponent: ", item.psPublicationDateOfComponent);
    printOptionalIllString(file, "psAuthorOfArticle: ", item.psAuthorOfArticle);
    printOptionalIllString(file, "psTitleOfArticle: ", item.psTitleOfArticle);
    printOptionalIllString(file, "psPagination: ", item.psPagination);
    KivPrintNamedExternal(file, "psNationalBibliographyNo", item.psNationalBibliographyNo.get());
    printOptionalIllString(file, "psIsbn: ", item.psIsbn);
    printOptionalIllString(file, "psIssn: ", item.psIssn);
    KivPrintNamedExternal(file, "psSystemNo", item.psSystemNo.get());
    printOptionalIllString(file, "psAdditionalNoLetters: ", item.psAdditionalNoLetters);
    printOptionalIllString(file, "psVerificationReferenceSource: ", item.psVerificationReferenceSource);
}

void printAmount(std::FILE* file, const KivAmount& amount) {
    printLabelledText(file, "\npcCurrencyCode: ", amount.pcCurrencyCode);
    printLabelledText(file, "pcMonetaryValue: ", amount.pcMonetaryValue);
}

void printCostInfo(std::FILE* file, const KivCostInfo& cost) {
    printOptionalIllString(file, "\npsAccountNumber: ", cost.psAccountNumber);
    printOptional(file, "psMaximumCost: ", cost.psMaximumCost.get(), printAmount);
    KivPrintNamedBoolean(file, "pfReciprocalAgreement", addressOf(cost.pfReciprocalAgreement));
    KivPrintNamedBoolean(file, "pfWillPayFee", addressOf(cost.pfWillPayFee));
    KivPrintNamedBoolean(file, "pfPaymentProvided", addressOf(cost.pfPaymentProvided));
}

void printSendToListItem(std::FILE* file, const KivSendToListItem& item) {
    std::fputs("sSystemId: ", file);
    printSystemId(file, item.sSystemId);
    printOptionalIllString(file, "psAccountNumber: ", item.psAccountNumber);
    printOptional(file, "psSystemAddress: ", item.psSystemAddress.get(), printSystemAddress);
}

void printThirdPartyInfo(std::FILE* file, const KivThirdPartyInfo& info) {
    KivPrintNamedBoolean(file, "\npfPermissionToForward", addressOf(info.pfPermissionToForward));
    KivPrintNamedBoolean(file, "pfPermissionToChain", addressOf(info.pfPermissionToChain));
    KivPrintNamedBoolean(file, "pfPermissionToPartition", addressOf(info.pfPermissionToPartition));
    KivPrintNamedBoolean(file, "pfPermissionToChangeSendToList", addressOf(info.pfPermissionToChangeSendToList));
    printOptional(file, "psInitialRequesterAddress: ", info.psInitialRequesterAddress.get(), printSystemAddress);
    std::fputs("pePreference: ", file);
    printOptionalEnumName(file, info.pePreference, kPreferences);
    std::fputs("ppsSendToList: ", file);
    printNumbered(file, info.ppsSendToList, "psSendToList", ": ", printSendToListItem);
    std::fputs("ppsAlreadyTriedList: ", file);
    printNumbered(file, info.ppsAlreadyTriedList, "psAlreadyTriedList", ": ", printSystemId);
}

}  // namespace

void printIllRequest(std::FILE* file, const KivIllRequest& request) {
    std::fputs("\n", file);
    printApduLead(file, request.eProtocolVersion, request.sTransactionId, request.sServiceDateTime,
                  request.psRequesterId.get(), request.psResponderId.get());
    std::fputs("peTransactionType: ", file);
    printOptionalEnumName(file, request.peTransactionType, kTransactionTypes);
    printOptional(file, "psDeliveryAddress: ", request.psDeliveryAddress.get(), printDeliveryAddress);
    printOptional(file, "psDeliveryService: ", request.psDeliveryService.get(), printDeliveryService);
    printOptional(file, "psBillingAddress: ", request.psBillingAddress.get(), printDeliveryAddress);
    std::fputs("ppeServiceType: ", file);
    printNumbered(file, request.ppeServiceType, "peServiceType", ": ", [](std::FILE* out, int32_t type) {
        std::fputs("\n", out);
        printEnumName(out, type, kServiceTypes);
    });
    KivPrintNamedExternal(file, "psResponderSpecificService", request.psResponderSpecificService.get());
    std::fputs("sRequesterOptionalMessages: ", file);
    printRequesterOptionalMessages(file, request.sRequesterOptionalMessages);
    printOptional(file, "psSearchType: ", request.psSearchType.get(), printSearchType);
    std::fputs("ppsSupplyMediumInfo: ", file);
    printNumbered(file, request.ppsSupplyMediumInfo, "psSupplyMediumInfo", ": ", printSupplyMedium);
    std::fputs("pePlaceOnHold: ", file);
    printOptionalEnumName(file, request.pePlaceOnHold, kPlaceOnHold);
    printOptional(file, "psClientId: ", request.psClientId.get(), printClientId);
    std::fputs("sItemId: ", file);
    printItemId(file, request.sItemId);
    std::fputs("ppsSupplementalItemDescription: ", file);
    printNumbered(file, request.ppsSupplementalItemDescription, "psSupplementalItemDescription", ": ",
                  [](std::FILE* out, const KivExternal& description) { KivPrintExternal(out, &description); });
    printOptional(file, "psCostInfo: ", request.psCostInfo.get(), printCostInfo);
    printOptionalIllString(file, "psCopyrightCompliance: ", request.psCopyrightCompliance);
    printOptional(file, "psThirdPartyInfo: ", request.psThirdPartyInfo.get(), printThirdPartyInfo);
    KivPrintNamedBoolean(file, "pfRetry", addressOf(request.pfRetry));
    KivPrintNamedBoolean(file, "pfForward", addressOf(request.pfForward));
    printOptionalIllString(file, "psRequesterNote: ", request.psRequesterNote);
    printOptionalIllString(file, "psForwardNote: ", request.psForwardNote);
    std::fputs("ppsRequestExtension: ", file);
    printExtensions(file, request.ppsRequestExtension);
}

}  // namespace trace::ill
