// Byte-exact cases of the Update package.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_f.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace r = codec::records;
namespace z = codec::z3950;

namespace {

// toKeep: action 1 on database "db"; notToKeep: no supplied records.
const char* const kEmptyRequest = "A1 0F A1 09 30 07 81 01 01 82 02 64 62 A2 02 30 00";

TEST(UpdatePackage, RequestAndTaskPackageParts) {
    expectCases(
        GENERATED_TYPE(r, Update, 0),
        {
            {"esRequest without supplied records", kEmptyRequest, 0},
            {"taskPackage with an empty list of task-package records",
             "A2 14 A1 09 30 07 81 01 01 82 02 64 62 A2 07 30 05 81 01 00 A3 00", 0},
            {"[0]", "A0 00", -243},
            {"esRequest starting with notToKeep", "A1 04 A2 02 30 00", -238},
            {"toKeep wrapping a SET", "A1 04 A1 02 31 00", -237},
            {"toKeep followed by [3]", "A1 0F A1 09 30 07 81 01 01 82 02 64 62 A3 02 30 00", -241},
            {"notToKeep wrapping a SET", "A1 0F A1 09 30 07 81 01 01 82 02 64 62 A2 02 31 00", -239},
            {"octets left after notToKeep", "A1 11 A1 09 30 07 81 01 01 82 02 64 62 A2 02 30 00 05 00", -240},
            {"taskPackage starting with targetPart", "A2 04 A2 02 30 00", -232},
            {"originPart wrapping a SET", "A2 04 A1 02 31 00", -231},
            {"targetPart missing", "A2 0D A1 09 30 07 81 01 01 82 02 64 62 05 00", -235},
            {"targetPart wrapping a SET", "A2 0F A1 09 30 07 81 01 01 82 02 64 62 A2 02 31 00", -233},
            {"octets left after targetPart",
             "A2 16 A1 09 30 07 81 01 01 82 02 64 62 A2 07 30 05 81 01 00 A3 00 05 00", -234},
        });

    GeneratedType type = GENERATED_TYPE(r, Update, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kEmptyRequest), record.get()).code, 0);
    auto* update = static_cast<r::Update*>(record.get());
    ASSERT_EQ(update->choiceId, r::Update::kEsRequest);
    ASSERT_NE(update->esRequest->notToKeep, nullptr);  // present and empty, not absent
    EXPECT_EQ(update->esRequest->notToKeep->count, 0);
    EXPECT_EQ(update->esRequest->toKeep->action, 1);
}

TEST(UpdatePackage, OriginPartToKeep) {
    expectCases(GENERATED_TYPE(r, UpdateOriginPartToKeep, kSequence),
                {
                    {"action and databaseName", "30 07 81 01 01 82 02 64 62", 0},
                    {"ending after databaseName, indefinite", "30 80 81 01 01 82 02 64 62 00 00", 0,
                     "30 07 81 01 01 82 02 64 62"},
                    {"schema and elementSetName", "30 0E 81 01 01 82 02 64 62 83 01 2A 84 02 46 4D", 0},
                    {"databaseName in constructed form", "30 09 81 01 01 A2 04 04 02 64 62", 0,
                     "30 07 81 01 01 82 02 64 62"},
                    {"action in constructed form", "30 09 A1 03 02 01 01 82 02 64 62", -168},
                    {"databaseName missing", "30 06 81 01 01 84 01 46", -169},
                    // schema accepts only 0x83; the next test is for elementSetName.
                    {"schema in constructed form", "30 0B 81 01 01 82 02 64 62 A3 02 06 00", -171},
                    {"octets left after elementSetName", "30 0C 81 01 01 82 02 64 62 84 01 46 05 00", -170},
                });
}

