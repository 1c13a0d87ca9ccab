// The target's response calls: each valid record is checked, traced, converted and sent, and the peer, which
// speaks through the codec, decodes the expected APDU field by field; invalid records and refused events
// send nothing. Last, a target association runs Init, Search, Present, Scan and Close over loopback TCP
// against an origin written with the codec.
#include "toolkit/session/response_services.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/session/peer_codec_values.h"
#include "tests/session/transport_fixture.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/close_service.h"
#include "toolkit/session/receive_data_target.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/target_association.h"
#include "toolkit/session/transport_message_size.h"

namespace {

using namespace codec::z3950;

constexpr const char* kBib1Diagnostics = "1.2.840.10003.4.1";

// ---- Records an application builds ----

std::unique_ptr<KivOctets> octets(const std::string& value) {
    return std::unique_ptr<KivOctets>(new KivOctets{value});
}
std::unique_ptr<KivInternationalString> text(const std::string& value) {
    return std::unique_ptr<KivInternationalString>(new KivInternationalString{value});
}
std::unique_ptr<KivExternal> octetExternal(const std::string& oid, const std::string& value) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_OctetAligned;
    external->uExternalValue.psOctetAligned = octets(value);
    return external;
}
KivArray<KivOtherInformation> otherInfo(const std::string& value) {
    KivArray<KivOtherInformation> items;
    KivOtherInformation* item = items.emplace();
    item->eInformationType = IT_CharacterInfo;
    item->uInformation.psCharacterInfo = text(value);
    return items;
}
std::unique_ptr<KivDefaultDiagFormat> defaultDiag(uint32_t condition, const std::string& addinfo) {
    auto diag = std::make_unique<KivDefaultDiagFormat>();
    diag->pcDiagnosticSetId = kBib1Diagnostics;
    diag->ulCondition = condition;
    diag->sAdditionalInfo.eProtocolVersionInForce = PVIF_Version2;
    diag->sAdditionalInfo.uAdditionalInfo.pcV2 = addinfo;
    return diag;
}
std::unique_ptr<KivDiagRec> diagRec(uint32_t condition, const std::string& addinfo) {
    auto diag = std::make_unique<KivDiagRec>();
    diag->eDiagnosticsType = DT_DefaultFormat;
    diag->uDiagnostics.psDefault = defaultDiag(condition, addinfo);
    return diag;
}
// Response records: a USMARC record for each text, from the database "books".
std::unique_ptr<KivRecords> marcRecords(const std::vector<std::string>& records) {
    auto result = std::make_unique<KivRecords>();
    result->eRecordType = RT_Response;
    result->uRecord.ppsResponseRecord = KivArray<KivResponseRecord>::emptyArray();
    for (const std::string& record : records) {
        KivResponseRecord* item = result->uRecord.ppsResponseRecord.emplace();
        item->psDatabaseName = text("books");
        item->eDbRecordType = DRT_Retrieval;
        item->uDbRecord.psRetrievalRecord = octetExternal(kUsmarc, record);
    }
    return result;
}
// Use 1=4 under bib-1.
KivArray<KivAttributeElement> useAttribute() {
    KivArray<KivAttributeElement> elements;
    KivAttributeElement* use = elements.emplace();
    use->pcAttributeSetId = kBib1;
    use->ulAttributeType = 1;
    use->sAttributeValue.eAttributeValueType = 1;
    use->sAttributeValue.uAttributeValue.ulNumeric = 4;
    return elements;
}
KivTerm characterTerm(const std::string& value) {
    KivTerm term;
    term.eTermType = TT_SimpleCharacter;
    term.uTerm.psSimpleCharacter = text(value);
    return term;
}
// A term-info entry of the term with the number of its occurrences.
std::unique_ptr<KivEntry> termEntry(const std::string& term, uint32_t occurrences) {
    auto entry = std::make_unique<KivEntry>();
    entry->eEntryType = ET_TermInfo;
    entry->uEntry.psTermInfo = std::make_unique<KivTermInfo>();
    entry->uEntry.psTermInfo->sTerm = characterTerm(term);
    entry->uEntry.psTermInfo->pulGlobalOccurrences = occurrences;
    return entry;
}

// The smallest valid record of each call.
KivInitializeRsp validInit() {
    KivInitializeRsp rsp;
    rsp.pcProtocolVersion = "111";
    rsp.pcOptions = "111";
    rsp.fResult = 1;
    return rsp;
}
KivScanRsp validScan() {
    KivScanRsp rsp;
    rsp.psEntries = std::make_unique<KivListEntries>();
    rsp.psEntries->ppsEntry.append(termEntry("alpha", 1));
    rsp.psEntries->ppsEntry.append(termEntry("beta", 2));
    return rsp;
}
KivAccessControlReq validAccessControl() {
    KivAccessControlReq req;
    req.sSecurityChallengeReq.eSecurityChallengeReqType = SECT_SimpleForm;
    req.sSecurityChallengeReq.uSecurityChallengeReq.psSimpleForm = octets("challenge");
    return req;
}
KivResourceControlReq validResourceControl(uint32_t responseRequired) {
    KivResourceControlReq req;
    req.fResponseRequired = responseRequired;
    return req;
}
KivExtendedServicesRsp validExtendedServices() {
    KivExtendedServicesRsp rsp;
    rsp.eOperationStatus = ESOS_Done;
    return rsp;
}

// ---- What the peer reads ----

// A decoded APDU, freed with its holder.
class Decoded {
  public:
    explicit Decoded(PDU pdu) : pdu_(pdu) {}
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;
    ~Decoded() { FreePDU(&pdu_); }
    const PDU& operator*() const { return pdu_; }
    const PDU* operator->() const { return &pdu_; }

  private:
    PDU pdu_;
};

std::string textOf(const BerOctets& value) {
    if (value.octets == nullptr) return "<absent>";
    return std::string(reinterpret_cast<const char*>(value.octets), static_cast<size_t>(value.length));
}
std::string bitsOf(const BerBits& bits) {
    std::string value;
    for (int32_t i = 0; i < bits.bitCount; ++i) value += ASN_GetBitStringBit(&bits, i) != 0 ? '1' : '0';
    return value;
}
std::string oidOf(const BerOid& oid) {
    std::optional<std::string> dotted;
    KivOptionalOidFromCodec(&dotted, &oid);
    return dotted.value_or("<absent>");
}
std::string characterInfoOf(const BerList* list) {
    KivArray<KivOtherInformation> items;
    KivOptionalOtherInformationFromCodec(&items, list);
    if (items.size() != 1 || items[0]->uInformation.psCharacterInfo == nullptr)
        return "<not one character item>";
    return items[0]->uInformation.psCharacterInfo->pcValue;
}
std::string externalOf(const EXTERNAL* external) {
    if (external == nullptr) return "<null>";
    KivExternal value;
    KivExternalFromCodec(&value, external);
    const auto& aligned = value.uExternalValue.psOctetAligned;
    return value.pcObjectIdentifier.value_or("<no oid>") + " " +
           (aligned ? aligned->pcValue : "<not aligned>");
}
// "condition/addinfo" of a default-format diagnostic.
std::string diagnosticOf(const DiagRec* diag) {
    if (diag == nullptr) return "<null>";
    KivDiagRec value;
    KivDiagRecFromCodec(&value, diag);
    const auto& format = value.uDiagnostics.psDefault;
    if (format == nullptr) return "<not default>";
    return std::to_string(format->ulCondition) + "/" +
           format->sAdditionalInfo.uAdditionalInfo.pcV2.value_or("");
}
// The values of a codec list, in order.
template <typename T>
std::vector<const T*> itemsOf(const BerList* list) {
    std::vector<const T*> items;
    kivForEachCodecListValue<T>(list, [&](const T& item) { items.push_back(&item); });
    return items;
}

