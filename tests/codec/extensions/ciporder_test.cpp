// Byte-exact cases of the CIP item-order package.
#include "toolkit/codec/extensions/ciporder.h"

#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"

namespace ext = codec::extensions;

namespace {

TEST(CipOrderPackage, RequestAndTaskPackage) {
    expectCases(
        GENERATED_TYPE(ext, CipBItemOrder, 0),
        {
            {"esRequest with an action only and an empty notToKeep", "A1 0B A1 05 30 03 81 01 07 A2 02 30 00",
             0},
            {"esRequest, its parts and their sequences of indefinite length",
             "A1 80 A1 80 30 80 81 01 07 00 00 00 00 A2 80 30 80 00 00 00 00 00 00", 0,
             "A1 0B A1 05 30 03 81 01 07 A2 02 30 00"},
            {"taskPackage with an empty orderId", "A2 10 A1 05 30 03 81 01 01 A2 07 30 05 A1 03 1B 01 61", 0},
            {"taskPackage with automatic updates and a static order state",
             "A2 20 A1 0A 30 08 81 01 0B A4 03 82 01 1E A2 12 30 10 A1 03 1B 01 61 A3 09 30 07 A1 05 A1 03 "
             "81 01 05",
             0},
            {"[3]", "A3 00", -251},
            {"esRequest without toKeep", "A1 04 A2 02 30 00", -246},
            {"toKeep wrapping a SET", "A1 04 A1 02 31 00", -245},
            {"taskPackage with [3] in place of targetPart", "A2 0B A1 05 30 03 81 01 01 A3 02 30 00", -243},
        });
}

TEST(CipOrderPackage, OriginPartHoldingOnlyItsActionPrintsOnlyThatLine) {
    GeneratedType type = GENERATED_TYPE(ext, CipBOriginPartToKeep, kSequence);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 03 81 01 07"), record.get()).code, 0);
    auto* part = static_cast<ext::CipBOriginPartToKeep*>(record.get());
    EXPECT_EQ(part->action, 7);
    EXPECT_EQ(part->orderId.octets, nullptr);
    EXPECT_EQ(part->orderSpecification, nullptr);
    EXPECT_EQ(part->statusUpdateOption, nullptr);
    EXPECT_EQ(part->userInformation, nullptr);
    EXPECT_EQ(part->otherInfo, nullptr);
    EXPECT_EQ(printRecord(type, record.get()), "{ -- SEQUENCE --\n    action 7\n}");
}

TEST(CipOrderPackage, EmptySequencesAndLists) {
    expectCases(GENERATED_TYPE(ext, CipBProductDeliveryOptions, kSequence),
                {{"every part absent", "30 00", 0}});
    for (const GeneratedType& list :
         {GENERATED_TYPE(ext, CipBDeliveryUnits, kSequence), GENERATED_TYPE(ext, CipBPackages, kSequence),
          GENERATED_TYPE(ext, CipBOrderItems, kSequence), GENERATED_TYPE(ext, CipBAdHocPackage, kSequence)}) {
        GeneratedRecord record(list);
        ASSERT_EQ(decodeElement(list, hexOctets("30 00"), record.get()).code, 0) << list.name;
        auto* items = static_cast<BerList*>(record.get());
        EXPECT_EQ(items->count, 0) << list.name;
        EXPECT_EQ(encodeElement(list, record.get()), hexOctets("30 00")) << list.name;
    }
}

TEST(CipOrderPackage, ChoicesUnderTheirOwnTags) {
    expectCases(GENERATED_TYPE(ext, CipBStatusUpdateOption, 0),
                {
                    {"manual: [1] around a universal NULL", "A1 02 05 00", 0},
                    {"automatic 30", "82 01 1E", 0},
                    {"manual in an implicit form", "81 00", -134},
                    {"manual around something else", "A1 02 04 00", -133},
                });
    expectCases(GENERATED_TYPE(ext, CipBOrderStatusInfo, kSequence),
                {
                    {"static state 5", "30 07 A1 05 A1 03 81 01 05", 0},
                    {"dynamic state 2 and a status text", "30 0C A1 05 A2 03 82 01 02 A2 03 1B 01 78", 0},
                    {"static state without its inner tag", "30 05 A1 03 02 01 05", -132},
                    {"static state around the dynamic tag", "30 07 A1 05 A1 03 82 01 05", -130},
                });
    expectCases(GENERATED_TYPE(ext, CipBBilling, kSequence),
                {
                    {"prepay", "30 04 A1 02 81 00", 0},
                    {"creditCard", "30 0D A1 0B A3 09 81 01 41 82 01 42 83 01 43", 0},
                    {"privateNotKnown, an EXTERNAL under [6]", "30 07 A1 05 A6 03 06 01 2A", 0},
                    {"customer reference in constructed form", "30 0B A1 02 80 00 A2 05 04 03 72 65 66", 0,
                     "30 09 A1 02 80 00 82 03 72 65 66"},
                    {"payment method [7]", "30 04 A1 02 87 00", -140},
                });
    expectCases(GENERATED_TYPE(ext, CipBDeliveryMethod, 0),
                {
                    {"eMail", "A1 03 1B 01 65", 0},
                    {"ftp pull", "A2 08 30 06 81 01 01 A2 01 00", -136},
                    {"ftp pull to a", "A2 0A 30 08 81 01 01 A2 03 1B 01 61", 0},
                    {"[5]", "A5 00", -161},
                });
    expectCases(GENERATED_TYPE(ext, CipBPackage, 0), {
                                                         {"an empty ad hoc package", "A2 02 30 00", 0},
                                                         {"ad hoc package around a SET", "A2 02 31 00", -174},
                                                         {"[3]", "A3 00", -175},
                                                     });
}

TEST(CipOrderPackage, MandatoryMembersAreRequired) {
    expectCases(GENERATED_TYPE(ext, CipBAddress, kSequence),
                {
                    {"every member",
                     "30 19 A1 03 1B 01 61 A2 03 1B 01 62 A3 03 1B 01 63 A4 03 1B 01 64 A5 03 1B 01 65", 0},
                    {"city missing", "30 0A A1 03 1B 01 61 A3 03 1B 01 63", -108},
                    {"street address in primitive form", "30 03 81 01 61", -106},
                });
    expectCases(GENERATED_TYPE(ext, CipBPackageSpec, kSequence),
                {
                    {"package, medium and size", "30 10 A3 04 A2 02 30 00 A4 03 1B 01 6D A5 03 02 01 0A", 0},
                    {"package missing", "30 0A A4 03 1B 01 6D A5 03 02 01 0A", -190},
                    {"size in primitive form", "30 0E A3 04 A2 02 30 00 A4 03 1B 01 6D 85 01 0A", -194},
                });
}

}  // namespace
