#include "toolkit/external/kiv_check_ill_pdu.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_ill_pdu.h"
#include "toolkit/api/kiv_validation.h"

namespace {

// Walks one APDU and reports its first fault.
class IllChecker {
  public:
    IllChecker(KivAssocId assoc, SIError** out) : assoc_(assoc), out_(out) {}

    int checkRequest(const KivIllRequest& request, const std::string& path) {
        if (range(request.eProtocolVersion, PV_Version1, PV_Version2, path, "eProtocolVersion") != 0 ||
            checkTransactionId(request.sTransactionId, kivFieldPath(path, "sTransactionId.")) != 0 ||
            checkServiceDateTime(request.sServiceDateTime, kivFieldPath(path, "sServiceDateTime.")) != 0 ||
            optionalSystemId(request.psRequesterId, path, "psRequesterId->") != 0 ||
            optionalSystemId(request.psResponderId, path, "psResponderId->") != 0 ||
            starRange(request.peTransactionType, TT_Simple, TT_Partitioned, path, "peTransactionType") != 0 ||
            optionalDeliveryAddress(request.psDeliveryAddress, path, "psDeliveryAddress->") != 0 ||
            (request.psDeliveryService &&
             checkDeliveryService(*request.psDeliveryService, kivFieldPath(path, "psDeliveryService->")) != 0) ||
            optionalDeliveryAddress(request.psBillingAddress, path, "psBillingAddress->") != 0) {
            return 1;
        }
        if (!request.ppeServiceType.present()) return missing(path, "ppeServiceType");
        size_t index = 0;
        for (const int32_t& type : request.ppeServiceType) {
            const std::string element = kivFieldPath(path, "ppeServiceType[" + std::to_string(index++) + "]->");
            if (range(type, ST_Loan, ST_ResponderSpecific, element, "peServiceType") != 0) return 1;
        }
        if (optionalExternal(request.psResponderSpecificService.get(), path, "psResponderSpecificService->") != 0) {
            return 1;
        }
        const std::string messages = kivFieldPath(path, "sRequesterOptionalMessages.");
        const KivRequesterOptionalMessages& wanted = request.sRequesterOptionalMessages;
        if (boolean(wanted.fCanSendReceived, messages, "fCanSendReceived") != 0 ||
            boolean(wanted.fCanSendReturned, messages, "fCanSendReturned") != 0 ||
            range(wanted.eRequesterShipped, OMR_Requires, OMR_Neither, messages, "eRequesterShipped") != 0 ||
            range(wanted.eRequesterCheckedIn, OMR_Requires, OMR_Neither, messages, "eRequesterCheckedIn") != 0) {
            return 1;
        }
        if (const KivSearchType* search = request.psSearchType.get()) {
            const std::string searchPath = kivFieldPath(path, "psSearchType->");
            if (optionalString(search->psLevelOfService, searchPath, "psLevelOfService->") != 0 ||
                starRange(search->peExpiryFlag, EXP_NeedBeforeDate, EXP_NoExpiry, searchPath, "peExpiryFlag") != 0) {
                return 1;
            }
        }
        if (structArray(request.ppsSupplyMediumInfo, path, "ppsSupplyMediumInfo",
                        [this](const KivSupplyMediumInfo& info, const std::string& element) {
                            return range(info.eSupplyMediumType, SMT_Printed, SMT_Other, element,
                                         "eSupplyMediumType") != 0 ||
                                   optionalString(info.psMediumCharacteristics, element, "psMediumCharacteristics->");
                        }) != 0 ||
            starRange(request.pePlaceOnHold, POH_Yes, POH_ResponderPolicy, path, "pePlaceOnHold") != 0) {
            return 1;
        }
        if (const KivClientId* client = request.psClientId.get()) {
            const std::string clientPath = kivFieldPath(path, "psClientId->");
            if (optionalString(client->psClientName, clientPath, "psClientName->") != 0 ||
                optionalString(client->psClientStatus, clientPath, "psClientStatus->") != 0 ||
                optionalString(client->psClientIdentifier, clientPath, "psClientIdentifier->") != 0) {
                return 1;
            }
        }
        if (checkItemId(request.sItemId, kivFieldPath(path, "sItemId.")) != 0 ||
            structArray(request.ppsSupplementalItemDescription, path, "ppsSupplementalItemDescription",
                        [this](const KivExternal& external, const std::string& element) {
                            return KivCheckExternal(assoc_, &external, element, out_);
                        }) != 0 ||
            (request.psCostInfo && checkCostInfo(*request.psCostInfo, kivFieldPath(path, "psCostInfo->")) != 0) ||
            optionalString(request.psCopyrightCompliance, path, "psCopyrightCompliance->") != 0 ||
            (request.psThirdPartyInfo &&
             checkThirdParty(*request.psThirdPartyInfo, kivFieldPath(path, "psThirdPartyInfo->")) != 0) ||
            optionalBoolean(request.pfRetry, path, "pfRetry") != 0 ||
            optionalBoolean(request.pfForward, path, "pfForward") != 0 ||
            optionalString(request.psRequesterNote, path, "psRequesterNote->") != 0 ||
            optionalString(request.psForwardNote, path, "psForwardNote->") != 0) {
            return 1;
        }
        return extensions(request.ppsRequestExtension, path, "ppsRequestExtension");
    }

