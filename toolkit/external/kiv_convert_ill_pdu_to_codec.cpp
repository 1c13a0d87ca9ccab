// The interlibrary-loan APDU towards the codec.
#include <cstdint>
#include <optional>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_convert_ill_pdu.h"

namespace ill = codec::ill;

namespace {

// The value when it lies in [low, high], else otherwise.
BerInteger inRange(int32_t value, int32_t low, int32_t high, BerInteger otherwise = 0) {
    return value >= low && value <= high ? value : otherwise;
}

void optionalEnumToCodec(BerInteger** dst, const std::optional<int32_t>& src, int32_t low, int32_t high,
                         BerInteger otherwise = 0) {
    if (!src.has_value()) return;
    *dst = kivNewCodecRecord<BerInteger>();
    **dst = inRange(*src, low, high, otherwise);
}

// The codec choiceId of a selector counting from 1, or false when it is out of range.
bool choiceOf(int32_t selector, int32_t alternatives, int32_t* choiceId) {
    if (selector < 1 || selector > alternatives) return false;
    *choiceId = selector - 1;
    return true;
}

void illStringToCodec(ill::ILLString* dst, const KivIllString& src) {
    switch (src.eStringType) {
        case ST_GeneralString:
            dst->choiceId = ill::ILLString::kGeneralString;
            KivNewInternationalStringToCodec(&dst->generalString, src.uString.psGeneralString.get());
            break;
        case ST_EdifactString:
            dst->choiceId = ill::ILLString::kVisibleString;
            dst->visibleString = kivNewCodecRecord<BerOctets>();
            KivCStringToCodec(dst->visibleString, src.uString.pcVisibleString);
            break;
        default:
            break;
    }
}

void newIllStringToCodec(ill::ILLString** dst, const KivIllString& src) {
    *dst = kivNewCodecRecord<ill::ILLString>();
    illStringToCodec(*dst, src);
}

void optionalIllStringToCodec(ill::ILLString** dst, const std::unique_ptr<KivIllString>& src) {
    if (src) newIllStringToCodec(dst, *src);
}

void nameToCodec(ill::NameOfPersonOrInstitution** dst, const KivNameOfPersonOrInstitution& src) {
    *dst = kivNewCodecRecord<ill::NameOfPersonOrInstitution>();
    if (choiceOf(src.eNameType, ill::NameOfPersonOrInstitution::kAlternatives, &(*dst)->choiceId)) {
        newIllStringToCodec((*dst)->choiceId == ill::NameOfPersonOrInstitution::kNameOfPerson
                                ? &(*dst)->name_of_person
                                : &(*dst)->name_of_institution,
                            src.sName);
    }
}

void systemIdToCodec(ill::SystemId* dst, const KivSystemId& src) {
    if (src.psSymbol) {
        dst->person_or_institution_symbol = kivNewCodecRecord<ill::PersonOrInstitutionSymbol>();
        ill::PersonOrInstitutionSymbol* symbol = dst->person_or_institution_symbol;
        if (choiceOf(src.psSymbol->eSymbolType, ill::PersonOrInstitutionSymbol::kAlternatives,
                     &symbol->choiceId)) {
            newIllStringToCodec(symbol->choiceId == ill::PersonOrInstitutionSymbol::kPersonSymbol
                                    ? &symbol->person_symbol
                                    : &symbol->institution_symbol,
                                src.psSymbol->sSymbol);
        }
    }
    if (src.psName) nameToCodec(&dst->name_of_person_or_institution, *src.psName);
}

void newSystemIdToCodec(ill::SystemId** dst, const KivSystemId& src) {
    *dst = kivNewCodecRecord<ill::SystemId>();
    systemIdToCodec(*dst, src);
}

void optionalSystemIdToCodec(ill::SystemId** dst, const std::unique_ptr<KivSystemId>& src) {
    if (src) newSystemIdToCodec(dst, *src);
}

void optionalSystemAddressToCodec(ill::SystemAddress** dst, const std::unique_ptr<KivSystemAddress>& src) {
    if (!src) return;
    *dst = kivNewCodecRecord<ill::SystemAddress>();
    optionalIllStringToCodec(&(*dst)->telecom_service_identifier, src->psTelecomServiceIdentifier);
    optionalIllStringToCodec(&(*dst)->telecom_service_address, src->psTelecomServiceAddress);
}

void transactionIdToCodec(ill::TransactionId** dst, const KivTransactionId& src) {
    *dst = kivNewCodecRecord<ill::TransactionId>();
    optionalSystemIdToCodec(&(*dst)->initial_requester_id, src.psInitialRequesterId);
    newIllStringToCodec(&(*dst)->transaction_group_qualifier, src.sTransactionGroupQualifier);
    newIllStringToCodec(&(*dst)->transaction_qualifier, src.sTransactionQualifier);
    optionalIllStringToCodec(&(*dst)->sub_transaction_qualifier, src.psSubTransactionQualifier);
}

template <typename DateTime>
void dateTimeToCodec(DateTime** dst, const KivDateTime& src) {
    *dst = kivNewCodecRecord<DateTime>();
    KivCStringToCodec(&(*dst)->date, src.pcDate);
    KivCStringToCodec(&(*dst)->time, src.pcTime);
}

void serviceDateTimeToCodec(ill::ServiceDateTime** dst, const KivServiceDateTime& src) {
    *dst = kivNewCodecRecord<ill::ServiceDateTime>();
    dateTimeToCodec(&(*dst)->date_time_of_this_service, src.sThisService);
    if (src.psOriginalService) dateTimeToCodec(&(*dst)->date_time_of_original_service, *src.psOriginalService);
}

void optionalDeliveryAddressToCodec(ill::DeliveryAddress** dst, const std::unique_ptr<KivDeliveryAddress>& src) {
    if (!src) return;
    *dst = kivNewCodecRecord<ill::DeliveryAddress>();
    if (const KivPostalAddress* postal = src->psPostalAddress.get()) {
        auto* address = (*dst)->postal_address = kivNewCodecRecord<ill::PostalAddress>();
        if (postal->psNameOfPersonOrInstitution) {
            nameToCodec(&address->name_of_person_or_institution, *postal->psNameOfPersonOrInstitution);
        }
        optionalIllStringToCodec(&address->extended_postal_delivery_address,
                                 postal->psExtendedPostalDeliveryAddress);
        optionalIllStringToCodec(&address->street_and_number, postal->psStreetAndNumber);
        optionalIllStringToCodec(&address->post_office_box, postal->psPostOfficeBox);
        optionalIllStringToCodec(&address->city, postal->psCity);
        optionalIllStringToCodec(&address->region, postal->psRegion);
        optionalIllStringToCodec(&address->country, postal->psCountry);
        optionalIllStringToCodec(&address->postal_code, postal->psPostalCode);
    }
    optionalSystemAddressToCodec(&(*dst)->electronic_address, src->psElectronicAddress);
}

// An identifier and the ANY value it defines, carried as the content of an EXTERNAL.
void parameterToCodec(BerOid* oid, BerAny* value, const std::optional<std::string>& text,
                      const std::unique_ptr<KivParameterValue>& parameter) {
    if (!text.has_value()) return;
    KivOidToCodec(oid, text);
    if (parameter && parameter->psDummy) KivSingleASN1TypeToCodec(text, value, parameter->psDummy.get());
}

void electronicDeliveryToCodec(ill::ElectronicDeliveryService* dst, const KivElectronicDeliveryService& src) {
    if (src.psDeliveryParameter) {
        parameterToCodec(&dst->e_delivery_mode, &dst->e_delivery_parameters, src.psDeliveryParameter->pcDeliveryMode,
                         src.psDeliveryParameter->puDeliveryParameter);
    }
    if (src.psDocumentTypeParameter) {
        parameterToCodec(&dst->document_type_id, &dst->document_type_parameters,
                         src.psDocumentTypeParameter->pcDocumentTypeId,
                         src.psDocumentTypeParameter->puDocumentTypeParameter);
    }
    optionalIllStringToCodec(&dst->e_delivery_description, src.psDeliveryDescription);
    auto* details = dst->e_delivery_details = kivNewCodecRecord<ill::EDeliveryDetails>();
    const auto& chosen = src.sDeliveryDetails.uDeliveryDetails;
    switch (src.sDeliveryDetails.eDeliveryDetailsType) {
        case DDT_SystemAddress:
            details->choiceId = ill::EDeliveryDetails::kEDeliveryAddress;
            optionalSystemAddressToCodec(&details->e_delivery_address, chosen.psSystemAddress);
            break;
        case DDT_SystemId:
            details->choiceId = ill::EDeliveryDetails::kEDeliveryId;
            optionalSystemIdToCodec(&details->e_delivery_id, chosen.psSystemId);
            break;
        default:
            break;
    }
    optionalIllStringToCodec(&dst->name_or_code, src.psNameOrCode);
    KivCStringToCodec(&dst->delivery_time, src.pcDeliveryTime);
}

void optionalDeliveryServiceToCodec(ill::DeliveryService** dst, const std::unique_ptr<KivDeliveryService>& src) {
    if (!src) return;
    *dst = kivNewCodecRecord<ill::DeliveryService>();
    switch (src->eDeliveryServiceType) {
        case DST_PhysicalDelivery:
            (*dst)->choiceId = ill::DeliveryService::kPhysicalDelivery;
            optionalIllStringToCodec(&(*dst)->physical_delivery, src->uDeliveryService.psPhysicalDelivery);
            break;
        case DST_ElectronicDelivery:
            (*dst)->choiceId = ill::DeliveryService::kElectronicDelivery;
            kivCodecListFrom<ill::ElectronicDeliveryService>(
                &(*dst)->electronic_delivery, src->uDeliveryService.ppsElectronicDelivery, electronicDeliveryToCodec);
            break;
        default:
            break;
    }
}

void itemIdToCodec(ill::ItemId** dst, const KivItemId& src) {
    auto* item = *dst = kivNewCodecRecord<ill::ItemId>();
    optionalEnumToCodec(&item->item_type, src.peItemType, IT_Monograph, IT_Other);
    optionalEnumToCodec(&item->held_medium_type, src.peMediumType, MT_Printed, MT_Other);
    optionalIllStringToCodec(&item->call_number, src.psCallNumber);
    optionalIllStringToCodec(&item->author, src.psAuthor);
    optionalIllStringToCodec(&item->title, src.psTitle);
    optionalIllStringToCodec(&item->sub_title, src.psSubTitle);
    optionalIllStringToCodec(&item->sponsoring_body, src.psSponsoringBody);
    optionalIllStringToCodec(&item->place_of_publication, src.psPlaceOfPublication);
    optionalIllStringToCodec(&item->publisher, src.psPublisher);
    optionalIllStringToCodec(&item->series_title_number, src.psSeriesTitleNumber);
    optionalIllStringToCodec(&item->volume_issue, src.psVolumeIssue);
    optionalIllStringToCodec(&item->edition, src.psEdition);
    optionalIllStringToCodec(&item->publication_date, src.psPublicationDate);
    optionalIllStringToCodec(&item->publication_date_of_component, src.psPublicationDateOfComponent);
    optionalIllStringToCodec(&item->author_of_article, src.psAuthorOfArticle);
    optionalIllStringToCodec(&item->title_of_article, src.psTitleOfArticle);
    optionalIllStringToCodec(&item->pagination, src.psPagination);
    KivOptionalExternalToCodec(&item->national_bibliography_no, src.psNationalBibliographyNo.get());
    optionalIllStringToCodec(&item->iSBN, src.psIsbn);
    optionalIllStringToCodec(&item->iSSN, src.psIssn);
    KivOptionalExternalToCodec(&item->system_no, src.psSystemNo.get());
    optionalIllStringToCodec(&item->additional_no_letters, src.psAdditionalNoLetters);
    optionalIllStringToCodec(&item->verification_reference_source, src.psVerificationReferenceSource);
}

void amountToCodec(ill::Amount** dst, const KivAmount& src) {
    *dst = kivNewCodecRecord<ill::Amount>();
    KivCStringToCodec(&(*dst)->currency_code, src.pcCurrencyCode);
    KivCStringToCodec(&(*dst)->monetary_value, src.pcMonetaryValue);
}

void optionalCostInfoToCodec(ill::CostInfoType** dst, const std::unique_ptr<KivCostInfo>& src) {
    if (!src) return;
    auto* cost = *dst = kivNewCodecRecord<ill::CostInfoType>();
    optionalIllStringToCodec(&cost->account_number, src->psAccountNumber);
    if (src->psMaximumCost) amountToCodec(&cost->maximum_cost, *src->psMaximumCost);
    KivOptionalBooleanToCodec(&cost->reciprocal_agreement, &src->pfReciprocalAgreement);
    KivOptionalBooleanToCodec(&cost->will_pay_fee, &src->pfWillPayFee);
    KivOptionalBooleanToCodec(&cost->payment_provided, &src->pfPaymentProvided);
}

void optionalThirdPartyToCodec(ill::ThirdPartyInfoType** dst, const std::unique_ptr<KivThirdPartyInfo>& src) {
    if (!src) return;
    auto* info = *dst = kivNewCodecRecord<ill::ThirdPartyInfoType>();
    KivOptionalBooleanToCodec(&info->permission_to_forward, &src->pfPermissionToForward);
    KivOptionalBooleanToCodec(&info->permission_to_chain, &src->pfPermissionToChain);
    KivOptionalBooleanToCodec(&info->permission_to_partition, &src->pfPermissionToPartition);
    KivOptionalBooleanToCodec(&info->permission_to_change_send_to_list, &src->pfPermissionToChangeSendToList);
    optionalSystemAddressToCodec(&info->initial_requester_address, src->psInitialRequesterAddress);
    optionalEnumToCodec(&info->preference, src->pePreference, PRE_Ordered, PRE_Unordered);
    KivOptionalArrayToCodec<ill::SendToListEntry>(
        &info->send_to_list, src->ppsSendToList, [](ill::SendToListEntry* entry, const KivSendToListItem& item) {
            newSystemIdToCodec(&entry->system_id, item.sSystemId);
            optionalIllStringToCodec(&entry->account_number, item.psAccountNumber);
            optionalSystemAddressToCodec(&entry->system_address, item.psSystemAddress);
        });
    KivOptionalArrayToCodec<ill::SystemId>(&info->already_tried_list, src->ppsAlreadyTriedList, systemIdToCodec);
}

void optionalExtensionsToCodec(BerList** dst, const KivArray<KivIllExtension>& src) {
    if (src.present()) KivIllExtensionsToCodec(dst, src);
}

void illRequestToCodec(ill::ILLRequest* dst, const KivIllRequest& src) {
    dst->protocol_version_num = inRange(src.eProtocolVersion, PV_Version1, PV_Version2);
    transactionIdToCodec(&dst->transaction_id, src.sTransactionId);
    serviceDateTimeToCodec(&dst->service_date_time, src.sServiceDateTime);
    optionalSystemIdToCodec(&dst->requester_id, src.psRequesterId);
    optionalSystemIdToCodec(&dst->responder_id, src.psResponderId);
    optionalEnumToCodec(&dst->transaction_type, src.peTransactionType, TT_Simple, TT_Partitioned, TT_Simple);
    optionalDeliveryAddressToCodec(&dst->delivery_address, src.psDeliveryAddress);
    optionalDeliveryServiceToCodec(&dst->delivery_service, src.psDeliveryService);
    optionalDeliveryAddressToCodec(&dst->billing_address, src.psBillingAddress);
    kivCodecListFrom<BerInteger>(&dst->iLL_service_type, src.ppeServiceType,
                                 [](BerInteger* element, const int32_t& type) {
                                     *element = inRange(type, ST_Loan, ST_ResponderSpecific);
                                 });
    KivOptionalExternalToCodec(&dst->responder_specific_service, src.psResponderSpecificService.get());
    auto* messages = dst->requester_optional_messages = kivNewCodecRecord<ill::RequesterOptionalMessagesType>();
    const KivRequesterOptionalMessages& wanted = src.sRequesterOptionalMessages;
    KivBooleanToCodec(&messages->can_send_RECEIVED, &wanted.fCanSendReceived);
    KivBooleanToCodec(&messages->can_send_RETURNED, &wanted.fCanSendReturned);
    messages->requester_SHIPPED = inRange(wanted.eRequesterShipped, OMR_Requires, OMR_Neither);
    messages->requester_CHECKED_IN = inRange(wanted.eRequesterCheckedIn, OMR_Requires, OMR_Neither);
    if (const KivSearchType* search = src.psSearchType.get()) {
        auto* type = dst->search_type = kivNewCodecRecord<ill::SearchType>();
        optionalIllStringToCodec(&type->level_of_service, search->psLevelOfService);
        KivCStringToCodec(&type->need_before_date, search->pcNeedBeforeDate);
        optionalEnumToCodec(&type->expiry_flag, search->peExpiryFlag, EXP_NeedBeforeDate, EXP_NoExpiry);
        KivCStringToCodec(&type->expiry_date, search->pcExpiryDate);
    }
    KivOptionalArrayToCodec<ill::SupplyMediumInfoType>(
        &dst->supply_medium_info_type, src.ppsSupplyMediumInfo,
        [](ill::SupplyMediumInfoType* element, const KivSupplyMediumInfo& info) {
            element->supply_medium_type = inRange(info.eSupplyMediumType, SMT_Printed, SMT_Other);
            optionalIllStringToCodec(&element->medium_characteristics, info.psMediumCharacteristics);
        });
    optionalEnumToCodec(&dst->place_on_hold, src.pePlaceOnHold, POH_Yes, POH_ResponderPolicy, POH_ResponderPolicy);
    if (const KivClientId* client = src.psClientId.get()) {
        auto* id = dst->client_id = kivNewCodecRecord<ill::ClientId>();
        optionalIllStringToCodec(&id->client_name, client->psClientName);
        optionalIllStringToCodec(&id->client_status, client->psClientStatus);
        optionalIllStringToCodec(&id->client_identifier, client->psClientIdentifier);
    }
    itemIdToCodec(&dst->item_id, src.sItemId);
    KivOptionalArrayToCodec<codec::z3950::EXTERNAL>(&dst->supplemental_item_description,
                                                   src.ppsSupplementalItemDescription,
                                                   [](codec::z3950::EXTERNAL* element, const KivExternal& external) {
                                                       KivExternalToCodec(element, &external);
                                                   });
    optionalCostInfoToCodec(&dst->cost_info_type, src.psCostInfo);
    optionalIllStringToCodec(&dst->copyright_compliance, src.psCopyrightCompliance);
    optionalThirdPartyToCodec(&dst->third_party_info_type, src.psThirdPartyInfo);
    KivOptionalBooleanToCodec(&dst->retry_flag, &src.pfRetry);
    KivOptionalBooleanToCodec(&dst->forward_flag, &src.pfForward);
    optionalIllStringToCodec(&dst->requester_note, src.psRequesterNote);
    optionalIllStringToCodec(&dst->forward_note, src.psForwardNote);
    optionalExtensionsToCodec(&dst->iLL_request_extensions, src.ppsRequestExtension);
}

void historyReportToCodec(ill::HistoryReport** dst, const KivHistoryReport& src) {
    auto* history = *dst = kivNewCodecRecord<ill::HistoryReport>();
    KivCStringToCodec(&history->date_requested, src.pcDateRequested);
    optionalIllStringToCodec(&history->author, src.psAuthor);
    optionalIllStringToCodec(&history->title, src.psTitle);
    optionalIllStringToCodec(&history->author_of_article, src.psAuthorOfArticle);
    optionalIllStringToCodec(&history->title_of_article, src.psTitleOfArticle);
    KivCStringToCodec(&history->date_of_last_transition, src.pcDateOfLastTransition);
    history->most_recent_service = inRange(src.eMostRecentService, MRS_IllRequest, MRS_Forward);
    KivCStringToCodec(&history->date_of_most_recent_service, src.pcDateOfMostRecentService);
    newSystemIdToCodec(&history->initiator_of_most_recent_service, src.sSystemId);
    optionalEnumToCodec(&history->shipped_service_type, src.peShippedServiceType, SST_Loan, SST_CopyNonReturnable);
    optionalEnumToCodec(&history->transaction_results, src.peTransactionResults, TR_Conditional, TR_Estimate);
    optionalIllStringToCodec(&history->most_recent_service_note, src.psMostRecentServiceNote);
}

void userErrorToCodec(ill::UserErrorReport* dst, const KivUserErrorReport& src) {
    const auto& chosen = src.uUserErrorReport;
    switch (src.eReportType) {
        case UER_AlreadyForwarded:
            dst->choiceId = ill::UserErrorReport::kAlreadyForwarded;
            if (chosen.psAlreadyForwarded) {
                auto* forwarded = dst->already_forwarded = kivNewCodecRecord<ill::AlreadyForwarded>();
                newSystemIdToCodec(&forwarded->responder_id, chosen.psAlreadyForwarded->sResponderId);
                optionalSystemAddressToCodec(&forwarded->responder_address,
                                             chosen.psAlreadyForwarded->psResponderAddress);
            }
            break;
        case UER_IntermediaryProblem:
            dst->choiceId = ill::UserErrorReport::kIntermediaryProblem;
            dst->intermediary_problem = inRange(chosen.eIntermediaryProblem, IP_CannotSendOnward, IP_CannotSendOnward);
            break;
        case UER_SecurityProblem:
            dst->choiceId = ill::UserErrorReport::kSecurityProblem;
            optionalIllStringToCodec(&dst->security_problem, chosen.psSecurityProblem);
            break;
        case UER_UnableToPerform:
            dst->choiceId = ill::UserErrorReport::kUnableToPerform;
            dst->unable_to_perform = inRange(chosen.eUnableToPerform, UTP_NotAvailable, UTP_Other);
            break;
        default:
            break;
    }
}

void providerErrorToCodec(ill::ProviderErrorReport* dst, const KivProviderErrorReport& src) {
    const auto& chosen = src.uProviderErrorReport;
    switch (src.eReportType) {
        case PER_GeneralProblem:
            dst->choiceId = ill::ProviderErrorReport::kGeneralProblem;
            dst->general_problem = inRange(chosen.eGeneralProblem, GP_UnrecognizedAPDU, GP_Other);
            break;
        case PER_TransactionIdProblem:
            dst->choiceId = ill::ProviderErrorReport::kTransactionIdProblem;
            dst->transaction_id_problem =
                inRange(chosen.eTransactionIdProblem, TIP_DuplicateTransactionId, TIP_UnknownTransactionId);
            break;
        case PER_StateTransitionProhibited:
            dst->choiceId = ill::ProviderErrorReport::kStateTransitionProhibited;
            if (chosen.psStateTransitionProblem) {
                auto* prohibited = dst->state_transition_prohibited =
                    kivNewCodecRecord<ill::StateTransitionProhibited>();
                prohibited->aPDU_type = inRange(chosen.psStateTransitionProblem->eAPDUType, IAT_IllRequest, IAT_Expired);
                prohibited->current_state =
                    inRange(chosen.psStateTransitionProblem->eCurrentState, CS_NotSupplied, CS_Unknown);
            }
            break;
        default:
            break;
    }
}

void errorReportToCodec(ill::ErrorReport** dst, const KivErrorReport& src) {
    auto* report = *dst = kivNewCodecRecord<ill::ErrorReport>();
    newIllStringToCodec(&report->correlation_information, src.sCorrelationInfo);
    const KivReport& source = src.sReport;
    if (source.eReportSource == RS_User) {
        report->report_source = RS_User;
        report->user_error_report = kivNewCodecRecord<ill::UserErrorReport>();
        if (source.uReport.psUserErrorReport) userErrorToCodec(report->user_error_report, *source.uReport.psUserErrorReport);
    } else if (source.eReportSource == RS_Provider) {
        report->report_source = RS_Provider;
        report->provider_error_report = kivNewCodecRecord<ill::ProviderErrorReport>();
        if (source.uReport.psProviderErrorReport) {
            providerErrorToCodec(report->provider_error_report, *source.uReport.psProviderErrorReport);
        }
    }
}

void statusOrErrorReportToCodec(ill::StatusOrErrorReport* dst, const KivStatusOrErrorReport& src) {
    dst->protocol_version_num = inRange(src.eProtocolVersion, PV_Version1, PV_Version2);
    transactionIdToCodec(&dst->transaction_id, src.sTransactionId);
    serviceDateTimeToCodec(&dst->service_date_time, src.sServiceDateTime);
    optionalSystemIdToCodec(&dst->requester_id, src.psRequesterId);
    optionalSystemIdToCodec(&dst->responder_id, src.psResponderId);
    optionalEnumToCodec(&dst->reason_no_report, src.peReasonNoReport, RNR_Temporary, RNR_Permanent);
    if (const KivStatusReport* status = src.psStatusReport.get()) {
        dst->status_report = kivNewCodecRecord<ill::StatusReport>();
        historyReportToCodec(&dst->status_report->user_status_report, status->sUserStatusReport);
        dst->status_report->provider_status_report = inRange(status->eProviderStatusReport, CS_NotSupplied, CS_Unknown);
    }
    if (src.psErrorReport) errorReportToCodec(&dst->error_report, *src.psErrorReport);
    optionalIllStringToCodec(&dst->note, src.psNote);
    optionalExtensionsToCodec(&dst->status_or_error_report_extensions, src.ppsStOrErReportExtension);
}

}  // namespace

void KivIllPduToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivIllPdu* pdu = src->uASN1.psIllPdu.get();
    if (pdu == nullptr) return;
    kivToCodec([&] {
        if (pdu->eIllPduType == ILL_IllRequest && pdu->uIllPdu.psIllRequest) {
            auto* value = kivNewContentValue<ill::ILLAPDU>(dst);
            value->choiceId = ill::ILLAPDU::kILLRequest;
            value->iLLRequest = kivNewCodecRecord<ill::ILLRequest>();
            illRequestToCodec(value->iLLRequest, *pdu->uIllPdu.psIllRequest);
        } else if (pdu->eIllPduType == ILL_StatusOrErrorReport && pdu->uIllPdu.psStatusOrErrorReport) {
            auto* value = kivNewContentValue<ill::ILLAPDU>(dst);
            value->choiceId = ill::ILLAPDU::kStatusOrErrorReport;
            value->statusOrErrorReport = kivNewCodecRecord<ill::StatusOrErrorReport>();
            statusOrErrorReportToCodec(value->statusOrErrorReport, *pdu->uIllPdu.psStatusOrErrorReport);
        }
    });
}
