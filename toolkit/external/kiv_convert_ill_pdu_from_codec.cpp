// The interlibrary-loan APDU from the codec.
#include <cstdint>
#include <optional>

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/asn1/oid_text.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_convert_ill_pdu.h"

namespace ill = codec::ill;

namespace {

// The value when it lies in [low, high], else the enumeration's Invalid constant.
int32_t enumOf(BerInteger value, int32_t low, int32_t high) {
    return value >= low && value <= high ? value : -1;
}

void optionalEnumFromCodec(std::optional<int32_t>* dst, const BerInteger* src, int32_t low, int32_t high) {
    if (src != nullptr) *dst = enumOf(*src, low, high);
}

void illStringFromCodec(KivIllString* dst, const ill::ILLString& src) {
    switch (src.choiceId) {
        case ill::ILLString::kGeneralString:
            dst->eStringType = ST_GeneralString;
            KivNewInternationalStringFromCodec(&dst->uString.psGeneralString, src.generalString);
            break;
        case ill::ILLString::kVisibleString:
            dst->eStringType = ST_EdifactString;
            KivCStringFromCodec(&dst->uString.pcVisibleString, src.visibleString);
            break;
        default:
            break;
    }
}

void optionalIllStringFromCodec(std::unique_ptr<KivIllString>* dst, const ill::ILLString* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivIllString>();
    illStringFromCodec(dst->get(), *src);
}

void requiredIllStringFromCodec(KivIllString* dst, const ill::ILLString* src) {
    if (src != nullptr) illStringFromCodec(dst, *src);
}

void nameFromCodec(std::unique_ptr<KivNameOfPersonOrInstitution>* dst, const ill::NameOfPersonOrInstitution* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivNameOfPersonOrInstitution>();
    if (src->choiceId < 0 || src->choiceId >= ill::NameOfPersonOrInstitution::kAlternatives) return;
    (*dst)->eNameType = src->choiceId + 1;
    requiredIllStringFromCodec(&(*dst)->sName, src->choiceId == ill::NameOfPersonOrInstitution::kNameOfPerson
                                                   ? src->name_of_person
                                                   : src->name_of_institution);
}

void systemIdFromCodec(KivSystemId* dst, const ill::SystemId& src) {
    if (const ill::PersonOrInstitutionSymbol* symbol = src.person_or_institution_symbol) {
        dst->psSymbol = std::make_unique<KivPersonOrInstitutionSymbol>();
        if (symbol->choiceId >= 0 && symbol->choiceId < ill::PersonOrInstitutionSymbol::kAlternatives) {
            dst->psSymbol->eSymbolType = symbol->choiceId + 1;
            requiredIllStringFromCodec(&dst->psSymbol->sSymbol,
                                       symbol->choiceId == ill::PersonOrInstitutionSymbol::kPersonSymbol
                                           ? symbol->person_symbol
                                           : symbol->institution_symbol);
        }
    }
    nameFromCodec(&dst->psName, src.name_of_person_or_institution);
}

void requiredSystemIdFromCodec(KivSystemId* dst, const ill::SystemId* src) {
    if (src != nullptr) systemIdFromCodec(dst, *src);
}

void optionalSystemIdFromCodec(std::unique_ptr<KivSystemId>* dst, const ill::SystemId* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivSystemId>();
    systemIdFromCodec(dst->get(), *src);
}

void optionalSystemAddressFromCodec(std::unique_ptr<KivSystemAddress>* dst, const ill::SystemAddress* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivSystemAddress>();
    optionalIllStringFromCodec(&(*dst)->psTelecomServiceIdentifier, src->telecom_service_identifier);
    optionalIllStringFromCodec(&(*dst)->psTelecomServiceAddress, src->telecom_service_address);
}

void transactionIdFromCodec(KivTransactionId* dst, const ill::TransactionId* src) {
    if (src == nullptr) return;
    optionalSystemIdFromCodec(&dst->psInitialRequesterId, src->initial_requester_id);
    requiredIllStringFromCodec(&dst->sTransactionGroupQualifier, src->transaction_group_qualifier);
    requiredIllStringFromCodec(&dst->sTransactionQualifier, src->transaction_qualifier);
    optionalIllStringFromCodec(&dst->psSubTransactionQualifier, src->sub_transaction_qualifier);
}

template <typename DateTime>
void dateTimeFromCodec(KivDateTime* dst, const DateTime& src) {
    KivCStringFromCodec(&dst->pcDate, &src.date);
    KivIllOptionalTextFromCodec(&dst->pcTime, src.time);
}

void serviceDateTimeFromCodec(KivServiceDateTime* dst, const ill::ServiceDateTime* src) {
    if (src == nullptr) return;
    if (src->date_time_of_this_service != nullptr) dateTimeFromCodec(&dst->sThisService, *src->date_time_of_this_service);
    if (src->date_time_of_original_service != nullptr) {
        dst->psOriginalService = std::make_unique<KivDateTime>();
        dateTimeFromCodec(dst->psOriginalService.get(), *src->date_time_of_original_service);
    }
}

void optionalDeliveryAddressFromCodec(std::unique_ptr<KivDeliveryAddress>* dst, const ill::DeliveryAddress* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivDeliveryAddress>();
    if (const ill::PostalAddress* postal = src->postal_address) {
        auto& address = (*dst)->psPostalAddress = std::make_unique<KivPostalAddress>();
        nameFromCodec(&address->psNameOfPersonOrInstitution, postal->name_of_person_or_institution);
        optionalIllStringFromCodec(&address->psExtendedPostalDeliveryAddress, postal->extended_postal_delivery_address);
        optionalIllStringFromCodec(&address->psStreetAndNumber, postal->street_and_number);
        optionalIllStringFromCodec(&address->psPostOfficeBox, postal->post_office_box);
        optionalIllStringFromCodec(&address->psCity, postal->city);
        optionalIllStringFromCodec(&address->psRegion, postal->region);
        optionalIllStringFromCodec(&address->psCountry, postal->country);
        optionalIllStringFromCodec(&address->psPostalCode, postal->postal_code);
    }
    optionalSystemAddressFromCodec(&(*dst)->psElectronicAddress, src->electronic_address);
}

// The identifier's dotted text when it has octets; the value it defines as the content of a new EXTERNAL.
template <typename Parameter>
void parameterFromCodec(std::unique_ptr<Parameter>* dst, std::optional<std::string> Parameter::*text,
                        std::unique_ptr<KivParameterValue> Parameter::*value, const BerOid& oid, const BerAny& any) {
    if (oid.length != 0) {
        *dst = std::make_unique<Parameter>();
        KivOidFromCodec(&((**dst).*text), &oid);
    }
    if (any.value == nullptr) return;
    if (!*dst) *dst = std::make_unique<Parameter>();
    auto& holder = (**dst).*value = std::make_unique<KivParameterValue>();
    holder->psDummy = std::make_unique<KivExternal>();
    const std::optional<std::string>& identifier = (**dst).*text;
    holder->psDummy->pcObjectIdentifier = identifier;
    KivSingleASN1TypeFromCodec(identifier, holder->psDummy.get(), &any);
}

void electronicDeliveryFromCodec(KivElectronicDeliveryService* dst, const ill::ElectronicDeliveryService& src) {
    parameterFromCodec(&dst->psDeliveryParameter, &KivDeliveryParameter::pcDeliveryMode,
                       &KivDeliveryParameter::puDeliveryParameter, src.e_delivery_mode, src.e_delivery_parameters);
    parameterFromCodec(&dst->psDocumentTypeParameter, &KivDocumentTypeParameter::pcDocumentTypeId,
                       &KivDocumentTypeParameter::puDocumentTypeParameter, src.document_type_id,
                       src.document_type_parameters);
    optionalIllStringFromCodec(&dst->psDeliveryDescription, src.e_delivery_description);
    if (const ill::EDeliveryDetails* details = src.e_delivery_details) {
        auto& chosen = dst->sDeliveryDetails.uDeliveryDetails;
        if (details->choiceId == ill::EDeliveryDetails::kEDeliveryAddress) {
            dst->sDeliveryDetails.eDeliveryDetailsType = DDT_SystemAddress;
            optionalSystemAddressFromCodec(&chosen.psSystemAddress, details->e_delivery_address);
        } else if (details->choiceId == ill::EDeliveryDetails::kEDeliveryId) {
            dst->sDeliveryDetails.eDeliveryDetailsType = DDT_SystemId;
            optionalSystemIdFromCodec(&chosen.psSystemId, details->e_delivery_id);
        }
    }
    optionalIllStringFromCodec(&dst->psNameOrCode, src.name_or_code);
    KivIllOptionalTextFromCodec(&dst->pcDeliveryTime, src.delivery_time);
}

void optionalDeliveryServiceFromCodec(std::unique_ptr<KivDeliveryService>* dst, const ill::DeliveryService* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivDeliveryService>();
    auto& chosen = (*dst)->uDeliveryService;
    switch (src->choiceId) {
        case ill::DeliveryService::kPhysicalDelivery:
            (*dst)->eDeliveryServiceType = DST_PhysicalDelivery;
            optionalIllStringFromCodec(&chosen.psPhysicalDelivery, src->physical_delivery);
            break;
        case ill::DeliveryService::kElectronicDelivery:
            (*dst)->eDeliveryServiceType = DST_ElectronicDelivery;
            KivArrayFromCodec<ill::ElectronicDeliveryService>(&chosen.ppsElectronicDelivery, src->electronic_delivery,
                                                              electronicDeliveryFromCodec);
            break;
        default:
            (*dst)->eDeliveryServiceType = DST_Invalid;
            break;
    }
}

void itemIdFromCodec(KivItemId* dst, const ill::ItemId* src) {
    if (src == nullptr) return;
    optionalEnumFromCodec(&dst->peItemType, src->item_type, IT_Monograph, IT_Other);
    // The held medium type has no 2.
    optionalEnumFromCodec(&dst->peMediumType, src->held_medium_type, MT_Printed, MT_Other);
    if (dst->peMediumType == 2) dst->peMediumType = MT_Invalid;
    optionalIllStringFromCodec(&dst->psCallNumber, src->call_number);
    optionalIllStringFromCodec(&dst->psAuthor, src->author);
    optionalIllStringFromCodec(&dst->psTitle, src->title);
    optionalIllStringFromCodec(&dst->psSubTitle, src->sub_title);
    optionalIllStringFromCodec(&dst->psSponsoringBody, src->sponsoring_body);
    optionalIllStringFromCodec(&dst->psPlaceOfPublication, src->place_of_publication);
    optionalIllStringFromCodec(&dst->psPublisher, src->publisher);
    optionalIllStringFromCodec(&dst->psSeriesTitleNumber, src->series_title_number);
    optionalIllStringFromCodec(&dst->psVolumeIssue, src->volume_issue);
    optionalIllStringFromCodec(&dst->psEdition, src->edition);
    optionalIllStringFromCodec(&dst->psPublicationDate, src->publication_date);
    optionalIllStringFromCodec(&dst->psPublicationDateOfComponent, src->publication_date_of_component);
    optionalIllStringFromCodec(&dst->psAuthorOfArticle, src->author_of_article);
    optionalIllStringFromCodec(&dst->psTitleOfArticle, src->title_of_article);
    optionalIllStringFromCodec(&dst->psPagination, src->pagination);
    KivOptionalExternalFromCodec(&dst->psNationalBibliographyNo, src->national_bibliography_no);
    optionalIllStringFromCodec(&dst->psIsbn, src->iSBN);
    optionalIllStringFromCodec(&dst->psIssn, src->iSSN);
    KivOptionalExternalFromCodec(&dst->psSystemNo, src->system_no);
    optionalIllStringFromCodec(&dst->psAdditionalNoLetters, src->additional_no_letters);
    optionalIllStringFromCodec(&dst->psVerificationReferenceSource, src->verification_reference_source);
}

void optionalCostInfoFromCodec(std::unique_ptr<KivCostInfo>* dst, const ill::CostInfoType* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivCostInfo>();
    optionalIllStringFromCodec(&(*dst)->psAccountNumber, src->account_number);
    if (const ill::Amount* amount = src->maximum_cost) {
        (*dst)->psMaximumCost = std::make_unique<KivAmount>();
        KivIllOptionalTextFromCodec(&(*dst)->psMaximumCost->pcCurrencyCode, amount->currency_code);
        KivCStringFromCodec(&(*dst)->psMaximumCost->pcMonetaryValue, &amount->monetary_value);
    }
    KivOptionalBooleanFromCodec(&(*dst)->pfReciprocalAgreement, src->reciprocal_agreement);
    KivOptionalBooleanFromCodec(&(*dst)->pfWillPayFee, src->will_pay_fee);
    KivOptionalBooleanFromCodec(&(*dst)->pfPaymentProvided, src->payment_provided);
}

void optionalThirdPartyFromCodec(std::unique_ptr<KivThirdPartyInfo>* dst, const ill::ThirdPartyInfoType* src) {
    if (src == nullptr) return;
    auto& info = *dst = std::make_unique<KivThirdPartyInfo>();
    KivOptionalBooleanFromCodec(&info->pfPermissionToForward, src->permission_to_forward);
    KivOptionalBooleanFromCodec(&info->pfPermissionToChain, src->permission_to_chain);
    KivOptionalBooleanFromCodec(&info->pfPermissionToPartition, src->permission_to_partition);
    KivOptionalBooleanFromCodec(&info->pfPermissionToChangeSendToList, src->permission_to_change_send_to_list);
    optionalSystemAddressFromCodec(&info->psInitialRequesterAddress, src->initial_requester_address);
    optionalEnumFromCodec(&info->pePreference, src->preference, PRE_Ordered, PRE_Unordered);
    KivOptionalArrayFromCodec<ill::SendToListEntry>(
        &info->ppsSendToList, src->send_to_list, [](KivSendToListItem* item, const ill::SendToListEntry& entry) {
            requiredSystemIdFromCodec(&item->sSystemId, entry.system_id);
            optionalIllStringFromCodec(&item->psAccountNumber, entry.account_number);
            optionalSystemAddressFromCodec(&item->psSystemAddress, entry.system_address);
        });
    KivOptionalArrayFromCodec<ill::SystemId>(&info->ppsAlreadyTriedList, src->already_tried_list, systemIdFromCodec);
}

void optionalExtensionsFromCodec(KivArray<KivIllExtension>* dst, const BerList* src) {
    if (src != nullptr) KivIllExtensionsFromCodec(dst, src);
}

void illRequestFromCodec(KivIllRequest* dst, const ill::ILLRequest& src) {
    dst->eProtocolVersion = enumOf(src.protocol_version_num, PV_Version1, PV_Version2);
    transactionIdFromCodec(&dst->sTransactionId, src.transaction_id);
    serviceDateTimeFromCodec(&dst->sServiceDateTime, src.service_date_time);
    optionalSystemIdFromCodec(&dst->psRequesterId, src.requester_id);
    optionalSystemIdFromCodec(&dst->psResponderId, src.responder_id);
    optionalEnumFromCodec(&dst->peTransactionType, src.transaction_type, TT_Simple, TT_Partitioned);
    optionalDeliveryAddressFromCodec(&dst->psDeliveryAddress, src.delivery_address);
    optionalDeliveryServiceFromCodec(&dst->psDeliveryService, src.delivery_service);
    optionalDeliveryAddressFromCodec(&dst->psBillingAddress, src.billing_address);
    KivArrayFromCodec<BerInteger>(&dst->ppeServiceType, src.iLL_service_type, [](int32_t* type, const BerInteger& value) {
        *type = enumOf(value, ST_Loan, ST_ResponderSpecific);
    });
    KivOptionalExternalFromCodec(&dst->psResponderSpecificService, src.responder_specific_service);
    if (const ill::RequesterOptionalMessagesType* messages = src.requester_optional_messages) {
        KivRequesterOptionalMessages& wanted = dst->sRequesterOptionalMessages;
        KivBooleanFromCodec(&wanted.fCanSendReceived, &messages->can_send_RECEIVED);
        KivBooleanFromCodec(&wanted.fCanSendReturned, &messages->can_send_RETURNED);
        wanted.eRequesterShipped = enumOf(messages->requester_SHIPPED, OMR_Requires, OMR_Neither);
        wanted.eRequesterCheckedIn = enumOf(messages->requester_CHECKED_IN, OMR_Requires, OMR_Neither);
    }
    if (const ill::SearchType* search = src.search_type) {
        auto& type = dst->psSearchType = std::make_unique<KivSearchType>();
        optionalIllStringFromCodec(&type->psLevelOfService, search->level_of_service);
        KivIllOptionalTextFromCodec(&type->pcNeedBeforeDate, search->need_before_date);
        optionalEnumFromCodec(&type->peExpiryFlag, search->expiry_flag, EXP_NeedBeforeDate, EXP_NoExpiry);
        KivIllOptionalTextFromCodec(&type->pcExpiryDate, search->expiry_date);
    }
    KivOptionalArrayFromCodec<ill::SupplyMediumInfoType>(
        &dst->ppsSupplyMediumInfo, src.supply_medium_info_type,
        [](KivSupplyMediumInfo* info, const ill::SupplyMediumInfoType& element) {
            info->eSupplyMediumType = enumOf(element.supply_medium_type, SMT_Printed, SMT_Other);
            optionalIllStringFromCodec(&info->psMediumCharacteristics, element.medium_characteristics);
        });
    optionalEnumFromCodec(&dst->pePlaceOnHold, src.place_on_hold, POH_Yes, POH_ResponderPolicy);
    if (const ill::ClientId* client = src.client_id) {
        auto& id = dst->psClientId = std::make_unique<KivClientId>();
        optionalIllStringFromCodec(&id->psClientName, client->client_name);
        optionalIllStringFromCodec(&id->psClientStatus, client->client_status);
        optionalIllStringFromCodec(&id->psClientIdentifier, client->client_identifier);
    }
    itemIdFromCodec(&dst->sItemId, src.item_id);
    KivOptionalArrayFromCodec<codec::z3950::EXTERNAL>(
        &dst->ppsSupplementalItemDescription, src.supplemental_item_description,
        [](KivExternal* external, const codec::z3950::EXTERNAL& element) { KivExternalFromCodec(external, &element); });
    optionalCostInfoFromCodec(&dst->psCostInfo, src.cost_info_type);
    optionalIllStringFromCodec(&dst->psCopyrightCompliance, src.copyright_compliance);
    optionalThirdPartyFromCodec(&dst->psThirdPartyInfo, src.third_party_info_type);
    KivOptionalBooleanFromCodec(&dst->pfRetry, src.retry_flag);
    KivOptionalBooleanFromCodec(&dst->pfForward, src.forward_flag);
    optionalIllStringFromCodec(&dst->psRequesterNote, src.requester_note);
    optionalIllStringFromCodec(&dst->psForwardNote, src.forward_note);
    optionalExtensionsFromCodec(&dst->ppsRequestExtension, src.iLL_request_extensions);
}

void historyReportFromCodec(KivHistoryReport* dst, const ill::HistoryReport* src) {
    if (src == nullptr) return;
    KivIllOptionalTextFromCodec(&dst->pcDateRequested, src->date_requested);
    optionalIllStringFromCodec(&dst->psAuthor, src->author);
    optionalIllStringFromCodec(&dst->psTitle, src->title);
    optionalIllStringFromCodec(&dst->psAuthorOfArticle, src->author_of_article);
    optionalIllStringFromCodec(&dst->psTitleOfArticle, src->title_of_article);
    KivIllOptionalTextFromCodec(&dst->pcDateOfLastTransition, src->date_of_last_transition);
    dst->eMostRecentService = enumOf(src->most_recent_service, MRS_IllRequest, MRS_Forward);
    KivCStringFromCodec(&dst->pcDateOfMostRecentService, &src->date_of_most_recent_service);
    requiredSystemIdFromCodec(&dst->sSystemId, src->initiator_of_most_recent_service);
    optionalEnumFromCodec(&dst->peShippedServiceType, src->shipped_service_type, SST_Loan, SST_CopyNonReturnable);
    optionalEnumFromCodec(&dst->peTransactionResults, src->transaction_results, TR_Conditional, TR_Estimate);
    optionalIllStringFromCodec(&dst->psMostRecentServiceNote, src->most_recent_service_note);
}

void userErrorFromCodec(KivUserErrorReport* dst, const ill::UserErrorReport& src) {
    auto& chosen = dst->uUserErrorReport;
    switch (src.choiceId) {
        case ill::UserErrorReport::kAlreadyForwarded:
            dst->eReportType = UER_AlreadyForwarded;
            if (const ill::AlreadyForwarded* forwarded = src.already_forwarded) {
                chosen.psAlreadyForwarded = std::make_unique<KivAlreadyForwarded>();
                requiredSystemIdFromCodec(&chosen.psAlreadyForwarded->sResponderId, forwarded->responder_id);
                optionalSystemAddressFromCodec(&chosen.psAlreadyForwarded->psResponderAddress,
                                               forwarded->responder_address);
            }
            break;
        case ill::UserErrorReport::kIntermediaryProblem:
            dst->eReportType = UER_IntermediaryProblem;
            chosen.eIntermediaryProblem = enumOf(src.intermediary_problem, IP_CannotSendOnward, IP_CannotSendOnward);
            break;
        case ill::UserErrorReport::kSecurityProblem:
            dst->eReportType = UER_SecurityProblem;
            optionalIllStringFromCodec(&chosen.psSecurityProblem, src.security_problem);
            break;
        case ill::UserErrorReport::kUnableToPerform:
            dst->eReportType = UER_UnableToPerform;
            chosen.eUnableToPerform = enumOf(src.unable_to_perform, UTP_NotAvailable, UTP_Other);
            break;
        default:
            break;
    }
}

void providerErrorFromCodec(KivProviderErrorReport* dst, const ill::ProviderErrorReport& src) {
    auto& chosen = dst->uProviderErrorReport;
    switch (src.choiceId) {
        case ill::ProviderErrorReport::kGeneralProblem:
            dst->eReportType = PER_GeneralProblem;
            chosen.eGeneralProblem = enumOf(src.general_problem, GP_UnrecognizedAPDU, GP_Other);
            break;
        case ill::ProviderErrorReport::kTransactionIdProblem:
            dst->eReportType = PER_TransactionIdProblem;
            chosen.eTransactionIdProblem =
                enumOf(src.transaction_id_problem, TIP_DuplicateTransactionId, TIP_UnknownTransactionId);
            break;
        case ill::ProviderErrorReport::kStateTransitionProhibited:
            dst->eReportType = PER_StateTransitionProhibited;
            if (const ill::StateTransitionProhibited* prohibited = src.state_transition_prohibited) {
                chosen.psStateTransitionProblem = std::make_unique<KivStateTransitionProhibited>();
                chosen.psStateTransitionProblem->eAPDUType = enumOf(prohibited->aPDU_type, IAT_IllRequest, IAT_Expired);
                chosen.psStateTransitionProblem->eCurrentState =
                    enumOf(prohibited->current_state, CS_NotSupplied, CS_Unknown);
            }
            break;
        default:
            break;
    }
}

void errorReportFromCodec(std::unique_ptr<KivErrorReport>* dst, const ill::ErrorReport* src) {
    if (src == nullptr) return;
    *dst = std::make_unique<KivErrorReport>();
    requiredIllStringFromCodec(&(*dst)->sCorrelationInfo, src->correlation_information);
    KivReport& report = (*dst)->sReport;
    if (src->report_source == RS_User) {
        report.eReportSource = RS_User;
        report.uReport.psUserErrorReport = std::make_unique<KivUserErrorReport>();
        if (src->user_error_report != nullptr) {
            userErrorFromCodec(report.uReport.psUserErrorReport.get(), *src->user_error_report);
        }
    } else if (src->report_source == RS_Provider) {
        report.eReportSource = RS_Provider;
        report.uReport.psProviderErrorReport = std::make_unique<KivProviderErrorReport>();
        if (src->provider_error_report != nullptr) {
            providerErrorFromCodec(report.uReport.psProviderErrorReport.get(), *src->provider_error_report);
        }
    }
}

void statusOrErrorReportFromCodec(KivStatusOrErrorReport* dst, const ill::StatusOrErrorReport& src) {
    dst->eProtocolVersion = enumOf(src.protocol_version_num, PV_Version1, PV_Version2);
    transactionIdFromCodec(&dst->sTransactionId, src.transaction_id);
    serviceDateTimeFromCodec(&dst->sServiceDateTime, src.service_date_time);
    optionalSystemIdFromCodec(&dst->psRequesterId, src.requester_id);
    optionalSystemIdFromCodec(&dst->psResponderId, src.responder_id);
    optionalEnumFromCodec(&dst->peReasonNoReport, src.reason_no_report, RNR_Temporary, RNR_Permanent);
    if (const ill::StatusReport* status = src.status_report) {
        dst->psStatusReport = std::make_unique<KivStatusReport>();
        historyReportFromCodec(&dst->psStatusReport->sUserStatusReport, status->user_status_report);
        dst->psStatusReport->eProviderStatusReport = enumOf(status->provider_status_report, CS_NotSupplied, CS_Unknown);
    }
    errorReportFromCodec(&dst->psErrorReport, src.error_report);
    optionalIllStringFromCodec(&dst->psNote, src.note);
    optionalExtensionsFromCodec(&dst->ppsStOrErReportExtension, src.status_or_error_report_extensions);
}

}  // namespace

