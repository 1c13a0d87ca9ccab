#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/api/carried_records_equality.h"
#include "tests/api/carried_records_samples.h"
#include "tests/api/external_round_trip.h"
#include "toolkit/api/kiv_check_records.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external_nesting.h"
#include "toolkit/api/kiv_convert_external_unknown_content.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/util/memory.h"

namespace {

using carried::same;

KivExternal rawExternal(const std::string& oid, const std::string& element) {
    return carried::singleExternal(oid, 8, [&](KivSingleASN1Type& content) {
        content.uASN1.psUnknownType = std::make_unique<KivOctets>(KivOctets{element});
    });
}

const KivSingleASN1Type& contentOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type;
}

// The other encodings: octet-aligned (also empty) and arbitrary bit strings.
TEST(ConvertExternalTest, OctetAlignedAndArbitraryRoundTrip) {
    const std::vector<KivExternal> cases = [] {
        std::vector<KivExternal> list;
        list.push_back(carried::octetAligned("1.2.840.10003.5.10", "00714cam"));
        list.push_back(carried::octetAligned("1.2.840.10003.5.10", ""));
        for (const std::string bits : {"10110", "", "1000000011"}) {
            KivExternal external;
            external.pcObjectIdentifier = "1.2.840.10003.5.109.3";
            external.eValueType = EVT_Arbitrary;
            external.uExternalValue.psArbitrary =
                std::make_unique<KivArbitrary>(KivArbitrary{static_cast<uint32_t>(bits.size()), bits});
            list.push_back(std::move(external));
        }
        return list;
    }();
    for (const KivExternal& sent : cases) {
        KivExternal received;
        externalRoundTrip(sent, &received);
        EXPECT_TRUE(same(sent, received)) << sent.eValueType;
    }

    GeneratedRecord codec(externalType());
    auto* external = static_cast<codec::z3950::EXTERNAL*>(codec.get());
    KivExternalToCodec(external, &cases[2]);
    EXPECT_EQ(external->arbitrary.bitCount, 5);
    EXPECT_EQ(external->arbitrary.octets[0], 0xB0);
    GeneratedRecord empty(externalType());
    KivExternalToCodec(static_cast<codec::z3950::EXTERNAL*>(empty.get()), &cases[3]);
    EXPECT_EQ(static_cast<codec::z3950::EXTERNAL*>(empty.get())->arbitrary.bitCount, 0);
    EXPECT_NE(static_cast<codec::z3950::EXTERNAL*>(empty.get())->arbitrary.octets, nullptr);
}

// Raw content (type 8) is sent as it is and arrives with its whole element: under an unknown identifier and
// without a direct reference.
TEST(ConvertExternalTest, RawContentTravelsBothWays) {
    struct Case {
        const char* what;
        KivExternal sent;
        std::string element;
    };
    std::vector<Case> cases;
    cases.push_back({"unknown identifier", rawExternal("1.2.840.10003.5.109", "\x30\x03\x02\x01\x05"),
                     std::string("\x30\x03\x02\x01\x05")});
    cases.push_back({"no direct reference", rawExternal("", "\x04\x01\x41"), std::string("\x04\x01\x41")});
    cases.back().sent.pcObjectIdentifier.reset();
    for (const Case& c : cases) {
        KivExternal received;
        KivUnknownContentScope scope;
        const std::vector<uint8_t> octets = externalRoundTrip(c.sent, &received);
        EXPECT_TRUE(scope.seen()) << c.what;
        EXPECT_TRUE(same(c.sent, received)) << c.what;
        EXPECT_EQ(std::string(octets.end() - static_cast<long>(c.element.size()), octets.end()), c.element)
            << c.what;
    }

    // Raw content under a known identifier reaches the peer as the content it is.
    KivExternal received;
    KivUnknownContentScope scope;
    externalRoundTrip(rawExternal("1.2.840.10003.5.101", "\x1B\x02hi"), &received);
    EXPECT_FALSE(scope.seen());
    ASSERT_EQ(contentOf(received).eASN1Type, AT_UnstructuredText);
    EXPECT_EQ(contentOf(received).uASN1.psUnstructuredText->pcValue, "hi");
}

TEST(ConvertExternalTest, ContentWhoseIdentifierDoesNotFitItsTypeIsNotConverted) {
    std::vector<KivExternal> cases;
    cases.push_back(carried::opacExternal("1.2.840.10003.5.101"));
    cases.push_back(carried::sutrsExternal("1.2.840.10003.5.109", "text"));
    for (const KivExternal& sent : cases) {
        GeneratedRecord codec(externalType());
        auto* external = static_cast<codec::z3950::EXTERNAL*>(codec.get());
        KivExternalToCodec(external, &sent);
        EXPECT_NE(external->directReference.length, 0);
        EXPECT_EQ(external->singleASN1Type.value, nullptr);
        EXPECT_EQ(external->octetAligned.octets, nullptr);
        EXPECT_EQ(external->arbitrary.octets, nullptr);
    }
}

