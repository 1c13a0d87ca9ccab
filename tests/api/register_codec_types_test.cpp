// Start-up of the type registry: every carried type is found by its identifier on both arcs and decodes
// through an EXTERNAL; the registrations run once, from any number of threads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/oid_text.h"
#include "toolkit/codec/z3950/diag1.h"
#include "toolkit/codec/z3950/external.h"

namespace z = codec::z3950;

namespace {

// A carried type: the suffix of its identifier under both arcs, its any ids there, and a whole value.
struct Carried {
    const char* suffix;
    int anyId;
    int isoAnyId;
    const char* sample;
};

const Carried kCarried[] = {
    {"5.101", 2, 21, "1B 03 61 62 63"},
    {"5.102", 5, 22, "30 09 A2 07 A2 05 8B 03 51 41 31"},
    {"5.103", 3, 23, "30 04 81 02 61 62"},
    {"5.105", 6, 30, "30 11 30 0F 81 01 02 A2 04 81 02 61 62 A4 04 1B 02 63 64"},
    {"5.106", 4, 24, "30 11 81 07 2A 86 48 CE 13 09 04 89 01 02 AB 03 06 01 2A"},
    {"7.1", 9, 25, "30 0C A1 08 30 06 81 01 01 82 01 0A 82 00"},
    {"7.2", 10, 26, "30 04 82 02 6F 6B"},
    {"8.1", 12, 31, "A1 08 30 06 A1 04 82 02 70 77"},
    {"9.4", 14, 27, "A1 04 A2 02 30 00"},
    {"9.5", 15, 28, "A1 0F A1 09 30 07 81 01 01 82 02 64 62 A2 02 30 00"},
    {"9.6", 16, 33, "A1 11 A1 0D 30 0B A1 03 81 01 00 A2 04 81 02 31 32 82 00"},
    {"9.7", 19, 34, "A1 18 A1 0B 30 09 A1 04 81 02 70 6E 82 01 01 A2 09 30 07 81 01 31 A2 02 81 00"},
    {"10.1", 17, 35, "30 05 30 03 82 01 FF"},
};

std::vector<uint8_t> oidOctets(const std::string& text) {
    BerDecodeContext ctx(0);
    BerOid oid{0, nullptr};
    ASN_MakeOid(text.c_str(), &oid, ctx);
    std::vector<uint8_t> octets(oid.octets, oid.octets + oid.length);
    ASN_FreeOid(&oid);
    return octets;
}

const BerAnyEntry* bound(const std::string& text) {
    std::vector<uint8_t> octets = oidOctets(text);
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    return any.entry;
}

std::vector<std::string> registeredTexts() {
    std::vector<std::string> texts;
    for (const Carried& carried : kCarried) {
        texts.push_back(std::string("1.2.840.10003.") + carried.suffix);
        texts.push_back(std::string("1.0.10163.") + carried.suffix);
    }
    return texts;
}

std::vector<const BerAnyEntry*> lookups() {
    std::vector<const BerAnyEntry*> entries;
    for (const std::string& text : registeredTexts()) entries.push_back(bound(text));
    return entries;
}

// The element of the identifier octet with the contents, in the short length form.
std::vector<uint8_t> tagged(uint8_t identifier, const std::vector<uint8_t>& contents) {
    std::vector<uint8_t> element(2 + contents.size());
    element[0] = identifier;
    element[1] = static_cast<uint8_t>(contents.size());
    std::copy(contents.begin(), contents.end(), element.begin() + 2);
    return element;
}

// 0x28, length, direct-reference, then the value under single-ASN1-type [0].
std::vector<uint8_t> external(const std::string& oidText, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> contents = tagged(0x06, oidOctets(oidText));
    const std::vector<uint8_t> single = tagged(0xA0, value);
    contents.insert(contents.end(), single.begin(), single.end());
    return tagged(0x28, contents);
}

struct ExternalOutcome {
    int code = 0;
    int anyId = -1;  // of the bound single-ASN1-type; -1 when kept raw
    std::vector<uint8_t> encoded;
    std::string printed;
};

ExternalOutcome roundTrip(const std::vector<uint8_t>& octets) {
    std::vector<uint8_t> in = octets;
    BerBuffer buf = berDecodeBuffer(in.data(), in.size());
    BerDecodeContext ctx(in.size());
    z::EXTERNAL value{};
    uint32_t counter = 0;
    ExternalOutcome outcome;
    try {
        z::DecodeEXTERNAL(buf, &value, counter, ctx);
    } catch (const BerDecodeError& error) {
        outcome.code = error.code;
    }
    if (outcome.code == 0) {
        const BerAnyEntry* entry = value.singleASN1Type.entry;
        outcome.anyId = entry != nullptr ? entry->anyId : -1;
        std::vector<uint8_t> block(octets.size());
        BerBuffer out = berEncodeBuffer(block.data(), block.size());
        if (z::EncodeEXTERNAL(out, &value) == block.size() && out.writeFailed == 0) outcome.encoded = block;
        char* text = nullptr;
        size_t size = 0;
        std::FILE* stream = open_memstream(&text, &size);
        z::PrintEXTERNAL(stream, &value, 0);
        std::fclose(stream);
        outcome.printed.assign(text, size);
        std::free(text);
    }
    z::FreeEXTERNAL(&value);
    return outcome;
}

// A new process of this program has an empty registry until the start-up runs.
TEST(KivRegisterCodecTypes, RegistryIsEmptyBeforeTheStartUp) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::fprintf(stderr, "before %d\n", bound("1.2.840.10003.5.102") != nullptr);
            KivRegisterCodecTypes();
            std::fprintf(stderr, "after %d\n", bound("1.2.840.10003.5.102") != nullptr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^before 0\nafter 1\n$");
}

TEST(KivRegisterCodecTypes, EveryTypeDecodesThroughAnExternalOnBothArcs) {
    KivRegisterCodecTypes();
    for (const Carried& carried : kCarried) {
        for (const auto& [arc, anyId] :
             {std::pair{"1.2.840.10003.", carried.anyId}, std::pair{"1.0.10163.", carried.isoAnyId}}) {
            const std::string text = std::string(arc) + carried.suffix;
            SCOPED_TRACE(text);
            const std::vector<uint8_t> octets = external(text, hexOctets(carried.sample));
            ExternalOutcome outcome = roundTrip(octets);
            ASSERT_EQ(outcome.code, 0);
            EXPECT_EQ(outcome.anyId, anyId);
            EXPECT_EQ(outcome.encoded, octets);
            EXPECT_THAT(outcome.printed, ::testing::Not(::testing::HasSubstr("ERROR")));
        }
    }
}

// A type registered under its placeholder only is not reached by its identifier: the EXTERNAL keeps the
// value as the octets it came in, and sends them back unchanged.
TEST(KivRegisterCodecTypes, ValueOfAPlaceholderTypeStaysRaw) {
    KivRegisterCodecTypes();
    const std::vector<uint8_t> des1 = external("1.2.840.10003.8.2", hexOctets("A1 03 83 01 6E"));
    ExternalOutcome outcome = roundTrip(des1);
    ASSERT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.anyId, -1);
    EXPECT_EQ(outcome.encoded, des1);
}

