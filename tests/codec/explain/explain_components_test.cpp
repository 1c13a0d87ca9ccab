// Byte-exact cases of the types of Explain generated file b: attribute combinations and details, query-type
// capabilities, costs and restrictions, access lists and addresses, values and units, and the details,
// processing, variant, unit and category-list categories.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/explain/explain_a.h"
#include "toolkit/codec/explain/explain_b.h"

namespace x = codec::explain;

namespace {

TEST(ExplainAttributeCombinations, OccurrencesAndCombinations) {
    GeneratedType occurrence = GENERATED_TYPE(x, AttributeOccurrence, kSequence);
    expectCases(occurrence,
                {
                    {"type 1, any-or-none", "30 05 81 01 01 83 00", 0},
                    {"specific, empty", "30 05 81 01 01 A4 00", 0},
                    {"[4] primitive where attributeValues is due", "30 05 81 01 01 84 00", -193},
                    {"contents end after attributeType", "30 03 81 01 01 05 00", -193},
                    {"indefinite, end-of-contents for attributeValues", "30 80 81 01 01 00 00", -193},
                    {"mustBeSupplied with contents", "30 08 81 01 01 82 01 00 83 00", -17},
                });
    GeneratedRecord specific(occurrence);
    ASSERT_EQ(decodeElement(occurrence, hexOctets("30 05 81 01 01 A4 00"), specific.get()).code, 0);
    auto* values = static_cast<x::AttributeOccurrence*>(specific.get())->attributeValues;
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->choiceId, x::AttributeOccurrenceAttributeValues::kSpecific);
    ASSERT_NE(values->specific, nullptr);

    expectCases(GENERATED_TYPE(x, AttributeCombinations, kSequence),
                {{"bib-1 with one combination",
                  "30 14 80 07 2A 86 48 CE 13 03 01 A1 09 30 07 30 05 81 01 01 83 00", 0}});
}

TEST(ExplainAttributeDetails, TypesValuesAndOmissions) {
    expectCases(GENERATED_TYPE(x, AttributeValue, kSequence), {
                                                                  {"numeric 4", "30 05 A0 03 82 01 04", 0},
                                                                  {"value missing", "30 02 A1 00", -171},
                                                              });
    GeneratedType typeDetails = GENERATED_TYPE(x, AttributeTypeDetails, kSequence);
    expectCases(typeDetails, {
                                 {"type 1 with one value", "30 0C 80 01 01 A2 07 30 05 A0 03 82 01 04", 0},
                                 {"[3] after attributeType", "30 05 80 01 01 A3 00", -199},
                             });
    GeneratedRecord details(typeDetails);
    ASSERT_EQ(
        decodeElement(typeDetails, hexOctets("30 0C 80 01 01 A2 07 30 05 A0 03 82 01 04"), details.get())
            .code,
        0);
    EXPECT_EQ(static_cast<x::AttributeTypeDetails*>(details.get())->defaultIfOmitted, nullptr);
    expectCases(GENERATED_TYPE(x, OmittedAttributeInterpretation, kSequence),
                {{"length 0", "30 00", 0}, {"indefinite, empty", "30 80 00 00", 0, "30 00"}});
    expectCases(GENERATED_TYPE(x, AttributeSetDetails, kSequence),
                {{"empty attributesByType", "30 0B 80 07 2A 86 48 CE 13 03 01 A1 00", 0}});
}

TEST(ExplainQueryTypes, CapabilitiesAndSearchKeys) {
    expectCases(GENERATED_TYPE(x, QueryTypeDetails, 0), {
                                                            {"rankedList", "BF 66 05 30 03 81 01 78", 0},
                                                            {"[103]", "BF 67 00", -216},
                                                        });
    expectCases(GENERATED_TYPE(x, PrivateCapabilities, kSequence), {{"length 0", "30 00", 0}});
    expectCases(GENERATED_TYPE(x, SearchKey, kSequence),
                {
                    {"constructed searchKey", "30 06 A0 04 04 02 61 62", 0, "30 04 80 02 61 62"},
                    {"[2] after searchKey", "30 05 80 01 61 82 00", -151},
                });
    expectCases(GENERATED_TYPE(x, Iso8777Capabilities, kSequence), {{"no searchKeys", "30 02 A1 00", -182}});
    expectCases(GENERATED_TYPE(x, RpnCapabilities, kSequence),
                {
                    {"the two booleans", "30 06 81 01 FF 82 01 00", 0},
                    {"indefinite, end after resultSetAsOperandSupported", "30 80 81 01 FF 00 00", -202},
                    {"ENUMERATED operator", "30 0B A0 03 0A 01 01 81 01 FF 82 01 00", -105},
                });
    expectCases(GENERATED_TYPE(x, ProximitySupport, kSequence),
                {{"any, known 2", "30 08 80 01 FF A1 03 81 01 02", 0}});
    expectCases(GENERATED_TYPE(x, ProximitySupportPrivateUnit, kSequence),
                {
                    {"unit 5 with a description", "30 0C 80 01 05 A1 07 30 05 30 03 81 01 78", 0},
                    {"description not a list", "30 08 80 01 05 A1 03 81 01 78", -102},
                });
}

