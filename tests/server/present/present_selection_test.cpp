// What a Present selects without a database: its range of positions, its record format, the rows of the
// positions, the keys they are fetched with, and the present cache's order.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Quorvane/present/present_cache.h"
#include "Quorvane/present/present_range.h"
#include "Quorvane/present/record_fetch.h"
#include "Quorvane/present/record_format_choice.h"
#include "Quorvane/results/result_row.h"

namespace {

KivPresentReq request(std::uint32_t start, std::uint32_t count) {
    KivPresentReq present;
    present.ulResultSetStartPoint = start;
    present.ulNumberOfRecordsRequested = count;
    return present;
}

void setElementSetName(KivPresentReq& present, const std::string& name) {
    present.psRecordComposition = std::make_unique<KivRecordComposition>();
    present.psRecordComposition->eRecordCompositionType = 1;
    auto names = std::make_unique<KivElementSetNames>();
    names->eElementSetType = EST_Generic;
    names->uElementSet.psGeneric.reset(new KivInternationalString{name});
    present.psRecordComposition->uRecordComposition.psElementSetNames = std::move(names);
}

TEST(PresentRange, NumberAndNextPosition) {
    struct Case {
        std::uint32_t start, requested, resultCount, maximum;
        int fits;
        std::uint32_t number, next;
    };
    const std::vector<Case> cases = {
        {1, 10, 20, 0, 1, 10, 11},
        {1, 10, 20, 5, 1, 5, 6},         // cut to ulMaximumRequestRecords
        {8, 3, 10, 0, 1, 3, 0},          // the last three
        {5, 10, 8, 0, 0, 4, 0},          // more than remain: the rest
        {9, 1, 8, 0, 0, 0, 0},           // beyond the end: nothing
        {3, 0, 8, 0, 1, 0, 3},           // none requested
        {1, 0xFFFFFFFF, 8, 0, 0, 8, 0},  // a negative count arrives huge
        {1, 0xFFFFFFFF, 8, 5, 1, 5, 6},  // ... and is cut by the maximum
        {0xFFFFFFFF, 1, 0xFFFFFFFF, 0, 1, 1, 0},
        {2, 0xFFFFFFFE, 0xFFFFFFFF, 0, 1, 0xFFFFFFFE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + "+" + std::to_string(c.requested) + " of " +
                     std::to_string(c.resultCount));
        std::uint32_t number = 99;
        std::uint32_t next = 99;
        EXPECT_EQ(ComputePresentRange(request(c.start, c.requested), c.resultCount, c.maximum, number, next),
                  c.fits);
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(next, c.next);
    }
}

TEST(PresentRange, StartPointMustNameAPosition) {
    EXPECT_FALSE(StartPointInResultSet(0, 8));
    EXPECT_TRUE(StartPointInResultSet(1, 8));
    EXPECT_TRUE(StartPointInResultSet(8, 8));
    EXPECT_FALSE(StartPointInResultSet(9, 8));
    EXPECT_FALSE(StartPointInResultSet(0xFFFFFFFF, 8));  // a negative start point
    EXPECT_FALSE(StartPointInResultSet(1, 0));
}

class FormatChoice : public testing::Test {
  protected:
    void SetUp() override {
        session_.recordFormats = std::make_unique<RecordFormats>();
        for (const char* name : {"FULL", "BRIEF", "MARC"}) {
            session_.recordFormats->append(std::make_unique<RecordFormat>(RecordFormat{name, {}}));
        }
    }

    // The chosen format's name, or the condition.
    std::string choose(const KivPresentReq& present) {
        Bib1Result<RecordFormatChoice> choice = ChooseRecordFormat(session_, present, true);
        if (!choice) return std::to_string(choice.outcome().condition());
        return choice->format != nullptr ? choice->format->name : "none";
    }

    std::string choose(const std::string& name) {
        KivPresentReq present = request(1, 1);
        setElementSetName(present, name);
        return choose(present);
    }

