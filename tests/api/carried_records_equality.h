#pragma once
// Deep equality of programming-interface structures for the round-trip tests of EXTERNALs, the core carried
// records and record composition: every member is compared, unselected union members included (they must be
// absent on both sides), and the carried record of an EXTERNAL member by member, however deep it nests. An
// absent array differs from an empty one.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kivproto.h"

namespace carried {

inline bool same(uint32_t a, uint32_t b) {
    return a == b;
}
inline bool same(int32_t a, int32_t b) {
    return a == b;
}
inline bool same(const std::string& a, const std::string& b) {
    return a == b;
}
inline bool same(const KivAdditionalInfo& a, const KivAdditionalInfo& b);
inline bool same(const KivArbitrary& a, const KivArbitrary& b);
inline bool same(const KivCircRecord& a, const KivCircRecord& b);
inline bool same(const KivCompSpec& a, const KivCompSpec& b);
inline bool same(const KivCorrelationInfo& a, const KivCorrelationInfo& b);
inline bool same(const KivDbSpecific& a, const KivDbSpecific& b);
inline bool same(const KivDefaultDiagFormat& a, const KivDefaultDiagFormat& b);
inline bool same(const KivDiagRec& a, const KivDiagRec& b);
inline bool same(const KivElementSetNames& a, const KivElementSetNames& b);
inline bool same(const KivElementSetsDbSpecific& a, const KivElementSetsDbSpecific& b);
inline bool same(const KivElementSpec& a, const KivElementSpec& b);
inline bool same(const KivEsTaskPackage& a, const KivEsTaskPackage& b);
inline bool same(const KivEstimate1& a, const KivEstimate1& b);
inline bool same(const KivEstimate2& a, const KivEstimate2& b);
inline bool same(const KivExternal& a, const KivExternal& b);
inline bool same(const KivFormatSpec& a, const KivFormatSpec& b);
inline bool same(const KivHoldingsAndCirc& a, const KivHoldingsAndCirc& b);
inline bool same(const KivHoldingsRecord& a, const KivHoldingsRecord& b);
inline bool same(const KivInfoCategory& a, const KivInfoCategory& b);
inline bool same(const KivIntUnit& a, const KivIntUnit& b);
inline bool same(const KivInternationalString& a, const KivInternationalString& b);
inline bool same(const KivOctets& a, const KivOctets& b);
inline bool same(const KivOpacRecord& a, const KivOpacRecord& b);
inline bool same(const KivOtherInformation& a, const KivOtherInformation& b);
inline bool same(const KivPermissions& a, const KivPermissions& b);
inline bool same(const KivRecordComposition& a, const KivRecordComposition& b);
inline bool same(const KivResourceReport1& a, const KivResourceReport1& b);
inline bool same(const KivResourceReport2& a, const KivResourceReport2& b);
inline bool same(const KivSingleASN1Type& a, const KivSingleASN1Type& b);
inline bool same(const KivSpecification& a, const KivSpecification& b);
inline bool same(const KivStringOrNumeric& a, const KivStringOrNumeric& b);
inline bool same(const KivSummaryRecord& a, const KivSummaryRecord& b);
inline bool same(const KivSuppliedRecord& a, const KivSuppliedRecord& b);
inline bool same(const KivTaskPackageRecord& a, const KivTaskPackageRecord& b);
inline bool same(const KivUnit& a, const KivUnit& b);
inline bool same(const KivUpdateExtendedService& a, const KivUpdateExtendedService& b);
inline bool same(const KivUpdateOriginPartToKeep& a, const KivUpdateOriginPartToKeep& b);
inline bool same(const KivUpdateRequest& a, const KivUpdateRequest& b);
inline bool same(const KivUpdateResponse& a, const KivUpdateResponse& b);
inline bool same(const KivUpdateTargetPart& a, const KivUpdateTargetPart& b);
inline bool same(const KivUpdtRecordId& a, const KivUpdtRecordId& b);
inline bool same(const KivUpdtRecordOrDiag& a, const KivUpdtRecordOrDiag& b);
inline bool same(const KivUpdtSupplementalId& a, const KivUpdtSupplementalId& b);
inline bool same(const KivVolume& a, const KivVolume& b);

template <typename T>
bool same(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
    return !a || !b ? !a && !b : same(*a, *b);
}

template <typename T>
bool same(const std::optional<T>& a, const std::optional<T>& b) {
    return !a || !b ? !a && !b : same(*a, *b);
}

template <typename T>
bool same(const KivArray<T>& a, const KivArray<T>& b) {
    if (a.present() != b.present() || a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!same(*a[i], *b[i])) return false;
    }
    return true;
}

