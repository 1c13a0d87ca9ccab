// The APDU printers beyond the traced session's goldens: Present request with ranges and a comp spec, the
// other query types, Sort, Extended services, Delete, Segment and Resource report APDUs, and the access- and
// resource-control APDUs.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/trace_printers.h"

namespace {

using trace_test::addAttribute;
using trace_test::octets;
using trace_test::printed;
using trace_test::text;

TEST(TraceApduPrinters, PresentRequestWithRangesAndCompSpec) {
    KivPresentReq request;
    request.sResultSetId.pcValue = "default";
    request.ulResultSetStartPoint = 1;
    request.ulNumberOfRecordsRequested = 2;
    request.ppsAdditionalRanges.emplace(1u, 5u);
    request.ppsAdditionalRanges.emplace(10u, 2u);
    request.psRecordComposition = std::make_unique<KivRecordComposition>();
    request.psRecordComposition->eRecordCompositionType = 2;
    auto& compSpec = request.psRecordComposition->uRecordComposition.psCompSpec;
    compSpec = std::make_unique<KivCompSpec>();
    compSpec->psGeneric = std::make_unique<KivSpecification>();
    compSpec->psGeneric->pcSchema = "1.2.840.10003.13.2";
    compSpec->psGeneric->psElementSpec = std::make_unique<KivElementSpec>();
    compSpec->psGeneric->psElementSpec->eElementSpecType = EST_Primitive;
    compSpec->psGeneric->psElementSpec->uElementSpec.psPrimitive = text("B");
    compSpec->ppsDbSpecific.emplace()->sDatabaseName.pcValue = "books";
    compSpec->ppcRecordSyntax.emplace("1.2.840.10003.5.101");
    compSpec->ppcRecordSyntax.emplace("1.2.840.10003.5.102");
    request.pcPreferredRecordSyntax = "1.2.840.10003.5.101";
    request.pulMaxRecordSize = 65536;

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintPresentReq(f, &request); }),
              "PresentRequest PDU\n"
              "psReferenceId: NULL\n"
              "sResultSetId: default\nHex: 64656661756c74\n"
              "ulResultSetStartPoint: 1\n"
              "ulNumberOfRecordsRequested: 2\n"
              "ppsAdditionalRanges:\n"
              "psKivRange:\nulStartingPosition: 1\nulNumberOfRecords: 5\n"
              "psKivRange:\nulStartingPosition: 10\nulNumberOfRecords: 2\n"
              "psRecordComposition:\n"
              "psCompSpec:\n"
              "fSelectAlternativeSyntax: KIV_FALSE\n"
              "psGeneric:\npcSchema: 1.2.840.10003.13.2\npsElementSpec:\nEST_Primitive: B\nHex: 42\n"
              "ppsDbSpecific:\n"
              "sDatabaseName: books\nHex: 626f6f6b73\n"
              "sSpecification:\npcSchema: NULL\npsElementSpec: NULL\n"
              "\n\n"
              "ppcRecordSyntax:\n"
              "\tpcRecordSyntax: 1.2.840.10003.5.101\n"
              "\tpcRecordSyntax: 1.2.840.10003.5.102\n"
              "\n"
              "pcPreferredRecordSyntax: 1.2.840.10003.5.101\n"
              "pulMaxSegmentCount: NULL\n"
              "pulMaxRecordSize: 65536\n"
              "pulMaxSegmentSize: NULL\n"
              "ppsOtherInformation: NULL\n\n");

    request.ppsAdditionalRanges.reset();
    request.psRecordComposition->eRecordCompositionType = 1;
    auto& names = request.psRecordComposition->uRecordComposition.psElementSetNames;
    names = std::make_unique<KivElementSetNames>();
    names->eElementSetType = EST_DatabaseSpecific;
    KivElementSetsDbSpecific* books = names->uElementSet.ppsElementSetsDbSpecific.emplace();
    books->psDatabaseName = text("books");
    books->psElementSetName = text("F");
    const std::string output = printed([&](std::FILE* f) { KivPrintPresentReq(f, &request); });
    EXPECT_NE(output.find("ulNumberOfRecordsRequested: 2\nppsAdditionalRanges: NULL\npsRecordComposition:\n"
                          "EST_DatabaseSpecific:\n\tpsDatabaseName: books\nHex: 626f6f6b73\n"
                          "\tpspsElementSetName: F\nHex: 46\n\n\npcPreferredRecordSyntax: "),
              std::string::npos)
        << output;
}