    SessionRecord session_;
};

TEST_F(FormatChoice, NamesAgreeOnTheirCommonLengthIgnoringCase) {
    struct Case {
        const char* elementSet;
        const char* format;
        int matches;
    };
    for (const Case& c : std::vector<Case>{{"F", "FULL", 1},
                                           {"b", "BRIEF", 1},
                                           {"FULLER", "FULL", 1},
                                           {"", "FULL", 1},
                                           {"X", "FULL", 0},
                                           {"FUL", "FILL", 0}}) {
        EXPECT_EQ(MatchFormatName(c.elementSet, RecordFormat{c.format, {}}), c.matches)
            << c.elementSet << " / " << c.format;
    }
}

TEST_F(FormatChoice, AMatchStaysSelectedAndAMissLeavesTheSelection) {
    EXPECT_EQ(choose(request(1, 1)), "MARC") << "before any match the last format of the file";
    EXPECT_EQ(choose("b"), "BRIEF");
    EXPECT_EQ(choose(request(1, 1)), "BRIEF");
    EXPECT_EQ(choose("X"), "10");
    EXPECT_EQ(choose(request(1, 1)), "BRIEF") << "a refused name changes nothing";
    EXPECT_EQ(choose(""), "FULL") << "an empty name selects the first format";
    EXPECT_EQ(choose("fuller"), "FULL");
}

TEST_F(FormatChoice, ElementSetNamesAreCutAndOnlyGenericOnesCount) {
    EXPECT_EQ(GenericElementSetName(request(1, 1)), std::nullopt);
    KivPresentReq present = request(1, 1);
    setElementSetName(present, std::string(150, 'B'));
    EXPECT_EQ(GenericElementSetName(present), std::string(99, 'B'));
    EXPECT_EQ(choose(present), "10") << "99 characters of B are longer than BRIEF and differ from it";
    present.psRecordComposition->uRecordComposition.psElementSetNames->eElementSetType = EST_DatabaseSpecific;
    EXPECT_EQ(GenericElementSetName(present), std::nullopt);
    EXPECT_EQ(choose(present), "MARC");
}

TEST_F(FormatChoice, WithoutRecordFormatsTheNameChoosesFullOrBrief) {
    session_.recordFormats.reset();
    for (const auto& [name, full] :
         std::vector<std::pair<std::string, bool>>{{"F", true}, {"full", true}, {"B", false}, {"X", false}}) {
        KivPresentReq present = request(1, 1);
        setElementSetName(present, name);
        Bib1Result<RecordFormatChoice> choice = ChooseRecordFormat(session_, present, !full);
        ASSERT_TRUE(choice) << name;
        EXPECT_EQ(choice->format, nullptr);
        EXPECT_EQ(choice->full, full) << name;
    }
    Bib1Result<RecordFormatChoice> choice = ChooseRecordFormat(session_, request(1, 1), false);
    ASSERT_TRUE(choice);
    EXPECT_FALSE(choice->full) << "without a name the configured default holds";
}

class ResultRows : public testing::Test {
  protected:
    ResultRows() {
        numeric_.textKey = false;
        padded_.paddingRule = "PADLZ8";
        text_.textKey = true;
    }

    // The key text of a row found under the key.
    static std::string formatted(const KeyDefinition& key, std::uint32_t number,
                                 std::optional<std::string_view> text = std::nullopt) {
        ResultRow row;
        row.key = &key;
        row.numericKey = number;
        row.textKey = text;
        return FormatResultKey(row);
    }

