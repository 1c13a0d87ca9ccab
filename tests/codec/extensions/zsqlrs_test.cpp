// Byte-exact cases of the SQL result-set format.
#include "toolkit/codec/extensions/zsqlrs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_any.h"

namespace x = codec::extensions;

namespace {

TEST(ZsqlrsFormat, Results) {
    const BerAnyEntry entry = WHOLE_ENTRY(x, SQLResultRecord);
    // One numeric column type of precision 10 and scale 2, no rows.
    const std::vector<uint8_t> columns =
        hexOctets("30 12 A0 10 30 0E A0 0C 30 0A A6 08 30 06 02 01 0A 02 01 02");
    WholeOutcome column = decodeWhole(entry, columns);
    ASSERT_EQ(column.code, 0);
    EXPECT_EQ(column.encoded, columns);
    // No column types and one row of one integer item 5.
    const std::vector<uint8_t> row = hexOctets("30 11 A1 0F 30 0D 30 0B A1 09 30 07 30 05 A3 03 02 01 05");
    WholeOutcome rows = decodeWhole(entry, row);
    ASSERT_EQ(rows.code, 0);
    EXPECT_EQ(rows.encoded, row);
    EXPECT_NE(rows.printed.find("dataItem integerItem 5"), std::string::npos) << rows.printed;
    // Both lists absent: the result alone, with no label.
    WholeOutcome empty = decodeWhole(entry, hexOctets("30 00"));
    ASSERT_EQ(empty.code, 0);
    EXPECT_EQ(empty.printed, "{ -- SEQUENCE --\n\n    }");
    EXPECT_EQ(empty.encoded, hexOctets("30 00"));
    EXPECT_EQ(decodeWhole(entry, hexOctets("31 00")).code, -283);
}

TEST(ZsqlrsFormat, Values) {
    expectCases(GENERATED_TYPE(x, SQLValueChoice, 0),
                {
                    {"float item 0.0", "A5 02 09 00", 0},
                    {"bit item 1 0 1", "AB 04 03 02 05 A0", 0},
                    {"indicator 2", "BE 03 0A 01 02", 0},
                    {"boolean item", "AF 03 01 01 FF", 0},
                    {"nested rows", "B0 04 30 02 30 00", 0},
                    {"identifier [17]", "B1 00", -230},
                    {"indicator in primitive form", "9E 01 02", -230},
                    {"integer item that is an OCTET STRING", "A3 03 04 01 05", -215},
                });
    expectCases(GENERATED_TYPE(x, SQLValue, kSequence),
                {
                    {"identifier [17]", "30 02 B1 00 05 00", -276},
                    {"indicator in primitive form", "30 03 9E 01 02", -276},
                    {"octets after the item", "30 07 A3 03 02 01 05 05 00", -275},
                });
    expectCases(GENERATED_TYPE(x, SQLResultValues, kSequence),
                {
                    {"an exception with every member",
                     "30 12 A0 10 30 0E A0 03 1B 01 53 A1 03 02 01 07 A2 02 1B 00", 0},
                    {"identifier [2]", "30 02 A2 00", -274},
                    {"a value list that is not a SEQUENCE OF", "30 04 A1 02 31 00", -272},
                });
}

TEST(ZsqlrsFormat, DataTypes) {
    expectCases(
        GENERATED_TYPE(x, SQLDataTypeDescriptor, 0),
        {
            {"numeric 10, 2", "A0 0C 30 0A A6 08 30 06 02 01 0A 02 01 02", 0},
            {"boolean type", "A0 07 30 05 B4 03 01 01 FF", 0},
            {"boolean type sent as 01", "A0 07 30 05 B4 03 01 01 01", 0, "A0 07 30 05 B4 03 01 01 FF"},
            {"a reference to a reference to a boolean type", "A4 0B A4 09 A0 07 30 05 B4 03 01 01 FF", 0},
            {"identifier [5]", "A5 00", -246},
            {"a predefined type whose choice is [0]", "A0 04 30 02 A0 00", -202},
        });
    expectCases(GENERATED_TYPE(x, SQLPredefinedTypeDescriptorChoice, 0), {{"identifier [0]", "A0 00", -200}});
    expectCases(GENERATED_TYPE(x, SQLDefaultOption, 0), {
                                                            {"other 3", "0A 01 03", 0},
                                                            {"literal ab", "A0 04 04 02 61 62", 0},
                                                        });
    expectCases(GENERATED_TYPE(x, SQLFieldDescriptor, kSequence),
                {
                    {"name then a default of other 3", "30 0A A0 03 1B 01 6E A2 03 0A 01 03", -240},
                    {"name, data type and a check constraint",
                     "30 17 A0 03 1B 01 6E A1 09 A0 07 30 05 B4 03 01 01 FF A3 05 A3 03 1B 01 63", 0},
                });
    expectCases(GENERATED_TYPE(x, SQLCharacterType, kSequence),
                {
                    {"indefinite inside an indefinite wrapper", "30 80 02 01 05 01 01 00 00 00", 0,
                     "30 06 02 01 05 01 01 00"},
                    {"a catalog that is an OCTET STRING", "30 0B 02 01 05 01 01 00 A0 03 04 01 63", -154},
                });
}

TEST(ZsqlrsFormat, ReferencesPrintOnOneLine) {
    GeneratedType type = GENERATED_TYPE(x, SQLDataTypeDescriptor, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A4 0B A4 09 A0 07 30 05 B4 03 01 01 FF"), record.get()).code, 0);
    EXPECT_EQ(printRecord(type, record.get()).substr(0, 59),
              "referenceType referenceType predefinedType { -- SEQUENCE --");
}

TEST(ZsqlrsFormat, AttributeDescriptorWithItsNameAlone) {
    GeneratedType type = GENERATED_TYPE(x, SQLAttributeDescriptor, kSequence);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 05 A0 03 1B 01 61"), record.get()).code, 0);
    const auto* attribute = static_cast<x::SQLAttributeDescriptor*>(record.get());
    EXPECT_EQ(attribute->dataType, nullptr);
    EXPECT_EQ(attribute->sqldefault, nullptr);
    EXPECT_EQ(attribute->collate.octets, nullptr);
    EXPECT_EQ(printRecord(type, record.get()), "{ -- SEQUENCE --\n    attributeName '61'H  -- \"a\" --\n}");
}

TEST(ZsqlrsFormat, RegisteredUnderItsIdentifier) {
    KivRegisterCodecTypes();
    std::vector<uint8_t> octets = hexOctets("2A 86 48 CE 13 05 6F");
    BerOid oid{static_cast<int32_t>(octets.size()), octets.data()};
    BerAny any{};
    ASN_BindAnyByOid(&any, &oid);
    ASSERT_NE(any.entry, nullptr);
    EXPECT_EQ(any.entry->anyId, 43);
    EXPECT_EQ(any.entry->decode, x::any::DecodeSQLResultRecord);
}

}  // namespace
