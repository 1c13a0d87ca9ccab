// The Scan handler against a generated sample catalogue served by the shipped scan.tblx. The expected term
// lists are read by the test itself from the catalogue's tables.
#include "Quorvane/handlers/scan_handler.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/results/result_set_store.h"
#include "Quorvane/scan/scan_definitions.h"
#include "Quorvane/scan/scan_definitions_reader.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/scan/handler_road_fixture.h"
#include "tests/server/scan/sample_catalogue.h"
#include "tests/server/search/rpn_builder.h"

namespace {

constexpr const char* kBib1 = "1.2.840.10003.3.1";

struct IndexTerm {
    std::string term, display;
    std::uint32_t hits;
};

KivScanReq scanRequest(const std::string& term, std::uint32_t count, std::optional<std::uint32_t> preferred,
                       std::uint32_t use = 4, const std::vector<std::string>& databases = {"Default"}) {
    KivScanReq request;
    for (const std::string& name : databases) request.ppsDatabaseNames.emplace(KivInternationalString{name});
    request.sAttributesPlusTerm = std::move(*rpn::attributesPlusTerm({{1, use}}, rpn::general(term)));
    request.ulNumberOfTermsRequested = count;
    request.pulPreferredPositionInResponse = preferred;
    return request;
}

class ScanHandlerTest : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        ASSERT_FALSE(catalogue().dir().empty()) << catalogue().failure();
        const std::string vesko = catalogue().connectionString("catalogue.db");
        writeIni("[SQL]\npcDateLiteral=ISO\n[ODBC:Default]\nVESKO=" + vesko +
                 "\n[ODBC:SAMPLE]\nVESKO=" + vesko + "\n");
        session_.controlFilesDir = kShippedControlDir;
        session_.scanDefinitions = LoadScanDefinitions(kShippedControlDir);
        ASSERT_TRUE(session_.scanDefinitions);
        titles_ =
            index("SELECT TITLE_KEY, MIN(TITLE), COUNT(*) FROM TITLES GROUP BY TITLE_KEY ORDER BY TITLE_KEY");
        ASSERT_GT(titles_.size(), 40u);
    }

    static const GeneratedCatalogue& catalogue() { return GeneratedCatalogue::instance(); }

    static std::vector<IndexTerm> index(const std::string& statement) {
        std::vector<IndexTerm> terms;
        for (const std::vector<std::string>& row : catalogue().rows(statement)) {
            terms.push_back({row[0], row[1], static_cast<std::uint32_t>(std::stoul(row[2]))});
        }
        return terms;
    }

    KivScanRsp answer(const KivScanReq& request) {
        KivScanRsp response;
        FillScanResponse(session_, request, response);
        return response;
    }

    static std::vector<IndexTerm> entriesOf(const KivScanRsp& response) {
        std::vector<IndexTerm> terms;
        if (response.psEntries == nullptr) return terms;
        for (const KivEntry& entry : response.psEntries->ppsEntry) {
            EXPECT_EQ(entry.eEntryType, ET_TermInfo);
            const KivTermInfo& info = *entry.uEntry.psTermInfo;
            EXPECT_EQ(info.sTerm.eTermType, TT_General);
            terms.push_back({info.sTerm.uTerm.psGeneral->pcValue, info.psDisplayTerm->pcValue,
                             info.pulGlobalOccurrences.value_or(0)});
        }
        return terms;
    }

    static void expectTerms(const std::vector<IndexTerm>& actual, const std::vector<IndexTerm>& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(actual[i].term, expected[i].term);
            EXPECT_EQ(actual[i].display, expected[i].display);
            EXPECT_EQ(actual[i].hits, expected[i].hits);
        }
    }

    // The condition and the additional information of a failed scan's diagnostic.
    static std::pair<std::uint32_t, std::string> diagnosticOf(const KivScanRsp& response) {
        EXPECT_EQ(response.eScanStatus, SCS_Failure);
        EXPECT_EQ(response.ulNumberOfEntriesReturned, 0u);
        EXPECT_FALSE(response.pulPositionOfTerm);
        EXPECT_FALSE(response.pcAttributeSetId);
        if (response.psEntries == nullptr || response.psEntries->ppsNonSurrogateDiagnostics.size() != 1) {
            ADD_FAILURE() << "no diagnostic";
            return {0, ""};
        }
        EXPECT_TRUE(response.psEntries->ppsEntry.present());
        EXPECT_EQ(response.psEntries->ppsEntry.size(), 0u);
        const KivDefaultDiagFormat& diag =
            *response.psEntries->ppsNonSurrogateDiagnostics[0]->uDiagnostics.psDefault;
        EXPECT_EQ(diag.pcDiagnosticSetId, "1.2.840.10003.4.1");
        const KivAdditionalInfo& info = diag.sAdditionalInfo;
        return {diag.ulCondition, info.uAdditionalInfo.psV3 != nullptr
                                      ? info.uAdditionalInfo.psV3->pcValue
                                      : info.uAdditionalInfo.pcV2.value_or("")};
    }

    std::vector<IndexTerm> titlesFrom(size_t first, size_t count) const {
        return {titles_.begin() + static_cast<std::ptrdiff_t>(first),
                titles_.begin() + static_cast<std::ptrdiff_t>(std::min(first + count, titles_.size()))};
    }

    // The position of the first title key not smaller than the text.
    size_t titleAtOrAfter(const std::string& text) const {
        size_t i = 0;
        while (i < titles_.size() && titles_[i].term < text) ++i;
        return i;
    }

    std::vector<IndexTerm> titles_;
};

