// Byte-exact cases of the shared and leaf types of the APDU module.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace z = codec::z3950;

namespace {

TEST(GeneratedApduShared, OtherInformation) {
    expectCases(GENERATED_TYPE(z, OtherInformation, 0xBF814900u),
                {
                    {"one element with characterInfo", "BF 81 49 06 30 04 82 02 61 62", 0},
                    {"characterInfo in constructed form is joined",
                     "BF 81 49 0A 30 08 A2 06 04 01 61 04 01 62", 0, "BF 81 49 06 30 04 82 02 61 62"},
                    {"element closed right after category", "BF 81 49 09 30 80 A1 03 82 01 07 00 00", -112},
                    {"category only in constructed form", "BF 81 49 05 30 03 81 01 07", -112},
                    {"end-of-contents inside a definite list", "BF 81 49 02 00 00", -141},
                    {"indefinite list ends at its end-of-contents", "BF 81 49 80 00 00", 0, "BF 81 49 00"},
                });
}

TEST(GeneratedApduShared, StringOrNumericKeepsTheNumberInItsSlot) {
    GeneratedType type = GENERATED_TYPE(z, StringOrNumeric, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("82 01 05"), record.get()).code, 0);
    auto* value = static_cast<z::StringOrNumeric*>(record.get());
    EXPECT_EQ(value->choiceId, z::StringOrNumeric::kNumeric);
    EXPECT_EQ(value->numeric, 5);
    EXPECT_EQ(printRecord(type, record.get()), "numeric 5");
    expectCases(type, {{"identifier of no alternative", "83 01 05", -142}});
}

TEST(GeneratedApduShared, DefaultDiagFormatAndDiagRec) {
    expectCases(
        GENERATED_TYPE(z, DefaultDiagFormat, 0x30000000u),
        {
            {"constructed VisibleString is v2Addinfo, written back primitive",
             "30 0E 06 01 2A 02 01 01 3A 06 04 01 61 04 01 62", 0, "30 0A 06 01 2A 02 01 01 1A 02 61 62"},
            {"diagnosticSetId missing", "30 06 02 01 01 1B 01 61", -131},
            {"condition missing", "30 06 06 01 2A 1B 01 61", -132},
            {"addinfo missing", "30 08 06 01 2A 02 01 01 04 00", -134},
            {"octets after addinfo", "30 0A 06 01 2A 02 01 01 1B 00 05 00", -133},
        });
    expectCases(GENERATED_TYPE(z, Records, 0),
                {
                    {"nonSurrogateDiagnostic without a SEQUENCE identifier of its own",
                     "BF 81 02 0A 06 01 2A 02 01 01 1B 02 61 62", 0},
                    {"a DiagRec element that is an OCTET STRING", "BF 81 4D 02 04 00", -184},
                    {"identifier of no alternative", "BF 81 03 00", -226},
                });
}

TEST(GeneratedApduShared, SpecificationUnitAndIntUnit) {
    expectCases(GENERATED_TYPE(z, Specification, 0x30000000u),
                {
                    {"definite length 0", "30 00", 0},
                    {"indefinite length holding only its end-of-contents", "30 80 00 00", 0, "30 00"},
                    {"elementSpec in primitive form", "30 02 82 00", -137},
                    {"elementSetName inside [2]", "30 05 A2 03 81 01 46", 0},
                    {"end-of-contents whose second octet is not 0", "30 80 00 01", -28},
                });
    expectCases(GENERATED_TYPE(z, Unit, 0x30000000u),
                {
                    {"definite length 0", "30 00", 0},
                    {"unitSystem wrapping a VisibleString", "30 05 A1 03 1A 01 61", -193},
                    {"first component [5]", "30 02 85 00", -195},
                    {"scaleFactor before unit", "30 08 84 01 02 A3 03 82 01 05", -194},
                    {"unitType wrapping an unknown StringOrNumeric", "30 05 A2 03 83 01 05", -142},
                });
    expectCases(GENERATED_TYPE(z, IntUnit, 0x30000000u),
                {
                    {"value and an empty unit", "30 05 81 01 05 A2 00", 0},
                    {"[3] in place of unitUsed", "30 05 81 01 05 A3 00", -213},
                    {"value missing", "30 02 A2 00", -211},
                });
}

TEST(GeneratedApduShared, ElementSetNamesAndNamePlusRecord) {
    expectCases(GENERATED_TYPE(z, ElementSetNames, 0),
                {
                    {"generic element set name", "80 01 46", 0},
                    {"databaseSpecific element", "A1 0A 30 08 9F 69 01 44 9F 67 01 46", 0},
                    {"databaseSpecific element that starts with an element set name",
                     "A1 07 30 05 9F 67 02 61 62", -154},
                    {"databaseSpecific element without esn", "A1 07 30 03 9F 69 00 04 00", -156},
                    {"identifier of no alternative", "A2 00", -185},
                });
    expectCases(
        GENERATED_TYPE(z, NamePlusRecord, 0x30000000u),
        {
            {"retrieval record, two explicit tags deep", "30 0C 80 01 44 A1 07 A1 05 28 03 06 01 2A", 0},
            {"[1] around [1] around a universal SEQUENCE", "30 06 A1 04 A1 02 30 00", -196},
            {"[1] around [6]", "30 04 A1 02 A6 00", -197},
            {"surrogate diagnostic", "30 0E A1 0C A2 0A 30 08 06 01 2A 02 01 01 1B 00", 0},
            {"record missing: the octets after the value are read in its place", "30 03 80 01 44 05 00",
             -206},
        });
}

TEST(GeneratedApduShared, TaggedStringWholeValueRoutines) {
    std::vector<uint8_t> octets = hexOctets("BF 1F 05 04 03 61 62 63");
    BerBuffer in = berDecodeBuffer(octets.data(), octets.size());
    BerDecodeContext ctx(octets.size());
    BerOctets name{};
    uint32_t counter = 0;
    z::DecodeResultSetId(in, &name, counter, ctx);
    EXPECT_EQ(counter, octets.size());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name.octets), name.length), "abc");
    uint8_t block[8];
    BerBuffer out = berEncodeBuffer(block, sizeof block);
    EXPECT_EQ(z::EncodeResultSetId(out, &name), 6u);
    EXPECT_EQ(std::vector<uint8_t>(out.start, out.end), hexOctets("9F 1F 03 61 62 63"));
    ASN_FreeOctetString(&name);

    struct Refusal {
        void (*decode)(BerBuffer&, BerOctets*, uint32_t&, BerDecodeContext&);
        int code;
    };
    for (Refusal refusal : {Refusal{z::DecodeResultSetId, -138}, Refusal{z::DecodeElementSetName, -139},
                            Refusal{z::DecodeDatabaseName, -140}}) {
        std::vector<uint8_t> other = hexOctets("1B 01 61");
        BerBuffer buf = berDecodeBuffer(other.data(), other.size());
        BerDecodeContext otherCtx(other.size());
        BerOctets value{};
        uint32_t count = 0;
        try {
            refusal.decode(buf, &value, count, otherCtx);
            ADD_FAILURE() << "decoded";
        } catch (const BerDecodeError& error) {
            EXPECT_EQ(error.code, refusal.code);
        }
        ASN_FreeOctetString(&value);
    }
}

}  // namespace