inline bool same(const KivOctets& a, const KivOctets& b) {
    return a.pcValue == b.pcValue;
}

inline bool same(const KivInternationalString& a, const KivInternationalString& b) {
    return a.pcValue == b.pcValue;
}

inline bool same(const KivArbitrary& a, const KivArbitrary& b) {
    return a.ulLength == b.ulLength && same(a.pcValue, b.pcValue);
}

inline bool same(const KivExternal& a, const KivExternal& b) {
    const auto& x = a.uExternalValue;
    const auto& y = b.uExternalValue;
    return same(a.pcObjectIdentifier, b.pcObjectIdentifier) && a.eValueType == b.eValueType &&
           same(x.psSingleASN1Type, y.psSingleASN1Type) && same(x.psOctetAligned, y.psOctetAligned) &&
           same(x.psArbitrary, y.psArbitrary);
}

inline bool same(const KivAdditionalInfo& a, const KivAdditionalInfo& b) {
    return a.eProtocolVersionInForce == b.eProtocolVersionInForce &&
           same(a.uAdditionalInfo.pcV2, b.uAdditionalInfo.pcV2) &&
           same(a.uAdditionalInfo.psV3, b.uAdditionalInfo.psV3);
}

inline bool same(const KivDefaultDiagFormat& a, const KivDefaultDiagFormat& b) {
    return same(a.pcDiagnosticSetId, b.pcDiagnosticSetId) && a.ulCondition == b.ulCondition &&
           same(a.sAdditionalInfo, b.sAdditionalInfo);
}

inline bool same(const KivDiagRec& a, const KivDiagRec& b) {
    return a.eDiagnosticsType == b.eDiagnosticsType &&
           same(a.uDiagnostics.psDefault, b.uDiagnostics.psDefault) &&
           same(a.uDiagnostics.psExternallyDefined, b.uDiagnostics.psExternallyDefined);
}

inline bool same(const KivElementSetsDbSpecific& a, const KivElementSetsDbSpecific& b) {
    return same(a.psDatabaseName, b.psDatabaseName) && same(a.psElementSetName, b.psElementSetName);
}

inline bool same(const KivElementSetNames& a, const KivElementSetNames& b) {
    return a.eElementSetType == b.eElementSetType && same(a.uElementSet.psGeneric, b.uElementSet.psGeneric) &&
           same(a.uElementSet.ppsElementSetsDbSpecific, b.uElementSet.ppsElementSetsDbSpecific);
}

inline bool same(const KivStringOrNumeric& a, const KivStringOrNumeric& b) {
    return a.eStringOrNumeric == b.eStringOrNumeric &&
           same(a.uStringOrNumeric.psString, b.uStringOrNumeric.psString) &&
           a.uStringOrNumeric.ulNumeric == b.uStringOrNumeric.ulNumeric;
}

inline bool same(const KivUnit& a, const KivUnit& b) {
    return same(a.psUnitSystem, b.psUnitSystem) && same(a.psUnitType, b.psUnitType) &&
           same(a.psUnit, b.psUnit) && same(a.pulScaleFactor, b.pulScaleFactor);
}

inline bool same(const KivIntUnit& a, const KivIntUnit& b) {
    return a.ulValue == b.ulValue && same(a.sUnitUsed, b.sUnitUsed);
}

inline bool same(const KivInfoCategory& a, const KivInfoCategory& b) {
    return same(a.pcCategoryTypeId, b.pcCategoryTypeId) && a.ulCategoryValue == b.ulCategoryValue;
}

