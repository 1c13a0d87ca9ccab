// The APDU transport over socket pairs: reading whole APDUs however their octets arrive, the APDU size cap,
// sending past a full send buffer, and a peer that has gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "tests/session/transport_fixture.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/receive_data_target.h"
#include "toolkit/session/receive_pdu.h"
#include "toolkit/session/send_pdu.h"
#include "toolkit/session/send_socket.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/transport_codec.h"
#include "toolkit/session/transport_message_size.h"

namespace {

using codec::z3950::PDU;

class TransportTest : public TransportFixture {
  protected:
    // Receives one APDU on the association: the call's result, the record (null when none) and the error.
    struct Received {
        SIResult result;
        KivTargetPdu* pdu;
        SIError* error;
        ~Received() {
            KivFreeTargetPdu(&pdu);
            SIFreeError(&error);
        }
    };
    static void receive(KivAssocId id, KivSecs secs, Received& received) {
        received.pdu = nullptr;
        received.error = nullptr;
        received.result = ReceiveDataTarget(id, secs, &received.pdu, &received.error);
    }
    static long errorCode(const SIError* error) {
        return error != nullptr ? error->uErrorCode.lIfOsCoError : -1;
    }
};

TEST_F(TransportTest, ReadsAnApduArrivingOneOctetAtATime) {
    const auto [target, peerEnd] = socketPair();
    const int peer = peerEnd;  // a lambda may capture a variable, not a binding
    registerOn(1, target, KIV_TS_OPEN);
    const std::vector<uint8_t> octets = closeOctets(CR_Finished, "ref-1", "closing slowly");
    std::thread writer([peer, &octets] {
        for (uint8_t octet : octets) {
            ASSERT_EQ(send(peer, &octet, 1, MSG_NOSIGNAL), 1);
            std::this_thread::yield();
        }
    });
    Received received;
    receive(1, CALL_BLOCKING, received);
    writer.join();
    ASSERT_EQ(received.result, SI_OK);
    ASSERT_NE(received.pdu, nullptr);
    ASSERT_EQ(received.pdu->ePduType, TPT_CloseReq);
    const KivClose& close = *received.pdu->uPdu.psCloseReq;
    EXPECT_EQ(close.psReferenceId->pcValue, "ref-1");
    EXPECT_EQ(close.psDiagnosticInformation->pcValue, "closing slowly");
    EXPECT_EQ(SIGetState(1), KIV_TS_CLOSE_RECVD);
}

TEST_F(TransportTest, BackToBackApdusAreReadOneAtATime) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_OPEN);
    std::vector<uint8_t> both = closeOctets(CR_ShutDown, "first");
    const std::vector<uint8_t> second = closeOctets(CR_Unspecified, "second");
    both.insert(both.end(), second.begin(), second.end());
    writeAll(peer, both);

    Received first;
    receive(1, CALL_BLOCKING, first);
    ASSERT_EQ(first.result, SI_OK);
    EXPECT_EQ(first.pdu->uPdu.psCloseReq->psReferenceId->pcValue, "first");
    EXPECT_EQ(first.pdu->uPdu.psCloseReq->eCloseReason, CR_ShutDown);
    // The first read took none of the second Close's octets: it arrives whole, here as the answer to a Close
    // the target has sent.
    SISetState(1, KIV_TS_CLOSE_SENT);
    Received next;
    receive(1, CALL_BLOCKING, next);
    ASSERT_EQ(next.result, SI_OK);
    ASSERT_EQ(next.pdu->ePduType, TPT_CloseRsp);
    EXPECT_EQ(next.pdu->uPdu.psCloseRsp->psReferenceId->pcValue, "second");
    EXPECT_EQ(next.pdu->uPdu.psCloseRsp->eCloseReason, CR_Unspecified);
    EXPECT_TRUE(readAvailable(target).empty());
}

TEST_F(TransportTest, AnIndefiniteLengthApduIsReadToItsEndOfContents) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_OPEN);
    // Close [APPLICATION 48] with an indefinite length: closeReason 2, then the end-of-contents octets; a
    // definite-length Close follows at once.
    std::vector<uint8_t> octets = {0xBF, 0x30, 0x80, 0x9F, 0x81, 0x53, 0x01, 0x02, 0x00, 0x00};
    const std::vector<uint8_t> next = closeOctets(CR_Unspecified, "next");
    octets.insert(octets.end(), next.begin(), next.end());
    writeAll(peer, octets);
    Received received;
    receive(1, CALL_BLOCKING, received);
    ASSERT_EQ(received.result, SI_OK);
    EXPECT_EQ(received.pdu->uPdu.psCloseReq->eCloseReason, CR_SystemProblem);
    EXPECT_EQ(readAvailable(target), next);
}

