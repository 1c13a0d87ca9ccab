#pragma once
// The Explain record (content type 12, AT_ExplainRecord): one of seventeen categories of information a target
// gives about itself, its databases, attribute sets, record syntaxes, schemas and services. The structures
// follow the Explain module component for component, in its order.
//
// A HumanString field is a KivArray<KivHumanString>, one element per language. Numbered values (access type,
// primitive data type, search cost, wait action, case sensitivity, processing context) keep the module's
// numbers; selectors count the CHOICE alternatives from 1. Every enumeration has -1 for a value the module
// does not have.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/api/kiv_units.h"

enum KivExplainRecordType : int32_t {
    ERT_TargetInfo = 1,
    ERT_DatabaseInfo = 2,
    ERT_SchemaInfo = 3,
    ERT_TagSetInfo = 4,
    ERT_RecordSyntaxInfo = 5,
    ERT_AttributeSetInfo = 6,
    ERT_TermListInfo = 7,
    ERT_ExtendedServicesInfo = 8,
    ERT_AttributeDetails = 9,
    ERT_TermListDetails = 10,
    ERT_ElementSetDetails = 11,
    ERT_RetrievalRecordDetails = 12,
    ERT_SortDetails = 13,
    ERT_Processing = 14,
    ERT_Variants = 15,
    ERT_Units = 16,
    ERT_CategoryList = 17,
    ERT_Invalid = -1,
};

enum KivBodyTypeType : int32_t { BTT_IanaType = 1, BTT_Z3950Type = 2, BTT_OtherType = 3, BTT_Invalid = -1 };
enum KivNetworkAddressType : int32_t {
    NAT_InternetAddress = 1,
    NAT_OsiPresentationAddress = 2,
    NAT_OtherAddress = 3,
    NAT_Invalid = -1,
};
enum KivQueryTypeDetailsType : int32_t {
    QTDT_Private = 1,
    QTDT_Rpn = 2,
    QTDT_Iso8777 = 3,
    QTDT_Z39_58 = 4,
    QTDT_Erpn = 5,
    QTDT_RankedList = 6,
    QTDT_Invalid = -1,
};
enum KivUnitsSupportedType : int32_t { UST_Known = 1, UST_Private = 2, UST_Invalid = -1 };
// Shares the AT_ prefix with KivASN1Type; the two enumerations are distinct.
enum KivAccessType : int32_t {
    AT_Any = 0,
    AT_Search = 1,
    AT_Present = 2,
    AT_SpecificElements = 3,
    AT_ExtendedServices = 4,
    AT_ByDatabase = 5,
    AT_Invalid = -1,
};
enum KivRecordCountType : int32_t { RCT_ActualNumber = 1, RCT_ApproxNumber = 2, RCT_Invalid = -1 };
enum KivElementDataTypeType : int32_t { EDTT_Primitive = 1, EDTT_Structured = 2, EDTT_Invalid = -1 };
enum KivPrimitiveDataType : int32_t {
    PDT_OctetString = 0,
    PDT_Numeric = 1,
    PDT_Date = 2,
    PDT_External = 3,
    PDT_String = 4,
    PDT_TrueOrFalse = 5,
    PDT_Oid = 6,
    PDT_IntUnit = 7,
    PDT_Empty = 8,
    PDT_NoneOfTheAbove = 100,
    PDT_Invalid = -1,
};
enum KivSearchCost : int32_t {
    SC_Optimized = 0,
    SC_Normal = 1,
    SC_Expensive = 2,
    SC_Filter = 3,
    SC_Invalid = -1
};
enum KivExtendedServicesInfoInt : int32_t {
    ESII_WaitSupported = 1,
    ESII_WaitAlways = 2,
    ESII_WaitNotSupported = 3,
    ESII_Depends = 4,
    ESII_NotSaying = 5,
    ESII_Invalid = -1,
};
enum KivAttributeOccurrenceChoiceType : int32_t { AOT_AnyOrNone = 1, AOT_Specific = 2, AOT_Invalid = -1 };
enum KivSortTypeType : int32_t { STT_Character = 1, STT_Numeric = 2, STT_Structured = 3, STT_Invalid = -1 };
enum KivCaseSensitivity : int32_t {
    CSE_Always = 0,
    CSE_Never = 1,
    CSE_DefaultYes = 2,
    CSE_DefaultNo = 3,
    CSE_Invalid = -1,
};
enum KivProcessingContext : int32_t {
    PC_Access = 0,
    PC_Search = 1,
    PC_Retrieval = 2,
    PC_RecordPresentation = 3,
    PC_RecordHandling = 4,
    PC_Invalid = -1,
};
enum KivValueSetType : int32_t { VT_Range = 1, VT_Enumerated = 2, VT_Invalid = -1 };
enum KivValueDescriptionType : int32_t {
    VDT_Integer = 1,
    VDT_String = 2,
    VDT_Octets = 3,
    VDT_Oid = 4,
    VDT_Unit = 5,
    VDT_ValueAndUnit = 6,
    VDT_Invalid = -1,
};

