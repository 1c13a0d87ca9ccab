#include "toolkit/asn1/ber_primitives.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "tests/asn1/ber_test_support.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {

constexpr BerTag kPrimitiveOctets = 0x04000000;

// Runs a contents decoder over octets with the given length; the value is filled in place.
template <typename Value, typename Decoder>
DecodeRun decodeContents(const Octets& octets, BerTag tag, BerLength length, Value* value, Decoder decoder) {
    return runDecode(octets, [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
        decoder(buf, tag, length, value, counter, ctx);
    });
}

template <typename Value, typename Decoder>
DecodeRun decodeWhole(const Octets& octets, Value* value, Decoder decoder) {
    return runDecode(octets, [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
        decoder(buf, value, counter, ctx);
    });
}

Octets octetsOf(const BerOctets& value) {
    return Octets(value.octets, value.octets + value.length);
}

// A successful decode counts exactly the octets it read.
void expectClean(const DecodeRun& out, size_t size, const std::string& what) {
    EXPECT_EQ(out.code, 0) << what;
    EXPECT_EQ(out.consumed, size) << what;
    EXPECT_EQ(out.counted, size) << what;
}

struct ContentsError {
    const char* octets;
    BerLength length;
    int code;
};

TEST(BerInteger, EncodesFewestOctetsAndDecodesBack) {
    const std::pair<BerInteger, const char*> cases[] = {
        {0, "00"},
        {127, "7F"},
        {128, "00 80"},
        {-1, "FF"},
        {-128, "80"},
        {-129, "FF 7F"},
        {256, "01 00"},
        {32767, "7F FF"},
        {-32769, "FF 7F FF"},
        {2147483647, "7F FF FF FF"},
        {INT32_MIN, "80 00 00 00"},
    };
    for (const auto& [value, octets] : cases) {
        Octets encoded =
            runEncode([value = value](BerBuffer& buf) { return ASN_EncodeIntegerContent(buf, value); });
        EXPECT_EQ(encoded, hex(octets)) << value;
        BerInteger decoded = 0;
        DecodeRun out = decodeContents(encoded, 0x02000000, static_cast<BerLength>(encoded.size()), &decoded,
                                       ASN_DecodeIntegerContent);
        expectClean(out, encoded.size(), octets);
        EXPECT_EQ(decoded, value);
    }
}

TEST(BerInteger, RefusesBadLengthsAndCutContents) {
    const ContentsError cases[] = {
        {"00 00 00 00 05", 5, kBerIntegerLength},  // five octets, even though the value would fit
        {"05", 0, kBerIntegerLength},
        {"05", -1, kBerIntegerLength},
        {"05", 2, kBerIntegerEnded},
        {"", 1, kBerIntegerEnded},
    };
    for (const ContentsError& c : cases) {
        BerInteger value = 0;
        EXPECT_EQ(decodeContents(hex(c.octets), 0x02000000, c.length, &value, ASN_DecodeIntegerContent).code,
                  c.code)
            << c.octets << " length " << c.length;
    }
}

TEST(BerUnsigned, UsesAFifthOctetAbove2To31) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "00"},
        {128, "00 80"},
        {2147483647, "7F FF FF FF"},
        {2147483648u, "00 80 00 00 00"},
        {4294967295u, "00 FF FF FF FF"},
    };
    for (const auto& [value, octets] : cases) {
        Octets encoded =
            runEncode([value = value](BerBuffer& buf) { return ASN_EncodeUnsignedContent(buf, value); });
        EXPECT_EQ(encoded, hex(octets)) << value;
        uint32_t decoded = 1;
        DecodeRun out = decodeContents(encoded, 0x02000000, static_cast<BerLength>(encoded.size()), &decoded,
                                       ASN_DecodeUnsignedContent);
        expectClean(out, encoded.size(), octets);
        EXPECT_EQ(decoded, value);
    }
}

