#include "Quorvane/scan/scan_terms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Quorvane/scan/scan_definitions.h"
#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

constexpr const char* kWindowStatement =
    "SELECT K, N, D FROM IDX WHERE K >= 'XXTERM1XX' AND K < 'XXTERM2XX' ORDER BY K";

class ScanTermsTest : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        std::vector<std::string> keys = {"ALPHA", "BETA", "GAMMA", "HA", "HIDDEN", "HISTORY"};
        for (int i = 1; i <= 9; ++i) keys.push_back("HISTORY " + std::to_string(i));
        for (const char* key : {"IOTA", "KAPPA", "X''RAY", "ZETA"}) keys.emplace_back(key);
        std::string insert = "INSERT INTO IDX VALUES ";
        for (size_t i = 0; i < keys.size(); ++i) {
            insert += (i == 0 ? "('" : ", ('") + keys[i] + "', " + std::to_string(i + 1) + ", 'shown " +
                      keys[i] + "')";
        }
        createDatabase("index.db", {"CREATE TABLE IDX (K TEXT, N INTEGER, D TEXT)", insert});
        writeIni("[ODBC:IDX]\nVESKO=" + connectionString("index.db") + "\n");
        definition_.databaseNames = {"IDX"};
        definition_.attributeSetIds = {"1.2.840.10003.3.1"};
        definition_.mappings = {
            ScanMapping{4, 1, 3, 2, kWindowStatement}, ScanMapping{5, 0, 9, 2, kWindowStatement},
            ScanMapping{6, 1, 3, 2,
                        "SELECT K, N, D FROM IDX WHERE 1 = 0 AND K >= 'XXTERM1XX' AND "
                        "K < 'XXTERM2XX'"},
            ScanMapping{7, 1, 3, 2, "SELECT K, N, D FROM MISSING WHERE K >= 'XXTERM1XX'"}};
        session_.currentDatabase = "IDX";
        session_.currentScanDefinition = &definition_;
    }

    Bib1Result<ScanTermList> collect(const std::string& term, std::uint32_t count, std::uint32_t preferred,
                                     std::int32_t use = 4) {
        return CollectScanTerms(session_, use, term, count, preferred);
    }

    static std::vector<std::string> termsOf(const ScanTermList& list) {
        std::vector<std::string> terms;
        for (const ScanTerm& term : list.terms) terms.push_back(term.term);
        return terms;
    }

    // The scan statements run so far, as diaginfo.txt holds them.
    std::vector<std::string> statementsRun() const {
        std::vector<std::string> statements;
        std::istringstream in(readFile("diaginfo.txt"));
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("SELECT", 0) == 0) statements.push_back(line);
        }
        return statements;
    }

    static std::vector<std::string> historyRange(int from, int to) {
        std::vector<std::string> terms;
        for (int i = from; i <= to; ++i) terms.push_back(i == 0 ? "HISTORY" : "HISTORY " + std::to_string(i));
        return terms;
    }

    ScanDefinition definition_;
};

TEST_F(ScanTermsTest, FirstWindowThatHoldsEnoughTermsAnswers) {
    Bib1Result<ScanTermList> list = collect("HISTORY", 10, 1);
    ASSERT_TRUE(list) << list.outcome().condition();
    EXPECT_EQ(termsOf(*list), historyRange(0, 9));
    EXPECT_EQ(list->positionOfTerm, 1u);
    EXPECT_EQ(list->terms[0].hits, 6u);
    EXPECT_EQ(list->terms[0].displayTerm, "shown HISTORY");
    const std::vector<std::string> statements = statementsRun();
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_NE(statements[0].find("K >= 'HI' AND K < 'HJ'"), std::string::npos) << statements[0];
    EXPECT_NE(readFile("diaginfo.txt").find("start 2 : end 11\n1 : HIDDEN\n2 : HISTORY\n"),
              std::string::npos);
}

struct PositionCase {
    std::string term;
    std::uint32_t count, preferred;
    std::vector<std::string> expected;
    std::uint32_t position;
};

