// Received requests handed to a target: each APDU is encoded by the codec as a peer would send it, received
// through ReceiveDataTargetNT and compared field by field with the record the target gets.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/session/peer_codec_values.h"
#include "tests/session/transport_fixture.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_query.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/receive_data_target.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"

namespace {

using namespace codec::z3950;

// ---- Building codec values as a peer's encoder would hold them ----

BerOctets* newText(const std::string& text) {
    auto* octets = kivNewCodecRecord<BerOctets>();
    setText(octets, text);
    return octets;
}
BerInteger* newInteger(BerInteger value) {
    auto* integer = kivNewCodecRecord<BerInteger>();
    *integer = value;
    return integer;
}
BerBoolean* newBoolean(BerBoolean value) {
    auto* boolean = kivNewCodecRecord<BerBoolean>();
    *boolean = value;
    return boolean;
}
void appendText(BerList** list, const std::string& text) {
    setText(append<BerOctets>(list), text);
}
// An octet-aligned EXTERNAL under the identifier.
EXTERNAL* newExternal(const std::string& oid, const std::string& octets) {
    KivExternal external;
    external.pcObjectIdentifier = oid;
    external.eValueType = EVT_OctetAligned;
    external.uExternalValue.psOctetAligned.reset(new KivOctets{octets});
    EXTERNAL* codec = nullptr;
    KivNewExternalToCodec(&codec, &external);
    return codec;
}
// An OtherInformation list with one characterInfo item.
BerList* newOtherInfo(const std::string& text) {
    KivArray<KivOtherInformation> items;
    KivOtherInformation* item = items.emplace();
    item->eInformationType = IT_CharacterInfo;
    item->uInformation.psCharacterInfo.reset(new KivInternationalString{text});
    BerList* list = nullptr;
    KivOptionalOtherInformationToCodec(&list, &items);
    return list;
}
// Attributes: use 1=4 under bib-1, structure 4=1.
BerList* newAttributeList() {
    KivArray<KivAttributeElement> elements;
    KivAttributeElement* use = elements.emplace();
    use->pcAttributeSetId = kBib1;
    use->ulAttributeType = 1;
    use->sAttributeValue.eAttributeValueType = 1;
    use->sAttributeValue.uAttributeValue.ulNumeric = 4;
    KivAttributeElement* structure = elements.emplace();
    structure->ulAttributeType = 4;
    structure->sAttributeValue.eAttributeValueType = 1;
    structure->sAttributeValue.uAttributeValue.ulNumeric = 1;
    BerList* list = nullptr;
    KivAttributeListToCodec(&list, &elements);
    return list;
}
// The attributes of newAttributeList plus a character-string term.
AttributesPlusTerm* newAttributesPlusTerm(const std::string& term) {
    auto* codec = kivNewCodecRecord<AttributesPlusTerm>();
    codec->attributes = newAttributeList();
    KivTerm value;
    value.eTermType = TT_SimpleCharacter;
    value.uTerm.psSimpleCharacter.reset(new KivInternationalString{term});
    codec->term = kivNewCodecRecord<Term>();
    KivTermToCodec(codec->term, &value);
    return codec;
}

// ---- Reading the records ----

std::string textOf(const std::unique_ptr<KivInternationalString>& text) {
    return text != nullptr ? text->pcValue : "<null>";
}
std::string octetsOf(const std::unique_ptr<KivOctets>& octets) {
    return octets != nullptr ? octets->pcValue : "<null>";
}
std::vector<std::string> textsOf(const KivArray<KivInternationalString>& texts) {
    std::vector<std::string> values;
    for (const KivInternationalString& text : texts) values.push_back(text.pcValue);
    return values;
}
std::string characterInfoOf(const KivArray<KivOtherInformation>& items) {
    if (items.size() != 1 || items[0]->eInformationType != IT_CharacterInfo)
        return "<not one character item>";
    return textOf(items[0]->uInformation.psCharacterInfo);
}
std::string externalOf(const std::unique_ptr<KivExternal>& external) {
    if (external == nullptr) return "<null>";
    return external->pcObjectIdentifier.value_or("<no oid>") + " " +
           octetsOf(external->uExternalValue.psOctetAligned);
}
void expectAttributes(const KivArray<KivAttributeElement>& elements) {
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0]->pcAttributeSetId, kBib1);
    EXPECT_EQ(elements[0]->ulAttributeType, 1u);
    EXPECT_EQ(elements[0]->sAttributeValue.uAttributeValue.ulNumeric, 4u);
    EXPECT_FALSE(elements[1]->pcAttributeSetId.has_value());
    EXPECT_EQ(elements[1]->ulAttributeType, 4u);
    EXPECT_EQ(elements[1]->sAttributeValue.uAttributeValue.ulNumeric, 1u);
}
void expectAttributesPlusTerm(const KivAttributesPlusTerm& value, const std::string& term) {
    expectAttributes(value.ppsAttributeElement);
    ASSERT_EQ(value.sTerm.eTermType, TT_SimpleCharacter);
    EXPECT_EQ(textOf(value.sTerm.uTerm.psSimpleCharacter), term);
}

class ReceivedRequestTest : public TransportFixture {
  protected:
    // The record a target receives for the APDU, on a new association in the state; null when refused.
    struct Received {
        SIResult result = SI_NOTOK;
        KivTargetPdu* pdu = nullptr;
        SIError* error = nullptr;
        ~Received() {
            KivFreeTargetPdu(&pdu);
            SIFreeError(&error);
        }
    };

    // Encodes the APDU whose alternative fill sets up, and receives it on a new association in the state.
    template <typename Record, typename Fill>
    void receive(int32_t choiceId, Record* PDU::*member, int state, Received& received, Fill&& fill) {
        PDU pdu{};
        pdu.choiceId = choiceId;
        pdu.*member = kivNewCodecRecord<Record>();
        fill(*(pdu.*member));
        const std::vector<uint8_t> octets = encodeApdu(&pdu);
        FreePDU(&pdu);
        ASSERT_FALSE(octets.empty());
        const KivAssocId id = ++lastId_;
        registerOn(id, -1, state);
        received.result = ReceiveDataTargetNT(id, CALL_BLOCKING, &received.pdu, octets.data(), octets.size(),
                                              &received.error);
        ASSERT_EQ(received.result, SI_OK);
        ASSERT_NE(received.pdu, nullptr);
    }