void KivIllOptionalTextFromCodec(std::optional<std::string>* dst, const BerOctets& src) {
    if (src.length != 0) KivCStringFromCodec(dst, &src);
}

void KivIllPduFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    kivFromCodec([&] {
        dst->eASN1Type = AT_IllPdu;
        auto& pdu = dst->uASN1.psIllPdu = std::make_unique<KivIllPdu>();
        const auto& value = kivContentValue<ill::ILLAPDU>(src);
        if (value.choiceId == ill::ILLAPDU::kILLRequest && value.iLLRequest != nullptr) {
            pdu->eIllPduType = ILL_IllRequest;
            pdu->uIllPdu.psIllRequest = std::make_unique<KivIllRequest>();
            illRequestFromCodec(pdu->uIllPdu.psIllRequest.get(), *value.iLLRequest);
        } else if (value.choiceId == ill::ILLAPDU::kStatusOrErrorReport && value.statusOrErrorReport != nullptr) {
            pdu->eIllPduType = ILL_StatusOrErrorReport;
            pdu->uIllPdu.psStatusOrErrorReport = std::make_unique<KivStatusOrErrorReport>();
            statusOrErrorReportFromCodec(pdu->uIllPdu.psStatusOrErrorReport.get(), *value.statusOrErrorReport);
        } else {
            pdu->eIllPduType = ILL_Invalid;
        }
    });
}