TEST_F(TransportTest, AnApduDeclaredLongerThanTheCapIsRefusedUnread) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_OPEN);
    // A Close whose length octets claim 3 MiB, above the 2 MiB cap before the Init exchange, followed by a
    // few contents octets: its octets are looked at, but none is consumed.
    const std::vector<uint8_t> header = {0xBF, 0x30, 0x83, 0x30, 0x00, 0x00};
    std::vector<uint8_t> octets = header;
    octets.insert(octets.end(), {0x9F, 0x81, 0x53, 0x01, 0x00});
    writeAll(peer, octets);
    Received received;
    receive(1, CALL_BLOCKING, received);
    EXPECT_EQ(received.result, SI_NOTOK);
    EXPECT_EQ(received.pdu, nullptr);
    EXPECT_EQ(errorCode(received.error), 60);
    EXPECT_EQ(SIGetState(1), KIV_TS_OPEN);
    EXPECT_EQ(readAvailable(target), octets);
}

TEST_F(TransportTest, TheCapFollowsTheNegotiatedMessageSize) {
    struct Case {
        uint32_t negotiated;
        size_t cap;
    };
    const Case cases[] = {
        {0, 2u << 20},          {1u << 19, 2u << 20},     {3u << 19, 3u << 20},
        {40u << 20, 64u << 20}, {0xFFFFFFFFu, 64u << 20},
    };
    EXPECT_EQ(siReceivedApduCap(7), size_t{2} << 20) << "no Init exchange yet";
    for (const Case& c : cases) {
        siSetNegotiatedMessageSize(7, c.negotiated);
        EXPECT_EQ(siReceivedApduCap(7), c.cap) << c.negotiated;
    }
    siForgetNegotiatedMessageSize(7);
    EXPECT_EQ(siReceivedApduCap(7), size_t{2} << 20);
}

TEST_F(TransportTest, AnApduWithinARaisedCapIsRead) {
    const auto [target, peerEnd] = socketPair();
    const int peer = peerEnd;  // a lambda may capture a variable, not a binding
    registerOn(1, target, KIV_TS_OPEN);
    siSetNegotiatedMessageSize(1, 2u << 20);
    const std::string diagnostic(3u << 20, 'd');
    const std::vector<uint8_t> octets = closeOctets(CR_Resources, "", diagnostic);
    std::thread writer([peer, &octets] { writeAll(peer, octets); });
    Received received;
    receive(1, CALL_BLOCKING, received);
    writer.join();
    ASSERT_EQ(received.result, SI_OK);
    EXPECT_EQ(received.pdu->uPdu.psCloseReq->psDiagnosticInformation->pcValue, diagnostic);
}

TEST_F(TransportTest, MalformedOctetsAreUndecodable) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_OPEN);
    writeAll(peer, {0xBF, 0x30, 0x85, 0x01, 0x02, 0x03, 0x04, 0x05});  // five length octets
    Received received;
    receive(1, CALL_BLOCKING, received);
    EXPECT_EQ(received.result, SI_NOTOK);
    EXPECT_EQ(errorCode(received.error), 60);
    EXPECT_EQ(SIGetState(1), KIV_TS_OPEN);
}

TEST_F(TransportTest, NothingToReadTimesOutWithTheRecordUntouched) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_OPEN);
    PDU decoded{};
    std::vector<uint8_t> octets;
    SIError* error = nullptr;
    EXPECT_EQ(SIReceivePdu(1, &decoded, target, CALL_ASYNCHRONOUS, &octets, &error), kSIReceiveTimedOut);
    KivTargetPdu* pdu = nullptr;
    EXPECT_EQ(ReceiveDataTarget(1, CALL_ASYNCHRONOUS, &pdu, &error), SI_OK);
    EXPECT_EQ(pdu, nullptr);
    EXPECT_EQ(error, nullptr);
    (void)peer;
}

TEST_F(TransportTest, ThePeerClosingIsAReleaseInAssociationAndOpenAndAnAbortElsewhere) {
    struct Case {
        int state;
        SIResult result;
        bool registeredAfter;
    };
    const Case cases[] = {
        {KIV_TS_ASSOCIATION, SI_OK, true},
        {KIV_TS_OPEN, SI_OK, true},
        {KIV_TS_SEARCH_RECVD, SI_NOTOK, false},
        {KIV_TS_CLOSE_SENT, SI_NOTOK, false},
    };
    KivAssocId id = 10;
    for (const Case& c : cases) {
        ++id;
        auto [target, peer] = socketPair();
        registerOn(id, target, c.state);
        trace(id, Trace_Low, "trace" + std::to_string(id) + ".txt");
        closeNow(peer);
        Received received;
        receive(id, CALL_BLOCKING, received);
        EXPECT_EQ(received.result, c.result) << c.state;
        EXPECT_EQ(siFindAssociation(id).has_value(), c.registeredAfter) << c.state;
        if (c.result == SI_OK) {
            ASSERT_NE(received.pdu, nullptr);
            EXPECT_EQ(received.pdu->ePduType, TPT_ReleaseInd);
            EXPECT_EQ(received.pdu->uPdu.plReleaseInd, 0);
            EXPECT_EQ(SIGetState(id), KIV_TS_ARELEASE_REQ_RECVD);
        } else {
            EXPECT_EQ(received.pdu, nullptr);
            ASSERT_NE(received.error, nullptr);
            EXPECT_EQ(received.error->eErrorClass, SI_Abort);
            EXPECT_EQ(received.error->uErrorCode.psAbort->pcDiagnostics, "The Association has been aborted");
            EXPECT_EQ(SIGetTraceLevel(id), 0) << "the trace entry goes with the aborted association";
        }
    }
}