  private:
    KivAssocId lastId_ = 100;
};

TEST_F(ReceivedRequestTest, AnInitializeRequestArrivesWithEveryField) {
    Received received;
    receive(PDU::kInitRequest, &PDU::initRequest, KIV_TS_ASSOCIATION, received, [](InitializeRequest& init) {
        setText(&init.referenceId, "init-ref");
        setBits(&init.protocolVersion, "111");
        setBits(&init.options, "1100000000000001");
        init.preferredMessageSize = 65536;
        init.exceptionalRecordSize = 1048576;
        init.idAuthentication = kivNewCodecRecord<IdAuthentication>();
        init.idAuthentication->choiceId = IdAuthentication::kIdPass;
        init.idAuthentication->idPass = kivNewCodecRecord<IdAuthenticationIdPass>();
        setText(&init.idAuthentication->idPass->userId, "reader");
        setText(&init.idAuthentication->idPass->password, "secret");
        setText(&init.implementationId, "81");
        setText(&init.implementationName, "Test origin");
        setText(&init.implementationVersion, "2.0");
        init.userInformationField = newExternal("1.2.840.10003.10.3", "user info");
        init.otherInfo = newOtherInfo("other");
    });
    ASSERT_EQ(received.pdu->ePduType, TPT_InitializeReq);
    const KivInitializeReq& init = *received.pdu->uPdu.psInitializeReq;
    EXPECT_EQ(octetsOf(init.psReferenceId), "init-ref");
    EXPECT_EQ(init.pcProtocolVersion, "111");
    EXPECT_EQ(init.pcOptions, "1100000000000001") << "one character per bit, 16 bits";
    EXPECT_EQ(init.ulPreferredMessageSize, 65536u);
    EXPECT_EQ(init.ulMaxmiumMessageSize, 1048576u);
    ASSERT_NE(init.psAuthentication, nullptr);
    ASSERT_EQ(init.psAuthentication->eAuthenticationType, IAT_IdPass);
    const KivIdPass& idPass = *init.psAuthentication->uAuthentication.psIdPass;
    EXPECT_EQ(idPass.psGroupId, nullptr) << "an absent groupId stays absent";
    EXPECT_EQ(textOf(idPass.psUserId), "reader");
    EXPECT_EQ(textOf(idPass.psPassword), "secret");
    EXPECT_EQ(textOf(init.psImplementationId), "81");
    EXPECT_EQ(textOf(init.psImplementationName), "Test origin");
    EXPECT_EQ(textOf(init.psImplementationVersion), "2.0");
    EXPECT_EQ(externalOf(init.psUserInformationField), "1.2.840.10003.10.3 user info");
    EXPECT_EQ(characterInfoOf(init.ppsOtherInformation), "other");
}

TEST_F(ReceivedRequestTest, EachAuthenticationFormArrivesAsItsType) {
    struct Case {
        int32_t choice;
        int32_t type;
    };
    for (const Case c :
         {Case{IdAuthentication::kOpen, IAT_Open}, Case{IdAuthentication::kAnonymous, IAT_Anonymous},
          Case{IdAuthentication::kOther, IAT_Other}}) {
        Received received;
        receive(PDU::kInitRequest, &PDU::initRequest, KIV_TS_ASSOCIATION, received,
                [&](InitializeRequest& init) {
                    setBits(&init.protocolVersion, "11");
                    setBits(&init.options, "");
                    auto* authentication = kivNewCodecRecord<IdAuthentication>();
                    init.idAuthentication = authentication;
                    authentication->choiceId = c.choice;
                    if (c.choice == IdAuthentication::kOpen) authentication->open = newText("user/pass");
                    if (c.choice == IdAuthentication::kOther)
                        authentication->other = newExternal("1.2.3.4", "token");
                });
        const KivInitializeReq& init = *received.pdu->uPdu.psInitializeReq;
        EXPECT_EQ(init.pcOptions, "") << "an options bit string of 0 bits";
        EXPECT_EQ(init.psReferenceId, nullptr);
        EXPECT_EQ(init.psImplementationName, nullptr);
        EXPECT_FALSE(init.ppsOtherInformation.present());
        ASSERT_NE(init.psAuthentication, nullptr);
        EXPECT_EQ(init.psAuthentication->eAuthenticationType, c.type);
        const auto& member = init.psAuthentication->uAuthentication;
        EXPECT_EQ(member.psOpen.value_or("<absent>"), c.type == IAT_Open ? "user/pass" : "<absent>");
        EXPECT_EQ(externalOf(member.psOther), c.type == IAT_Other ? "1.2.3.4 token" : "<null>");
        EXPECT_EQ(member.psIdPass, nullptr);
    }
}