TEST_F(ScanHandlerTest, TitlesAroundTheTermInIndexOrderWithTheirCounts) {
    const size_t middle = titles_.size() / 2;
    std::string lowerCase = titles_[middle].term;
    for (char& c : lowerCase) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

    KivScanReq request = scanRequest(lowerCase, 10, 1);
    request.psReferenceId = std::make_unique<KivOctets>(KivOctets{"scan-1"});
    KivScanRsp response = answer(request);
    expectTerms(entriesOf(response), titlesFrom(middle, 10));
    EXPECT_EQ(response.eScanStatus, SCS_Success);
    EXPECT_EQ(response.ulNumberOfEntriesReturned, 10u);
    EXPECT_EQ(response.pulPositionOfTerm, 1u);
    EXPECT_EQ(response.pcAttributeSetId, kBib1);
    EXPECT_EQ(response.psReferenceId->pcValue, "scan-1");
    EXPECT_FALSE(response.pulStepSize);
    EXPECT_EQ(response.psEntries->ppsNonSurrogateDiagnostics.present(), false);

    response = answer(scanRequest(titles_[middle].term, 10, 4));
    expectTerms(entriesOf(response), titlesFrom(middle - 3, 10));
    EXPECT_EQ(response.pulPositionOfTerm, 4u);
    EXPECT_EQ(session_.currentDatabase, "Default") << "a scan keeps the name as sent";
}

TEST_F(ScanHandlerTest, AuthorAndSubjectCountsAreRecordsPerTerm) {
    struct Index {
        std::uint32_t use;
        std::string statement;
    };
    for (const Index& scanned :
         {Index{1003,
                "SELECT NAME_KEY, MIN(NAME), COUNT(DISTINCT TITLE_NO) FROM AUTHOR_INDEX GROUP BY NAME_KEY "
                "ORDER BY NAME_KEY"},
          Index{21,
                "SELECT HEADING_KEY, MIN(HEADING), COUNT(DISTINCT TITLE_NO) FROM SUBJECT_INDEX GROUP BY "
                "HEADING_KEY ORDER BY HEADING_KEY"}}) {
        SCOPED_TRACE(scanned.use);
        const std::vector<IndexTerm> terms = index(scanned.statement);
        ASSERT_GT(terms.size(), 12u);
        const size_t from = terms.size() / 3;
        KivScanRsp response = answer(scanRequest(terms[from].term, 12, 1, scanned.use));
        expectTerms(entriesOf(response), {terms.begin() + static_cast<std::ptrdiff_t>(from),
                                          terms.begin() + static_cast<std::ptrdiff_t>(from + 12)});
    }
}

TEST_F(ScanHandlerTest, FewerTermsThanAskedForArePartial) {
    KivScanRsp response = answer(scanRequest(titles_.back().term, 5, 1));
    expectTerms(entriesOf(response), {titles_.back()});
    EXPECT_EQ(response.eScanStatus, SCS_Partial_5);
    EXPECT_EQ(response.ulNumberOfEntriesReturned, 1u);
    EXPECT_EQ(response.pulPositionOfTerm, 1u);

    // Beyond every title: the last titles of the index, the term just after them.
    response = answer(scanRequest("ZZZZ", 5, 1));
    const std::vector<IndexTerm> entries = entriesOf(response);
    ASSERT_FALSE(entries.empty());
    expectTerms(entries, titlesFrom(titles_.size() - entries.size(), entries.size()));
    EXPECT_EQ(response.pulPositionOfTerm, entries.size() + 1);

    // A negative count arrives as a huge one: served up to the cap, so partial.
    const size_t from = titles_.size() - 20;
    response = answer(scanRequest(titles_[from].term, 0xFFFFFFFF, 1));
    EXPECT_EQ(response.eScanStatus, SCS_Partial_5);
    expectTerms(entriesOf(response), titlesFrom(from, 20));

    // A preferred position past the count stands just after the list.
    const size_t middle = titles_.size() / 2;
    response = answer(scanRequest(titles_[middle].term, 5, 0xFFFFFFFF));
    EXPECT_EQ(response.eScanStatus, SCS_Success);
    expectTerms(entriesOf(response), titlesFrom(middle - 5, 5));
    EXPECT_EQ(response.pulPositionOfTerm, 6u) << "the position as used";
}

