#pragma once
// The ISO 10161 interlibrary-loan APDU in the programming interface (content type 10, AT_IllPdu, under
// 1.2.10161.2.1). Of the twenty APDU kinds two have a body: the ILL-Request and the Status-Or-Error-Report.
// The structures follow the ASN.1 types component for component, with the conventions of kiv_owning.h.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"

// eIllPduType, eAPDUType of a prohibited state transition: the ILL-APDU choice plus one.
enum : int32_t {
    IAT_IllRequest = 1,
    IAT_ForwardNotification = 2,
    IAT_Shipped = 3,
    IAT_IllAnswer = 4,
    IAT_ConditionalReply = 5,
    IAT_Cancel = 6,
    IAT_CancelReply = 7,
    IAT_Received = 8,
    IAT_Recall = 9,
    IAT_Returned = 10,
    IAT_CheckedIn = 11,
    IAT_Overdue = 12,
    IAT_Renew = 13,
    IAT_RenewAnswer = 14,
    IAT_Lost = 15,
    IAT_Damaged = 16,
    IAT_Message = 17,
    IAT_StatusQuery = 18,
    IAT_StatusOrErrorReport = 19,
    IAT_Expired = 20,
    IAT_Invalid = -1,
};

// The kinds of eIllPduType that carry a body.
enum : int32_t { ILL_IllRequest = 1, ILL_StatusOrErrorReport = 19, ILL_Invalid = -1 };

// eMostRecentService: the APDU kinds with the prefix MRS_, then MRS_Forward.
enum : int32_t {
    MRS_IllRequest = 1,
    MRS_ForwardNotification = 2,
    MRS_Shipped = 3,
    MRS_IllAnswer = 4,
    MRS_ConditionalReply = 5,
    MRS_Cancel = 6,
    MRS_CancelReply = 7,
    MRS_Received = 8,
    MRS_Recall = 9,
    MRS_Returned = 10,
    MRS_CheckedIn = 11,
    MRS_Overdue = 12,
    MRS_Renew = 13,
    MRS_RenewAnswer = 14,
    MRS_Lost = 15,
    MRS_Damaged = 16,
    MRS_Message = 17,
    MRS_StatusQuery = 18,
    MRS_StatusOrErrorReport = 19,
    MRS_Expired = 20,
    MRS_Forward = 21,
    MRS_Invalid = -1,
};

// eProviderStatusReport, eCurrentState.
enum : int32_t {
    CS_NotSupplied = 1,
    CS_Pending = 2,
    CS_InProcess = 3,
    CS_Forward = 4,
    CS_Conditional = 5,
    CS_CancelPending = 6,
    CS_Cancelled = 7,
    CS_Shipped = 8,
    CS_Received = 9,
    CS_RenewPending = 10,
    CS_NotReceivedOverdue = 11,
    CS_RenewOverdue = 12,
    CS_Overdue = 13,
    CS_Returned = 14,
    CS_CheckedIn = 15,
    CS_Recall = 16,
    CS_Lost = 17,
    CS_Unknown = 18,
    CS_Invalid = -1,
};

