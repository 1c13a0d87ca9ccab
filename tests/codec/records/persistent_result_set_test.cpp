// Byte-exact cases of the persistent-result-set package.
#include <gtest/gtest.h>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_e.h"

namespace r = codec::records;

namespace {

TEST(PersistentResultSet, RequestAndTaskPackage) {
    GeneratedType type = GENERATED_TYPE(r, PersistentResultSet, 0);
    expectCases(
        type,
        {
            {"esRequest with toKeep only", "A1 02 81 00", 0},
            {"notToKeep naming a result set to append to", "A1 0D 81 00 A2 09 30 07 81 02 72 73 82 01 02", 0},
            {"taskPackage with a targetPart", "A2 0D 81 00 A2 09 30 07 81 02 72 73 82 01 07", 0},
            {"taskPackage [2] around [1]", "A2 07 81 00 A2 03 81 01 61", -120},
            {"esRequest [2] around [1]", "A1 07 81 00 A2 03 81 01 61", -141},
            {"taskPackage starting with [2]", "A2 04 A2 02 30 00", -119},
            {"esRequest starting with [2]", "A1 04 A2 02 30 00", -140},
            {"taskPackage with [3] after originPart", "A2 04 81 00 83 00", -122},
            {"esRequest with [3] after toKeep", "A1 04 81 00 83 00", -143},
            {"octets left after targetPart", "A2 08 81 00 A2 02 30 00 05 00", -121},
            {"octets left after notToKeep", "A1 08 81 00 A2 02 30 00 05 00", -142},
            {"[3]", "A3 00", -160},
        });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A1 02 81 00"), record.get()).code, 0);
    auto* set = static_cast<r::PersistentResultSet*>(record.get());
    ASSERT_EQ(set->choiceId, r::PersistentResultSet::kEsRequest);
    EXPECT_EQ(set->esRequest->notToKeep, nullptr);
    EXPECT_EQ(printRecord(type, record.get()), "esRequest { -- SEQUENCE --\n        toKeep NULL\n    }");

    const BerAnyEntry whole = WHOLE_ENTRY(r, PersistentResultSet);
    WholeOutcome append = decodeWhole(whole, hexOctets("A1 0D 81 00 A2 09 30 07 81 02 72 73 82 01 02"));
    EXPECT_EQ(append.code, 0);
    EXPECT_EQ(decodeWhole(whole, hexOctets("30 00")).code, -160);
}

TEST(PersistentResultSet, Parts) {
    expectCases(GENERATED_TYPE(r, TargetPart, 0x30000000u),
                {
                    {"length 0", "30 00", 0},
                    {"numberOfRecords before targetSuppliedResultSet", "30 07 82 01 05 81 02 72 73", -117},
                    {"[3]", "30 02 83 00", -118},
                    {"name in constructed form", "30 06 A1 04 04 02 72 73", 0, "30 04 81 02 72 73"},
                });
    expectCases(GENERATED_TYPE(r, OriginPartNotToKeep, 0x30000000u),
                {
                    {"[3]", "30 02 83 00", -139},
                    {"octets left after replaceOrAppend", "30 05 82 01 02 05 00", -138},
                });
}

}  // namespace
