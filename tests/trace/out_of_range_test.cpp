// Values outside an enumeration's table and absent members: each prints what its table says (a fixed word,
// nothing at all, or the value), an absent member prints NULL, and nothing crashes.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/trace_printers.h"

namespace {

using trace_test::printed;

struct Case {
    const char* name;
    std::function<std::string()> print;
    std::string expectedPart;
};

template <typename Apdu, typename Printer, typename Fill>
std::function<std::string()> apdu(Printer printer, Fill fill) {
    return [=] {
        Apdu structure;
        fill(structure);
        return printed([&](std::FILE* f) { printer(f, &structure); });
    };
}

std::unique_ptr<KivRpnStructure> operatorOnly(int32_t type) {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnLopRopOperator;
    node->uRPNStructure.psRpnLopRopOperator = std::make_unique<KivRpnLopRopOperator>();
    node->uRPNStructure.psRpnLopRopOperator->sOperator.eOperatorType = type;
    return node;
}

void rpnQuery(KivSearchReq& request, std::unique_ptr<KivRpnStructure> root) {
    request.psQuery = std::make_unique<KivQuery>();
    request.psQuery->eQueryType = QT_Rpn;
    request.psQuery->uQuery.psRpnQuery = std::make_unique<KivRPNQuery>();
    request.psQuery->uQuery.psRpnQuery->sRpnStructure = std::move(*root);
}

TEST(TraceOutOfRange, EnumerationsOutsideTheirTablesAndAbsentMembers) {
    const Case cases[] = {
        {"Init result other than 0 or 1",
         apdu<KivInitializeRsp>(KivPrintInitializeRsp, [](auto& r) { r.fResult = 7; }),
         "ulMaxmiumMessageSize: 0\nfResult: 7 - invalid\npsImplementationId: "},
        {"Init result 0", apdu<KivInitializeRsp>(KivPrintInitializeRsp, [](auto&) {}), "\nfResult: FALSE\n"},
        {"absent compulsory texts", apdu<KivInitializeRsp>(KivPrintInitializeRsp, [](auto&) {}),
         "pcProtocolVersion: NULL\npcOptions: NULL\n"},
        {"authentication type outside the table",
         apdu<KivInitializeReq>(KivPrintInitializeReq,
                                [](auto& r) {
                                    r.psAuthentication = std::make_unique<KivIdAuthentication>();
                                    r.psAuthentication->eAuthenticationType = 9;
                                }),
         "psAuthentication: Unknown id auth\npsImplementationId: "},
        {"open authentication without its text",
         apdu<KivInitializeReq>(KivPrintInitializeReq,
                                [](auto& r) {
                                    r.psAuthentication = std::make_unique<KivIdAuthentication>();
                                    r.psAuthentication->eAuthenticationType = IAT_Open;
                                }),
         "psAuthentication: Open\n\tpsOpen: NULL\n"},
        {"id/password authentication without its record",
         apdu<KivInitializeReq>(KivPrintInitializeReq,
                                [](auto& r) {
                                    r.psAuthentication = std::make_unique<KivIdAuthentication>();
                                    r.psAuthentication->eAuthenticationType = IAT_IdPass;
                                }),
         "psAuthentication: IdPassword\nNULL\npsImplementationId: "},
        {"Search response without records", apdu<KivSearchRsp>(KivPrintSearchRsp, [](auto&) {}),
         "pePresentStatus: NULL\npsRecords: \nNULL\nppsAdditionalSearchInfo: "},
        {"result-set status outside the table",
         apdu<KivSearchRsp>(KivPrintSearchRsp,
                            [](auto& r) {
                                r.peResultSetStatus = 0;
                                r.pePresentStatus = 6;
                            }),
         "peResultSetStatus: pePresentStatus: psRecords: \n"},
        {"Present response without records",
         apdu<KivPresentRsp>(KivPrintPresentRsp, [](auto& r) { r.ePresentStatus = 6; }),
         "ePresentStatus: psRecords: NULL\nppsOtherInformation: NULL\n\n"},
        {"records type outside the table",
         apdu<KivPresentRsp>(KivPrintPresentRsp,
                             [](auto& r) {
                                 r.psRecords = std::make_unique<KivRecords>();
                                 r.psRecords->eRecordType = 4;
                             }),
         "psRecords: \n\n\n\nppsOtherInformation: "},
        {"fragment record without its fragment",
         apdu<KivPresentRsp>(KivPrintPresentRsp,
                             [](auto& r) {
                                 r.psRecords = std::make_unique<KivRecords>();
                                 r.psRecords->eRecordType = RT_Response;
                                 r.psRecords->uRecord.ppsResponseRecord.emplace()->eDbRecordType =
                                     DRT_FinalFragment;
                             }),
         "RT_Response:\n\npsDatabaseName: NULL\nDRT_FinalFragment:\nNULL\n\n"},
        {"default diagnostic without its record",
         apdu<KivPresentRsp>(
             KivPrintPresentRsp,
             [](auto& r) {
                 r.psRecords = std::make_unique<KivRecords>();
                 r.psRecords->eRecordType = RT_MultipleNonSurrDiagnostics;
                 r.psRecords->uRecord.ppsMultipleNonSurrogateDiag.emplace()->eDiagnosticsType =
                     DT_DefaultFormat;
             }),
         "RT_MultipleNonSurrDiagnostics:\n\nDT_DefaultFormat:\nNULL\n\n\n\n"},
        {"delete status outside the table",
         apdu<KivDeleteResultSetRsp>(KivPrintDeleteResultSetRsp,
                                     [](auto& r) { r.eDeleteOperationStatus = 42; }),
         "eDeleteOperationStatus: Unknown\nppsDeleteListStatuses: NULL\n"},
        {"delete function outside the table",
         apdu<KivDeleteResultSetReq>(KivPrintDeleteResultSetReq, [](auto& r) { r.eDeleteFunction = 2; }),
         "eDeleteFunction: ppsResultSetId: NULL\n"},
        {"resource-report status 2 has no name",
         apdu<KivResourceReportRsp>(KivPrintResourceReportRsp, [](auto& r) { r.eResourceReportStatus = 2; }),
         "eResourceReportStatus: psResourceReport: NULL\n"},
        {"scan status outside the table",
         apdu<KivScanRsp>(KivPrintScanRsp, [](auto& r) { r.eScanStatus = 7; }),
         "eScanStatus: ulNumberOfEntriesReturned: 0\n"},
        {"sort statuses outside the table",
         apdu<KivSortRsp>(KivPrintSortRsp,
                          [](auto& r) {
                              r.eSortStatus = 3;
                              r.peResultSetStatus = 4;
                          }),
         "eSortStatus: peResultSetStatus: ppsDiagnostics: NULL\n"},
        {"operation status 0", apdu<KivExtendedServicesRsp>(KivPrintExtendedServicesRsp, [](auto&) {}),
         "ExtendServicesResponse PDU\npsReferenceId: NULL\neOperationStatus: ppsDiagnostics: NULL\n"},
        {"close reason outside the table",
         apdu<KivClose>(KivPrintClose, [](auto& r) { r.eCloseReason = 10; }),
         "eCloseReason: psDiagnosticInformation: NULL\n"},
        {"query type outside the table",
         apdu<KivSearchReq>(KivPrintSearchReq,
                            [](auto& r) {
                                r.psQuery = std::make_unique<KivQuery>();
                                r.psQuery->eQueryType = 9;
                            }),
         "psQuery: \n\teQueryType: \nppsAdditionalSearchInfo: "},
        {"RPN query without its record",
         apdu<KivSearchReq>(KivPrintSearchReq,
                            [](auto& r) {
                                r.psQuery = std::make_unique<KivQuery>();
                                r.psQuery->eQueryType = QT_Erpn;
                            }),
         "\teQueryType: QT_Erpn\nNULL\n\n"},
        {"operator outside the table",
         apdu<KivSearchReq>(KivPrintSearchReq, [](auto& r) { rpnQuery(r, operatorOnly(9)); }),
         "KivRPNQuery pcAttributeSetId: NULL\n\nRST_RpnLopRopOperator:\nsOperator: Unknown\n\n"},
        {"proximity operator absent",
         apdu<KivSearchReq>(KivPrintSearchReq, [](auto& r) { rpnQuery(r, operatorOnly(4)); }),
         "sOperator: PROX\nNULL\n\n"},
        {"proximity names outside their tables",
         apdu<KivSearchReq>(KivPrintSearchReq,
                            [](auto& r) {
                                auto node = operatorOnly(4);
                                auto& proximity =
                                    node->uRPNStructure.psRpnLopRopOperator->sOperator.psProximityOperator;
                                proximity = std::make_unique<KivProximityOperator>();
                                proximity->pfExclusion = 0;
                                proximity->eProximityRelationType = 7;
                                proximity->sProximityUnitCode.eProximityUnitType = PUT_Known;
                                proximity->sProximityUnitCode.uProximityUnit.eKnownProximityUnit = 12;
                                rpnQuery(r, std::move(node));
                            }),
         "pfExclusion: KIV_FALSE\nulDistance: 0\nfOrdered: KIV_FALSE\neProximityRelationType: "
         "sProximityUnitCode:\n"
         "eProximityUnitType: PUT_Known\n\n"},
        {"operator node without its record",
         apdu<KivSearchReq>(KivPrintSearchReq,
                            [](auto& r) {
                                auto node = std::make_unique<KivRpnStructure>();
                                node->eRpnStructureType = RST_RpnLopRopOperator;
                                rpnQuery(r, std::move(node));
                            }),
         "\nRST_RpnLopRopOperator:\nNULL\n\n"},
        {"operand without its record",
         apdu<KivSearchReq>(KivPrintSearchReq,
                            [](auto& r) {
                                auto node = std::make_unique<KivRpnStructure>();
                                node->eRpnStructureType = RST_RpnOperand;
                                rpnQuery(r, std::move(node));
                            }),
         "\nRST_RpnOperand:\nNULL\n\n"},
        {"record composition without its names",
         apdu<KivPresentReq>(KivPrintPresentReq,
                             [](auto& r) {
                                 r.psRecordComposition = std::make_unique<KivRecordComposition>();
                                 r.psRecordComposition->eRecordCompositionType = 1;
                             }),
         "psRecordComposition:\nNULL\npcPreferredRecordSyntax: NULL\n"},
        {"sort key absent and sort names outside their tables",
         apdu<KivSortReq>(KivPrintSortReq,
                          [](auto& r) {
                              KivSortKeySpec* spec = r.ppsSortSequence.emplace();
                              spec->sSortElement.eSortElementType = SET_Generic;
                              spec->eSortRelationType = 5;
                              spec->eSortCaseType = 3;
                          }),
         "ppsSortSequence:\nsSortElement: SET_Generic\nNULL\n\neSortRelationType: eSortCaseType: "
         "psMVActionType: NULL\n\n"},
        {"ES request function and wait action outside their tables",
         apdu<KivExtendedServicesReq>(KivPrintExtendedServicesReq,
                                      [](auto& r) {
                                          r.eFunction = 4;
                                          r.eWaitAction = 5;
                                      }),
         "eFunction: pcPackageType: NULL\n"},
        {"ES request wait action outside its table",
         apdu<KivExtendedServicesReq>(KivPrintExtendedServicesReq, [](auto& r) { r.eWaitAction = 5; }),
         "psOriginSpecificParameter: NULL\neWaitAction: psElements: NULL\n"},
        {"scan entry without its term information",
         apdu<KivScanRsp>(KivPrintScanRsp,
                          [](auto& r) {
                              r.psEntries = std::make_unique<KivListEntries>();
                              r.psEntries->ppsEntry.emplace()->eEntryType = ET_TermInfo;
                              r.psEntries->ppsEntry.emplace()->eEntryType = 3;
                          }),
         "psEntries: \nppsEntry: ET_TermInfo:\nNULL\n\nppsNonSurrogateDiagnostics: NULL\n"},
        {"access-control challenge 0 leaves the line open",
         apdu<KivAccessControlReq>(KivPrintAccessControlReq, [](auto&) {}),
         "eSecurityChallengeReqType: ppsOtherInformation: NULL\n\n"},
        {"partial results outside the table",
         apdu<KivResourceControlReq>(KivPrintResourceControlReq,
                                     [](auto& r) { r.pePartialResultsAvailable = 4; }),
         "pePartialResultsAvailable: fResponseRequired: KIV_FALSE\n"},
        {"requested action outside the table",
         apdu<KivTriggerResourceControlReq>(KivPrintTriggerResourceControlReq, [](auto&) {}),
         "eRequestedAction: pcPreferredResourceReportFormat: NULL\n"},
    };
    for (const Case& c : cases) {
        const std::string output = c.print();
        EXPECT_NE(output.find(c.expectedPart), std::string::npos) << c.name << "\n--- printed:\n" << output;
    }
}

TEST(TraceOutOfRange, OtherInformationAndDiagnosticsOutsideTheirTables) {
    KivOtherInformation item;
    item.eInformationType = 9;
    item.uInformation.pcObjectIdentifier = "1.2.3";
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintOtherInformation(f, &item); }),
              "\n\tpsInfoCategory: NULL\n\teInformationType: Unknown\n");

    KivDiagRec diag;
    diag.eDiagnosticsType = 3;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintDiagRec(f, &diag); }), "");
    auto withVersion = trace_test::bib1Diagnostic(100);
    withVersion->uDiagnostics.psDefault->sAdditionalInfo.eProtocolVersionInForce = 3;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintDiagRec(f, withVersion.get()); }),
              "DT_DefaultFormat:\npcDiagnosticSetId: 1.2.840.10003.4.1\nulCondition: 100\n");

    KivStringOrNumeric neither;
    neither.eStringOrNumeric = 3;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintStringOrNumeric(f, &neither); }), "");
}