TEST_F(ScanTermsTest, WindowWidensUntilTheTermStandsAtItsPosition) {
    for (const PositionCase& c : {
             // Two terms before HISTORY are wanted: the low side widens down to HA.
             PositionCase{"HISTORY", 3, 3, {"HA", "HIDDEN", "HISTORY"}, 3},
             // Position 0: the list starts after the term.
             PositionCase{"HISTORY", 2, 0, historyRange(1, 2), 0},
             // Beyond the count: at most one past it, the term just after the list.
             PositionCase{"HISTORY 5", 2, 100, historyRange(3, 4), 3},
             PositionCase{"HISTORY 5", 2, 0xFFFFFFFF, historyRange(3, 4), 3},
             // Only three terms from KAPPA on: the high side opens and the list is what there is.
             PositionCase{"KAPPA", 5, 1, {"KAPPA", "X'RAY", "ZETA"}, 1},
             // Fewer terms before the term than the position asks for: the list starts at the first.
             PositionCase{"BETA", 3, 3, {"ALPHA", "BETA", "GAMMA"}, 2},
             // Every term of the first window lies below HIT, yet terms follow it in the index.
             PositionCase{"HIT", 2, 1, {"IOTA", "KAPPA"}, 1},
             // Beyond every term: the last terms of the index, the term just after them.
             PositionCase{"ZZZZ", 3, 1, {"KAPPA", "X'RAY", "ZETA"}, 4},
             PositionCase{"", 2, 1, {"ALPHA", "BETA"}, 1},
         }) {
        SCOPED_TRACE(c.term + " " + std::to_string(c.preferred));
        Bib1Result<ScanTermList> list = collect(c.term, c.count, c.preferred);
        ASSERT_TRUE(list) << list.outcome().condition();
        EXPECT_EQ(termsOf(*list), c.expected);
        EXPECT_EQ(list->positionOfTerm, c.position);
    }
}

TEST_F(ScanTermsTest, RequestedCountIsCappedNotTrusted) {
    // 0xFFFFFFFF is a negative count as received: every term from ALPHA on, once each.
    Bib1Result<ScanTermList> list = collect("A", 0xFFFFFFFF, 1);
    ASSERT_TRUE(list) << list.outcome().condition();
    EXPECT_EQ(list->terms.size(), 19u);
    EXPECT_EQ(list->terms.front().term, "ALPHA");
    EXPECT_EQ(list->terms.back().term, "ZETA");
}

TEST_F(ScanTermsTest, BoundsWithQuotesMatchOnlyTheirOwnText) {
    Bib1Result<ScanTermList> list = collect("X'", 1, 1);
    ASSERT_TRUE(list) << list.outcome().condition();
    EXPECT_EQ(termsOf(*list), std::vector<std::string>{"X'RAY"});
    EXPECT_NE(statementsRun().front().find("K >= 'X''' AND K < 'X('"), std::string::npos);
    list = collect("' OR 'A'='A", 2, 1);
    ASSERT_TRUE(list) << list.outcome().condition();
    EXPECT_EQ(termsOf(*list), (std::vector<std::string>{"ALPHA", "BETA"}));
}

TEST_F(ScanTermsTest, ColumnNumbersOutsideTheRowNameItsEnds) {
    Bib1Result<ScanTermList> list = collect("GAMMA", 1, 1, 5);
    ASSERT_TRUE(list) << list.outcome().condition();
    ASSERT_EQ(list->terms.size(), 1u);
    EXPECT_EQ(list->terms[0].term, "GAMMA");
    EXPECT_EQ(list->terms[0].displayTerm, "shown GAMMA");
}

TEST_F(ScanTermsTest, AnEmptyIndexIsScannedToItsEndsInAFewStatements) {
    // From "0" the high side takes the alphabet's 36 x 26 steps, from "ZZ" the low side does.
    for (const char* term : {"HISTORY", "0", "ZZ"}) {
        SCOPED_TRACE(term);
        const size_t before = statementsRun().size();
        Bib1Result<ScanTermList> list = collect(term, 5, 3, 6);
        ASSERT_TRUE(list) << "both sides open before the rounds run out: " << list.outcome().condition();
        EXPECT_TRUE(list->terms.empty());
        EXPECT_LE(statementsRun().size() - before, 2u * 11u) << "each widening doubles its steps";
    }
}

TEST_F(ScanTermsTest, FailuresAnswerTheirCondition) {
    EXPECT_EQ(collect("HISTORY", 5, 1, 99).outcome().condition(), 114u);
    EXPECT_EQ(collect("HISTORY", 5, 1, 7).outcome().condition(), 2u);
    session_.currentDatabase = "NOWHERE";
    EXPECT_EQ(collect("HISTORY", 5, 1).outcome().condition(), 235u);
}

}  // namespace