inline bool same(const KivOtherInformation& a, const KivOtherInformation& b) {
    const auto& x = a.uInformation;
    const auto& y = b.uInformation;
    return same(a.psInfoCategory, b.psInfoCategory) && a.eInformationType == b.eInformationType &&
           same(x.psCharacterInfo, y.psCharacterInfo) && same(x.psBinaryInfo, y.psBinaryInfo) &&
           same(x.psExternallyDefinedInfo, y.psExternallyDefinedInfo) &&
           same(x.pcObjectIdentifier, y.pcObjectIdentifier);
}

inline bool same(const KivVolume& a, const KivVolume& b) {
    return same(a.psEnumeration, b.psEnumeration) && same(a.psChronology, b.psChronology) &&
           same(a.psEnumAndChron, b.psEnumAndChron);
}

inline bool same(const KivCircRecord& a, const KivCircRecord& b) {
    return a.fAvailableNow == b.fAvailableNow && same(a.psAvailabilityDate, b.psAvailabilityDate) &&
           same(a.psAvailableThru, b.psAvailableThru) && same(a.psRestrictions, b.psRestrictions) &&
           same(a.psItemId, b.psItemId) && a.fRenewable == b.fRenewable && a.fOnHold == b.fOnHold &&
           same(a.psEnumAndChron, b.psEnumAndChron) && same(a.psMidspine, b.psMidspine) &&
           same(a.psTemporaryLocation, b.psTemporaryLocation);
}

inline bool same(const KivHoldingsAndCirc& a, const KivHoldingsAndCirc& b) {
    return same(a.psTypeOfRecord, b.psTypeOfRecord) && same(a.psEncodingLevel, b.psEncodingLevel) &&
           same(a.psFormat, b.psFormat) && same(a.psReceiptAcqStatus, b.psReceiptAcqStatus) &&
           same(a.psGeneralRetention, b.psGeneralRetention) && same(a.psCompleteness, b.psCompleteness) &&
           same(a.psDateOfReport, b.psDateOfReport) && same(a.psNucCode, b.psNucCode) &&
           same(a.psLocalLocation, b.psLocalLocation) && same(a.psShelvingLocation, b.psShelvingLocation) &&
           same(a.psCallNumber, b.psCallNumber) && same(a.psShelvingData, b.psShelvingData) &&
           same(a.psCopyNumber, b.psCopyNumber) && same(a.psPublicNote, b.psPublicNote) &&
           same(a.psReproductionNote, b.psReproductionNote) && same(a.psTermsUseRepro, b.psTermsUseRepro) &&
           same(a.psEnumAndChron, b.psEnumAndChron) && same(a.ppsVolume, b.ppsVolume) &&
           same(a.ppsCircRecord, b.ppsCircRecord);
}

inline bool same(const KivHoldingsRecord& a, const KivHoldingsRecord& b) {
    const auto& x = a.uMarcOrHoldAndCirc;
    const auto& y = b.uMarcOrHoldAndCirc;
    return a.eHoldingsRecType == b.eHoldingsRecType && same(x.sMarcHoldingsRecord, y.sMarcHoldingsRecord) &&
           same(x.sHoldingsAndCirc, y.sHoldingsAndCirc);
}

inline bool same(const KivOpacRecord& a, const KivOpacRecord& b) {
    return same(a.psBibliographicRecord, b.psBibliographicRecord) &&
           same(a.ppsHoldingsData, b.ppsHoldingsData);
}

inline bool same(const KivFormatSpec& a, const KivFormatSpec& b) {
    return same(a.sType, b.sType) && same(a.pulSize, b.pulSize) && same(a.pulBestPosn, b.pulBestPosn);
}