TEST(BerUnsigned, RefusesNegativeOverlongAndCutValues) {
    const ContentsError cases[] = {
        {"80 00", 2, kBerUnsignedNegative},
        {"01 00 00 00 00", 5, kBerUnsignedTooBig},
        {"00 00 00 00 00 01", 6, kBerUnsignedLength},
        {"", 0, kBerUnsignedLength},
        {"00", -1, kBerUnsignedLength},
        {"00 FF", 3, kBerUnsignedEnded},
    };
    for (const ContentsError& c : cases) {
        uint32_t value = 0;
        EXPECT_EQ(decodeContents(hex(c.octets), 0x02000000, c.length, &value, ASN_DecodeUnsignedContent).code,
                  c.code)
            << c.octets;
    }
}

TEST(BerBoolean, WritesFFForTrueAndReadsAnyNonZeroAsTrue) {
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeBooleanContent(buf, 1); }), hex("FF"));
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeBooleanContent(buf, 7); }), hex("FF"));
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeBooleanContent(buf, 0); }), hex("00"));
    const std::pair<const char*, BerBoolean> cases[] = {{"01", 1}, {"FF", 1}, {"00", 0}};
    for (const auto& [octets, expected] : cases) {
        BerBoolean value = 9;
        expectClean(decodeContents(hex(octets), 0x01000000, 1, &value, ASN_DecodeBooleanContent), 1, octets);
        EXPECT_EQ(value, expected);
    }
    const ContentsError errors[] = {
        {"01 01", 2, kBerBooleanLength}, {"", 0, kBerBooleanLength}, {"", 1, kBerBooleanEnded}};
    for (const ContentsError& c : errors) {
        BerBoolean value = 0;
        EXPECT_EQ(decodeContents(hex(c.octets), 0x01000000, c.length, &value, ASN_DecodeBooleanContent).code,
                  c.code);
    }
}

TEST(BerNull, AcceptsOnlyLengthZero) {
    const std::pair<BerLength, int> cases[] = {{0, 0}, {1, kBerNullLength}, {-1, kBerNullLength}};
    for (const auto& [length, code] : cases) {
        DecodeRun out =
            runDecode(hex("00"), [length = length](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
                ASN_DecodeNullContent(buf, 0x05000000, length, counter, ctx);
            });
        EXPECT_EQ(out.code, code) << length;
        EXPECT_EQ(out.consumed, 0u);
    }
}

TEST(BerReal, EncodesBinaryFormAndSpecialValues) {
    const std::pair<double, const char*> cases[] = {
        {1.0, "80 F9 80"},
        {-2.5, "C0 FA A0"},
        {0.5, "80 F8 80"},
        {0.0, ""},
        {-0.0, ""},
        {std::numeric_limits<double>::infinity(), "40"},
        {-std::numeric_limits<double>::infinity(), "41"},
        {std::numeric_limits<double>::quiet_NaN(), "42"},
    };
    for (const auto& [value, octets] : cases) {
        EXPECT_EQ(runEncode([value = value](BerBuffer& buf) { return ASN_EncodeRealContent(buf, value); }),
                  hex(octets))
            << value;
    }
    Octets large = runEncode([](BerBuffer& buf) { return ASN_EncodeRealContent(buf, 1e100); });
    ASSERT_FALSE(large.empty());
    EXPECT_EQ(large[0], 0x81);  // two exponent octets
}

TEST(BerReal, RoundTripsExactly) {
    const double values[] = {1.0,
                             -2.5,
                             0.1,
                             1e100,
                             -1e-300,
                             DBL_MAX,
                             -DBL_MAX,
                             DBL_MIN,
                             std::numeric_limits<double>::denorm_min(),
                             3.141592653589793,
                             -123456.789,
                             0.0,
                             std::numeric_limits<double>::infinity()};
    for (double value : values) {
        Octets encoded = runEncode([&](BerBuffer& buf) { return ASN_EncodeRealContent(buf, value); });
        BerReal decoded = 42;
        DecodeRun out = decodeContents(encoded, 0x09000000, static_cast<BerLength>(encoded.size()), &decoded,
                                       ASN_DecodeRealContent);
        expectClean(out, encoded.size(), std::to_string(value));
        EXPECT_EQ(decoded, value);
    }
}

