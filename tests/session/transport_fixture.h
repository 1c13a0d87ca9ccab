#pragma once
// Tests of the transport and the target calls over connected sockets: each test registers target
// associations on one end of a socket pair (or of a loopback TCP connection) and plays the peer on the other
// end with the codec. Associations and descriptors are released after the test.

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tests/session/session_fixture.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/z3950/apdu_encode.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/transport_lifecycle.h"
#include "toolkit/util/ber_element_check.h"

class TransportFixture : public SessionFixture {
  protected:
    void SetUp() override {
        SessionFixture::SetUp();
        // A SIGPIPE would end the test program: nothing here may raise one.
        std::signal(SIGPIPE, SIG_DFL);
        KivRegisterCodecTypes();
    }
    void TearDown() override {
        for (KivAssocId id : associations_) siAbortAssociation(id);
        for (int descriptor : descriptors_) close(descriptor);
        SessionFixture::TearDown();
    }

    // A connected stream socket pair {target end, peer end}, both closed after the test.
    std::pair<int, int> socketPair() {
        int ends[2] = {-1, -1};
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
        descriptors_.push_back(ends[0]);
        descriptors_.push_back(ends[1]);
        return {ends[0], ends[1]};
    }

    // Closes a descriptor of socketPair before the test ends.
    void closeNow(int descriptor) {
        close(descriptor);
        std::erase(descriptors_, descriptor);
    }

    // Registers a target association on the socket in the given state; forgotten after the test.
    void registerOn(KivAssocId id, int socket, int state, int role = kSIRoleTarget,
                    int stackFlag = kSIStackTcp) {
        SIAssociation record;
        record.lAssocId = id;
        record.socketHandle = socket;
        record.machine.state = state;
        record.role = role;
        record.stackFlag = stackFlag;
        ASSERT_TRUE(siAddAssociation(record));
        associations_.push_back(id);
    }
    void forgetAfterTest(KivAssocId id) { associations_.push_back(id); }

    static void makeNonBlocking(int socket) { fcntl(socket, F_SETFL, fcntl(socket, F_GETFL) | O_NONBLOCK); }

    // A Close APDU holder: the reason, and a reference id and diagnostic text when not empty.
    static codec::z3950::PDU closePdu(int32_t reason, const std::string& referenceId = "",
                                      const std::string& diagnostic = "") {
        codec::z3950::PDU pdu{};
        pdu.choiceId = codec::z3950::PDU::kClose;
        pdu.close = kivNewCodecRecord<codec::z3950::Close>();
        pdu.close->closeReason = reason;
        if (!referenceId.empty())
            kivCodecCopy(&pdu.close->referenceId, referenceId.data(), referenceId.size());
        if (!diagnostic.empty()) {
            kivCodecCopy(&pdu.close->diagnosticInformation, diagnostic.data(), diagnostic.size());
        }
        return pdu;
    }

    // The octets of a Close APDU.
    static std::vector<uint8_t> closeOctets(int32_t reason, const std::string& referenceId = "",
                                            const std::string& diagnostic = "") {
        codec::z3950::PDU pdu = closePdu(reason, referenceId, diagnostic);
        std::vector<uint8_t> octets = codec::z3950::encodeApdu(&pdu);
        codec::z3950::FreePDU(&pdu);
        return octets;
    }

    // The APDU decoded by the codec; choiceId PDU::kAlternatives when it cannot be decoded.
    static codec::z3950::PDU decodeApdu(const std::vector<uint8_t>& octets) {
        codec::z3950::PDU pdu{};
        BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
        BerDecodeContext ctx(octets.size());
        uint32_t counter = 0;
        try {
            codec::z3950::DecodePDU(buf, &pdu, counter, ctx);
        } catch (const BerDecodeError&) {
            codec::z3950::FreePDU(&pdu);
            pdu = codec::z3950::PDU{};
            pdu.choiceId = codec::z3950::PDU::kAlternatives;
        }
        return pdu;
    }

    static void writeAll(int socket, const std::vector<uint8_t>& octets) {
        size_t sent = 0;
        while (sent < octets.size()) {
            const ssize_t n = send(socket, octets.data() + sent, octets.size() - sent, MSG_NOSIGNAL);
            ASSERT_GT(n, 0) << std::strerror(errno);
            sent += static_cast<size_t>(n);
        }
    }

    // Reads exactly count octets (waiting for them).
    static std::vector<uint8_t> readExactly(int socket, size_t count) {
        std::vector<uint8_t> octets(count);
        size_t got = 0;
        while (got < count) {
            pollfd entry{socket, POLLIN, 0};
            if (poll(&entry, 1, 10'000) <= 0) break;
            const ssize_t n = recv(socket, octets.data() + got, count - got, 0);
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        octets.resize(got);
        return octets;
    }

    // One whole APDU from the socket (waiting for it); what was read when the connection ends before.
    static std::vector<uint8_t> readApdu(int socket) {
        std::vector<uint8_t> octets;
        int32_t total = 0;
        while (BerDirElementComplete(octets.data(), static_cast<int32_t>(octets.size()), &total) ==
               kBerElementIncomplete) {
            const std::vector<uint8_t> more = readExactly(socket, total > 0 ? static_cast<size_t>(total) : 1);
            if (more.empty()) break;
            octets.insert(octets.end(), more.begin(), more.end());
        }
        return octets;
    }

    // Octets waiting on the socket without blocking.
    static std::vector<uint8_t> readAvailable(int socket) {
        std::vector<uint8_t> octets(1 << 16);
        const ssize_t n = recv(socket, octets.data(), octets.size(), MSG_DONTWAIT);
        octets.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return octets;
    }

  private:
    std::vector<KivAssocId> associations_;
    std::vector<int> descriptors_;
};
