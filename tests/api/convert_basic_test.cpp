#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "tests/api/kiv_codec_round_trip.h"
#include "tests/api/kiv_equality.h"
#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_memory_request.h"
#include "toolkit/api/kiv_upper_case.h"
#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/util/memory.h"

namespace z = codec::z3950;

namespace {

// A primitive codec value encoded as one BER element and decoded again.
template <typename Value>
void berRoundTrip(const Value& sent, Value* received, uint32_t (*encode)(BerBuffer&, const Value*),
                  void (*decode)(BerBuffer&, Value*, uint32_t&, BerDecodeContext&)) {
    std::vector<uint8_t> block(1 << 16);
    BerBuffer out = berEncodeBuffer(block.data(), block.size());
    const uint32_t written = encode(out, &sent);
    EXPECT_EQ(out.writeFailed, 0);
    BerBuffer in = berDecodeBuffer(out.start, written);
    BerDecodeContext ctx(written);
    uint32_t counter = 0;
    decode(in, received, counter, ctx);
    EXPECT_EQ(counter, written);
}

// Codec values owned by a test.
struct CodecOctets : BerOctets {
    CodecOctets() : BerOctets{0, nullptr} {}
    ~CodecOctets() { ASN_FreeOctetString(this); }
};
struct CodecOid : BerOid {
    CodecOid() : BerOid{0, nullptr} {}
    ~CodecOid() { ASN_FreeOid(this); }
};
struct CodecBits : BerBits {
    CodecBits() : BerBits{0, nullptr} {}
    ~CodecBits() { ASN_FreeBitString(this); }
};

std::string octetsText(const BerOctets& octets) {
    return std::string(reinterpret_cast<const char*>(octets.octets), static_cast<size_t>(octets.length));
}

KivArray<KivInternationalString> stringArray(const std::vector<std::string>& texts) {
    KivArray<KivInternationalString> array = KivArray<KivInternationalString>::emptyArray();
    for (const std::string& text : texts) array.emplace(text);
    return array;
}

void freeNameList(BerList* list) {
    z::FreeSearchRequestDatabaseNames(list);
    MemFree(list);
}

TEST(ConvertOctetsTest, RoundTripKeepsEveryOctet) {
    const std::vector<std::string> values = {"", "abc", std::string("a\0b", 3), std::string(300, '\xff')};
    for (const std::string& value : values) {
        const KivOctets sent{value};
        CodecOctets codec;
        KivOctetsToCodec(&codec, &sent);
        ASSERT_NE(codec.octets, nullptr);
        CodecOctets decoded{};
        berRoundTrip<BerOctets>(codec, &decoded, ASN_EncodeOctetString, ASN_DecodeOctetString);
        KivOctets received{"stale"};
        KivOctetsFromCodec(&received, &decoded);
        EXPECT_TRUE(kivEqual(received, sent)) << value.size();
    }
}

TEST(ConvertOctetsTest, EmptyOrAbsentOctetsOwnABlockAndComeBackByRoutine) {
    CodecOctets fromNull;
    KivOctetsToCodec(&fromNull, nullptr);
    EXPECT_EQ(fromNull.length, 0);
    EXPECT_NE(fromNull.octets, nullptr);

    const KivOctets empty;
    CodecOctets codec;
    KivOctetsToCodec(&codec, &empty);
    EXPECT_EQ(codec.length, 0);
    EXPECT_NE(codec.octets, nullptr);

    std::unique_ptr<KivOctets> optional;
    KivOptionalOctetsFromCodec(&optional, &codec);
    EXPECT_EQ(optional, nullptr);
    std::unique_ptr<KivOctets> created;
    KivNewOctetsFromCodec(&created, &codec);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->ulLength(), 0u);

    CodecOctets untouched;
    KivOptionalOctetsToCodec(&untouched, nullptr);
    EXPECT_EQ(untouched.octets, nullptr);

    BerOctets* holder = nullptr;
    const KivOctets sent{"xy"};
    KivNewOctetsToCodec(&holder, &sent);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(octetsText(*holder), "xy");
    ASN_FreeOctetString(holder);
    MemFree(holder);
}