    int checkReport(const KivStatusOrErrorReport& report, const std::string& path) {
        if (range(report.eProtocolVersion, PV_Version1, PV_Version2, path, "eProtocolVersion") != 0 ||
            checkTransactionId(report.sTransactionId, kivFieldPath(path, "sTransactionId.")) != 0 ||
            checkServiceDateTime(report.sServiceDateTime, kivFieldPath(path, "sServiceDateTime.")) != 0 ||
            optionalSystemId(report.psRequesterId, path, "psRequesterId->") != 0 ||
            optionalSystemId(report.psResponderId, path, "psResponderId->") != 0 ||
            starRange(report.peReasonNoReport, RNR_Temporary, RNR_Permanent, path, "peReasonNoReport") != 0) {
            return 1;
        }
        if (const KivStatusReport* status = report.psStatusReport.get()) {
            const std::string statusPath = kivFieldPath(path, "psStatusReport->");
            if (checkHistory(status->sUserStatusReport, kivFieldPath(statusPath, "sUserStatusReport.")) != 0 ||
                range(status->eProviderStatusReport, CS_NotSupplied, CS_Unknown, statusPath,
                      "eProviderStatusReport") != 0) {
                return 1;
            }
        }
        if (report.psErrorReport && checkErrorReport(*report.psErrorReport, kivFieldPath(path, "psErrorReport->")) != 0) {
            return 1;
        }
        if (optionalString(report.psNote, path, "psNote->") != 0) return 1;
        return extensions(report.ppsStOrErReportExtension, path, "ppsStOrErReportExtension");
    }

  private:
    int missing(const std::string& path, std::string_view name) {
        return KivReportMissingField(assoc_, kivFieldPath(path, name), out_);
    }

    int outOfRange(const std::string& path, std::string_view name) {
        return KivReportValueOutOfRange(assoc_, kivFieldPath(path, name), out_);
    }

    int range(int32_t value, uint32_t low, uint32_t high, const std::string& path, std::string_view name) {
        return kivCheckRange(assoc_, value, low, high, path, name, out_);
    }

    // An optional enumeration: its fault is reported on "*" + path + name.
    int starRange(const std::optional<int32_t>& value, uint32_t low, uint32_t high, const std::string& path,
                  std::string_view name) {
        if (!value.has_value()) return 0;
        return range(*value, low, high, "*" + path, name);
    }

    int boolean(uint32_t value, const std::string& path, std::string_view name) {
        return KivCheckBoolean(assoc_, &value, kivFieldPath(path, name), out_);
    }

    int optionalBoolean(const std::optional<uint32_t>& value, const std::string& path, std::string_view name) {
        return KivCheckOptionalBoolean(assoc_, value, kivFieldPath(path, name), out_);
    }

