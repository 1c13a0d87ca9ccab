// Byte-exact cases of the export specification and export invocation packages.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/codec/records/records_f.h"

namespace r = codec::records;

namespace {

// toKeep: composition with selectAlternativeSyntax FALSE, destination phoneNumber "1"; notToKeep: NULL.
const char* const kSpecificationRequest = "A1 10 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 00";

TEST(ExportSpecificationPackage, RequestAndTaskPackageParts) {
    expectCases(
        GENERATED_TYPE(r, ExportSpecification, 0),
        {
            {"esRequest", kSpecificationRequest, 0},
            {"taskPackage", "A2 10 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 00", 0},
            {"[3]", "A3 00", -244},
            {"esRequest starting with notToKeep", "A1 02 82 00", -227},
            {"toKeep wrapping a SET", "A1 04 A1 02 31 00", -226},
            {"notToKeep in constructed form", "A1 10 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 A2 00", -229},
            {"notToKeep with a non-zero length", "A1 11 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 01 00",
             kBerNullLength},
            {"octets left after notToKeep", "A1 12 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 00 05 00",
             -228},
            {"taskPackage starting with targetPart", "A2 02 82 00", -222},
            {"originPart wrapping a SET", "A2 04 A1 02 31 00", -221},
            {"targetPart in constructed form", "A2 10 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 A2 00", -224},
            {"octets left after targetPart", "A2 12 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 00 05 00",
             -223},
        });

    GeneratedType type = GENERATED_TYPE(r, ExportSpecification, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kSpecificationRequest), record.get()).code, 0);
    EXPECT_EQ(printRecord(type, record.get()),
              "esRequest { -- SEQUENCE --\n"
              "        toKeep { -- SEQUENCE --\n"
              "            composition { -- SEQUENCE --\n"
              "                selectAlternativeSyntax FALSE\n"
              "            },\n"
              "            exportDestination phoneNumber '31'H  -- \"1\" --\n"
              "        },\n"
              "        notToKeep NULL\n"
              "    }");
}

TEST(ExportSpecificationPackage, OriginPartAndDestinations) {
    expectCases(
        GENERATED_TYPE(r, ExportSpecificationOriginPartToKeep, kSequence),
        {
            {"composition missing", "30 05 A2 03 81 01 31", -213},
            {"exportDestination in primitive form", "30 07 A1 03 81 01 00 82 00", -215},
            {"exportDestination [9]", "30 0A A1 03 81 01 00 A2 03 89 01 31", -176},
            {"octets left after exportDestination", "30 0C A1 03 81 01 00 A2 03 81 01 31 05 00", -214},
        });
    expectCases(GENERATED_TYPE(r, Destination, 0),
                {
                    {"other without vehicle", "BF 64 05 82 03 61 62 63", 0},
                    {"other with vehicle", "BF 64 08 81 01 76 82 03 61 62 63", 0},
                    {"phoneNumber in constructed form", "A1 07 04 02 31 32 04 01 33", 0, "81 03 31 32 33"},
                    {"printerAddress", "88 01 70", 0},
                    {"[9]", "89 00", -176},
                    {"other in primitive form", "9F 64 00", -176},
                    {"other without destination", "BF 64 05 81 01 76 83 00", -113},
                    {"octets left after destination", "BF 64 05 82 01 61 05 00", -112},
                });
}

// toKeep: exportSpec by package name "pkg", one copy; notToKeep: result set "A", all records.
const char* const kInvocationRequest =
    "A1 19 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A2 09 30 07 81 01 41 A2 02 81 00";
const char* const kInvocationTaskPackage = "A2 0E A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01";