std::string printQuery(const KivQuery& query) {
    return printed([&](std::FILE* f) { KivPrintQuery(f, &query); });
}

TEST(TraceApduPrinters, OtherQueryTypesAndOperands) {
    KivQuery query;
    query.eQueryType = QT_Private;
    query.uQuery.psPrivateQuery = octets("xyz");
    EXPECT_EQ(printQuery(query), "\n\teQueryType: QT_Private\n\tpsPrivateQuery: xyz\n\n");

    query.eQueryType = QT_Sql;
    query.uQuery.psSQLQuery = std::make_unique<KivSQLQuery>();
    query.uQuery.psSQLQuery->pfAbstractDatabaseFlag = 1;
    query.uQuery.psSQLQuery->sQueryExpression.pcValue = "select";
    EXPECT_EQ(printQuery(query),
              "\n\teQueryType: QT_Sql\n\tpsSQLQuery:\npfAbstractDatabaseFlag: KIV_TRUE\n"
              "sQueryExpression: select\nHex: 73656c656374\n\n");

    query.eQueryType = QT_Rpn;
    query.uQuery.psRpnQuery = std::make_unique<KivRPNQuery>();
    KivRpnStructure& root = query.uQuery.psRpnQuery->sRpnStructure;
    root.eRpnStructureType = RST_RpnOperand;
    root.uRPNStructure.psRpnOperand = std::make_unique<KivRpnOperand>();
    root.uRPNStructure.psRpnOperand->eOperandType = 3;
    auto& plusAttributes = root.uRPNStructure.psRpnOperand->uOperand.psResultSetPlusAttributes;
    plusAttributes = std::make_unique<KivResultSetPlusAttributes>();
    plusAttributes->sResultSetId.pcValue = "r1";
    addAttribute(plusAttributes->ppsAttributeElement, nullptr, 1, 4);
    EXPECT_EQ(printQuery(query),
              "\n\teQueryType: QT_Rpn\nKivRPNQuery pcAttributeSetId: NULL\n\nRST_RpnOperand:\n"
              "sResultSetId: \nr1\nHex: 7231\n\npcAttributeSetId: NULL attype: 1 attval: 4   \n\n");

    KivSearchReq search;
    EXPECT_NE(printed([&](std::FILE* f) {
                  KivPrintSearchReq(f, &search);
              }).find("Hex: \nppsDatabaseNames:\n\npsSmallSetElementNames:NULL\n"),
              std::string::npos);
}

