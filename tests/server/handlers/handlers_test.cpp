// The Init and Close handlers, answering over a socket pair whose other end a codec-speaking peer reads.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Quorvane/association/session_setup.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/handlers/request_handlers.h"
#include "tests/server/handler_transport_fixture.h"
#include "toolkit/session/state_machine_names.h"

namespace {

using codec::z3950::PDU;

const std::string kSettings =
    "[InitializeResponse]\n"
    "pcProtocolVersion=111\n"
    "pcOptions=11000001\n"
    "ulPreferredMessageSize=32768\n"
    "ulMaximumMessageSize=65536\n"
    "pcImplementationId=QRV\n"
    "pcImplementationName=Quorvane\n"
    "pcImplementationVersion=1.0\n";

class HandlersTest : public HandlerTransportTest {
  protected:
    static constexpr KivAssocId kId = 4711;

    HandlersTest() : HandlerTransportTest(kId) {}

    // An association in the state, with its session; answers the peer's end of the connection.
    int associate(int state, const std::string& extraSettings = "") {
        std::ofstream(kIniFileName) << kSettings << extraSettings;
        auto [target, peer] = socketPair();
        registerOn(kId, target, state);
        EXPECT_TRUE(SessionSetUp(kId, target));
        out_.str("");  // what the set-up logged (the control files are missing here) is not the handlers'
        return peer;
    }

    static KivTargetPdu initPdu(std::uint32_t preferred, std::uint32_t maximum) {
        KivTargetPdu pdu;
        pdu.ePduType = TPT_InitializeReq;
        pdu.uPdu.psInitializeReq = std::make_unique<KivInitializeReq>();
        KivInitializeReq& request = *pdu.uPdu.psInitializeReq;
        request.pcProtocolVersion = "11";
        request.pcOptions = "1100";
        request.ulPreferredMessageSize = preferred;
        request.ulMaxmiumMessageSize = maximum;
        request.psImplementationName.reset(new KivInternationalString{"client"});
        return pdu;
    }

    static KivTargetPdu closePdu(std::int32_t type, std::int32_t reason, const std::string& referenceId) {
        KivTargetPdu pdu;
        pdu.ePduType = type;
        auto close = std::make_unique<KivClose>();
        close->eCloseReason = reason;
        close->psReferenceId.reset(new KivOctets{referenceId});
        (type == TPT_CloseReq ? pdu.uPdu.psCloseReq : pdu.uPdu.psCloseRsp) = std::move(close);
        return pdu;
    }
};

TEST_F(HandlersTest, InitIsLoggedAndAnsweredWithTheLowerMessageSizes) {
    struct Case {
        std::uint32_t clientPreferred, clientMaximum, answeredPreferred, answeredMaximum;
    };
    for (const Case& c : {Case{1024, 4096, 1024, 4096}, Case{100000, 1000000, 32768, 65536},
                          Case{32768, 70000, 32768, 65536}, Case{0, 0, 32768, 65536}}) {
        SCOPED_TRACE(c.clientPreferred);
        const int peer = associate(KIV_TS_INIT_RECVD);
        KivTargetPdu pdu = initPdu(c.clientPreferred, c.clientMaximum);
        pdu.uPdu.psInitializeReq->psReferenceId.reset(new KivOctets{std::string("r\0f", 3)});
        HandleInitRequest(kId, pdu);

        PDU answer = decodeApdu(readApdu(peer));
        ASSERT_EQ(answer.choiceId, PDU::kInitResponse);
        EXPECT_EQ(answer.initResponse->preferredMessageSize, c.answeredPreferred);
        EXPECT_EQ(answer.initResponse->exceptionalRecordSize, c.answeredMaximum);
        EXPECT_EQ(answer.initResponse->result, 1) << "no authentication is configured";
        EXPECT_EQ(text(answer.initResponse->referenceId), std::string("r\0f", 3));
        EXPECT_EQ(text(answer.initResponse->implementationName), "Quorvane");
        codec::z3950::FreePDU(&answer);

        std::shared_ptr<SessionRecord> session = FindSession(kId);
        ASSERT_NE(session, nullptr);
        EXPECT_EQ(session->preferredMessageSize, c.answeredPreferred);
        EXPECT_EQ(session->maximumMessageSize, c.answeredMaximum);
        EXPECT_EQ(session->clientProtocolVersion, "11");
        EXPECT_FALSE(session->busy);
        ReleaseSession(kId);
        siForgetAssociation(kId);
    }
}

TEST_F(HandlersTest, InitLogLinesFollowTheRequestFields) {
    const int peer = associate(KIV_TS_INIT_RECVD);
    HandleInitRequest(kId, initPdu(1024, 4096));
    readApdu(peer);
    EXPECT_EQ(loggedLines(), (std::vector<std::string>{
                                 "Received InitRequest PDU : Association 4711",
                                 "psReferenceId: NULL",
                                 "pcProtocolVersion: 11",
                                 "pcOptions: 1100",
                                 "ulPreferredMessageSize: 1024",
                                 "ulMaxmiumMessageSize: 4096",
                                 "psImplementationId: NULL",
                                 "psImplementationName: client",
                                 "psImplementationVersion: NULL",
                                 "Sent Initialize Response PDU : Association 4711",
                             }));
}

TEST_F(HandlersTest, WrongPasswordIsAnsweredWithARefusal) {
    const int peer = associate(KIV_TS_INIT_RECVD,
                               "[InitializeRequest]\nulAuthentication=1\n[Authentication]\nalice=secret\n");
    KivTargetPdu pdu = initPdu(1024, 4096);
    auto authentication = std::make_unique<KivIdAuthentication>();
    authentication->eAuthenticationType = IAT_Open;
    authentication->uAuthentication.psOpen = "alice/guess";
    pdu.uPdu.psInitializeReq->psAuthentication = std::move(authentication);
    HandleInitRequest(kId, pdu);

    PDU answer = decodeApdu(readApdu(peer));
    ASSERT_EQ(answer.choiceId, PDU::kInitResponse);
    EXPECT_EQ(answer.initResponse->result, 0);
    codec::z3950::FreePDU(&answer);
    const std::vector<std::string> lines = loggedLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Authentication Error: Incorrect Password supplied for User-ID (alice)"),
              lines.end());
    EXPECT_EQ(lines.back(), "Sent Initialize Response PDU : Association 4711") << "a refusal is an answer";
}