TEST(UpdatePackage, SuppliedRecords) {
    expectCases(
        GENERATED_TYPE(r, SuppliedRecords, kSequence),
        {
            {"one record with all four components",
             "30 1A 30 18 A1 03 81 01 07 A2 04 82 02 76 32 A3 06 81 01 6E 82 01 03 A4 03 06 01 2A", 0},
            {"element that is not a SEQUENCE", "30 02 31 00", -172},
            {"end-of-contents inside a definite list", "30 02 00 00", -172},
        });
    expectCases(
        GENERATED_TYPE(r, SuppliedRecord, kSequence),
        {
            {"record only: [4] around the EXTERNAL contents", "30 05 A4 03 06 01 2A", 0},
            {"recordId string and supplementalId previousVersion",
             "30 12 A1 04 82 02 69 64 A2 05 A3 03 06 01 2A A4 03 06 01 2A", 0},
            {"recordId opaque in constructed form", "30 0B A1 04 A3 02 04 00 A4 03 06 01 2A", 0,
             "30 09 A1 02 83 00 A4 03 06 01 2A"},
            // number accepts only 0x81.
            {"recordId number in constructed form", "30 0C A1 05 A1 03 02 01 01 A4 03 06 01 2A", -117},
            {"supplementalId [4]", "30 09 A2 02 84 00 A4 03 06 01 2A", -116},
            {"record missing", "30 04 A3 00 05 00", -145},
            {"record in primitive form", "30 02 84 00", -145},
            {"octets left after record", "30 07 A4 03 06 01 2A 05 00", -144},
        });
    expectCases(GENERATED_TYPE(r, CorrelationInfo, kSequence),
                {
                    {"empty", "30 00", 0},
                    {"id in constructed form", "30 02 A2 00", -135},
                    {"octets left after id", "30 05 82 01 01 05 00", -134},
                });
}

TEST(UpdatePackage, TargetPart) {
    // A default-format diagnostic: bib-1 stand-in OID 1.2, condition 1, empty addinfo.
    const char* const kDiagnosticRecord = "30 11 A1 0C A2 0A 30 08 06 01 2A 02 01 01 1B 00 83 01 01";
    expectCases(GENERATED_TYPE(r, UpdateTargetPart, kSequence),
                {
                    {"globalDiagnostics of both DiagRec kinds",
                     "30 16 81 01 00 A2 0F 30 08 06 01 2A 02 01 01 1B 00 28 03 06 01 2A A3 00", 0},
                    {"updateStatus in constructed form", "30 05 A1 03 02 01 00", -209},
                    {"taskPackageRecords missing", "30 05 81 01 00 A4 00", -211},
                    {"octets left after taskPackageRecords", "30 07 81 01 00 A3 00 05 00", -210},
                });
    expectCases(GENERATED_TYPE(r, TaskPackageRecordStructure, kSequence),
                {
                    {"a diagnostic: [1], [2], then the DiagRec alternative", kDiagnosticRecord, 0},
                    {"a record and correlationInfo", "30 0E A1 05 A1 03 06 01 2A A2 02 81 00 83 01 00", 0},
                    {"recordOrSurDiag [3]", "30 07 A1 02 A3 00 83 01 00", -115},
                    {"recordStatus in constructed form", "30 02 A3 00", -174},
                    {"octets left after recordStatus", "30 05 83 01 01 05 00", -173},
                });
    expectCases(
        GENERATED_TYPE(r, TaskPackageRecords, kSequence),
        {
            // The list reads while it has used fewer octets than its length: no check of its own.
            {"last element overrunning the list's length", "30 03 30 03 83 01 01", 0, "30 05 30 03 83 01 01"},
            {"element that is not a SEQUENCE", "30 02 31 00", -188},
        });

    GeneratedType type = GENERATED_TYPE(r, TaskPackageRecordStructure, kSequence);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kDiagnosticRecord), record.get()).code, 0);
    auto* structure = static_cast<r::TaskPackageRecordStructure*>(record.get());
    ASSERT_EQ(structure->recordOrSurDiag->choiceId, r::RecordOrSurDiag::kDiagnostic);
    EXPECT_EQ(structure->recordOrSurDiag->diagnostic->choiceId, z::DiagRec::kDefaultFormat);
    EXPECT_EQ(structure->recordStatus, 1);
}

}  // namespace
