// The Search handler against a generated sample catalogue served by the shipped control files. Every
// expected hit count is worked out by the test itself with plain SQL on the catalogue's tables.
#include "Quorvane/handlers/search_handler.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/results/result_set_store.h"
#include "Quorvane/search/search_definitions_reader.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/scan/handler_road_fixture.h"
#include "tests/server/scan/sample_catalogue.h"
#include "tests/server/search/rpn_builder.h"

namespace {

using rpn::combine;
using rpn::general;
using rpn::operand;

class SearchHandlerTest : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        ASSERT_FALSE(catalogue().dir().empty()) << catalogue().failure();
        const std::string vesko = catalogue().connectionString("catalogue.db");
        std::string ini = "[SQL]\npcDateLiteral=ISO\nulDefaultUseAttribute=1016\n";
        for (const char* database : {"Default", "SAMPLE", "CAT1", "GROUP", "test"}) {
            ini += std::string("[ODBC:") + database + "]\nVESKO=" + vesko + "\n";
        }
        writeIni(ini);
        session_.controlFilesDir = kShippedControlDir;
        session_.searchDefinitions = LoadSearchDefinitions(kShippedControlDir + "/search.tblx");
        ASSERT_TRUE(session_.searchDefinitions);
    }

    static const GeneratedCatalogue& catalogue() { return GeneratedCatalogue::instance(); }

    static KivSearchReq request(std::unique_ptr<KivRpnStructure> root,
                                const std::vector<std::string>& databases = {"SAMPLE"},
                                std::optional<std::string> attributeSet = std::nullopt) {
        KivSearchReq request;
        for (const std::string& name : databases)
            request.ppsDatabaseNames.emplace(KivInternationalString{name});
        request.psQuery = std::make_unique<KivQuery>();
        request.psQuery->eQueryType = QT_Rpn;
        request.psQuery->uQuery.psRpnQuery =
            std::make_unique<KivRPNQuery>(rpn::query(std::move(root), std::move(attributeSet)));
        return request;
    }

    KivSearchRsp answer(const KivSearchReq& request) {
        KivSearchRsp response;
        FillSearchResponse(session_, request, response);
        return response;
    }

    // The hit count of a successful search.
    std::uint32_t hits(std::unique_ptr<KivRpnStructure> root,
                       const std::vector<std::string>& databases = {"SAMPLE"}) {
        KivSearchRsp response = answer(request(std::move(root), databases));
        EXPECT_EQ(response.fSearchStatus, 1u) << conditionOf(response);
        EXPECT_EQ(response.ulResultCount, session_.resultCount);
        return response.ulResultCount;
    }

    // The condition of a failed search's diagnostic; -1 for a search that succeeded.
    static std::int64_t conditionOf(const KivSearchRsp& response) {
        if (response.fSearchStatus != 0 || response.psRecords == nullptr ||
            response.psRecords->uRecord.psNonSurrogateDiag == nullptr) {
            return -1;
        }
        return response.psRecords->uRecord.psNonSurrogateDiag->ulCondition;
    }

    std::int64_t failure(const KivSearchReq& request) { return conditionOf(answer(request)); }
    std::int64_t failure(std::unique_ptr<KivRpnStructure> root,
                         const std::vector<std::string>& databases = {"SAMPLE"}) {
        return failure(request(std::move(root), databases));
    }

    static std::string countTitles(const std::string& where) {
        return "SELECT COUNT(*) FROM TITLES WHERE " + where;
    }
};

struct HitCase {
    std::string what;
    std::vector<rpn::Attribute> attributes;
    std::string term;
    std::string oracle;  // counts the records the search is to find
};

// Titles holding the word in a field of the word index ("" for any field).
std::string inWords(const std::string& field, const std::string& word) {
    return "TITLE_NO IN (SELECT TITLE_NO FROM WORDS WHERE WORD = '" + word + "'" +
           (field.empty() ? std::string() : " AND FIELD = '" + field + "'") + ")";
}