TEST_F(HandlersTest, FailedSendIsLoggedAndTheSessionGivenBack) {
    const int peer = associate(KIV_TS_OPEN);  // an Init response is not allowed in this state
    HandleInitRequest(kId, initPdu(1024, 4096));
    EXPECT_TRUE(readAvailable(peer).empty());
    EXPECT_EQ(loggedLines().back(), "Error in sending Initialize Response PDU : Association 4711");
    EXPECT_EQ(LockSession(kId), 1) << "the session was unlocked";
    UnlockSession(kId);
}

TEST_F(HandlersTest, WithoutASessionNothingIsAnsweredOrLogged) {
    auto [target, peer] = socketPair();
    registerOn(kId, target, KIV_TS_INIT_RECVD);
    HandleInitRequest(kId, initPdu(1024, 4096));
    HandleCloseRequest(kId, closePdu(TPT_CloseReq, CR_Finished, "x"));
    EXPECT_TRUE(readAvailable(peer).empty());
    EXPECT_EQ(out_.str(), "");
}

TEST_F(HandlersTest, CloseRequestIsLoggedAndAnsweredWithFinished) {
    const int peer = associate(KIV_TS_CLOSE_RECVD);
    KivTargetPdu pdu = closePdu(TPT_CloseReq, CR_LackOfActivity, std::string("c\0d", 3));
    pdu.uPdu.psCloseReq->psDiagnosticInformation.reset(new KivInternationalString{"bye"});
    HandleCloseRequest(kId, pdu);

    PDU answer = decodeApdu(readApdu(peer));
    ASSERT_EQ(answer.choiceId, PDU::kClose);
    EXPECT_EQ(answer.close->closeReason, CR_Finished);
    EXPECT_EQ(text(answer.close->referenceId), std::string("c\0d", 3));
    codec::z3950::FreePDU(&answer);
    const std::vector<std::string> lines = loggedLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], "Received CloseRequest PDU : Association 4711");
    EXPECT_EQ(lines[3], "eCloseReason: CR_LackOfActivity");
    EXPECT_EQ(lines[4], "psDiagnosticInformation: bye");
    EXPECT_EQ(lines[5], "pcResourceReportFormat: NULL");
    EXPECT_EQ(lines[6], "Sent Close Response PDU : Association 4711");
}

TEST_F(HandlersTest, CloseResponseIsLoggedButNotAnswered) {
    const int peer = associate(KIV_TS_OPEN);
    HandleCloseRequest(kId, closePdu(TPT_CloseRsp, CR_Finished, "r"));  // no request record: nothing
    LogCloseResponse(kId, closePdu(TPT_CloseRsp, 42, "r"));
    EXPECT_TRUE(readAvailable(peer).empty());
    EXPECT_EQ(loggedLines(),
              (std::vector<std::string>{" ", "Received CloseRequest PDU : Association 4711",
                                        "psReferenceId: r", "eCloseReason: ", "psDiagnosticInformation: NULL",
                                        "pcResourceReportFormat: NULL"}));
}

}  // namespace