TEST_F(ScanHandlerTest, ThousandTermScansReachBothEndsOfEveryIndex) {
    struct Index {
        std::uint32_t use;
        std::string statement;
    };
    for (const Index& scanned :
         {Index{4,
                "SELECT TITLE_KEY, MIN(TITLE), COUNT(*) FROM TITLES GROUP BY TITLE_KEY ORDER BY TITLE_KEY"},
          Index{21,
                "SELECT HEADING_KEY, MIN(HEADING), COUNT(*) FROM SUBJECT_INDEX GROUP BY HEADING_KEY "
                "ORDER BY HEADING_KEY"},
          Index{1018,
                "SELECT P.NAME_KEY, MIN(P.NAME), COUNT(*) FROM PUBLISHERS P JOIN TITLES T "
                "ON T.PUBLISHER_NO = P.PUBLISHER_NO GROUP BY P.NAME_KEY ORDER BY P.NAME_KEY"}}) {
        SCOPED_TRACE(scanned.use);
        const std::vector<IndexTerm> terms = index(scanned.statement);
        ASSERT_LT(terms.size(), 1000u) << "the window must open on both sides";

        // From "0" the high side climbs the whole alphabet to the last term.
        std::vector<IndexTerm> fromZero;
        for (const IndexTerm& term : terms) {
            if (term.term >= "0") fromZero.push_back(term);
        }
        KivScanRsp response = answer(scanRequest("0", 1000, 1, scanned.use));
        EXPECT_EQ(response.eScanStatus, SCS_Partial_5);
        expectTerms(entriesOf(response), fromZero);

        // The last term at the last position: the low side climbs down the whole alphabet to the first.
        response = answer(scanRequest(terms.back().term, 1000, 1000, scanned.use));
        EXPECT_EQ(response.eScanStatus, SCS_Partial_5);
        expectTerms(entriesOf(response), terms);
        EXPECT_EQ(response.pulPositionOfTerm, terms.size());
    }
}

TEST_F(ScanHandlerTest, QuotesInTheTermReachTheStatementDoubled) {
    for (const std::string term : {"X' OR '1'='1", "'", "M'", "ZZ'"}) {
        SCOPED_TRACE(term);
        KivScanRsp response = answer(scanRequest(term, 3, 1));
        ASSERT_NE(response.eScanStatus, SCS_Failure) << diagnosticOf(response).second;
        // The titles from the first one not smaller than the term; past the last, the last three.
        const size_t at = std::min(titleAtOrAfter(term), titles_.size() - 3);
        expectTerms(entriesOf(response), titlesFrom(at, 3));
    }
}

struct FailureCase {
    std::string what;
    KivScanReq request;
    std::uint32_t condition;
    std::string text;
};

TEST_F(ScanHandlerTest, ScansThatCannotBeAnsweredCarryOneDiagnostic) {
    std::vector<FailureCase> cases;
    cases.push_back({"step size 2", scanRequest("history", 5, 1), 100, "Unspecified Error"});
    cases.back().request.pulStepSize = 2;
    cases.push_back({"negative step size", scanRequest("history", 5, 1), 100, "Unspecified Error"});
    cases.back().request.pulStepSize = 0xFFFFFFFF;
    cases.push_back(
        {"other attribute set", scanRequest("history", 5, 1), 113, "Unsupported attribute OID type"});
    cases.back().request.pcAttributeSetId = "1.2.840.10003.3.2";
    cases.push_back({"unknown use", scanRequest("history", 5, 1, 9999), 114, "Unsupported use attribute"});
    cases.push_back({"null term", scanRequest("history", 5, 1), 124, "Unsupported coded value for term"});
    cases.back().request.sAttributesPlusTerm.sTerm.eTermType = TT_Null;
    cases.push_back({"database without sources", scanRequest("history", 5, 1, 4, {"NOSUCH"}), 235,
                     "Database does not exist"});
    for (FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        KivScanRsp response = answer(c.request);
        EXPECT_EQ(diagnosticOf(response), std::make_pair(c.condition, c.text));
    }

    session_.scanDefinitions.reset();
    EXPECT_EQ(diagnosticOf(answer(scanRequest("history", 5, 1))),
              std::make_pair(109u, std::string("Database not available")));

    session_.clientProtocolVersion = "111";
    KivScanRsp response = answer(scanRequest("history", 5, 1));
    EXPECT_EQ(response.psEntries->ppsNonSurrogateDiagnostics[0]
                  ->uDiagnostics.psDefault->sAdditionalInfo.eProtocolVersionInForce,
              2)
        << "a version-3 client gets the version-3 form";
}

