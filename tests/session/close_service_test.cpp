// The Close service: a Close exchange with a peer that speaks through the codec, the checks of the record,
// the events of either role, and the conversion of every field in both directions.
#include "toolkit/session/close_service.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/session/transport_fixture.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/close_service_conversion.h"
#include "toolkit/session/receive_data_target.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"

namespace {

using codec::z3950::PDU;

class CloseServiceTest : public TransportFixture {
  protected:
    static long codeOf(const SIError* error) {
        return error != nullptr ? error->uErrorCode.lIfOsCoError : -1;
    }
    static std::string text(const BerOctets& octets) {
        return std::string(reinterpret_cast<const char*>(octets.octets), static_cast<size_t>(octets.length));
    }
    static KivClose closeRecord(int32_t reason, const std::string& referenceId = "") {
        KivClose close;
        close.eCloseReason = reason;
        if (!referenceId.empty()) close.psReferenceId.reset(new KivOctets{referenceId});
        return close;
    }
};

TEST_F(CloseServiceTest, APeersCloseIsAnsweredAndTheAssociationReturnsToAssociation) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_OPEN);
    trace(1, Trace_Low);
    writeAll(peer, closeOctets(CR_Finished, "peer-ref"));

    KivTargetPdu* received = nullptr;
    SIError* error = nullptr;
    ASSERT_EQ(ReceiveDataTarget(1, CALL_BLOCKING, &received, &error), SI_OK);
    ASSERT_EQ(received->ePduType, TPT_CloseReq);
    EXPECT_EQ(SIGetState(1), KIV_TS_CLOSE_RECVD);

    KivClose answer = closeRecord(CR_Finished, received->uPdu.psCloseReq->psReferenceId->pcValue);
    KivFreeTargetPdu(&received);
    ASSERT_EQ(KIVCloseResponse(1, &answer, &error), SI_OK);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(SIGetState(1), KIV_TS_ASSOCIATION);
    EXPECT_EQ(answer.psReferenceId->pcValue, "peer-ref") << "the record stays the caller's, unchanged";

    PDU sent = decodeApdu(readApdu(peer));
    ASSERT_EQ(sent.choiceId, PDU::kClose);
    EXPECT_EQ(sent.close->closeReason, CR_Finished);
    EXPECT_EQ(text(sent.close->referenceId), "peer-ref");
    EXPECT_EQ(sent.close->diagnosticInformation.octets, nullptr);
    EXPECT_EQ(sent.close->resourceReport, nullptr);
    codec::z3950::FreePDU(&sent);

    EXPECT_EQ(linesAfterBanner("trace.txt"),
              "Brellin Pontrel for Windows Trace File Association: 1\n**Entering function:ReceiveDataTarget\n"
              "TARGET EVENT is: KIV_TE_CLOSEREQ_PDU\nCurrent TARGET STATE is: KIV_TS_CLOSE_RECVD\n"
              "Brellin Pontrel for Windows Trace File Association: 1\n**Leaving function:ReceiveDataTarget\n"
              "Function returned: SI_OK\n\n"
              "Brellin Pontrel for Windows Trace File Association: 1\n**Entering function:KIVCloseResponse\n"
              "TARGET EVENT is: KIV_TE_CLOSERESP\nCurrent TARGET STATE is: KIV_TS_ASSOCIATION\n"
              "Brellin Pontrel for Windows Trace File Association: 1\n**Leaving function:KIVCloseResponse\n"
              "Function returned: SI_OK\n\n");
}

