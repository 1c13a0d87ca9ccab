#pragma once
// Deep equality of every programming-interface structure beyond the plain values of the shared toolkit
// (tests/api/kiv_equality.h): EXTERNAL with the record it carries compared member by member however deep it
// nests (the core records here; GRS-1, Item Order, prompt objects and the export packages from their headers
// in tests/external), diagnostics, response records and record composition.

#include "tests/api/kiv_equality.h"
#include "tests/external/grs1_equality.h"
#include "tests/external/export_package_equality.h"
#include "tests/external/item_order_equality.h"
#include "tests/external/prompt_object_equality.h"
#include "toolkit/api/kivproto.h"

// Declared ahead of the definitions below, which use one another.
inline bool kivEqual(const KivAdditionalInfo& a, const KivAdditionalInfo& b);
inline bool kivEqual(const KivArbitrary& a, const KivArbitrary& b);
inline bool kivEqual(const KivCircRecord& a, const KivCircRecord& b);
inline bool kivEqual(const KivCompSpec& a, const KivCompSpec& b);
inline bool kivEqual(const KivCorrelationInfo& a, const KivCorrelationInfo& b);
inline bool kivEqual(const KivDbSpecific& a, const KivDbSpecific& b);
inline bool kivEqual(const KivDefaultDiagFormat& a, const KivDefaultDiagFormat& b);
inline bool kivEqual(const KivDiagRec& a, const KivDiagRec& b);
inline bool kivEqual(const KivElementSpec& a, const KivElementSpec& b);
inline bool kivEqual(const KivEsTaskPackage& a, const KivEsTaskPackage& b);
inline bool kivEqual(const KivEstimate1& a, const KivEstimate1& b);
inline bool kivEqual(const KivEstimate2& a, const KivEstimate2& b);
inline bool kivEqual(const KivExternal& a, const KivExternal& b);
inline bool kivEqual(const KivFormatSpec& a, const KivFormatSpec& b);
inline bool kivEqual(const KivFragmentSyntax& a, const KivFragmentSyntax& b);
inline bool kivEqual(const KivHoldingsAndCirc& a, const KivHoldingsAndCirc& b);
inline bool kivEqual(const KivHoldingsRecord& a, const KivHoldingsRecord& b);
inline bool kivEqual(const KivInfoCategory& a, const KivInfoCategory& b);
inline bool kivEqual(const KivOpacRecord& a, const KivOpacRecord& b);
inline bool kivEqual(const KivOtherInformation& a, const KivOtherInformation& b);
inline bool kivEqual(const KivPermissions& a, const KivPermissions& b);
inline bool kivEqual(const KivRecordComposition& a, const KivRecordComposition& b);
inline bool kivEqual(const KivRecords& a, const KivRecords& b);
inline bool kivEqual(const KivResourceReport1& a, const KivResourceReport1& b);
inline bool kivEqual(const KivResourceReport2& a, const KivResourceReport2& b);
inline bool kivEqual(const KivResponseRecord& a, const KivResponseRecord& b);
inline bool kivEqual(const KivSingleASN1Type& a, const KivSingleASN1Type& b);
inline bool kivEqual(const KivSpecification& a, const KivSpecification& b);
inline bool kivEqual(const KivSummaryRecord& a, const KivSummaryRecord& b);
inline bool kivEqual(const KivSuppliedRecord& a, const KivSuppliedRecord& b);
inline bool kivEqual(const KivTaskPackageRecord& a, const KivTaskPackageRecord& b);
inline bool kivEqual(const KivUpdateExtendedService& a, const KivUpdateExtendedService& b);
inline bool kivEqual(const KivUpdateOriginPartToKeep& a, const KivUpdateOriginPartToKeep& b);
inline bool kivEqual(const KivUpdateRequest& a, const KivUpdateRequest& b);
inline bool kivEqual(const KivUpdateResponse& a, const KivUpdateResponse& b);
inline bool kivEqual(const KivUpdateTargetPart& a, const KivUpdateTargetPart& b);
inline bool kivEqual(const KivUpdtRecordId& a, const KivUpdtRecordId& b);
inline bool kivEqual(const KivUpdtRecordOrDiag& a, const KivUpdtRecordOrDiag& b);
inline bool kivEqual(const KivUpdtSupplementalId& a, const KivUpdtSupplementalId& b);
inline bool kivEqual(const KivVolume& a, const KivVolume& b);

inline bool kivEqual(const KivArbitrary& a, const KivArbitrary& b) {
    return a.ulLength == b.ulLength && kivEqual(a.pcValue, b.pcValue);
}