TEST(TraceApduPrinters, SortRequest) {
    KivSortReq request;
    request.ppsInputResultSetName.append(text("default"));
    request.sSortedResultSetName.pcValue = "sorted";

    KivSortKeySpec* byAttributes = request.ppsSortSequence.emplace();
    byAttributes->sSortElement.eSortElementType = SET_Generic;
    auto& key = byAttributes->sSortElement.uSortElement.psGeneric;
    key = std::make_unique<KivSortKey>();
    key->eSortKeyType = SKT_SortAttributes;
    key->uSortKey.psSortAttributes = std::make_unique<KivSortAttributes>();
    key->uSortKey.psSortAttributes->pcAttributeSetId = "1.2.840.10003.3.1";
    addAttribute(key->uSortKey.psSortAttributes->ppsAttributeElement, nullptr, 1, 4);
    byAttributes->eSortRelationType = SRT_Ascending;
    byAttributes->eSortCaseType = SCT_CaseInsensitive;
    byAttributes->psMVActionType = std::make_unique<KivMVAction>();
    byAttributes->psMVActionType->eMVActionType = SMT_Constant;
    byAttributes->psMVActionType->psConstant = octets("zzz");

    KivSortKeySpec* byField = request.ppsSortSequence.emplace();
    byField->sSortElement.eSortElementType = SET_DbSpecific;
    KivSortDbSpecific* inBooks = byField->sSortElement.uSortElement.ppsDbSpecific.emplace();
    inBooks->sDatabaseName.pcValue = "books";
    inBooks->sDbSort.eSortKeyType = SKT_SortField;
    inBooks->sDbSort.uSortKey.psSortField = text("title");
    byField->eSortRelationType = SRT_Descending;
    byField->eSortCaseType = SCT_CaseSensitive;

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintSortReq(f, &request); }),
              "SortRequest PDU\n"
              "psReferenceId: NULL\n"
              "ppsInputResultSetName:\n"
              "default\nHex: 64656661756c74\n"
              "\n"
              "sSortedResultSetName: sorted\nHex: 736f72746564\n"
              "ppsSortSequence:\n"
              "sSortElement: SET_Generic\n"
              "eSortKeyType: SKT_SortAttributes:\n"
              "pcAttributeSetId: 1.2.840.10003.3.1\n"
              "ppsAttributeElement:\n"
              "\npcAttributeSetId: NULL attype: 1 attval: 4   \n"
              "\neSortRelationType: SRT_Ascending\n"
              "eSortCaseType: SCT_CaseInsensitive\n"
              "psMVActionType: SMT_Constant: zzz\n"
              "sSortElement: SET_DbSpecific\n"
              "sDatabaseName: books\nHex: 626f6f6b73\n"
              "sDbSort: eSortKeyType: SKT_SortField: title\nHex: 7469746c65\n"
              "\n"
              "\neSortRelationType: SRT_Descending\n"
              "eSortCaseType: SCT_CaseSensitive\n"
              "psMVActionType: NULL\n"
              "\n"
              "ppsOtherInformation: NULL\n\n");
}

TEST(TraceApduPrinters, ExtendedServicesRequestAndResponse) {
    KivExtendedServicesReq request;
    request.psReferenceId = octets("es1");
    request.eFunction = ESF_Create;
    request.pcPackageType = "1.2.840.10003.9.5";
    request.psPackageName = text("upd1");
    request.psRetentionTime = std::make_unique<KivIntUnit>();
    request.psRetentionTime->ulValue = 7;
    KivPermissions* permissions = request.ppsPermissions.emplace();
    permissions->sUserId.pcValue = "lib";
    permissions->ppeAllowableFunctions.emplace(PAF_Present);
    request.eWaitAction = ESWA_Wait;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintExtendedServicesReq(f, &request); }),
              "ExtendedServicesRequest PDU\n"
              "psReferenceId: es1\n"
              "eFunction: ESF_Create\n"
              "pcPackageType: 1.2.840.10003.9.5\n"
              "psPackageName: upd1\nHex: 75706431\n"
              "psUserId: NULL\n"
              "psRetentionTime: \nulValue: 7\npsUnitSystem: NULL\npsUnitType: NULL\npsUnit: NULL\n"
              "pulScaleFactor: NULL\n"
              "ppsPermissions: \nuserId: lib\nHex: 6c6962\nppeAllowableFunctions:\nPAF_Present\n\n\n"
              "psDescription: NULL\n"
              "psOriginSpecificParameter: NULL\n"
              "eWaitAction: ESWA_Wait\n"
              "psElements: NULL\n"
              "ppsOtherInformation: NULL\n\n");

    KivExtendedServicesRsp response;
    response.eOperationStatus = ESOS_Failure;
    response.ppsDiagnostics.append(trace_test::bib1Diagnostic(1));
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintExtendedServicesRsp(f, &response); }),
              "ExtendServicesResponse PDU\npsReferenceId: NULL\neOperationStatus: ESOS_Failure\n"
              "ppsDiagnostics: \nDT_DefaultFormat:\npcDiagnosticSetId: 1.2.840.10003.4.1\nulCondition: 1\n\n"
              "psTaskPackage: NULL\nppsOtherInformation: NULL\n\n");
}