TEST_F(TransportTest, ASlowReaderDelaysTheSendUntilItHasReadEverything) {
    const auto [target, peerEnd] = socketPair();
    const int peer = peerEnd;  // a lambda may capture a variable, not a binding
    const int small = 4096;
    setsockopt(target, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
    setsockopt(peer, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    makeNonBlocking(target);
    registerOn(1, target, KIV_TS_CLOSE_RECVD);
    trace(1, Trace_High);
    const std::string diagnostic(1u << 20, 'x');
    PDU pdu = closePdu(CR_Finished, "slow", diagnostic);

    const size_t expected = closeOctets(CR_Finished, "slow", diagnostic).size();
    std::vector<uint8_t> readBack;
    std::thread reader([&] {
        // Small reads, one buffer's worth at a time: the sender keeps finding its buffer full.
        while (readBack.size() < expected) {
            const std::vector<uint8_t> part =
                readExactly(peer, std::min<size_t>(4096, expected - readBack.size()));
            if (part.empty()) break;
            readBack.insert(readBack.end(), part.begin(), part.end());
            std::this_thread::yield();
        }
    });
    SIError* error = nullptr;
    EXPECT_EQ(SISendPdu(&pdu, 1, &error), 0);
    reader.join();
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(pdu.close, nullptr) << "the codec structure is freed by the send";

    PDU decoded = decodeApdu(readBack);
    ASSERT_EQ(decoded.choiceId, PDU::kClose);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(decoded.close->diagnosticInformation.octets),
                          decoded.close->diagnosticInformation.length),
              diagnostic);
    codec::z3950::FreePDU(&decoded);
    EXPECT_EQ(linesAfterBanner("trace.txt"),
              "Encoding and sending PDU\nEncode Buffer too small - Reallocing...\nSend was successful\n");
}