TEST_F(SearchHandlerTest, HitCountsOfTheSearchPaths) {
    const std::string firstTitleKey = catalogue().value("SELECT TITLE_KEY FROM TITLES WHERE TITLE_NO = 1");
    const std::string firstIsbn = catalogue().value("SELECT ISBN FROM TITLES WHERE TITLE_NO = 1");
    ASSERT_FALSE(firstTitleKey.empty());
    ASSERT_NE(firstIsbn.find('-'), std::string::npos);
    std::string isbnDigits;
    for (char c : firstIsbn) {
        if (c != '-') isbnDigits += c;
    }
    const std::string anyField = inWords("", "COMPUTER");
    const std::vector<HitCase> cases = {
        {"title words, whole words of the word index",
         {{1, 4}},
         "computer networks",
         countTitles(inWords("T", "COMPUTER") + " AND " + inWords("T", "NETWORKS"))},
        {"title begins with, right-truncated",
         {{1, 4}, {3, 1}},
         "principles of",
         countTitles("TITLE_KEY LIKE 'PRINCIPLES OF%'")},
        {"complete title",
         {{1, 4}, {6, 3}},
         firstTitleKey,
         countTitles("TITLE_KEY = '" + firstTitleKey + "'")},
        {"personal name",
         {{1, 1}},
         "Mason, Mary",
         "SELECT COUNT(DISTINCT TITLE_NO) FROM AUTHOR_INDEX WHERE NAME_KEY LIKE '%MASON%' AND "
         "NAME_KEY LIKE '%MARY%'"},
        {"author", {{1, 1003}}, "mason", countTitles(inWords("A", "MASON"))},
        {"subject words", {{1, 21}}, "cooking", countTitles(inWords("S", "COOKING"))},
        {"subject heading right-truncated",
         {{1, 21}, {4, 1}, {5, 1}},
         "comput",
         "SELECT COUNT(DISTINCT TITLE_NO) FROM SUBJECT_INDEX WHERE HEADING_KEY LIKE 'COMPUT%'"},
        {"ISBN with hyphens",
         {{1, 7}},
         firstIsbn,
         "SELECT COUNT(DISTINCT TITLE_NO) FROM ISBNS WHERE ISBN = '" + isbnDigits + "'"},
        {"year before", {{1, 31}, {2, 1}}, "1990", countTitles("PUB_YEAR < 1990")},
        {"year up to", {{1, 31}, {2, 2}}, "1990", countTitles("PUB_YEAR <= 1990")},
        {"year equal", {{1, 31}, {2, 3}}, "1990", countTitles("PUB_YEAR = 1990")},
        {"year from", {{1, 31}, {2, 4}}, "1990", countTitles("PUB_YEAR >= 1990")},
        {"year after", {{1, 31}, {2, 5}}, "1990", countTitles("PUB_YEAR > 1990")},
        {"keyword in any field", {{1, 1016}}, "computer", countTitles(anyField)},
        {"no use attribute: any field", {}, "computer", countTitles(anyField)},
        {"stemmed word",
         {{1, 1016}, {2, 101}},
         "computers",
         "SELECT COUNT(DISTINCT TITLE_NO) FROM WORDS WHERE STEM = 'COMPUT'"},
        {"relevance of one word: every record holding its stem",
         {{1, 1016}, {2, 102}},
         "computers",
         "SELECT COUNT(DISTINCT TITLE_NO) FROM WORDS WHERE STEM = 'COMPUT'"},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::uint32_t expected = catalogue().count(c.oracle);
        EXPECT_EQ(hits(operand(c.attributes, general(c.term))), expected) << takeLog();
    }
    EXPECT_GT(catalogue().count(countTitles(anyField)), 0u) << "the sample has records to find";
}