TEST(TraceApduPrinters, DeleteSegmentSortAndResourceReport) {
    KivDeleteResultSetReq deleteRequest;
    deleteRequest.ppsResultSetId.append(text("a"));
    deleteRequest.ppsResultSetId.append(text("b"));
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintDeleteResultSetReq(f, &deleteRequest); }),
              "DeleteResultSetRequest PDU\npsReferenceId: NULL\neDeleteFunction: DF_List\n"
              "ppsResultSetId: \na\nHex: 61\nb\nHex: 62\n\nppsOtherInformation: NULL\n\n");

    KivDeleteResultSetRsp deleteResponse;
    deleteResponse.ppsDeleteListStatuses.emplace(KivInternationalString{"a"}, DSS_Success);
    deleteResponse.ppsDeleteListStatuses.emplace(KivInternationalString{"b"}, DSS_ResultSetDidNotExist);
    deleteResponse.pulNumberNotDeleted = 1;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintDeleteResultSetRsp(f, &deleteResponse); }),
              "DeleteResultSetResponse PDU\npsReferenceId: NULL\neDeleteOperationStatus: DSS_Success\n"
              "ppsDeleteListStatuses: \n"
              "sResultSetId: a\nHex: 61\neDeleteSetStatus: DSS_Success\n"
              "sResultSetId: b\nHex: 62\neDeleteSetStatus: DSS_ResultSetDidNotExist\n"
              "\n"
              "pulNumberNotDeleted: 1\nppsBulkStatuses: NULL\npsDeleteMessage: NULL\nppsOtherInformation: "
              "NULL\n\n");

    KivSegmentReq segment;
    segment.ulNumberOfRecordsReturned = 1;
    KivResponseRecord* part = segment.ppsSegmentRecords.emplace();
    part->eDbRecordType = DRT_IntermediateFragment;
    part->uDbRecord.psIntermediateFragment = std::make_unique<KivFragmentSyntax>();
    part->uDbRecord.psIntermediateFragment->eFragmentSyntaxType = FST_NotExternallyTagged;
    part->uDbRecord.psIntermediateFragment->uFragmentSyntax.psNotExternallyTagged = octets("part");
    EXPECT_EQ(
        printed([&](std::FILE* f) { KivPrintSegmentReq(f, &segment); }),
        "SegmentRequest PDU\npsReferenceId: NULL\nulNumberOfRecordsReturned: 1\nppsSegmentRecords:\n"
        "\npsDatabaseName: NULL\nDRT_IntermediateFragment:\neFragmentSyntaxType: FST_NotExternallyTagged\n"
        "part\n\nppsOtherInformation: NULL\n\n");

    KivSortRsp sort;
    sort.peResultSetStatus = SRSS_Unchanged;
    EXPECT_EQ(
        printed([&](std::FILE* f) { KivPrintSortRsp(f, &sort); }),
        "SortResponse PDU\npsReferenceId: NULL\neSortStatus: SOS_Success\npeResultSetStatus: SRSS_Unchanged\n"
        "ppsDiagnostics: NULL\nppsOtherInformation: NULL\n\n");

    KivResourceReportReq report;
    report.psOperationId = octets("op");
    report.pcPrefResourceReportFormat = "1.2.840.10003.7.1";
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintResourceReportReq(f, &report); }),
              "ResourceReportRequest PDU\npsReferenceId: NULL\npsOperationId: op\n"
              "pcPrefResourceReportFormat: 1.2.840.10003.7.1\nppsOtherInformation: NULL\n\n");
}