TEST(ConvertStringTest, EmptyOrAbsentStringLeavesTheCodecStringAlone) {
    const KivInternationalString empty;
    for (const KivInternationalString* source :
         {static_cast<const KivInternationalString*>(nullptr), &empty}) {
        CodecOctets codec;
        KivInternationalStringToCodec(&codec, source);
        EXPECT_EQ(codec.octets, nullptr);
        EXPECT_EQ(codec.length, 0);
    }
}

TEST(ConvertStringTest, StringsAndTextsRoundTrip) {
    const KivInternationalString sent{"Library of Congress"};
    CodecOctets codec;
    KivInternationalStringToCodec(&codec, &sent);
    CodecOctets decoded{};
    berRoundTrip<BerOctets>(codec, &decoded, ASN_EncodeOctetString, ASN_DecodeOctetString);

    KivInternationalString plain;
    KivInternationalStringFromCodec(&plain, &decoded);
    EXPECT_TRUE(kivEqual(plain, sent));
    std::unique_ptr<KivInternationalString> created;
    KivNewInternationalStringFromCodec(&created, &decoded);
    EXPECT_TRUE(kivEqual(created, std::make_unique<KivInternationalString>(sent)));
    std::optional<std::string> text;
    KivCStringFromCodec(&text, &decoded);
    EXPECT_EQ(text, "Library of Congress");

    std::unique_ptr<KivInternationalString> optional;
    CodecOctets absent;
    KivOptionalInternationalStringFromCodec(&optional, &absent);
    EXPECT_EQ(optional, nullptr);
    KivOptionalInternationalStringFromCodec(&optional, &decoded);
    EXPECT_TRUE(kivEqual(optional, created));
}

TEST(ConvertStringTest, TextsAreCopiedTerminatedAndAbsentTextsWriteNothing) {
    CodecOctets codec;
    KivCStringToCodec(&codec, std::nullopt);
    EXPECT_EQ(codec.octets, nullptr);
    KivCStringToCodec(&codec, std::optional<std::string>("F"));
    ASSERT_EQ(codec.length, 1);
    EXPECT_EQ(codec.octets[0], 'F');
    EXPECT_EQ(codec.octets[1], 0);

    std::optional<std::string> text;
    EXPECT_EQ(KivCStringFromCodecByValue(&text, 3, nullptr), 3);
    EXPECT_FALSE(text.has_value());
    const uint8_t octets[] = {'a', 'b', 'c'};
    EXPECT_EQ(KivCStringFromCodecByValue(&text, 2, octets), 2);
    EXPECT_EQ(text, "ab");
}

TEST(ConvertScalarTest, BooleansMapOneToTrueAndAnythingElseToFalse) {
    const std::vector<std::pair<uint32_t, BerBoolean>> toCodec = {{0, 0}, {1, 1}, {2, 0}, {0xffffffffu, 0}};
    for (const auto& [api, expected] : toCodec) {
        BerBoolean codec = 7;
        KivBooleanToCodec(&codec, &api);
        EXPECT_EQ(codec, expected) << api;
    }
    const std::vector<std::pair<BerBoolean, uint32_t>> fromCodec = {{0, 0}, {1, 1}, {0xff, 0}};
    for (const auto& [codec, expected] : fromCodec) {
        uint32_t api = 7;
        KivBooleanFromCodec(&api, &codec);
        EXPECT_EQ(api, expected);
        std::optional<uint32_t> optional;
        KivOptionalBooleanFromCodec(&optional, &codec);
        EXPECT_EQ(optional, expected);
    }
}

