#include "toolkit/session/apdu_assembler.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Octets = std::vector<std::uint8_t>;
constexpr std::size_t kCap = 1 << 20;

// A definite-length element [tag] of contentLength octets, its contents counting up.
Octets element(std::uint8_t tag, std::size_t contentLength) {
    Octets octets{tag};
    if (contentLength < 0x80) {
        octets.push_back(static_cast<std::uint8_t>(contentLength));
    } else {
        octets.insert(octets.end(), {0x83, static_cast<std::uint8_t>(contentLength >> 16),
                                     static_cast<std::uint8_t>(contentLength >> 8),
                                     static_cast<std::uint8_t>(contentLength)});
    }
    for (std::size_t i = 0; i < contentLength; ++i) octets.push_back(static_cast<std::uint8_t>(i));
    return octets;
}

// An indefinite-length [tag] holding an indefinite SEQUENCE of items short OCTET STRINGs, both ended.
Octets indefinite(std::uint8_t tag, std::size_t items) {
    Octets octets{tag, 0x80, 0x30, 0x80};
    for (std::size_t i = 0; i < items; ++i) {
        for (std::uint8_t octet : {0x04, 0x01, 0x2A}) octets.push_back(octet);
    }
    octets.resize(octets.size() + 4);  // the two end-of-contents markers
    return octets;
}

Octets joined(const std::vector<Octets>& parts) {
    Octets all;
    for (const Octets& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct Gathered {
    std::vector<Octets> apdus;
    bool refused = false;
};

// Hands the stream to an assembler piece by piece; the octets a complete APDU does not take begin the next.
Gathered gather(const Octets& stream, std::size_t piece, std::size_t cap = kCap) {
    Gathered gathered;
    ApduAssembler assembler;
    std::size_t at = 0;
    while (at < stream.size() && !gathered.refused) {
        const std::size_t count = std::min(piece, stream.size() - at);
        std::size_t taken = 0;
        switch (assembler.take(stream.data() + at, count, cap, &taken)) {
            case ApduAssembler::Step::Complete:
                gathered.apdus.push_back(assembler.apdu());
                assembler.reset();
                break;
            case ApduAssembler::Step::Refused:
                gathered.refused = true;
                break;
            case ApduAssembler::Step::Incomplete:
                EXPECT_EQ(taken, count) << "an incomplete APDU takes every octet offered";
                break;
        }
        at += taken;
    }
    return gathered;
}

TEST(ApduAssembler, ApdusAreCutExactlyWhateverThePieces) {
    const std::vector<Octets> apdus = {element(0xB4, 40), indefinite(0xB6, 50), element(0xA1, 3),
                                       element(0xB6, 70000)};
    for (std::size_t piece : {1, 2, 4, 7, 4096, 1 << 20}) {
        SCOPED_TRACE(piece);
        const Gathered gathered = gather(joined(apdus), piece);
        EXPECT_FALSE(gathered.refused);
        EXPECT_EQ(gathered.apdus, apdus) << "each once, in order";
    }
}

TEST(ApduAssembler, MalformedOrOversizedApdusAreRefusedBeforeTheirContentsArrive) {
    struct Case {
        const char* name;
        Octets stream;
        std::size_t cap;
    };
    Octets unended = indefinite(0xB6, 40);
    unended.resize(unended.size() - 4);
    for (const Case& c : {
             Case{"five length octets", {0xB4, 0x85, 0x00, 0x00, 0x00, 0x01, 0x00}, kCap},
             Case{"length beyond 31 bits", {0xB4, 0x84, 0x80, 0x00, 0x00, 0x00}, kCap},
             Case{"declared length over the cap", {0xB4, 0x83, 0x10, 0x00, 0x00}, kCap},
             Case{"indefinite length running past the cap", unended, 32},
             Case{"indefinite length ending one octet past the cap", indefinite(0xB6, 4), 19},
         }) {
        SCOPED_TRACE(c.name);
        for (std::size_t piece : {1, 4096}) {
            const Gathered gathered = gather(c.stream, piece, c.cap);
            EXPECT_TRUE(gathered.refused) << piece;
            EXPECT_TRUE(gathered.apdus.empty()) << piece;
        }
    }
    EXPECT_EQ(gather(element(0xB4, 100), 4096, 102).apdus.size(), 1u)
        << "an APDU of exactly the cap is taken";
    EXPECT_EQ(gather(indefinite(0xB6, 4), 3, 20).apdus.size(), 1u);
}

class ApduAssemblerSocket : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends_), 0); }
    void TearDown() override {
        for (int end : ends_) {
            if (end >= 0) close(end);
        }
    }
    void send(const Octets& octets) {
        ASSERT_EQ(::send(ends_[1], octets.data(), octets.size(), 0), static_cast<ssize_t>(octets.size()));
    }
    // Receives until the assembler answers anything but Pending with more to read.
    ApduAssembler::Receive receiveWhole() {
        ApduAssembler::Receive step = ApduAssembler::Receive::Pending;
        for (int reads = 0; reads < 1000; ++reads) {
            step = assembler_.receive(ends_[0], kCap);
            if (step != ApduAssembler::Receive::Pending || available() == 0) break;
        }
        return step;
    }
    std::size_t available() {
        std::uint8_t octet = 0;
        const ssize_t got = recv(ends_[0], &octet, 1, MSG_PEEK | MSG_DONTWAIT);
        return got > 0 ? 1 : 0;
    }

    int ends_[2] = {-1, -1};
    ApduAssembler assembler_;
};

TEST_F(ApduAssemblerSocket, ReadsLeaveTheNextApdusOctetsInTheSocket) {
    const Octets first = indefinite(0xB6, 20);
    const Octets second = element(0xB4, 40000);
    const Octets third = element(0xA1, 3);
    // The third arrives cut short: the rest comes later.
    send(joined({first, second, Octets(third.begin(), third.begin() + 2)}));

    for (const Octets& expected : {first, second}) {
        ASSERT_EQ(receiveWhole(), ApduAssembler::Receive::Complete);
        EXPECT_EQ(assembler_.apdu(), expected);
        assembler_.reset();
    }
    EXPECT_EQ(receiveWhole(), ApduAssembler::Receive::Pending);
    EXPECT_EQ(available(), 0u) << "what is there of the third APDU has been taken";
    send(Octets(third.begin() + 2, third.end()));
    ASSERT_EQ(receiveWhole(), ApduAssembler::Receive::Complete);
    EXPECT_EQ(assembler_.apdu(), third);
}

TEST_F(ApduAssemblerSocket, TheEndOfTheStreamAndOversizedApdusAreReported) {
    send({0xB4, 0x84, 0x7F, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(receiveWhole(), ApduAssembler::Receive::Refused);
    assembler_.reset();
    recv(ends_[0], std::vector<std::uint8_t>(6).data(), 6, 0);

    send({0xB4, 0x80, 0x02});
    EXPECT_EQ(receiveWhole(), ApduAssembler::Receive::Pending);
    close(ends_[1]);
    ends_[1] = -1;
    EXPECT_EQ(receiveWhole(), ApduAssembler::Receive::PeerClosed)
        << "a partial APDU of a closed peer is dropped";
}

}  // namespace