enum : int32_t { PV_Version1 = 1, PV_Version2 = 2, PV_Invalid = -1 };
enum : int32_t { TT_Simple = 1, TT_Chained = 2, TT_Partitioned = 3, TT_Invalid = -1 };
// Two enumerations share the prefix ST_: the string type and the service type.
enum : int32_t { ST_GeneralString = 1, ST_EdifactString = 2 };
enum : int32_t {
    ST_Loan = 1,
    ST_CopyNonReturnable = 2,
    ST_Locations = 3,
    ST_Estimate = 4,
    ST_ResponderSpecific = 5,
    ST_Invalid = -1,
};
enum : int32_t { POH_Yes = 1, POH_No = 2, POH_ResponderPolicy = 3, POH_Invalid = -1 };
enum : int32_t { SPI_PersonSymbol = 1, SPI_InstitutionSymbol = 2 };
enum : int32_t { NPI_NameOfPerson = 1, NPI_NameOfInstitution = 2 };
enum : int32_t { DST_PhysicalDelivery = 1, DST_ElectronicDelivery = 2, DST_Invalid = -1 };
enum : int32_t { DDT_SystemAddress = 1, DDT_SystemId = 2 };
enum : int32_t { OMR_Requires = 1, OMR_Desires = 2, OMR_Neither = 3, OMR_Invalid = -1 };
enum : int32_t { EXP_NeedBeforeDate = 1, EXP_OtherDate = 2, EXP_NoExpiry = 3, EXP_Invalid = -1 };
enum : int32_t {
    SMT_Printed = 1,
    SMT_Photocopy = 2,
    SMT_Microform = 3,
    SMT_FilmOrVideoRecording = 4,
    SMT_AudioRecording = 5,
    SMT_MachineReadable = 6,
    SMT_Other = 7,
    SMT_Invalid = -1,
};
enum : int32_t { PRE_Ordered = 1, PRE_Unordered = 2, PRE_Invalid = -1 };
enum : int32_t { IT_Monograph = 1, IT_Serial = 2, IT_Other = 3, IT_Invalid = -1 };
// The held medium type has no 2.
enum : int32_t {
    MT_Printed = 1,
    MT_Microform = 3,
    MT_FilmOrVideoRecording = 4,
    MT_AudioRecording = 5,
    MT_MachineReadable = 6,
    MT_Other = 7,
    MT_Invalid = -1,
};
enum : int32_t { RNR_Temporary = 1, RNR_Permanent = 2, RNR_Invalid = -1 };
enum : int32_t { SST_Loan = 1, SST_CopyNonReturnable = 2, SST_Invalid = -1 };
enum : int32_t {
    TR_Conditional = 1,
    TR_Retry = 2,
    TR_Unfilled = 3,
    TR_LocationsProvided = 4,
    TR_WillSupply = 5,
    TR_HoldPlaced = 6,
    TR_Estimate = 7,
    TR_Invalid = -1,
};
enum : int32_t { RS_User = 1, RS_Provider = 2 };
enum : int32_t {
    UER_AlreadyForwarded = 1,
    UER_IntermediaryProblem = 2,
    UER_SecurityProblem = 3,
    UER_UnableToPerform = 4,
};
enum : int32_t { IP_CannotSendOnward = 1, IP_Invalid = -1 };
enum : int32_t { UTP_NotAvailable = 1, UTP_ResourceLimitation = 2, UTP_Other = 3, UTP_Invalid = -1 };
enum : int32_t { PER_GeneralProblem = 1, PER_TransactionIdProblem = 2, PER_StateTransitionProhibited = 3 };
enum : int32_t {
    GP_UnrecognizedAPDU = 1,
    GP_MistypedAPDU = 2,
    GP_BadlyStructuredAPDU = 3,
    GP_ProtocolVersionNotSupported = 4,
    GP_Other = 5,
    GP_Invalid = -1,
};
enum : int32_t {
    TIP_DuplicateTransactionId = 1,
    TIP_InvalidTransactionId = 2,
    TIP_UnknownTransactionId = 3,
    TIP_Invalid = -1,
};
// Extension 800.
enum : int32_t { RG_UserGroup1 = 1, RG_UserGroup2 = 2 };
enum : int32_t { SLU_All = 1, SLU_Negative = 2, SLU_None = 3 };
enum : int32_t { SLO_All = 1, SLO_Negative = 2, SLO_None = 3 };
enum : int32_t {
    ABT_BankInfo = 1,
    ABT_CreditCardInfo = 2,
    ABT_InvoiceType = 3,
    ABT_PrepaidType = 4,
    ABT_DepositType = 5,
};
enum : int32_t { BIT_Single = 1, BIT_Collective = 2 };

// ILL-String: GeneralString (psGeneralString) or EDIFACTString (pcVisibleString).
struct KivIllString {
    int32_t eStringType{};
    struct {
        std::unique_ptr<KivInternationalString> psGeneralString;
        std::optional<std::string> pcVisibleString;
    } uString;
};

struct KivPersonOrInstitutionSymbol {
    int32_t eSymbolType{};
    KivIllString sSymbol;
};

struct KivNameOfPersonOrInstitution {
    int32_t eNameType{};
    KivIllString sName;
};

struct KivSystemId {
    std::unique_ptr<KivPersonOrInstitutionSymbol> psSymbol;
    std::unique_ptr<KivNameOfPersonOrInstitution> psName;
};

struct KivSystemAddress {
    std::unique_ptr<KivIllString> psTelecomServiceIdentifier;
    std::unique_ptr<KivIllString> psTelecomServiceAddress;
};