    int starBoolean(const std::optional<uint32_t>& value, const std::string& path, std::string_view name) {
        return KivCheckOptionalBoolean(assoc_, value, kivFieldPath("*" + path, name), out_);
    }

    int text(const std::optional<std::string>& value, const std::string& path, std::string_view name) {
        return value.has_value() ? 0 : missing(path, name);
    }

    template <typename T, typename Check>
    int structArray(const KivArray<T>& array, const std::string& path, std::string_view name, Check&& check) {
        return KivCheckStructArray(assoc_, array, path, name, out_,
                                   [&](KivAssocId, const T* element, const std::string& elementPath, SIError**) {
                                       return check(*element, elementPath) != 0 ? 1 : 0;
                                   });
    }

    int optionalExternal(const KivExternal* external, const std::string& path, std::string_view name) {
        return external != nullptr ? KivCheckExternal(assoc_, external, kivFieldPath(path, name), out_) : 0;
    }

    // ILL-String: the member its type chooses.
    int checkString(const KivIllString& string, const std::string& path) {
        switch (string.eStringType) {
            case ST_GeneralString:
                return string.uString.psGeneralString ? 0 : missing(path, "uString.psGeneralString");
            case ST_EdifactString:
                return string.uString.pcVisibleString ? 0 : missing(path, "uString.pcVisibleString");
            default:
                return outOfRange(path, "eStringType");
        }
    }

    int optionalString(const std::unique_ptr<KivIllString>& string, const std::string& path, std::string_view name) {
        return string ? checkString(*string, kivFieldPath(path, name)) : 0;
    }

    int checkName(const KivNameOfPersonOrInstitution& name, const std::string& path) {
        return range(name.eNameType, NPI_NameOfPerson, NPI_NameOfInstitution, path, "eNameType") != 0 ||
               checkString(name.sName, kivFieldPath(path, "sName."));
    }

    int checkSystemId(const KivSystemId& id, const std::string& path) {
        if (const KivPersonOrInstitutionSymbol* symbol = id.psSymbol.get()) {
            const std::string symbolPath = kivFieldPath(path, "psSymbol->");
            if (range(symbol->eSymbolType, SPI_PersonSymbol, SPI_InstitutionSymbol, symbolPath, "eSymbolType") != 0 ||
                checkString(symbol->sSymbol, kivFieldPath(symbolPath, "sSymbol.")) != 0) {
                return 1;
            }
        }
        return id.psName ? checkName(*id.psName, kivFieldPath(path, "psName->")) : 0;
    }

    int optionalSystemId(const std::unique_ptr<KivSystemId>& id, const std::string& path, std::string_view name) {
        return id ? checkSystemId(*id, kivFieldPath(path, name)) : 0;
    }

    int checkSystemAddress(const KivSystemAddress& address, const std::string& path) {
        return optionalString(address.psTelecomServiceIdentifier, path, "psTelecomServiceIdentifier->") != 0 ||
               optionalString(address.psTelecomServiceAddress, path, "psTelecomServiceAddress->");
    }

    int optionalSystemAddress(const std::unique_ptr<KivSystemAddress>& address, const std::string& path,
                              std::string_view name) {
        return address ? checkSystemAddress(*address, kivFieldPath(path, name)) : 0;
    }

    int checkTransactionId(const KivTransactionId& id, const std::string& path) {
        return optionalSystemId(id.psInitialRequesterId, path, "psInitialRequesterId->") != 0 ||
               checkString(id.sTransactionGroupQualifier, kivFieldPath(path, "sTransactionGroupQualifier.")) != 0 ||
               checkString(id.sTransactionQualifier, kivFieldPath(path, "sTransactionQualifier.")) != 0 ||
               optionalString(id.psSubTransactionQualifier, path, "psSubTransactionQualifier->");
    }

    int checkServiceDateTime(const KivServiceDateTime& stamp, const std::string& path) {
        if (text(stamp.sThisService.pcDate, kivFieldPath(path, "sThisService."), "pcDate") != 0) return 1;
        return stamp.psOriginalService ? text(stamp.psOriginalService->pcDate,
                                              kivFieldPath(path, "psOriginalService->"), "pcDate")
                                       : 0;
    }