TEST_F(ReceivedRequestTest, ASearchRequestArrivesWithEveryField) {
    Received received;
    receive(PDU::kSearchRequest, &PDU::searchRequest, KIV_TS_OPEN, received, [](SearchRequest& search) {
        setText(&search.referenceId, "s-ref");
        search.smallSetUpperBound = 5;
        search.largeSetLowerBound = 100;
        search.mediumSetPresentNumber = 10;
        search.replaceIndicator = 1;
        setText(&search.resultSetName, "default");
        appendText(&search.databaseNames, "books");
        appendText(&search.databaseNames, "serials");
        search.smallSetElementSetNames = kivNewCodecRecord<ElementSetNames>();
        search.smallSetElementSetNames->choiceId = ElementSetNames::kGenericElementSetName;
        search.smallSetElementSetNames->genericElementSetName = newText("B");
        search.mediumSetElementSetNames = kivNewCodecRecord<ElementSetNames>();
        search.mediumSetElementSetNames->choiceId = ElementSetNames::kDatabaseSpecific;
        auto* item =
            append<ElementSetNamesDatabaseSpecificItem>(&search.mediumSetElementSetNames->databaseSpecific);
        setText(&item->dbName, "books");
        setText(&item->esn, "F");
        KivOidToCodec(&search.preferredRecordSyntax, kUsmarc);
        search.query = kivNewCodecRecord<Query>();
        search.query->choiceId = Query::kType1;
        search.query->type_1 = kivNewCodecRecord<RPNQuery>();
        KivOidToCodec(&search.query->type_1->attributeSet, kBib1);
        search.query->type_1->rpn = kivNewCodecRecord<RPNStructure>();
        search.query->type_1->rpn->choiceId = RPNStructure::kOp;
        search.query->type_1->rpn->op = kivNewCodecRecord<Operand>();
        search.query->type_1->rpn->op->choiceId = Operand::kAttrTerm;
        search.query->type_1->rpn->op->attrTerm = newAttributesPlusTerm("dickens");
        search.additionalSearchInfo = newOtherInfo("additional");
        search.otherInfo = newOtherInfo("other");
    });
    ASSERT_EQ(received.pdu->ePduType, TPT_SearchReq);
    const KivSearchReq& search = *received.pdu->uPdu.psSearchReq;
    EXPECT_EQ(octetsOf(search.psReferenceId), "s-ref");
    EXPECT_EQ(search.ulSmallSetUpperBound, 5u);
    EXPECT_EQ(search.ulLargeSetLowerBound, 100u);
    EXPECT_EQ(search.ulMediumSetPresentNumber, 10u);
    EXPECT_EQ(search.fReplaceIndicator, 1u);
    EXPECT_EQ(search.sResultSetName.pcValue, "default");
    EXPECT_EQ(textsOf(search.ppsDatabaseNames), (std::vector<std::string>{"books", "serials"}));
    ASSERT_NE(search.psSmallSetElementNames, nullptr);
    EXPECT_EQ(search.psSmallSetElementNames->eElementSetType, EST_Generic);
    EXPECT_EQ(textOf(search.psSmallSetElementNames->uElementSet.psGeneric), "B");
    ASSERT_NE(search.psMediumSetElementNames, nullptr);
    EXPECT_EQ(search.psMediumSetElementNames->eElementSetType, EST_DatabaseSpecific);
    const auto& specific = search.psMediumSetElementNames->uElementSet.ppsElementSetsDbSpecific;
    ASSERT_EQ(specific.size(), 1u);
    EXPECT_EQ(textOf(specific[0]->psDatabaseName), "books");
    EXPECT_EQ(textOf(specific[0]->psElementSetName), "F");
    EXPECT_EQ(search.pcPreferredRecordSyntax, kUsmarc);
    ASSERT_NE(search.psQuery, nullptr);
    ASSERT_EQ(search.psQuery->eQueryType, QT_Rpn);
    const KivRPNQuery& rpn = *search.psQuery->uQuery.psRpnQuery;
    EXPECT_EQ(rpn.pcAttributeSetId, kBib1);
    ASSERT_EQ(rpn.sRpnStructure.eRpnStructureType, RST_RpnOperand);
    const KivRpnOperand& operand = *rpn.sRpnStructure.uRPNStructure.psRpnOperand;
    ASSERT_EQ(operand.eOperandType, 1);
    expectAttributesPlusTerm(*operand.uOperand.psAttributesPlusTerm, "dickens");
    EXPECT_EQ(characterInfoOf(search.ppsAdditionalSearchInfo), "additional");
    EXPECT_EQ(characterInfoOf(search.ppsOtherInformation), "other");
    EXPECT_EQ(SIGetState(101), KIV_TS_SEARCH_RECVD);
}

TEST_F(ReceivedRequestTest, ASearchRequestWithoutOptionalPartsHasThemAbsent) {
    Received received;
    receive(PDU::kSearchRequest, &PDU::searchRequest, KIV_TS_OPEN, received, [](SearchRequest& search) {
        kivCodecCopy(&search.referenceId, "", 0);  // present with length 0
        setText(&search.resultSetName, "default");
        search.databaseNames = kivNewCodecList();
        search.query = kivNewCodecRecord<Query>();
        search.query->choiceId = Query::kType0;
        search.query->type_0 = newText("private");
    });
    const KivSearchReq& search = *received.pdu->uPdu.psSearchReq;
    EXPECT_EQ(search.psReferenceId, nullptr) << "a reference id of length 0 is absent";
    EXPECT_TRUE(search.ppsDatabaseNames.present()) << "no database names: an array of the terminator only";
    EXPECT_EQ(search.ppsDatabaseNames.size(), 0u);
    EXPECT_EQ(search.psSmallSetElementNames, nullptr);
    EXPECT_EQ(search.psMediumSetElementNames, nullptr);
    EXPECT_FALSE(search.pcPreferredRecordSyntax.has_value());
    ASSERT_NE(search.psQuery, nullptr);
    EXPECT_EQ(search.psQuery->eQueryType, QT_Private);
    EXPECT_EQ(octetsOf(search.psQuery->uQuery.psPrivateQuery), "private");
    EXPECT_FALSE(search.ppsAdditionalSearchInfo.present());
    EXPECT_FALSE(search.ppsOtherInformation.present());
}

