#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_validation.h"

namespace {

TEST(ValidationPathTest, PathsHoldAtMost4999Characters) {
    std::string path = "stale";
    KivPathCopy(path, std::string(6000, 'a'));
    EXPECT_EQ(path, std::string(4999, 'a'));
    KivPathAppend(path, "->x");
    EXPECT_EQ(path.size(), 4999u);

    KivPathCopy(path, std::string(4997, 'b'));
    KivPathAppend(path, "->eCloseReason");
    EXPECT_EQ(path, std::string(4997, 'b') + "->");

    KivPathCopy(path, "psCloseReq");
    KivPathAppend(path, "->");
    KivPathAppend(path, "eCloseReason");
    EXPECT_EQ(path, "psCloseReq->eCloseReason");
    KivPathClear(path);
    EXPECT_EQ(path, "");
}

TEST(ValidationPathTest, ElementPathsPrintTheRealIndex) {
    struct Case {
        size_t index;
        KivArrayElementKind kind;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {0, KivArrayElementKind::Structure, "psSearchRsp->ppsDiagRecs[0]->"},
        {2, KivArrayElementKind::Value, "psSearchRsp->ppsDiagRecs[2]"},
        {999998, KivArrayElementKind::Value, "psSearchRsp->ppsDiagRecs[999998]"},
        {999999, KivArrayElementKind::Value, "psSearchRsp->ppsDiagRecs[999999]"},
        {12345678, KivArrayElementKind::Structure, "psSearchRsp->ppsDiagRecs[12345678]->"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kivArrayElementPath("psSearchRsp->", "ppsDiagRecs", c.index, c.kind), c.expected);
    }
    EXPECT_EQ(kivArrayElementPath(std::string(4997, 'p'), "ppsX", 7, KivArrayElementKind::Structure),
              std::string(4997, 'p') + "pp");
}

// A structure with one boolean, checked the way the structure validators check theirs.
struct Flagged {
    uint32_t fFlag = 0;
};

int checkFlagged(KivAssocId assoc, const Flagged* item, const std::string& path, SIError** out) {
    std::string fieldPath;
    KivPathCopy(fieldPath, path);
    KivPathAppend(fieldPath, "fFlag");
    return KivCheckBoolean(assoc, &item->fFlag, fieldPath, out);
}

KivArray<Flagged> flaggedArray(const std::vector<std::optional<uint32_t>>& flags) {
    KivArray<Flagged> array = KivArray<Flagged>::emptyArray();
    for (const auto& flag : flags) {
        if (flag.has_value()) {
            array.emplace(Flagged{*flag});
        } else {
            array.append(nullptr);
        }
    }
    return array;
}

using ValidationWalkerTest = ProcessLogFixture;

TEST_F(ValidationWalkerTest, StructArrayReportsTheFirstFaultyElementByIndex) {
    createLog();
    const KivArray<Flagged> array = flaggedArray({1, 0, 2, 7});
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckStructArray(4, array, "psSearchRsp->", "ppsItems", &error, checkFlagged), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 72);
    EXPECT_EQ(loggedDiagnostic(), "Invalid boolean value psSearchRsp->ppsItems[2]->fFlag given");
    SIFreeError(&error);
}

TEST_F(ValidationWalkerTest, WalksStopAtTheFirstNullElement) {
    struct Case {
        KivArray<Flagged> array;
        int result;
        std::vector<std::string> visited;
    };
    std::vector<Case> cases;
    cases.push_back({KivArray<Flagged>(), 0, {}});
    cases.push_back({KivArray<Flagged>::emptyArray(), 0, {}});
    cases.push_back({flaggedArray({1, 0}), 0, {"r.a[0]->", "r.a[1]->"}});
    cases.push_back({flaggedArray({1, std::nullopt, 5}), 0, {"r.a[0]->"}});
    cases.push_back({flaggedArray({1, 9, 9}), 1, {"r.a[0]->", "r.a[1]->"}});
    for (const Case& c : cases) {
        std::vector<std::string> visited;
        auto recordingCheck = [&](KivAssocId assoc, const Flagged* item, const std::string& path,
                                  SIError** out) {
            visited.push_back(path);
            return checkFlagged(assoc, item, path, out);
        };
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckStructArray(0, c.array, "r.", "a", &error, recordingCheck), c.result);
        EXPECT_EQ(visited, c.visited);
        EXPECT_EQ(error != nullptr, c.result == 1);
        SIFreeError(&error);
    }
}

TEST_F(ValidationWalkerTest, ValueArrayNamesElementsWithoutArrow) {
    createLog();
    KivArray<uint32_t> flags;
    flags.emplace(1u);
    flags.emplace(3u);
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckValueArray(0, flags, "psX->", "ppfFlags", &error, KivCheckBoolean), 1);
    EXPECT_EQ(loggedDiagnostic(), "Invalid boolean value psX->ppfFlags[1] given");
    SIFreeError(&error);

    createLog();
    KivArray<std::string> oids;
    oids.emplace("1.2.840.10003.3.1");
    oids.emplace("1.2..3");
    auto checkOid = [](KivAssocId assoc, const std::string* text, const std::string& path, SIError** out) {
        return KivCheckOptionalOid(assoc, *text, path, out);
    };
    EXPECT_EQ(KivCheckValueArray(0, oids, "psX->", "ppcOids", &error, checkOid), 1);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 73);
    EXPECT_EQ(loggedDiagnostic(), "Invalid oid value psX->ppcOids[1] given");
    SIFreeError(&error);
}

TEST_F(ValidationWalkerTest, OptionalChecksPassWhenAbsent) {
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckOptionalBoolean(0, std::nullopt, "p", &error), 0);
    EXPECT_EQ(KivCheckOptionalBoolean(0, 1u, "p", &error), 0);
    EXPECT_EQ(KivCheckOptionalOid(0, std::nullopt, "p", &error), 0);
    EXPECT_EQ(KivCheckOptionalOid(0, std::optional<std::string>("1.2.3"), "p", &error), 0);
    const KivArray<Flagged> anything = flaggedArray({9});
    EXPECT_EQ(KivCheckElementSetsDbSpecific(0, &anything, "p", &error), 0);
    EXPECT_EQ(error, nullptr);

    EXPECT_EQ(KivCheckOptionalBoolean(0, 2u, "psSearchRsp->*pfFlag", &error), 1);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 72);
    EXPECT_EQ(KivCheckOptionalOid(0, std::optional<std::string>(""), "p", &error), 1);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 73);
    SIFreeError(&error);
}

}  // namespace