TEST(KivRegisterCodecTypes, LaterCallsChangeNothingFromAnyThread) {
    KivRegisterCodecTypes();
    const std::vector<const BerAnyEntry*> first = lookups();
    EXPECT_THAT(first, ::testing::Not(::testing::Contains(nullptr)));

    std::vector<std::vector<const BerAnyEntry*>> seen(8);
    std::vector<std::thread> threads;
    for (auto& entries : seen) {
        threads.emplace_back([&entries] {
            KivRegisterCodecTypes();
            entries = lookups();
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (const auto& entries : seen) EXPECT_EQ(entries, first);
}

// The first call, made from several threads at once, completes the registry before any of them returns.
TEST(KivRegisterCodecTypes, ConcurrentFirstCallsSeeACompleteRegistry) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::vector<std::vector<const BerAnyEntry*>> seen(8);
            std::vector<std::thread> threads;
            for (auto& entries : seen) {
                threads.emplace_back([&entries] {
                    KivRegisterCodecTypes();
                    entries = lookups();
                });
            }
            for (std::thread& thread : threads) thread.join();
            bool same = true;
            for (const auto& entries : seen) {
                same = same && entries == seen.front();
                for (const BerAnyEntry* entry : entries) same = same && entry != nullptr;
            }
            std::fputs(same ? "complete\n" : "incomplete\n", stderr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^complete\n$");
}

}  // namespace