// ---- Shared parts ----

struct KivHumanString {
    std::unique_ptr<KivInternationalString> psLanguage;
    KivInternationalString sText;
};
using KivHumanStrings = KivArray<KivHumanString>;

struct KivCommonInfo {
    std::optional<std::string> pcDateAdded;
    std::optional<std::string> pcDateChanged;
    std::optional<std::string> pcExpiry;
    std::unique_ptr<KivInternationalString> psHumanStringLanguage;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

// One HumanString of a list of them (the description of private capabilities).
struct KivHumanStringSeq {
    KivHumanStrings ppsHumanString;
};

// One HumanString of a database's keywords.
struct KivKeywords {
    KivHumanStrings ppsDataBaseInfo;
};

struct KivBodyType {
    int32_t eBodyTypeType{};
    struct {
        std::unique_ptr<KivInternationalString> psIanaType;
        std::unique_ptr<KivInternationalString> psZ3950Type;
        std::unique_ptr<KivInternationalString> psOtherType;
    } uBodyType;
};

struct KivIconObject {
    KivBodyType sBodyType;
    KivOctets sContent;
};

struct KivContactInfo {
    std::unique_ptr<KivInternationalString> psName;
    KivHumanStrings ppsDescription;
    KivHumanStrings ppsAddress;
    std::unique_ptr<KivInternationalString> psEmail;
    std::unique_ptr<KivInternationalString> psPhone;
};

// One database list of a target's combinations.
struct KivDbCombinations {
    KivArray<KivInternationalString> ppsInnerDatabases;
};

struct KivInternetAddress {
    KivInternationalString sHostAddress;
    uint32_t ulPort{};
};

struct KivOsiPresentationAddress {
    KivInternationalString sPsel;
    std::unique_ptr<KivInternationalString> psSSel;
    std::unique_ptr<KivInternationalString> psTSel;
    KivInternationalString sNSap;
};

struct KivOtherAddress {
    KivInternationalString sType;
    KivInternationalString sAddress;
};

struct KivNetworkAddress {
    int32_t eNetworkAddressType{};
    struct {
        std::unique_ptr<KivInternetAddress> psInternetAddress;
        std::unique_ptr<KivOsiPresentationAddress> psOsiPresentationAddress;
        std::unique_ptr<KivOtherAddress> psOtherAddress;
    } uNetworkAddress;
};

struct KivOperators {
    KivInternationalString sOperator;
    KivHumanStrings ppsDescription;
};

struct KivSearchKey {
    KivInternationalString sSearchKey;
    KivHumanStrings ppsDescription;
};

struct KivPrivateCapabilities {
    KivArray<KivOperators> ppsOperators;
    KivArray<KivSearchKey> ppsSearchKey;
    KivArray<KivHumanStringSeq> ppsDescription;
};

struct KivPrivateUnit {
    uint32_t ulUnit{};
    KivHumanStrings ppsDescription;
};

struct KivUnitsSupported {
    int32_t eUnitsSupportedType{};
    struct {
        uint32_t ulKnown{};
        std::unique_ptr<KivPrivateUnit> psPrivate;
    } uUnitsSupported;
};

struct KivProximitySupport {
    uint32_t fAnySupport{};
    KivArray<KivUnitsSupported> ppsUnitsSupported;
};

struct KivRpnCapabilities {
    KivArray<uint32_t> ppulOperators;
    uint32_t fResultSetAsOperandSupported{};
    uint32_t fRestrictionOperandSupported{};
    std::unique_ptr<KivProximitySupport> psProximity;
};

// A NULL ppsSearchKey is sent as an empty list.
struct KivIso8777Capabilities {
    KivArray<KivSearchKey> ppsSearchKey;
    KivHumanStrings ppsRestrictions;
};

struct KivQueryTypeDetails {
    int32_t eQueryTypeDetailsType{};
    struct {
        std::unique_ptr<KivPrivateCapabilities> psPrivate;
        std::unique_ptr<KivRpnCapabilities> psRpn;
        std::unique_ptr<KivIso8777Capabilities> psIso8777;
        KivHumanStrings ppsZ39_58;
        std::unique_ptr<KivRpnCapabilities> psErpn;
        KivHumanStrings ppsRankedList;
    } uQueryTypeDetails;
};

struct KivAccessRestrictions {
    int32_t eAccessType{};
    KivHumanStrings ppsAccessText;
    KivArray<std::string> ppcAccessChallenges;
};

struct KivCharge {
    KivIntUnit sCost;
    std::unique_ptr<KivUnit> psPerWhat;
    KivHumanStrings ppsText;
};

struct KivOtherCharge {
    KivHumanStrings ppsForWhat;
    KivCharge sCharge;
};

struct KivCosts {
    std::unique_ptr<KivCharge> psConnectCharge;
    std::unique_ptr<KivCharge> psConnectTime;
    std::unique_ptr<KivCharge> psDisplayCharge;
    std::unique_ptr<KivCharge> psSearchCharge;
    std::unique_ptr<KivCharge> psSubscriptCharge;
    KivArray<KivOtherCharge> ppsOtherCharge;
};

struct KivAccessInfo {
    KivArray<KivQueryTypeDetails> ppsQueryTypesSupported;
    KivArray<std::string> ppcDiagnosticsSets;
    KivArray<std::string> ppcAttributeSetIds;
    KivArray<std::string> ppcSchemas;
    KivArray<std::string> ppcRecordSyntaxes;
    KivArray<std::string> ppcResourceChallenges;
    KivArray<KivAccessRestrictions> ppsRestrictedAccess;
    std::unique_ptr<KivCosts> psCosts;
    KivArray<std::string> ppcVariantSets;
    KivArray<KivInternationalString> ppsElementSetNames;
    KivArray<KivInternationalString> ppsUnitSystems;
};

struct KivRecordCount {
    int32_t eRecordCountType{};
    struct {
        uint32_t ulActualNumber{};
        uint32_t ulApproxNumber{};
    } uRecordCount;
};

struct KivTagTypeMapping {
    uint32_t ulTagType{};
    std::optional<std::string> pcTagSet;
    bool pvDefaultTagType{};
};

struct KivPath {
    uint32_t ulTagType{};
    KivStringOrNumeric sTagValue;
};

struct KivElementInfo;

struct KivElementDataType {
    int32_t eElementDataTypeType{};
    struct {
        int32_t ePrimitive{};
        KivArray<KivElementInfo> ppsStructured;
    } uElementDataType;
};

struct KivElementInfo {
    KivInternationalString sElementName;
    KivArray<KivPath> ppsElementTagPath;
    std::unique_ptr<KivElementDataType> psElementDataType;
    uint32_t fRequired{};
    uint32_t fRepeatable{};
    KivHumanStrings ppsDescription;
};

struct KivTagSetElement {
    KivInternationalString sElementName;
    KivArray<KivInternationalString> ppsNicknames;
    KivStringOrNumeric sElementTag;
    KivHumanStrings ppsDescription;
    std::optional<int32_t> peDataType;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivAttributeDescription {
    std::unique_ptr<KivInternationalString> psName;
    KivHumanStrings ppsDescription;
    KivStringOrNumeric sAttributeValue;
    KivArray<KivStringOrNumeric> ppsEquivalentAttributes;
};

struct KivAttributeType {
    std::unique_ptr<KivInternationalString> psName;
    KivHumanStrings ppsDescription;
    uint32_t ulAttributeType{};
    KivArray<KivAttributeDescription> ppsAttributeValues;
};

struct KivTermList {
    KivInternationalString sName;
    KivHumanStrings ppsTitle;
    std::optional<int32_t> peSearchCost;
    uint32_t fScanable{};
    KivArray<KivInternationalString> ppsBroader;
    KivArray<KivInternationalString> ppsNarrower;
};

struct KivOmittedAttributeInterpretation {
    std::unique_ptr<KivStringOrNumeric> psDefaultValue;
    KivHumanStrings ppsDefaultDescription;
};

struct KivAttributeValues {
    KivStringOrNumeric sValue;
    KivHumanStrings ppsDescription;
    KivArray<KivStringOrNumeric> ppsSubAttributes;
    KivArray<KivStringOrNumeric> ppsSuperAttributes;
    bool pvPartialSupport{};
};

struct KivAttributesByType {
    uint32_t ulAttributeType{};
    std::unique_ptr<KivOmittedAttributeInterpretation> psDefaultIfOmitted;
    KivArray<KivAttributeValues> ppsAttributeValues;
};

struct KivAttributesBySet {
    std::optional<std::string> pcAttributeSet;
    KivArray<KivAttributesByType> ppsAttributesByType;
};

struct KivAttributeOccurrenceChoice {
    int32_t eAttributeOccurrenceChoiceType{};
    struct {
        bool pvAnyOrNone{};
        KivArray<KivStringOrNumeric> ppsSpecific;
    } uAttributeOccurrenceChoiceType;
};

struct KivAttributeOccurrence {
    std::optional<std::string> pcAttributeSet;
    uint32_t ulAttributeType{};
    bool pvMustBeSupplied{};
    KivAttributeOccurrenceChoice sAttributeValues;
};

// One attribute combination: a list of occurrences.
struct KivLegalCombinations {
    KivArray<KivAttributeOccurrence> ppsAttributeOccurrence;
};

struct KivAttributeCombinations {
    std::optional<std::string> pcDefaultAttributeSet;
    KivArray<KivLegalCombinations> ppsLegalCombinations;
};

struct KivScanInfo {
    std::optional<uint32_t> pulMaxStepSize;
    KivHumanStrings ppsCollatingSequence;
    std::optional<uint32_t> pfIncreasing;
};

struct KivRecordTag {
    std::unique_ptr<KivStringOrNumeric> psQualifier;
    KivStringOrNumeric sTagValue;
};

// One path of an element's schema tags.
struct KivSchemaTag {
    KivArray<KivPath> ppsSchemaTags;
};

struct KivDetailsPerElement {
    std::unique_ptr<KivInternationalString> psName;
    std::unique_ptr<KivRecordTag> psRecordTag;
    KivArray<KivSchemaTag> ppsSchemaTags;
    std::optional<uint32_t> pulMaxSize;
    std::optional<uint32_t> pulMinSize;
    std::optional<uint32_t> pulAvgSize;
    std::optional<uint32_t> pulFixedSize;
    uint32_t fRepeatable{};
    uint32_t fRequired{};
    KivHumanStrings ppsDescription;
    KivHumanStrings ppsContents;
    KivHumanStrings ppsBillingInfo;
    KivHumanStrings ppsRestrictions;
    KivArray<KivInternationalString> ppsAlternateNames;
    KivArray<KivInternationalString> ppsGenericNames;
    std::unique_ptr<KivAttributeCombinations> psSearchAccess;
};

// ppsStructured counts only for STT_Structured.
struct KivSortType {
    int32_t eSortTypeType{};
    KivHumanStrings ppsStructured;
};

struct KivSortKeys {
    KivHumanStrings ppsDescription;
    KivArray<KivSpecification> ppsElementSpecifications;
    std::unique_ptr<KivAttributeCombinations> psAttributeSpecifications;
    std::unique_ptr<KivSortType> psSortType;
    std::optional<int32_t> peCaseSensitivity;
};

struct KivValueDescription {
    int32_t eValueDescriptionType{};
    struct {
        uint32_t ulInteger{};
        std::unique_ptr<KivInternationalString> psString;
        std::unique_ptr<KivOctets> psOctets;
        std::optional<std::string> pcOid;
        std::unique_ptr<KivUnit> psUnit;
        std::unique_ptr<KivIntUnit> psValueAndUnit;
    } uValueDescription;
};

struct KivValueRange {
    std::unique_ptr<KivValueDescription> psLower;
    std::unique_ptr<KivValueDescription> psUpper;
};

struct KivValueSet {
    int32_t eValueSetType{};
    struct {
        std::unique_ptr<KivValueRange> psRange;
        KivArray<KivValueDescription> ppsEnumerated;
    } uValueSet;
};

struct KivExplainVariantValue {
    int32_t eDataType{};
    std::unique_ptr<KivValueSet> psValues;
};

struct KivVariantType {
    std::unique_ptr<KivInternationalString> psName;
    KivHumanStrings ppsDescription;
    uint32_t ulVariantType{};
    std::unique_ptr<KivExplainVariantValue> psVariantValue;
};

struct KivVariantClass {
    std::unique_ptr<KivInternationalString> psName;
    KivHumanStrings ppsDescription;
    uint32_t ulVariantClass{};
    KivArray<KivVariantType> ppsVariantTypes;
};

struct KivUnits {
    std::unique_ptr<KivInternationalString> psName;
    KivHumanStrings ppsDescription;
    KivStringOrNumeric sUnit;
};

struct KivUnitType {
    std::unique_ptr<KivInternationalString> psName;
    KivHumanStrings ppsDescription;
    KivStringOrNumeric sUnitType;
    KivArray<KivUnits> ppsUnits;
};

struct KivCategoryInfo {
    KivInternationalString sCategory;
    std::unique_ptr<KivInternationalString> psOriginalCategory;
    KivHumanStrings ppsDescription;
    std::unique_ptr<KivInternationalString> psAsn1Module;
};

// ---- The seventeen categories; each begins with its common header ----

struct KivTargetInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sName;
    KivHumanStrings ppsRecentNews;
    KivArray<KivIconObject> ppsIcon;
    uint32_t fNamedResultSets{};
    uint32_t fMultipleDBSearch{};
    std::optional<uint32_t> pulMaxResultSets;
    std::optional<uint32_t> pulMaxResultSize;
    std::optional<uint32_t> pulMaxTerms;
    std::unique_ptr<KivIntUnit> psTimeoutInterval;
    KivHumanStrings ppsWelcomeMessage;
    std::unique_ptr<KivContactInfo> psContactInfo;
    KivHumanStrings ppsDescription;
    KivArray<KivInternationalString> ppsNicknames;
    KivHumanStrings ppsUsageRest;
    KivHumanStrings ppsPaymentAddr;
    KivHumanStrings ppsHours;
    KivArray<KivDbCombinations> ppsDbCombinations;
    KivArray<KivNetworkAddress> ppsAddresses;
    KivArray<KivInternationalString> ppsLanguages;
    std::unique_ptr<KivAccessInfo> psCommonAccessInfo;
};

struct KivDatabaseInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sName;
    bool pvExplainDatabase{};
    KivArray<KivInternationalString> ppsNicknames;
    KivArray<KivIconObject> ppsIcon;
    uint32_t fUserFee{};
    uint32_t fAvailable{};
    KivHumanStrings ppsTitleString;
    KivArray<KivKeywords> ppsKeywords;
    KivHumanStrings ppsDescription;
    KivArray<KivInternationalString> ppsAssociatedDbs;
    KivArray<KivInternationalString> ppsSubDbs;
    KivHumanStrings ppsDisclaimers;
    KivHumanStrings ppsNews;
    std::unique_ptr<KivRecordCount> psRecordCount;
    KivHumanStrings ppsDefaultOrder;
    std::optional<uint32_t> pulAvRecordSize;
    std::optional<uint32_t> pulMaxRecordSize;
    KivHumanStrings ppsHours;
    KivHumanStrings ppsBestTime;
    std::optional<std::string> pcLastUpdate;
    std::unique_ptr<KivIntUnit> psUpdateInterval;
    KivHumanStrings ppsCoverage;
    std::optional<uint32_t> pfProprietary;
    KivHumanStrings ppsCopyrightText;
    KivHumanStrings ppsCopyrightNotice;
    std::unique_ptr<KivContactInfo> psProducerContactInfo;
    std::unique_ptr<KivContactInfo> psSupplierContactInfo;
    std::unique_ptr<KivContactInfo> psSubmissionContactInfo;
    std::unique_ptr<KivAccessInfo> psAccessInfo;
};