TEST_F(ReceivedRequestTest, APresentRequestArrivesWithEveryField) {
    Received received;
    receive(PDU::kPresentRequest, &PDU::presentRequest, KIV_TS_OPEN, received, [](PresentRequest& present) {
        setText(&present.referenceId, "p-ref");
        setText(&present.resultSetId, "default");
        present.resultSetStartPoint = 3;
        present.numberOfRecordsRequested = 7;
        for (BerInteger start : {20, 40}) {
            auto* range = append<Range>(&present.additionalRanges);
            range->startingPosition = start;
            range->numberOfRecords = start / 10;
        }
        present.recordComposition = kivNewCodecRecord<PresentRequestRecordComposition>();
        present.recordComposition->choiceId = PresentRequestRecordComposition::kSimple;
        present.recordComposition->simple = kivNewCodecRecord<ElementSetNames>();
        present.recordComposition->simple->choiceId = ElementSetNames::kGenericElementSetName;
        present.recordComposition->simple->genericElementSetName = newText("F");
        KivOidToCodec(&present.preferredRecordSyntax, kUsmarc);
        present.maxSegmentCount = newInteger(2);
        present.maxRecordSize = newInteger(4096);
        present.maxSegmentSize = newInteger(8192);
        present.otherInfo = newOtherInfo("other");
    });
    ASSERT_EQ(received.pdu->ePduType, TPT_PresentReq);
    const KivPresentReq& present = *received.pdu->uPdu.psPresentReq;
    EXPECT_EQ(octetsOf(present.psReferenceId), "p-ref");
    EXPECT_EQ(present.sResultSetId.pcValue, "default");
    EXPECT_EQ(present.ulResultSetStartPoint, 3u);
    EXPECT_EQ(present.ulNumberOfRecordsRequested, 7u);
    ASSERT_EQ(present.ppsAdditionalRanges.size(), 2u);
    EXPECT_EQ(present.ppsAdditionalRanges[0]->ulStartingPosition, 20u);
    EXPECT_EQ(present.ppsAdditionalRanges[0]->ulNumberOfRecords, 2u);
    EXPECT_EQ(present.ppsAdditionalRanges[1]->ulStartingPosition, 40u);
    EXPECT_EQ(present.ppsAdditionalRanges[1]->ulNumberOfRecords, 4u);
    ASSERT_NE(present.psRecordComposition, nullptr);
    ASSERT_EQ(present.psRecordComposition->eRecordCompositionType, 1);
    EXPECT_EQ(
        textOf(present.psRecordComposition->uRecordComposition.psElementSetNames->uElementSet.psGeneric),
        "F");
    EXPECT_EQ(present.pcPreferredRecordSyntax, kUsmarc);
    EXPECT_EQ(present.pulMaxSegmentCount, 2u);
    EXPECT_EQ(present.pulMaxRecordSize, 4096u);
    EXPECT_EQ(present.pulMaxSegmentSize, 8192u);
    EXPECT_EQ(characterInfoOf(present.ppsOtherInformation), "other");

    Received bare;
    receive(PDU::kPresentRequest, &PDU::presentRequest, KIV_TS_OPEN, bare,
            [](PresentRequest& p) { setText(&p.resultSetId, "default"); });
    const KivPresentReq& minimal = *bare.pdu->uPdu.psPresentReq;
    EXPECT_FALSE(minimal.ppsAdditionalRanges.present());
    EXPECT_EQ(minimal.psRecordComposition, nullptr);
    EXPECT_FALSE(minimal.pcPreferredRecordSyntax.has_value());
    EXPECT_FALSE(minimal.pulMaxSegmentCount.has_value());
    EXPECT_FALSE(minimal.pulMaxRecordSize.has_value());
    EXPECT_FALSE(minimal.pulMaxSegmentSize.has_value());
}

TEST_F(ReceivedRequestTest, ADeleteResultSetRequestKeepsOnlyKnownFunctions) {
    struct Case {
        BerInteger function;
        int32_t expected;
    };
    for (const Case c : {Case{0, DF_List}, Case{1, DF_All}, Case{2, DF_Invalid}, Case{-3, DF_Invalid}}) {
        Received received;
        receive(PDU::kDeleteResultSetRequest, &PDU::deleteResultSetRequest, KIV_TS_OPEN, received,
                [&](DeleteResultSetRequest& del) {
                    setText(&del.referenceId, "d-ref");
                    del.deleteFunction = c.function;
                    appendText(&del.resultSetList, "one");
                    appendText(&del.resultSetList, "two");
                    del.otherInfo = newOtherInfo("other");
                });
        ASSERT_EQ(received.pdu->ePduType, TPT_DeleteResultSetReq);
        const KivDeleteResultSetReq& del = *received.pdu->uPdu.psDeleteResultSetReq;
        EXPECT_EQ(del.eDeleteFunction, c.expected) << c.function;
        EXPECT_EQ(octetsOf(del.psReferenceId), "d-ref");
        EXPECT_EQ(textsOf(del.ppsResultSetId), (std::vector<std::string>{"one", "two"}));
        EXPECT_EQ(characterInfoOf(del.ppsOtherInformation), "other");
    }
    Received bare;
    receive(PDU::kDeleteResultSetRequest, &PDU::deleteResultSetRequest, KIV_TS_OPEN, bare,
            [](DeleteResultSetRequest& del) { del.deleteFunction = 1; });
    EXPECT_FALSE(bare.pdu->uPdu.psDeleteResultSetReq->ppsResultSetId.present());
}