inline bool kivEqual(const KivExternal& a, const KivExternal& b) {
    const auto& x = a.uExternalValue;
    const auto& y = b.uExternalValue;
    return kivEqual(a.pcObjectIdentifier, b.pcObjectIdentifier) && a.eValueType == b.eValueType &&
           kivEqual(x.psSingleASN1Type, y.psSingleASN1Type) && kivEqual(x.psOctetAligned, y.psOctetAligned) &&
           kivEqual(x.psArbitrary, y.psArbitrary);
}

inline bool kivEqual(const KivAdditionalInfo& a, const KivAdditionalInfo& b) {
    return a.eProtocolVersionInForce == b.eProtocolVersionInForce &&
           kivEqual(a.uAdditionalInfo.pcV2, b.uAdditionalInfo.pcV2) &&
           kivEqual(a.uAdditionalInfo.psV3, b.uAdditionalInfo.psV3);
}

inline bool kivEqual(const KivDefaultDiagFormat& a, const KivDefaultDiagFormat& b) {
    return kivEqual(a.pcDiagnosticSetId, b.pcDiagnosticSetId) && a.ulCondition == b.ulCondition &&
           kivEqual(a.sAdditionalInfo, b.sAdditionalInfo);
}

inline bool kivEqual(const KivDiagRec& a, const KivDiagRec& b) {
    return a.eDiagnosticsType == b.eDiagnosticsType &&
           kivEqual(a.uDiagnostics.psDefault, b.uDiagnostics.psDefault) &&
           kivEqual(a.uDiagnostics.psExternallyDefined, b.uDiagnostics.psExternallyDefined);
}

inline bool kivEqual(const KivInfoCategory& a, const KivInfoCategory& b) {
    return kivEqual(a.pcCategoryTypeId, b.pcCategoryTypeId) && a.ulCategoryValue == b.ulCategoryValue;
}

inline bool kivEqual(const KivOtherInformation& a, const KivOtherInformation& b) {
    const auto& x = a.uInformation;
    const auto& y = b.uInformation;
    return kivEqual(a.psInfoCategory, b.psInfoCategory) && a.eInformationType == b.eInformationType &&
           kivEqual(x.psCharacterInfo, y.psCharacterInfo) && kivEqual(x.psBinaryInfo, y.psBinaryInfo) &&
           kivEqual(x.psExternallyDefinedInfo, y.psExternallyDefinedInfo) &&
           kivEqual(x.pcObjectIdentifier, y.pcObjectIdentifier);
}

inline bool kivEqual(const KivVolume& a, const KivVolume& b) {
    return kivEqual(a.psEnumeration, b.psEnumeration) && kivEqual(a.psChronology, b.psChronology) &&
           kivEqual(a.psEnumAndChron, b.psEnumAndChron);
}

inline bool kivEqual(const KivCircRecord& a, const KivCircRecord& b) {
    return a.fAvailableNow == b.fAvailableNow && kivEqual(a.psAvailabilityDate, b.psAvailabilityDate) &&
           kivEqual(a.psAvailableThru, b.psAvailableThru) && kivEqual(a.psRestrictions, b.psRestrictions) &&
           kivEqual(a.psItemId, b.psItemId) && a.fRenewable == b.fRenewable && a.fOnHold == b.fOnHold &&
           kivEqual(a.psEnumAndChron, b.psEnumAndChron) && kivEqual(a.psMidspine, b.psMidspine) &&
           kivEqual(a.psTemporaryLocation, b.psTemporaryLocation);
}

inline bool kivEqual(const KivHoldingsAndCirc& a, const KivHoldingsAndCirc& b) {
    return kivEqual(a.psTypeOfRecord, b.psTypeOfRecord) && kivEqual(a.psEncodingLevel, b.psEncodingLevel) &&
           kivEqual(a.psFormat, b.psFormat) && kivEqual(a.psReceiptAcqStatus, b.psReceiptAcqStatus) &&
           kivEqual(a.psGeneralRetention, b.psGeneralRetention) &&
           kivEqual(a.psCompleteness, b.psCompleteness) && kivEqual(a.psDateOfReport, b.psDateOfReport) &&
           kivEqual(a.psNucCode, b.psNucCode) && kivEqual(a.psLocalLocation, b.psLocalLocation) &&
           kivEqual(a.psShelvingLocation, b.psShelvingLocation) && kivEqual(a.psCallNumber, b.psCallNumber) &&
           kivEqual(a.psShelvingData, b.psShelvingData) && kivEqual(a.psCopyNumber, b.psCopyNumber) &&
           kivEqual(a.psPublicNote, b.psPublicNote) && kivEqual(a.psReproductionNote, b.psReproductionNote) &&
           kivEqual(a.psTermsUseRepro, b.psTermsUseRepro) && kivEqual(a.psEnumAndChron, b.psEnumAndChron) &&
           kivEqual(a.ppsVolume, b.ppsVolume) && kivEqual(a.ppsCircRecord, b.ppsCircRecord);
}

