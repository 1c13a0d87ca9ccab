#include "Quorvane/records/marc_directory.h"

#include <gtest/gtest.h>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/records/marc_record_builder.h"
#include "tests/server/records/marc_fixture.h"

namespace {

// 001 "12", 245 "10$aTi": base address 49, data 10 octets, 60 octets in all.
const std::string kSound =
    "00060nam a2200049   4500"
    "001000300000"
    "245000700003"
    "\x1E"
    "12\x1E"
    "10\x1F"
    "aTi\x1E"
    "\x1D";

std::string changed(std::size_t at, std::string_view octets) {
    std::string record = kSound;
    record.replace(at, octets.size(), octets);
    return record;
}

TEST(MarcDirectory, ReadsASoundRecord) {
    std::optional<MarcStructure> structure = ReadMarcStructure(kSound);
    ASSERT_TRUE(structure);
    EXPECT_EQ(structure->baseAddress, 49u);
    ASSERT_EQ(structure->entries.size(), 2u);
    EXPECT_EQ(structure->entries[1].tag, "245");
    EXPECT_EQ(structure->entries[1].length, 7u);
    EXPECT_EQ(structure->entries[1].start, 3u);
    EXPECT_EQ(fieldsOf(kSound), (std::vector<std::string>{"001 12", "245 10$aTi"}));
}

TEST(MarcDirectory, RefusesEveryUnsoundStructure) {
    const std::pair<const char*, std::string> cases[] = {
        {"record length larger", changed(0, "00061")},
        {"record length not digits", changed(0, "0006x")},
        {"base address beyond the directory", changed(12, "00050")},
        {"base address inside an entry", changed(12, "00043")},
        {"base address past the record", changed(12, "00099")},
        {"base address not digits", changed(12, "0004 ")},
        {"field length past the data", changed(39, "0008")},
        {"field length zero", changed(27, "0000")},
        {"field length not digits", changed(39, "00-7")},
        {"field start past the data", changed(43, "00011")},
        {"field start huge", changed(43, "99999")},
        {"field not ended by its terminator", changed(27, "0002")},
        {"no record terminator", changed(59, "\x1E")},
        {"directory without its terminator", changed(48, "0")},
        {"truncated", kSound.substr(0, 40)},
        {"leader only", kSound.substr(0, 24)},
        {"empty", ""},
    };
    for (const auto& [what, record] : cases) EXPECT_FALSE(ReadMarcStructure(record)) << what;
}

using StoredRecord = MarcTest;

TEST_F(StoredRecord, IsSentAsStoredOnlyWhenSound) {
    MarcBlock raw;
    raw.kind = MarcBlockKind::Raw;
    raw.rawColumn = "MARC_RECORD";
    raw.databases = {"DEFAULT"};
    session_.marcDefinitions = std::vector{raw};

    PresentCacheEntry sound = entryOf({{"TITLE", "T"}, {"MARC_RECORD", kSound}, {"MARC_RECORD", "other", 2}});
    MarcBuildResult built = BuildMarcRecord(sound, session_);
    EXPECT_EQ(built.refusal.condition(), 0u);
    EXPECT_EQ(built.record, kSound);

    // A record cut short by the column size, and one whose directory points past its data.
    for (const std::string& stored : {kSound.substr(0, 50), changed(43, "00011")}) {
        PresentCacheEntry entry = entryOf({{"MARC_RECORD", stored}});
        built = BuildMarcRecord(entry, session_);
        EXPECT_EQ(built.refusal.condition(), kConditionMalformedRecord);
        EXPECT_TRUE(built.record.empty());
    }
    EXPECT_NE(takeLog().find("Stored MARC record in column MARC_RECORD is not a sound ISO 2709 record"),
              std::string::npos);

    PresentCacheEntry noValue = entryOf({{"MARC_RECORD", std::nullopt}});
    EXPECT_EQ(BuildMarcRecord(noValue, session_).refusal.condition(), kConditionNoDataInSyntax);
    PresentCacheEntry noColumn = entryOf({{"OTHER", "x"}});
    EXPECT_EQ(BuildMarcRecord(noColumn, session_).refusal.condition(), kConditionNoDataInSyntax);
}

}  // namespace
