// Received APDUs handed to a target: state events, the type a Close is delivered as, refusals, undecodable
// octets, identifiers of no APDU and the invalid-PDU file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/session/transport_fixture.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/invalid_pdu_dump.h"
#include "toolkit/session/receive_data_target.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"

namespace {

using codec::z3950::PDU;

class ReceivedPduTest : public TransportFixture {
  protected:
    // ReceiveDataTargetNT on the octets: the result, the record (null when none) and the error.
    struct Received {
        SIResult result = SI_NOTOK;
        KivTargetPdu* pdu = nullptr;
        SIError* error = nullptr;
        ~Received() {
            KivFreeTargetPdu(&pdu);
            SIFreeError(&error);
        }
    };
    static void receive(KivAssocId id, const std::vector<uint8_t>& octets, Received& received) {
        received.result = ReceiveDataTargetNT(id, CALL_BLOCKING, &received.pdu, octets.data(), octets.size(),
                                              &received.error);
    }
    static long codeOf(const SIError* error) {
        return error != nullptr ? error->uErrorCode.lIfOsCoError : -1;
    }

    // The octets of an APDU whose record the codec allocates zero-filled and fill sets up.
    template <typename Record, typename Fill>
    static std::vector<uint8_t> apduOctets(int32_t choiceId, Record* PDU::*member, Fill&& fill) {
        PDU pdu{};
        pdu.choiceId = choiceId;
        pdu.*member = kivNewCodecRecord<Record>();
        fill(*(pdu.*member));
        std::vector<uint8_t> octets = codec::z3950::encodeApdu(&pdu);
        codec::z3950::FreePDU(&pdu);
        return octets;
    }
    static std::vector<uint8_t> initRequestOctets() {
        return apduOctets(PDU::kInitRequest, &PDU::initRequest, [](codec::z3950::InitializeRequest& init) {
            for (BerBits* bits : {&init.protocolVersion, &init.options}) {
                bits->octets = static_cast<uint8_t*>(kivCodecBlock(1));
                bits->octets[0] = 0xE0;
                bits->bitCount = 3;
            }
            init.preferredMessageSize = 1 << 20;
            init.exceptionalRecordSize = 1 << 20;
        });
    }