TEST_F(ReceivedRequestTest, AScanRequestArrivesWithEveryField) {
    Received received;
    receive(PDU::kScanRequest, &PDU::scanRequest, KIV_TS_OPEN, received, [](ScanRequest& scan) {
        setText(&scan.referenceId, "sc-ref");
        appendText(&scan.databaseNames, "books");
        KivOidToCodec(&scan.attributeSet, kBib1);
        scan.termListAndStartPoint = newAttributesPlusTerm("dick");
        scan.stepSize = newInteger(0);
        scan.numberOfTermsRequested = 20;
        scan.preferredPositionInResponse = newInteger(1);
        scan.otherInfo = newOtherInfo("other");
    });
    ASSERT_EQ(received.pdu->ePduType, TPT_ScanReq);
    const KivScanReq& scan = *received.pdu->uPdu.psScanReq;
    EXPECT_EQ(octetsOf(scan.psReferenceId), "sc-ref");
    EXPECT_EQ(textsOf(scan.ppsDatabaseNames), std::vector<std::string>{"books"});
    EXPECT_EQ(scan.pcAttributeSetId, kBib1);
    expectAttributesPlusTerm(scan.sAttributesPlusTerm, "dick");
    EXPECT_EQ(scan.pulStepSize, 0u);
    EXPECT_EQ(scan.ulNumberOfTermsRequested, 20u);
    EXPECT_EQ(scan.pulPreferredPositionInResponse, 1u);
    EXPECT_EQ(characterInfoOf(scan.ppsOtherInformation), "other");
    EXPECT_EQ(SIGetState(101), KIV_TS_SCAN_RECVD);

    Received bare;
    receive(PDU::kScanRequest, &PDU::scanRequest, KIV_TS_OPEN, bare, [](ScanRequest& s) {
        s.databaseNames = kivNewCodecList();
        s.termListAndStartPoint = newAttributesPlusTerm("x");
    });
    const KivScanReq& minimal = *bare.pdu->uPdu.psScanReq;
    EXPECT_TRUE(minimal.ppsDatabaseNames.present());
    EXPECT_EQ(minimal.ppsDatabaseNames.size(), 0u);
    EXPECT_FALSE(minimal.pcAttributeSetId.has_value());
    EXPECT_FALSE(minimal.pulStepSize.has_value());
    EXPECT_FALSE(minimal.pulPreferredPositionInResponse.has_value());
}

TEST_F(ReceivedRequestTest, AResourceReportRequestKeepsAnOperationIdOnlyWhenItHasOctets) {
    Received received;
    receive(PDU::kResourceReportRequest, &PDU::resourceReportRequest, KIV_TS_OPEN, received,
            [](ResourceReportRequest& report) {
                setText(&report.referenceId, "rr-ref");
                setText(&report.opId, "op-7");
                KivOidToCodec(&report.prefResourceReportFormat, "1.2.840.10003.7.2");
                report.otherInfo = newOtherInfo("other");
            });
    ASSERT_EQ(received.pdu->ePduType, TPT_ResourceReportReq);
    const KivResourceReportReq& report = *received.pdu->uPdu.psResourceReportReq;
    EXPECT_EQ(octetsOf(report.psReferenceId), "rr-ref");
    EXPECT_EQ(octetsOf(report.psOperationId), "op-7");
    EXPECT_EQ(report.pcPrefResourceReportFormat, "1.2.840.10003.7.2");
    EXPECT_EQ(characterInfoOf(report.ppsOtherInformation), "other");

    Received empty;
    receive(PDU::kResourceReportRequest, &PDU::resourceReportRequest, KIV_TS_OPEN, empty,
            [](ResourceReportRequest& r) { kivCodecCopy(&r.opId, "", 0); });
    EXPECT_EQ(empty.pdu->uPdu.psResourceReportReq->psOperationId, nullptr);
    EXPECT_FALSE(empty.pdu->uPdu.psResourceReportReq->pcPrefResourceReportFormat.has_value());
}