TEST_F(CloseServiceTest, ATargetsCloseIsAnsweredByThePeersClose) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_SEARCH_RECVD);
    trace(1, Trace_High);
    const KivClose close = closeRecord(CR_ShutDown);
    SIError* error = nullptr;
    ASSERT_EQ(KIVCloseRequest(1, &close, &error), SI_OK);
    EXPECT_EQ(SIGetState(1), KIV_TS_CLOSE_SENT);
    PDU sent = decodeApdu(readApdu(peer));
    ASSERT_EQ(sent.choiceId, PDU::kClose);
    EXPECT_EQ(sent.close->closeReason, CR_ShutDown);
    codec::z3950::FreePDU(&sent);
    const std::string lines = linesAfterBanner("trace.txt");
    EXPECT_NE(lines.find("\nSending the following PDU:\n----------------------------------------\n"
                         "## Close 'CloseReq' PDU ##\n\nClose PDU\n"),
              std::string::npos)
        << lines;
    EXPECT_NE(lines.find("Encoding and sending PDU\nSend was successful\n"), std::string::npos);

    writeAll(peer, closeOctets(CR_Finished));
    KivTargetPdu* received = nullptr;
    ASSERT_EQ(ReceiveDataTarget(1, CALL_BLOCKING, &received, &error), SI_OK);
    EXPECT_EQ(received->ePduType, TPT_CloseRsp);
    EXPECT_EQ(SIGetState(1), KIV_TS_ASSOCIATION);
    KivFreeTargetPdu(&received);
}

TEST_F(CloseServiceTest, TheEventFollowsTheRole) {
    struct Case {
        int role;
        int state;
        bool request;
        SIResult result;
        int stateAfter;
        bool sent;
    };
    const Case cases[] = {
        {kSIRoleOrigin, KIV_OS_OPEN, true, SI_OK, KIV_OS_CLOSE_SENT, true},
        {kSIRoleOrigin, KIV_OS_CLOSE_RCVD, false, SI_OK, KIV_OS_ASSOCIATION, true},
        {kSIRoleTarget, KIV_TS_OPEN, false, SI_NOTOK, KIV_TS_OPEN, false},
        {kSIRoleTarget, KIV_TS_ASSOCIATION, true, SI_NOTOK, KIV_TS_ASSOCIATION, false},
        {3, KIV_TS_OPEN, true, SI_OK, KIV_TS_OPEN, false},
    };
    KivAssocId id = 10;
    for (const Case& c : cases) {
        ++id;
        auto [target, peer] = socketPair();
        registerOn(id, target, c.state, c.role);
        const KivClose close = closeRecord(CR_Finished);
        SIError* error = nullptr;
        const SIResult result =
            c.request ? KIVCloseRequest(id, &close, &error) : KIVCloseResponse(id, &close, &error);
        EXPECT_EQ(result, c.result) << id;
        EXPECT_EQ(SIGetState(id), c.stateAfter) << id;
        EXPECT_EQ(readAvailable(peer).empty(), !c.sent) << id;
        if (c.result == SI_NOTOK) {
            EXPECT_EQ(codeOf(error), 80) << id;
        }
        SIFreeError(&error);
    }
}

TEST_F(CloseServiceTest, AnInvalidRecordIsRefusedBeforeAnythingElse) {
    struct Case {
        KivClose close;
        long code;
        const char* diagnostic;
    };
    std::vector<Case> cases;
    cases.push_back(
        {closeRecord(10), 66, "psCloseRsp->eCloseReason contains a value which is out of its range"});
    cases.push_back(
        {closeRecord(-1), 66, "psCloseRsp->eCloseReason contains a value which is out of its range"});
    cases.push_back(
        {closeRecord(CR_Finished), 73, "Invalid oid value psCloseRsp->pcResourceReportFormat given"});
    cases.back().close.pcResourceReportFormat = "1.2.x";
    cases.push_back({closeRecord(CR_Finished), 66, "psCloseRsp->ppsOtherInformation[0]->eInformationType"});
    cases.back().close.ppsOtherInformation.emplace()->eInformationType = 9;

    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_CLOSE_RECVD);
    trace(1, Trace_High);
    for (Case& c : cases) {
        SIError* error = nullptr;
        EXPECT_EQ(KIVCloseResponse(1, &c.close, &error), SI_NOTOK);
        EXPECT_EQ(codeOf(error), c.code);
        SIFreeError(&error);
    }
    SIError* error = nullptr;
    EXPECT_EQ(KIVCloseResponse(1, nullptr, &error), SI_NOTOK);
    EXPECT_EQ(codeOf(error), 64);
    SIFreeError(&error);
    EXPECT_EQ(SIGetState(1), KIV_TS_CLOSE_RECVD);
    EXPECT_TRUE(readAvailable(peer).empty());
    // Only the error blocks reach the trace: no entry lines, no event.
    const std::string lines = linesAfterBanner("trace.txt");
    EXPECT_EQ(lines.find("Entering function"), std::string::npos);
    EXPECT_EQ(lines.find("TARGET EVENT"), std::string::npos);
    for (const Case& c : cases) EXPECT_NE(lines.find(c.diagnostic), std::string::npos) << c.diagnostic;
}

