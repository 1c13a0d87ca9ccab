// Byte-exact cases of the persistent query and periodic query schedule packages.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/codec/records/records_f.h"

namespace r = codec::records;

namespace {

TEST(PersistentQueryPackage, RequestAndTaskPackageParts) {
    expectCases(GENERATED_TYPE(r, PersistentQuery, 0),
                {
                    {"notToKeep only, the package alternative", "A1 07 A2 05 81 03 70 6B 67", 0},
                    {"notToKeep only, the query alternative", "A1 06 A2 04 A2 02 80 00", 0},
                    {"toKeep with dbNames", "A1 11 A1 08 30 06 A2 04 1B 02 64 62 A2 05 81 03 70 6B 67", 0},
                    {"taskPackage without originPart", "A2 04 A2 02 80 00", 0},
                    {"[3]", "A3 00", -207},
                    {"toKeep wrapping a SET", "A1 04 A1 02 31 00", -203},
                    {"notToKeep missing", "A1 02 A3 00", -205},
                    {"notToKeep [3]", "A1 04 A2 02 83 00", -127},
                    {"octets left after notToKeep", "A1 09 A2 05 81 03 70 6B 67 05 00", -204},
                    {"originPart wrapping a SET", "A2 04 A1 02 31 00", -199},
                    {"targetPart missing", "A2 02 A3 00", -201},
                    {"octets left after targetPart", "A2 06 A2 02 80 00 05 00", -200},
                });
    expectCases(GENERATED_TYPE(r, PersistentQueryOriginPartToKeep, kSequence),
                {
                    {"additionalSearchInfo holding an empty OtherInformation", "30 06 A3 04 BF 81 49 00", 0},
                    {"indefinite [3] wrapper, then the end of the SEQUENCE",
                     "30 80 A3 80 BF 81 49 00 00 00 00 00", 0, "30 06 A3 04 BF 81 49 00"},
                    {"a dbNames element in constructed form", "30 08 A2 06 3B 04 04 02 64 62", 0,
                     "30 06 A2 04 1B 02 64 62"},
                    {"a dbNames element that is an OCTET STRING", "30 04 A2 02 04 00", -126},
                    {"[3] wrapping a SEQUENCE", "30 04 A3 02 30 00", -151},
                    {"[1]", "30 02 A1 00", -153},
                    {"octets left after additionalSearchInfo", "30 08 A3 04 BF 81 49 00 05 00", -152},
                });

    GeneratedType type = GENERATED_TYPE(r, PersistentQueryOriginPartToKeep, kSequence);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 06 A3 04 BF 81 49 00"), record.get()).code, 0);
    auto* toKeep = static_cast<r::PersistentQueryOriginPartToKeep*>(record.get());
    EXPECT_EQ(toKeep->dbNames, nullptr);
    ASSERT_NE(toKeep->additionalSearchInfo, nullptr);
    EXPECT_EQ(toKeep->additionalSearchInfo->count, 0);
}

// originPart: activeFlag only; targetPart: a type-0 query, continuous, lastQueryTime "20",
// lastResultNumber 7.
const char* const kScheduleTaskPackage =
    "A2 1A A1 05 30 03 81 01 FF A2 11 30 0F A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07";

TEST(PeriodicQuerySchedulePackage, RequestAndTaskPackageParts) {
    expectCases(
        GENERATED_TYPE(r, PeriodicQuerySchedule, 0),
        {
            {"esRequest with the least in both parts", "A1 0B A1 05 30 03 81 01 FF A2 02 30 00", 0},
            {"taskPackage with the least in both parts", kScheduleTaskPackage, 0},
            {"[0]", "A0 00", -288},
            {"esRequest without toKeep", "A1 04 A2 02 30 00", -283},
            {"toKeep wrapping a SET", "A1 04 A1 02 31 00", -282},
            {"notToKeep missing", "A1 09 A1 05 30 03 81 01 FF 05 00", -286},
            {"notToKeep wrapping a SET", "A1 0B A1 05 30 03 81 01 FF A2 02 31 00", -284},
            {"octets left after notToKeep", "A1 0D A1 05 30 03 81 01 FF A2 02 30 00 05 00", -285},
            {"taskPackage without originPart", "A2 04 A2 02 30 00", -277},
            {"originPart wrapping a SET", "A2 04 A1 02 31 00", -276},
            {"targetPart missing", "A2 09 A1 05 30 03 81 01 FF 05 00", -280},
            {"targetPart wrapping a SET", "A2 0B A1 05 30 03 81 01 FF A2 02 31 00", -278},
            {"octets left after targetPart",
             "A2 1C A1 05 30 03 81 01 FF A2 11 30 0F A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07 05 00",
             -279},
        });
}

TEST(PeriodicQuerySchedulePackage, OriginPartToKeep) {
    expectCases(
        GENERATED_TYPE(r, PeriodicQueryScheduleOriginPartToKeep, kSequence),
        {
            {"all five", "30 18 81 01 FF A2 04 1B 02 64 62 83 01 02 A4 03 84 01 65 A5 05 81 03 70 6B 67", 0},
            // exportPackage: the export specification's own [2] inside the [2] wrapper inside the [5]
            // wrapper.
            {"exportParameters holding an exportPackage",
             "30 19 81 01 FF A5 14 A2 12 A2 10 A1 0C 30 0A A1 03 81 01 00 A2 03 81 01 31 82 00", 0},
            {"activeFlag in constructed form", "30 03 A1 01 FF", -257},
            {"a databaseNames element that is an OCTET STRING", "30 07 81 01 FF A2 02 04 00", -125},
            {"alertDestination [9]", "30 07 81 01 FF A4 02 89 00", -176},
            {"exportParameters [3]", "30 07 81 01 FF A5 02 A3 00", -256},
            {"exportParameters in primitive form", "30 05 81 01 FF 85 00", -259},
            {"octets left after exportParameters", "30 0C 81 01 FF A5 05 81 03 70 6B 67 05 00", -258},
        });
}

TEST(PeriodicQuerySchedulePackage, OriginPartNotToKeepAndPeriods) {
    expectCases(GENERATED_TYPE(r, PeriodicQueryScheduleOriginPartNotToKeep, kSequence),
                {
                    {"empty", "30 00", 0},
                    {"businessDaily inside its [2] wrapper", "30 04 A2 02 82 00", 0},
                    {"all four, querySpec by package name, a period of units",
                     "30 15 A1 03 82 01 70 A2 07 A1 05 81 01 01 A2 00 83 02 32 30 84 01 72", 0},
                    {"querySpec holding a query", "30 06 A1 04 A1 02 80 00", 0},
                    {"period other", "30 05 A2 03 84 01 6F", 0},
                    {"businessDaily with a non-zero length", "30 05 A2 03 82 01 00", kBerNullLength},
                    {"querySpec [3]", "30 04 A1 02 83 00", -124},
                    {"period [5]", "30 04 A2 02 85 00", -128},
                    {"period unit in primitive form", "30 04 A2 02 81 00", -128},
                    {"[5]", "30 02 A5 00", -155},
                    {"octets left after resultSetPackage", "30 05 84 01 72 05 00", -154},
                });
}

TEST(PeriodicQuerySchedulePackage, TargetPart) {
    GeneratedType type = GENERATED_TYPE(r, PeriodicQueryScheduleTargetPart, kSequence);
    expectCases(
        type,
        {
            {"ending after lastResultNumber", "30 0F A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07", 0},
            {"ending after lastResultNumber, indefinite",
             "30 80 A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07 00 00", 0,
             "30 0F A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07"},
            {"all seven", "30 18 A1 02 80 00 A2 02 83 00 83 01 45 84 01 52 85 02 32 30 86 01 07 87 01 02", 0},
            {"actualQuery missing", "30 04 A2 02 83 00", -156},
            {"targetStatedPeriod missing", "30 06 A1 02 80 00 A3 00", -157},
            {"lastQueryTime missing", "30 0B A1 02 80 00 A2 02 83 00 86 01 07", -158},
            {"lastResultNumber in constructed form", "30 0E A1 02 80 00 A2 02 83 00 85 02 32 30 A6 00", -159},
            {"[8] after lastResultNumber", "30 11 A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07 88 00", -161},
            {"octets left after numberSinceModify",
             "30 14 A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07 87 01 02 05 00", -160},
        });

    GeneratedRecord record(type);
    ASSERT_EQ(
        decodeElement(type, hexOctets("30 0F A1 02 80 00 A2 02 83 00 85 02 32 30 86 01 07"), record.get())
            .code,
        0);
    auto* targetPart = static_cast<r::PeriodicQueryScheduleTargetPart*>(record.get());
    EXPECT_EQ(targetPart->targetStatedPeriod->choiceId, r::Period::kContinuous);
    EXPECT_EQ(targetPart->expiration.octets, nullptr);
    EXPECT_EQ(targetPart->resultSetPackage.octets, nullptr);
    EXPECT_EQ(targetPart->lastResultNumber, 7);
    EXPECT_EQ(targetPart->numberSinceModify, nullptr);
}

}  // namespace