TEST_F(SearchHandlerTest, BooleanCombinationsAndRelevanceOfTwoWords) {
    auto title = [] { return operand({{1, 4}}, general("computer")); };
    auto subject = [] { return operand({{1, 21}}, general("dictionaries")); };
    const std::string inTitle = inWords("T", "COMPUTER");
    const std::string inSubject = inWords("S", "DICTIONARIES");
    EXPECT_EQ(hits(combine(2, title(), subject())),
              catalogue().count(countTitles(inTitle + " AND " + inSubject)));
    EXPECT_EQ(hits(combine(1, title(), subject())),
              catalogue().count(countTitles(inTitle + " OR " + inSubject)));
    EXPECT_EQ(hits(combine(3, title(), subject())),
              catalogue().count(countTitles(inTitle + " AND NOT COALESCE(" + inSubject + ", 0)")));

    // Relevance: records holding both stems are found, records holding neither are not.
    const std::uint32_t ranked = hits(operand({{1, 1016}, {2, 102}}, general("computer networks")));
    const std::string holding =
        "SELECT COUNT(*) FROM (SELECT TITLE_NO FROM WORDS WHERE STEM IN ('COMPUT', 'NETWORK') "
        "GROUP BY TITLE_NO HAVING COUNT(DISTINCT STEM) >= ";
    EXPECT_GE(ranked, catalogue().count(holding + "2)"));
    EXPECT_LE(ranked, catalogue().count(holding + "1)"));
    EXPECT_GT(ranked, 0u);
}

TEST_F(SearchHandlerTest, SuccessfulAnswerCarriesTheCountAndNoRecords) {
    KivSearchReq withReference = request(operand({{1, 4}}, general("computer")));
    withReference.psReferenceId = std::make_unique<KivOctets>(KivOctets{std::string("r\0f", 3)});
    KivSearchRsp response = answer(withReference);
    EXPECT_EQ(response.psReferenceId->pcValue, std::string("r\0f", 3));
    EXPECT_EQ(response.fSearchStatus, 1u);
    EXPECT_GT(response.ulResultCount, 0u);
    EXPECT_EQ(response.ulNumberOfRecordsReturned, 0u);
    EXPECT_EQ(response.ulNextResultSetPosition, 1u);
    EXPECT_FALSE(response.peResultSetStatus);
    EXPECT_FALSE(response.pePresentStatus);
    EXPECT_EQ(response.psRecords, nullptr);

    response = answer(request(operand({{1, 4}}, general("xyzzyplugh"))));
    EXPECT_EQ(response.fSearchStatus, 1u);
    EXPECT_EQ(response.ulResultCount, 0u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u) << "nothing to present";
    EXPECT_EQ(response.psReferenceId, nullptr);
}

struct DiagnosticCase {
    std::string what;
    std::vector<rpn::Attribute> attributes;
    rpn::Term term;
    std::int64_t condition;
};

TEST_F(SearchHandlerTest, UnsupportedSearchesAnswerTheirBib1Diagnostic) {
    for (const DiagnosticCase& c : {
             DiagnosticCase{"unknown use attribute", {{1, 9999}}, general("x"), 114},
             DiagnosticCase{"term of punctuation only", {{1, 4}}, general("!!!"), 125},
             DiagnosticCase{"number that is no number", {{1, 12}}, general("12' OR '1'='1"), 125},
             DiagnosticCase{"null term", {{1, 4}}, rpn::Term{TT_Null, "", 0}, 229},
             // A negative use value arrives as a huge unsigned one and maps to nothing.
             DiagnosticCase{"negative use value", {{1, 0xFFFFFFFF}}, general("x"), 114},
         }) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(failure(operand(c.attributes, c.term)), c.condition);
    }

    EXPECT_EQ(failure(request(operand({{1, 4}}, general("x")), {"SAMPLE"}, "1.2.840.10003.3.99")), 123);
    EXPECT_EQ(failure(combine(4, operand({{1, 4}}, general("a")), operand({{1, 4}}, general("b")))), 201);
    EXPECT_EQ(failure(operand({{1, 4}}, general("x")), {"NOSUCH"}), 235);

    std::unique_ptr<KivRpnStructure> complex = operand({{1, 4}}, general("x"));
    KivAttributeElement& use =
        *complex->uRPNStructure.psRpnOperand->uOperand.psAttributesPlusTerm->ppsAttributeElement[0];
    use.sAttributeValue.eAttributeValueType = 2;
    use.sAttributeValue.uAttributeValue.psComplexValue = std::make_unique<KivComplexValue>();
    EXPECT_EQ(failure(std::move(complex)), 113);
}