TEST(ExplainCostsAndRestrictions, ChargesAndAccessTypes) {
    expectCases(GENERATED_TYPE(x, Charge, kSequence), {
                                                          {"cost 10", "30 07 A1 05 81 01 0A A2 00", 0},
                                                          {"perWhat first", "30 02 A2 00", -152},
                                                      });
    expectCases(GENERATED_TYPE(x, Costs, kSequence),
                {
                    {"connectCharge", "30 09 A0 07 A1 05 81 01 0A A2 00", 0},
                    {"length 0", "30 00", 0},
                    {"searchCharge before displayCharge",
                     "30 12 A3 07 A1 05 81 01 0A A2 00 A2 07 A1 05 81 01 0A A2 00", -190},
                });
    expectCases(GENERATED_TYPE(x, AccessRestrictions, kSequence),
                {
                    {"accessType 1", "30 07 30 05 A0 03 02 01 01", 0},
                    {"accessType IMPLICIT", "30 05 30 03 80 01 01", -162},
                    {"accessType ENUMERATED", "30 07 30 05 A0 03 0A 01 01", -161},
                });
}

TEST(ExplainAccessInfo, ListsAddressesAndUnitSystems) {
    expectCases(GENERATED_TYPE(x, AccessInfoRecordSyntaxes, kSequence),
                {{"MARC21", "30 09 06 07 2A 86 48 CE 13 05 0A", 0}, {"length 0", "30 00", 0}});
    expectCases(GENERATED_TYPE(x, AccessInfoElementSetNames, kSequence), {{"F", "30 04 9F 67 01 46", 0}});
    expectCases(GENERATED_TYPE(x, AccessInfoUnitSystems, kSequence),
                {{"VisibleString", "30 03 1A 01 61", -110}});
    expectCases(GENERATED_TYPE(x, NetworkAddress, 0),
                {
                    {"host a port 210", "A0 07 80 01 61 81 02 00 D2", 0},
                    {"pSel and nSap", "A1 06 80 01 31 83 01 32", 0},
                    {"tSel before sSel", "A1 0C 80 01 31 82 01 33 81 01 34 83 01 32", -124},
                });
    expectCases(GENERATED_TYPE(x, AccessInfo, kSequence), {
                                                              {"unitSystems only", "30 02 AB 00", 0},
                                                              {"no unitSystems", "30 04 A0 00 AC 00", -289},
                                                          });
}

TEST(ExplainValuesAndUnits, VariantValuesRangesAndUnits) {
    expectCases(GENERATED_TYPE(x, VariantValue, kSequence),
                {
                    {"dataType 1", "30 05 A0 03 02 01 01", 0},
                    {"range 1 to 10", "30 13 A0 03 02 01 01 A1 0C A0 0A A0 03 02 01 01 A1 03 02 01 0A", 0},
                    {"dataType IMPLICIT", "30 03 80 01 01", -213},
                });
    expectCases(GENERATED_TYPE(x, ValueDescription, 0),
                {
                    {"constructed octets", "24 04 04 02 61 62", 0, "04 02 61 62"},
                    {"ENUMERATED", "0A 01 01", -142},
                });
    expectCases(GENERATED_TYPE(x, ValueSet, 0), {{"primitive [0]", "80 00", -200}});
    expectCases(GENERATED_TYPE(x, ValueRange, kSequence),
                {{"length 0", "30 00", 0}, {"upper only", "30 05 A1 03 02 01 0A", 0}});
    expectCases(GENERATED_TYPE(x, Units, kSequence),
                {
                    {"unit 3", "30 05 A2 03 82 01 03", 0},
                    {"indefinite, end after name", "30 80 80 01 61 00 00", -144},
                });
    expectCases(GENERATED_TYPE(x, UnitType, kSequence),
                {{"type 1 with unit 3", "30 0E A2 03 82 01 01 A3 07 30 05 A2 03 82 01 03", 0}});
}