inline bool kivEqual(const KivHoldingsRecord& a, const KivHoldingsRecord& b) {
    const auto& x = a.uMarcOrHoldAndCirc;
    const auto& y = b.uMarcOrHoldAndCirc;
    return a.eHoldingsRecType == b.eHoldingsRecType &&
           kivEqual(x.sMarcHoldingsRecord, y.sMarcHoldingsRecord) &&
           kivEqual(x.sHoldingsAndCirc, y.sHoldingsAndCirc);
}

inline bool kivEqual(const KivOpacRecord& a, const KivOpacRecord& b) {
    return kivEqual(a.psBibliographicRecord, b.psBibliographicRecord) &&
           kivEqual(a.ppsHoldingsData, b.ppsHoldingsData);
}

inline bool kivEqual(const KivFormatSpec& a, const KivFormatSpec& b) {
    return kivEqual(a.sType, b.sType) && kivEqual(a.pulSize, b.pulSize) &&
           kivEqual(a.pulBestPosn, b.pulBestPosn);
}

inline bool kivEqual(const KivSummaryRecord& a, const KivSummaryRecord& b) {
    return kivEqual(a.sTitle, b.sTitle) && kivEqual(a.psAuthor, b.psAuthor) &&
           kivEqual(a.psCallNumber, b.psCallNumber) && kivEqual(a.psRecordType, b.psRecordType) &&
           kivEqual(a.psBibliographicLevel, b.psBibliographicLevel) && kivEqual(a.ppsFormat, b.ppsFormat) &&
           kivEqual(a.psPublicationPlace, b.psPublicationPlace) &&
           kivEqual(a.psPublicationDate, b.psPublicationDate) &&
           kivEqual(a.psTargetSystemKey, b.psTargetSystemKey) &&
           kivEqual(a.psSatisfyingElement, b.psSatisfyingElement) && kivEqual(a.pulRank, b.pulRank) &&
           kivEqual(a.psDocumentId, b.psDocumentId) && kivEqual(a.psAbstract, b.psAbstract) &&
           kivEqual(a.ppsOtherInformation, b.ppsOtherInformation);
}

inline bool kivEqual(const KivEstimate1& a, const KivEstimate1& b) {
    return a.eEstimateType == b.eEstimateType && a.ulValue == b.ulValue &&
           kivEqual(a.pulCurrencyCode, b.pulCurrencyCode);
}

inline bool kivEqual(const KivResourceReport1& a, const KivResourceReport1& b) {
    return kivEqual(a.ppsEstimate, b.ppsEstimate) && kivEqual(a.sMessage, b.sMessage);
}

inline bool kivEqual(const KivEstimate2& a, const KivEstimate2& b) {
    return kivEqual(a.sType, b.sType) && kivEqual(a.sValue, b.sValue);
}

inline bool kivEqual(const KivResourceReport2& a, const KivResourceReport2& b) {
    return kivEqual(a.ppsEstimate, b.ppsEstimate) && kivEqual(a.psMessage, b.psMessage);
}

inline bool kivEqual(const KivPermissions& a, const KivPermissions& b) {
    return kivEqual(a.sUserId, b.sUserId) && kivEqual(a.ppeAllowableFunctions, b.ppeAllowableFunctions);
}

inline bool kivEqual(const KivEsTaskPackage& a, const KivEsTaskPackage& b) {
    return kivEqual(a.pcPackageType, b.pcPackageType) && kivEqual(a.psPackageName, b.psPackageName) &&
           kivEqual(a.psUserId, b.psUserId) && kivEqual(a.psRetentionTime, b.psRetentionTime) &&
           kivEqual(a.ppsPermissions, b.ppsPermissions) && kivEqual(a.psDescription, b.psDescription) &&
           kivEqual(a.psTargetReference, b.psTargetReference) &&
           kivEqual(a.pcCreationDateTime, b.pcCreationDateTime) &&
           a.eExtServicesTaskStatus == b.eExtServicesTaskStatus &&
           kivEqual(a.ppsPackageDiagnostics, b.ppsPackageDiagnostics) &&
           kivEqual(a.sTaskSpecificParameters, b.sTaskSpecificParameters);
}