TEST_F(SearchHandlerTest, QueriesThatAreNotTypeOneAnswerQueryTypeNotSupported) {
    KivSearchReq privateQuery = request(operand({{1, 4}}, general("x")));
    privateQuery.psQuery->eQueryType = QT_Private;
    privateQuery.psQuery->uQuery.psPrivateQuery = std::make_unique<KivOctets>();
    KivSearchRsp response = answer(privateQuery);
    EXPECT_EQ(conditionOf(response), 107);
    EXPECT_EQ(response.fSearchStatus, 0u);
    EXPECT_EQ(response.peResultSetStatus, RSS_None);
    EXPECT_EQ(response.ulResultCount, 0u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
    EXPECT_EQ(response.psRecords->eRecordType, 2);
    EXPECT_EQ(response.psRecords->uRecord.psNonSurrogateDiag->pcDiagnosticSetId, "1.2.840.10003.4.1");

    KivSearchReq noQuery = request(operand({{1, 4}}, general("x")));
    noQuery.psQuery.reset();
    EXPECT_EQ(failure(noQuery), 107);
}

TEST_F(SearchHandlerTest, TheFirstDatabaseNameUpperCasedIsSearched) {
    const std::uint32_t computers = hits(operand({{1, 4}}, general("computer")));
    ASSERT_GT(computers, 0u);
    EXPECT_EQ(hits(operand({{1, 4}}, general("computer")), {"cat1", "cat2"}), computers);
    EXPECT_EQ(session_.currentDatabase, "CAT1") << "CAT2 has no connection strings: only CAT1 is searched";
    EXPECT_EQ(hits(operand({{1, 4}}, general("computer")), {"Default"}), computers);
    EXPECT_EQ(session_.currentDatabase, "DEFAULT");

    KivSearchReq unnamed = request(operand({{1, 4}}, general("computer")), {});
    EXPECT_EQ(SearchDatabaseName(unnamed), "test");
    EXPECT_EQ(answer(unnamed).fSearchStatus, 1u) << "a search without a database name searches test";
    EXPECT_EQ(session_.currentDatabase, "test");
    EXPECT_EQ(failure(operand({{1, 4}}, general("computer")), {""}), 235) << "an empty name names no source";
}

TEST_F(SearchHandlerTest, EachSearchReplacesTheResultSetAndAFailureKeepsIt) {
    const std::uint32_t computers = hits(operand({{1, 4}}, general("computer")), {"SAMPLE"});
    const std::uint32_t cooking = hits(operand({{1, 21}}, general("cooking")), {"Default"});
    ASSERT_NE(computers, cooking);
    EXPECT_EQ(session_.resultCount, cooking);
    EXPECT_EQ(ResultSetDatabase(session_), "DEFAULT");

    static const char kFormat[] = "full";
    session_.cacheFormatName = kFormat;
    EXPECT_EQ(failure(operand({{1, 4}}, general("x")), {"NOSUCH"}), 235);
    EXPECT_EQ(session_.currentDatabase, "NOSUCH") << "the database named is current even after a failure";
    EXPECT_EQ(session_.resultCount, cooking);
    EXPECT_EQ(ResultSetDatabase(session_), "DEFAULT") << "the kept result set still belongs to its database";
    EXPECT_EQ(session_.cacheFormatName, kFormat);

    EXPECT_EQ(hits(operand({{1, 4}}, general("computer"))), computers);
    EXPECT_EQ(session_.cacheFormatName, nullptr) << "the next Present refills its cache";
}

TEST_F(SearchHandlerTest, ACollectiveBlockAnswersAFailedSearch) {
    std::ifstream shipped(kShippedControlDir + "/search.tblx");
    // The collective block comes first: the shipped block serves every other database as DEFAULT.
    std::string text =
        "DATABASES,\"GROUP\";\nATTRIBUTESETS,\"1.2.840.10003.3.1\";\nCOLLECTIVE;\nCODEDITEMS,1;\n"
        "KEYS,\"TITLES.TITLE_NO\",NUMERIC;\nSTOPWORDS,\" THE \";\nATTRIBUTES;\n"
        "4,\"TITLES.TITLE_KEY\",BOTH,FALSE,0,0,0;\n";
    text.append(std::istreambuf_iterator<char>(shipped), {});
    writeFile("search.tblx", text);
    session_.searchDefinitions = LoadSearchDefinitions(path("search.tblx"));
    ASSERT_TRUE(session_.searchDefinitions);

    const std::uint32_t computers = hits(operand({{1, 4}}, general("computer")));
    EXPECT_EQ(failure(operand({{1, 4}}, general("cooking")), {"GROUP"}), 100);
    EXPECT_EQ(session_.resultCount, computers);
    EXPECT_EQ(ResultSetDatabase(session_), "SAMPLE");
}

TEST_F(SearchHandlerTest, InjectedTermsFindOnlyTheirOwnText) {
    // Dewey class (13) writes the term as it stands into LIKE 'XXTERMXX%'; the title (4) folds it first.
    const std::string dewey =
        catalogue().value("SELECT DEWEY_CLASS FROM TITLES WHERE DEWEY_CLASS <> '' LIMIT 1");
    ASSERT_FALSE(dewey.empty());
    EXPECT_EQ(hits(operand({{1, 13}}, general(dewey))),
              catalogue().count(countTitles("DEWEY_CLASS LIKE '" + dewey + "%'")));
    for (const char* term : {"X' OR '1'='1", "' OR 1=1 --", "0%' OR DEWEY_CLASS LIKE '%"}) {
        SCOPED_TRACE(term);
        EXPECT_EQ(hits(operand({{1, 13}}, general(term))), 0u) << takeLog();
        EXPECT_EQ(hits(operand({{1, 4}, {4, 1}}, general(term))), 0u);
    }
}

using SearchRoadTest = HandlerRoadTest;

TEST_F(SearchRoadTest, SearchIsAnsweredOverTheConnectionAndTheSessionGivenBack) {
    const int client = associate(KIV_TS_SEARCH_RECVD);
    KivTargetPdu pdu;
    pdu.ePduType = TPT_SearchReq;
    pdu.uPdu.psSearchReq = std::make_unique<KivSearchReq>();
    KivSearchReq& search = *pdu.uPdu.psSearchReq;
    search.psReferenceId = std::make_unique<KivOctets>(KivOctets{"ref"});
    search.ppsDatabaseNames.emplace(KivInternationalString{"Default"});
    search.psQuery = std::make_unique<KivQuery>();
    search.psQuery->eQueryType = QT_Rpn;
    search.psQuery->uQuery.psRpnQuery =
        std::make_unique<KivRPNQuery>(rpn::query(operand({{1, 21}}, general("cooking"))));
    HandleSearchRequest(kId, pdu);

    codec::z3950::PDU answer = decodeApdu(readApdu(client));
    ASSERT_EQ(answer.choiceId, codec::z3950::PDU::kSearchResponse);
    EXPECT_EQ(text(answer.searchResponse->referenceId), "ref");
    EXPECT_EQ(answer.searchResponse->searchStatus, 1);
    EXPECT_EQ(answer.searchResponse->resultCount,
              GeneratedCatalogue::instance().count(
                  "SELECT COUNT(*) FROM TITLES WHERE SUBJECT_KEY LIKE '%COOKING%'"));
    EXPECT_EQ(answer.searchResponse->numberOfRecordsReturned, 0);
    codec::z3950::FreePDU(&answer);
    EXPECT_EQ(loggedLines().back(), "Sent SearchResponse PDU from association id 4712");
    EXPECT_EQ(LockSession(kId), 1) << "the session was given back";
    UnlockSession(kId);
}

}  // namespace
