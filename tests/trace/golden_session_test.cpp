// The APDUs of a traced session (Init with authentication, Search with an RPN query, Present with SUTRS and
// OPAC records and a diagnostic, Scan, Close) against golden trace text, byte for byte.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/trace_printers.h"

namespace {

using trace_test::addAttribute;
using trace_test::bib1Diagnostic;
using trace_test::octets;
using trace_test::printed;
using trace_test::readFile;
using trace_test::text;

std::string golden(const char* name) {
    return readFile(std::string(QUORVANE_TEST_SOURCE_DIR "/golden/") + name);
}

std::unique_ptr<KivRpnStructure> termNode(int32_t termType, const char* term,
                                          std::initializer_list<std::pair<uint32_t, uint32_t>> attributes,
                                          const char* set = nullptr) {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnOperand;
    node->uRPNStructure.psRpnOperand = std::make_unique<KivRpnOperand>();
    KivRpnOperand& operand = *node->uRPNStructure.psRpnOperand;
    operand.eOperandType = 1;
    operand.uOperand.psAttributesPlusTerm = std::make_unique<KivAttributesPlusTerm>();
    KivAttributesPlusTerm& plusTerm = *operand.uOperand.psAttributesPlusTerm;
    for (const auto& [type, value] : attributes) addAttribute(plusTerm.ppsAttributeElement, set, type, value);
    plusTerm.sTerm.eTermType = termType;
    if (termType == TT_SimpleCharacter) {
        plusTerm.sTerm.uTerm.psSimpleCharacter = text(term);
    } else {
        plusTerm.sTerm.uTerm.psGeneral = octets(term);
    }
    return node;
}

std::unique_ptr<KivRpnStructure> operatorNode(int32_t type, std::unique_ptr<KivRpnStructure> left,
                                              std::unique_ptr<KivRpnStructure> right) {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnLopRopOperator;
    node->uRPNStructure.psRpnLopRopOperator = std::make_unique<KivRpnLopRopOperator>();
    KivRpnLopRopOperator& op = *node->uRPNStructure.psRpnLopRopOperator;
    op.psLeftOperand = std::move(left);
    op.psRightOperand = std::move(right);
    op.sOperator.eOperatorType = type;
    return node;
}

TEST(TraceGoldenSession, InitRequestWithIdAndPassword) {
    KivInitializeReq request;
    request.psReferenceId = octets("ref1");
    request.pcProtocolVersion = "111";
    request.pcOptions = "11100000";
    request.ulPreferredMessageSize = 1048576;
    request.ulMaxmiumMessageSize = 1048576;
    request.psAuthentication = std::make_unique<KivIdAuthentication>();
    request.psAuthentication->eAuthenticationType = IAT_IdPass;
    request.psAuthentication->uAuthentication.psIdPass = std::make_unique<KivIdPass>();
    request.psAuthentication->uAuthentication.psIdPass->psUserId = text("librarian");
    request.psAuthentication->uAuthentication.psIdPass->psPassword = text("secret");
    request.psImplementationId = text("81");
    request.psImplementationName = text("yaz-client");
    request.psImplementationVersion = text("5.34");

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintInitializeReq(f, &request); }), golden("init_request.txt"));
}

TEST(TraceGoldenSession, InitResponse) {
    KivInitializeRsp response;
    response.psReferenceId = octets("ref1");
    response.pcProtocolVersion = "111";
    response.pcOptions = "11100000";
    response.ulPreferredMessageSize = 32768;
    response.ulMaxmiumMessageSize = 1048576;
    response.fResult = 1;
    response.psImplementationId = text("QV1");
    response.psImplementationName = text("Quorvane");
    response.psImplementationVersion = text("1.0");
    KivOtherInformation* welcome = response.ppsOtherInformation.emplace();
    welcome->psInfoCategory = std::make_unique<KivInfoCategory>();
    welcome->psInfoCategory->pcCategoryTypeId = "1.2.840.10003.13.3";
    welcome->psInfoCategory->ulCategoryValue = 1;
    welcome->eInformationType = IT_CharacterInfo;
    welcome->uInformation.psCharacterInfo = text("welcome");

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintInitializeRsp(f, &response); }),
              golden("init_response.txt"));
}