TEST(BerReal, DecodesOtherBasesScaleAndLongExponent) {
    const std::pair<const char*, double> cases[] = {
        {"", 0.0},
        {"40", std::numeric_limits<double>::infinity()},
        {"41", -std::numeric_limits<double>::infinity()},
        {"90 01 01", 8.0},              // base 8
        {"A0 01 03", 48.0},             // base 16
        {"84 00 01", 2.0},              // scale factor 1
        {"C0 FF 03", -1.5},             // negative, exponent -1
        {"83 04 00 00 00 01 03", 6.0},  // exponent length given in its own octet
        {"81 03 FF 01", std::ldexp(1.0, 1023)},
    };
    for (const auto& [octets, expected] : cases) {
        Octets contents = hex(octets);
        BerReal value = 42;
        DecodeRun out = decodeContents(contents, 0x09000000, static_cast<BerLength>(contents.size()), &value,
                                       ASN_DecodeRealContent);
        expectClean(out, contents.size(), octets);
        EXPECT_EQ(value, expected) << octets;
    }
}

TEST(BerReal, RefusesOtherFormsAndMalformedLengths) {
    const ContentsError cases[] = {
        {"42", 1, kBerRealSpecial},
        {"83", 1, kBerRealSpecial},
        {"03 31", 2, kBerRealForm},                              // decimal form
        {"B0 00 01", 3, kBerRealBase},                           // reserved base
        {"83 00 01", 3, kBerRealForm},                           // exponent length 0
        {"83 05 00 00 00 00 00 01", 8, kBerRealForm},            // exponent length 5
        {"83 04 00 00", 4, kBerRealForm},                        // exponent longer than the contents
        {"82 01", 2, kBerRealForm},                              // three exponent octets, one present
        {"80 00 01 02 03 04 05 06 07 08 09", 11, kBerRealForm},  // nine mantissa octets
        {"80 F9 80", 4, kBerRealForm},                           // contents cut short
        {"80 F9 80", -1, kBerRealForm},                          // indefinite
    };
    for (const ContentsError& c : cases) {
        BerReal value = 0;
        EXPECT_EQ(decodeContents(hex(c.octets), 0x09000000, c.length, &value, ASN_DecodeRealContent).code,
                  c.code)
            << c.octets << " length " << c.length;
    }
}

TEST(BerOctetString, PrimitiveIsCopiedAndTerminated) {
    for (const char* octets : {"41 42 43", ""}) {
        Octets contents = hex(octets);
        BerOctets value{};
        DecodeRun out = decodeContents(contents, kPrimitiveOctets, static_cast<BerLength>(contents.size()),
                                       &value, ASN_DecodeOctetStringContent);
        expectClean(out, contents.size(), octets);
        ASSERT_NE(value.octets, nullptr);
        EXPECT_EQ(octetsOf(value), contents);
        EXPECT_EQ(value.octets[value.length], 0);
        ASN_FreeOctetString(&value);
        EXPECT_EQ(value.octets, nullptr);
        EXPECT_EQ(value.length, 0);
    }
}

TEST(BerOctetString, ConstructedJoinsSegmentsInOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"24 80 04 02 41 42 04 02 43 44 00 00", "ABCD"},
        {"24 08 04 02 41 42 04 02 43 44", "ABCD"},
        {"24 80 24 80 04 01 41 00 00 24 04 04 02 42 43 00 00", "ABC"},
        {"24 80 04 00 04 01 41 00 00", "A"},
        {"24 00", ""},
        {"24 80 00 00", ""},
    };
    for (const auto& [octets, text] : cases) {
        Octets whole = hex(octets);
        BerOctets value{};
        expectClean(decodeWhole(whole, &value, ASN_DecodeOctetString), whole.size(), octets);
        ASSERT_NE(value.octets, nullptr) << octets;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(value.octets)), text);
        EXPECT_EQ(value.length, static_cast<int32_t>(std::strlen(text)));
        ASN_FreeOctetString(&value);
    }
}