TEST_F(ReceivedRequestTest, ASortRequestArrivesWithItsSortKeys) {
    Received received;
    receive(PDU::kSortRequest, &PDU::sortRequest, KIV_TS_OPEN, received, [](SortRequest& sort) {
        setText(&sort.referenceId, "so-ref");
        appendText(&sort.inputResultSetNames, "a");
        appendText(&sort.inputResultSetNames, "b");
        setText(&sort.sortedResultSetName, "sorted");
        // 1: a generic sort field, ascending, case sensitive.
        auto* field = append<SortKeySpec>(&sort.sortSequence);
        field->sortElement = kivNewCodecRecord<SortElement>();
        field->sortElement->choiceId = SortElement::kGeneric;
        field->sortElement->generic = kivNewCodecRecord<SortKey>();
        field->sortElement->generic->choiceId = SortKey::kSortfield;
        field->sortElement->generic->sortfield = newText("title");
        field->sortRelation = 0;
        field->caseSensitivity = 0;
        // 2: generic sort attributes, descending, case insensitive, abort when missing.
        auto* attributes = append<SortKeySpec>(&sort.sortSequence);
        attributes->sortElement = kivNewCodecRecord<SortElement>();
        attributes->sortElement->choiceId = SortElement::kGeneric;
        attributes->sortElement->generic = kivNewCodecRecord<SortKey>();
        attributes->sortElement->generic->choiceId = SortKey::kSortAttributes;
        auto* sortAttributes = kivNewCodecRecord<SortKeySortAttributes>();
        attributes->sortElement->generic->sortAttributes = sortAttributes;
        KivOidToCodec(&sortAttributes->id, kBib1);
        sortAttributes->list = newAttributeList();
        attributes->sortRelation = 1;
        attributes->caseSensitivity = 1;
        attributes->missingValueAction = kivNewCodecRecord<SortKeySpecMissingValueAction>();
        attributes->missingValueAction->choiceId = SortKeySpecMissingValueAction::kAbort;
        // 3: database-specific element specs, by frequency, a constant when missing.
        auto* specific = append<SortKeySpec>(&sort.sortSequence);
        specific->sortElement = kivNewCodecRecord<SortElement>();
        specific->sortElement->choiceId = SortElement::kDatbaseSpecific;
        auto* item = append<SortElementDatbaseSpecificItem>(&specific->sortElement->datbaseSpecific);
        setText(&item->databaseName, "books");
        item->dbSort = kivNewCodecRecord<SortKey>();
        item->dbSort->choiceId = SortKey::kElementSpec;
        item->dbSort->elementSpec = kivNewCodecRecord<Specification>();
        KivOidToCodec(&item->dbSort->elementSpec->schema, "1.2.840.10003.13.1");
        specific->sortRelation = 3;
        specific->caseSensitivity = 1;
        specific->missingValueAction = kivNewCodecRecord<SortKeySpecMissingValueAction>();
        specific->missingValueAction->choiceId = SortKeySpecMissingValueAction::kMissingValueData;
        specific->missingValueAction->missingValueData = newText("zzz");
        // 4: out-of-list relation and case; null when missing.
        auto* odd = append<SortKeySpec>(&sort.sortSequence);
        odd->sortElement = kivNewCodecRecord<SortElement>();
        odd->sortElement->choiceId = SortElement::kGeneric;
        odd->sortElement->generic = kivNewCodecRecord<SortKey>();
        odd->sortElement->generic->choiceId = SortKey::kSortfield;
        odd->sortElement->generic->sortfield = newText("date");
        odd->sortRelation = 2;
        odd->caseSensitivity = 5;
        odd->missingValueAction = kivNewCodecRecord<SortKeySpecMissingValueAction>();
        odd->missingValueAction->choiceId = SortKeySpecMissingValueAction::kNull;
        sort.otherInfo = newOtherInfo("other");
    });
    ASSERT_EQ(received.pdu->ePduType, TPT_SortReq);
    const KivSortReq& sort = *received.pdu->uPdu.psSortReq;
    EXPECT_EQ(octetsOf(sort.psReferenceId), "so-ref");
    EXPECT_EQ(textsOf(sort.ppsInputResultSetName), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(sort.sSortedResultSetName.pcValue, "sorted");
    ASSERT_EQ(sort.ppsSortSequence.size(), 4u);

    const KivSortKeySpec& field = *sort.ppsSortSequence[0];
    ASSERT_EQ(field.sSortElement.eSortElementType, SET_Generic);
    ASSERT_EQ(field.sSortElement.uSortElement.psGeneric->eSortKeyType, SKT_SortField);
    EXPECT_EQ(textOf(field.sSortElement.uSortElement.psGeneric->uSortKey.psSortField), "title");
    EXPECT_EQ(field.eSortRelationType, SRT_Ascending);
    EXPECT_EQ(field.eSortCaseType, SCT_CaseSensitive);
    EXPECT_EQ(field.psMVActionType, nullptr);

    const KivSortKeySpec& attributes = *sort.ppsSortSequence[1];
    const KivSortKey& attributeKey = *attributes.sSortElement.uSortElement.psGeneric;
    ASSERT_EQ(attributeKey.eSortKeyType, SKT_SortAttributes);
    EXPECT_EQ(attributeKey.uSortKey.psSortAttributes->pcAttributeSetId, kBib1);
    expectAttributes(attributeKey.uSortKey.psSortAttributes->ppsAttributeElement);
    EXPECT_EQ(attributes.eSortRelationType, SRT_Descending);
    EXPECT_EQ(attributes.eSortCaseType, SCT_CaseInsensitive);
    ASSERT_NE(attributes.psMVActionType, nullptr);
    EXPECT_EQ(attributes.psMVActionType->eMVActionType, SMT_Abort);

    const KivSortKeySpec& specific = *sort.ppsSortSequence[2];
    ASSERT_EQ(specific.sSortElement.eSortElementType, SET_DbSpecific);
    const auto& items = specific.sSortElement.uSortElement.ppsDbSpecific;
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->sDatabaseName.pcValue, "books");
    ASSERT_EQ(items[0]->sDbSort.eSortKeyType, SKT_ElementSpec);
    EXPECT_EQ(items[0]->sDbSort.uSortKey.psElementSpec->pcSchema, "1.2.840.10003.13.1");
    EXPECT_EQ(specific.eSortRelationType, SRT_FrequencyAsc);
    ASSERT_NE(specific.psMVActionType, nullptr);
    EXPECT_EQ(specific.psMVActionType->eMVActionType, SMT_Constant);
    EXPECT_EQ(octetsOf(specific.psMVActionType->psConstant), "zzz");

    const KivSortKeySpec& odd = *sort.ppsSortSequence[3];
    EXPECT_EQ(odd.eSortRelationType, SRT_Invalid) << "sortRelation 2 is no relation";
    EXPECT_EQ(odd.eSortCaseType, SCT_Invalid);
    EXPECT_EQ(odd.psMVActionType->eMVActionType, SMT_Null);
    EXPECT_EQ(characterInfoOf(sort.ppsOtherInformation), "other");
}

