// Presents answered from a generated sample catalogue through ODBC, with the shipped control files: a
// Search (or Scan) first, then the Present response as the handler fills it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/handlers/scan_handler.h"
#include "Quorvane/handlers/search_handler.h"
#include "Quorvane/memory/memory_budget.h"
#include "Quorvane/present/present_cache.h"
#include "Quorvane/present/present_definitions.h"
#include "Quorvane/present/present_range.h"
#include "Quorvane/present/present_response.h"
#include "Quorvane/present/record_fetch.h"
#include "Quorvane/present/record_format_choice.h"
#include "Quorvane/present/record_formats.h"
#include "Quorvane/records/marc_record_builder.h"
#include "Quorvane/scan/scan_definitions_reader.h"
#include "Quorvane/search/search_definitions_reader.h"
#include "tests/api/carried_records_equality.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/records/marc_fixture.h"
#include "tests/server/search/rpn_builder.h"
#include "tests/util/occurrences.h"

namespace {

using rpn::general;
using rpn::operand;

constexpr int kRecords = 100;
const std::string kSourceDir = QUORVANE_SOURCE_DIR;
const std::string kControlDir = kSourceDir + "/conf/control";

constexpr const char* kUsMarc = "1.2.840.10003.5.10";
constexpr const char* kUkMarc = "1.2.840.10003.5.11";
constexpr const char* kSutrs = "1.2.840.10003.5.101";
constexpr const char* kOpac = "1.2.840.10003.5.102";
constexpr const char* kGrs1 = "1.2.840.10003.5.105";
constexpr const char* kHtml = "1.2.840.10003.5.109.3";
constexpr const char* kXml = "1.2.840.10003.5.109.10";

// Every record of the sample catalogue: control numbers above 0.
std::unique_ptr<KivRpnStructure> everyRecord() {
    return operand({{1, 12}, {2, 5}}, general("0"));
}

// The serial with ISSN 0375-7501: one position per issue held (8).
std::unique_ptr<KivRpnStructure> serialIssues() {
    return operand({{1, 8}}, general("0375-7501"));
}

class PresentCatalogue : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        const std::string command = "python3 " + kSourceDir + "/data/generate.py --records " +
                                    std::to_string(kRecords) + " --seed 5 --out " + path("sample") +
                                    " --control " + kControlDir + " > " + path("generate.txt") + " 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << readFile("generate.txt");
        const std::string catalogue = connectionString("sample/catalogue.db");
        const std::string library = connectionString("sample/library.db");
        writeIni(
            "[Present]\npcSourceCharacterSet=UTF-8\n[ImageFiles]\npcImageFilesLocation=%s\n"
            "[SQL]\npcDateLiteral=ISO\n[ODBC:SAMPLE]\nVESKO=" +
            catalogue + "\nTELVO=" + library + "\n[ODBC]\nSAMPLERAW=" + catalogue + "\n");
        session_.controlFilesDir = kControlDir;
        LoadPresentDefinitions(session_);
        session_.searchDefinitions = LoadSearchDefinitions(kControlDir + "/" + kSearchFileName);
        session_.scanDefinitions = LoadScanDefinitions(kControlDir);
        ASSERT_TRUE(session_.recordFormats && session_.searchDefinitions && session_.scanDefinitions);
        session_.preferredMessageSize = 1u << 30;
        session_.maximumMessageSize = 1u << 30;
        session_.clientProtocolVersion = "111";
        takeLog();
    }

    // The result count of a successful search.
    std::uint32_t search(const std::string& database, std::unique_ptr<KivRpnStructure> root) {
        KivSearchReq request;
        request.ppsDatabaseNames.emplace(KivInternationalString{database});
        request.psQuery = std::make_unique<KivQuery>();
        request.psQuery->eQueryType = QT_Rpn;
        request.psQuery->uQuery.psRpnQuery =
            std::make_unique<KivRPNQuery>(rpn::query(std::move(root), "1.2.840.10003.3.1"));
        KivSearchRsp response;
        FillSearchResponse(session_, request, response);
        return response.fSearchStatus == 1 ? response.ulResultCount : 0;
    }

    void scan(const std::string& database) {
        KivScanReq request;
        request.ppsDatabaseNames.emplace(KivInternationalString{database});
        request.pcAttributeSetId = "1.2.840.10003.3.1";
        request.sAttributesPlusTerm = std::move(*rpn::attributesPlusTerm({{1, 4}}, general("a")));
        request.ulNumberOfTermsRequested = 5;
        KivScanRsp response;
        FillScanResponse(session_, request, response);
        ASSERT_EQ(session_.currentDatabase, database);
    }

    KivPresentRsp present(std::uint32_t start, std::uint32_t count, std::optional<std::string> syntax,
                          std::optional<std::string> elementSet = std::nullopt) {
        KivPresentReq request;
        request.psReferenceId.reset(new KivOctets{"ref"});
        request.ulResultSetStartPoint = start;
        request.ulNumberOfRecordsRequested = count;
        request.pcPreferredRecordSyntax = std::move(syntax);
        if (elementSet) {
            request.psRecordComposition = std::make_unique<KivRecordComposition>();
            request.psRecordComposition->eRecordCompositionType = 1;
            auto names = std::make_unique<KivElementSetNames>();
            names->eElementSetType = EST_Generic;
            names->uElementSet.psGeneric.reset(new KivInternationalString{*elementSet});
            request.psRecordComposition->uRecordComposition.psElementSetNames = std::move(names);
        }
        KivPresentRsp response;
        FillPresentResponse(session_, request, settings_, response);
        EXPECT_EQ(response.psReferenceId->pcValue, "ref");
        return response;
    }

    // The condition of a failed Present; 0 for any other answer.
    static std::uint32_t failure(const KivPresentRsp& response) {
        if (response.ePresentStatus != PS_Failure) return 0;
        EXPECT_EQ(response.ulNumberOfRecordsReturned, 1u);
        EXPECT_EQ(response.ulNextResultSetPosition, 0u);
        EXPECT_EQ(response.psRecords->eRecordType, RT_NonSurrDiagnostics);
        return response.psRecords->uRecord.psNonSurrogateDiag->ulCondition;
    }

    static std::vector<const KivResponseRecord*> recordsOf(const KivPresentRsp& response) {
        std::vector<const KivResponseRecord*> records;
        if (response.psRecords == nullptr) return records;
        EXPECT_EQ(response.psRecords->eRecordType, RT_Response);
        for (const KivResponseRecord& record : response.psRecords->uRecord.ppsResponseRecord) {
            records.push_back(&record);
        }
        EXPECT_EQ(records.size(), response.ulNumberOfRecordsReturned);
        return records;
    }

    static const KivExternal& externalOf(const KivResponseRecord& record) {
        EXPECT_EQ(record.eDbRecordType, DRT_Retrieval);
        return *record.uDbRecord.psRetrievalRecord;
    }

    static std::string sutrsOf(const KivResponseRecord& record) {
        return externalOf(record).uExternalValue.psSingleASN1Type->uASN1.psUnstructuredText->pcValue;
    }

    // The condition of a surrogate diagnostic record.
    static std::uint32_t surrogateOf(const KivResponseRecord& record) {
        EXPECT_EQ(record.eDbRecordType, DRT_SurrogateDiagnostics);
        return record.uDbRecord.psSurrogateDiagnostic->uDiagnostics.psDefault->ulCondition;
    }

    // Statements prepared since the last look.
    std::uint32_t statementsRun() { return CountOccurrences(takeLog(), "SUCCESS: ODBCPrepareStmt"); }

    PresentSettings settings_;
};