struct KivSchemaInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    std::optional<std::string> pcSchema;
    KivInternationalString sName;
    KivHumanStrings ppsDescription;
    KivArray<KivTagTypeMapping> ppsTagTypeMapping;
    KivArray<KivElementInfo> ppsRecordStructure;
};

struct KivTagSetInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    std::optional<std::string> pcTagSet;
    KivInternationalString sName;
    KivHumanStrings ppsDescription;
    KivArray<KivTagSetElement> ppsElements;
};

struct KivRecordSyntaxInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    std::optional<std::string> pcRecordSyntax;
    KivInternationalString sName;
    KivArray<std::string> ppcTransferSyntaxes;
    KivHumanStrings ppsDescription;
    std::unique_ptr<KivInternationalString> psAsn1Module;
    KivArray<KivElementInfo> ppsAbstractStructure;
};

struct KivAttributeSetInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    std::optional<std::string> pcAttributeSetId;
    KivInternationalString sName;
    KivArray<KivAttributeType> ppsAttributes;
    KivHumanStrings ppsDescription;
};

// psDatabaseName keeps its prefix although the text is embedded.
struct KivTermListInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString psDatabaseName;
    KivArray<KivTermList> ppsTermLists;
};

struct KivExtendedServicesInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    std::optional<std::string> pcType;
    std::unique_ptr<KivInternationalString> psName;
    uint32_t fPrivateType{};
    uint32_t fRestrictionsApply{};
    uint32_t fFeeApply{};
    uint32_t fAvailable{};
    uint32_t fRetentionSupported{};
    int32_t eWaitAction{};
    KivHumanStrings ppsDescription;
    std::unique_ptr<KivExternal> psSpecificExplain;
    std::unique_ptr<KivInternationalString> psEsASN;
};