    int optionalDeliveryAddress(const std::unique_ptr<KivDeliveryAddress>& address, const std::string& path,
                                std::string_view name) {
        if (!address) return 0;
        const std::string addressPath = kivFieldPath(path, name);
        if (const KivPostalAddress* postal = address->psPostalAddress.get()) {
            const std::string postalPath = kivFieldPath(addressPath, "psPostalAddress->");
            if ((postal->psNameOfPersonOrInstitution &&
                 checkName(*postal->psNameOfPersonOrInstitution,
                           kivFieldPath(postalPath, "psNameOfPersonOrInstitution->")) != 0) ||
                optionalString(postal->psExtendedPostalDeliveryAddress, postalPath,
                               "psExtendedPostalDeliveryAddress->") != 0 ||
                optionalString(postal->psStreetAndNumber, postalPath, "psStreetAndNumber->") != 0 ||
                optionalString(postal->psPostOfficeBox, postalPath, "psPostOfficeBox->") != 0 ||
                optionalString(postal->psCity, postalPath, "psCity->") != 0 ||
                optionalString(postal->psRegion, postalPath, "psRegion->") != 0 ||
                optionalString(postal->psCountry, postalPath, "psCountry->") != 0 ||
                optionalString(postal->psPostalCode, postalPath, "psPostalCode->") != 0) {
                return 1;
            }
        }
        return optionalSystemAddress(address->psElectronicAddress, addressPath, "psElectronicAddress->");
    }

    // An identifier and the EXTERNAL holding the value it defines.
    int checkParameter(const std::optional<std::string>& identifier, const std::unique_ptr<KivParameterValue>& value,
                       const std::string& path, std::string_view identifierNote, std::string_view valueName) {
        if (!value || !value->psDummy) return 0;
        if (!identifier.has_value()) return missing(path, identifierNote);
        const std::string dummyPath = kivFieldPath(path, valueName);
        if (value->psDummy->eValueType != EVT_SingleASN1Type) {
            return KivReportValidationText(assoc_, kivFieldPath(dummyPath, "eValueType MUST BE EVT_SingleASN1Type"),
                                           out_);
        }
        return KivCheckExternal(assoc_, value->psDummy.get(), dummyPath, out_);
    }

    int checkElectronicDelivery(const KivElectronicDeliveryService& service, const std::string& path) {
        if (const KivDeliveryParameter* parameter = service.psDeliveryParameter.get()) {
            if (checkParameter(parameter->pcDeliveryMode, parameter->puDeliveryParameter,
                               kivFieldPath(path, "psDeliveryParameter->"),
                               "pcDeliveryMode (required for encoding psDeliveryParameter->puDeliveryParameter->psDummy)",
                               "puDeliveryParameter->psDummy->") != 0) {
                return 1;
            }
        }
        if (const KivDocumentTypeParameter* parameter = service.psDocumentTypeParameter.get()) {
            if (checkParameter(parameter->pcDocumentTypeId, parameter->puDocumentTypeParameter,
                               kivFieldPath(path, "psDocumentTypeParameter->"),
                               "pcDocumentTypeId (required for encoding "
                               "psDocumentTypeParameter->puDocumentTypeParameter->psDummy) ",
                               "puDocumentTypeParameter->psDummy->") != 0) {
                return 1;
            }
        }
        if (optionalString(service.psDeliveryDescription, path, "psDeliveryDescription->") != 0) return 1;
        const std::string details = kivFieldPath(path, "sDeliveryDetails.");
        const auto& chosen = service.sDeliveryDetails.uDeliveryDetails;
        switch (service.sDeliveryDetails.eDeliveryDetailsType) {
            case DDT_SystemAddress:
                if (!chosen.psSystemAddress) return missing(details, "uDeliveryDetails.psSystemAddress");
                if (checkSystemAddress(*chosen.psSystemAddress,
                                       kivFieldPath(details, "uDeliveryDetails.psSystemAddress->")) != 0) {
                    return 1;
                }
                break;
            case DDT_SystemId:
                if (!chosen.psSystemId) return missing(details, "uDeliveryDetails.psSystemId");
                if (checkSystemId(*chosen.psSystemId, kivFieldPath(details, "uDeliveryDetails.psSystemId->")) != 0) {
                    return 1;
                }
                break;
            default:
                return outOfRange(details, "eDeliveryDetailsType");
        }
        return optionalString(service.psNameOrCode, path, "psNameOrCode->");
    }