inline bool kivEqual(const KivUpdateOriginPartToKeep& a, const KivUpdateOriginPartToKeep& b) {
    return a.eAction == b.eAction && kivEqual(a.sDatabaseName, b.sDatabaseName) &&
           kivEqual(a.pcSchema, b.pcSchema) && kivEqual(a.psElementSetName, b.psElementSetName);
}

inline bool kivEqual(const KivUpdtRecordId& a, const KivUpdtRecordId& b) {
    const auto& x = a.uUpdtRecordId;
    const auto& y = b.uUpdtRecordId;
    return a.eRecordIdType == b.eRecordIdType && x.ulNumber == y.ulNumber &&
           kivEqual(x.psString, y.psString) && kivEqual(x.psOpaque, y.psOpaque);
}

inline bool kivEqual(const KivUpdtSupplementalId& a, const KivUpdtSupplementalId& b) {
    const auto& x = a.uUpdtSupplementalId;
    const auto& y = b.uUpdtSupplementalId;
    return a.eSupplementalIdType == b.eSupplementalIdType && kivEqual(x.pcTime, y.pcTime) &&
           kivEqual(x.psVersion, y.psVersion) && kivEqual(x.psPreviousVersion, y.psPreviousVersion);
}

inline bool kivEqual(const KivCorrelationInfo& a, const KivCorrelationInfo& b) {
    return kivEqual(a.psNote, b.psNote) && kivEqual(a.pulId, b.pulId);
}

inline bool kivEqual(const KivSuppliedRecord& a, const KivSuppliedRecord& b) {
    return kivEqual(a.psUpdtRecordId, b.psUpdtRecordId) &&
           kivEqual(a.psUpdtSupplementalId, b.psUpdtSupplementalId) &&
           kivEqual(a.psCorrelationInfo, b.psCorrelationInfo) && kivEqual(a.sRecord, b.sRecord);
}

inline bool kivEqual(const KivUpdtRecordOrDiag& a, const KivUpdtRecordOrDiag& b) {
    const auto& x = a.uUpdtRecordOrDiag;
    const auto& y = b.uUpdtRecordOrDiag;
    return a.eUpdtRecordOrDiag == b.eUpdtRecordOrDiag && kivEqual(x.psRecord, y.psRecord) &&
           kivEqual(x.psDiagnostic, y.psDiagnostic);
}

inline bool kivEqual(const KivTaskPackageRecord& a, const KivTaskPackageRecord& b) {
    return kivEqual(a.psUpdtRecordOrDiag, b.psUpdtRecordOrDiag) &&
           kivEqual(a.psCorrelationInfo, b.psCorrelationInfo) && a.eUpdtRecordStatus == b.eUpdtRecordStatus;
}

inline bool kivEqual(const KivUpdateTargetPart& a, const KivUpdateTargetPart& b) {
    return a.eTaskStatus == b.eTaskStatus && kivEqual(a.ppsGlobalDiagnostics, b.ppsGlobalDiagnostics) &&
           kivEqual(a.ppsTaskPackageRecord, b.ppsTaskPackageRecord);
}

inline bool kivEqual(const KivUpdateRequest& a, const KivUpdateRequest& b) {
    return kivEqual(a.sOriginPartToKeep, b.sOriginPartToKeep) &&
           kivEqual(a.ppsSuppliedRecord, b.ppsSuppliedRecord);
}

inline bool kivEqual(const KivUpdateResponse& a, const KivUpdateResponse& b) {
    return kivEqual(a.sOriginPartToKeep, b.sOriginPartToKeep) && kivEqual(a.sTargetPart, b.sTargetPart);
}

inline bool kivEqual(const KivUpdateExtendedService& a, const KivUpdateExtendedService& b) {
    const auto& x = a.uUpdateReqOrRsp;
    const auto& y = b.uUpdateReqOrRsp;
    return a.eUpdateReqRsp == b.eUpdateReqRsp && kivEqual(x.psUpdateRequest, y.psUpdateRequest) &&
           kivEqual(x.psUpdateResponse, y.psUpdateResponse);
}