TEST(BerOctetString, RefusesMalformedSegmentsAndLengths) {
    const std::pair<const char*, int> cases[] = {
        {"24 80 02 01 05 00 00", kBerOctetsSegmentTag},
        {"24 02 00 00", kBerOctetsSegmentTag},  // end-of-contents inside a definite length
        {"24 80 04 05 41 42 00 00", kBerOctetsSegmentEnded},
        {"24 06 04 05 41 42 43 44 45", kBerOctetsSegmentEnded},  // segment runs past its enclosing value
        {"24 0A 04 02 41 42", kBerOctetsSegmentEnded},           // enclosing length beyond the data
        {"24 80 04 80 41 00 00 00 00", kBerOctetsSegmentEnded},  // indefinite primitive segment
        {"24 80 04 01 41 00 01", kBerBadEndOfContents},
        {"24 80 04 01 41 00", kBerBadEndOfContents},
        {"24 80 04 01 41", kBerTagEnded},
        {"04 80 41 00 00", kBerOctetsEnded},  // indefinite primitive
        {"04 05 41 42", kBerOctetsEnded},
    };
    for (const auto& [octets, code] : cases) {
        BerOctets value{};
        EXPECT_EQ(decodeWhole(hex(octets), &value, ASN_DecodeOctetString).code, code) << octets;
        EXPECT_EQ(value.octets, nullptr) << octets;
    }
}

TEST(BerBitString, EncodesUnusedBitsOctetFirst) {
    uint8_t tenBits[] = {0xFF, 0xC0};
    uint8_t eightBits[] = {0xA5};
    uint8_t oneBit[] = {0x80};
    const std::pair<BerBits, const char*> cases[] = {
        {{10, tenBits}, "06 FF C0"},
        {{8, eightBits}, "00 A5"},
        {{1, oneBit}, "07 80"},
        {{0, nullptr}, "00"},
    };
    for (const auto& [bits, octets] : cases) {
        EXPECT_EQ(
            runEncode([&bits = bits](BerBuffer& buf) { return ASN_EncodeBitStringContent(buf, &bits); }),
            hex(octets));
    }
}

TEST(BerBitString, DecodesPrimitiveAndConstructed) {
    struct Case {
        const char* octets;
        int32_t bitCount;
        const char* bits;
    };
    const Case cases[] = {
        {"03 03 06 FF C0", 10, "FF C0"},
        {"03 01 00", 0, ""},
        {"03 02 00 A5", 8, "A5"},
        {"03 02 07 80", 1, "80"},
        {"23 80 03 02 00 FF 03 02 04 F0 00 00", 12, "FF F0"},
        {"23 09 03 02 00 FF 23 03 03 01 00", 8, "FF"},
        {"23 80 00 00", 0, ""},
    };
    for (const Case& c : cases) {
        Octets whole = hex(c.octets);
        BerBits value{};
        expectClean(decodeWhole(whole, &value, ASN_DecodeBitString), whole.size(), c.octets);
        EXPECT_EQ(value.bitCount, c.bitCount) << c.octets;
        ASSERT_NE(value.octets, nullptr);
        Octets expected = hex(c.bits);
        EXPECT_EQ(Octets(value.octets, value.octets + expected.size()), expected) << c.octets;
        ASN_FreeBitString(&value);
        EXPECT_EQ(value.octets, nullptr);
    }
}

TEST(BerBitString, RefusesMalformedUnusedBitsAndSegments) {
    const std::pair<const char*, int> cases[] = {
        {"03 00", kBerBitsEnded},              // no unused-bits octet
        {"03 02 08 FF", kBerBitsEnded},        // more than 7 unused bits
        {"03 01 03", kBerBitsEnded},           // unused bits without a data octet
        {"03 03 06 FF", kBerBitsEnded},        // cut short
        {"03 80 00 FF 00 00", kBerBitsEnded},  // indefinite primitive
        {"23 80 03 02 04 F0 03 02 00 FF 00 00", kBerBitsSegmentAfterUnused},
        {"23 80 04 02 00 FF 00 00", kBerBitsSegmentTag},
        {"23 80 03 00 00 00", kBerBitsSegmentEnded},  // empty segment
        {"23 80 03 05 00 FF 00 00", kBerBitsSegmentEnded},
        {"23 80 03 02 08 FF 00 00", kBerBitsEnded},
        {"23 80 03 01 03 00 00", kBerBitsEnded},
        {"23 80 03 02 00 FF 00 05", kBerBadEndOfContents},
    };
    for (const auto& [octets, code] : cases) {
        BerBits value{};
        EXPECT_EQ(decodeWhole(hex(octets), &value, ASN_DecodeBitString).code, code) << octets;
        EXPECT_EQ(value.octets, nullptr) << octets;
    }
}

