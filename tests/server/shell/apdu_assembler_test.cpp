#include "Quorvane/shell/apdu_assembler.h"

#include <gtest/gtest.h>

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
        octets.push_back(0x83);
        octets.push_back(static_cast<std::uint8_t>(contentLength >> 16));
        octets.push_back(static_cast<std::uint8_t>(contentLength >> 8));
        octets.push_back(static_cast<std::uint8_t>(contentLength));
    }
    for (std::size_t i = 0; i < contentLength; ++i) octets.push_back(static_cast<std::uint8_t>(i));
    return octets;
}

// Reads a stream the way the client socket does, at most segment octets arriving per read; collects the
// APDUs completed and the size of every read.
struct StreamReader {
    std::vector<Octets> apdus;
    std::vector<std::size_t> readSizes;
    bool refused = false;

    void read(const Octets& stream, std::size_t segment, std::size_t cap = kCap) {
        ApduAssembler assembler;
        std::size_t at = 0;
        while (at < stream.size() && !refused) {
            const std::size_t count = std::min({assembler.nextReadSize(), segment, stream.size() - at});
            readSizes.push_back(count);
            switch (assembler.add(stream.data() + at, count, cap)) {
                case ApduAssembler::Step::Complete:
                    apdus.push_back(assembler.apdu());
                    assembler.reset();
                    break;
                case ApduAssembler::Step::Refused:
                    refused = true;
                    break;
                case ApduAssembler::Step::Incomplete:
                    break;
            }
            at += count;
        }
    }
};

// An indefinite-length SEQUENCE of empty OCTET STRINGs that has not ended yet.
Octets unendedSequence(std::size_t items) {
    Octets octets{0x30, 0x80};
    for (std::size_t i = 0; i < items; ++i) octets.insert(octets.end(), {0x04, 0x00});
    return octets;
}

Octets joined(const Octets& first, const Octets& second) {
    Octets both = first;
    both.insert(both.end(), second.begin(), second.end());
    return both;
}

TEST(ApduAssembler, ApdusAreCutExactlyWhateverTheSegmentsAre) {
    const Octets init = element(0xB4, 40);
    const Octets close = element(0xA1, 3);
    for (std::size_t segment : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
        SCOPED_TRACE(segment);
        StreamReader reader;
        reader.read(joined(init, close), segment);
        EXPECT_FALSE(reader.refused);
        EXPECT_EQ(reader.apdus, (std::vector<Octets>{init, close})) << "dispatched once each, in order";
    }
}

TEST(ApduAssembler, ReadsTakeOneOctetUntilTheHeaderIsWholeThenAtMost4096) {
    const Octets big = element(0xB4, 10000);
    StreamReader reader;
    reader.read(big, 65536);
    ASSERT_EQ(reader.apdus.size(), 1u);
    EXPECT_EQ(reader.apdus[0], big);
    // Identifier, first length octet, the three length octets one by one, then the contents.
    EXPECT_EQ(reader.readSizes, (std::vector<std::size_t>{1, 1, 1, 1, 1, 4096, 4096, 1808}));
}

TEST(ApduAssembler, AnIndefiniteLengthElementIsReadOctetByOctetToItsEnd) {
    const Octets apdu{0xB4, 0x80, 0x02, 0x01, 0x05, 0x00, 0x00};
    StreamReader reader;
    reader.read(joined(apdu, element(0x30, 1)), 4096);
    ASSERT_EQ(reader.apdus.size(), 2u);
    EXPECT_EQ(reader.apdus[0], apdu);
    EXPECT_TRUE(std::all_of(reader.readSizes.begin(), reader.readSizes.begin() + 7,
                            [](std::size_t size) { return size == 1; }));
}

TEST(ApduAssembler, MalformedOrOversizedApdusAreRefusedBeforeTheirContentsArrive) {
    struct Case {
        const char* name;
        Octets stream;
        std::size_t cap;
    };
    for (const Case& c : {
             Case{"five length octets", {0xB4, 0x85, 0x00, 0x00, 0x00, 0x01, 0x00}, kCap},
             Case{"length beyond 31 bits", {0xB4, 0x84, 0x80, 0x00, 0x00, 0x00}, kCap},
             Case{"declared length over the cap", {0xB4, 0x83, 0x10, 0x00, 0x00}, kCap},
             Case{"indefinite length running past the cap", unendedSequence(40), 32},
         }) {
        SCOPED_TRACE(c.name);
        StreamReader reader;
        reader.read(c.stream, 4096, c.cap);
        EXPECT_TRUE(reader.refused);
        EXPECT_TRUE(reader.apdus.empty());
    }
    StreamReader atCap;
    atCap.read(element(0xB4, 100), 4096, 102);
    EXPECT_FALSE(atCap.refused) << "an APDU of exactly the cap is taken";
    EXPECT_EQ(atCap.apdus.size(), 1u);
}

}  // namespace
