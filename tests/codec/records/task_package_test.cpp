// Byte-exact cases of the extended-services task package.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace r = codec::records;

namespace {

// packageType 1.2.840.10003.9.4, taskStatus 2 and a taskSpecificParameters EXTERNAL holding only its
// direct-reference.
const char* const kMinimal = "30 11 81 07 2A 86 48 CE 13 09 04 89 01 02 AB 03 06 01 2A";
// The same with packageDiagnostics holding one externally defined diagnostic.
const char* const kWithDiagnostic =
    "30 18 81 07 2A 86 48 CE 13 09 04 89 01 02 AA 05 28 03 06 01 2A AB 03 06 01 2A";

TEST(TaskPackage, Components) {
    expectCases(
        GENERATED_TYPE(r, TaskPackage, 0x30000000u),
        {
            {"packageType, taskStatus and taskSpecificParameters", kMinimal, 0},
            {"with an externally defined diagnostic", kWithDiagnostic, 0},
            {"packageName in constructed form",
             "30 16 81 07 2A 86 48 CE 13 09 04 A2 03 04 01 6E 89 01 02 AB 03 06 01 2A", 0,
             "30 14 81 07 2A 86 48 CE 13 09 04 82 01 6E 89 01 02 AB 03 06 01 2A"},
            {"packageType missing", "30 03 82 01 61", -142},
            {"taskStatus in constructed form", "30 10 81 07 2A 86 48 CE 13 09 04 A9 03 02 01 02 AB 00", -143},
            {"taskSpecificParameters missing", "30 0E 81 07 2A 86 48 CE 13 09 04 89 01 02 AC 00", -145},
            {"octets left after taskSpecificParameters",
             "30 13 81 07 2A 86 48 CE 13 09 04 89 01 02 AB 03 06 01 2A 05 00", -144},
        });
    expectCases(GENERATED_TYPE(r, TaskPackageChoice, 0), {{"identifier not 0x30", "31 00", -152}});
}

TEST(TaskPackage, DecodedValue) {
    GeneratedType type = GENERATED_TYPE(r, TaskPackageChoice, 0);
    GeneratedRecord minimal(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kMinimal), minimal.get()).code, 0);
    const r::TaskPackage* package = static_cast<r::TaskPackageChoice*>(minimal.get())->taskPackage;
    EXPECT_EQ(package->packageType.length, 7);
    EXPECT_EQ(package->taskStatus, 2);
    ASSERT_NE(package->taskSpecificParameters, nullptr);
    EXPECT_EQ(package->packageName.octets, nullptr);
    EXPECT_EQ(package->retentionTime, nullptr);
    EXPECT_EQ(package->permissions, nullptr);
    EXPECT_EQ(package->packageDiagnostics, nullptr);
    std::string printed = printRecord(type, minimal.get());
    EXPECT_THAT(printed, ::testing::HasSubstr("\n        taskStatus 2,\n"));
    EXPECT_THAT(printed, ::testing::HasSubstr("\n        taskSpecificParameters { -- SEQUENCE --\n"));

    GeneratedRecord withDiagnostic(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kWithDiagnostic), withDiagnostic.get()).code, 0);
    const BerList* diagnostics =
        static_cast<r::TaskPackageChoice*>(withDiagnostic.get())->taskPackage->packageDiagnostics;
    ASSERT_NE(diagnostics, nullptr);
    ASSERT_EQ(diagnostics->count, 1);
    auto* diagnostic = *static_cast<codec::z3950::DiagRec**>(ASN_ListSlot(diagnostics->first));
    EXPECT_EQ(diagnostic->choiceId, codec::z3950::DiagRec::kExternallyDefined);
}

}  // namespace