TEST_F(ScanHandlerTest, AScanLeavesTheResultSetWithItsDatabase) {
    StoreResultSet(session_, ResultSet());
    session_.currentDatabase = "SAMPLE";
    StoreResultSet(session_, ResultSet());
    ASSERT_EQ(answer(scanRequest("history", 3, 1)).eScanStatus, SCS_Success);
    EXPECT_EQ(session_.currentDatabase, "Default");
    EXPECT_EQ(session_.currentScanDefinition, &session_.scanDefinitions->front());
    EXPECT_TRUE(UseResultSetDatabase(session_));
    EXPECT_EQ(session_.currentDatabase, "SAMPLE");
}

using ScanRoadTest = HandlerRoadTest;

TEST_F(ScanRoadTest, ScanIsAnsweredOverTheConnection) {
    const int client = associate(KIV_TS_SCAN_RECVD);
    KivTargetPdu pdu;
    pdu.ePduType = TPT_ScanReq;
    pdu.uPdu.psScanReq = std::make_unique<KivScanReq>(scanRequest("history", 3, 1, 21));
    HandleScanRequest(kId, pdu);

    codec::z3950::PDU answer = decodeApdu(readApdu(client));
    ASSERT_EQ(answer.choiceId, codec::z3950::PDU::kScanResponse);
    const codec::z3950::ScanResponse& scan = *answer.scanResponse;
    EXPECT_EQ(scan.scanStatus, SCS_Success);
    EXPECT_EQ(scan.numberOfEntriesReturned, 3);
    ASSERT_NE(scan.entries, nullptr);
    std::vector<std::string> terms;
    for (const codec::z3950::Entry* entry : elements<codec::z3950::Entry>(scan.entries->entries)) {
        ASSERT_EQ(entry->choiceId, codec::z3950::Entry::kTermInfo);
        terms.push_back(text(*entry->termInfo->term->general));
    }
    const std::vector<std::vector<std::string>> expected = GeneratedCatalogue::instance().rows(
        "SELECT DISTINCT HEADING_KEY FROM SUBJECT_INDEX WHERE HEADING_KEY >= 'HISTORY' ORDER BY HEADING_KEY "
        "LIMIT 3");
    ASSERT_EQ(terms.size(), expected.size());
    for (size_t i = 0; i < terms.size(); ++i) EXPECT_EQ(terms[i], expected[i][0]);
    codec::z3950::FreePDU(&answer);
    EXPECT_EQ(loggedLines().back(), "Sarvik: Sent Scan Response to Z Client");
    EXPECT_EQ(FindSession(kId)->currentDatabase, "Default");
}

TEST_F(ScanRoadTest, FailedScanIsAnsweredWithItsDiagnostic) {
    const int client = associate(KIV_TS_SCAN_RECVD);
    KivTargetPdu pdu;
    pdu.ePduType = TPT_ScanReq;
    pdu.uPdu.psScanReq = std::make_unique<KivScanReq>(scanRequest("history", 3, 1, 9999));
    HandleScanRequest(kId, pdu);

    codec::z3950::PDU answer = decodeApdu(readApdu(client));
    ASSERT_EQ(answer.choiceId, codec::z3950::PDU::kScanResponse);
    EXPECT_EQ(answer.scanResponse->scanStatus, SCS_Failure);
    ASSERT_NE(answer.scanResponse->entries, nullptr);
    EXPECT_EQ(elements<codec::z3950::DiagRec>(answer.scanResponse->entries->nonsurrogateDiagnostics).size(),
              1u);
    codec::z3950::FreePDU(&answer);
    EXPECT_EQ(LockSession(kId), 1);
    UnlockSession(kId);
}

}  // namespace