TEST(ExplainDetails, RecordTagsSortTypesScanInfoAndCategories) {
    expectCases(GENERATED_TYPE(x, RecordTag, kSequence),
                {
                    {"tag 245", "30 06 A1 04 82 02 00 F5", 0},
                    {"qualifier a, tag 1", "30 0A A0 03 81 01 61 A1 03 82 01 01", 0},
                    {"indefinite, qualifier only", "30 80 A0 03 81 01 61 00 00", -140},
                });
    expectCases(GENERATED_TYPE(x, SortKeyDetailsSortType, 0), {
                                                                  {"numeric", "81 00", 0},
                                                                  {"constructed [1]", "A1 00", -130},
                                                                  {"numeric with contents", "81 01 00", -17},
                                                              });
    expectCases(GENERATED_TYPE(x, TermListDetailsScanInfo, kSequence),
                {{"step 0, increasing", "30 06 80 01 00 82 01 FF", 0}, {"length 0", "30 00", 0}});
    expectCases(GENERATED_TYPE(x, CategoryInfo, kSequence),
                {{"category x", "30 03 81 01 78", 0}, {"first tag [0]", "30 03 80 01 78", -146}});
    expectCases(GENERATED_TYPE(x, PerElementDetailsGenericNames, kSequence),
                {{"constructed name", "30 05 3B 03 04 01 78", 0, "30 03 1B 01 78"}});
    expectCases(GENERATED_TYPE(x, PerElementDetails, kSequence),
                {
                    {"the two booleans", "30 06 88 01 FF 89 01 00", 0},
                    {"no required", "30 05 88 01 FF AC 00", -223},
                });
    expectCases(GENERATED_TYPE(x, SortKeyDetails, kSequence),
                {{"numeric sortType", "30 04 A3 02 81 00", 0}, {"sortType [3]", "30 04 A3 02 83 00", -130}});
}

TEST(ExplainDetails, CategoriesMissingRequiredComponents) {
    expectCases(GENERATED_TYPE(x, ElementSetDetails, kSequence),
                {
                    {"schema before recordSyntax", "30 0C 81 01 61 82 01 46 84 01 2A 83 01 2A", -257},
                    {"no schema", "30 0B 81 01 61 82 01 46 83 01 2A A5 00", -258},
                });
    expectCases(GENERATED_TYPE(x, RetrievalRecordDetails, kSequence),
                {{"no recordSyntax", "30 08 81 01 61 82 01 2A A4 00", -263}});
    expectCases(GENERATED_TYPE(x, SortDetails, kSequence),
                {{"an empty sort key", "30 07 81 01 61 A2 02 30 00", 0}});
    expectCases(GENERATED_TYPE(x, ExtendedServicesInfo, kSequence),
                {
                    {"privateType straight to feeApply", "30 0C 81 01 2A 83 01 00 86 01 00 87 01 00", -242},
                    {"[4] after privateType", "30 0C 81 01 2A 83 01 00 84 01 00 85 01 00", -242},
                });
    expectCases(GENERATED_TYPE(x, ProcessingInformation, kSequence),
                {{"no oid", "30 0B 81 01 61 82 01 01 83 01 62 A5 00", -272}});
    expectCases(GENERATED_TYPE(x, VariantClass, kSequence),
                {{"no variantTypes", "30 05 82 01 01 A4 00", -237}});
    expectCases(GENERATED_TYPE(x, VariantType, kSequence), {{"variantType only", "30 03 82 01 01", 0}});
    expectCases(GENERATED_TYPE(x, CategoryList, kSequence),
                {{"empty categories", "30 02 A1 00", 0}, {"no categories", "30 04 A0 00 A2 00", -283}});
    expectCases(GENERATED_TYPE(x, UnitInfo, kSequence),
                {{"SET unit type", "30 07 81 01 61 A3 02 31 00", -195}});

    GeneratedType attributeDetails = GENERATED_TYPE(x, AttributeDetails, kSequence);
    GeneratedRecord record(attributeDetails);
    ASSERT_EQ(decodeElement(attributeDetails, hexOctets("30 03 81 01 61"), record.get()).code, 0);
    EXPECT_EQ(printRecord(attributeDetails, record.get()),
              "{ -- SEQUENCE --\n    databaseName '61'H  -- \"a\" --\n}");
}

}  // namespace
