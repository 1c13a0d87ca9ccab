// The target's association calls over loopback TCP connections: registering a connection, accepting and
// refusing it, answering a release, and forgetting the association.
#include "toolkit/session/target_association.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>

#include <memory>
#include <string>

#include "tests/session/transport_fixture.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/target_association_state.h"

namespace {

class TargetAssociationTest : public TransportFixture {
  protected:
    void SetUp() override {
        TransportFixture::SetUp();
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(listen(listener_, 8), 0);
        socklen_t size = sizeof address_;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address_), &size);
    }
    void TearDown() override {
        close(listener_);
        TransportFixture::TearDown();
    }

    // A loopback connection: {accepted descriptor, the peer's}. The accepted one is the caller's to close
    // unless the toolkit closes it; the peer's is closed after the test.
    std::pair<int, int> connection() {
        const int peer = socket(AF_INET, SOCK_STREAM, 0);
        EXPECT_EQ(connect(peer, reinterpret_cast<sockaddr*>(&address_), sizeof address_), 0);
        const int accepted = accept(listener_, nullptr, nullptr);
        EXPECT_GE(accepted, 0);
        peers_.push_back(peer);
        return {accepted, peer};
    }

    // KivInitialiseTargetNT with the descriptor and KivReceiveAssociateRequestNT under the id.
    SIResult associate(KivAssocId id, int descriptor, std::string* address = nullptr,
                       SIError** error = nullptr) {
        KivTargetInstance instance{"Slave Instance", "TCP", std::to_string(descriptor)};
        EXPECT_EQ(KivInitialiseTargetNT(3, &instance, error), SI_OK);
        KivAssocId answered = 0;
        std::unique_ptr<KivProtocolAndSyntaxes> offered;
        const SIResult result =
            KivReceiveAssociateRequestNT(id, &answered, CALL_BLOCKING, address, &offered, error);
        EXPECT_EQ(answered, id);
        if (result == SI_OK) {
            forgetAfterTest(id);
            EXPECT_EQ(offered->peApplicationProtocol, Unknown_Protocol);
            EXPECT_EQ(offered->peAbstractSyntax, No_Syntaxes_Provided);
            EXPECT_FALSE(offered->ppcCommonSyntaxes.present());
        }
        return result;
    }

    static bool descriptorIsOpen(int descriptor) { return fcntl(descriptor, F_GETFD) != -1; }
    // Whether the peer sees the end of the connection.
    static bool peerSeesEnd(int peer) {
        pollfd entry{peer, POLLIN, 0};
        char octet;
        return poll(&entry, 1, 10'000) == 1 && recv(peer, &octet, 1, 0) == 0;
    }
    static long codeOf(const SIError* error) {
        return error != nullptr ? error->uErrorCode.lIfOsCoError : -1;
    }

    ~TargetAssociationTest() override {
        for (int peer : peers_) close(peer);
    }

  private:
    int listener_ = -1;
    sockaddr_in address_{};
    std::vector<int> peers_;
};

TEST_F(TargetAssociationTest, AnAcceptedConnectionBecomesAnAssociationInProgress) {
    auto [accepted, peer] = connection();
    std::string address;
    ASSERT_EQ(associate(41, accepted, &address), SI_OK);
    EXPECT_EQ(address, "127.0.0.1");
    const auto record = siFindAssociation(41);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->socketHandle, accepted);
    EXPECT_EQ(record->role, kSIRoleTarget);
    EXPECT_EQ(record->stackFlag, kSIStackTcp);
    EXPECT_EQ(record->peerAddress, "127.0.0.1");
    EXPECT_EQ(SIGetState(41), KIV_TS_ASSOC_INPROGRESS);

    trace(41, Trace_High);
    SIError* error = nullptr;
    EXPECT_EQ(KivAssociateResponse(41, Accepted, &error), SI_OK);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(SIGetState(41), KIV_TS_ASSOCIATION);
    EXPECT_TRUE(descriptorIsOpen(accepted));
    EXPECT_EQ(
        linesAfterBanner("trace.txt"),
        "Brellin Pontrel for Windows Trace File Association: 41\n**Entering function:KivAssociateResponse\n"
        "\nInput Function Arguments\n\tKivAssocId: 41\n\tKivAssociateRsp: Accepted\n"
        "TARGET EVENT is: KIV_TE_IASSOCRESP_TRUE\nCurrent TARGET STATE is: KIV_TS_ASSOCIATION\n"
        "Brellin Pontrel for Windows Trace File Association: 41\n**Leaving function:KivAssociateResponse\n"
        "Function returned: SI_OK\n\n");
    close(accepted);
}

