#include "tests/external/ill_samples.h"

#include <utility>

namespace ill_test {

KivIllString visible(const char* text) {
    KivIllString string;
    string.eStringType = ST_EdifactString;
    string.uString.pcVisibleString = text;
    return string;
}

std::unique_ptr<KivIllString> newVisible(const char* text) {
    return std::make_unique<KivIllString>(visible(text));
}

namespace {

std::unique_ptr<KivIllString> newGeneral(const char* text) {
    auto string = std::make_unique<KivIllString>();
    string->eStringType = ST_GeneralString;
    string->uString.psGeneralString = std::make_unique<KivInternationalString>(KivInternationalString{text});
    return string;
}

std::unique_ptr<KivSystemId> newSystemId(const char* symbol, const char* name) {
    auto id = std::make_unique<KivSystemId>();
    id->psSymbol = std::make_unique<KivPersonOrInstitutionSymbol>();
    id->psSymbol->eSymbolType = SPI_InstitutionSymbol;
    id->psSymbol->sSymbol = visible(symbol);
    id->psName = std::make_unique<KivNameOfPersonOrInstitution>();
    id->psName->eNameType = NPI_NameOfPerson;
    id->psName->sName = std::move(*newGeneral(name));
    return id;
}

std::unique_ptr<KivSystemAddress> newSystemAddress(const char* service, const char* address) {
    auto result = std::make_unique<KivSystemAddress>();
    result->psTelecomServiceIdentifier = newVisible(service);
    result->psTelecomServiceAddress = newVisible(address);
    return result;
}

void fillLead(int32_t* version, KivTransactionId* id, KivServiceDateTime* stamp, std::unique_ptr<KivSystemId>* requester,
              std::unique_ptr<KivSystemId>* responder) {
    *version = PV_Version2;
    id->psInitialRequesterId = newSystemId("INIT", "Initial");
    id->sTransactionGroupQualifier = visible("group");
    id->sTransactionQualifier = visible("42");
    id->psSubTransactionQualifier = newVisible("sub");
    stamp->sThisService.pcDate = "20261210";
    stamp->sThisService.pcTime = "120000";
    stamp->psOriginalService = std::make_unique<KivDateTime>();
    stamp->psOriginalService->pcDate = "20261201";
    *requester = newSystemId("REQ", "Requester");
    *responder = newSystemId("RESP", "Responder");
}

std::unique_ptr<KivDeliveryAddress> newDeliveryAddress() {
    auto address = std::make_unique<KivDeliveryAddress>();
    address->psPostalAddress = std::make_unique<KivPostalAddress>();
    KivPostalAddress& postal = *address->psPostalAddress;
    postal.psNameOfPersonOrInstitution = std::make_unique<KivNameOfPersonOrInstitution>();
    postal.psNameOfPersonOrInstitution->eNameType = NPI_NameOfInstitution;
    postal.psNameOfPersonOrInstitution->sName = visible("Library");
    postal.psExtendedPostalDeliveryAddress = newVisible("Wing B");
    postal.psStreetAndNumber = newVisible("Main St 1");
    postal.psPostOfficeBox = newVisible("PO 7");
    postal.psCity = newVisible("Town");
    postal.psRegion = newVisible("Region");
    postal.psCountry = newVisible("Country");
    postal.psPostalCode = newVisible("12345");
    address->psElectronicAddress = newSystemAddress("email", "ill@example.org");
    return address;
}

KivElectronicDeliveryService electronicDelivery() {
    KivElectronicDeliveryService service;
    service.psDeliveryParameter = std::make_unique<KivDeliveryParameter>();
    service.psDeliveryParameter->pcDeliveryMode = "1.2.3.4";
    service.psDocumentTypeParameter = std::make_unique<KivDocumentTypeParameter>();
    service.psDocumentTypeParameter->pcDocumentTypeId = "1.2.3.5";
    service.psDeliveryDescription = newVisible("scan");
    service.sDeliveryDetails.eDeliveryDetailsType = DDT_SystemId;
    service.sDeliveryDetails.uDeliveryDetails.psSystemId = newSystemId("DELIV", "Delivery");
    service.psNameOrCode = newVisible("code");
    service.pcDeliveryTime = "0900";
    return service;
}

std::unique_ptr<KivExternal> textExternal(const char* text) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = "1.2.840.10003.5.101";
    external->eValueType = EVT_SingleASN1Type;
    external->uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    external->uExternalValue.psSingleASN1Type->eASN1Type = AT_UnstructuredText;
    external->uExternalValue.psSingleASN1Type->uASN1.psUnstructuredText =
        std::make_unique<KivInternationalString>(KivInternationalString{text});
    return external;
}

KivIllExtension extension800() {
    KivIllExtension extension;
    extension.ulIdentifier = 800;
    extension.pfCritical = 0;
    auto& info = extension.uItem.psAddIllReqInfo = std::make_unique<KivAddIllReqInfo>();
    info->pfCustomerInfoToKeep = 1;
    info->psAddRequesterInfo = std::make_unique<KivAddRequesterInfo>();
    info->psAddRequesterInfo->peRequesterGroup = RG_UserGroup2;
    info->psAddRequesterInfo->pcRequesterEmailAddress = "reader@example.org";
    info->psAddDeliveryInfo = std::make_unique<KivAddDeliveryInfo>();
    info->psAddDeliveryInfo->peStatusLevelUser = SLU_All;
    info->psAddDeliveryInfo->peStatusLevelOrigin = SLO_Negative;
    info->psAddDeliveryInfo->pcDeliveryNotes = "ring twice";
    info->psAddDeliveryInfo->pcCountryDeliveryTarget = "NO";
    info->psAddDeliveryInfo->pfAlternativePostalDelivery = 1;
    info->psAddBillingInfo = std::make_unique<KivAddBillingInfo>();
    info->psAddBillingInfo->eAddBillingType = ABT_CreditCardInfo;
    auto& card = info->psAddBillingInfo->uAddBillingInfo.psBillingCreditCardInfo =
        std::make_unique<KivBillingCreditCardInfo>();
    card->pcCardCompany = "VISA";
    card->pcCardNo = "4111";
    card->pcCardValidFrom = "0126";
    card->pcCardValidThru = "1230";
    return extension;
}

}  // namespace