TEST(ExportInvocationPackage, RequestAndTaskPackageParts) {
    expectCases(
        GENERATED_TYPE(r, ExportInvocation, 0),
        {
            {"esRequest", kInvocationRequest, 0},
            {"taskPackage without targetPart", kInvocationTaskPackage, 0},
            {"taskPackage ending with an end-of-contents after originPart",
             "A2 80 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 00 00", 0, kInvocationTaskPackage},
            {"taskPackage with an empty targetPart",
             "A2 12 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A2 02 30 00", 0},
            {"[0]", "A0 00", -289},
            {"esRequest without toKeep", "A1 04 A2 02 30 00", -271},
            {"toKeep wrapping a SET", "A1 04 A1 02 31 00", -270},
            {"notToKeep missing", "A1 10 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 05 00", -274},
            {"notToKeep wrapping a SET", "A1 12 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A2 02 31 00", -272},
            {"octets left after notToKeep",
             "A1 1B A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A2 09 30 07 81 01 41 A2 02 81 00 05 00", -273},
            {"taskPackage without originPart", "A2 04 A2 02 30 00", -266},
            {"originPart wrapping a SET", "A2 04 A1 02 31 00", -265},
            {"[3] after originPart", "A2 10 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A3 00", -269},
            {"targetPart wrapping a SET", "A2 12 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A2 02 31 00",
             -267},
            {"octets left after targetPart",
             "A2 14 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A2 02 30 00 05 00", -268},
        });

    GeneratedType type = GENERATED_TYPE(r, ExportInvocation, 0);
    GeneratedRecord absent(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kInvocationTaskPackage), absent.get()).code, 0);
    EXPECT_EQ(static_cast<r::ExportInvocation*>(absent.get())->taskPackage->targetPart, nullptr);

    GeneratedRecord empty(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A2 12 A1 0C 30 0A A1 05 81 03 70 6B 67 82 01 01 A2 02 30 00"),
                            empty.get())
                  .code,
              0);
    r::ExportInvocationTargetPart* targetPart =
        static_cast<r::ExportInvocation*>(empty.get())->taskPackage->targetPart;
    ASSERT_NE(targetPart, nullptr);
    EXPECT_EQ(targetPart->estimatedQuantity, nullptr);
    EXPECT_EQ(targetPart->quantitySoFar, nullptr);
    EXPECT_EQ(targetPart->estimatedCost, nullptr);
    EXPECT_EQ(targetPart->costSoFar, nullptr);
}

TEST(ExportInvocationPackage, OriginParts) {
    expectCases(GENERATED_TYPE(r, ExportInvocationOriginPartToKeep, kSequence),
                {
                    // packageSpec holds the whole export specification, with its own [1] or [2].
                    {"packageSpec nesting an export specification esRequest",
                     "30 19 A1 14 A2 12 A1 10 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 00 82 01 02", 0},
                    {"exportSpec missing", "30 03 82 01 01", -260},
                    {"exportSpec [3]", "30 07 A1 02 83 00 82 01 01", -255},
                    {"packageSpec [3]", "30 09 A1 04 A2 02 A3 00 82 01 01", -244},
                    {"numberOfCopies in constructed form", "30 09 A1 05 81 03 70 6B 67 A2 00", -262},
                    {"octets left after numberOfCopies", "30 0C A1 05 81 03 70 6B 67 82 01 01 05 00", -261},
                });
    expectCases(GENERATED_TYPE(r, ExportInvocationOriginPartNotToKeep, kSequence),
                {
                    {"records of all", "30 07 81 01 41 A2 02 81 00", 0},
                    {"records of one range", "30 0F 81 01 41 A2 0A A2 08 30 06 81 01 05 82 01 02", 0},
                    {"resultSetId missing", "30 04 A2 02 81 00", -177},
                    {"records in primitive form", "30 05 81 01 41 82 00", -179},
                    {"records [3]", "30 07 81 01 41 A2 02 83 00", -143},
                    {"a range that is not a SEQUENCE", "30 09 81 01 41 A2 04 A2 02 31 00", -142},
                    {"octets left after records", "30 09 81 01 41 A2 02 81 00 05 00", -178},
                });
    expectCases(GENERATED_TYPE(r, ExportRange, kSequence),
                {
                    {"start 5 without count", "30 03 81 01 05", 0},
                    {"count in constructed form", "30 06 81 01 05 A2 01 01", -111},
                    {"start missing", "30 03 82 01 01", -109},
                    {"octets left after count", "30 08 81 01 05 82 01 02 05 00", -110},
                });
    expectCases(GENERATED_TYPE(r, ExportInvocationTargetPart, kSequence),
                {
                    {"costSoFar only", "30 07 A4 05 81 01 01 A2 00", 0},
                    {"costSoFar in primitive form", "30 02 84 00", -137},
                    {"octets left after costSoFar", "30 09 A4 05 81 01 01 A2 00 05 00", -136},
                });
}

}  // namespace