TEST_F(TargetAssociationTest, ARefusalClosesTheConnectionAndForgetsTheAssociation) {
    for (int32_t decision : {Rejected_Perm, Rejected_Tran}) {
        auto [accepted, peer] = connection();
        const KivAssocId id = 50 + decision;
        ASSERT_EQ(associate(id, accepted), SI_OK);
        trace(id, Trace_Low, "refused" + std::to_string(id) + ".txt");
        SIError* error = nullptr;
        EXPECT_EQ(KivAssociateResponse(id, decision, &error), SI_OK);
        EXPECT_FALSE(siFindAssociation(id).has_value());
        EXPECT_FALSE(descriptorIsOpen(accepted)) << "the toolkit closed the refused connection";
        EXPECT_TRUE(peerSeesEnd(peer));
        EXPECT_EQ(linesAfterBanner("refused" + std::to_string(id) + ".txt"),
                  "Brellin Pontrel for Windows Trace File Association: " + std::to_string(id) +
                      "\n**Entering function:KivAssociateResponse\n"
                      "TARGET EVENT is: KIV_TE_IASSOCRESP_FALSE\nCurrent TARGET STATE is: KIV_TS_DEAD\n"
                      "Brellin Pontrel for Windows Trace File Association: " +
                      std::to_string(id) +
                      "\n**Leaving function:KivAssociateResponse\nFunction returned: SI_OK\n\n");
    }
}

TEST_F(TargetAssociationTest, AnInvalidDecisionIsRefusedWithoutExitLines) {
    auto [accepted, peer] = connection();
    ASSERT_EQ(associate(42, accepted), SI_OK);
    trace(42, Trace_Low);
    SIError* error = nullptr;
    EXPECT_EQ(KivAssociateResponse(42, 3, &error), SI_NOTOK);
    EXPECT_EQ(codeOf(error), 7);
    EXPECT_EQ(SIGetState(42), KIV_TS_ASSOC_INPROGRESS);
    EXPECT_TRUE(descriptorIsOpen(accepted));
    const std::string lines = linesAfterBanner("trace.txt");
    EXPECT_NE(lines.find("Diagnostic: Function called with invalid parameters.\nDiagnostics: Variable "
                         "eAssociateRsp was of invalid type\n"),
              std::string::npos);
    EXPECT_EQ(lines.find("Leaving function"), std::string::npos);
    SIFreeError(&error);
    close(accepted);
}

TEST_F(TargetAssociationTest, AcceptingBeforeAnySetUpRejectsTheAssociation) {
    auto [accepted, peer] = connection();
    ASSERT_EQ(associate(43, accepted), SI_OK);
    siTargetInitialised = false;
    SIError* error = nullptr;
    EXPECT_EQ(KivAssociateResponse(43, Accepted, &error), SI_NOTOK);
    siTargetInitialised = true;
    EXPECT_FALSE(siFindAssociation(43).has_value());
    EXPECT_FALSE(descriptorIsOpen(accepted));
    SIFreeError(&error);
}

TEST_F(TargetAssociationTest, ARegistrationFailsWithoutAPeerOrWithAnIdInUse) {
    SIError* error = nullptr;
    createLog();
    KivTargetInstance notASocket{"Slave Instance", "TCP", "not a number"};
    KivInitialiseTargetNT(3, &notASocket, &error);
    KivAssocId answered = 0;
    std::string address = "untouched";
    EXPECT_EQ(KivReceiveAssociateRequestNT(44, &answered, CALL_BLOCKING, &address, nullptr, &error),
              SI_NOTOK);
    EXPECT_EQ(codeOf(error), 8);
    EXPECT_EQ(error->eErrorClass, SI_OperatingSystem_Error);
    EXPECT_EQ(loggedDiagnostic(), "A call to the system function getpeername() returned error: ");
    EXPECT_FALSE(siFindAssociation(44).has_value());
    EXPECT_EQ(address, "untouched");

    auto [accepted, peer] = connection();
    ASSERT_EQ(associate(45, accepted), SI_OK);
    EXPECT_EQ(associate(45, accepted, nullptr, &error), SI_NOTOK);
    EXPECT_EQ(codeOf(error), 7);
    EXPECT_EQ(siFindAssociation(45)->socketHandle, accepted);
    SIFreeError(&error);
    close(accepted);
}