TEST(ConvertScalarTest, OptionalBooleansAndIntegersRoundTripOrStayAbsent) {
    for (const std::optional<uint32_t>& sent : {std::optional<uint32_t>(), std::optional<uint32_t>(1u)}) {
        BerBoolean* codec = nullptr;
        KivOptionalBooleanToCodec(&codec, &sent);
        EXPECT_EQ(codec != nullptr, sent.has_value());
        std::optional<uint32_t> received;
        if (codec != nullptr) {
            BerBoolean decoded{};
            berRoundTrip<BerBoolean>(
                *codec, &decoded,
                +[](BerBuffer& buf, const BerBoolean* value) { return ASN_EncodeBoolean(buf, *value); },
                ASN_DecodeBoolean);
            KivOptionalBooleanFromCodec(&received, &decoded);
        }
        EXPECT_EQ(received, sent);
        MemFree(codec);
    }
    // INTEGER values travel bit for bit, above 2^31 - 1 included.
    for (uint32_t value : {0u, 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu}) {
        const std::optional<uint32_t> sent = value;
        BerInteger* codec = nullptr;
        KivOptionalIntegerToCodec(&codec, &sent);
        ASSERT_NE(codec, nullptr);
        BerInteger decoded{};
        berRoundTrip<BerInteger>(
            *codec, &decoded,
            +[](BerBuffer& buf, const BerInteger* integer) { return ASN_EncodeInteger(buf, *integer); },
            ASN_DecodeInteger);
        std::optional<uint32_t> received;
        KivOptionalIntegerFromCodec(&received, &decoded);
        EXPECT_EQ(received, sent);
        MemFree(codec);
    }
    BerInteger* absent = nullptr;
    const std::optional<uint32_t> none;
    KivOptionalIntegerToCodec(&absent, &none);
    EXPECT_EQ(absent, nullptr);
    std::optional<uint32_t> received;
    KivOptionalIntegerFromCodec(&received, nullptr);
    EXPECT_FALSE(received.has_value());
}

TEST(ConvertScalarTest, ReceivedNegativeIntegersStayBitExact) {
    const BerInteger negative = -1;
    std::optional<uint32_t> received;
    KivOptionalIntegerFromCodec(&received, &negative);
    EXPECT_EQ(received, 4294967295u);
}

TEST(ConvertScalarTest, PresentStatusKeepsItsRangeBothWays) {
    for (int32_t status = -1; status <= 6; ++status) {
        BerInteger codec = 42;
        KivPresentStatusToCodec(&codec, &status);
        EXPECT_EQ(codec, status >= 0 && status <= 5 ? status : 42) << status;
        int32_t api = 42;
        KivPresentStatusFromCodec(&api, &status);
        EXPECT_EQ(api, status >= 0 && status <= 5 ? status : PS_Invalid) << status;
    }
}

TEST(ConvertScalarTest, OptionalNullIsPresentWhenTheCodecFlagIsSet) {
    bool present = false;
    KivOptionalNullFromCodec(&present, nullptr);
    EXPECT_FALSE(present);
    const uint8_t flag = 0;
    KivOptionalNullFromCodec(&present, &flag);
    EXPECT_TRUE(present);
}

TEST(ConvertOidTest, DottedTextsRoundTrip) {
    for (const char* text :
         {"1.2.840.10003.5.10", "1.2.840.10003.4.1", "1.0.10163.5.101", "2.999.4294967295"}) {
        CodecOid codec;
        KivOidToCodec(&codec, text);
        CodecOid decoded{};
        berRoundTrip<BerOid>(codec, &decoded, ASN_EncodeOid, ASN_DecodeOid);
        std::optional<std::string> received;
        KivOidFromCodec(&received, &decoded);
        EXPECT_EQ(received, text);
        std::optional<std::string> optional;
        KivOptionalOidFromCodec(&optional, &decoded);
        EXPECT_EQ(optional, text);
    }
}

TEST(ConvertOidTest, AbsentOrEmptyIdentifiersConvertToNothing) {
    CodecOid codec;
    KivOptionalOidToCodec(&codec, std::nullopt);
    EXPECT_EQ(codec.octets, nullptr);
    BerOid* holder = nullptr;
    KivOptionalNewOidToCodec(&holder, std::nullopt);
    EXPECT_EQ(holder, nullptr);
    KivOptionalNewOidToCodec(&holder, "1.2.3");
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->length, 2);
    ASN_FreeOid(holder);
    MemFree(holder);

    std::optional<std::string> text;
    KivOptionalOidFromCodec(&text, nullptr);
    KivOptionalOidFromCodec(&text, &codec);
    EXPECT_FALSE(text.has_value());
    KivOidFromCodec(&text, &codec);
    EXPECT_EQ(text, "0.0");
}