    // Positions of the texts in the file, in order; fails when one is missing or out of order.
    static void expectInOrder(const std::string& text, const std::vector<std::string>& parts) {
        size_t at = 0;
        for (const std::string& part : parts) {
            const size_t found = text.find(part, at);
            ASSERT_NE(found, std::string::npos) << "missing or out of order: " << part << "\nin:\n" << text;
            at = found + part.size();
        }
    }
};

TEST_F(ReceivedPduTest, ACloseInOpenIsACloseRequest) {
    registerOn(1, -1, KIV_TS_OPEN);
    trace(1, Trace_High);
    Received received;
    receive(1, closeOctets(CR_LackOfActivity, "r1"), received);
    ASSERT_EQ(received.result, SI_OK);
    ASSERT_EQ(received.pdu->ePduType, TPT_CloseReq);
    EXPECT_EQ(received.pdu->uPdu.psCloseRsp, nullptr);
    EXPECT_EQ(received.pdu->uPdu.psCloseReq->eCloseReason, CR_LackOfActivity);
    EXPECT_EQ(received.pdu->uPdu.psCloseReq->psReferenceId->pcValue, "r1");
    EXPECT_EQ(SIGetState(1), KIV_TS_CLOSE_RECVD);
    expectInOrder(linesAfterBanner("trace.txt"),
                  {"**Entering function:ReceiveDataTargetNT\n", "Close (in Target)\n",
                   "TARGET EVENT is: KIV_TE_CLOSEREQ_PDU\nCurrent TARGET STATE is: KIV_TS_CLOSE_RECVD\n",
                   "\nReceived the following PDU:\n", kRule, "## Close 'CloseReq' PDU ##\n\n", "Close PDU\n",
                   kRule, "**Leaving function:ReceiveDataTargetNT\nFunction returned: SI_OK\n\n"});
}

TEST_F(ReceivedPduTest, ACloseAfterTheTargetsCloseIsACloseResponse) {
    registerOn(1, -1, KIV_TS_CLOSE_SENT);
    trace(1, Trace_High);
    Received received;
    receive(1, closeOctets(12), received);
    ASSERT_EQ(received.result, SI_OK);
    ASSERT_EQ(received.pdu->ePduType, TPT_CloseRsp);
    EXPECT_EQ(received.pdu->uPdu.psCloseReq, nullptr);
    EXPECT_EQ(received.pdu->uPdu.psCloseRsp->eCloseReason, CR_Invalid) << "a reason outside 0 to 9";
    EXPECT_EQ(received.pdu->uPdu.psCloseRsp->psReferenceId, nullptr);
    EXPECT_EQ(SIGetState(1), KIV_TS_ASSOCIATION);
    expectInOrder(linesAfterBanner("trace.txt"), {"## Close 'CloseRsp' PDU ##\n", "Close PDU\n"});
}

TEST_F(ReceivedPduTest, ARefusedEventDeliversNothing) {
    struct Case {
        std::vector<uint8_t> octets;
        int stateBefore;
        long code;
        int stateAfter;
        const char* failureLine;
    };
    const Case cases[] = {
        {closeOctets(CR_Finished), KIV_TS_ASSOCIATION, 81, KIV_TS_ERROR,
         "Failed to convert received Close PDU to KIV format\n"},
        {closeOctets(CR_Finished), KIV_TS_ARELEASE_REQ_RECVD, 80, KIV_TS_ARELEASE_REQ_RECVD,
         "Failed to convert received Close PDU to KIV format\n"},
        {initRequestOctets(), KIV_TS_OPEN, 81, KIV_TS_ERROR,
         "Failed to convert received InitReq PDU to KIV format\n"},
    };
    KivAssocId id = 10;
    for (const Case& c : cases) {
        ++id;
        registerOn(id, -1, c.stateBefore);
        const std::string file = "refused" + std::to_string(id) + ".txt";
        trace(id, Trace_High, file);
        Received received;
        receive(id, c.octets, received);
        EXPECT_EQ(received.result, SI_NOTOK) << id;
        EXPECT_EQ(received.pdu, nullptr) << "a refused APDU is not handed over";
        EXPECT_EQ(codeOf(received.error), c.code) << id;
        EXPECT_EQ(SIGetState(id), c.stateAfter) << id;
        const std::string lines = linesAfterBanner(file);
        expectInOrder(lines, {c.failureLine, "Function returned: SI_NOTOK\n\n"});
        EXPECT_EQ(lines.find("Received the following PDU"), std::string::npos);
    }
}

TEST_F(ReceivedPduTest, UndecodableOctetsLeaveTheStateAndTheRecordAlone) {
    registerOn(1, -1, KIV_TS_OPEN);
    std::vector<uint8_t> octets = closeOctets(CR_Finished, "abc");
    octets[2] = 0x7F;  // a Close longer than the octets
    const std::vector<std::vector<uint8_t>> undecodable = {octets, {}, {0x30, 0x80, 0x04, 0x00}};
    for (const auto& bad : undecodable) {
        Received received;
        receive(1, bad, received);
        EXPECT_EQ(received.result, SI_NOTOK);
        EXPECT_EQ(received.pdu, nullptr);
        EXPECT_EQ(codeOf(received.error), 60);
        EXPECT_EQ(SIGetState(1), KIV_TS_OPEN);
    }
}

TEST_F(ReceivedPduTest, AnOversizedApduIsUndecodableAlthoughItIsWhole) {
    registerOn(1, -1, KIV_TS_OPEN);
    Received received;
    receive(1, closeOctets(CR_Finished, "", std::string((2u << 20) + 1, 'o')), received);
    EXPECT_EQ(received.result, SI_NOTOK);
    EXPECT_EQ(codeOf(received.error), 60);
    EXPECT_EQ(SIGetState(1), KIV_TS_OPEN);
}

TEST_F(ReceivedPduTest, AnApduATargetCannotTakeIsDeliveredAsInvalidAndDumped) {
    const std::vector<uint8_t> unknown = {0xBF, 0x7F, 0x03, 0x01, 0x02, 0x03};
    const std::vector<uint8_t> searchResponse =
        apduOctets(PDU::kSearchResponse, &PDU::searchResponse, [](codec::z3950::SearchResponse&) {});
    KivAssocId id = 20;
    for (const std::vector<uint8_t>& octets : {unknown, searchResponse}) {
        ++id;
        registerOn(id, -1, KIV_TS_OPEN);
        const std::string file = "invalid" + std::to_string(id) + ".txt";
        trace(id, Trace_High, file);
        const std::vector<uint8_t> callers = octets;
        Received received;
        receive(id, callers, received);
        ASSERT_EQ(received.result, SI_OK);
        ASSERT_EQ(received.pdu->ePduType, TPT_InvalidApdu);
        EXPECT_EQ(received.pdu->uPdu.psInvalidAPDU->pcValue, std::string(octets.begin(), octets.end()));
        EXPECT_EQ(callers, octets) << "the caller's octets are not touched";
        EXPECT_EQ(SIGetState(id), KIV_TS_OPEN) << "no event";
        expectInOrder(linesAfterBanner(file), {"\nReceived the following PDU:\n", kRule,
                                               "## psInvalidAPDU PDU ##\n\n", "Invalid PDU:\n", kRule});
    }
    const std::string dump = fileText(siInvalidPduFileName());
    expectInOrder(dump, {"Invalid PDU:\n", "Invalid PDU:\n"});
}

TEST_F(ReceivedPduTest, TheInvalidPduFileStopsGrowingAtItsCap) {
    KivInvalidAPDU invalid;
    invalid.pcValue = "\x01\x02";
    EXPECT_EQ(SIDumpInvalidPdu(&invalid), 1);
    const auto once = std::filesystem::file_size(siInvalidPduFileName());
    EXPECT_GT(once, 0u);
    std::filesystem::resize_file(siInvalidPduFileName(), kSIInvalidPduFileCap - 1);
    EXPECT_EQ(SIDumpInvalidPdu(&invalid), 1) << "below the cap it still appends";
    const auto full = std::filesystem::file_size(siInvalidPduFileName());
    EXPECT_GE(full, kSIInvalidPduFileCap);
    EXPECT_EQ(SIDumpInvalidPdu(&invalid), 0);
    EXPECT_EQ(std::filesystem::file_size(siInvalidPduFileName()), full);
}

TEST_F(ReceivedPduTest, AnUnwritableInvalidPduFileIsReported) {
    std::filesystem::create_directory(siInvalidPduFileName());
    KivInvalidAPDU invalid;
    testing::internal::CaptureStderr();
    EXPECT_EQ(SIDumpInvalidPdu(&invalid), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "couldnt open invalid pdu file diagnostic file\n");
}

}  // namespace