struct KivTransactionId {
    std::unique_ptr<KivSystemId> psInitialRequesterId;
    KivIllString sTransactionGroupQualifier;
    KivIllString sTransactionQualifier;
    std::unique_ptr<KivIllString> psSubTransactionQualifier;
};

struct KivDateTime {
    std::optional<std::string> pcDate;
    std::optional<std::string> pcTime;
};

struct KivServiceDateTime {
    KivDateTime sThisService;
    std::unique_ptr<KivDateTime> psOriginalService;
};

struct KivPostalAddress {
    std::unique_ptr<KivNameOfPersonOrInstitution> psNameOfPersonOrInstitution;
    std::unique_ptr<KivIllString> psExtendedPostalDeliveryAddress;
    std::unique_ptr<KivIllString> psStreetAndNumber;
    std::unique_ptr<KivIllString> psPostOfficeBox;
    std::unique_ptr<KivIllString> psCity;
    std::unique_ptr<KivIllString> psRegion;
    std::unique_ptr<KivIllString> psCountry;
    std::unique_ptr<KivIllString> psPostalCode;
};

struct KivDeliveryAddress {
    std::unique_ptr<KivPostalAddress> psPostalAddress;
    std::unique_ptr<KivSystemAddress> psElectronicAddress;
};

// The ANY value an electronic-delivery identifier defines, as the content of an EXTERNAL.
struct KivParameterValue {
    std::unique_ptr<KivExternal> psDummy;
};

struct KivDeliveryParameter {
    std::optional<std::string> pcDeliveryMode;
    std::unique_ptr<KivParameterValue> puDeliveryParameter;
};

struct KivDocumentTypeParameter {
    std::optional<std::string> pcDocumentTypeId;
    std::unique_ptr<KivParameterValue> puDocumentTypeParameter;
};

struct KivDeliveryDetails {
    int32_t eDeliveryDetailsType{};
    struct {
        std::unique_ptr<KivSystemAddress> psSystemAddress;
        std::unique_ptr<KivSystemId> psSystemId;
    } uDeliveryDetails;
};

struct KivElectronicDeliveryService {
    std::unique_ptr<KivDeliveryParameter> psDeliveryParameter;
    std::unique_ptr<KivDocumentTypeParameter> psDocumentTypeParameter;
    std::unique_ptr<KivIllString> psDeliveryDescription;
    KivDeliveryDetails sDeliveryDetails;
    std::unique_ptr<KivIllString> psNameOrCode;
    std::optional<std::string> pcDeliveryTime;
};

struct KivDeliveryService {
    int32_t eDeliveryServiceType{};
    struct {
        std::unique_ptr<KivIllString> psPhysicalDelivery;
        KivArray<KivElectronicDeliveryService> ppsElectronicDelivery;
    } uDeliveryService;
};

struct KivRequesterOptionalMessages {
    uint32_t fCanSendReceived{};
    uint32_t fCanSendReturned{};
    int32_t eRequesterShipped{};
    int32_t eRequesterCheckedIn{};
};

struct KivSearchType {
    std::unique_ptr<KivIllString> psLevelOfService;
    std::optional<std::string> pcNeedBeforeDate;
    std::optional<int32_t> peExpiryFlag;
    std::optional<std::string> pcExpiryDate;
};

struct KivSupplyMediumInfo {
    int32_t eSupplyMediumType{};
    std::unique_ptr<KivIllString> psMediumCharacteristics;
};

struct KivClientId {
    std::unique_ptr<KivIllString> psClientName;
    std::unique_ptr<KivIllString> psClientStatus;
    std::unique_ptr<KivIllString> psClientIdentifier;
};

struct KivItemId {
    std::optional<int32_t> peItemType;
    std::optional<int32_t> peMediumType;
    std::unique_ptr<KivIllString> psCallNumber;
    std::unique_ptr<KivIllString> psAuthor;
    std::unique_ptr<KivIllString> psTitle;
    std::unique_ptr<KivIllString> psSubTitle;
    std::unique_ptr<KivIllString> psSponsoringBody;
    std::unique_ptr<KivIllString> psPlaceOfPublication;
    std::unique_ptr<KivIllString> psPublisher;
    std::unique_ptr<KivIllString> psSeriesTitleNumber;
    std::unique_ptr<KivIllString> psVolumeIssue;
    std::unique_ptr<KivIllString> psEdition;
    std::unique_ptr<KivIllString> psPublicationDate;
    std::unique_ptr<KivIllString> psPublicationDateOfComponent;
    std::unique_ptr<KivIllString> psAuthorOfArticle;
    std::unique_ptr<KivIllString> psTitleOfArticle;
    std::unique_ptr<KivIllString> psPagination;
    std::unique_ptr<KivExternal> psNationalBibliographyNo;
    std::unique_ptr<KivIllString> psIsbn;
    std::unique_ptr<KivIllString> psIssn;
    std::unique_ptr<KivExternal> psSystemNo;
    std::unique_ptr<KivIllString> psAdditionalNoLetters;
    std::unique_ptr<KivIllString> psVerificationReferenceSource;
};