TEST(TraceApduPrinters, AccessControl) {
    KivAccessControlRsp response;
    EXPECT_EQ(
        printed([&](std::FILE* f) { KivPrintAccessControlRsp(f, &response); }),
        "AccessControlResponse PDU\npsReferenceId: NULL\npsSecurityChallengeRsp: NULL\npsDiagnostic:\nNULL\n"
        "ppsOtherInformation: NULL\n\n");
    response.psSecurityChallengeRsp = std::make_unique<KivSecurityChallengeRsp>();
    response.psSecurityChallengeRsp->eSecurityChallengeRspType = SECT_SimpleForm;
    response.psSecurityChallengeRsp->uSecurityChallengeRsp.psSimpleForm = octets("abc");
    response.psDiagnostic = trace_test::bib1Diagnostic(1014);
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintAccessControlRsp(f, &response); }),
              "AccessControlResponse PDU\npsReferenceId: NULL\npsSecurityChallengeRsp: \n"
              "eSecurityChallengeRspType: SECT_SimpleForm\npsSimpleForm: abc\n"
              "psDiagnostic:\nDT_DefaultFormat:\npcDiagnosticSetId: 1.2.840.10003.4.1\nulCondition: 1014\n"
              "ppsOtherInformation: NULL\n\n");

    KivAccessControlReq request;
    request.psReferenceId = octets("r");
    request.sSecurityChallengeReq.eSecurityChallengeReqType = SECT_ExternallyDefined;
    auto& prompt = request.sSecurityChallengeReq.uSecurityChallengeReq.psExternallyDefinedInfo;
    prompt = std::make_unique<KivExternal>();
    prompt->pcObjectIdentifier = "1.2.840.10003.8.1";
    prompt->eValueType = EVT_OctetAligned;
    prompt->uExternalValue.psOctetAligned = octets("prompt");
    EXPECT_EQ(
        printed([&](std::FILE* f) { KivPrintAccessControlReq(f, &request); }),
        "AccessControlRequest PDU\npsReferenceId: r\nsSecurityChallengeReq:\n"
        "eSecurityChallengeReqType: SECT_ExternallyDefined\npsExternallyDefinedInfo:\n"
        "\tObjectIdentifier: 1.2.840.10003.8.1\n\teValueType: EVT_OctetAligned\n\tpsOctetAligned:prompt\n"
        "ppsOtherInformation: NULL\n\n");
    request.sSecurityChallengeReq.eSecurityChallengeReqType = SECT_Invalid;
    EXPECT_NE(printed([&](std::FILE* f) {
                  KivPrintAccessControlReq(f, &request);
              }).find("eSecurityChallengeReqType: SECT_Invalid\nppsOtherInformation: "),
              std::string::npos);
}

TEST(TraceApduPrinters, ResourceControl) {
    KivResourceControlReq request;
    request.pePartialResultsAvailable = PRA_Interim2;
    request.fResponseRequired = 1;
    request.pfTriggeredRequestFlag = 0;
    EXPECT_EQ(
        printed([&](std::FILE* f) { KivPrintResourceControlReq(f, &request); }),
        "ResourceControlRequest PDU\npsReferenceId: NULL\npfSuspendedFlag: NULL\npsResourceReport: NULL\n"
        "pePartialResultsAvailable: PRA_Interim2\nfResponseRequired: KIV_TRUE\n"
        "pfTriggeredRequestFlag: KIV_FALSE\nppsOtherInformation: NULL\n\n");

    KivResourceControlRsp response;
    response.psReferenceId = octets("r");
    response.pfResultSetWanted = 1;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintResourceControlRsp(f, &response); }),
              "ResourceControlResponse PDU\npsReferenceId: r\nfContinueFlag: KIV_FALSE\npfResultSetWanted: "
              "KIV_TRUE\n"
              "ppsOtherInformation: NULL\n\n");

    KivTriggerResourceControlReq trigger;
    trigger.eRequestedAction = RA_Cancel;
    trigger.pcPreferredResourceReportFormat = "1.2.%s%d%n";
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintTriggerResourceControlReq(f, &trigger); }),
              "TriggerResourceControlRequest PDU\npsReferenceId: NULL\neRequestedAction: RA_Cancel\n"
              "pcPreferredResourceReportFormat: 1.2.%s%d%n\npfResultSetWanted: NULL\nppsOtherInformation: "
              "NULL\n\n");
}

}  // namespace