// The unused bits of one value's last segment must not leak into the next value's decode.
TEST(BerBitString, ConstructedValuesDecodeIndependently) {
    Octets both = hex("23 80 03 02 04 F0 00 00  23 80 03 02 00 FF 03 02 00 0F 00 00");
    BerBits first{};
    BerBits second{};
    DecodeRun out = runDecode(both, [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
        ASN_DecodeBitString(buf, &first, counter, ctx);
        ASN_DecodeBitString(buf, &second, counter, ctx);
    });
    expectClean(out, both.size(), "two values");
    EXPECT_EQ(first.bitCount, 4);
    EXPECT_EQ(second.bitCount, 16);
    ASN_FreeBitString(&first);
    ASN_FreeBitString(&second);
}

TEST(BerBitString, SingleBitHelpersStayInsideBitCount) {
    uint8_t octets[2] = {0, 0};
    BerBits bits{10, octets};
    for (int32_t n : {0, 9, 10, -1, 16}) ASN_SetBitStringBit(&bits, n);
    EXPECT_EQ(octets[0], 0x80);
    EXPECT_EQ(octets[1], 0x40);
    EXPECT_NE(ASN_GetBitStringBit(&bits, 0), 0);
    EXPECT_NE(ASN_GetBitStringBit(&bits, 9), 0);
    EXPECT_EQ(ASN_GetBitStringBit(&bits, 1), 0);
    EXPECT_EQ(ASN_GetBitStringBit(&bits, 10), 0);
    EXPECT_EQ(ASN_GetBitStringBit(&bits, -1), 0);
    octets[1] = 0xFF;
    ASN_ClearBitStringBit(&bits, 9);
    ASN_ClearBitStringBit(&bits, 10);
    EXPECT_EQ(octets[1], 0xBF);
}

TEST(BerOid, KeepsTheEncodedOctetsForReencoding) {
    for (const char* octets : {"06 06 2A 86 48 86 F7 0D", "06 03 2A 86 48", "06 00"}) {
        Octets whole = hex(octets);
        BerOid value{};
        expectClean(decodeWhole(whole, &value, ASN_DecodeOid), whole.size(), octets);
        EXPECT_EQ(value.length, static_cast<int32_t>(whole.size() - 2));
        EXPECT_EQ(runEncode([&](BerBuffer& buf) { return ASN_EncodeOid(buf, &value); }), whole);
        ASN_FreeOid(&value);
        EXPECT_EQ(value.octets, nullptr);
    }
}

TEST(BerOid, RefusesCutAndIndefiniteContents) {
    const ContentsError cases[] = {{"2A 86", 3, kBerOidEnded}, {"2A", -1, kBerOidEnded}};
    for (const ContentsError& c : cases) {
        BerOid value{};
        EXPECT_EQ(decodeContents(hex(c.octets), 0x06000000, c.length, &value, ASN_DecodeOidContent).code,
                  c.code);
        EXPECT_EQ(value.octets, nullptr);
    }
}

TEST(BerPrint, WritesEachTypesFragment) {
    uint8_t text[] = {0x41, 0x0A, 0x42};
    uint8_t bitOctets[] = {0xFF, 0xC0};
    uint8_t rsa[] = {0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D};
    uint8_t twoArcs[] = {0x88, 0x37};
    BerOctets octets{3, text};
    BerBits bits{10, bitOctets};
    BerOid oid{6, rsa};
    BerOid shortOid{3, rsa};
    BerOid topArc{2, twoArcs};
    BerOid empty{0, nullptr};
    EXPECT_EQ(printed([](std::FILE* out) { ASN_PrintInteger(out, -5); }), "-5");
    EXPECT_EQ(printed([](std::FILE* out) { ASN_PrintUnsigned(out, 4294967295u); }), "4294967295");
    EXPECT_EQ(printed([](std::FILE* out) { ASN_PrintBoolean(out, 1); }), "TRUE");
    EXPECT_EQ(printed([](std::FILE* out) { ASN_PrintBoolean(out, 0); }), "FALSE");
    EXPECT_EQ(printed([](std::FILE* out) { ASN_PrintNull(out); }), "NULL");
    EXPECT_EQ(printed([](std::FILE* out) { ASN_PrintReal(out, 1.0); }), "1.00000000000000000E+00");
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintOctetString(out, &octets); }),
              "'410a42'H  -- \"A.B\" --");
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintBitString(out, &bits); }), "'ffc0'H");
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintOid(out, &oid); }), "{1 2 840 113549}");
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintOid(out, &shortOid); }), "{1 2 840}");
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintOid(out, &topArc); }), "{2 999}");
    EXPECT_EQ(printed([&](std::FILE* out) { ASN_PrintOid(out, &empty); }), "{}");
}