inline bool same(const KivSummaryRecord& a, const KivSummaryRecord& b) {
    return same(a.sTitle, b.sTitle) && same(a.psAuthor, b.psAuthor) && same(a.psCallNumber, b.psCallNumber) &&
           same(a.psRecordType, b.psRecordType) && same(a.psBibliographicLevel, b.psBibliographicLevel) &&
           same(a.ppsFormat, b.ppsFormat) && same(a.psPublicationPlace, b.psPublicationPlace) &&
           same(a.psPublicationDate, b.psPublicationDate) && same(a.psTargetSystemKey, b.psTargetSystemKey) &&
           same(a.psSatisfyingElement, b.psSatisfyingElement) && same(a.pulRank, b.pulRank) &&
           same(a.psDocumentId, b.psDocumentId) && same(a.psAbstract, b.psAbstract) &&
           same(a.ppsOtherInformation, b.ppsOtherInformation);
}

inline bool same(const KivEstimate1& a, const KivEstimate1& b) {
    return a.eEstimateType == b.eEstimateType && a.ulValue == b.ulValue &&
           same(a.pulCurrencyCode, b.pulCurrencyCode);
}

inline bool same(const KivResourceReport1& a, const KivResourceReport1& b) {
    return same(a.ppsEstimate, b.ppsEstimate) && same(a.sMessage, b.sMessage);
}

inline bool same(const KivEstimate2& a, const KivEstimate2& b) {
    return same(a.sType, b.sType) && same(a.sValue, b.sValue);
}

inline bool same(const KivResourceReport2& a, const KivResourceReport2& b) {
    return same(a.ppsEstimate, b.ppsEstimate) && same(a.psMessage, b.psMessage);
}

inline bool same(const KivPermissions& a, const KivPermissions& b) {
    return same(a.sUserId, b.sUserId) && same(a.ppeAllowableFunctions, b.ppeAllowableFunctions);
}

inline bool same(const KivEsTaskPackage& a, const KivEsTaskPackage& b) {
    return same(a.pcPackageType, b.pcPackageType) && same(a.psPackageName, b.psPackageName) &&
           same(a.psUserId, b.psUserId) && same(a.psRetentionTime, b.psRetentionTime) &&
           same(a.ppsPermissions, b.ppsPermissions) && same(a.psDescription, b.psDescription) &&
           same(a.psTargetReference, b.psTargetReference) &&
           same(a.pcCreationDateTime, b.pcCreationDateTime) &&
           a.eExtServicesTaskStatus == b.eExtServicesTaskStatus &&
           same(a.ppsPackageDiagnostics, b.ppsPackageDiagnostics) &&
           same(a.sTaskSpecificParameters, b.sTaskSpecificParameters);
}

inline bool same(const KivUpdateOriginPartToKeep& a, const KivUpdateOriginPartToKeep& b) {
    return a.eAction == b.eAction && same(a.sDatabaseName, b.sDatabaseName) && same(a.pcSchema, b.pcSchema) &&
           same(a.psElementSetName, b.psElementSetName);
}

inline bool same(const KivUpdtRecordId& a, const KivUpdtRecordId& b) {
    const auto& x = a.uUpdtRecordId;
    const auto& y = b.uUpdtRecordId;
    return a.eRecordIdType == b.eRecordIdType && x.ulNumber == y.ulNumber && same(x.psString, y.psString) &&
           same(x.psOpaque, y.psOpaque);
}

inline bool same(const KivUpdtSupplementalId& a, const KivUpdtSupplementalId& b) {
    const auto& x = a.uUpdtSupplementalId;
    const auto& y = b.uUpdtSupplementalId;
    return a.eSupplementalIdType == b.eSupplementalIdType && same(x.pcTime, y.pcTime) &&
           same(x.psVersion, y.psVersion) && same(x.psPreviousVersion, y.psPreviousVersion);
}

inline bool same(const KivCorrelationInfo& a, const KivCorrelationInfo& b) {
    return same(a.psNote, b.psNote) && same(a.pulId, b.pulId);
}

inline bool same(const KivSuppliedRecord& a, const KivSuppliedRecord& b) {
    return same(a.psUpdtRecordId, b.psUpdtRecordId) && same(a.psUpdtSupplementalId, b.psUpdtSupplementalId) &&
           same(a.psCorrelationInfo, b.psCorrelationInfo) && same(a.sRecord, b.sRecord);
}