TEST_F(TargetAssociationTest, TheNumberedRequestCountsItsOwnIds) {
    auto [first, firstPeer] = connection();
    auto [second, secondPeer] = connection();
    KivTargetInstance instance{"Slave Instance", "TCP", std::to_string(first)};
    KivInitialiseTargetNT(3, &instance, nullptr);
    KivAssocId one = 0;
    KivAssocId two = 0;
    ASSERT_EQ(KivReceiveAssociateRequest(&one, CALL_BLOCKING, nullptr, nullptr, nullptr), SI_OK);
    forgetAfterTest(one);
    instance.pcPortNumber = std::to_string(second);
    KivInitialiseTargetNT(3, &instance, nullptr);
    ASSERT_EQ(KivReceiveAssociateRequest(&two, CALL_BLOCKING, nullptr, nullptr, nullptr), SI_OK);
    forgetAfterTest(two);
    EXPECT_GE(one, 1);
    EXPECT_EQ(two, one + 1);
    EXPECT_EQ(siFindAssociation(two)->socketHandle, second);
    close(first);
    close(second);
}

TEST_F(TargetAssociationTest, ReleasingTheInformationForgetsOnlyThatAssociation) {
    auto [accepted, peer] = connection();
    ASSERT_EQ(associate(46, accepted), SI_OK);
    trace(46, Trace_High);
    SIError* error = nullptr;
    EXPECT_EQ(KivReleaseAssociationInfoNT(999, &error), SI_OK);
    EXPECT_TRUE(siFindAssociation(46).has_value());
    EXPECT_EQ(KivReleaseAssociationInfoNT(46, &error), SI_OK);
    EXPECT_FALSE(siFindAssociation(46).has_value());
    EXPECT_TRUE(descriptorIsOpen(accepted)) << "the descriptor stays the caller's";
    EXPECT_EQ(SIGetTraceLevel(46), Trace_High) << "the trace entry stays";
    EXPECT_EQ(
        linesAfterBanner("trace.txt"),
        "Brellin Pontrel for Windows Trace File Association: 46\n"
        "**Entering function:KivReleaseAssociationInfoNT\n\nInput Function Arguments\n\tKivAssocId: 46\n"
        "Brellin Pontrel for Windows Trace File Association: 46\n"
        "**Leaving function:KivReleaseAssociationInfoNT\nFunction returned: SI_OK\n\n");
    close(accepted);
}

TEST_F(TargetAssociationTest, AReleaseResponseEndsTheAssociationAndItsConnection) {
    auto [accepted, peer] = connection();
    ASSERT_EQ(associate(47, accepted), SI_OK);
    SIError* error = nullptr;
    KivReleaseRsp negative{Normal, Negative};
    SISetState(47, KIV_TS_ARELEASE_REQ_RECVD);
    EXPECT_EQ(KivReleaseResponse(47, &negative, &error), SI_NOTOK);
    EXPECT_EQ(codeOf(error), 7);
    EXPECT_TRUE(siFindAssociation(47).has_value());

    SISetState(47, KIV_TS_OPEN);
    EXPECT_EQ(KivReleaseResponse(47, nullptr, &error), SI_NOTOK) << "no release indication to answer";
    EXPECT_EQ(codeOf(error), 80);
    EXPECT_TRUE(descriptorIsOpen(accepted));

    SISetState(47, KIV_TS_ARELEASE_REQ_RECVD);
    KivReleaseRsp affirmative{Normal, Affirmative};
    EXPECT_EQ(KivReleaseResponse(47, &affirmative, &error), SI_OK);
    EXPECT_EQ(error, nullptr);
    EXPECT_FALSE(siFindAssociation(47).has_value());
    EXPECT_FALSE(descriptorIsOpen(accepted));
    EXPECT_TRUE(peerSeesEnd(peer));
}

TEST_F(TargetAssociationTest, AnUnknownAssociationCannotBeAnswered) {
    SIError* error = nullptr;
    EXPECT_EQ(KivAssociateResponse(404, Accepted, &error), SI_NOTOK);
    EXPECT_EQ(codeOf(error), 3);
    SIFreeError(&error);
}

}  // namespace