TEST_F(CloseServiceTest, EveryFieldSurvivesTheWayThroughTheCodec) {
    KivClose close = closeRecord(CR_SystemProblem, "ref-9");
    close.psDiagnosticInformation.reset(new KivInternationalString{"disk full"});
    close.pcResourceReportFormat = "1.2.840.10003.7.1";
    close.psResourceReport = std::make_unique<KivExternal>();
    close.psResourceReport->pcObjectIdentifier = "1.2.3.4";
    close.psResourceReport->eValueType = EVT_OctetAligned;
    close.psResourceReport->uExternalValue.psOctetAligned.reset(new KivOctets{"report"});
    KivOtherInformation* note = close.ppsOtherInformation.emplace();
    note->eInformationType = IT_CharacterInfo;
    note->uInformation.psCharacterInfo.reset(new KivInternationalString{"note"});

    PDU pdu{};
    pdu.choiceId = PDU::kClose;
    pdu.close = kivNewCodecRecord<codec::z3950::Close>();
    siCloseToCodec(pdu.close, &close);
    const std::vector<uint8_t> octets = codec::z3950::encodeApdu(&pdu);
    codec::z3950::FreePDU(&pdu);
    PDU decoded = decodeApdu(octets);
    ASSERT_EQ(decoded.choiceId, PDU::kClose);
    std::unique_ptr<KivClose> back;
    siCloseFromCodec(&back, decoded.close);
    codec::z3950::FreePDU(&decoded);

    EXPECT_EQ(back->psReferenceId->pcValue, "ref-9");
    EXPECT_EQ(back->eCloseReason, CR_SystemProblem);
    EXPECT_EQ(back->psDiagnosticInformation->pcValue, "disk full");
    EXPECT_EQ(back->pcResourceReportFormat, "1.2.840.10003.7.1");
    ASSERT_NE(back->psResourceReport, nullptr);
    EXPECT_EQ(back->psResourceReport->pcObjectIdentifier, "1.2.3.4");
    EXPECT_EQ(back->psResourceReport->eValueType, EVT_OctetAligned);
    EXPECT_EQ(back->psResourceReport->uExternalValue.psOctetAligned->pcValue, "report");
    ASSERT_EQ(back->ppsOtherInformation.size(), 1u);
    EXPECT_EQ(back->ppsOtherInformation[0]->eInformationType, IT_CharacterInfo);
    EXPECT_EQ(back->ppsOtherInformation[0]->uInformation.psCharacterInfo->pcValue, "note");

    // Absent fields stay absent.
    std::unique_ptr<KivClose> bare;
    codec::z3950::Close empty{};
    siCloseFromCodec(&bare, &empty);
    EXPECT_EQ(bare->psReferenceId, nullptr);
    EXPECT_EQ(bare->psDiagnosticInformation, nullptr);
    EXPECT_FALSE(bare->pcResourceReportFormat.has_value());
    EXPECT_EQ(bare->psResourceReport, nullptr);
    EXPECT_FALSE(bare->ppsOtherInformation.present());
}

TEST_F(CloseServiceTest, AFailedSendAbortsTheAssociation) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_CLOSE_RECVD);
    closeNow(peer);
    const KivClose close = closeRecord(CR_Finished);
    SIError* error = nullptr;
    EXPECT_EQ(KIVCloseResponse(1, &close, &error), SI_NOTOK);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_Abort);
    EXPECT_FALSE(siFindAssociation(1).has_value());
    SIFreeError(&error);
    EXPECT_EQ(KIVCloseResponse(1, &close, &error), SI_NOTOK);
    EXPECT_EQ(codeOf(error), 3);
    SIFreeError(&error);
}

}  // namespace