// The carried record of each content type, member by member.
inline bool kivEqual(const KivSingleASN1Type& a, const KivSingleASN1Type& b) {
    const auto& x = a.uASN1;
    const auto& y = b.uASN1;
    return a.eASN1Type == b.eASN1Type && kivEqual(x.psUnstructuredText, y.psUnstructuredText) &&
           kivEqual(x.psOpacRecord, y.psOpacRecord) && kivEqual(x.psSummaryRecord, y.psSummaryRecord) &&
           kivEqual(x.psResourceReport1, y.psResourceReport1) &&
           kivEqual(x.psResourceReport2, y.psResourceReport2) &&
           kivEqual(x.psEsTaskPackage, y.psEsTaskPackage) &&
           kivEqual(x.psUpdateExtendedService, y.psUpdateExtendedService) &&
           kivEqual(x.psUnknownType, y.psUnknownType) && kivEqual(x.psGenericRecord, y.psGenericRecord) &&
           kivEqual(x.psItemOrderExtendedService, y.psItemOrderExtendedService) &&
           kivEqual(x.psPromptObject, y.psPromptObject) &&
           kivEqual(x.psExpSpecExtendedService, y.psExpSpecExtendedService) &&
           kivEqual(x.psExpInvoExtendedService, y.psExpInvoExtendedService);
}

inline bool kivEqual(const KivElementSpec& a, const KivElementSpec& b) {
    return a.eElementSpecType == b.eElementSpecType &&
           kivEqual(a.uElementSpec.psPrimitive, b.uElementSpec.psPrimitive) &&
           kivEqual(a.uElementSpec.psExternal, b.uElementSpec.psExternal);
}

inline bool kivEqual(const KivSpecification& a, const KivSpecification& b) {
    return kivEqual(a.pcSchema, b.pcSchema) && kivEqual(a.psElementSpec, b.psElementSpec);
}

inline bool kivEqual(const KivDbSpecific& a, const KivDbSpecific& b) {
    return kivEqual(a.sDatabaseName, b.sDatabaseName) && kivEqual(a.sSpecification, b.sSpecification);
}

inline bool kivEqual(const KivCompSpec& a, const KivCompSpec& b) {
    return a.fSelectAlternativeSyntax == b.fSelectAlternativeSyntax && kivEqual(a.psGeneric, b.psGeneric) &&
           kivEqual(a.ppsDbSpecific, b.ppsDbSpecific) && kivEqual(a.ppcRecordSyntax, b.ppcRecordSyntax);
}

inline bool kivEqual(const KivRecordComposition& a, const KivRecordComposition& b) {
    const auto& x = a.uRecordComposition;
    const auto& y = b.uRecordComposition;
    return a.eRecordCompositionType == b.eRecordCompositionType &&
           kivEqual(x.psElementSetNames, y.psElementSetNames) && kivEqual(x.psCompSpec, y.psCompSpec);
}

inline bool kivEqual(const KivFragmentSyntax& a, const KivFragmentSyntax& b) {
    return a.eFragmentSyntaxType == b.eFragmentSyntaxType &&
           kivEqual(a.uFragmentSyntax.psExternallyTagged, b.uFragmentSyntax.psExternallyTagged) &&
           kivEqual(a.uFragmentSyntax.psNotExternallyTagged, b.uFragmentSyntax.psNotExternallyTagged);
}

inline bool kivEqual(const KivResponseRecord& a, const KivResponseRecord& b) {
    const auto& x = a.uDbRecord;
    const auto& y = b.uDbRecord;
    return kivEqual(a.psDatabaseName, b.psDatabaseName) && a.eDbRecordType == b.eDbRecordType &&
           kivEqual(x.psRetrievalRecord, y.psRetrievalRecord) &&
           kivEqual(x.psSurrogateDiagnostic, y.psSurrogateDiagnostic) &&
           kivEqual(x.psStartingFragment, y.psStartingFragment) &&
           kivEqual(x.psIntermediateFragment, y.psIntermediateFragment) &&
           kivEqual(x.psFinalFragment, y.psFinalFragment);
}

inline bool kivEqual(const KivRecords& a, const KivRecords& b) {
    return a.eRecordType == b.eRecordType &&
           kivEqual(a.uRecord.ppsResponseRecord, b.uRecord.ppsResponseRecord) &&
           kivEqual(a.uRecord.psNonSurrogateDiag, b.uRecord.psNonSurrogateDiag) &&
           kivEqual(a.uRecord.ppsMultipleNonSurrogateDiag, b.uRecord.ppsMultipleNonSurrogateDiag);
}

namespace carried {

// The name the round-trip tests of EXTERNALs, carried records and composition compare with.
template <typename T>
bool same(const T& a, const T& b) {
    return kivEqual(a, b);
}

}  // namespace carried