class ResponseServicesTest : public TransportFixture {
  protected:
    // A target association on a new socket pair in the state; returns the peer's end.
    int associationIn(KivAssocId id, int state) {
        auto [target, peer] = socketPair();
        registerOn(id, target, state);
        return peer;
    }
    static Decoded sentTo(int peer) { return Decoded(decodeApdu(readApdu(peer))); }
    static long codeOf(const SIError* error) {
        return error != nullptr ? error->uErrorCode.lIfOsCoError : -1;
    }
};

// One call with a valid record, from the state in which the target may make it.
struct ValidCall {
    const char* name;
    int stateBefore;
    int stateAfter;
    int32_t choiceId;
    const char* title;
    std::function<SIResult(KivAssocId, SIError**)> call;
};

const std::vector<ValidCall>& validCalls() {
    static const std::vector<ValidCall> calls = {
        {"KIVInitializeResponse", KIV_TS_INIT_RECVD, KIV_TS_OPEN, PDU::kInitResponse,
         "## InitializeRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivInitializeRsp rsp = validInit();
             return KIVInitializeResponse(id, &rsp, e);
         }},
        {"KIVInitializeResponse", KIV_TS_INIT_RECVD, KIV_TS_ASSOCIATION, PDU::kInitResponse,
         "## InitializeRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             KivInitializeRsp rsp = validInit();
             rsp.fResult = 0;
             return KIVInitializeResponse(id, &rsp, e);
         }},
        {"KIVSearchResponse", KIV_TS_SEARCH_RECVD, KIV_TS_OPEN, PDU::kSearchResponse, "## SearchRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivSearchRsp rsp;
             return KIVSearchResponse(id, &rsp, e);
         }},
        {"KIVPresentResponse", KIV_TS_PRESENT_RECVD, KIV_TS_OPEN, PDU::kPresentResponse,
         "## PresentRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivPresentRsp rsp;
             return KIVPresentResponse(id, &rsp, e);
         }},
        {"KIVDeleteResultSetResponse", KIV_TS_DELETE_RECVD, KIV_TS_OPEN, PDU::kDeleteResultSetResponse,
         "## DeleteResultSetRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivDeleteResultSetRsp rsp;
             return KIVDeleteResultSetResponse(id, &rsp, e);
         }},
        {"KIVScanResponse", KIV_TS_SCAN_RECVD, KIV_TS_OPEN, PDU::kScanResponse, "## ScanRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivScanRsp rsp = validScan();
             return KIVScanResponse(id, &rsp, e);
         }},
        {"KIVResourceReportResponse", KIV_TS_RESOURCE_REPORT_RECVD, KIV_TS_OPEN, PDU::kResourceReportResponse,
         "## ResourceReportRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivResourceReportRsp rsp;
             return KIVResourceReportResponse(id, &rsp, e);
         }},
        {"KIVSortResponse", KIV_TS_SORT_RECVD, KIV_TS_OPEN, PDU::kSortResponse, "## SortRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivSortRsp rsp;
             return KIVSortResponse(id, &rsp, e);
         }},
        {"KIVExtendedServicesResponse", KIV_TS_EXTENDED_SERVICE_RECVD, KIV_TS_OPEN,
         PDU::kExtendedServicesResponse, "## ExtendedServicesRsp PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivExtendedServicesRsp rsp = validExtendedServices();
             return KIVExtendedServicesResponse(id, &rsp, e);
         }},
        {"KIVAccessControlRequest", KIV_TS_SEARCH_RECVD, KIV_TS_ACCCNT_SENT, PDU::kAccessControlRequest,
         "## AccessControlReq PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivAccessControlReq req = validAccessControl();
             return KIVAccessControlRequest(id, &req, e);
         }},
        {"KIVResourceControlRequest", KIV_TS_SEARCH_RECVD, KIV_TS_RESCNT_SENT, PDU::kResourceControlRequest,
         "## ResourceControlReq PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivResourceControlReq req = validResourceControl(1);
             return KIVResourceControlRequest(id, &req, e);
         }},
        // Without a required response the request leaves the state alone.
        {"KIVResourceControlRequest", KIV_TS_SEARCH_RECVD, KIV_TS_SEARCH_RECVD, PDU::kResourceControlRequest,
         "## ResourceControlReq PDU ##\n",
         [](KivAssocId id, SIError** e) {
             const KivResourceControlReq req = validResourceControl(0);
             return KIVResourceControlRequest(id, &req, e);
         }},
    };
    return calls;
}

TEST_F(ResponseServicesTest, EachCallTracesAndSendsItsApduAndMovesTheState) {
    KivAssocId id = 0;
    for (const ValidCall& c : validCalls()) {
        ++id;
        const int peer = associationIn(id, c.stateBefore);
        const std::string file = "sent" + std::to_string(id) + ".txt";
        trace(id, Trace_High, file);
        SIError* error = nullptr;
        ASSERT_EQ(c.call(id, &error), SI_OK) << c.name << " " << codeOf(error);
        EXPECT_EQ(error, nullptr);
        EXPECT_EQ(SIGetState(id), c.stateAfter) << c.name;
        const Decoded sent = sentTo(peer);
        EXPECT_EQ(sent->choiceId, c.choiceId) << c.name;
        const std::string lines = linesAfterBanner(file);
        const std::string banner =
            "Brellin Pontrel for Windows Trace File Association: " + std::to_string(id) + "\n";
        const std::vector<std::string> parts = {
            banner + "**Entering function:" + c.name + "\n",
            "\nSending the following PDU:\n" + std::string(kRule) + c.title + "\n", kRule,
            "Encoding and sending PDU\nSend was successful\n",
            banner + "**Leaving function:" + c.name + "\nFunction returned: SI_OK\n\n"};
        size_t at = 0;
        for (const std::string& part : parts) {
            const size_t found = lines.find(part, at);
            ASSERT_NE(found, std::string::npos) << c.name << ": missing or out of order: " << part << "\n"
                                                << lines;
            at = found + part.size();
        }
    }
}

TEST_F(ResponseServicesTest, AnInitializeResponseSendsItsBitStringsAndFields) {
    const int peer = associationIn(1, KIV_TS_INIT_RECVD);
    KivInitializeRsp rsp;
    rsp.psReferenceId = octets("init-ref");
    rsp.pcProtocolVersion = "11";
    rsp.pcOptions = "11100000000000";
    rsp.ulPreferredMessageSize = 32768;
    rsp.ulMaxmiumMessageSize = 4 << 20;
    rsp.fResult = 1;
    rsp.psImplementationId = text("81");
    rsp.psImplementationName = text("Quorvane");
    rsp.psImplementationVersion = text("1.0");
    rsp.psUserInformationField = octetExternal("1.2.840.10003.10.3", "info");
    rsp.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVInitializeResponse(1, &rsp, &error), SI_OK);
    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kInitResponse);
    const InitializeResponse& init = *sent->initResponse;
    EXPECT_EQ(textOf(init.referenceId), "init-ref");
    EXPECT_EQ(bitsOf(init.protocolVersion), "11");
    EXPECT_EQ(bitsOf(init.options), "11100000000000") << "one bit per character, as many as the text has";
    EXPECT_EQ(init.preferredMessageSize, 32768);
    EXPECT_EQ(init.exceptionalRecordSize, 4 << 20);
    EXPECT_EQ(init.result, 1);
    EXPECT_EQ(textOf(init.implementationId), "81");
    EXPECT_EQ(textOf(init.implementationName), "Quorvane");
    EXPECT_EQ(textOf(init.implementationVersion), "1.0");
    EXPECT_EQ(externalOf(init.userInformationField), "1.2.840.10003.10.3 info");
    EXPECT_EQ(characterInfoOf(init.otherInfo), "other");
    EXPECT_EQ(siReceivedApduCap(1), size_t{8} << 20) << "twice the negotiated 4 MiB";
}