TEST_F(ReceivedRequestTest, AnExtendedServicesRequestArrivesWithEveryField) {
    struct Case {
        BerInteger function;
        BerInteger waitAction;
        int32_t expectedFunction;
        int32_t expectedWaitAction;
    };
    for (const Case c :
         {Case{1, 2, ESF_Create, ESWA_WaitIfPossible}, Case{3, 4, ESF_Modify, ESWA_DontReturnPackage},
          Case{4, 5, ESF_Invalid, ESWA_Invalid}, Case{0, 0, ESF_Invalid, ESWA_Invalid}}) {
        Received received;
        receive(PDU::kExtendedServicesRequest, &PDU::extendedServicesRequest, KIV_TS_OPEN, received,
                [&](ExtendedServicesRequest& es) {
                    setText(&es.referenceId, "es-ref");
                    es.function = c.function;
                    KivOidToCodec(&es.packageType, "1.2.840.10003.9.5");
                    setText(&es.packageName, "pkg");
                    setText(&es.userId, "user");
                    es.retentionTime = kivNewCodecRecord<IntUnit>();
                    es.retentionTime->value = 30;
                    es.retentionTime->unitUsed = kivNewCodecRecord<Unit>();
                    setText(&es.retentionTime->unitUsed->unitSystem, "days");
                    auto* permission = append<PermissionsItem>(&es.permissions);
                    setText(&permission->userId, "other-user");
                    *append<BerInteger>(&permission->allowableFunctions) = 4;
                    setText(&es.description, "a task");
                    es.taskSpecificParameters = newExternal("1.2.3.9", "params");
                    es.waitAction = c.waitAction;
                    setText(&es.elements, "F");
                    es.otherInfo = newOtherInfo("other");
                });
        ASSERT_EQ(received.pdu->ePduType, TPT_ExtendedServicesReq);
        const KivExtendedServicesReq& es = *received.pdu->uPdu.psExtendedServicesReq;
        EXPECT_EQ(es.eFunction, c.expectedFunction) << c.function;
        EXPECT_EQ(es.eWaitAction, c.expectedWaitAction) << c.waitAction;
        EXPECT_EQ(octetsOf(es.psReferenceId), "es-ref");
        EXPECT_EQ(es.pcPackageType, "1.2.840.10003.9.5");
        EXPECT_EQ(textOf(es.psPackageName), "pkg");
        EXPECT_EQ(textOf(es.psUserId), "user");
        ASSERT_NE(es.psRetentionTime, nullptr);
        EXPECT_EQ(es.psRetentionTime->ulValue, 30u);
        EXPECT_EQ(textOf(es.psRetentionTime->sUnitUsed.psUnitSystem), "days");
        ASSERT_EQ(es.ppsPermissions.size(), 1u);
        EXPECT_EQ(es.ppsPermissions[0]->sUserId.pcValue, "other-user");
        ASSERT_EQ(es.ppsPermissions[0]->ppeAllowableFunctions.size(), 1u);
        EXPECT_EQ(*es.ppsPermissions[0]->ppeAllowableFunctions[0], PAF_Present);
        EXPECT_EQ(textOf(es.psDescription), "a task");
        EXPECT_EQ(externalOf(es.psOriginSpecificParameter), "1.2.3.9 params");
        EXPECT_EQ(textOf(es.psElements), "F");
        EXPECT_EQ(characterInfoOf(es.ppsOtherInformation), "other");
    }
    Received bare;
    receive(PDU::kExtendedServicesRequest, &PDU::extendedServicesRequest, KIV_TS_OPEN, bare,
            [](ExtendedServicesRequest& es) {
                es.function = 1;
                KivOidToCodec(&es.packageType, "1.2.840.10003.9.5");
                es.waitAction = 1;
            });
    const KivExtendedServicesReq& minimal = *bare.pdu->uPdu.psExtendedServicesReq;
    EXPECT_EQ(minimal.psPackageName, nullptr);
    EXPECT_EQ(minimal.psUserId, nullptr);
    EXPECT_EQ(minimal.psRetentionTime, nullptr);
    EXPECT_FALSE(minimal.ppsPermissions.present());
    EXPECT_EQ(minimal.psDescription, nullptr);
    EXPECT_EQ(minimal.psOriginSpecificParameter, nullptr);
    EXPECT_EQ(minimal.psElements, nullptr);
}

TEST_F(ReceivedRequestTest, AnAccessControlResponseReturnsToTheInterruptedState) {
    // The target's access-control request interrupted a search: the response takes it back there.
    SIError* error = nullptr;
    for (const int32_t choice : {AccessControlResponseSecurityChallengeResponse::kSimpleForm,
                                 AccessControlResponseSecurityChallengeResponse::kExternallyDefined}) {
        const KivAssocId id = 300 + choice;
        registerOn(id, -1, KIV_TS_SEARCH_RECVD);
        ASSERT_EQ(SIStateEvent(id, KIV_OE_ACCCNTREQ, &error), 0);
        ASSERT_EQ(SIGetState(id), KIV_TS_ACCCNT_SENT);
        PDU pdu{};
        pdu.choiceId = PDU::kAccessControlResponse;
        pdu.accessControlResponse = kivNewCodecRecord<AccessControlResponse>();
        AccessControlResponse& access = *pdu.accessControlResponse;
        setText(&access.referenceId, "ac-ref");
        access.securityChallengeResponse =
            kivNewCodecRecord<AccessControlResponseSecurityChallengeResponse>();
        access.securityChallengeResponse->choiceId = choice;
        if (choice == AccessControlResponseSecurityChallengeResponse::kSimpleForm) {
            access.securityChallengeResponse->simpleForm = newText("answer");
        } else {
            access.securityChallengeResponse->externallyDefined = newExternal("1.2.3.7", "answer");
        }
        access.diagnostic = kivNewCodecRecord<DiagRec>();
        access.diagnostic->choiceId = DiagRec::kDefaultFormat;
        access.diagnostic->defaultFormat = kivNewCodecRecord<DefaultDiagFormat>();
        KivOidToCodec(&access.diagnostic->defaultFormat->diagnosticSetId, "1.2.840.10003.4.1");
        access.diagnostic->defaultFormat->condition = 1001;
        access.diagnostic->defaultFormat->addinfo = kivNewCodecRecord<DefaultDiagFormatAddinfo>();
        access.diagnostic->defaultFormat->addinfo->choiceId = DefaultDiagFormatAddinfo::kV2Addinfo;
        access.diagnostic->defaultFormat->addinfo->v2Addinfo = newText("more");
        access.otherInfo = newOtherInfo("other");
        const std::vector<uint8_t> octets = encodeApdu(&pdu);
        FreePDU(&pdu);
        Received received;
        received.result = ReceiveDataTargetNT(id, CALL_BLOCKING, &received.pdu, octets.data(), octets.size(),
                                              &received.error);
        ASSERT_EQ(received.result, SI_OK);
        ASSERT_EQ(received.pdu->ePduType, TPT_AccessControlRsp);
        EXPECT_EQ(SIGetState(id), KIV_TS_SEARCH_RECVD);
        const KivAccessControlRsp& rsp = *received.pdu->uPdu.psAccessControlRsp;
        EXPECT_EQ(octetsOf(rsp.psReferenceId), "ac-ref");
        ASSERT_NE(rsp.psSecurityChallengeRsp, nullptr);
        const auto& member = rsp.psSecurityChallengeRsp->uSecurityChallengeRsp;
        if (choice == AccessControlResponseSecurityChallengeResponse::kSimpleForm) {
            EXPECT_EQ(rsp.psSecurityChallengeRsp->eSecurityChallengeRspType, SECT_SimpleForm);
            EXPECT_EQ(octetsOf(member.psSimpleForm), "answer");
        } else {
            EXPECT_EQ(rsp.psSecurityChallengeRsp->eSecurityChallengeRspType, SECT_ExternallyDefined);
            EXPECT_EQ(externalOf(member.psExternallyDefinedInfo), "1.2.3.7 answer");
        }
        ASSERT_NE(rsp.psDiagnostic, nullptr);
        ASSERT_EQ(rsp.psDiagnostic->eDiagnosticsType, DT_DefaultFormat);
        EXPECT_EQ(rsp.psDiagnostic->uDiagnostics.psDefault->ulCondition, 1001u);
        EXPECT_EQ(characterInfoOf(rsp.ppsOtherInformation), "other");
    }
}

