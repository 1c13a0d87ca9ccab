// The EXTERNAL printer: encodings, the content dispatch by (object identifier, eASN1Type), unknown content,
// and the core records carried in an EXTERNAL.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/trace_printers.h"

namespace {

using trace_test::bib1Diagnostic;
using trace_test::octets;
using trace_test::printed;
using trace_test::singleExternal;
using trace_test::text;

std::string printExternal(const KivExternal& external) {
    return printed([&](std::FILE* f) { KivPrintExternal(f, &external); });
}

std::unique_ptr<KivExternal> summaryExternal() {
    return singleExternal("1.2.840.10003.5.103", AT_SummaryRecord, [](auto& content) {
        content.psSummaryRecord = std::make_unique<KivSummaryRecord>();
        KivSummaryRecord& summary = *content.psSummaryRecord;
        summary.sTitle.pcValue = "Cats";
        summary.psAuthor = text("Smith");
        KivFormatSpec* format = summary.ppsFormat.emplace();
        format->sType.pcValue = "print";
        format->pulSize = 300;
        summary.pulRank = 1;
    });
}

std::unique_ptr<KivExternal> resourceReport1External() {
    return singleExternal("1.2.840.10003.7.1", AT_ResourceReport1, [](auto& content) {
        content.psResourceReport1 = std::make_unique<KivResourceReport1>();
        KivResourceReport1& report = *content.psResourceReport1;
        KivEstimate1* records = report.ppsEstimate.emplace();
        records->eEstimateType = ET_CurrentSearchRecords;
        records->ulValue = 42;
        KivEstimate1* cost = report.ppsEstimate.emplace();
        cost->eEstimateType = ET_CurrentOperationCost;
        cost->ulValue = 5;
        cost->pulCurrencyCode = 840;
        report.sMessage.pcValue = "ok";
    });
}

std::unique_ptr<KivExternal> resourceReport2External() {
    return singleExternal("1.0.10163.7.2", AT_ResourceReport2, [](auto& content) {
        content.psResourceReport2 = std::make_unique<KivResourceReport2>();
        KivEstimate2* estimate = content.psResourceReport2->ppsEstimate.emplace();
        estimate->sType.eStringOrNumeric = 2;
        estimate->sType.uStringOrNumeric.ulNumeric = 1;
        estimate->sValue.ulValue = 7;
    });
}

std::unique_ptr<KivExternal> taskPackageExternal() {
    return singleExternal("1.2.840.10003.5.106", AT_EsTaskPackage, [](auto& content) {
        content.psEsTaskPackage = std::make_unique<KivEsTaskPackage>();
        KivEsTaskPackage& package = *content.psEsTaskPackage;
        package.pcPackageType = "1.2.840.10003.9.5";
        package.psPackageName = text("upd1");
        package.psTargetReference = octets("T1");
        package.pcCreationDateTime = "20240101120000";
        package.eExtServicesTaskStatus = ESTS_Complete;
        auto update = singleExternal("1.2.840.10003.9.5", AT_UpdateExtendedService, [](auto& parameters) {
            parameters.psUpdateExtendedService = std::make_unique<KivUpdateExtendedService>();
            KivUpdateExtendedService& service = *parameters.psUpdateExtendedService;
            service.eUpdateReqRsp = UROR_Response;
            service.uUpdateReqOrRsp.psUpdateResponse = std::make_unique<KivUpdateResponse>();
            KivUpdateResponse& response = *service.uUpdateReqOrRsp.psUpdateResponse;
            response.sOriginPartToKeep.eAction = UA_RecordInsert;
            response.sOriginPartToKeep.sDatabaseName.pcValue = "books";
            response.sTargetPart.eTaskStatus = UTS_Success;
            KivTaskPackageRecord* record = response.sTargetPart.ppsTaskPackageRecord.emplace();
            record->psUpdtRecordOrDiag = std::make_unique<KivUpdtRecordOrDiag>();
            record->psUpdtRecordOrDiag->eUpdtRecordOrDiag = URDT_Diagnostic;
            record->psUpdtRecordOrDiag->uUpdtRecordOrDiag.psDiagnostic = bib1Diagnostic(224);
            record->psCorrelationInfo = std::make_unique<KivCorrelationInfo>();
            record->psCorrelationInfo->psNote = text("n1");
            record->psCorrelationInfo->pulId = 5;
            record->eUpdtRecordStatus = URST_Failure;
        });
        package.sTaskSpecificParameters = std::move(*update);
    });
}

std::unique_ptr<KivExternal> updateRequestExternal() {
    return singleExternal("1.2.840.10003.9.5", AT_UpdateExtendedService, [](auto& content) {
        content.psUpdateExtendedService = std::make_unique<KivUpdateExtendedService>();
        KivUpdateExtendedService& service = *content.psUpdateExtendedService;
        service.eUpdateReqRsp = UROR_Request;
        service.uUpdateReqOrRsp.psUpdateRequest = std::make_unique<KivUpdateRequest>();
        KivUpdateRequest& request = *service.uUpdateReqOrRsp.psUpdateRequest;
        request.sOriginPartToKeep.eAction = UA_RecordReplace;
        request.sOriginPartToKeep.sDatabaseName.pcValue = "books";
        request.sOriginPartToKeep.pcSchema = "1.2.840.10003.13.1";
        request.sOriginPartToKeep.psElementSetName = text("F");
        KivSuppliedRecord* supplied = request.ppsSuppliedRecord.emplace();
        supplied->psUpdtRecordId = std::make_unique<KivUpdtRecordId>();
        supplied->psUpdtRecordId->eRecordIdType = URIT_Number;
        supplied->psUpdtRecordId->uUpdtRecordId.ulNumber = 17;
        supplied->psUpdtSupplementalId = std::make_unique<KivUpdtSupplementalId>();
        supplied->psUpdtSupplementalId->eSupplementalIdType = USIT_Time;
        supplied->psUpdtSupplementalId->uUpdtSupplementalId.pcTime = "20240101";
        supplied->sRecord = std::move(*trace_test::sutrsExternal("new text"));
    });
}

TEST(TraceExternalPrinter, CarriedCoreRecordsMatchGolden) {
    std::string all;
    for (const auto& external : {summaryExternal(), resourceReport1External(), resourceReport2External(),
                                 taskPackageExternal(), updateRequestExternal()}) {
        all += printExternal(*external);
    }
    EXPECT_EQ(all, trace_test::readFile(QUORVANE_TEST_SOURCE_DIR "/golden/carried_records.txt"));
}

TEST(TraceExternalPrinter, OpacUnderEitherArcPrintsAlike) {
    auto opac = [](const char* oid) {
        return singleExternal(oid, AT_OpacRecord, [](auto& content) {
            content.psOpacRecord = std::make_unique<KivOpacRecord>();
            KivHoldingsRecord* holdings = content.psOpacRecord->ppsHoldingsData.emplace();
            holdings->eHoldingsRecType = HRT_MarcHoldingsRecord;
            holdings->uMarcOrHoldAndCirc.sMarcHoldingsRecord.pcObjectIdentifier = "1.2.840.10003.5.10";
            holdings->uMarcOrHoldAndCirc.sMarcHoldingsRecord.eValueType = EVT_OctetAligned;
            holdings->uMarcOrHoldAndCirc.sMarcHoldingsRecord.uExternalValue.psOctetAligned = octets("m");
        });
    };
    const std::string body =
        "\teValueType: EVT_SingleASN1Type\n\teASN1Type: AT_OpacRecord\n"
        "psOpacRecord:\npsBibliographicRecord: NULL\nppsHoldingsData: \nHRT_MarcHoldingsRecord\n"
        "\n\tObjectIdentifier: 1.2.840.10003.5.10\n\teValueType: EVT_OctetAligned\n\tpsOctetAligned:m\n\n";
    EXPECT_EQ(printExternal(*opac("1.2.840.10003.5.102")),
              "\n\tObjectIdentifier: 1.2.840.10003.5.102\n" + body);
    EXPECT_EQ(printExternal(*opac("1.0.10163.5.102")), "\n\tObjectIdentifier: 1.0.10163.5.102\n" + body);

    auto withoutHoldings = opac("1.2.840.10003.5.102");
    withoutHoldings->uExternalValue.psSingleASN1Type->uASN1.psOpacRecord->ppsHoldingsData.reset();
    EXPECT_EQ(
        printExternal(*withoutHoldings),
        "\n\tObjectIdentifier: 1.2.840.10003.5.102\n\teValueType: EVT_SingleASN1Type\n"
        "\teASN1Type: AT_OpacRecord\npsOpacRecord:\npsBibliographicRecord: NULL\nppsHoldingsData: NULL\n");
}

TEST(TraceExternalPrinter, UnknownContentPrintsItsOctetsInHex) {
    auto kept = singleExternal("1.2.840.10003.5.101", 8, [](auto& content) {
        content.psUnknownType = octets(std::string("\x30\x03\x01\x01\xff", 5));
    });
    EXPECT_EQ(printExternal(*kept),
              "\n\tObjectIdentifier: 1.2.840.10003.5.101\n\teValueType: EVT_SingleASN1Type\n"
              "\teASN1Type: Unknown\n\tpsUnknownType:Hex: 30030101ff\n");

    auto withoutIdentifier =
        singleExternal(nullptr, 8, [](auto& content) { content.psUnknownType = octets("A"); });
    EXPECT_EQ(printExternal(*withoutIdentifier),
              "\n\tObjectIdentifier: NULL\n\teValueType: EVT_SingleASN1Type\n\teASN1Type: Unknown\n"
              "\tpsUnknownType:Hex: 41\n");
}

// A pair that no row prints (a content printed by a later subsystem, or an identifier that does not go with
// the type) falls to the unknown-content printer, which reads only the raw octets and never the structure.
TEST(TraceExternalPrinter, PairWithoutPrinterPrintsAsUnknownContent) {
    auto grs1 = singleExternal("1.2.840.10003.5.105", AT_GenericRecord, [](auto&) {});
    EXPECT_EQ(printExternal(*grs1),
              "\n\tObjectIdentifier: 1.2.840.10003.5.105\n\teValueType: EVT_SingleASN1Type\n"
              "\teASN1Type: AT_GenericRecord\n");

    auto mismatched = singleExternal("1.2.840.10003.5.101", AT_OpacRecord, [](auto& content) {
        content.psOpacRecord = std::make_unique<KivOpacRecord>();
    });
    EXPECT_EQ(printExternal(*mismatched),
              "\n\tObjectIdentifier: 1.2.840.10003.5.101\n\teValueType: EVT_SingleASN1Type\n"
              "\teASN1Type: AT_OpacRecord\n");

    auto unusedType = singleExternal("1.2.840.10003.5.101", 11,
                                     [](auto& content) { content.psUnstructuredText = text("x"); });
    EXPECT_EQ(printExternal(*unusedType),
              "\n\tObjectIdentifier: 1.2.840.10003.5.101\n\teValueType: EVT_SingleASN1Type\n\teASN1Type: "
              "Unknown\n");
}

TEST(TraceExternalPrinter, EncodingsOtherThanSingleType) {
    KivExternal external;
    external.pcObjectIdentifier = "1.2.840.10003.5.10";
    external.eValueType = EVT_OctetAligned;
    external.uExternalValue.psOctetAligned = octets("00042nam");
    EXPECT_EQ(printExternal(external),
              "\n\tObjectIdentifier: 1.2.840.10003.5.10\n\teValueType: "
              "EVT_OctetAligned\n\tpsOctetAligned:00042nam\n");

    external.eValueType = EVT_Arbitrary;
    external.uExternalValue.psArbitrary = std::make_unique<KivArbitrary>(KivArbitrary{4, "0110"});
    EXPECT_EQ(printExternal(external),
              "\n\tObjectIdentifier: 1.2.840.10003.5.10\n\teValueType: EVT_Arbitrary\n\tpsArbitrary:0110\n");

    // A bit count beyond the text held prints only the text held.
    external.uExternalValue.psArbitrary->ulLength = 4000;
    EXPECT_EQ(printExternal(external),
              "\n\tObjectIdentifier: 1.2.840.10003.5.10\n\teValueType: EVT_Arbitrary\n\tpsArbitrary:0110\n");

    external.eValueType = EVT_SingleASN1Type;
    EXPECT_EQ(printExternal(external),
              "\n\tObjectIdentifier: 1.2.840.10003.5.10\n\teValueType: EVT_SingleASN1Type\n");

    external.eValueType = 9;
    EXPECT_EQ(printExternal(external), "\n\tObjectIdentifier: 1.2.840.10003.5.10\n\teValueType: Unknown\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedExternal(f, "psTaskPackage", nullptr); }),
              "psTaskPackage: NULL\n");
}

TEST(TraceExternalPrinter, AbsentRecordStructurePrintsNothingAfterTheTypeLine) {
    struct Row {
        const char* oid;
        int32_t type;
        const char* name;
    };
    const Row rows[] = {
        {"1.2.840.10003.5.101", AT_UnstructuredText, "AT_UnstructuredText"},
        {"1.2.840.10003.5.102", AT_OpacRecord, "AT_OpacRecord"},
        {"1.2.840.10003.5.103", AT_SummaryRecord, "AT_SummaryRecord"},
        {"1.2.840.10003.7.1", AT_ResourceReport1, "AT_ResourceReport1"},
        {"1.2.840.10003.7.2", AT_ResourceReport2, "AT_ResourceReport2"},
        {"1.2.840.10003.5.106", AT_EsTaskPackage, "AT_EsTaskPackage"},
        {"1.2.840.10003.9.5", AT_UpdateExtendedService, "AT_UpdateExtendedService"},
    };
    for (const Row& row : rows) {
        auto empty = singleExternal(row.oid, row.type, [](auto&) {});
        EXPECT_EQ(printExternal(*empty), std::string("\n\tObjectIdentifier: ") + row.oid +
                                             "\n\teValueType: EVT_SingleASN1Type\n\teASN1Type: " + row.name +
                                             "\n");
    }
}

}  // namespace