TEST_F(ResponseServicesTest, ASearchResponseSendsItsStatusesAndRecords) {
    const int peer = associationIn(1, KIV_TS_SEARCH_RECVD);
    KivSearchRsp rsp;
    rsp.psReferenceId = octets("s-ref");
    rsp.ulResultCount = 42;
    rsp.ulNumberOfRecordsReturned = 2;
    rsp.ulNextResultSetPosition = 3;
    rsp.fSearchStatus = 1;
    rsp.peResultSetStatus = RSS_Interim;
    rsp.pePresentStatus = PS_Partial_2;
    rsp.psRecords = marcRecords({"record one"});
    KivResponseRecord* surrogate = rsp.psRecords->uRecord.ppsResponseRecord.emplace();
    surrogate->eDbRecordType = DRT_SurrogateDiagnostics;
    surrogate->uDbRecord.psSurrogateDiagnostic = diagRec(14, "gone");
    rsp.ppsAdditionalSearchInfo = otherInfo("additional");
    rsp.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVSearchResponse(1, &rsp, &error), SI_OK);
    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kSearchResponse);
    const SearchResponse& search = *sent->searchResponse;
    EXPECT_EQ(textOf(search.referenceId), "s-ref");
    EXPECT_EQ(search.resultCount, 42);
    EXPECT_EQ(search.numberOfRecordsReturned, 2);
    EXPECT_EQ(search.nextResultSetPosition, 3);
    EXPECT_EQ(search.searchStatus, 1);
    ASSERT_NE(search.resultSetStatus, nullptr);
    EXPECT_EQ(*search.resultSetStatus, 2);
    ASSERT_NE(search.presentStatus, nullptr);
    EXPECT_EQ(*search.presentStatus, 2);
    ASSERT_NE(search.records, nullptr);
    ASSERT_EQ(search.records->choiceId, Records::kResponseRecords);
    const auto records = itemsOf<NamePlusRecord>(search.records->responseRecords);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(textOf(records[0]->name), "books");
    ASSERT_EQ(records[0]->record->choiceId, NamePlusRecordRecord::kRetrievalRecord);
    EXPECT_EQ(externalOf(records[0]->record->retrievalRecord), std::string(kUsmarc) + " record one");
    ASSERT_EQ(records[1]->record->choiceId, NamePlusRecordRecord::kSurrogateDiagnostic);
    EXPECT_EQ(diagnosticOf(records[1]->record->surrogateDiagnostic), "14/gone");
    EXPECT_EQ(characterInfoOf(search.additionalSearchInfo), "additional");
    EXPECT_EQ(characterInfoOf(search.otherInfo), "other");

    // The optional parts stay out when unset.
    const int bare = associationIn(2, KIV_TS_SEARCH_RECVD);
    const KivSearchRsp empty;
    ASSERT_EQ(KIVSearchResponse(2, &empty, &error), SI_OK);
    const Decoded minimal = sentTo(bare);
    EXPECT_EQ(minimal->searchResponse->referenceId.octets, nullptr);
    EXPECT_EQ(minimal->searchResponse->resultSetStatus, nullptr);
    EXPECT_EQ(minimal->searchResponse->presentStatus, nullptr);
    EXPECT_EQ(minimal->searchResponse->records, nullptr);
    EXPECT_EQ(minimal->searchResponse->additionalSearchInfo, nullptr);
    EXPECT_EQ(minimal->searchResponse->otherInfo, nullptr);
}

TEST_F(ResponseServicesTest, APresentResponseSendsItsStatusAndDiagnostic) {
    const int peer = associationIn(1, KIV_TS_PRESENT_RECVD);
    KivPresentRsp rsp;
    rsp.psReferenceId = octets("p-ref");
    rsp.ulNumberOfRecordsReturned = 0;
    rsp.ulNextResultSetPosition = 11;
    rsp.ePresentStatus = PS_Failure;
    rsp.psRecords = std::make_unique<KivRecords>();
    rsp.psRecords->eRecordType = RT_NonSurrDiagnostics;
    rsp.psRecords->uRecord.psNonSurrogateDiag = defaultDiag(13, "out of range");
    rsp.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVPresentResponse(1, &rsp, &error), SI_OK);
    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kPresentResponse);
    const PresentResponse& present = *sent->presentResponse;
    EXPECT_EQ(textOf(present.referenceId), "p-ref");
    EXPECT_EQ(present.numberOfRecordsReturned, 0);
    EXPECT_EQ(present.nextResultSetPosition, 11);
    EXPECT_EQ(present.presentStatus, 5);
    ASSERT_NE(present.records, nullptr);
    ASSERT_EQ(present.records->choiceId, Records::kNonSurrogateDiagnostic);
    EXPECT_EQ(present.records->nonSurrogateDiagnostic->condition, 13);
    EXPECT_EQ(oidOf(present.records->nonSurrogateDiagnostic->diagnosticSetId), kBib1Diagnostics);
    EXPECT_EQ(characterInfoOf(present.otherInfo), "other");
}

TEST_F(ResponseServicesTest, ADeleteResultSetResponseSendsItsListStatuses) {
    const int peer = associationIn(1, KIV_TS_DELETE_RECVD);
    KivDeleteResultSetRsp rsp;
    rsp.psReferenceId = octets("d-ref");
    rsp.eDeleteOperationStatus = DSS_NotAllRequestedSetsDeleted;
    rsp.ppsDeleteListStatuses.emplace(KivInternationalString{"a"}, DSS_Success);
    rsp.ppsDeleteListStatuses.emplace(KivInternationalString{"b"}, DSS_ResultSetDidNotExist);
    rsp.pulNumberNotDeleted = 1;
    rsp.ppsBulkStatuses.emplace(KivInternationalString{"c"}, DSS_ResultSetInUse);
    rsp.psDeleteMessage = text("partly");
    rsp.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVDeleteResultSetResponse(1, &rsp, &error), SI_OK);
    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kDeleteResultSetResponse);
    const DeleteResultSetResponse& del = *sent->deleteResultSetResponse;
    EXPECT_EQ(textOf(del.referenceId), "d-ref");
    EXPECT_EQ(del.deleteOperationStatus, 9);
    const auto statuses = itemsOf<ListStatusesItem>(del.deleteListStatuses);
    ASSERT_EQ(statuses.size(), 2u);
    EXPECT_EQ(textOf(statuses[0]->id), "a");
    EXPECT_EQ(statuses[0]->status, 0);
    EXPECT_EQ(textOf(statuses[1]->id), "b");
    EXPECT_EQ(statuses[1]->status, 1);
    ASSERT_NE(del.numberNotDeleted, nullptr);
    EXPECT_EQ(*del.numberNotDeleted, 1);
    const auto bulk = itemsOf<ListStatusesItem>(del.bulkStatuses);
    ASSERT_EQ(bulk.size(), 1u);
    EXPECT_EQ(textOf(bulk[0]->id), "c");
    EXPECT_EQ(bulk[0]->status, 10);
    EXPECT_EQ(textOf(del.deleteMessage), "partly");
    EXPECT_EQ(characterInfoOf(del.otherInfo), "other");
}

