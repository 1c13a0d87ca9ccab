#pragma once
// Valid EXTERNALs of every core carried record, each with every optional member set, that conversion and
// validation tests start from.

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/api/kivproto.h"

namespace carried {

inline constexpr const char* kBib1 = "1.2.840.10003.4.1";

inline std::unique_ptr<KivInternationalString> text(const std::string& value) {
    return std::make_unique<KivInternationalString>(KivInternationalString{value});
}

inline KivExternal octetAligned(const std::string& oid, const std::string& octets) {
    KivExternal external;
    external.pcObjectIdentifier = oid;
    external.eValueType = EVT_OctetAligned;
    external.uExternalValue.psOctetAligned = std::make_unique<KivOctets>(KivOctets{octets});
    return external;
}

// A single-ASN1-type EXTERNAL under oid whose content fill() sets.
template <typename Fill>
KivExternal singleExternal(const std::string& oid, int32_t type, Fill&& fill) {
    KivExternal external;
    external.pcObjectIdentifier = oid;
    external.eValueType = EVT_SingleASN1Type;
    external.uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    KivSingleASN1Type& content = *external.uExternalValue.psSingleASN1Type;
    content.eASN1Type = type;
    fill(content);
    return external;
}

inline KivExternal sutrsExternal(const std::string& oid, const std::string& value) {
    return singleExternal(oid, AT_UnstructuredText, [&](KivSingleASN1Type& content) {
        content.uASN1.psUnstructuredText = text(value);
    });
}

inline std::unique_ptr<KivDiagRec> bib1Diagnostic(uint32_t condition, const std::string& info) {
    auto diagnostic = std::make_unique<KivDiagRec>();
    diagnostic->eDiagnosticsType = DT_DefaultFormat;
    diagnostic->uDiagnostics.psDefault = std::make_unique<KivDefaultDiagFormat>();
    diagnostic->uDiagnostics.psDefault->pcDiagnosticSetId = kBib1;
    diagnostic->uDiagnostics.psDefault->ulCondition = condition;
    diagnostic->uDiagnostics.psDefault->sAdditionalInfo.eProtocolVersionInForce = PVIF_Version3;
    diagnostic->uDiagnostics.psDefault->sAdditionalInfo.uAdditionalInfo.psV3 = text(info);
    return diagnostic;
}

inline KivHoldingsAndCirc fullHoldings() {
    KivHoldingsAndCirc data;
    data.psTypeOfRecord = text("x");
    data.psEncodingLevel = text("1");
    data.psFormat = text("ab");
    data.psReceiptAcqStatus = text("2");
    data.psGeneralRetention = text("8");
    data.psCompleteness = text("4");
    data.psDateOfReport = text("20260101");
    data.psNucCode = text("DLC");
    data.psLocalLocation = text("Main library");
    data.psShelvingLocation = text("Stacks");
    data.psCallNumber = text("QA76.73 .C153");
    data.psShelvingData = text("shelf 4");
    data.psCopyNumber = text("c.2");
    data.psPublicNote = text("Ask at desk");
    data.psReproductionNote = text("Microfilm");
    data.psTermsUseRepro = text("Library use only");
    data.psEnumAndChron = text("v.1-3");
    KivVolume* volume = data.ppsVolume.emplace();
    volume->psEnumeration = text("v.1");
    volume->psChronology = text("1999");
    volume->psEnumAndChron = text("v.1 1999");
    data.ppsVolume.emplace()->psEnumeration = text("v.2");
    KivCircRecord* circ = data.ppsCircRecord.emplace();
    circ->fAvailableNow = 1;
    circ->psAvailabilityDate = text("20260102");
    circ->psAvailableThru = text("20260301");
    circ->psRestrictions = text("none");
    circ->psItemId = text("39001");
    circ->fRenewable = 1;
    circ->fOnHold = 0;
    circ->psEnumAndChron = text("v.1");
    circ->psMidspine = text("QA76");
    circ->psTemporaryLocation = text("Reserve");
    data.ppsCircRecord.emplace()->fOnHold = 1;
    return data;
}

inline KivExternal opacExternal(const std::string& oid) {
    return singleExternal(oid, AT_OpacRecord, [](KivSingleASN1Type& content) {
        auto record = std::make_unique<KivOpacRecord>();
        record->psBibliographicRecord =
            std::make_unique<KivExternal>(octetAligned("1.2.840.10003.5.10", "00714cam  2200205 a 4500"));
        KivHoldingsRecord* marc = record->ppsHoldingsData.emplace();
        marc->eHoldingsRecType = HRT_MarcHoldingsRecord;
        marc->uMarcOrHoldAndCirc.sMarcHoldingsRecord = octetAligned("1.2.840.10003.5.10", "00100nx  a22");
        KivHoldingsRecord* holdings = record->ppsHoldingsData.emplace();
        holdings->eHoldingsRecType = HRT_HoldingsAndCirc;
        holdings->uMarcOrHoldAndCirc.sHoldingsAndCirc = fullHoldings();
        content.uASN1.psOpacRecord = std::move(record);
    });
}

inline KivExternal summaryExternal(const std::string& oid) {
    return singleExternal(oid, AT_SummaryRecord, [](KivSingleASN1Type& content) {
        auto record = std::make_unique<KivSummaryRecord>();
        record->sTitle.pcValue = "The C Programming Language";
        record->psAuthor = text("Kernighan");
        record->psCallNumber = text("QA76.73");
        record->psRecordType = text("a");
        record->psBibliographicLevel = text("m");
        KivFormatSpec* format = record->ppsFormat.emplace();
        format->sType.pcValue = "USMARC";
        format->pulSize = 714;
        format->pulBestPosn = 1;
        record->ppsFormat.emplace()->sType.pcValue = "SUTRS";
        record->psPublicationPlace = text("Englewood Cliffs");
        record->psPublicationDate = text("1988");
        record->psTargetSystemKey = text("key-17");
        record->psSatisfyingElement = text("title");
        record->pulRank = 3;
        record->psDocumentId = text("doc-1");
        record->psAbstract = text("A book about C.");
        KivOtherInformation* info = record->ppsOtherInformation.emplace();
        info->eInformationType = IT_CharacterInfo;
        info->uInformation.psCharacterInfo = text("note");
        content.uASN1.psSummaryRecord = std::move(record);
    });
}

inline KivExternal resource1External(const std::string& oid) {
    return singleExternal(oid, AT_ResourceReport1, [](KivSingleASN1Type& content) {
        auto report = std::make_unique<KivResourceReport1>();
        KivEstimate1* estimate = report->ppsEstimate.emplace();
        estimate->eEstimateType = ET_CurrentOperationCost;
        estimate->ulValue = 250;
        estimate->pulCurrencyCode = 840;
        estimate = report->ppsEstimate.emplace();
        estimate->eEstimateType = ET_CurrentOtherAssocCost;
        estimate->ulValue = 7;
        report->sMessage.pcValue = "cost so far";
        content.uASN1.psResourceReport1 = std::move(report);
    });
}

inline KivExternal resource2External(const std::string& oid) {
    return singleExternal(oid, AT_ResourceReport2, [](KivSingleASN1Type& content) {
        auto report = std::make_unique<KivResourceReport2>();
        KivEstimate2* estimate = report->ppsEstimate.emplace();
        estimate->sType.eStringOrNumeric = 1;
        estimate->sType.uStringOrNumeric.psString = text("records");
        estimate->sValue.ulValue = 12;
        estimate->sValue.sUnitUsed.psUnitSystem = text("z39.50");
        estimate = report->ppsEstimate.emplace();
        estimate->sType.eStringOrNumeric = 2;
        estimate->sType.uStringOrNumeric.ulNumeric = 4;
        estimate->sValue.ulValue = 30;
        report->psMessage = text("estimates");
        content.uASN1.psResourceReport2 = std::move(report);
    });
}

inline KivExternal taskPackageExternal(const std::string& oid) {
    return singleExternal(oid, AT_EsTaskPackage, [](KivSingleASN1Type& content) {
        auto package = std::make_unique<KivEsTaskPackage>();
        package->pcPackageType = "1.2.840.10003.9.5";
        package->psPackageName = text("nightly");
        package->psUserId = text("cataloguer");
        package->psRetentionTime = std::make_unique<KivIntUnit>();
        package->psRetentionTime->ulValue = 30;
        package->psRetentionTime->sUnitUsed.pulScaleFactor = 1;
        KivPermissions* permissions = package->ppsPermissions.emplace();
        permissions->sUserId.pcValue = "admin";
        permissions->ppeAllowableFunctions.emplace(PAF_Delete);
        permissions->ppeAllowableFunctions.emplace(PAF_Invoke);
        package->psDescription = text("update run");
        package->psTargetReference = std::make_unique<KivOctets>(KivOctets{std::string("ref\0", 4)});
        package->pcCreationDateTime = "20260110120000";
        package->eExtServicesTaskStatus = ESTS_Complete;
        package->ppsPackageDiagnostics.append(bib1Diagnostic(1, "first"));
        package->sTaskSpecificParameters = octetAligned("1.2.840.10003.9.5", "parameters");
        content.uASN1.psEsTaskPackage = std::move(package);
    });
}

inline KivUpdateOriginPartToKeep originPart() {
    KivUpdateOriginPartToKeep part;
    part.eAction = UA_RecordReplace;
    part.sDatabaseName.pcValue = "books";
    part.pcSchema = "1.2.840.10003.13.1";
    part.psElementSetName = text("F");
    return part;
}

inline KivExternal updateRequestExternal(const std::string& oid) {
    return singleExternal(oid, AT_UpdateExtendedService, [](KivSingleASN1Type& content) {
        auto package = std::make_unique<KivUpdateExtendedService>();
        package->eUpdateReqRsp = UROR_Request;
        auto request = std::make_unique<KivUpdateRequest>();
        request->sOriginPartToKeep = originPart();
        const auto supplied = [&](int32_t idType, int32_t supplementalType) {
            KivSuppliedRecord* record = request->ppsSuppliedRecord.emplace();
            record->psUpdtRecordId = std::make_unique<KivUpdtRecordId>();
            record->psUpdtRecordId->eRecordIdType = idType;
            auto& id = record->psUpdtRecordId->uUpdtRecordId;
            if (idType == URIT_Number) id.ulNumber = 17;
            if (idType == URIT_String) id.psString = text("rec-17");
            if (idType == URIT_Opaque) id.psOpaque = std::make_unique<KivOctets>(KivOctets{"\x01\x02"});
            record->psUpdtSupplementalId = std::make_unique<KivUpdtSupplementalId>();
            record->psUpdtSupplementalId->eSupplementalIdType = supplementalType;
            auto& supplemental = record->psUpdtSupplementalId->uUpdtSupplementalId;
            if (supplementalType == USIT_Time) supplemental.pcTime = "20260110120000";
            if (supplementalType == USIT_Version) supplemental.psVersion = text("3");
            if (supplementalType == USIT_PreviousVersion) {
                supplemental.psPreviousVersion =
                    std::make_unique<KivExternal>(octetAligned("1.2.840.10003.5.10", "old record"));
            }
            record->psCorrelationInfo = std::make_unique<KivCorrelationInfo>();
            record->psCorrelationInfo->psNote = text("batch 4");
            record->psCorrelationInfo->pulId = 9;
            record->sRecord = octetAligned("1.2.840.10003.5.10", "new record");
        };
        supplied(URIT_Number, USIT_Time);
        supplied(URIT_String, USIT_Version);
        supplied(URIT_Opaque, USIT_PreviousVersion);
        package->uUpdateReqOrRsp.psUpdateRequest = std::move(request);
        content.uASN1.psUpdateExtendedService = std::move(package);
    });
}

inline KivExternal updateResponseExternal(const std::string& oid) {
    return singleExternal(oid, AT_UpdateExtendedService, [](KivSingleASN1Type& content) {
        auto package = std::make_unique<KivUpdateExtendedService>();
        package->eUpdateReqRsp = UROR_Response;
        auto response = std::make_unique<KivUpdateResponse>();
        response->sOriginPartToKeep = originPart();
        KivUpdateTargetPart& target = response->sTargetPart;
        target.eTaskStatus = UTS_Partial;
        target.ppsGlobalDiagnostics.append(bib1Diagnostic(2, "global"));
        KivTaskPackageRecord* done = target.ppsTaskPackageRecord.emplace();
        done->psUpdtRecordOrDiag = std::make_unique<KivUpdtRecordOrDiag>();
        done->psUpdtRecordOrDiag->eUpdtRecordOrDiag = URDT_Record;
        done->psUpdtRecordOrDiag->uUpdtRecordOrDiag.psRecord =
            std::make_unique<KivExternal>(octetAligned("1.2.840.10003.5.10", "stored record"));
        done->psCorrelationInfo = std::make_unique<KivCorrelationInfo>();
        done->psCorrelationInfo->pulId = 1;
        done->eUpdtRecordStatus = URST_Success;
        KivTaskPackageRecord* failed = target.ppsTaskPackageRecord.emplace();
        failed->psUpdtRecordOrDiag = std::make_unique<KivUpdtRecordOrDiag>();
        failed->psUpdtRecordOrDiag->eUpdtRecordOrDiag = URDT_Diagnostic;
        failed->psUpdtRecordOrDiag->uUpdtRecordOrDiag.psDiagnostic = bib1Diagnostic(224, "no such record");
        failed->eUpdtRecordStatus = URST_Failure;
        package->uUpdateReqOrRsp.psUpdateResponse = std::move(response);
        content.uASN1.psUpdateExtendedService = std::move(package);
    });
}

}  // namespace carried
