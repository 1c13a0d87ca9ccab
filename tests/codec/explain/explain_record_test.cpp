// Byte-exact cases of the Explain record and the types of generated file a: the common types and the
// target, database, record-structure, attribute-set and term-list categories.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/codec/explain/nested_octets.h"
#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/explain/explain_a.h"
#include "toolkit/codec/explain/explain_b.h"

namespace x = codec::explain;

namespace {

TEST(ExplainCommon, EmptyAndMalformedHeadersAndTexts) {
    GeneratedType common = GENERATED_TYPE(x, CommonInfo, kSequence);
    expectCases(common, {
                            {"length 0", "30 00", 0},
                            {"end-of-contents at once", "30 80 00 00", 0, "30 00"},
                            {"end-of-contents with a second octet 01", "30 80 00 01", -28},
                        });
    GeneratedRecord empty(common);
    ASSERT_EQ(decodeElement(common, hexOctets("30 00"), empty.get()).code, 0);
    EXPECT_EQ(printRecord(common, empty.get()), "{ -- SEQUENCE --\n\n}");

    expectCases(GENERATED_TYPE(x, HumanString, kSequence),
                {
                    {"item with language and text", "30 0A 30 08 80 02 65 6E 81 02 68 69", 0},
                    {"item without text", "30 06 30 04 80 00 82 00", -122},
                    {"octets after text", "30 07 30 05 81 01 78 05 00", -121},
                });
    expectCases(GENERATED_TYPE(x, IconObject, kSequence),
                {
                    {"gif icon", "30 0A 30 08 A1 03 81 01 67 82 01 00", 0},
                    {"bodyType holding [4]", "30 0A 30 08 A1 03 84 01 61 82 01 00", -100},
                    {"no content", "30 09 30 07 A1 03 81 01 61 83 00", -119},
                });
    expectCases(GENERATED_TYPE(x, DatabaseList, kSequence),
                {
                    {"a database name", "30 04 9F 69 01 61", 0},
                    {"InternationalString element", "30 03 1B 01 61", -116},
                });
    expectCases(GENERATED_TYPE(x, TermListInfoTermListNarrower, kSequence),
                {{"end-of-contents inside a definite length", "30 02 00 00", -101}});
    expectCases(GENERATED_TYPE(x, NetworkAddress, 0), {{"[3]", "A3 00", -287}});
}

TEST(ExplainTargetInfo, RequiredComponentsOrderAndEnd) {
    GeneratedType target = GENERATED_TYPE(x, TargetInfo, kSequence);
    expectCases(
        target,
        {
            {"name and the two booleans", "30 09 81 01 61 84 01 FF 85 01 00", 0},
            {"name in constructed form", "30 0B A1 03 04 01 61 84 01 FF 85 01 00", 0,
             "30 09 81 01 61 84 01 FF 85 01 00"},
            {"boolean 01 written back as FF", "30 09 81 01 61 84 01 01 85 01 00", 0,
             "30 09 81 01 61 84 01 FF 85 01 00"},
            {"no name", "30 06 84 01 FF 85 01 00", -143},
            {"no namedResultSets", "30 06 81 01 61 85 01 00", -144},
            {"octets after commonAccessInfo", "30 0F 81 01 61 84 01 FF 85 01 00 B3 02 AB 00 05 00", -146},
            {"languages after commonAccessInfo", "30 10 81 01 61 84 01 FF 85 01 00 B3 02 AB 00 BF 65 00",
             -146},
            {"a second name after multipleDBsearch", "30 0C 81 01 61 84 01 FF 85 01 00 81 01 62", -147},
            {"languages between addresses and commonAccessInfo",
             "30 15 81 01 61 84 01 FF 85 01 00 B2 00 BF 65 03 1B 01 65 B3 02 AB 00", 0},
        });
    GeneratedRecord record(target);
    ASSERT_EQ(
        decodeElement(target, hexOctets("30 0C 81 01 61 84 01 FF 85 01 00 86 01 05"), record.get()).code, 0);
    EXPECT_EQ(printRecord(target, record.get()),
              "{ -- SEQUENCE --\n    name '61'H  -- \"a\" --,\n    namedResultSets TRUE,\n    "
              "multipleDBsearch FALSE,\n"
              "    maxResultSets 5\n}");
}

TEST(ExplainDatabaseInfo, RecordCountExplainDatabaseAndNicknames) {
    GeneratedType database = GENERATED_TYPE(x, DatabaseInfo, kSequence);
    expectCases(database, {
                              {"recordCount A0 inside", "30 0D 81 01 61 85 01 00 86 01 FF AE 02 A0 00", -112},
                              {"nickname as InternationalString",
                               "30 0E 81 01 61 A3 03 1B 01 62 85 01 00 86 01 FF", -113},
                              {"no available", "30 08 81 01 61 85 01 00 A7 00", -150},
                          });
    GeneratedRecord approx(database);
    ASSERT_EQ(
        decodeElement(database, hexOctets("30 0E 81 01 61 85 01 00 86 01 FF AE 03 81 01 05"), approx.get())
            .code,
        0);
    auto* info = static_cast<x::DatabaseInfo*>(approx.get());
    ASSERT_NE(info->recordCount, nullptr);
    EXPECT_EQ(info->recordCount->choiceId, x::DatabaseInfoRecordCount::kApproxNumber);
    EXPECT_EQ(info->recordCount->approxNumber, 5);

    GeneratedRecord explainDb(database);
    ASSERT_EQ(
        decodeElement(database, hexOctets("30 0B 81 01 61 82 00 85 01 00 86 01 FF"), explainDb.get()).code,
        0);
    EXPECT_EQ(
        printRecord(database, explainDb.get()),
        "{ -- SEQUENCE --\n    name '61'H  -- \"a\" --,\n    explainDatabase NULL,\n    user-fee FALSE,\n"
        "    available TRUE\n}");
}

TEST(ExplainRecordStructure, ElementsPathsAndDataTypes) {
    expectCases(GENERATED_TYPE(x, TagSetInfoElement, kSequence),
                {
                    {"dataType 7", "30 0D 81 01 61 A3 03 82 01 01 A5 03 02 01 07", 0},
                    {"dataType ENUMERATED", "30 0D 81 01 61 A3 03 82 01 01 A5 03 0A 01 07", -138},
                });
    GeneratedType element = GENERATED_TYPE(x, ElementInfo, kSequence);
    expectCases(element, {{"no elementTagPath", "30 08 81 01 61 84 01 00 85 01 00", -176}});
    GeneratedRecord structured(element);
    ASSERT_EQ(decodeElement(element, hexOctets("30 0F 81 01 61 A2 00 A3 02 A1 00 84 01 00 85 01 00"),
                            structured.get())
                  .code,
              0);
    EXPECT_EQ(printRecord(element, structured.get()),
              "{ -- SEQUENCE --\n    elementName '61'H  -- \"a\" --,\n    elementTagPath { -- SEQUENCE OF -- "
              "\n\n    },\n"
              "    dataType structured { -- SEQUENCE OF -- \n\n        },\n    required FALSE,\n"
              "    repeatable FALSE\n}");

    expectCases(GENERATED_TYPE(x, Path, kSequence), {
                                                        {"no tagValue", "30 07 30 05 81 01 01 83 00", -107},
                                                        {"SET element", "30 02 31 00", -126},
                                                    });
    expectCases(GENERATED_TYPE(x, SchemaInfo, kSequence), {{"no name", "30 06 81 02 2A 03 A3 00", -185}});
    expectCases(GENERATED_TYPE(x, RecordSyntaxInfoTransferSyntaxes, kSequence),
                {{"InternationalString element", "30 03 1B 01 61", -103}});

    GeneratedType mapping = GENERATED_TYPE(x, SchemaInfoTagTypeMappingItem, kSequence);
    GeneratedRecord item(mapping);
    ASSERT_EQ(decodeElement(mapping, hexOctets("30 05 80 01 03 82 00"), item.get()).code, 0);
    EXPECT_EQ(printRecord(mapping, item.get()),
              "{ -- SEQUENCE --\n    tagType 3,\n    defaultTagType NULL\n}");
}

TEST(ExplainAttributeSetsAndTermLists, RequiredListsAndValues) {
    expectCases(GENERATED_TYPE(x, AttributeType, kSequence),
                {{"no attributeValues", "30 05 82 01 01 A4 00", -167}});
    expectCases(GENERATED_TYPE(x, AttributeDescription, kSequence),
                {
                    {"numeric value", "30 05 A2 03 82 01 05", 0},
                    {"value under [3]", "30 05 A2 03 83 01 05", -142},
                });
    expectCases(GENERATED_TYPE(x, AttributeDescriptionEquivalentAttributes, kSequence),
                {{"end-of-contents inside a definite length", "30 02 00 00", -142}});
    expectCases(GENERATED_TYPE(x, TermListInfo, kSequence),
                {{"SET term list", "30 07 81 01 61 A2 02 31 00", -135}});
    expectCases(GENERATED_TYPE(x, TermListInfoTermList, kSequence),
                {
                    {"no scanable", "30 05 81 01 61 A5 00", -132},
                    {"searchCost without title", "30 09 81 01 61 83 01 02 84 01 FF", 0},
                });
}

TEST(ExplainRecord, CategoryIdentifiers) {
    GeneratedType record = GENERATED_TYPE(x, ExplainRecord, 0);
    expectCases(record, {
                            {"primitive category tag", "80 00", -192},
                            {"universal SEQUENCE", "30 00", -192},
                            {"categoryList", "BF 64 02 A1 00", 0},
                            {"targetInfo", "A0 09 81 01 61 84 01 FF 85 01 00", 0},
                        });
    GeneratedRecord list(record);
    ASSERT_EQ(decodeElement(record, hexOctets("BF 64 02 A1 00"), list.get()).code, 0);
    EXPECT_EQ(static_cast<x::ExplainRecord*>(list.get())->choiceId, x::ExplainRecord::kCategoryList);

    const BerAnyEntry whole = WHOLE_ENTRY(x, ExplainRecord);
    WholeOutcome target = decodeWhole(whole, hexOctets("A0 09 81 01 61 84 01 FF 85 01 00"));
    EXPECT_EQ(target.code, 0);
    EXPECT_EQ(target.encoded, hexOctets("A0 09 81 01 61 84 01 FF 85 01 00"));
}

// Element descriptions nest through structured data types as deep as a peer writes them: past the shared
// nesting limit the record is refused, with every level released.
TEST(ExplainRecord, DeeplyNestedElementsAreRefused) {
    GeneratedType element = GENERATED_TYPE(x, ElementInfo, kSequence);
    for (int levels : {8, 4000}) {
        SCOPED_TRACE(levels);
        std::vector<uint8_t> octets = nestedElementInfo(levels);
        GeneratedRecord record(element);
        DecodeOutcome outcome = decodeElement(element, octets, record.get());
        EXPECT_EQ(outcome.code, levels == 8 ? 0 : kBerNestingTooDeep);
        EXPECT_EQ(outcome.depthAfter, 0);
    }
}

}  // namespace