std::unique_ptr<KivIllPdu> minimalRequest() {
    auto pdu = std::make_unique<KivIllPdu>();
    pdu->eIllPduType = ILL_IllRequest;
    auto& request = pdu->uIllPdu.psIllRequest = std::make_unique<KivIllRequest>();
    request->eProtocolVersion = PV_Version1;
    request->sTransactionId.sTransactionGroupQualifier = visible("group");
    request->sTransactionId.sTransactionQualifier = visible("1");
    request->sServiceDateTime.sThisService.pcDate = "20261210";
    request->ppeServiceType.emplace(ST_Loan);
    request->sRequesterOptionalMessages = {1, 0, OMR_Requires, OMR_Neither};
    return pdu;
}

std::unique_ptr<KivIllPdu> fullRequest() {
    auto pdu = minimalRequest();
    KivIllRequest& request = *pdu->uIllPdu.psIllRequest;
    fillLead(&request.eProtocolVersion, &request.sTransactionId, &request.sServiceDateTime, &request.psRequesterId,
             &request.psResponderId);
    request.peTransactionType = TT_Chained;
    request.psDeliveryAddress = newDeliveryAddress();
    request.psDeliveryService = std::make_unique<KivDeliveryService>();
    request.psDeliveryService->eDeliveryServiceType = DST_ElectronicDelivery;
    request.psDeliveryService->uDeliveryService.ppsElectronicDelivery.emplace(electronicDelivery());
    request.psBillingAddress = newDeliveryAddress();
    request.ppeServiceType.emplace(ST_Estimate);
    request.psResponderSpecificService = textExternal("special");
    request.psSearchType = std::make_unique<KivSearchType>();
    request.psSearchType->psLevelOfService = newVisible("fast");
    request.psSearchType->pcNeedBeforeDate = "20261231";
    request.psSearchType->peExpiryFlag = EXP_OtherDate;
    request.psSearchType->pcExpiryDate = "20270101";
    KivSupplyMediumInfo medium;
    medium.eSupplyMediumType = SMT_Photocopy;
    medium.psMediumCharacteristics = newVisible("A4");
    request.ppsSupplyMediumInfo.emplace(std::move(medium));
    request.pePlaceOnHold = POH_Yes;
    request.psClientId = std::make_unique<KivClientId>();
    request.psClientId->psClientName = newVisible("Reader");
    request.psClientId->psClientStatus = newVisible("staff");
    request.psClientId->psClientIdentifier = newVisible("R-1");
    KivItemId& item = request.sItemId;
    item.peItemType = IT_Serial;
    item.peMediumType = MT_Microform;
    std::unique_ptr<KivIllString>* strings[] = {
        &item.psCallNumber,      &item.psAuthor,          &item.psTitle,         &item.psSubTitle,
        &item.psSponsoringBody,  &item.psPlaceOfPublication, &item.psPublisher, &item.psSeriesTitleNumber,
        &item.psVolumeIssue,     &item.psEdition,         &item.psPublicationDate, &item.psPublicationDateOfComponent,
        &item.psAuthorOfArticle, &item.psTitleOfArticle,  &item.psPagination,    &item.psIsbn,
        &item.psIssn,            &item.psAdditionalNoLetters, &item.psVerificationReferenceSource};
    char text[] = "a";
    for (std::unique_ptr<KivIllString>* string : strings) {
        *string = newVisible(text);
        ++text[0];
    }
    item.psNationalBibliographyNo = textExternal("nbn");
    item.psSystemNo = textExternal("sysno");
    request.ppsSupplementalItemDescription.append(textExternal("supplement"));
    request.psCostInfo = std::make_unique<KivCostInfo>();
    request.psCostInfo->psAccountNumber = newVisible("ACC");
    request.psCostInfo->psMaximumCost = std::make_unique<KivAmount>(KivAmount{"NOK", "100"});
    request.psCostInfo->pfReciprocalAgreement = 1;
    request.psCostInfo->pfWillPayFee = 0;
    request.psCostInfo->pfPaymentProvided = 1;
    request.psCopyrightCompliance = newVisible("CCG");
    request.psThirdPartyInfo = std::make_unique<KivThirdPartyInfo>();
    KivThirdPartyInfo& third = *request.psThirdPartyInfo;
    third.pfPermissionToForward = 1;
    third.pfPermissionToChain = 0;
    third.pfPermissionToPartition = 1;
    third.pfPermissionToChangeSendToList = 0;
    third.psInitialRequesterAddress = newSystemAddress("x400", "c=no");
    third.pePreference = PRE_Unordered;
    KivSendToListItem entry;
    entry.sSystemId = std::move(*newSystemId("NEXT", "Next"));
    entry.psAccountNumber = newVisible("ACC2");
    entry.psSystemAddress = newSystemAddress("email", "next@example.org");
    third.ppsSendToList.emplace(std::move(entry));
    third.ppsAlreadyTriedList.append(newSystemId("TRIED", "Tried"));
    request.pfRetry = 1;
    request.pfForward = 0;
    request.psRequesterNote = newVisible("please");
    request.psForwardNote = newGeneral("forward");
    request.ppsRequestExtension.emplace(extension800());
    return pdu;
}