// Every APDU printer handed no structure writes its heading and stops; handed a structure with every
// member absent, it writes every label.
TEST(TraceOutOfRange, ApduPrintersWithoutStructureOrWithEveryMemberAbsent) {
    struct Row {
        std::function<void(std::FILE*)> printNull;
        std::function<void(std::FILE*)> printEmpty;
        const char* heading;
    };
    auto row = []<typename Apdu>(void (*printer)(std::FILE*, const Apdu*), const char* heading) {
        return Row{[=](std::FILE* f) { printer(f, nullptr); },
                   [=](std::FILE* f) {
                       Apdu empty;
                       printer(f, &empty);
                   },
                   heading};
    };
    const Row rows[] = {
        row(KivPrintInitializeReq, "InitRequest PDU\n"),
        row(KivPrintInitializeRsp, "InitResponse PDU\n"),
        row(KivPrintSearchReq, "SearchRequest PDU\n"),
        row(KivPrintSearchRsp, "SearchResponse PDU\n"),
        row(KivPrintPresentReq, "PresentRequest PDU\n"),
        row(KivPrintPresentRsp, "PresentResponse PDU\n"),
        row(KivPrintDeleteResultSetReq, "DeleteResultSetRequest PDU\n"),
        row(KivPrintDeleteResultSetRsp, "DeleteResultSetResponse PDU\n"),
        row(KivPrintResourceReportReq, "ResourceReportRequest PDU\n"),
        row(KivPrintResourceReportRsp, "ResourceReportResponse PDU\n"),
        row(KivPrintScanReq, "ScanRequest PDU\n"),
        row(KivPrintScanRsp, "ScanResponse PDU\n"),
        row(KivPrintSortReq, "SortRequest PDU\n"),
        row(KivPrintSortRsp, "SortResponse PDU\n"),
        row(KivPrintSegmentReq, "SegmentRequest PDU\n"),
        row(KivPrintExtendedServicesReq, "ExtendedServicesRequest PDU\n"),
        row(KivPrintExtendedServicesRsp, "ExtendServicesResponse PDU\n"),
        row(KivPrintClose, "Close PDU\n"),
        row(KivPrintAccessControlReq, "AccessControlRequest PDU\n"),
        row(KivPrintAccessControlRsp, "AccessControlResponse PDU\n"),
        row(KivPrintResourceControlReq, "ResourceControlRequest PDU\n"),
        row(KivPrintResourceControlRsp, "ResourceControlResponse PDU\n"),
        row(KivPrintTriggerResourceControlReq, "TriggerResourceControlRequest PDU\n"),
    };
    for (const Row& r : rows) {
        EXPECT_EQ(printed(r.printNull), r.heading);
        const std::string empty = printed(r.printEmpty);
        EXPECT_EQ(empty.rfind(std::string(r.heading) + "psReferenceId: NULL\n", 0), 0u) << r.heading;
        EXPECT_EQ(empty.substr(empty.size() - 27), "ppsOtherInformation: NULL\n\n") << r.heading;
    }
}

}  // namespace