// (title=cat AND author=smith OR subject=dogs) ANDNOT (mouse PROX trap)
TEST(TraceGoldenSession, SearchRequestWithRpnQuery) {
    KivSearchReq request;
    request.ulLargeSetLowerBound = 1;
    request.fReplaceIndicator = 1;
    request.sResultSetName.pcValue = "default";
    request.ppsDatabaseNames.append(text("books"));
    request.ppsDatabaseNames.append(text("serials"));
    request.psSmallSetElementNames = std::make_unique<KivElementSetNames>();
    request.psSmallSetElementNames->eElementSetType = EST_Generic;
    request.psSmallSetElementNames->uElementSet.psGeneric = text("F");
    request.pcPreferredRecordSyntax = "1.2.840.10003.5.10";

    auto both = operatorNode(2, termNode(TT_General, "cat", {{1, 4}}),
                             termNode(TT_General, "smith", {{1, 1003}}, "1.2.840.10003.3.1"));
    auto either = operatorNode(1, std::move(both), termNode(TT_SimpleCharacter, "dogs", {{1, 21}}));
    auto near = operatorNode(4, termNode(TT_General, "mouse", {{1, 4}}),
                             termNode(TT_General, "trap", {{1, 4}, {2, 3}}));
    auto& proximity = near->uRPNStructure.psRpnLopRopOperator->sOperator.psProximityOperator;
    proximity = std::make_unique<KivProximityOperator>();
    proximity->ulDistance = 1;
    proximity->fOrdered = 1;
    proximity->eProximityRelationType = PRT_LessThanOrEqual;
    proximity->sProximityUnitCode.eProximityUnitType = PUT_Known;
    proximity->sProximityUnitCode.uProximityUnit.eKnownProximityUnit = KPU_Word;

    request.psQuery = std::make_unique<KivQuery>();
    request.psQuery->eQueryType = QT_Rpn;
    request.psQuery->uQuery.psRpnQuery = std::make_unique<KivRPNQuery>();
    KivRPNQuery& rpn = *request.psQuery->uQuery.psRpnQuery;
    rpn.pcAttributeSetId = "1.2.840.10003.3.1";
    rpn.sRpnStructure = std::move(*operatorNode(3, std::move(either), std::move(near)));

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintSearchReq(f, &request); }), golden("search_request.txt"));
}

TEST(TraceGoldenSession, SearchResponseWithNonSurrogateDiagnostic) {
    KivSearchRsp response;
    response.psReferenceId = octets("ref2");
    response.peResultSetStatus = RSS_None;
    response.psRecords = std::make_unique<KivRecords>();
    response.psRecords->eRecordType = RT_NonSurrDiagnostics;
    response.psRecords->uRecord.psNonSurrogateDiag = std::move(bib1Diagnostic(114)->uDiagnostics.psDefault);
    KivAdditionalInfo& additional = response.psRecords->uRecord.psNonSurrogateDiag->sAdditionalInfo;
    additional.eProtocolVersionInForce = PVIF_Version2;
    additional.uAdditionalInfo.pcV2 = "9999";

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintSearchRsp(f, &response); }), golden("search_response.txt"));
}

std::unique_ptr<KivExternal> opacExternal() {
    return trace_test::singleExternal("1.2.840.10003.5.102", AT_OpacRecord, [](auto& content) {
        content.psOpacRecord = std::make_unique<KivOpacRecord>();
        KivOpacRecord& opac = *content.psOpacRecord;
        opac.psBibliographicRecord = std::make_unique<KivExternal>();
        opac.psBibliographicRecord->pcObjectIdentifier = "1.2.840.10003.5.10";
        opac.psBibliographicRecord->eValueType = EVT_OctetAligned;
        opac.psBibliographicRecord->uExternalValue.psOctetAligned = octets("marc-record-octets");
        KivHoldingsRecord* holdings = opac.ppsHoldingsData.emplace();
        holdings->eHoldingsRecType = HRT_HoldingsAndCirc;
        KivHoldingsAndCirc& circ = holdings->uMarcOrHoldAndCirc.sHoldingsAndCirc;
        circ.psLocalLocation = text("Main");
        circ.psCallNumber = text("QA76.9");
        circ.psEnumAndChron = text("v.1-2");
        circ.ppsVolume.emplace()->psEnumeration = text("v.1");
        KivCircRecord* item = circ.ppsCircRecord.emplace();
        item->fAvailableNow = 1;
        item->psItemId = text("B1001");
        item->psEnumAndChron = text("v.1");
    });
}