TEST_F(ResponseServicesTest, AScanResponseSendsEveryPartOfItsEntries) {
    const int peer = associationIn(1, KIV_TS_SCAN_RECVD);
    KivScanRsp rsp;
    rsp.psReferenceId = octets("sc-ref");
    rsp.pulStepSize = 0;
    rsp.eScanStatus = SCS_Partial_1;
    rsp.ulNumberOfEntriesReturned = 2;
    rsp.pulPositionOfTerm = 1;
    rsp.psEntries = std::make_unique<KivListEntries>();
    std::unique_ptr<KivEntry> entry = termEntry("dickens", 42);
    KivTermInfo& info = *entry->uEntry.psTermInfo;
    info.psDisplayTerm = text("Dickens");
    info.ppsSuggestedAttribute = useAttribute();
    KivAttributesPlusTerm* alternative = info.ppsAlternativeTerm.emplace();
    alternative->ppsAttributeElement = useAttribute();
    alternative->sTerm = characterTerm("dickins");
    KivOccurrenceByAttributes* byDatabase = info.ppsByAttributes.emplace();
    byDatabase->ppsAttributeElement = useAttribute();
    byDatabase->psOccurrence = std::make_unique<KivOccurrence>();
    byDatabase->psOccurrence->eOccurrenceType = OT_ByDatabase;
    KivOccurrenceByDb* books = byDatabase->psOccurrence->uOccurrence.ppsOccurrenceByDb.emplace();
    books->sDatabaseName.pcValue = "books";
    books->pulNumber = 40;
    books->ppsOtherInformation = otherInfo("per database");
    byDatabase->ppsOtherInformation = otherInfo("per attributes");
    KivOccurrenceByAttributes* global = info.ppsByAttributes.emplace();
    global->ppsAttributeElement = useAttribute();
    global->psOccurrence = std::make_unique<KivOccurrence>();
    global->psOccurrence->eOccurrenceType = OT_Global;
    global->psOccurrence->uOccurrence.ulGlobal = 2;
    info.ppsOtherInformation = otherInfo("per term");
    rsp.psEntries->ppsEntry.append(std::move(entry));
    KivEntry* surrogate = rsp.psEntries->ppsEntry.emplace();
    surrogate->eEntryType = ET_SurrogateDiagnostic;
    surrogate->uEntry.psSurrogateDiagnostic = diagRec(1, "term");
    rsp.psEntries->ppsNonSurrogateDiagnostics.append(diagRec(2, "scan"));
    rsp.pcAttributeSetId = kBib1;
    rsp.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVScanResponse(1, &rsp, &error), SI_OK) << codeOf(error);

    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kScanResponse);
    const ScanResponse& scan = *sent->scanResponse;
    EXPECT_EQ(textOf(scan.referenceId), "sc-ref");
    ASSERT_NE(scan.stepSize, nullptr);
    EXPECT_EQ(*scan.stepSize, 0);
    EXPECT_EQ(scan.scanStatus, 1);
    EXPECT_EQ(scan.numberOfEntriesReturned, 2);
    ASSERT_NE(scan.positionOfTerm, nullptr);
    EXPECT_EQ(*scan.positionOfTerm, 1);
    EXPECT_EQ(oidOf(scan.attributeSet), kBib1);
    EXPECT_EQ(characterInfoOf(scan.otherInfo), "other");
    ASSERT_NE(scan.entries, nullptr);
    const auto entries = itemsOf<Entry>(scan.entries->entries);
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_EQ(entries[0]->choiceId, Entry::kTermInfo);
    const TermInfo& term = *entries[0]->termInfo;
    ASSERT_EQ(term.term->choiceId, Term::kCharacterString);
    EXPECT_EQ(textOf(*term.term->characterString), "dickens");
    EXPECT_EQ(textOf(term.displayTerm), "Dickens");
    const auto suggested = itemsOf<AttributeElement>(term.suggestedAttributes);
    ASSERT_EQ(suggested.size(), 1u);
    EXPECT_EQ(suggested[0]->attributeType, 1);
    EXPECT_EQ(suggested[0]->attributeValue->numeric, 4);
    const auto alternatives = itemsOf<AttributesPlusTerm>(term.alternativeTerm);
    ASSERT_EQ(alternatives.size(), 1u);
    EXPECT_EQ(textOf(*alternatives[0]->term->characterString), "dickins");
    ASSERT_NE(term.globalOccurrences, nullptr);
    EXPECT_EQ(*term.globalOccurrences, 42);
    const auto byAttributes = itemsOf<OccurrenceByAttributesItem>(term.byAttributes);
    ASSERT_EQ(byAttributes.size(), 2u);
    EXPECT_EQ(itemsOf<AttributeElement>(byAttributes[0]->attributes).size(), 1u);
    ASSERT_EQ(byAttributes[0]->occurrences->choiceId, OccurrenceByAttributesItemOccurrences::kByDatabase);
    const auto perDatabase = itemsOf<OccurrenceByAttributesItemOccurrencesByDatabaseItem>(
        byAttributes[0]->occurrences->byDatabase);
    ASSERT_EQ(perDatabase.size(), 1u);
    EXPECT_EQ(textOf(perDatabase[0]->db), "books");
    ASSERT_NE(perDatabase[0]->num, nullptr);
    EXPECT_EQ(*perDatabase[0]->num, 40);
    EXPECT_EQ(characterInfoOf(perDatabase[0]->otherDbInfo), "per database");
    EXPECT_EQ(characterInfoOf(byAttributes[0]->otherOccurInfo), "per attributes");
    ASSERT_EQ(byAttributes[1]->occurrences->choiceId, OccurrenceByAttributesItemOccurrences::kGlobal);
    EXPECT_EQ(byAttributes[1]->occurrences->global, 2);
    EXPECT_EQ(characterInfoOf(term.otherTermInfo), "per term");
    ASSERT_EQ(entries[1]->choiceId, Entry::kSurrogateDiagnostic);
    EXPECT_EQ(diagnosticOf(entries[1]->surrogateDiagnostic), "1/term");
    const auto nonSurrogate = itemsOf<DiagRec>(scan.entries->nonsurrogateDiagnostics);
    ASSERT_EQ(nonSurrogate.size(), 1u);
    EXPECT_EQ(diagnosticOf(nonSurrogate[0]), "2/scan");
}

TEST_F(ResponseServicesTest, AResourceReportResponseSendsItsReport) {
    const int peer = associationIn(1, KIV_TS_RESOURCE_REPORT_RECVD);
    KivResourceReportRsp rsp;
    rsp.psReferenceId = octets("rr-ref");
    rsp.eResourceReportStatus = RRS_Failure_6;
    rsp.psResourceReport = octetExternal("1.2.3.5", "report");
    rsp.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVResourceReportResponse(1, &rsp, &error), SI_OK);
    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kResourceReportResponse);
    EXPECT_EQ(textOf(sent->resourceReportResponse->referenceId), "rr-ref");
    EXPECT_EQ(sent->resourceReportResponse->resourceReportStatus, 7);
    EXPECT_EQ(externalOf(sent->resourceReportResponse->resourceReport), "1.2.3.5 report");
    EXPECT_EQ(characterInfoOf(sent->resourceReportResponse->otherInfo), "other");
}

TEST_F(ResponseServicesTest, ASortResponseSendsTheResultSetStatusCountedFromOne) {
    struct Case {
        int32_t status;
        BerInteger sent;
    };
    KivAssocId id = 0;
    for (const Case c : {Case{SRSS_Empty, 1}, Case{SRSS_Interim, 2}, Case{SRSS_None, 4}}) {
        const int peer = associationIn(++id, KIV_TS_SORT_RECVD);
        KivSortRsp rsp;
        rsp.psReferenceId = octets("so-ref");
        rsp.eSortStatus = SOS_Partial_1;
        rsp.peResultSetStatus = c.status;
        rsp.ppsDiagnostics.append(diagRec(237, "sort"));
        rsp.ppsOtherInformation = otherInfo("other");
        SIError* error = nullptr;
        ASSERT_EQ(KIVSortResponse(id, &rsp, &error), SI_OK);
        const Decoded sent = sentTo(peer);
        ASSERT_EQ(sent->choiceId, PDU::kSortResponse);
        const SortResponse& sort = *sent->sortResponse;
        EXPECT_EQ(textOf(sort.referenceId), "so-ref");
        EXPECT_EQ(sort.sortStatus, 1);
        ASSERT_NE(sort.resultSetStatus, nullptr);
        EXPECT_EQ(*sort.resultSetStatus, c.sent) << c.status;
        const auto diagnostics = itemsOf<DiagRec>(sort.diagnostics);
        ASSERT_EQ(diagnostics.size(), 1u);
        EXPECT_EQ(diagnosticOf(diagnostics[0]), "237/sort");
        EXPECT_EQ(characterInfoOf(sort.otherInfo), "other");
    }
}