TEST_F(ReceivedRequestTest, AnEmptySimpleFormChallengeIsLeftAbsent) {
    SIError* error = nullptr;
    registerOn(400, -1, KIV_TS_SEARCH_RECVD);
    ASSERT_EQ(SIStateEvent(400, KIV_OE_ACCCNTREQ, &error), 0);
    PDU pdu{};
    pdu.choiceId = PDU::kAccessControlResponse;
    pdu.accessControlResponse = kivNewCodecRecord<AccessControlResponse>();
    pdu.accessControlResponse->securityChallengeResponse =
        kivNewCodecRecord<AccessControlResponseSecurityChallengeResponse>();
    pdu.accessControlResponse->securityChallengeResponse->choiceId =
        AccessControlResponseSecurityChallengeResponse::kSimpleForm;
    pdu.accessControlResponse->securityChallengeResponse->simpleForm = newText("");
    const std::vector<uint8_t> octets = encodeApdu(&pdu);
    FreePDU(&pdu);
    Received received;
    received.result =
        ReceiveDataTargetNT(400, CALL_BLOCKING, &received.pdu, octets.data(), octets.size(), &received.error);
    ASSERT_EQ(received.result, SI_OK);
    const KivAccessControlRsp& rsp = *received.pdu->uPdu.psAccessControlRsp;
    ASSERT_NE(rsp.psSecurityChallengeRsp, nullptr);
    EXPECT_EQ(rsp.psSecurityChallengeRsp->eSecurityChallengeRspType, SECT_SimpleForm);
    EXPECT_EQ(rsp.psSecurityChallengeRsp->uSecurityChallengeRsp.psSimpleForm, nullptr);
    EXPECT_EQ(rsp.psReferenceId, nullptr);
    EXPECT_EQ(rsp.psDiagnostic, nullptr);
    EXPECT_FALSE(rsp.ppsOtherInformation.present());
}

TEST_F(ReceivedRequestTest, AResourceControlResponseArrivesWithItsFlags) {
    SIError* error = nullptr;
    registerOn(500, -1, KIV_TS_SEARCH_RECVD);
    siSetResourceControlResponseRequired(500, 1);
    ASSERT_EQ(SIStateEvent(500, KIV_OE_RESCNTREQ, &error), 0);
    ASSERT_EQ(SIGetState(500), KIV_TS_RESCNT_SENT);
    PDU pdu{};
    pdu.choiceId = PDU::kResourceControlResponse;
    pdu.resourceControlResponse = kivNewCodecRecord<ResourceControlResponse>();
    setText(&pdu.resourceControlResponse->referenceId, "rc-ref");
    pdu.resourceControlResponse->continueFlag = 1;
    pdu.resourceControlResponse->resultSetWanted = newBoolean(0);
    pdu.resourceControlResponse->otherInfo = newOtherInfo("other");
    const std::vector<uint8_t> octets = encodeApdu(&pdu);
    FreePDU(&pdu);
    Received received;
    received.result =
        ReceiveDataTargetNT(500, CALL_BLOCKING, &received.pdu, octets.data(), octets.size(), &received.error);
    ASSERT_EQ(received.result, SI_OK);
    ASSERT_EQ(received.pdu->ePduType, TPT_ResourceControlRsp);
    EXPECT_EQ(SIGetState(500), KIV_TS_SEARCH_RECVD);
    const KivResourceControlRsp& rsp = *received.pdu->uPdu.psResourceControlRsp;
    EXPECT_EQ(octetsOf(rsp.psReferenceId), "rc-ref");
    EXPECT_EQ(rsp.fContinueFlag, 1u);
    EXPECT_EQ(rsp.pfResultSetWanted, 0u);
    EXPECT_EQ(characterInfoOf(rsp.ppsOtherInformation), "other");
}

TEST_F(ReceivedRequestTest, ATriggerKeepsOnlyKnownActionsAndLeavesOthersZero) {
    struct Case {
        BerInteger action;
        int32_t expected;
    };
    for (const Case c : {Case{1, RA_ResourceReport1}, Case{3, RA_Cancel}, Case{4, 0}, Case{-1, 0}}) {
        Received received;
        receive(PDU::kTriggerResourceControlRequest, &PDU::triggerResourceControlRequest, KIV_TS_SEARCH_RECVD,
                received, [&](TriggerResourceControlRequest& trigger) {
                    setText(&trigger.referenceId, "t-ref");
                    trigger.requestedAction = c.action;
                    KivOidToCodec(&trigger.prefResourceReportFormat, "1.2.840.10003.7.1");
                    trigger.resultSetWanted = newBoolean(1);
                    trigger.otherInfo = newOtherInfo("other");
                });
        ASSERT_EQ(received.pdu->ePduType, TPT_TriggerResourceControlReq);
        const KivTriggerResourceControlReq& trigger = *received.pdu->uPdu.psTriggerResourceControlReq;
        EXPECT_EQ(trigger.eRequestedAction, c.expected) << c.action;
        EXPECT_EQ(octetsOf(trigger.psReferenceId), "t-ref");
        EXPECT_EQ(trigger.pcPreferredResourceReportFormat, "1.2.840.10003.7.1");
        EXPECT_EQ(trigger.pfResultSetWanted, 1u);
        EXPECT_EQ(characterInfoOf(trigger.ppsOtherInformation), "other");
    }
}

}  // namespace