inline bool same(const KivUpdtRecordOrDiag& a, const KivUpdtRecordOrDiag& b) {
    const auto& x = a.uUpdtRecordOrDiag;
    const auto& y = b.uUpdtRecordOrDiag;
    return a.eUpdtRecordOrDiag == b.eUpdtRecordOrDiag && same(x.psRecord, y.psRecord) &&
           same(x.psDiagnostic, y.psDiagnostic);
}

inline bool same(const KivTaskPackageRecord& a, const KivTaskPackageRecord& b) {
    return same(a.psUpdtRecordOrDiag, b.psUpdtRecordOrDiag) &&
           same(a.psCorrelationInfo, b.psCorrelationInfo) && a.eUpdtRecordStatus == b.eUpdtRecordStatus;
}

inline bool same(const KivUpdateTargetPart& a, const KivUpdateTargetPart& b) {
    return a.eTaskStatus == b.eTaskStatus && same(a.ppsGlobalDiagnostics, b.ppsGlobalDiagnostics) &&
           same(a.ppsTaskPackageRecord, b.ppsTaskPackageRecord);
}

inline bool same(const KivUpdateRequest& a, const KivUpdateRequest& b) {
    return same(a.sOriginPartToKeep, b.sOriginPartToKeep) && same(a.ppsSuppliedRecord, b.ppsSuppliedRecord);
}

inline bool same(const KivUpdateResponse& a, const KivUpdateResponse& b) {
    return same(a.sOriginPartToKeep, b.sOriginPartToKeep) && same(a.sTargetPart, b.sTargetPart);
}

inline bool same(const KivUpdateExtendedService& a, const KivUpdateExtendedService& b) {
    const auto& x = a.uUpdateReqOrRsp;
    const auto& y = b.uUpdateReqOrRsp;
    return a.eUpdateReqRsp == b.eUpdateReqRsp && same(x.psUpdateRequest, y.psUpdateRequest) &&
           same(x.psUpdateResponse, y.psUpdateResponse);
}

// The carried record of each content type, member by member.
inline bool same(const KivSingleASN1Type& a, const KivSingleASN1Type& b) {
    const auto& x = a.uASN1;
    const auto& y = b.uASN1;
    return a.eASN1Type == b.eASN1Type && same(x.psUnstructuredText, y.psUnstructuredText) &&
           same(x.psOpacRecord, y.psOpacRecord) && same(x.psSummaryRecord, y.psSummaryRecord) &&
           same(x.psResourceReport1, y.psResourceReport1) && same(x.psResourceReport2, y.psResourceReport2) &&
           same(x.psEsTaskPackage, y.psEsTaskPackage) &&
           same(x.psUpdateExtendedService, y.psUpdateExtendedService) &&
           same(x.psUnknownType, y.psUnknownType);
}

inline bool same(const KivElementSpec& a, const KivElementSpec& b) {
    return a.eElementSpecType == b.eElementSpecType &&
           same(a.uElementSpec.psPrimitive, b.uElementSpec.psPrimitive) &&
           same(a.uElementSpec.psExternal, b.uElementSpec.psExternal);
}

inline bool same(const KivSpecification& a, const KivSpecification& b) {
    return same(a.pcSchema, b.pcSchema) && same(a.psElementSpec, b.psElementSpec);
}

inline bool same(const KivDbSpecific& a, const KivDbSpecific& b) {
    return same(a.sDatabaseName, b.sDatabaseName) && same(a.sSpecification, b.sSpecification);
}

inline bool same(const KivCompSpec& a, const KivCompSpec& b) {
    return a.fSelectAlternativeSyntax == b.fSelectAlternativeSyntax && same(a.psGeneric, b.psGeneric) &&
           same(a.ppsDbSpecific, b.ppsDbSpecific) && same(a.ppcRecordSyntax, b.ppcRecordSyntax);
}

inline bool same(const KivRecordComposition& a, const KivRecordComposition& b) {
    const auto& x = a.uRecordComposition;
    const auto& y = b.uRecordComposition;
    return a.eRecordCompositionType == b.eRecordCompositionType &&
           same(x.psElementSetNames, y.psElementSetNames) && same(x.psCompSpec, y.psCompSpec);
}

}  // namespace carried