TEST_F(ResponseServicesTest, AnExtendedServicesResponseSendsItsTaskPackage) {
    const int peer = associationIn(1, KIV_TS_EXTENDED_SERVICE_RECVD);
    KivExtendedServicesRsp rsp;
    rsp.psReferenceId = octets("es-ref");
    rsp.eOperationStatus = ESOS_Queued;
    rsp.ppsDiagnostics.append(diagRec(224, "es"));
    rsp.psTaskPackage = octetExternal("1.2.3.6", "package");
    rsp.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVExtendedServicesResponse(1, &rsp, &error), SI_OK);
    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kExtendedServicesResponse);
    const ExtendedServicesResponse& es = *sent->extendedServicesResponse;
    EXPECT_EQ(textOf(es.referenceId), "es-ref");
    EXPECT_EQ(es.operationStatus, 2);
    const auto diagnostics = itemsOf<DiagRec>(es.diagnostics);
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnosticOf(diagnostics[0]), "224/es");
    EXPECT_EQ(externalOf(es.taskPackage), "1.2.3.6 package");
    EXPECT_EQ(characterInfoOf(es.otherInfo), "other");
}

TEST_F(ResponseServicesTest, AnAccessControlRequestSendsEitherChallenge) {
    const int simplePeer = associationIn(1, KIV_TS_SEARCH_RECVD);
    KivAccessControlReq simple = validAccessControl();
    simple.psReferenceId = octets("ac-ref");
    simple.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVAccessControlRequest(1, &simple, &error), SI_OK);
    const Decoded sentSimple = sentTo(simplePeer);
    ASSERT_EQ(sentSimple->choiceId, PDU::kAccessControlRequest);
    const AccessControlRequest& first = *sentSimple->accessControlRequest;
    EXPECT_EQ(textOf(first.referenceId), "ac-ref");
    ASSERT_EQ(first.securityChallenge->choiceId, AccessControlRequestSecurityChallenge::kSimpleForm);
    EXPECT_EQ(textOf(*first.securityChallenge->simpleForm), "challenge");
    EXPECT_EQ(characterInfoOf(first.otherInfo), "other");

    const int externalPeer = associationIn(2, KIV_TS_PRESENT_RECVD);
    KivAccessControlReq external;
    external.sSecurityChallengeReq.eSecurityChallengeReqType = SECT_ExternallyDefined;
    external.sSecurityChallengeReq.uSecurityChallengeReq.psExternallyDefinedInfo =
        octetExternal("1.2.3.8", "prompt");
    ASSERT_EQ(KIVAccessControlRequest(2, &external, &error), SI_OK);
    const Decoded sentExternal = sentTo(externalPeer);
    const AccessControlRequest& second = *sentExternal->accessControlRequest;
    ASSERT_EQ(second.securityChallenge->choiceId, AccessControlRequestSecurityChallenge::kExternallyDefined);
    EXPECT_EQ(externalOf(second.securityChallenge->externallyDefined), "1.2.3.8 prompt");
    EXPECT_EQ(second.otherInfo, nullptr);
    EXPECT_EQ(SIGetState(2), KIV_TS_ACCCNT_SENT);
}

TEST_F(ResponseServicesTest, AResourceControlRequestSendsItsFlags) {
    const int peer = associationIn(1, KIV_TS_SCAN_RECVD);
    KivResourceControlReq req = validResourceControl(1);
    req.psReferenceId = octets("rc-ref");
    req.pfSuspendedFlag = 1;
    req.psResourceReport = octetExternal("1.2.3.5", "report");
    req.pePartialResultsAvailable = PRA_Interim2;
    req.pfTriggeredRequestFlag = 0;
    req.ppsOtherInformation = otherInfo("other");
    SIError* error = nullptr;
    ASSERT_EQ(KIVResourceControlRequest(1, &req, &error), SI_OK);
    const Decoded sent = sentTo(peer);
    ASSERT_EQ(sent->choiceId, PDU::kResourceControlRequest);
    const ResourceControlRequest& control = *sent->resourceControlRequest;
    EXPECT_EQ(textOf(control.referenceId), "rc-ref");
    ASSERT_NE(control.suspendedFlag, nullptr);
    EXPECT_EQ(*control.suspendedFlag, 1);
    EXPECT_EQ(externalOf(control.resourceReport), "1.2.3.5 report");
    ASSERT_NE(control.partialResultsAvailable, nullptr);
    EXPECT_EQ(*control.partialResultsAvailable, 2);
    EXPECT_EQ(control.responseRequired, 1);
    ASSERT_NE(control.triggeredRequestFlag, nullptr);
    EXPECT_EQ(*control.triggeredRequestFlag, 0);
    EXPECT_EQ(characterInfoOf(control.otherInfo), "other");
    EXPECT_EQ(SIGetState(1), KIV_TS_RESCNT_SENT);
}

// A record fault: the call's state, the diagnostic its error writes to the trace and the code.
struct InvalidCall {
    int state;
    long code;
    const char* diagnostic;
    std::function<SIResult(KivAssocId, SIError**)> call;
};