    int checkDeliveryService(const KivDeliveryService& service, const std::string& path) {
        const auto& chosen = service.uDeliveryService;
        switch (service.eDeliveryServiceType) {
            case DST_PhysicalDelivery:
                if (!chosen.psPhysicalDelivery) return missing(path, "uDeliveryService.psPhysicalDelivery");
                return checkString(*chosen.psPhysicalDelivery,
                                   kivFieldPath(path, "uDeliveryService.psPhysicalDelivery->"));
            case DST_ElectronicDelivery:
                if (!chosen.ppsElectronicDelivery.present()) {
                    return missing(path, "uDeliveryService.ppsElectronicDelivery");
                }
                return structArray(chosen.ppsElectronicDelivery, path, "uDeliveryService.ppsElectronicDelivery",
                                   [this](const KivElectronicDeliveryService& item, const std::string& element) {
                                       return checkElectronicDelivery(item, element);
                                   });
            default:
                return outOfRange(path, "eDeliveryServiceType");
        }
    }

    int checkItemId(const KivItemId& item, const std::string& path) {
        if (item.peItemType.has_value() && range(*item.peItemType, IT_Monograph, IT_Other, path, "peItemType") != 0) {
            return 1;
        }
        if (item.peMediumType.has_value()) {
            // The held medium type has no 2: it could not be sent.
            if (*item.peMediumType == 2) return outOfRange(path, "peMediumType");
            if (range(*item.peMediumType, MT_Printed, MT_Other, path, "peMediumType") != 0) return 1;
        }
        const std::unique_ptr<KivIllString>* strings[] = {
            &item.psCallNumber,      &item.psAuthor,           &item.psTitle,
            &item.psSubTitle,        &item.psSponsoringBody,   &item.psPlaceOfPublication,
            &item.psPublisher,       &item.psSeriesTitleNumber, &item.psVolumeIssue,
            &item.psEdition,         &item.psPublicationDate,  &item.psPublicationDateOfComponent,
            &item.psAuthorOfArticle, &item.psTitleOfArticle,   &item.psPagination};
        const char* names[] = {"psCallNumber->",      "psAuthor->",           "psTitle->",
                               "psSubTitle->",        "psSponsoringBody->",   "psPlaceOfPublication->",
                               "psPublisher->",       "psSeriesTitleNumber->", "psVolumeIssue->",
                               "psEdition->",         "psPublicationDate->",  "psPublicationDateOfComponent->",
                               "psAuthorOfArticle->", "psTitleOfArticle->",   "psPagination->"};
        for (size_t i = 0; i < std::size(strings); ++i) {
            if (optionalString(*strings[i], path, names[i]) != 0) return 1;
        }
        return optionalExternal(item.psNationalBibliographyNo.get(), path, "psNationalBibliographyNo->") != 0 ||
               optionalString(item.psIsbn, path, "psIsbn->") != 0 ||
               optionalString(item.psIssn, path, "psIssn->") != 0 ||
               optionalExternal(item.psSystemNo.get(), path, "psSystemNo->") != 0 ||
               optionalString(item.psAdditionalNoLetters, path, "psAdditionalNoLetters->") != 0 ||
               optionalString(item.psVerificationReferenceSource, path, "psVerificationReferenceSource->");
    }

    int checkCostInfo(const KivCostInfo& cost, const std::string& path) {
        return optionalString(cost.psAccountNumber, path, "psAccountNumber->") != 0 ||
               (cost.psMaximumCost &&
                text(cost.psMaximumCost->pcMonetaryValue, kivFieldPath(path, "psMaximumCost->"), "pcMonetaryValue") !=
                    0) ||
               optionalBoolean(cost.pfReciprocalAgreement, path, "pfReciprocalAgreement") != 0 ||
               optionalBoolean(cost.pfWillPayFee, path, "pfWillPayFee") != 0 ||
               optionalBoolean(cost.pfPaymentProvided, path, "pfPaymentProvided");
    }