std::unique_ptr<KivIllPdu> statusOrErrorReport() {
    auto pdu = std::make_unique<KivIllPdu>();
    pdu->eIllPduType = ILL_StatusOrErrorReport;
    auto& report = pdu->uIllPdu.psStatusOrErrorReport = std::make_unique<KivStatusOrErrorReport>();
    fillLead(&report->eProtocolVersion, &report->sTransactionId, &report->sServiceDateTime, &report->psRequesterId,
             &report->psResponderId);
    report->peReasonNoReport = RNR_Permanent;
    report->psStatusReport = std::make_unique<KivStatusReport>();
    KivHistoryReport& history = report->psStatusReport->sUserStatusReport;
    history.pcDateRequested = "20261101";
    history.psAuthor = newVisible("Author");
    history.psTitle = newVisible("Title");
    history.psAuthorOfArticle = newVisible("Article author");
    history.psTitleOfArticle = newVisible("Article");
    history.pcDateOfLastTransition = "20261102";
    history.eMostRecentService = MRS_Forward;
    history.pcDateOfMostRecentService = "20261103";
    history.sSystemId = std::move(*newSystemId("INIT", "Initiator"));
    history.peShippedServiceType = SST_CopyNonReturnable;
    history.peTransactionResults = TR_WillSupply;
    history.psMostRecentServiceNote = newVisible("note");
    report->psStatusReport->eProviderStatusReport = CS_Shipped;
    report->psErrorReport = std::make_unique<KivErrorReport>();
    report->psErrorReport->sCorrelationInfo = visible("corr");
    report->psErrorReport->sReport.eReportSource = RS_User;
    auto& user = report->psErrorReport->sReport.uReport.psUserErrorReport = std::make_unique<KivUserErrorReport>();
    user->eReportType = UER_AlreadyForwarded;
    user->uUserErrorReport.psAlreadyForwarded = std::make_unique<KivAlreadyForwarded>();
    user->uUserErrorReport.psAlreadyForwarded->sResponderId = std::move(*newSystemId("FWD", "Forwarded"));
    user->uUserErrorReport.psAlreadyForwarded->psResponderAddress = newSystemAddress("email", "fwd@example.org");
    report->psNote = newVisible("report note");
    return pdu;
}

std::unique_ptr<KivExternal> illExternal(std::unique_ptr<KivIllPdu> pdu) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = kIllOid;
    external->eValueType = EVT_SingleASN1Type;
    external->uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    external->uExternalValue.psSingleASN1Type->eASN1Type = AT_IllPdu;
    external->uExternalValue.psSingleASN1Type->uASN1.psIllPdu = std::move(pdu);
    return external;
}

}  // namespace ill_test