TEST_F(ResponseServicesTest, AnInvalidRecordIsReportedAndNothingIsSent) {
    const std::vector<InvalidCall> cases = {
        {KIV_TS_INIT_RECVD, 72, "Invalid boolean value psInitializeRsp->fResult given",
         [](KivAssocId id, SIError** e) {
             KivInitializeRsp rsp = validInit();
             rsp.fResult = 2;
             return KIVInitializeResponse(id, &rsp, e);
         }},
        {KIV_TS_INIT_RECVD, 64, "Missing compulsory field psInitializeRsp->pcProtocolVersion",
         [](KivAssocId id, SIError** e) {
             KivInitializeRsp rsp = validInit();
             rsp.pcProtocolVersion.reset();
             return KIVInitializeResponse(id, &rsp, e);
         }},
        {KIV_TS_INIT_RECVD, 65, "The bit string psInitializeRsp->pcOptions is invalid\nValue:1x1",
         [](KivAssocId id, SIError** e) {
             KivInitializeRsp rsp = validInit();
             rsp.pcOptions = "1x1";
             return KIVInitializeResponse(id, &rsp, e);
         }},
        {KIV_TS_INIT_RECVD, 67, "psInitializeRsp->pcOptions contains options not permitted",
         [](KivAssocId id, SIError** e) {
             KivInitializeRsp rsp = validInit();
             rsp.pcOptions = "0000000000000001";  // a 16th option, past ALLOWED_OPTIONS
             return KIVInitializeResponse(id, &rsp, e);
         }},
        {KIV_TS_INIT_RECVD, 67, "psInitializeRsp->pcOptions contains options not permitted",
         [](KivAssocId id, SIError** e) {
             KivInitializeRsp rsp = validInit();
             rsp.pcOptions = "0000000001";  // the 10th option, which ALLOWED_OPTIONS refuses
             return KIVInitializeResponse(id, &rsp, e);
         }},
        {KIV_TS_INIT_RECVD, 64, "Missing compulsory field psInitializeRsp",
         [](KivAssocId id, SIError** e) { return KIVInitializeResponse(id, nullptr, e); }},
        {KIV_TS_SEARCH_RECVD, 72, "Invalid boolean value psSearchRsp->fSearchStatus given",
         [](KivAssocId id, SIError** e) {
             KivSearchRsp rsp;
             rsp.fSearchStatus = 7;
             return KIVSearchResponse(id, &rsp, e);
         }},
        {KIV_TS_SEARCH_RECVD, 66,
         "*psSearchRsp->peResultSetStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivSearchRsp rsp;
             rsp.peResultSetStatus = 0;
             return KIVSearchResponse(id, &rsp, e);
         }},
        {KIV_TS_SEARCH_RECVD, 66, "*psSearchRsp->pePresentStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivSearchRsp rsp;
             rsp.pePresentStatus = PS_Invalid;
             return KIVSearchResponse(id, &rsp, e);
         }},
        {KIV_TS_SEARCH_RECVD, 66, "psSearchRsp->psRecords->eRecordType",
         [](KivAssocId id, SIError** e) {
             KivSearchRsp rsp;
             rsp.psRecords = std::make_unique<KivRecords>();
             return KIVSearchResponse(id, &rsp, e);
         }},
        {KIV_TS_SEARCH_RECVD, 66, "psSearchRsp->ppsAdditionalSearchInfo[0]->eInformationType",
         [](KivAssocId id, SIError** e) {
             KivSearchRsp rsp;
             rsp.ppsAdditionalSearchInfo.emplace()->eInformationType = 9;
             return KIVSearchResponse(id, &rsp, e);
         }},
        {KIV_TS_PRESENT_RECVD, 66, "psPresentRsp->ePresentStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivPresentRsp rsp;
             rsp.ePresentStatus = 6;
             return KIVPresentResponse(id, &rsp, e);
         }},
        {KIV_TS_DELETE_RECVD, 66,
         "psDeleteResultSetRsp->eDeleteOperationStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivDeleteResultSetRsp rsp;
             rsp.eDeleteOperationStatus = 11;
             return KIVDeleteResultSetResponse(id, &rsp, e);
         }},
        {KIV_TS_DELETE_RECVD, 66,
         "psDeleteResultSetRsp->ppsBulkStatuses[1] contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivDeleteResultSetRsp rsp;
             rsp.ppsDeleteListStatuses.emplace(KivInternationalString{"a"}, DSS_ResultSetInUse);
             rsp.ppsBulkStatuses.emplace(KivInternationalString{"b"}, DSS_Success);
             rsp.ppsBulkStatuses.emplace(KivInternationalString{"c"}, DSS_Invalid);
             return KIVDeleteResultSetResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 66, "psScanRsp->eScanStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp = validScan();
             rsp.eScanStatus = 7;
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 66, "psScanRsp->psEntries->ppsEntry[2]->eEntryType contains a value",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp = validScan();
             rsp.psEntries->ppsEntry.emplace()->eEntryType = 3;
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 64,
         "Missing compulsory field psScanRsp->psEntries->ppsEntry[0]->uEntry.psSurrogateDiagnostic",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp;
             rsp.psEntries = std::make_unique<KivListEntries>();
             rsp.psEntries->ppsEntry.emplace()->eEntryType = ET_SurrogateDiagnostic;
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 66, "psScanRsp->psEntries->ppsEntry[1]->uEntry.psTermInfo->sTerm.eTermType",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp = validScan();
             rsp.psEntries->ppsEntry[1]->uEntry.psTermInfo->sTerm.eTermType = 0;
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 64,
         "Missing compulsory field psScanRsp->psEntries->ppsEntry[0]->uEntry.psTermInfo->ppsByAttributes[0]->"
         "ppsAttributeElement",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp = validScan();
             rsp.psEntries->ppsEntry[0]->uEntry.psTermInfo->ppsByAttributes.emplace();
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 64,
         "Missing compulsory field psScanRsp->psEntries->ppsEntry[0]->uEntry.psTermInfo->ppsByAttributes[0]->"
         "psOccurrence->ppsOccurrenceByDb",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp = validScan();
             KivOccurrenceByAttributes* item =
                 rsp.psEntries->ppsEntry[0]->uEntry.psTermInfo->ppsByAttributes.emplace();
             item->ppsAttributeElement = useAttribute();
             item->psOccurrence = std::make_unique<KivOccurrence>();
             item->psOccurrence->eOccurrenceType = OT_ByDatabase;
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 66, "psScanRsp->psEntries->ppsNonSurrogateDiagnostic[0]->eDiagnosticsType",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp = validScan();
             rsp.psEntries->ppsNonSurrogateDiagnostics.emplace();
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_SCAN_RECVD, 73, "Invalid oid value psScanRsp->pcAttributeSetId given",
         [](KivAssocId id, SIError** e) {
             KivScanRsp rsp = validScan();
             rsp.pcAttributeSetId = "bib-1";
             return KIVScanResponse(id, &rsp, e);
         }},
        {KIV_TS_RESOURCE_REPORT_RECVD, 66,
         "psResourceReportRsp->eResourceReportStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivResourceReportRsp rsp;
             rsp.eResourceReportStatus = 8;
             return KIVResourceReportResponse(id, &rsp, e);
         }},
        {KIV_TS_RESOURCE_REPORT_RECVD, 66, "psResourceReportRsp->psResourceReport->eValueType",
         [](KivAssocId id, SIError** e) {
             KivResourceReportRsp rsp;
             rsp.psResourceReport = std::make_unique<KivExternal>();
             return KIVResourceReportResponse(id, &rsp, e);
         }},
        {KIV_TS_SORT_RECVD, 66, "psSortRsp->eSortStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivSortRsp rsp;
             rsp.eSortStatus = 3;
             return KIVSortResponse(id, &rsp, e);
         }},
        {KIV_TS_SORT_RECVD, 66, "*psSortRsp->peResultSetStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivSortRsp rsp;
             rsp.peResultSetStatus = 4;
             return KIVSortResponse(id, &rsp, e);
         }},
        {KIV_TS_SORT_RECVD, 66, "psSortRsp->ppsDiagnostics[0]->eDiagnosticsType",
         [](KivAssocId id, SIError** e) {
             KivSortRsp rsp;
             rsp.ppsDiagnostics.emplace();
             return KIVSortResponse(id, &rsp, e);
         }},
        {KIV_TS_EXTENDED_SERVICE_RECVD, 66,
         "psExtendedServicesRsp->eOperationStatus contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivExtendedServicesRsp rsp;
             return KIVExtendedServicesResponse(id, &rsp, e);
         }},
        {KIV_TS_EXTENDED_SERVICE_RECVD, 66, "psExtendedServicesRsp->psTaskPackage->eValueType",
         [](KivAssocId id, SIError** e) {
             KivExtendedServicesRsp rsp = validExtendedServices();
             rsp.psTaskPackage = std::make_unique<KivExternal>();
             return KIVExtendedServicesResponse(id, &rsp, e);
         }},
        {KIV_TS_SEARCH_RECVD, 64,
         "Missing compulsory field "
         "psAccessControlReq->sSecurityChallengeReq.uSecurityChallengeReq.psSimpleForm",
         [](KivAssocId id, SIError** e) {
             KivAccessControlReq req;
             req.sSecurityChallengeReq.eSecurityChallengeReqType = SECT_SimpleForm;
             return KIVAccessControlRequest(id, &req, e);
         }},
        {KIV_TS_SEARCH_RECVD, 66,
         "psAccessControlReq->sSecurityChallengeReq.uSecurityChallengeReq.psExternallyDefinedInfo->"
         "eValueType",
         [](KivAssocId id, SIError** e) {
             KivAccessControlReq req;
             req.sSecurityChallengeReq.eSecurityChallengeReqType = SECT_ExternallyDefined;
             req.sSecurityChallengeReq.uSecurityChallengeReq.psExternallyDefinedInfo =
                 std::make_unique<KivExternal>();
             return KIVAccessControlRequest(id, &req, e);
         }},
        {KIV_TS_SEARCH_RECVD, 66, "psAccessControlReq->sSecurityChallengeReq.eSecurityChallengeReqType",
         [](KivAssocId id, SIError** e) {
             KivAccessControlReq req;
             return KIVAccessControlRequest(id, &req, e);
         }},
        {KIV_TS_SEARCH_RECVD, 72, "Invalid boolean value *psResourceControlReq->pfSuspendedFlag given",
         [](KivAssocId id, SIError** e) {
             KivResourceControlReq req = validResourceControl(1);
             req.pfSuspendedFlag = 2;
             return KIVResourceControlRequest(id, &req, e);
         }},
        {KIV_TS_SEARCH_RECVD, 66,
         "*psResourceControlReq->pePartialResultsAvailable contains a value which is out of its range",
         [](KivAssocId id, SIError** e) {
             KivResourceControlReq req = validResourceControl(1);
             req.pePartialResultsAvailable = PRA_Invalid;
             return KIVResourceControlRequest(id, &req, e);
         }},
        {KIV_TS_SEARCH_RECVD, 72, "Invalid boolean value psResourceControlReq->fResponseRequired given",
         [](KivAssocId id, SIError** e) {
             const KivResourceControlReq req = validResourceControl(3);
             return KIVResourceControlRequest(id, &req, e);
         }},
        {KIV_TS_SEARCH_RECVD, 72, "Invalid boolean value *psResourceControlReq->pfTriggeredRequestFlag given",
         [](KivAssocId id, SIError** e) {
             KivResourceControlReq req = validResourceControl(0);
             req.pfTriggeredRequestFlag = 5;
             return KIVResourceControlRequest(id, &req, e);
         }},
    };
    KivAssocId id = 0;
    for (const InvalidCall& c : cases) {
        ++id;
        const int peer = associationIn(id, c.state);
        const std::string file = "invalid" + std::to_string(id) + ".txt";
        trace(id, Trace_High, file);
        SIError* error = nullptr;
        EXPECT_EQ(c.call(id, &error), SI_NOTOK) << c.diagnostic;
        ASSERT_NE(error, nullptr) << c.diagnostic;
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error) << c.diagnostic;
        EXPECT_EQ(codeOf(error), c.code) << c.diagnostic;
        SIFreeError(&error);
        EXPECT_EQ(SIGetState(id), c.state) << c.diagnostic;
        EXPECT_TRUE(readAvailable(peer).empty()) << c.diagnostic;
        const std::string lines = linesAfterBanner(file);
        EXPECT_NE(lines.find(c.diagnostic), std::string::npos) << lines;
        EXPECT_NE(lines.find("**Entering function:"), std::string::npos) << c.diagnostic;
        EXPECT_NE(lines.find("Function returned: SI_NOTOK\n\n"), std::string::npos) << c.diagnostic;
        EXPECT_EQ(lines.find("TARGET EVENT"), std::string::npos) << c.diagnostic;
        EXPECT_EQ(lines.find("Sending the following PDU"), std::string::npos) << c.diagnostic;
    }
}