    int checkThirdParty(const KivThirdPartyInfo& info, const std::string& path) {
        return optionalBoolean(info.pfPermissionToForward, path, "pfPermissionToForward") != 0 ||
               optionalBoolean(info.pfPermissionToChain, path, "pfPermissionToChain") != 0 ||
               optionalBoolean(info.pfPermissionToPartition, path, "pfPermissionToPartition") != 0 ||
               optionalBoolean(info.pfPermissionToChangeSendToList, path, "pfPermissionToChangeSendToList") != 0 ||
               optionalSystemAddress(info.psInitialRequesterAddress, path, "psInitialRequesterAddress->") != 0 ||
               starRange(info.pePreference, PRE_Ordered, PRE_Unordered, path, "pePreference") != 0 ||
               structArray(info.ppsSendToList, path, "ppsSendToList",
                           [this](const KivSendToListItem& item, const std::string& element) {
                               return checkSystemId(item.sSystemId, kivFieldPath(element, "sSystemId.")) != 0 ||
                                      optionalString(item.psAccountNumber, element, "psAccountNumber->") != 0 ||
                                      optionalSystemAddress(item.psSystemAddress, element, "psSystemAddress->");
                           }) != 0 ||
               structArray(info.ppsAlreadyTriedList, path, "ppsAlreadyTriedList",
                           [this](const KivSystemId& id, const std::string& element) {
                               return checkSystemId(id, element);
                           });
    }

    int checkHistory(const KivHistoryReport& history, const std::string& path) {
        return optionalString(history.psAuthor, path, "psAuthor->") != 0 ||
               optionalString(history.psTitle, path, "psTitle->") != 0 ||
               optionalString(history.psAuthorOfArticle, path, "psAuthorOfArticle->") != 0 ||
               optionalString(history.psTitleOfArticle, path, "psTitleOfArticle->") != 0 ||
               text(history.pcDateOfLastTransition, path, "pcDateOfLastTransition") != 0 ||
               range(history.eMostRecentService, MRS_IllRequest, MRS_Forward, path, "eMostRecentService") != 0 ||
               text(history.pcDateOfMostRecentService, path, "pcDateOfMostRecentService") != 0 ||
               checkSystemId(history.sSystemId, kivFieldPath(path, "sSystemId.")) != 0 ||
               starRange(history.peShippedServiceType, SST_Loan, SST_CopyNonReturnable, path,
                         "peShippedServiceType") != 0 ||
               starRange(history.peTransactionResults, TR_Conditional, TR_Estimate, path, "peTransactionResults") !=
                   0 ||
               optionalString(history.psMostRecentServiceNote, path, "psMostRecentServiceNote->");
    }

    int checkUserError(const KivUserErrorReport& report, const std::string& path) {
        const auto& chosen = report.uUserErrorReport;
        switch (report.eReportType) {
            case UER_AlreadyForwarded: {
                if (!chosen.psAlreadyForwarded) return missing(path, "uUserErrorReport.psAlreadyForwarded");
                const std::string forwarded = kivFieldPath(path, "uUserErrorReport.psAlreadyForwarded->");
                return checkSystemId(chosen.psAlreadyForwarded->sResponderId, kivFieldPath(forwarded, "sResponderId.")) !=
                           0 ||
                       optionalSystemAddress(chosen.psAlreadyForwarded->psResponderAddress, forwarded,
                                             "psResponderAddress->");
            }
            case UER_IntermediaryProblem:
                return range(chosen.eIntermediaryProblem, IP_CannotSendOnward, IP_CannotSendOnward, path,
                             "uUserErrorReport.eIntermediaryProblem");
            case UER_SecurityProblem:
                if (!chosen.psSecurityProblem) return missing(path, "uUserErrorReport.psSecurityProblem");
                return checkString(*chosen.psSecurityProblem, kivFieldPath(path, "uUserErrorReport.psSecurityProblem->"));
            case UER_UnableToPerform:
                return range(chosen.eUnableToPerform, UTP_NotAvailable, UTP_Other, path,
                             "uUserErrorReport.eUnableToPerform");
            default:
                return outOfRange(path, "eReportType");
        }
    }