// The mark of raw content belongs to the innermost scope of the converting thread.
TEST(ConvertExternalTest, UnknownContentIsMarkedPerCall) {
    const KivExternal raw = rawExternal("1.2.840.10003.5.109", std::string("\x05\x00", 2));
    const KivExternal sutrs = carried::sutrsExternal("1.2.840.10003.5.101", "text");
    KivExternal received;
    externalRoundTrip(raw, &received);  // no scope: nothing to mark

    KivUnknownContentScope outer;
    {
        KivUnknownContentScope inner;
        externalRoundTrip(raw, &received);
        EXPECT_TRUE(inner.seen());
    }
    EXPECT_FALSE(outer.seen());

    bool otherSeen = false;
    std::thread other([&] {
        KivUnknownContentScope scope;
        KivExternal otherReceived;
        externalRoundTrip(raw, &otherReceived);
        otherSeen = scope.seen();
    });
    other.join();
    EXPECT_TRUE(otherSeen);
    externalRoundTrip(sutrs, &received);
    EXPECT_FALSE(outer.seen());
    outer.markSeen();
    EXPECT_TRUE(outer.seen());
}

// An OPAC record whose bibliographic record is an OPAC record, levels deep.
KivExternal nestedOpac(int levels) {
    KivExternal inner = carried::sutrsExternal("1.2.840.10003.5.101", "innermost");
    for (int i = 1; i < levels; ++i) {
        KivExternal outer =
            carried::singleExternal("1.2.840.10003.5.102", AT_OpacRecord, [&](KivSingleASN1Type& c) {
                c.uASN1.psOpacRecord = std::make_unique<KivOpacRecord>();
                c.uASN1.psOpacRecord->psBibliographicRecord = std::make_unique<KivExternal>(std::move(inner));
            });
        inner = std::move(outer);
    }
    return inner;
}

TEST(ConvertExternalTest, NestingIsBoundedInBothDirections) {
    const KivExternal deepest = nestedOpac(kKivMaxExternalDepth);
    GeneratedRecord codec(externalType());
    auto* external = static_cast<codec::z3950::EXTERNAL*>(codec.get());
    KivExternalToCodec(external, &deepest);
    KivExternal back;
    KivExternalFromCodec(&back, external);
    EXPECT_TRUE(same(deepest, back));

    const KivExternal tooDeep = nestedOpac(kKivMaxExternalDepth + 1);
    GeneratedRecord refused(externalType());
    try {
        KivExternalToCodec(static_cast<codec::z3950::EXTERNAL*>(refused.get()), &tooDeep);
        ADD_FAILURE() << "converted";
    } catch (const KivConversionError& error) {
        EXPECT_EQ(error.code, kKivToCodecNoMemory);
    }

    // One codec level more, wrapped by hand around the deepest convertible value.
    GeneratedRecord wrapper(externalType());
    auto* outer = static_cast<codec::z3950::EXTERNAL*>(wrapper.get());
    KivOidToCodec(&outer->directReference, "1.2.840.10003.5.102");
    ASN_BindAnyByOid(&outer->singleASN1Type, &outer->directReference);
    auto* choice =
        static_cast<codec::records::OPACRecordChoice*>(MemAlloc(sizeof(codec::records::OPACRecordChoice)));
    outer->singleASN1Type.value = choice;
    choice->opacRecord =
        static_cast<codec::records::OPACRecord*>(MemAlloc(sizeof(codec::records::OPACRecord)));
    choice->opacRecord->bibliographicRecord =
        static_cast<codec::z3950::EXTERNAL*>(MemAlloc(sizeof(codec::z3950::EXTERNAL)));
    KivExternalToCodec(choice->opacRecord->bibliographicRecord, &deepest);
    try {
        KivExternal received;
        KivExternalFromCodec(&received, outer);
        ADD_FAILURE() << "converted";
    } catch (const KivConversionError& error) {
        EXPECT_EQ(error.code, kKivFromCodecNoMemory);
    }
}

// A present response of 2,000 SUTRS records on both arcs: every record keeps its own value.
TEST(ConvertExternalTest, PresentSizedResponseConvertsAndFrees) {
    constexpr int kCount = 2000;
    KivRecords sent;
    sent.eRecordType = RT_Response;
    for (int i = 0; i < kCount; ++i) {
        KivResponseRecord* record = sent.uRecord.ppsResponseRecord.emplace();
        record->psDatabaseName = carried::text("books");
        record->eDbRecordType = DRT_Retrieval;
        record->uDbRecord.psRetrievalRecord = std::make_unique<KivExternal>(carried::sutrsExternal(
            i % 2 == 0 ? "1.2.840.10003.5.101" : "1.0.10163.5.101", "record " + std::to_string(i)));
    }
    SIError* error = nullptr;
    ASSERT_EQ(KivCheckRecords(0, &sent, "psPresentRsp->psRecords->", &error), 0);

    KivRegisterCodecTypes();
    const GeneratedType recordsType = GENERATED_TYPE(codec::z3950, Records, 0);
    KivRecords received;
    kivRoundTrip<codec::z3950::Records, KivRecords>(recordsType, sent, &received, KivRecordsToCodec,
                                                    KivRecordsFromCodec);
    ASSERT_EQ(received.uRecord.ppsResponseRecord.size(), static_cast<size_t>(kCount));
    for (int i = 0; i < kCount; ++i) {
        const KivExternal& record =
            *received.uRecord.ppsResponseRecord[static_cast<size_t>(i)]->uDbRecord.psRetrievalRecord;
        ASSERT_EQ(contentOf(record).uASN1.psUnstructuredText->pcValue, "record " + std::to_string(i));
    }
    KivResetSlotPools();
}

}  // namespace