TEST(ConvertBitsTest, BitStringsRoundTripAsTerminatedTexts) {
    for (const std::string& bits : {std::string(), std::string("1"), std::string("10110"),
                                    std::string("111111111011101"), std::string("10000000000000001")}) {
        CodecBits codec;
        KivBitStringToCodec(&codec, bits, static_cast<uint32_t>(bits.size()));
        CodecBits decoded{};
        berRoundTrip<BerBits>(codec, &decoded, ASN_EncodeBitString, ASN_DecodeBitString);
        std::optional<std::string> received;
        KivBitStringFromCodec(&received, &decoded);
        EXPECT_EQ(received, bits);
        EXPECT_EQ(std::char_traits<char>::length(received->c_str()), bits.size());
    }
}

TEST(ConvertBitsTest, TheBlockIsSizedFromTheBitCount) {
    struct Case {
        std::string text;
        uint32_t bitCount;
        std::vector<uint8_t> octets;
    };
    const std::vector<Case> cases = {
        {"10110", 5, {0xB0}},     {"", 0, {0x00}},  // no bits: a one-octet block
        {"1", 16, {0x80, 0x00}},   // declared bits past the text are clear, never read from beyond it
        {"111111111", 3, {0xE0}},  // characters past the declared bits are not sent
        {"1x1", 3, {0xA0}},
    };
    for (const Case& c : cases) {
        CodecBits codec;
        KivBitStringToCodec(&codec, c.text, c.bitCount);
        EXPECT_EQ(codec.bitCount, static_cast<int32_t>(c.bitCount));
        ASSERT_NE(codec.octets, nullptr);
        const size_t count = c.octets.size();
        EXPECT_EQ(std::vector<uint8_t>(codec.octets, codec.octets + count), c.octets) << c.text;
    }
}

TEST(ConvertListTest, StringListsRoundTripAndKeepAbsentApartFromEmpty) {
    const GeneratedType type = GENERATED_TYPE(z, SearchRequestDatabaseNames, 0xB2000000u);
    for (const auto& texts : {std::vector<std::string>{"Default", "", "books"}, std::vector<std::string>{}}) {
        const KivArray<KivInternationalString> sent = stringArray(texts);
        BerList* list = nullptr;
        KivOptionalInternationalStringListToCodec(&list, &sent);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(ASN_ListCount(list), static_cast<int32_t>(texts.size()));
        const std::vector<uint8_t> octets = encodeElement(type, list);
        freeNameList(list);

        GeneratedRecord decoded(type);
        ASSERT_EQ(decodeElement(type, octets, decoded.get()).code, 0);
        KivArray<KivInternationalString> received;
        KivInternationalStringListFromCodec(&received, static_cast<BerList*>(decoded.get()));
        EXPECT_TRUE(kivEqual(received, sent));
    }

    const KivArray<KivInternationalString> absent;
    BerList* list = nullptr;
    KivOptionalInternationalStringListToCodec(&list, &absent);
    EXPECT_EQ(list, nullptr);
    KivArray<KivInternationalString> received;
    KivInternationalStringListFromCodec(&received, nullptr);
    EXPECT_FALSE(received.present());
}

TEST(ConvertListTest, ListWalksStopAtTheFirstNodeWithoutAValue) {
    BerList* list = ASN_ListNew(sizeof(void*));
    BerInteger values[] = {1, -1, 7};
    for (BerInteger* value : {&values[0], &values[1], static_cast<BerInteger*>(nullptr), &values[2]}) {
        *static_cast<BerInteger**>(ASN_ListAppend(list)) = value;
    }
    KivArray<uint32_t> integers;
    KivIntegerListFromCodec(&integers, list);
    ASSERT_EQ(integers.size(), 2u);
    EXPECT_EQ(*integers[0], 1u);
    EXPECT_EQ(*integers[1], 4294967295u);  // a received negative value stays bit for bit

    KivArray<uint32_t> untouched;
    KivIntegerListFromCodec(&untouched, nullptr);
    EXPECT_FALSE(untouched.present());
    while (ASN_ListFirst(list) != nullptr) ASN_ListRemoveCurrent(list);
    MemFree(list);
}

KivElementSetNames genericNames(const std::string& name) {
    KivElementSetNames names;
    names.eElementSetType = EST_Generic;
    names.uElementSet.psGeneric = std::make_unique<KivInternationalString>(KivInternationalString{name});
    return names;
}