    int checkProviderError(const KivProviderErrorReport& report, const std::string& path) {
        const auto& chosen = report.uProviderErrorReport;
        switch (report.eReportType) {
            case PER_GeneralProblem:
                return range(chosen.eGeneralProblem, GP_UnrecognizedAPDU, GP_Other, path,
                             "uProviderErrorReport.eGeneralProblem");
            case PER_TransactionIdProblem:
                return range(chosen.eTransactionIdProblem, TIP_DuplicateTransactionId, TIP_UnknownTransactionId, path,
                             "uProviderErrorReport.eTransactionIdProblem");
            case PER_StateTransitionProhibited: {
                const KivStateTransitionProhibited* prohibited = chosen.psStateTransitionProblem.get();
                if (prohibited == nullptr) return missing(path, "uProviderErrorReport.psStateTransitionProblem");
                const std::string prohibitedPath = kivFieldPath(path, "uProviderErrorReport.psStateTransitionProblem->");
                return range(prohibited->eAPDUType, IAT_IllRequest, IAT_Expired, prohibitedPath, "eAPDUType") != 0 ||
                       range(prohibited->eCurrentState, CS_NotSupplied, CS_Unknown, prohibitedPath, "eCurrentState");
            }
            default:
                return outOfRange(path, "eReportType");
        }
    }

    int checkErrorReport(const KivErrorReport& report, const std::string& path) {
        if (checkString(report.sCorrelationInfo, kivFieldPath(path, "sCorrelationInfo.")) != 0) return 1;
        const std::string source = kivFieldPath(path, "sReport.");
        const auto& chosen = report.sReport.uReport;
        switch (report.sReport.eReportSource) {
            case RS_User:
                if (!chosen.psUserErrorReport) return missing(source, "uReport.psUserErrorReport");
                return checkUserError(*chosen.psUserErrorReport, kivFieldPath(source, "uReport.psUserErrorReport->"));
            case RS_Provider:
                if (!chosen.psProviderErrorReport) return missing(source, "uReport.psProviderErrorReport");
                return checkProviderError(*chosen.psProviderErrorReport,
                                          kivFieldPath(source, "uReport.psProviderErrorReport->"));
            default:
                return outOfRange(source, "eReportSource");
        }
    }

    int checkBilling(const KivAddBillingInfo& billing, const std::string& path) {
        const auto& chosen = billing.uAddBillingInfo;
        switch (billing.eAddBillingType) {
            case ABT_BankInfo: {
                if (!chosen.psBillingBankInfo) return missing(path, "uAddBillingInfo.psBillingBankInfo");
                const std::string bank = kivFieldPath(path, "uAddBillingInfo.psBillingBankInfo->");
                const KivBillingBankInfo& info = *chosen.psBillingBankInfo;
                return text(info.pcBankAccountHouse, bank, "pcBankAccountHouse") != 0 ||
                       text(info.pcBankAccountRoutingSymbol, bank, "pcBankAccountRoutingSymbol") != 0 ||
                       text(info.pcBankAccountNo, bank, "pcBankAccountNo") != 0 ||
                       boolean(info.fBankAuthority, bank, "fBankAuthority");
            }
            case ABT_CreditCardInfo: {
                if (!chosen.psBillingCreditCardInfo) return missing(path, "uAddBillingInfo.psBillingCreditCardInfo");
                const std::string card = kivFieldPath(path, "uAddBillingInfo.psBillingCreditCardInfo->");
                const KivBillingCreditCardInfo& info = *chosen.psBillingCreditCardInfo;
                return text(info.pcCardCompany, card, "pcCardCompany") != 0 ||
                       text(info.pcCardNo, card, "pcCardNo") != 0 || text(info.pcCardValidThru, card, "pcCardValidThru");
            }
            case ABT_InvoiceType:
                return range(chosen.eBillingInvoiceType, BIT_Single, BIT_Collective, path,
                             "uAddBillingInfo.eBillingInvoiceType");
            case ABT_PrepaidType:
                return text(chosen.pcPrepaidId, path, "uAddBillingInfo.pcPrepaidId");
            case ABT_DepositType:
                return text(chosen.pcDepositId, path, "uAddBillingInfo.pcDepositId");
            default:
                return outOfRange(path, "eAddBillingType");
        }
    }