TEST_F(TransportTest, ASendToAClosedPeerAbortsTheAssociationWithoutSigpipe) {
    auto [target, peer] = socketPair();
    registerOn(1, target, KIV_TS_CLOSE_RECVD);
    trace(1, Trace_Low);
    closeNow(peer);
    PDU pdu = closePdu(CR_Finished);
    SIError* error = nullptr;
    EXPECT_EQ(SISendPdu(&pdu, 1, &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_Abort);
    EXPECT_EQ(error->eAssociationState, Association_Closed);
    EXPECT_FALSE(siFindAssociation(1).has_value());
    EXPECT_EQ(SIGetTraceLevel(1), 0);
    SIFreeError(&error);
    // Writes that fail mid-way raise no signal either.
    auto [other, gone] = socketPair();
    closeNow(gone);
    const std::vector<uint8_t> octets(100000, 1);
    EXPECT_EQ(SIWriteSocket(other, octets.data(), octets.size()), -1);
}

TEST_F(TransportTest, ASendThatMakesNoProgressGivesUpAfterTheStallLimit) {
    auto [target, peer] = socketPair();
    const std::vector<uint8_t> octets(8u << 20, 1);  // more than any socket buffer holds
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(siWriteSocket(target, octets.data(), octets.size(), std::chrono::milliseconds(50)), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    (void)peer;
}

TEST_F(TransportTest, AnEmptyWriteSendsNothing) {
    auto [target, peer] = socketPair();
    EXPECT_EQ(SIWriteSocket(target, nullptr, 0), 0);
    EXPECT_TRUE(readAvailable(peer).empty());
}

TEST_F(TransportTest, TheDiagnosticSendSendsAtMostTenOctetsAndPrintsWhatItSent) {
    struct SendCase {
        size_t length;
        long sent;
        const char* printed;
    };
    const SendCase cases[] = {
        {15, 10, "sent 10\n"}, {10, 10, "sent 10\n"}, {3, 3, "sent 3\n"}, {0, 0, "sent 0\n"}};
    const std::vector<uint8_t> octets = {'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'a', 'b', 'c', 'd', 'e'};
    auto [target, peer] = socketPair();
    for (const SendCase& c : cases) {
        SCOPED_TRACE(c.length);
        testing::internal::CaptureStdout();
        EXPECT_EQ(siSendDiagnosticOctets(target, octets.data(), c.length), c.sent);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
        EXPECT_EQ(readAvailable(peer), std::vector<uint8_t>(octets.begin(), octets.begin() + c.sent));
    }
    testing::internal::CaptureStdout();
    EXPECT_EQ(siSendDiagnosticOctets(target, nullptr, 5), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "sent 0\n");
    // A failed send prints its result, not the count asked for, and raises no SIGPIPE.
    closeNow(peer);
    testing::internal::CaptureStdout();
    EXPECT_EQ(siSendDiagnosticOctets(target, octets.data(), octets.size()), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "sent -1\n");
}

TEST_F(TransportTest, AnOsiAssociationSendsAndReceivesNothing) {
    registerOn(1, -1, KIV_TS_CLOSE_RECVD, kSIRoleTarget, kSIStackOsi);
    PDU pdu = closePdu(CR_Finished);
    SIError* error = nullptr;
    KivTargetPdu* received = nullptr;
    testing::internal::CaptureStdout();
    EXPECT_EQ(SISendPdu(&pdu, 1, &error), 0);
    EXPECT_EQ(ReceiveDataTarget(1, CALL_BLOCKING, &received, &error), SI_OK);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "OSI not supported\nOSI not supported\n");
    EXPECT_EQ(received, nullptr);
    EXPECT_EQ(error, nullptr);
    EXPECT_TRUE(siFindAssociation(1).has_value());
}

TEST_F(TransportTest, EncodingReportsTheSecondPassOnlyForLargeApdus) {
    registerOn(1, -1, KIV_TS_OPEN);
    trace(1, Trace_Low);
    struct Case {
        size_t diagnostic;
        bool secondPass;
    };
    for (const Case& c : {Case{100, false}, Case{4900, false}, Case{12000, true}}) {
        PDU pdu = closePdu(CR_Finished, "", std::string(c.diagnostic, 'e'));
        std::vector<uint8_t> octets;
        SIError* error = nullptr;
        const long before = static_cast<long>(fileText("trace.txt").size());
        ASSERT_EQ(SIEncodePdu(1, &pdu, &octets, &error), 0);
        EXPECT_EQ(pdu.close, nullptr);
        EXPECT_EQ(fileText("trace.txt").substr(before),
                  c.secondPass ? "Encode Buffer too small - Reallocing...\n" : "")
            << c.diagnostic;
        PDU decoded = decodeApdu(octets);
        ASSERT_EQ(decoded.choiceId, PDU::kClose);
        EXPECT_EQ(decoded.close->diagnosticInformation.length, static_cast<int32_t>(c.diagnostic));
        codec::z3950::FreePDU(&decoded);
    }
}

TEST_F(TransportTest, AHolderThatNamesNoApduIsNotEncoded) {
    PDU pdu{};
    pdu.choiceId = PDU::kAlternatives;
    std::vector<uint8_t> octets;
    SIError* error = nullptr;
    EXPECT_EQ(SIEncodePdu(1, &pdu, &octets, &error), 1);
    EXPECT_TRUE(octets.empty());
    EXPECT_EQ(errorCode(error), 7);
    SIFreeError(&error);
}

TEST_F(TransportTest, DecodingTakesTheFirstElementAndNamesUnknownIdentifiers) {
    std::vector<uint8_t> octets = closeOctets(CR_CostLimit);
    octets.push_back(0xFF);  // octets after the element are ignored
    PDU pdu{};
    SIError* error = nullptr;
    ASSERT_EQ(SIDecodePdu(1, octets.data(), octets.size(), &pdu, &error), 0);
    EXPECT_EQ(pdu.choiceId, PDU::kClose);
    EXPECT_EQ(pdu.close->closeReason, CR_CostLimit);
    codec::z3950::FreePDU(&pdu);

    const std::vector<uint8_t> unknown = {0xBF, 0x7F, 0x02, 0x01, 0x02};  // [APPLICATION 127]
    ASSERT_EQ(SIDecodePdu(1, unknown.data(), unknown.size(), &pdu, &error), 0);
    EXPECT_EQ(pdu.choiceId, PDU::kAlternatives);
    EXPECT_EQ(error, nullptr);

    const std::vector<uint8_t> truncated(octets.begin(), octets.end() - 3);
    EXPECT_EQ(SIDecodePdu(1, truncated.data(), truncated.size(), &pdu, &error), 1);
    EXPECT_EQ(errorCode(error), 60);
    SIFreeError(&error);
}

}  // namespace