struct KivAttributeDetails {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sDatabaseName;
    KivArray<KivAttributesBySet> ppsAttributesBySet;
    std::unique_ptr<KivAttributeCombinations> psAttributeCombinations;
};

struct KivTermListDetails {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sTermListName;
    KivHumanStrings ppsDescription;
    std::unique_ptr<KivAttributeCombinations> psAttributes;
    std::unique_ptr<KivScanInfo> psScanInfo;
    std::optional<uint32_t> pulEstNumberTerms;
    KivArray<KivTerm> ppsSampleTerms;
};

struct KivElementSetDetails {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sDatabaseName;
    KivInternationalString sElementSetName;
    std::optional<std::string> pcRecordSyntax;
    std::optional<std::string> pcSchema;
    KivHumanStrings ppsDescription;
    KivArray<KivDetailsPerElement> ppsDetailsPerElement;
};

struct KivRetrievalRecordDetails {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sDatabaseName;
    std::optional<std::string> pcSchema;
    std::optional<std::string> pcRecordSyntax;
    KivHumanStrings ppsDescription;
    KivArray<KivDetailsPerElement> ppsDetailsPerElement;
};

struct KivSortDetails {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sDatabaseName;
    KivArray<KivSortKeys> ppsSortKeys;
};

// psName keeps its prefix although the text is embedded.
struct KivProcessingInformation {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sDatabaseName;
    int32_t eProcessingContext{};
    KivInternationalString psName;
    std::optional<std::string> pcOid;
    KivHumanStrings ppsDescription;
    std::unique_ptr<KivExternal> psInstructions;
};