TEST(BerWholeValue, UniversalTypesWriteAndCheckTheirIdentifier) {
    uint8_t ab[] = {0x41, 0x42};
    uint8_t bitOctets[] = {0xFF, 0xC0};
    uint8_t oidOctets[] = {0x2A, 0x86, 0x48};
    BerOctets octets{2, ab};
    BerBits bits{10, bitOctets};
    BerOid oid{3, oidOctets};
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeBoolean(buf, 1); }), hex("01 01 FF"));
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeInteger(buf, 128); }), hex("02 02 00 80"));
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeUnsigned(buf, 4294967295u); }),
              hex("02 05 00 FF FF FF FF"));
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeNull(buf); }), hex("05 00"));
    EXPECT_EQ(runEncode([](BerBuffer& buf) { return ASN_EncodeReal(buf, 1.0); }), hex("09 03 80 F9 80"));
    EXPECT_EQ(runEncode([&](BerBuffer& buf) { return ASN_EncodeOctetString(buf, &octets); }),
              hex("04 02 41 42"));
    EXPECT_EQ(runEncode([&](BerBuffer& buf) { return ASN_EncodeBitString(buf, &bits); }),
              hex("03 03 06 FF C0"));
    EXPECT_EQ(runEncode([&](BerBuffer& buf) { return ASN_EncodeOid(buf, &oid); }), hex("06 03 2A 86 48"));

    BerBoolean boolean = 0;
    BerInteger integer = 0;
    uint32_t unsignedValue = 0;
    BerReal real = 0;
    EXPECT_EQ(decodeWhole(hex("01 01 FF"), &boolean, ASN_DecodeBoolean).code, 0);
    EXPECT_EQ(boolean, 1);
    EXPECT_EQ(decodeWhole(hex("02 02 00 80"), &integer, ASN_DecodeInteger).code, 0);
    EXPECT_EQ(integer, 128);
    EXPECT_EQ(decodeWhole(hex("02 05 00 FF FF FF FF"), &unsignedValue, ASN_DecodeUnsigned).code, 0);
    EXPECT_EQ(unsignedValue, 4294967295u);
    EXPECT_EQ(decodeWhole(hex("09 03 80 F9 80"), &real, ASN_DecodeReal).code, 0);
    EXPECT_EQ(real, 1.0);
    EXPECT_EQ(runDecode(hex("05 00"), ASN_DecodeNull).code, 0);

    // Wrong identifiers, the constructed form of a type that has none among them.
    EXPECT_EQ(decodeWhole(hex("02 01 FF"), &boolean, ASN_DecodeBoolean).code, kBerWrongUniversalTag);
    EXPECT_EQ(decodeWhole(hex("22 03 02 01 05"), &integer, ASN_DecodeInteger).code, kBerWrongUniversalTag);
    EXPECT_EQ(decodeWhole(hex("0A 01 05"), &unsignedValue, ASN_DecodeUnsigned).code, kBerWrongUniversalTag);
    EXPECT_EQ(decodeWhole(hex("29 00"), &real, ASN_DecodeReal).code, kBerWrongUniversalTag);
    EXPECT_EQ(runDecode(hex("25 00"), ASN_DecodeNull).code, kBerWrongUniversalTag);
    BerOid decodedOid{};
    EXPECT_EQ(decodeWhole(hex("26 03 2A 86 48"), &decodedOid, ASN_DecodeOid).code, kBerWrongUniversalTag);
    BerBits decodedBits{};
    EXPECT_EQ(decodeWhole(hex("04 01 00"), &decodedBits, ASN_DecodeBitString).code, kBerWrongUniversalTag);
}

struct StringType {
    const char* name;
    uint32_t (*encode)(BerBuffer&, const BerOctets*);
    void (*decode)(BerBuffer&, BerOctets*, uint32_t&, BerDecodeContext&);
    uint8_t identifier;
    int wrongTag;
};

