#include <gtest/gtest.h>

#include <string>

#include "Quorvane/protocol/counted_texts.h"
#include "Quorvane/protocol/marc_syntax.h"
#include "Quorvane/protocol/record_size_check.h"

namespace {

TEST(CountedTexts, CopiesAreWholeAndAbsenceIsKept) {
    const KivOctets id{std::string("a\0b", 3)};
    std::unique_ptr<KivOctets> copy = CopyReferenceId(&id);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy.get(), &id);
    EXPECT_EQ(copy->pcValue, std::string("a\0b", 3));
    EXPECT_EQ(CopyReferenceId(nullptr), nullptr);

    EXPECT_EQ(OctetsToText(&id), std::string("a\0b", 3));
    EXPECT_EQ(OctetsToText(nullptr), std::nullopt);
    EXPECT_EQ(OctetsToString(nullptr), "");
    EXPECT_EQ(NewInternationalString("Quorvane")->pcValue, "Quorvane");

    const KivInternationalString empty{};
    const KivInternationalString name{"Pontrel"};
    EXPECT_EQ(PrintCountedText(nullptr), "NULL");
    EXPECT_EQ(PrintCountedText(&empty), "");
    EXPECT_EQ(PrintCountedText(&name), "Pontrel");
    EXPECT_EQ(PrintOctetsText(nullptr), "NULL");
    EXPECT_EQ(PrintOctetsText(&id), std::string("a\0b", 3));
}

TEST(RecordSizeCheck, FirstRecordAgainstMaximumThenPlacedOctetsAgainstPreferred) {
    SessionRecord session;
    session.preferredMessageSize = 1000;
    session.maximumMessageSize = 5000;
    RecordPlacement placement;

    EXPECT_EQ(CheckRecordSize(session, placement, 5001), 0) << "first record beyond the maximum";
    EXPECT_EQ(placement.sizeDiagnostic, 17);
    EXPECT_EQ(placement.octetsPlaced, 0u);

    placement.sizeDiagnostic = 0;
    EXPECT_EQ(CheckRecordSize(session, placement, 3000), 1) << "first record beyond the preferred size only";
    EXPECT_EQ(placement.octetsPlaced, 3000u);

    // Preferred 1000, records of 600: the first two fit, the third is refused.
    placement.octetsPlaced = 0;
    placement.recordsPlaced = 0;
    for (int record = 1; record <= 2; ++record) {
        EXPECT_EQ(CheckRecordSize(session, placement, 600), 1) << record;
        ++placement.recordsPlaced;
    }
    EXPECT_EQ(placement.octetsPlaced, 1200u);
    EXPECT_EQ(CheckRecordSize(session, placement, 600), 0);
    EXPECT_EQ(placement.sizeDiagnostic, 16);
    EXPECT_EQ(placement.octetsPlaced, 1200u);
}

TEST(RecordSizeCheck, PlacedOctetsDoNotWrapRound) {
    SessionRecord session;
    session.preferredMessageSize = 0xFFFFFFFFu;
    session.maximumMessageSize = 0xFFFFFFFFu;
    RecordPlacement placement;
    EXPECT_EQ(CheckRecordSize(session, placement, 0xFFFFFFF0u), 1);
    placement.recordsPlaced = 1;
    EXPECT_EQ(CheckRecordSize(session, placement, 0x100u), 1);
    EXPECT_EQ(placement.octetsPlaced, 0xFFFFFFFFu);
}

TEST(MarcSyntax, FamilyMembersByExactText) {
    for (const char* arc : {"1.2.840.10003.5.", "1.0.10163.5."}) {
        for (int n = 0; n <= 22; ++n) {
            const bool member = n == 1 || n == 2 || n == 3 || (n >= 10 && n <= 14) || (n >= 16 && n <= 20);
            const std::string oid = arc + std::to_string(n);
            EXPECT_EQ(IsMarcSyntax(oid), member ? 1 : 0) << oid;
        }
    }
    for (const char* other : {"1.2.840.10003.5.010", "1.2.840.10003.5.10.1", "1.2.840.10003.5.+1",
                              "1.2.840.10003.5.", "2.840.10003.5.10", " 1.2.840.10003.5.10", ""}) {
        EXPECT_EQ(IsMarcSyntax(other), 0) << other;
    }
}

}  // namespace