struct KivVariantSetInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    std::optional<std::string> pcVariantSet;
    KivInternationalString sName;
    KivArray<KivVariantClass> ppsVariants;
};

struct KivUnitInfo {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivInternationalString sUnitSystem;
    KivHumanStrings ppsDescription;
    KivArray<KivUnitType> ppsUnitTypes;
};

struct KivCategoryList {
    std::unique_ptr<KivCommonInfo> psCommonInfo;
    KivArray<KivCategoryInfo> ppsCategories;
};

// The category eExplainRecordType names; -1 (received only) holds none. Its special members are compiled
// once, in kiv_explain_record.cpp, not in every includer.
struct KivExplainRecord {
    KivExplainRecord();
    KivExplainRecord(KivExplainRecord&&) noexcept;
    KivExplainRecord& operator=(KivExplainRecord&&) noexcept;
    ~KivExplainRecord();

    int32_t eExplainRecordType{};
    struct {
        std::unique_ptr<KivTargetInfo> psTargetInfo;
        std::unique_ptr<KivDatabaseInfo> psDatabaseInfo;
        std::unique_ptr<KivSchemaInfo> psSchemaInfo;
        std::unique_ptr<KivTagSetInfo> psTagSetInfo;
        std::unique_ptr<KivRecordSyntaxInfo> psRecordSyntaxInfo;
        std::unique_ptr<KivAttributeSetInfo> psAttributeSetInfo;
        std::unique_ptr<KivTermListInfo> psTermListInfo;
        std::unique_ptr<KivExtendedServicesInfo> psExtendedServicesInfo;
        std::unique_ptr<KivAttributeDetails> psAttributeDetails;
        std::unique_ptr<KivTermListDetails> psTermListDetails;
        std::unique_ptr<KivElementSetDetails> psElementSetDetails;
        std::unique_ptr<KivRetrievalRecordDetails> psRetrievalRecordDetails;
        std::unique_ptr<KivSortDetails> psSortDetails;
        std::unique_ptr<KivProcessingInformation> psProcessing;
        std::unique_ptr<KivVariantSetInfo> psVariants;
        std::unique_ptr<KivUnitInfo> psUnits;
        std::unique_ptr<KivCategoryList> psCategoryList;
    } uExplainRecord;
};