TEST(BerWholeValue, StringTypesAcceptPrimitiveAndConstructedForms) {
    const StringType types[] = {
        {"OctetString", ASN_EncodeOctetString, ASN_DecodeOctetString, 0x04, kBerWrongUniversalTag},
        {"NumericString", ASN_EncodeNumericString, ASN_DecodeNumericString, 0x12, kBerWrongNumericStringTag},
        {"PrintableString", ASN_EncodePrintableString, ASN_DecodePrintableString, 0x13,
         kBerWrongPrintableStringTag},
        {"TeletexString", ASN_EncodeTeletexString, ASN_DecodeTeletexString, 0x14, kBerWrongTeletexStringTag},
        {"T61String", ASN_EncodeT61String, ASN_DecodeT61String, 0x14, kBerWrongT61StringTag},
        {"VideotexString", ASN_EncodeVideotexString, ASN_DecodeVideotexString, 0x15,
         kBerWrongVideotexStringTag},
        {"IA5String", ASN_EncodeIA5String, ASN_DecodeIA5String, 0x16, kBerWrongIA5StringTag},
        {"GraphicString", ASN_EncodeGraphicString, ASN_DecodeGraphicString, 0x19, kBerWrongGraphicStringTag},
        {"VisibleString", ASN_EncodeVisibleString, ASN_DecodeVisibleString, 0x1A, kBerWrongVisibleStringTag},
        {"ISO646String", ASN_EncodeISO646String, ASN_DecodeISO646String, 0x1A, kBerWrongISO646StringTag},
        {"GeneralString", ASN_EncodeGeneralString, ASN_DecodeGeneralString, 0x1B, kBerWrongGeneralStringTag},
        {"UTCTime", ASN_EncodeUTCTime, ASN_DecodeUTCTime, 0x17, kBerWrongUTCTimeTag},
        {"GeneralizedTime", ASN_EncodeGeneralizedTime, ASN_DecodeGeneralizedTime, 0x18,
         kBerWrongGeneralizedTimeTag},
    };
    uint8_t ab[] = {0x41, 0x42};
    const BerOctets text{2, ab};
    for (const StringType& type : types) {
        Octets primitive = {type.identifier, 0x02, 0x41, 0x42};
        EXPECT_EQ(runEncode([&](BerBuffer& buf) { return type.encode(buf, &text); }), primitive) << type.name;

        Octets constructed = {static_cast<uint8_t>(type.identifier | 0x20),
                              0x80,
                              0x04,
                              0x01,
                              0x41,
                              0x04,
                              0x01,
                              0x42,
                              0x00,
                              0x00};
        for (const Octets& whole : {primitive, constructed}) {
            BerOctets value{};
            expectClean(decodeWhole(whole, &value, type.decode), whole.size(), type.name);
            EXPECT_EQ(octetsOf(value), Octets({0x41, 0x42})) << type.name;
            ASN_FreeOctetString(&value);
        }

        Octets foreign = {static_cast<uint8_t>(type.identifier == 0x03 ? 0x04 : 0x03), 0x01, 0x00};
        BerOctets value{};
        EXPECT_EQ(decodeWhole(foreign, &value, type.decode).code, type.wrongTag) << type.name;
    }
}

// An encoder that runs out of room reports the size the value needs and writes nothing below blockStart.
TEST(BerWholeValue, OverflowReportsFullSizeWithoutWritingBelowTheBlock) {
    uint8_t ten[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const BerOctets value{10, ten};
    uint8_t block[9];
    std::memset(block, 0xEE, sizeof block);
    BerBuffer buf = berEncodeBuffer(block + 4, 5);
    EXPECT_EQ(ASN_EncodeOctetString(buf, &value), 12u);
    EXPECT_EQ(buf.writeFailed, 1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(block[i], 0xEE) << i;
}

TEST(BerFree, AcceptsNullAndEmptyRecords) {
    ASN_FreeOctetString(nullptr);
    ASN_FreeBitString(nullptr);
    ASN_FreeOid(nullptr);
    BerOctets empty{};
    ASN_FreeOctetString(&empty);
    EXPECT_EQ(empty.octets, nullptr);
}

}  // namespace