TEST_F(ResponseServicesTest, AnEventInvalidForTheStateIsRefusedAndNothingIsSent) {
    const KivAssocId id = 1;
    const int peer = associationIn(id, KIV_TS_OPEN);
    trace(id, Trace_High);
    KivSearchRsp search;
    search.fSearchStatus = 1;
    SIError* error = nullptr;
    EXPECT_EQ(KIVSearchResponse(id, &search, &error), SI_NOTOK);
    EXPECT_EQ(codeOf(error), 80);
    SIFreeError(&error);
    // Every other call is refused in a state that waits for another answer.
    for (const ValidCall& c : validCalls()) {
        if (c.stateBefore == KIV_TS_SEARCH_RECVD) continue;
        SISetState(id, KIV_TS_SEARCH_RECVD);
        EXPECT_EQ(c.call(id, &error), SI_NOTOK) << c.name;
        EXPECT_EQ(codeOf(error), 80) << c.name;
        SIFreeError(&error);
        EXPECT_EQ(SIGetState(id), KIV_TS_SEARCH_RECVD) << c.name;
    }
    EXPECT_TRUE(readAvailable(peer).empty());
    const std::string lines = linesAfterBanner("trace.txt");
    EXPECT_EQ(lines.find("Sending the following PDU"), std::string::npos);

    SISetState(id, KIV_TS_SEARCH_RECVD);
    ASSERT_EQ(KIVSearchResponse(id, &search, &error), SI_OK);
    EXPECT_EQ(SIGetState(id), KIV_TS_OPEN);
    const Decoded sent = sentTo(peer);
    EXPECT_EQ(sent->choiceId, PDU::kSearchResponse);

    const KivSearchRsp valid;
    EXPECT_EQ(KIVSearchResponse(99, &valid, &error), SI_NOTOK) << "an unknown association";
    EXPECT_EQ(codeOf(error), 3);
    SIFreeError(&error);
}

TEST_F(ResponseServicesTest, AFailedSendAbortsAndForgetsTheAssociation) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_SCAN_RECVD);
    closeNow(peer);
    const KivScanRsp rsp = validScan();
    SIError* error = nullptr;
    EXPECT_EQ(KIVScanResponse(1, &rsp, &error), SI_NOTOK);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_Abort);
    EXPECT_FALSE(siFindAssociation(1).has_value());
    SIFreeError(&error);
}

// ---- A whole association over loopback TCP ----

class TargetSessionTest : public ResponseServicesTest {
  protected:
    void SetUp() override {
        ResponseServicesTest::SetUp();
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(listen(listener_, 1), 0);
        socklen_t size = sizeof address_;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address_), &size);
    }
    void TearDown() override {
        close(listener_);
        if (origin_ >= 0) close(origin_);
        ResponseServicesTest::TearDown();
    }

    // Connects the origin and registers the accepted connection as an accepted target association.
    void connectAndAccept(KivAssocId id) {
        origin_ = socket(AF_INET, SOCK_STREAM, 0);
        EXPECT_EQ(connect(origin_, reinterpret_cast<sockaddr*>(&address_), sizeof address_), 0);
        const int accepted = accept(listener_, nullptr, nullptr);
        KivTargetInstance instance{"Slave Instance", "TCP", std::to_string(accepted)};
        SIError* error = nullptr;
        EXPECT_EQ(KivInitialiseTargetNT(0, &instance, &error), SI_OK);
        KivAssocId answered = 0;
        std::string peerAddress;
        std::unique_ptr<KivProtocolAndSyntaxes> offered;
        EXPECT_EQ(KivReceiveAssociateRequestNT(id, &answered, CALL_BLOCKING, &peerAddress, &offered, &error),
                  SI_OK);
        EXPECT_EQ(peerAddress, "127.0.0.1");
        EXPECT_EQ(KivAssociateResponse(id, 0, &error), SI_OK);
        forgetAfterTest(id);
    }

    // The origin sends the APDU whose alternative fill sets up.
    template <typename Record, typename Fill>
    void originSends(int32_t choiceId, Record* PDU::*member, Fill&& fill) {
        PDU pdu{};
        pdu.choiceId = choiceId;
        pdu.*member = kivNewCodecRecord<Record>();
        fill(*(pdu.*member));
        const std::vector<uint8_t> octets = encodeApdu(&pdu);
        FreePDU(&pdu);
        writeAll(origin_, octets);
    }
    Decoded originReceives() const { return sentTo(origin_); }
    void originCloses() {
        close(origin_);
        origin_ = -1;
    }

    // The next APDU the target receives; fails the test when it is not of the type.
    struct Received {
        KivTargetPdu* pdu = nullptr;
        ~Received() { KivFreeTargetPdu(&pdu); }
    };
    static void receiveAs(KivAssocId id, int32_t type, Received& received) {
        SIError* error = nullptr;
        ASSERT_EQ(ReceiveDataTarget(id, CALL_BLOCKING, &received.pdu, &error), SI_OK) << codeOf(error);
        ASSERT_NE(received.pdu, nullptr);
        ASSERT_EQ(received.pdu->ePduType, type);
    }

  private:
    int listener_ = -1;
    int origin_ = -1;
    sockaddr_in address_{};
};