    KeyDefinition numeric_;
    KeyDefinition padded_;
    KeyDefinition text_;
};

TEST_F(ResultRows, KeysAreTextOrDecimalWithTheirPadding) {
    EXPECT_EQ(formatted(numeric_, 4294967295u), "4294967295");
    EXPECT_EQ(formatted(padded_, 83), "00000083");
    EXPECT_EQ(formatted(padded_, 123456789), "123456789");
    EXPECT_EQ(formatted(text_, 0, "AB 12"), "AB 12");
    struct Case {
        std::string rule;
        std::string key;
    };
    for (const Case& c : std::vector<Case>{{"PADLZ3", "007"},
                                           {"PADXZ8", "7"},
                                           {"PADL", "7"},
                                           {"PADLZ", "7"},
                                           {"PADLZ99999999999999999999", std::string(98, '0') + "7"}}) {
        KeyDefinition key;
        key.paddingRule = c.rule;
        EXPECT_EQ(formatted(key, 7), c.key) << c.rule;
    }
}

TEST(PresentCache, EntriesAreKeptInPositionOrder) {
    PresentCache cache;
    for (std::uint32_t position : {5u, 2u, 9u, 7u, 1u, 6u}) {
        auto entry = std::make_unique<PresentCacheEntry>();
        entry->position = position;
        EXPECT_EQ(AddCachedRecord(cache, std::move(entry))->position, position);
    }
    std::vector<std::uint32_t> order;
    for (const PresentCacheEntry& entry : cache) order.push_back(entry.position);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{1, 2, 5, 6, 7, 9}));
    for (std::uint32_t position : {9u, 1u, 6u, 2u, 7u, 5u}) {
        PresentCacheEntry* entry = FindCachedRecord(cache, position);
        ASSERT_NE(entry, nullptr) << position;
        EXPECT_EQ(entry->position, position);
        EXPECT_EQ(entry->used, 1);
    }
    for (std::uint32_t position : {0u, 3u, 8u, 10u}) EXPECT_EQ(FindCachedRecord(cache, position), nullptr);
}

TEST(PresentCache, EmptiedWhenTheDefinitionsOrTheKindOfSyntaxChange) {
    SessionRecord session;
    session.recordFormats = std::make_unique<RecordFormats>();
    const RecordFormat* full =
        session.recordFormats->append(std::make_unique<RecordFormat>(RecordFormat{"FULL", {}}));
    const RecordFormat* brief =
        session.recordFormats->append(std::make_unique<RecordFormat>(RecordFormat{"BRIEF", {}}));
    const auto cacheSize = [&session] { return session.presentCache->size(); };
    const auto fill = [&session] {
        auto entry = std::make_unique<PresentCacheEntry>();
        entry->position = 1;
        AddCachedRecord(*session.presentCache, std::move(entry));
    };

    PreparePresentCache(session, {full, true}, "1.2.840.10003.5.101");
    ASSERT_TRUE(session.presentCache);
    fill();
    PreparePresentCache(session, {full, true}, "1.2.840.10003.5.105");
    EXPECT_EQ(cacheSize(), 1u) << "same format, another syntax fetched with every statement";
    EXPECT_EQ(session.cacheFormatName, full->name.c_str());
    PreparePresentCache(session, {brief, true}, "1.2.840.10003.5.105");
    EXPECT_EQ(cacheSize(), 0u) << "another format";
    fill();
    PreparePresentCache(session, {brief, true}, "1.2.840.10003.5.10");
    EXPECT_EQ(cacheSize(), 0u) << "MARC records are fetched with only the statements their builder reads";
    fill();
    PreparePresentCache(session, {brief, true}, "1.2.840.10003.5.11");
    EXPECT_EQ(cacheSize(), 1u) << "another MARC syntax";
    PreparePresentCache(session, {brief, true}, "1.2.840.10003.5.102");
    EXPECT_EQ(cacheSize(), 0u) << "OPAC records need their holdings";
    fill();
    PreparePresentCache(session, {brief, true}, "1.2.840.10003.5.11");
    EXPECT_EQ(cacheSize(), 0u) << "other records must not carry holdings";
    fill();
    PreparePresentCache(session, {brief, true}, "1.2.840.10003.5.101");
    EXPECT_EQ(cacheSize(), 0u) << "MARC records lack the fields of the statements left out";

    // Without record formats the full flag tells the definitions apart.
    session.recordFormats.reset();
    session.presentCache.reset();
    PreparePresentCache(session, {nullptr, true}, "1.2.840.10003.5.11");
    fill();
    ASSERT_EQ(FindCachedRecord(*session.presentCache, 1)->used, 1);
    PreparePresentCache(session, {nullptr, true}, "1.2.840.10003.5.11");
    EXPECT_EQ(cacheSize(), 1u);
    EXPECT_EQ(session.presentCache->begin()->used, 0);
    PreparePresentCache(session, {nullptr, false}, "1.2.840.10003.5.11");
    EXPECT_EQ(cacheSize(), 0u) << "brief in place of full";
    EXPECT_EQ(session.cacheFormat, 0);
}

}  // namespace