TEST_F(PresentCatalogue, EverySyntaxInFullAndBrief) {
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u) << takeLog();
    std::string marcRecords;
    struct Case {
        const char* syntax;
        const char* oid;  // of the retrieval record
        int valueType;
        int asn1Type;         // of a single ASN.1 type
        bool briefIsSmaller;  // the layout shows columns that only the full definitions fetch
    };
    for (const Case& c :
         std::vector<Case>{{kUsMarc, kUsMarc, EVT_OctetAligned, 0, true},
                           {kUkMarc, kUsMarc, EVT_OctetAligned, 0, true},  // the block's MARCOID
                           {kSutrs, kSutrs, EVT_SingleASN1Type, AT_UnstructuredText, true},
                           {kOpac, kOpac, EVT_SingleASN1Type, AT_OpacRecord, true},
                           {kGrs1, kGrs1, EVT_SingleASN1Type, AT_GenericRecord, false},
                           {kHtml, kHtml, EVT_OctetAligned, 0, false},
                           {kXml, kXml, EVT_OctetAligned, 0, false}}) {
        std::vector<std::size_t> sizes;
        for (const char* elementSet : {"F", "B"}) {
            SCOPED_TRACE(std::string(c.syntax) + " " + elementSet);
            KivPresentRsp response = present(1, 3, c.syntax, elementSet);
            ASSERT_EQ(response.ePresentStatus, PS_Success) << takeLog();
            EXPECT_EQ(response.ulNextResultSetPosition, 4u);
            std::size_t size = 0;
            for (const KivResponseRecord* record : recordsOf(response)) {
                ASSERT_EQ(record->psDatabaseName->pcValue, "SAMPLE");
                const KivExternal& external = externalOf(*record);
                EXPECT_EQ(external.pcObjectIdentifier, c.oid);
                ASSERT_EQ(external.eValueType, c.valueType);
                if (c.valueType == EVT_OctetAligned) {
                    size += external.uExternalValue.psOctetAligned->pcValue.size();
                    if (c.syntax == std::string(kUsMarc) || c.syntax == std::string(kUkMarc)) {
                        marcRecords += external.uExternalValue.psOctetAligned->pcValue;
                    }
                    continue;
                }
                const KivSingleASN1Type& single = *external.uExternalValue.psSingleASN1Type;
                ASSERT_EQ(single.eASN1Type, c.asn1Type);
                if (c.asn1Type == AT_UnstructuredText)
                    size += single.uASN1.psUnstructuredText->pcValue.size();
                if (c.asn1Type == AT_GenericRecord) {
                    EXPECT_GT(single.uASN1.psGenericRecord->ppsTaggedElement.size(), 0u);
                }
                if (c.asn1Type == AT_OpacRecord) {
                    const KivOpacRecord& opac = *single.uASN1.psOpacRecord;
                    const std::string& marc =
                        opac.psBibliographicRecord->uExternalValue.psOctetAligned->pcValue;
                    marcRecords += marc;
                    size += marc.size();
                    ASSERT_GT(opac.ppsHoldingsData.size(), 0u) << "every sample record has copies";
                    const KivHoldingsRecord& holding = *opac.ppsHoldingsData[0];
                    ASSERT_EQ(holding.eHoldingsRecType, 2);
                    const KivHoldingsAndCirc& circulation = holding.uMarcOrHoldAndCirc.sHoldingsAndCirc;
                    EXPECT_NE(circulation.psCallNumber, nullptr);
                    ASSERT_GT(circulation.ppsCircRecord.size(), 0u) << "with its circulation status";
                    EXPECT_NE(circulation.ppsCircRecord[0]->psItemId, nullptr);
                }
            }
            sizes.push_back(size);
        }
        if (c.briefIsSmaller) {
            EXPECT_GT(sizes[0], sizes[1]) << c.syntax << ": full records are larger";
        }
    }

    writeFile("records.mrc", marcRecords);
    std::system(("yaz-marcdump -n " + path("records.mrc") + " > " + path("checked.txt") + " 2>&1").c_str());
    EXPECT_EQ(readFile("checked.txt"), "") << "yaz-marcdump accepts every MARC record";
    std::system(("yaz-marcdump -o marcxml " + path("records.mrc") + " 2>&1 | grep -c '<record' > " +
                 path("count.txt"))
                    .c_str());
    EXPECT_EQ(std::atoi(readFile("count.txt").c_str()), 3 * 2 * 3) << "USMARC, UKMARC and OPAC, F and B";
}