struct KivAmount {
    std::optional<std::string> pcCurrencyCode;
    std::optional<std::string> pcMonetaryValue;
};

struct KivCostInfo {
    std::unique_ptr<KivIllString> psAccountNumber;
    std::unique_ptr<KivAmount> psMaximumCost;
    std::optional<uint32_t> pfReciprocalAgreement;
    std::optional<uint32_t> pfWillPayFee;
    std::optional<uint32_t> pfPaymentProvided;
};

struct KivSendToListItem {
    KivSystemId sSystemId;
    std::unique_ptr<KivIllString> psAccountNumber;
    std::unique_ptr<KivSystemAddress> psSystemAddress;
};

struct KivThirdPartyInfo {
    std::optional<uint32_t> pfPermissionToForward;
    std::optional<uint32_t> pfPermissionToChain;
    std::optional<uint32_t> pfPermissionToPartition;
    std::optional<uint32_t> pfPermissionToChangeSendToList;
    std::unique_ptr<KivSystemAddress> psInitialRequesterAddress;
    std::optional<int32_t> pePreference;
    KivArray<KivSendToListItem> ppsSendToList;
    KivArray<KivSystemId> ppsAlreadyTriedList;
};

// Extension 800: the additional ILL request information.
struct KivAddRequesterInfo {
    std::optional<int32_t> peRequesterGroup;
    std::optional<std::string> pcRequesterEmailAddress;
};

struct KivAddDeliveryInfo {
    std::optional<int32_t> peStatusLevelUser;
    std::optional<int32_t> peStatusLevelOrigin;
    std::optional<std::string> pcDeliveryNotes;
    std::optional<std::string> pcCountryDeliveryTarget;
    std::optional<uint32_t> pfAlternativePostalDelivery;
};

struct KivBillingBankInfo {
    std::optional<std::string> pcBankAccountHouse;
    std::optional<std::string> pcBankAccountRoutingSymbol;
    std::optional<std::string> pcBankAccountNo;
    uint32_t fBankAuthority{};
};

struct KivBillingCreditCardInfo {
    std::optional<std::string> pcCardCompany;
    std::optional<std::string> pcCardNo;
    std::optional<std::string> pcCardValidFrom;
    std::optional<std::string> pcCardValidThru;
};

struct KivAddBillingInfo {
    int32_t eAddBillingType{};
    struct {
        std::unique_ptr<KivBillingBankInfo> psBillingBankInfo;
        std::unique_ptr<KivBillingCreditCardInfo> psBillingCreditCardInfo;
        int32_t eBillingInvoiceType{};
        std::optional<std::string> pcPrepaidId;
        std::optional<std::string> pcDepositId;
    } uAddBillingInfo;
};

struct KivAddIllReqInfo {
    std::optional<uint32_t> pfCustomerInfoToKeep;
    std::unique_ptr<KivAddRequesterInfo> psAddRequesterInfo;
    std::unique_ptr<KivAddDeliveryInfo> psAddDeliveryInfo;
    std::unique_ptr<KivAddBillingInfo> psAddBillingInfo;
};

// One Extension; only identifier 800 has an item here (the item of another identifier is not carried).
struct KivIllExtension {
    uint32_t ulIdentifier{};
    std::optional<uint32_t> pfCritical;
    struct {
        std::unique_ptr<KivAddIllReqInfo> psAddIllReqInfo;
    } uItem;
};