TEST(TraceGoldenSession, PresentResponseWithSutrsOpacAndDiagnostic) {
    KivPresentRsp response;
    response.ulNumberOfRecordsReturned = 3;
    response.ulNextResultSetPosition = 4;
    response.ePresentStatus = PS_Success;
    response.psRecords = std::make_unique<KivRecords>();
    response.psRecords->eRecordType = RT_Response;
    auto& records = response.psRecords->uRecord.ppsResponseRecord;

    KivResponseRecord* sutrs = records.emplace();
    sutrs->psDatabaseName = text("books");
    sutrs->eDbRecordType = DRT_Retrieval;
    sutrs->uDbRecord.psRetrievalRecord = trace_test::sutrsExternal("Title: Cats");

    KivResponseRecord* opac = records.emplace();
    opac->psDatabaseName = text("books");
    opac->eDbRecordType = DRT_Retrieval;
    opac->uDbRecord.psRetrievalRecord = opacExternal();

    KivResponseRecord* failed = records.emplace();
    failed->eDbRecordType = DRT_SurrogateDiagnostics;
    failed->uDbRecord.psSurrogateDiagnostic = bib1Diagnostic(17);
    KivAdditionalInfo& additional =
        failed->uDbRecord.psSurrogateDiagnostic->uDiagnostics.psDefault->sAdditionalInfo;
    additional.eProtocolVersionInForce = PVIF_Version3;
    additional.uAdditionalInfo.psV3 = text("record too big");

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintPresentRsp(f, &response); }),
              golden("present_response.txt"));
}

TEST(TraceGoldenSession, ScanRequest) {
    KivScanReq request;
    request.ppsDatabaseNames.append(text("books"));
    request.pcAttributeSetId = "1.2.840.10003.3.1";
    addAttribute(request.sAttributesPlusTerm.ppsAttributeElement, nullptr, 1, 4);
    request.sAttributesPlusTerm.sTerm.eTermType = TT_General;
    request.sAttributesPlusTerm.sTerm.uTerm.psGeneral = octets("cat");
    request.ulNumberOfTermsRequested = 3;
    request.pulPreferredPositionInResponse = 1;

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintScanReq(f, &request); }), golden("scan_request.txt"));
}

KivTermInfo* addTermEntry(KivListEntries& entries, const char* term) {
    KivEntry* entry = entries.ppsEntry.emplace();
    entry->eEntryType = ET_TermInfo;
    entry->uEntry.psTermInfo = std::make_unique<KivTermInfo>();
    KivTermInfo* info = entry->uEntry.psTermInfo.get();
    info->sTerm.eTermType = TT_General;
    info->sTerm.uTerm.psGeneral = octets(term);
    return info;
}

TEST(TraceGoldenSession, ScanResponse) {
    KivScanRsp response;
    response.pulStepSize = 0;
    response.eScanStatus = SCS_Success;
    response.ulNumberOfEntriesReturned = 3;
    response.pulPositionOfTerm = 1;
    response.psEntries = std::make_unique<KivListEntries>();

    KivTermInfo* cat = addTermEntry(*response.psEntries, "cat");
    cat->psDisplayTerm = text("cat");
    cat->pulGlobalOccurrences = 12;

    KivTermInfo* cats = addTermEntry(*response.psEntries, "cats");
    cats->pulGlobalOccurrences = 3;
    KivOccurrenceByAttributes* byAttributes = cats->ppsByAttributes.emplace();
    addAttribute(byAttributes->ppsAttributeElement, nullptr, 1, 4);
    byAttributes->psOccurrence = std::make_unique<KivOccurrence>();
    byAttributes->psOccurrence->eOccurrenceType = OT_ByDatabase;
    KivOccurrenceByDb* inBooks = byAttributes->psOccurrence->uOccurrence.ppsOccurrenceByDb.emplace();
    inBooks->sDatabaseName.pcValue = "books";
    inBooks->pulNumber = 3;

    KivEntry* failed = response.psEntries->ppsEntry.emplace();
    failed->eEntryType = ET_SurrogateDiagnostic;
    failed->uEntry.psSurrogateDiagnostic = bib1Diagnostic(2);
    KivAdditionalInfo& additional =
        failed->uEntry.psSurrogateDiagnostic->uDiagnostics.psDefault->sAdditionalInfo;
    additional.eProtocolVersionInForce = PVIF_Version2;
    additional.uAdditionalInfo.pcV2 = "temporary system error";
    response.pcAttributeSetId = "1.2.840.10003.3.1";

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintScanRsp(f, &response); }), golden("scan_response.txt"));
}

TEST(TraceGoldenSession, Close) {
    KivClose close;
    close.eCloseReason = CR_LackOfActivity;
    close.psDiagnosticInformation = text("idle timeout");

    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintClose(f, &close); }), golden("close.txt"));
}

}  // namespace