TEST_F(PresentCatalogue, RefusedRequests) {
    EXPECT_EQ(failure(present(1, 1, kSutrs)), kConditionNoResultSet);
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    for (std::uint32_t start : {0u, 101u, 0xFFFFFFFFu}) {
        EXPECT_EQ(failure(present(start, 1, kSutrs)), kConditionStartPointOutOfRange) << start;
    }
    EXPECT_EQ(failure(present(1, 1, "1.2.840.10003.5.1")), 227u) << "UNIMARC has no definitions";
    EXPECT_EQ(failure(present(1, 1, "1.2.3")), 227u);
    EXPECT_EQ(failure(present(1, 1, kSutrs, "X")), 10u);

    // Without a syntax the configured default; a count that arrived negative runs to the end.
    settings_.defaultSyntax = kHtml;
    KivPresentRsp response = present(99, 0xFFFFFFFF, std::nullopt);
    EXPECT_EQ(response.ePresentStatus, PS_Success);
    EXPECT_EQ(response.ulNumberOfRecordsReturned, 2u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
    ASSERT_EQ(recordsOf(response).size(), 2u);
    EXPECT_EQ(externalOf(*recordsOf(response)[1]).pcObjectIdentifier, kHtml);
}

TEST_F(PresentCatalogue, RangesOverSubKeyPositions) {
    ASSERT_EQ(search("SAMPLE", serialIssues()), 8u) << "one position per issue";
    statementsRun();
    KivPresentRsp response = present(1, 8, kSutrs);
    const std::vector<const KivResponseRecord*> records = recordsOf(response);
    ASSERT_EQ(records.size(), 8u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
    for (const KivResponseRecord* record : records) {
        EXPECT_NE(sutrsOf(*record).find("Record: 83"), std::string::npos) << "fetched with the serial's key";
        EXPECT_EQ(sutrsOf(*record), sutrsOf(*records[0]));
    }
    EXPECT_NE(readFile(kDiagInfoName).find("WHERE TITLE_NO = 00000083"), std::string::npos)
        << "the key padded to 8 digits";

    response = present(5, 10, kSutrs);
    EXPECT_EQ(response.ePresentStatus, PS_Success) << "more than remain: the records up to the end";
    EXPECT_EQ(response.ulNumberOfRecordsReturned, 4u);
    EXPECT_EQ(recordsOf(response).size(), 4u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
    response = present(6, 3, kSutrs);
    EXPECT_EQ(recordsOf(response).size(), 3u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
    statementsRun();

    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    settings_.maximumRecords = 5;
    response = present(1, 10, kSutrs);
    EXPECT_EQ(recordsOf(response).size(), 5u);
    EXPECT_EQ(response.ulNextResultSetPosition, 6u);
}

TEST_F(PresentCatalogue, RecordsAreFetchedOncePerResultSetAndDefinitions) {
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    statementsRun();
    constexpr std::uint32_t kFullStatements = 4;  // the holdings statement runs for OPAC only
    constexpr std::uint32_t kBriefStatements = 3;
    constexpr std::uint32_t kMarcStatements = 1;  // MARC_SUBFIELDS: the only one the row mapping reads
    present(1, 3, kSutrs, "F");
    EXPECT_EQ(statementsRun(), kFullStatements) << "each statement once for the three records";
    present(1, 3, kSutrs);
    EXPECT_EQ(statementsRun(), 0u) << "the same range again";
    present(2, 3, kHtml);
    EXPECT_EQ(statementsRun(), kFullStatements) << "only position 4 is new";
    present(1, 2, kSutrs, "B");
    EXPECT_EQ(statementsRun(), kBriefStatements);
    present(1, 2, kUsMarc, "B");
    EXPECT_EQ(statementsRun(), kMarcStatements)
        << "MARC records need only the statements their builder reads";
    present(1, 2, kUkMarc, "B");
    EXPECT_EQ(statementsRun(), 0u) << "another MARC syntax uses the same records";
    present(1, 2, kSutrs, "B");
    EXPECT_EQ(statementsRun(), kBriefStatements) << "the MARC records lack the fields SUTRS reads";
    present(1, 1, kOpac, "B");
    EXPECT_EQ(statementsRun(), kMarcStatements + 1) << "OPAC records are fetched with their holdings";
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    statementsRun();
    present(1, 1, kOpac, "B");
    EXPECT_EQ(statementsRun(), kMarcStatements + 1) << "a new result set fetches anew";
}

// Leaving out the statements the MARC row mapping does not read changes no record: each equals the record
// built from the fields of every statement.
TEST_F(PresentCatalogue, MarcRecordsEqualThoseBuiltFromEveryStatement) {
    constexpr std::uint32_t kCount = 10;
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    KivPresentRsp response = present(1, kCount, kUsMarc, "F");
    ASSERT_EQ(recordsOf(response).size(), kCount);
    KivPresentReq request;
    Bib1Result<RecordFormatChoice> choice = ChooseRecordFormat(session_, request, true);
    ASSERT_TRUE(choice);
    for (std::uint32_t i = 0; i < kCount; ++i) {
        PresentCacheEntry everyField;
        RecordFieldTarget target{FormatResultKey(*session_.resultSet.rowAtPosition(i + 1)),
                                 &everyField.fields, 0};
        ASSERT_TRUE(
            FetchRecordFields(session_, std::span<RecordFieldTarget>(&target, 1), *choice, kSutrs, nullptr));
        ASSERT_NE(FindRowField(FieldRow{&everyField.fields.front()}, "TITLE_NO"), nullptr)
            << "the first statement ran for the comparison";
        const MarcBuildResult built = BuildMarcRecord(everyField, session_);
        EXPECT_EQ(externalOf(*recordsOf(response)[i]).uExternalValue.psOctetAligned->pcValue, built.record)
            << "record " << i + 1;
    }
}

TEST_F(PresentCatalogue, MessageSizesGiveDiagnosticsAndPartialResults) {
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    std::vector<std::uint32_t> sizes;
    const KivPresentRsp unlimited = present(1, 3, kSutrs);
    for (const KivResponseRecord* record : recordsOf(unlimited)) {
        sizes.push_back(static_cast<std::uint32_t>(sutrsOf(*record).size()));
    }
    ASSERT_EQ(sizes.size(), 3u);

    // Records placed beyond the preferred size stop the response; the next position names the first left out.
    session_.preferredMessageSize = sizes[0];
    statementsRun();
    KivPresentRsp response = present(1, 10, kSutrs);
    EXPECT_EQ(response.ePresentStatus, PS_Success);
    EXPECT_EQ(recordsOf(response).size(), 2u);
    EXPECT_EQ(response.ulNextResultSetPosition, 3u);
    EXPECT_EQ(statementsRun(), 4u) << "positions 1 to 3 come from the cache, 4 to 10 are fetched together";

    session_.preferredMessageSize = 0;
    response = present(2, 3, kSutrs);
    EXPECT_EQ(recordsOf(response).size(), 1u) << "the first record is held to the maximum size only";
    EXPECT_EQ(response.ulNextResultSetPosition, 3u);

    // A first record beyond the maximum size: one surrogate diagnostic and no next position.
    session_.preferredMessageSize = 1u << 30;
    session_.maximumMessageSize = sizes[0] - 1;
    response = present(1, 3, kSutrs);
    EXPECT_EQ(response.ePresentStatus, PS_Success);
    const std::vector<const KivResponseRecord*> records = recordsOf(response);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(surrogateOf(*records[0]), 17u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
}

TEST_F(PresentCatalogue, RecordsComeFromTheResultSetsOwnDatabase) {
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    const auto expectSampleRecord = [this](const char* what) {
        KivPresentRsp response = present(1, 1, kUkMarc);
        const std::vector<const KivResponseRecord*> records = recordsOf(response);
        ASSERT_EQ(records.size(), 1u) << what << takeLog();
        EXPECT_EQ(records[0]->psDatabaseName->pcValue, "SAMPLE") << what;
        EXPECT_EQ(externalOf(*records[0]).pcObjectIdentifier, kUsMarc) << what << ": SAMPLE's row mapping";
        EXPECT_EQ(session_.currentDatabase, "SAMPLE");
    };
    scan("SAMPLERAW");
    expectSampleRecord("after a Scan");
    EXPECT_EQ(search("NOSUCH", everyRecord()), 0u);
    expectSampleRecord("after a failed Search");

    // Holdings need the library source, which SAMPLERAW has not.
    scan("SAMPLERAW");
    KivPresentRsp response = present(2, 1, kOpac);
    ASSERT_EQ(recordsOf(response).size(), 1u);
    EXPECT_GT(externalOf(*recordsOf(response)[0])
                  .uExternalValue.psSingleASN1Type->uASN1.psOpacRecord->ppsHoldingsData.size(),
              0u);
}

// The statements of present.full a Present of the SAMPLE database runs: MARC records (row mapping) need only
// the MARC_SUBFIELDS statement, and the holdings statement for OPAC; the others every statement but the
// holdings.
std::uint32_t statementsFor(const std::string& syntax) {
    if (syntax == kUsMarc) return 1;
    return syntax == kOpac ? 2 : 4;
}

TEST_F(PresentCatalogue, RecordsFetchedTogetherEqualRecordsFetchedOneByOne) {
    constexpr std::uint32_t kCount = 20;
    for (const char* syntax : {kUsMarc, kSutrs, kOpac, kGrs1}) {
        SCOPED_TRACE(syntax);
        ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
        removeLog(kDiagInfoName);
        KivPresentRsp together = present(1, kCount, syntax, "F");
        const std::string statements = readFile(kDiagInfoName);
        EXPECT_EQ(CountOccurrences(statements, "WHERE TITLE_NO IN ("), statementsFor(syntax))
            << "each template of present.full the syntax's builder reads, once";
        EXPECT_EQ(CountOccurrences(statements, "WHERE TITLE_NO = "), 0u);
        ASSERT_EQ(recordsOf(together).size(), kCount);

        ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
        for (std::uint32_t i = 0; i < kCount; ++i) {
            KivPresentRsp alone = present(i + 1, 1, syntax, "F");
            ASSERT_EQ(recordsOf(alone).size(), 1u);
            EXPECT_TRUE(carried::same(*recordsOf(together)[i], *recordsOf(alone)[0])) << "record " << i + 1;
        }
    }
}

TEST_F(PresentCatalogue, TheMemoryBudgetGivesTheRecordsBuiltSoFarOrAFailure) {
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    ProcessMemoryBudget& process = ProcessMemoryBudget::instance();
    settings_.requestBudget = 1000;
    EXPECT_EQ(failure(present(1, 10, kUsMarc, "F")), kConditionResourcesExhausted);
    EXPECT_EQ(session_.presentCache->size(), 0u) << "a refused group is not cached";
    EXPECT_EQ(process.reserved(), 0u);

    settings_.requestBudget = 0;
    ASSERT_EQ(recordsOf(present(1, 100, kUsMarc, "F")).size(), 100u);
    EXPECT_EQ(process.reserved(), CachedRecordOctets(*session_.presentCache))
        << "the cache holds its records";
    EXPECT_GT(process.reserved(), 100u * 1000);

    // Cached records cost only their packaging: 2 x about 1,500 octets each.
    settings_.requestBudget = 20000;
    KivPresentRsp partial = present(1, 100, kUsMarc, "F");
    EXPECT_EQ(partial.ePresentStatus, PS_Partial_4);
    const std::size_t placed = recordsOf(partial).size();
    EXPECT_GT(placed, 0u);
    EXPECT_LT(placed, 100u);
    EXPECT_EQ(partial.ulNextResultSetPosition, placed + 1);

    // A cache larger than a request's budget keeps only what the next Present uses.
    KivPresentRsp next = present(50, 3, kUsMarc, "F");
    EXPECT_EQ(recordsOf(next).size(), 3u);
    EXPECT_EQ(session_.presentCache->size(), 3u);
    EXPECT_EQ(process.reserved(), CachedRecordOctets(*session_.presentCache));

    settings_.processBudget = process.reserved() + 1000;
    settings_.requestBudget = 0;
    EXPECT_EQ(failure(present(60, 10, kUsMarc, "F")), kConditionResourcesExhausted) << "the process's budget";
    settings_.processBudget = 0;
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    EXPECT_EQ(process.reserved(), 0u) << "a new result set empties the cache";
}

class PresentFailures : public PresentCatalogue {
  protected:
    // A record format of the session whose file holds the text.
    void addFormat(const std::string& name, const std::string& text) {
        writeFile(name + ".present", text);
        session_.recordFormats->append(
            std::make_unique<RecordFormat>(RecordFormat{name, LoadPresentFile(path(name + ".present"))}));
    }
};

TEST_F(PresentFailures, ADatabaseFailureFailsThePresentAndIsNotCached) {
    addFormat("BROKEN", "#DEFAULT#SELECT TITLE, NO_SUCH_COLUMN FROM TITLE_DETAILS WHERE TITLE_NO = XXXXX;");
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    EXPECT_EQ(failure(present(1, 2, kSutrs, "BROKEN")), 2u);
    EXPECT_EQ(session_.presentCache->size(), 0u);
    KivPresentRsp response = present(1, 2, kSutrs, "F");
    EXPECT_EQ(recordsOf(response).size(), 2u) << "the next Present is not failed by the earlier one";
}

TEST_F(PresentFailures, AResultSetDatabaseThatNoLongerConnectsFailsThePresentWithItsCondition) {
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    writeIni("[ODBC:SAMPLE]\nVESKO=" + connectionString("sample/missing.db") + "\n");
    EXPECT_EQ(failure(present(1, 1, kSutrs)), kConditionDatabaseUnavailable);
    EXPECT_EQ(failure(present(1, 1, "1.2.3")), kConditionNoDataInSyntax) << "the request's own refusal first";
    EXPECT_EQ(failure(present(1, 1, kSutrs)), kConditionDatabaseUnavailable);
}

TEST_F(PresentFailures, APresentBlockMissingForTheDatabaseIsAConfigurationError) {
    addFormat("ELSEWHERE", "#OTHER#SELECT TITLE FROM TITLE_DETAILS WHERE TITLE_NO = XXXXX;");
    ASSERT_EQ(search("SAMPLE", everyRecord()), 100u);
    EXPECT_EXIT(
        {
            const bool clean = !configErrorIsSet();
            const std::uint32_t condition = failure(present(1, 2, kSutrs, "ELSEWHERE"));
            const bool logged =
                takeLog().find("No database SAMPLE in second query definition file") != std::string::npos;
            std::exit(
                clean && condition == kConditionConfigurationFailure && logged && configErrorIsSet() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