struct KivIllRequest {
    int32_t eProtocolVersion{};
    KivTransactionId sTransactionId;
    KivServiceDateTime sServiceDateTime;
    std::unique_ptr<KivSystemId> psRequesterId;
    std::unique_ptr<KivSystemId> psResponderId;
    std::optional<int32_t> peTransactionType;
    std::unique_ptr<KivDeliveryAddress> psDeliveryAddress;
    std::unique_ptr<KivDeliveryService> psDeliveryService;
    std::unique_ptr<KivDeliveryAddress> psBillingAddress;
    KivArray<int32_t> ppeServiceType;
    std::unique_ptr<KivExternal> psResponderSpecificService;
    KivRequesterOptionalMessages sRequesterOptionalMessages;
    std::unique_ptr<KivSearchType> psSearchType;
    KivArray<KivSupplyMediumInfo> ppsSupplyMediumInfo;
    std::optional<int32_t> pePlaceOnHold;
    std::unique_ptr<KivClientId> psClientId;
    KivItemId sItemId;
    KivArray<KivExternal> ppsSupplementalItemDescription;
    std::unique_ptr<KivCostInfo> psCostInfo;
    std::unique_ptr<KivIllString> psCopyrightCompliance;
    std::unique_ptr<KivThirdPartyInfo> psThirdPartyInfo;
    std::optional<uint32_t> pfRetry;
    std::optional<uint32_t> pfForward;
    std::unique_ptr<KivIllString> psRequesterNote;
    std::unique_ptr<KivIllString> psForwardNote;
    KivArray<KivIllExtension> ppsRequestExtension;
};

struct KivHistoryReport {
    std::optional<std::string> pcDateRequested;
    std::unique_ptr<KivIllString> psAuthor;
    std::unique_ptr<KivIllString> psTitle;
    std::unique_ptr<KivIllString> psAuthorOfArticle;
    std::unique_ptr<KivIllString> psTitleOfArticle;
    std::optional<std::string> pcDateOfLastTransition;
    int32_t eMostRecentService{};
    std::optional<std::string> pcDateOfMostRecentService;
    KivSystemId sSystemId;
    std::optional<int32_t> peShippedServiceType;
    std::optional<int32_t> peTransactionResults;
    std::unique_ptr<KivIllString> psMostRecentServiceNote;
};

struct KivStatusReport {
    KivHistoryReport sUserStatusReport;
    int32_t eProviderStatusReport{};
};

struct KivAlreadyForwarded {
    KivSystemId sResponderId;
    std::unique_ptr<KivSystemAddress> psResponderAddress;
};

struct KivUserErrorReport {
    int32_t eReportType{};
    struct {
        std::unique_ptr<KivAlreadyForwarded> psAlreadyForwarded;
        int32_t eIntermediaryProblem{};
        std::unique_ptr<KivIllString> psSecurityProblem;
        int32_t eUnableToPerform{};
    } uUserErrorReport;
};

struct KivStateTransitionProhibited {
    int32_t eAPDUType{};
    int32_t eCurrentState{};
};

struct KivProviderErrorReport {
    int32_t eReportType{};
    struct {
        int32_t eGeneralProblem{};
        int32_t eTransactionIdProblem{};
        std::unique_ptr<KivStateTransitionProhibited> psStateTransitionProblem;
    } uProviderErrorReport;
};

struct KivReport {
    int32_t eReportSource{};
    struct {
        std::unique_ptr<KivUserErrorReport> psUserErrorReport;
        std::unique_ptr<KivProviderErrorReport> psProviderErrorReport;
    } uReport;
};

struct KivErrorReport {
    KivIllString sCorrelationInfo;
    KivReport sReport;
};

struct KivStatusOrErrorReport {
    int32_t eProtocolVersion{};
    KivTransactionId sTransactionId;
    KivServiceDateTime sServiceDateTime;
    std::unique_ptr<KivSystemId> psRequesterId;
    std::unique_ptr<KivSystemId> psResponderId;
    std::optional<int32_t> peReasonNoReport;
    std::unique_ptr<KivStatusReport> psStatusReport;
    std::unique_ptr<KivErrorReport> psErrorReport;
    std::unique_ptr<KivIllString> psNote;
    KivArray<KivIllExtension> ppsStOrErReportExtension;
};

// Kinds 1 and 19 carry their body; the others none.
struct KivIllPdu {
    int32_t eIllPduType{};
    struct {
        std::unique_ptr<KivIllRequest> psIllRequest;
        std::unique_ptr<KivStatusOrErrorReport> psStatusOrErrorReport;
    } uIllPdu;
};
