// Byte-exact cases of the DeleteResultSet APDUs and the Segment APDU.
#include <gtest/gtest.h>

#include <string>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace z = codec::z3950;

namespace {

std::string text(const BerOctets& octets) {
    return std::string(reinterpret_cast<const char*>(octets.octets), static_cast<size_t>(octets.length));
}

TEST(GeneratedApduDeleteSegment, DeleteResultSetRequest) {
    GeneratedType type = GENERATED_TYPE(z, DeleteResultSetRequest, 0xBA000000u);
    expectCases(
        type,
        {
            {"only deleteFunction 1", "BA 04 9F 20 01 01", 0},
            {"a constructed result-set name is joined", "BA 0E 9F 20 01 00 30 08 BF 1F 05 04 03 61 62 63", 0,
             "BA 0C 9F 20 01 00 30 06 9F 1F 03 61 62 63"},
            {"a result-set name that is a VisibleString", "BA 09 9F 20 01 00 30 03 1A 01 61", -147},
            {"otherInfo before resultSetList", "BA 0A 9F 20 01 00 BF 81 49 00 30 00", -190},
            {"deleteFunction in constructed form", "BA 05 BF 20 02 02 00", -189},
            {"[2] after deleteFunction", "BA 06 9F 20 01 00 A2 00", -191},
        });

    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("BA 04 9F 20 01 01"), record.get()).code, 0);
    auto* request = static_cast<z::DeleteResultSetRequest*>(record.get());
    EXPECT_EQ(request->deleteFunction, 1);
    EXPECT_EQ(request->resultSetList, nullptr);
    EXPECT_EQ(request->otherInfo, nullptr);
}

TEST(GeneratedApduDeleteSegment, DeleteResultSetResponse) {
    // deleteListStatuses {"A" 0} and bulkStatuses {"B" 1}.
    const char* const kBothLists =
        "BB 1C 80 01 00 A1 0A 30 08 9F 1F 01 41 9F 21 01 00 BF 23 0A 30 08 9F 1F 01 42 9F 21 01 01";
    GeneratedType type = GENERATED_TYPE(z, DeleteResultSetResponse, 0xBB000000u);
    expectCases(type,
                {
                    {"only deleteOperationStatus", "BB 03 80 01 00", 0},
                    {"both status lists", kBothLists, 0},
                    {"numberNotDeleted before deleteListStatuses", "BB 09 80 01 00 9F 22 01 01 A1 00", -210},
                    {"deleteOperationStatus missing", "BB 04 9F 22 01 01", -208},
                    {"a constructed deleteMessage", "BB 0A 80 01 00 BF 24 04 04 02 6F 6B", 0,
                     "BB 08 80 01 00 9F 24 02 6F 6B"},
                    {"otherInfo followed by a spare octet", "BB 08 80 01 00 BF 81 49 00 00", -209},
                });

    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kBothLists), record.get()).code, 0);
    auto* response = static_cast<z::DeleteResultSetResponse*>(record.get());
    ASSERT_NE(response->deleteListStatuses, response->bulkStatuses);
    ASSERT_EQ(ASN_ListCount(response->deleteListStatuses), 1);
    ASSERT_EQ(ASN_ListCount(response->bulkStatuses), 1);
    auto* deleted = *static_cast<z::ListStatusesItem**>(ASN_ListFirst(response->deleteListStatuses));
    auto* bulk = *static_cast<z::ListStatusesItem**>(ASN_ListFirst(response->bulkStatuses));
    EXPECT_EQ(text(deleted->id), "A");
    EXPECT_EQ(deleted->status, 0);
    EXPECT_EQ(text(bulk->id), "B");
    EXPECT_EQ(bulk->status, 1);
}

TEST(GeneratedApduDeleteSegment, ListStatuses) {
    GeneratedType type = GENERATED_TYPE(z, ListStatuses, 0xA1000000u);
    expectCases(type, {
                          {"status before id", "A1 0A 30 08 9F 21 01 00 9F 1F 01 41", -143},
                          {"status in constructed form", "A1 0B 30 09 9F 1F 01 41 BF 21 03 02 01 00", -145},
                          {"octets after status", "A1 0C 30 0A 9F 1F 01 41 9F 21 01 00 05 00", -144},
                          {"an element that is not a SEQUENCE", "A1 02 31 00", -192},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A1 0A 30 08 9F 1F 01 41 9F 21 01 07"), record.get()).code, 0);
    EXPECT_EQ(printRecord(type, record.get()),
              "{ -- SEQUENCE OF -- \n    { -- SEQUENCE --\n        id '41'H  -- \"A\" --,\n        status 7\n"
              "    }\n}");
}

TEST(GeneratedApduDeleteSegment, Segment) {
    GeneratedType type = GENERATED_TYPE(z, Segment, 0xBF2D0000u);
    expectCases(
        type,
        {
            {"segmentRecords missing", "BF 2D 07 98 01 01 BF 81 49 00", -223},
            {"indefinite, closed right after segmentRecords", "BF 2D 80 98 01 00 A0 00 00 00", 0,
             "BF 2D 05 98 01 00 A0 00"},
            {"one retrieval record", "BF 2D 10 98 01 01 A0 0B 30 09 A1 07 A1 05 28 03 06 01 2A", 0},
            {"a segment record that is not a SEQUENCE", "BF 2D 07 98 01 01 A0 02 04 00", -216},
            {"a segment record without its record", "BF 2D 0A 98 01 01 A0 05 30 03 80 01 44 05 00", -206},
            {"numberOfRecordsReturned missing", "BF 2D 02 A0 00", -222},
            {"otherInfo followed by a spare octet", "BF 2D 0A 98 01 00 A0 00 BF 81 49 00 00", -224},
            {"[1] after segmentRecords", "BF 2D 07 98 01 00 A0 00 A1 00", -225},
        });

    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("BF 2D 80 98 01 00 A0 00 00 00"), record.get()).code, 0);
    auto* segment = static_cast<z::Segment*>(record.get());
    ASSERT_NE(segment->segmentRecords, nullptr);
    EXPECT_EQ(ASN_ListCount(segment->segmentRecords), 0);
    EXPECT_EQ(segment->otherInfo, nullptr);
}

}  // namespace