TEST_F(TargetSessionTest, AnAssociationRunsInitSearchPresentScanAndClose) {
    const KivAssocId id = 7;
    connectAndAccept(id);
    EXPECT_EQ(SIGetState(id), KIV_TS_ASSOCIATION);
    trace(id, Trace_Low);
    SIError* error = nullptr;

    // Init.
    originSends(PDU::kInitRequest, &PDU::initRequest, [](InitializeRequest& init) {
        setText(&init.referenceId, "i1");
        setBits(&init.protocolVersion, "111");
        setBits(&init.options, "11100000");
        init.preferredMessageSize = 65536;
        init.exceptionalRecordSize = 65536;
        setText(&init.implementationName, "test origin");
    });
    {
        Received request;
        receiveAs(id, TPT_InitializeReq, request);
        const KivInitializeReq& init = *request.pdu->uPdu.psInitializeReq;
        EXPECT_EQ(init.pcOptions, "11100000");
        KivInitializeRsp rsp = validInit();
        rsp.psReferenceId = std::make_unique<KivOctets>(*init.psReferenceId);
        rsp.ulPreferredMessageSize = init.ulPreferredMessageSize;
        rsp.ulMaxmiumMessageSize = init.ulMaxmiumMessageSize;
        rsp.psImplementationName = text("Quorvane");
        ASSERT_EQ(KIVInitializeResponse(id, &rsp, &error), SI_OK);
    }
    {
        const Decoded answer = originReceives();
        ASSERT_EQ(answer->choiceId, PDU::kInitResponse);
        EXPECT_EQ(textOf(answer->initResponse->referenceId), "i1");
        EXPECT_EQ(answer->initResponse->result, 1);
        EXPECT_EQ(bitsOf(answer->initResponse->options), "111");
        EXPECT_EQ(textOf(answer->initResponse->implementationName), "Quorvane");
    }
    EXPECT_EQ(SIGetState(id), KIV_TS_OPEN);

    // Search.
    originSends(PDU::kSearchRequest, &PDU::searchRequest, [](SearchRequest& search) {
        search.smallSetUpperBound = 0;
        search.largeSetLowerBound = 1;
        search.mediumSetPresentNumber = 0;
        search.replaceIndicator = 1;
        setText(&search.resultSetName, "default");
        setText(append<BerOctets>(&search.databaseNames), "books");
        search.query = kivNewCodecRecord<Query>();
        search.query->choiceId = Query::kType1;
        search.query->type_1 = kivNewCodecRecord<RPNQuery>();
        KivOidToCodec(&search.query->type_1->attributeSet, kBib1);
        search.query->type_1->rpn = kivNewCodecRecord<RPNStructure>();
        search.query->type_1->rpn->choiceId = RPNStructure::kOp;
        search.query->type_1->rpn->op = kivNewCodecRecord<Operand>();
        search.query->type_1->rpn->op->choiceId = Operand::kAttrTerm;
        auto* term = kivNewCodecRecord<AttributesPlusTerm>();
        search.query->type_1->rpn->op->attrTerm = term;
        const KivArray<KivAttributeElement> attributes = useAttribute();
        KivAttributeListToCodec(&term->attributes, &attributes);
        const KivTerm value = characterTerm("dickens");
        term->term = kivNewCodecRecord<Term>();
        KivTermToCodec(term->term, &value);
    });
    {
        Received request;
        receiveAs(id, TPT_SearchReq, request);
        const KivSearchReq& search = *request.pdu->uPdu.psSearchReq;
        ASSERT_EQ(search.ppsDatabaseNames.size(), 1u);
        EXPECT_EQ(search.ppsDatabaseNames[0]->pcValue, "books");
        const KivRpnOperand& operand =
            *search.psQuery->uQuery.psRpnQuery->sRpnStructure.uRPNStructure.psRpnOperand;
        EXPECT_EQ(operand.uOperand.psAttributesPlusTerm->sTerm.uTerm.psSimpleCharacter->pcValue, "dickens");
        KivSearchRsp rsp;
        rsp.ulResultCount = 3;
        rsp.ulNextResultSetPosition = 1;
        rsp.fSearchStatus = 1;
        ASSERT_EQ(KIVSearchResponse(id, &rsp, &error), SI_OK);
    }
    {
        const Decoded answer = originReceives();
        ASSERT_EQ(answer->choiceId, PDU::kSearchResponse);
        EXPECT_EQ(answer->searchResponse->resultCount, 3);
        EXPECT_EQ(answer->searchResponse->searchStatus, 1);
    }

    // Present.
    originSends(PDU::kPresentRequest, &PDU::presentRequest, [](PresentRequest& present) {
        setText(&present.resultSetId, "default");
        present.resultSetStartPoint = 1;
        present.numberOfRecordsRequested = 2;
        KivOidToCodec(&present.preferredRecordSyntax, kUsmarc);
    });
    {
        Received request;
        receiveAs(id, TPT_PresentReq, request);
        const KivPresentReq& present = *request.pdu->uPdu.psPresentReq;
        EXPECT_EQ(present.ulNumberOfRecordsRequested, 2u);
        EXPECT_EQ(present.pcPreferredRecordSyntax, kUsmarc);
        KivPresentRsp rsp;
        rsp.ulNumberOfRecordsReturned = 2;
        rsp.ulNextResultSetPosition = 3;
        rsp.ePresentStatus = PS_Success;
        rsp.psRecords = marcRecords({"first record", "second record"});
        ASSERT_EQ(KIVPresentResponse(id, &rsp, &error), SI_OK);
    }
    {
        const Decoded answer = originReceives();
        ASSERT_EQ(answer->choiceId, PDU::kPresentResponse);
        EXPECT_EQ(answer->presentResponse->numberOfRecordsReturned, 2);
        const auto records = itemsOf<NamePlusRecord>(answer->presentResponse->records->responseRecords);
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(externalOf(records[1]->record->retrievalRecord), std::string(kUsmarc) + " second record");
    }

    // Scan.
    originSends(PDU::kScanRequest, &PDU::scanRequest, [](ScanRequest& scan) {
        setText(append<BerOctets>(&scan.databaseNames), "books");
        scan.termListAndStartPoint = kivNewCodecRecord<AttributesPlusTerm>();
        const KivArray<KivAttributeElement> attributes = useAttribute();
        KivAttributeListToCodec(&scan.termListAndStartPoint->attributes, &attributes);
        const KivTerm value = characterTerm("dick");
        scan.termListAndStartPoint->term = kivNewCodecRecord<Term>();
        KivTermToCodec(scan.termListAndStartPoint->term, &value);
        scan.numberOfTermsRequested = 2;
    });
    {
        Received request;
        receiveAs(id, TPT_ScanReq, request);
        EXPECT_EQ(request.pdu->uPdu.psScanReq->ulNumberOfTermsRequested, 2u);
        KivScanRsp rsp = validScan();
        rsp.ulNumberOfEntriesReturned = 2;
        ASSERT_EQ(KIVScanResponse(id, &rsp, &error), SI_OK);
    }
    {
        const Decoded answer = originReceives();
        ASSERT_EQ(answer->choiceId, PDU::kScanResponse);
        const auto entries = itemsOf<Entry>(answer->scanResponse->entries->entries);
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(textOf(*entries[1]->termInfo->term->characterString), "beta");
    }

    // Close.
    originSends(PDU::kClose, &PDU::close, [](Close& close) { close.closeReason = CR_Finished; });
    {
        Received request;
        receiveAs(id, TPT_CloseReq, request);
        KivClose rsp;
        rsp.eCloseReason = CR_Finished;
        ASSERT_EQ(KIVCloseResponse(id, &rsp, &error), SI_OK);
    }
    {
        const Decoded answer = originReceives();
        ASSERT_EQ(answer->choiceId, PDU::kClose);
        EXPECT_EQ(answer->close->closeReason, CR_Finished);
    }
    EXPECT_EQ(SIGetState(id), KIV_TS_ASSOCIATION);
    EXPECT_EQ(error, nullptr);

    // The origin ends the connection: a release, answered by forgetting the association.
    originCloses();
    {
        Received release;
        receiveAs(id, TPT_ReleaseInd, release);
        EXPECT_EQ(release.pdu->uPdu.plReleaseInd, 0);
    }
    ASSERT_EQ(KivReleaseResponse(id, nullptr, &error), SI_OK);
    EXPECT_FALSE(siFindAssociation(id).has_value());

    const std::string lines = linesAfterBanner("trace.txt");
    for (const char* call : {"KIVInitializeResponse", "KIVSearchResponse", "KIVPresentResponse",
                             "KIVScanResponse", "KIVCloseResponse"}) {
        EXPECT_NE(lines.find(std::string("**Leaving function:") + call + "\nFunction returned: SI_OK\n"),
                  std::string::npos)
            << call;
    }
}

}  // namespace