    int checkExtension(const KivIllExtension& extension, const std::string& path) {
        if (starBoolean(extension.pfCritical, path, "pfCritical") != 0) return 1;
        const std::string item = kivFieldPath(path, "uItem.");
        if (extension.ulIdentifier != 800) return outOfRange(item, "ulIdentifier");
        const KivAddIllReqInfo* info = extension.uItem.psAddIllReqInfo.get();
        if (info == nullptr) return missing(item, "psAddIllReqInfo");
        const std::string infoPath = kivFieldPath(item, "psAddIllReqInfo->");
        if (starBoolean(info->pfCustomerInfoToKeep, infoPath, "pfCustomerInfoToKeep") != 0) return 1;
        if (const KivAddRequesterInfo* requester = info->psAddRequesterInfo.get()) {
            if (starRange(requester->peRequesterGroup, RG_UserGroup1, RG_UserGroup2,
                          kivFieldPath(infoPath, "psAddRequesterInfo->"), "peRequesterGroup") != 0) {
                return 1;
            }
        }
        if (const KivAddDeliveryInfo* delivery = info->psAddDeliveryInfo.get()) {
            const std::string deliveryPath = kivFieldPath(infoPath, "psAddDeliveryInfo->");
            if (starRange(delivery->peStatusLevelUser, SLU_All, SLU_None, deliveryPath, "peStatusLevelUser") != 0 ||
                starRange(delivery->peStatusLevelOrigin, SLO_All, SLO_None, deliveryPath, "peStatusLevelOrigin") != 0 ||
                starBoolean(delivery->pfAlternativePostalDelivery, deliveryPath, "pfAlternativePostalDelivery") != 0) {
                return 1;
            }
        }
        return info->psAddBillingInfo ? checkBilling(*info->psAddBillingInfo, kivFieldPath(infoPath, "psAddBillingInfo->"))
                                      : 0;
    }

    int extensions(const KivArray<KivIllExtension>& list, const std::string& path, std::string_view name) {
        return structArray(list, path, name, [this](const KivIllExtension& extension, const std::string& element) {
            return checkExtension(extension, element);
        });
    }

    KivAssocId assoc_;
    SIError** out_;
};

}  // namespace

int KivCheckIllPdu(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path, SIError** out) {
    const KivIllPdu* pdu = single->uASN1.psIllPdu.get();
    if (pdu == nullptr) return KivReportMissingField(assoc, kivFieldPath(path, "uASN1.psIllPdu"), out);
    const std::string pduPath = kivFieldPath(path, "uASN1.psIllPdu->");
    IllChecker checker(assoc, out);
    switch (pdu->eIllPduType) {
        case ILL_IllRequest:
            if (!pdu->uIllPdu.psIllRequest) {
                return KivReportMissingField(assoc, kivFieldPath(pduPath, "uIllPdu.psIllRequest"), out);
            }
            return checker.checkRequest(*pdu->uIllPdu.psIllRequest, kivFieldPath(pduPath, "uIllPdu.psIllRequest->"));
        case ILL_StatusOrErrorReport:
            if (!pdu->uIllPdu.psStatusOrErrorReport) {
                return KivReportMissingField(assoc, kivFieldPath(pduPath, "uIllPdu.psStatusOrErrorReport"), out);
            }
            return checker.checkReport(*pdu->uIllPdu.psStatusOrErrorReport,
                                       kivFieldPath(pduPath, "uIllPdu.psStatusOrErrorReport->"));
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(pduPath, "eIllPduType"), out);
    }
}