KivElementSetNames databaseSpecificNames(size_t count) {
    KivElementSetNames names;
    names.eElementSetType = EST_DatabaseSpecific;
    names.uElementSet.ppsElementSetsDbSpecific = KivArray<KivElementSetsDbSpecific>::emptyArray();
    for (size_t i = 0; i < count; ++i) {
        names.uElementSet.ppsElementSetsDbSpecific.emplace(
            std::make_unique<KivInternationalString>(KivInternationalString{"db" + std::to_string(i)}),
            std::make_unique<KivInternationalString>(KivInternationalString{i % 2 == 0 ? "F" : "B"}));
    }
    return names;
}

TEST(ConvertElementSetNamesTest, EveryKindRoundTrips) {
    const GeneratedType type = GENERATED_TYPE(z, ElementSetNames, 0);
    std::vector<KivElementSetNames> values;
    values.push_back(genericNames("F"));
    values.push_back(databaseSpecificNames(2));
    values.push_back(databaseSpecificNames(0));
    for (const KivElementSetNames& sent : values) {
        KivElementSetNames received;
        kivRoundTrip<z::ElementSetNames, KivElementSetNames>(type, sent, &received, KivElementSetNamesToCodec,
                                                             KivElementSetNamesFromCodec);
        EXPECT_TRUE(kivEqual(received, sent)) << sent.eElementSetType;
    }
}

TEST(ConvertElementSetNamesTest, SelectorsWithoutAnAlternativeConvertToNothing) {
    KivElementSetNames names;
    names.eElementSetType = 3;
    z::ElementSetNames codec{};
    KivElementSetNamesToCodec(&codec, &names);
    EXPECT_EQ(codec.choiceId, 0);
    EXPECT_EQ(codec.slot, nullptr);

    names.eElementSetType = EST_DatabaseSpecific;  // an absent array gives no list
    KivElementSetNamesToCodec(&codec, &names);
    EXPECT_EQ(codec.choiceId, z::ElementSetNames::kDatabaseSpecific);
    EXPECT_EQ(codec.databaseSpecific, nullptr);

    KivElementSetNames received;
    KivElementSetNamesFromCodec(&received, &codec);  // a null list leaves the structure as it was
    EXPECT_EQ(received.eElementSetType, 0);
    codec.choiceId = z::ElementSetNames::kAlternatives;
    KivElementSetNamesFromCodec(&received, &codec);
    EXPECT_EQ(received.eElementSetType, 0);
}

using ConversionFailureTest = ProcessLogFixture;

TEST_F(ConversionFailureTest, TheRecoveryPointReportsOutOfMemory) {
    createLog();
    SIError* error = nullptr;
    CodecBits codec;
    const int result = KivConvertOrReport(5, &error, [&] { KivBitStringToCodec(&codec, "1", 0x80000000u); });
    EXPECT_EQ(result, 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 75);
    EXPECT_EQ(loggedDiagnostic(), "Out of memory");
    SIFreeError(&error);

    EXPECT_EQ(KivConvertOrReport(5, &error, [] {}), 0);
    EXPECT_EQ(error, nullptr);
}

TEST(ConversionErrorTest, EachDirectionCarriesItsCode) {
    try {
        CodecBits codec;
        KivBitStringToCodec(&codec, "1", 0x80000000u);
        FAIL() << "no error";
    } catch (const KivConversionError& error) {
        EXPECT_EQ(error.code, -27);
    }
    try {
        kivFromCodec([] { throw std::bad_alloc(); });
        FAIL() << "no error";
    } catch (const KivConversionError& error) {
        EXPECT_EQ(error.code, -1);
    }
}

TEST_F(ConversionFailureTest, MemoryRequestsReportTheirFailure) {
    SIError* error = nullptr;
    void* block = KivAllocOrReport(0, &error);
    EXPECT_EQ(KivIsNull(block), 0);
    EXPECT_EQ(error, nullptr);
    KivFreeBlock(block);

    createLog();
    EXPECT_EQ(KivIsNull(KivAllocOrReport(-1, &error)), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_OperatingSystem_Error);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 120);
    EXPECT_EQ(loggedDiagnostic(), "A request for memory failed: ");
    SIFreeError(&error);
}

TEST(UpperCaseTest, EveryCharacterIsRaisedInPlace) {
    std::string text = "Default f1-x\xe9";
    KivUpperCase(&text);
    EXPECT_EQ(text, "DEFAULT F1-X\xe9");
}

}  // namespace
