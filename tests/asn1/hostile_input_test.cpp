// Received octets are hostile: every malformed, cut or oversized encoding of a primitive must be refused with
// a code, without reading or allocating beyond the octets present and without deep recursion.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/asn1/ber_test_support.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/util/ber_limits.h"

namespace {

using WholeDecoder = void (*)(BerBuffer&, uint32_t&, BerDecodeContext&);

// Whether the last owning decode left octets in its value (they are released all the same).
bool lastDecodeAllocated = false;

template <typename Value, void (*Decode)(BerBuffer&, Value*, uint32_t&, BerDecodeContext&)>
void decodeScalar(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
    Value value{};
    Decode(buf, &value, counter, ctx);
}

template <typename Value, void (*Decode)(BerBuffer&, Value*, uint32_t&, BerDecodeContext&),
          void (*Release)(Value*)>
void decodeOwning(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
    struct Holder {
        Value value{};
        ~Holder() {
            lastDecodeAllocated = value.octets != nullptr;
            Release(&value);
        }
    } holder;
    Decode(buf, &holder.value, counter, ctx);
}

void decodeNull(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
    ASN_DecodeNull(buf, counter, ctx);
}

struct Primitive {
    const char* name;
    const char* valid;  // a whole encoding that decodes
    WholeDecoder decode;
    int oversizedCode;  // raised for a definite length beyond the octets present
};

const Primitive kPrimitives[] = {
    {"BOOLEAN", "01 01 FF", decodeScalar<BerBoolean, ASN_DecodeBoolean>, kBerBooleanLength},
    {"INTEGER", "02 02 00 80", decodeScalar<BerInteger, ASN_DecodeInteger>, kBerIntegerLength},
    {"unsigned", "02 05 00 FF FF FF FF", decodeScalar<uint32_t, ASN_DecodeUnsigned>, kBerUnsignedLength},
    {"NULL", "05 00", decodeNull, kBerNullLength},
    {"REAL", "09 03 80 F9 80", decodeScalar<BerReal, ASN_DecodeReal>, kBerRealForm},
    {"REAL 4-octet exponent", "09 07 83 04 00 00 00 01 03", decodeScalar<BerReal, ASN_DecodeReal>,
     kBerRealForm},
    {"OCTET STRING", "04 03 41 42 43", decodeOwning<BerOctets, ASN_DecodeOctetString, ASN_FreeOctetString>,
     kBerOctetsEnded},
    {"constructed OCTET STRING", "24 80 04 01 41 24 03 04 01 42 00 00",
     decodeOwning<BerOctets, ASN_DecodeOctetString, ASN_FreeOctetString>, kBerOctetsSegmentEnded},
    {"BIT STRING", "03 03 06 FF C0", decodeOwning<BerBits, ASN_DecodeBitString, ASN_FreeBitString>,
     kBerBitsEnded},
    {"constructed BIT STRING", "23 80 03 02 00 FF 23 04 03 02 04 F0 00 00",
     decodeOwning<BerBits, ASN_DecodeBitString, ASN_FreeBitString>, kBerBitsSegmentEnded},
    {"OBJECT IDENTIFIER", "06 03 2A 86 48", decodeOwning<BerOid, ASN_DecodeOid, ASN_FreeOid>, kBerOidEnded},
    {"GeneralString", "1B 02 41 42", decodeOwning<BerOctets, ASN_DecodeGeneralString, ASN_FreeOctetString>,
     kBerOctetsEnded},
    {"constructed GeneralString", "3B 08 04 01 41 24 03 04 01 42",
     decodeOwning<BerOctets, ASN_DecodeGeneralString, ASN_FreeOctetString>, kBerOctetsSegmentEnded},
};

TEST(BerHostilePrimitives, TruncationAtEveryOffsetIsRefused) {
    for (const Primitive& p : kPrimitives) {
        Octets whole = hex(p.valid);
        DecodeRun full = runDecode(whole, p.decode);
        ASSERT_EQ(full.code, 0) << p.name;
        EXPECT_EQ(full.counted, whole.size()) << p.name;
        for (size_t cut = 0; cut < whole.size(); ++cut) {
            DecodeRun out = runDecode(Octets(whole.begin(), whole.begin() + cut), p.decode);
            EXPECT_LT(out.code, 0) << p.name << " cut at " << cut;
            EXPECT_LE(out.consumed, cut) << p.name;
        }
    }
}

// A six-octet header declaring 2 GiB must be refused before anything is allocated for it.
TEST(BerHostilePrimitives, HugeDeclaredLengthsAllocateNothing) {
    for (const Primitive& p : kPrimitives) {
        uint8_t identifier = hex(p.valid)[0];
        Octets huge = {identifier, 0x84, 0x7F, 0xFF, 0xFF, 0xFF, 0x41, 0x42, 0x43};
        lastDecodeAllocated = false;
        EXPECT_EQ(runDecode(huge, p.decode).code, p.oversizedCode) << p.name;
        EXPECT_FALSE(lastDecodeAllocated) << p.name;

        Octets justPast = hex(p.valid);
        ++justPast[1];              // one octet more than is there
        if (justPast[1] != 0x81) {  // a plain one-octet length
            lastDecodeAllocated = false;
            EXPECT_LT(runDecode(justPast, p.decode).code, 0) << p.name;
            EXPECT_FALSE(lastDecodeAllocated) << p.name;
        }
    }
}

TEST(BerHostilePrimitives, LengthsOf2To31AndOverlongLengthFieldsAreMalformed) {
    for (const Primitive& p : kPrimitives) {
        uint8_t identifier = hex(p.valid)[0];
        for (const Octets& length : {hex("84 FF FF FF FF"), hex("84 80 00 00 00"), hex("FF"),
                                     hex("85 00 00 00 00 01"), hex("88 FF FF FF FF FF FF FF FF")}) {
            Octets bad = {identifier};
            bad.insert(bad.end(), length.begin(), length.end());
            bad.insert(bad.end(), {0x41, 0x42});
            EXPECT_EQ(runDecode(bad, p.decode).code, kBerLengthTooLong) << p.name;
        }
    }
}

// Contents decoders handed a length that is negative, huge or one past the data refuse it before allocating.
TEST(BerHostilePrimitives, ContentsDecodersRefuseLengthsBeyondTheData) {
    const Octets data = hex("41 42 43 44");
    const BerLength lengths[] = {-2, INT32_MIN, INT32_MAX, 5, -1};
    for (BerLength length : lengths) {
        BerOctets octets{};
        EXPECT_EQ(runDecode(data,
                            [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
                                ASN_DecodeOctetStringContent(buf, 0x04000000, length, &octets, counter, ctx);
                            })
                      .code,
                  kBerOctetsEnded);
        EXPECT_EQ(octets.octets, nullptr);
        BerBits bits{};
        EXPECT_EQ(runDecode(data,
                            [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
                                ASN_DecodeBitStringContent(buf, 0x03000000, length, &bits, counter, ctx);
                            })
                      .code,
                  kBerBitsEnded);
        EXPECT_EQ(bits.octets, nullptr);
        BerOid oid{};
        EXPECT_EQ(runDecode(data,
                            [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
                                ASN_DecodeOidContent(buf, 0x06000000, length, &oid, counter, ctx);
                            })
                      .code,
                  kBerOidEnded);
        EXPECT_EQ(oid.octets, nullptr);
        BerReal real = 0;
        EXPECT_EQ(runDecode(data,
                            [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
                                ASN_DecodeRealContent(buf, 0x09000000, length, &real, counter, ctx);
                            })
                      .code,
                  kBerRealForm);
    }
}

// levels constructed headers around one empty primitive segment, indefinite or definite lengths.
Octets nested(uint8_t constructed, const Octets& innermost, int levels, bool indefinite) {
    if (indefinite) {
        Octets out;
        for (int i = 0; i < levels; ++i) out.insert(out.end(), {constructed, 0x80});
        out.insert(out.end(), innermost.begin(), innermost.end());
        out.insert(out.end(), size_t{2} * levels, 0x00);
        return out;
    }
    Octets out = innermost;
    for (int i = 0; i < levels; ++i) {
        Octets header = {constructed};
        Octets length = runEncode(
            [&](BerBuffer& buf) { return ASN_EncodeLength(buf, static_cast<uint32_t>(out.size())); });
        header.insert(header.end(), length.begin(), length.end());
        out.insert(out.begin(), header.begin(), header.end());
    }
    return out;
}

TEST(BerHostilePrimitives, DeepNestingOfConstructedStringsStopsAtTheLimit) {
    struct Kind {
        const char* name;
        uint8_t constructed;
        Octets innermost;
        WholeDecoder decode;
    };
    const Kind kinds[] = {
        {"OCTET STRING", 0x24, hex("04 01 41"),
         decodeOwning<BerOctets, ASN_DecodeOctetString, ASN_FreeOctetString>},
        {"BIT STRING", 0x23, hex("03 02 00 FF"),
         decodeOwning<BerBits, ASN_DecodeBitString, ASN_FreeBitString>},
    };
    for (const Kind& kind : kinds) {
        for (bool indefinite : {true, false}) {
            std::string what = std::string(kind.name) + (indefinite ? " indefinite" : " definite");
            EXPECT_EQ(
                runDecode(nested(kind.constructed, kind.innermost, 10000, indefinite), kind.decode).code,
                kBerNestingTooDeep)
                << what;
            EXPECT_EQ(runDecode(nested(kind.constructed, kind.innermost, kBerMaxNesting + 1, indefinite),
                                kind.decode)
                          .code,
                      kBerNestingTooDeep)
                << what;
            Octets deepest = nested(kind.constructed, kind.innermost, kBerMaxNesting, indefinite);
            DecodeRun out = runDecode(deepest, kind.decode);
            EXPECT_EQ(out.code, 0) << what;
            EXPECT_EQ(out.counted, deepest.size()) << what;
        }
    }
}

// Many small segments are gathered without trouble and joined in order.
TEST(BerHostilePrimitives, ManySegmentsJoinInOrder) {
    constexpr int kSegments = 50000;
    Octets whole = hex("24 80");
    for (int i = 0; i < kSegments; ++i) whole.insert(whole.end(), {0x04, 0x01, static_cast<uint8_t>(i)});
    whole.insert(whole.end(), {0x00, 0x00});
    BerOctets value{};
    DecodeRun out = runDecode(whole, [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
        ASN_DecodeOctetString(buf, &value, counter, ctx);
    });
    EXPECT_EQ(out.code, 0);
    EXPECT_EQ(out.counted, whole.size());
    ASSERT_EQ(value.length, kSegments);
    bool inOrder = true;
    for (int i = 0; i < kSegments; ++i) inOrder = inOrder && value.octets[i] == static_cast<uint8_t>(i);
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(value.octets[kSegments], 0);
    ASN_FreeOctetString(&value);
}

// Every single-octet change of every valid encoding either decodes, counting exactly what it read, or is
// refused with a code; nothing else may happen (the sanitizer build checks memory).
TEST(BerHostilePrimitives, EverySingleOctetMutationIsDecodedOrRefused) {
    for (const Primitive& p : kPrimitives) {
        Octets whole = hex(p.valid);
        for (size_t at = 0; at < whole.size(); ++at) {
            for (int octet = 0; octet < 256; ++octet) {
                Octets mutated = whole;
                mutated[at] = static_cast<uint8_t>(octet);
                DecodeRun out = runDecode(mutated, p.decode);
                EXPECT_LE(out.consumed, mutated.size());
                if (out.code == 0) {
                    EXPECT_EQ(out.counted, out.consumed) << p.name << " at " << at << " = " << octet;
                } else {
                    EXPECT_LT(out.code, 0) << p.name;
                }
            }
        }
    }
}

}  // namespace
