#include "Quorvane/diagnostics/diagnostics.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

void expectBib1V3(const KivDefaultDiagFormat* diag, std::uint32_t condition, const std::string& text) {
    ASSERT_NE(diag, nullptr);
    EXPECT_EQ(diag->pcDiagnosticSetId, "1.2.840.10003.4.1");
    EXPECT_EQ(diag->ulCondition, condition);
    EXPECT_EQ(diag->sAdditionalInfo.eProtocolVersionInForce, PVIF_Version3);
    ASSERT_NE(diag->sAdditionalInfo.uAdditionalInfo.psV3, nullptr);
    EXPECT_EQ(diag->sAdditionalInfo.uAdditionalInfo.psV3->pcValue, text);
    EXPECT_EQ(diag->sAdditionalInfo.uAdditionalInfo.pcV2, std::nullopt);
}

TEST(SearchDiagnostic, FailureCarriesOneNonSurrogateDiagnostic) {
    KivSearchRsp response;
    response.ulResultCount = 12;
    SetSearchDiagnostic(response, 114);
    EXPECT_EQ(response.ulResultCount, 0u);
    EXPECT_EQ(response.ulNumberOfRecordsReturned, 1u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
    EXPECT_EQ(response.fSearchStatus, 0u);
    EXPECT_EQ(response.peResultSetStatus, RSS_None);
    ASSERT_NE(response.psRecords, nullptr);
    EXPECT_EQ(response.psRecords->eRecordType, RT_NonSurrDiagnostics);
    expectBib1V3(response.psRecords->uRecord.psNonSurrogateDiag.get(), 114,
                 "See Appendix ERR for more information");
}

TEST(SearchDiagnostic, Condition9999IsASuccessfulEmptyAnswer) {
    KivSearchRsp response;
    SetSearchDiagnostic(response, 123);  // a diagnostic set earlier is replaced
    SetSearchDiagnostic(response, 9999);
    EXPECT_EQ(response.ulResultCount, 0u);
    EXPECT_EQ(response.ulNumberOfRecordsReturned, 0u);
    EXPECT_EQ(response.ulNextResultSetPosition, 1u);
    EXPECT_EQ(response.fSearchStatus, 1u);
    EXPECT_EQ(response.peResultSetStatus, std::nullopt);
    EXPECT_EQ(response.psRecords, nullptr);
}

TEST(PresentDiagnostic, FailureKeepsTheReferenceId) {
    KivPresentRsp response;
    response.psReferenceId = std::make_unique<KivOctets>(KivOctets{std::string("r\0f", 3)});
    SetPresentDiagnostic(response, 30);
    EXPECT_EQ(response.ulNumberOfRecordsReturned, 1u);
    EXPECT_EQ(response.ulNextResultSetPosition, 0u);
    EXPECT_EQ(response.ePresentStatus, PS_Failure);
    ASSERT_NE(response.psRecords, nullptr);
    EXPECT_EQ(response.psRecords->eRecordType, RT_NonSurrDiagnostics);
    expectBib1V3(response.psRecords->uRecord.psNonSurrogateDiag.get(), 30,
                 "See Appendix ERR for more information");
    ASSERT_NE(response.psReferenceId, nullptr);
    EXPECT_EQ(response.psReferenceId->pcValue, std::string("r\0f", 3));
}

TEST(SurrogateDiagnostic, SizeDiagnosticChoosesConditionAndText) {
    struct Case {
        Bib1Condition sizeDiagnostic;
        std::uint32_t condition;
        const char* text;
    };
    const Case cases[] = {
        {16, 16, "Record exceeded the preferred record size"},
        {17, 17, "Record exceeded the exceptional record size"},
        {0, 100, "Unspecified Error"},
        {2, 100, "Unspecified Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sizeDiagnostic);
        SessionRecord session;
        session.clientProtocolVersion = "111";
        KivResponseRecord record;
        SetSurrogateDiagnostic(session, record, c.sizeDiagnostic);
        EXPECT_EQ(record.eDbRecordType, DRT_SurrogateDiagnostics);
        EXPECT_EQ(record.psDatabaseName, nullptr);
        ASSERT_NE(record.uDbRecord.psSurrogateDiagnostic, nullptr);
        EXPECT_EQ(record.uDbRecord.psSurrogateDiagnostic->eDiagnosticsType, DT_DefaultFormat);
        expectBib1V3(record.uDbRecord.psSurrogateDiagnostic->uDiagnostics.psDefault.get(), c.condition,
                     c.text);
    }
}

TEST(SurrogateDiagnostic, ClientWithoutVersion3GetsTheVersion2Form) {
    for (std::optional<std::string> version :
         {std::optional<std::string>("11"), std::optional<std::string>("110"),
          std::optional<std::string>()}) {
        SCOPED_TRACE(version.value_or("no Init"));
        SessionRecord session;
        session.clientProtocolVersion = version;
        KivDiagRec diag;
        FillSurrogateDiag(session, diag, "SDIAG|17|Record exceeded the exceptional record size");
        EXPECT_EQ(diag.eDiagnosticsType, DT_DefaultFormat);
        const KivDefaultDiagFormat* format = diag.uDiagnostics.psDefault.get();
        ASSERT_NE(format, nullptr);
        EXPECT_EQ(format->pcDiagnosticSetId, "1.2.840.10003.4.1");
        EXPECT_EQ(format->ulCondition, 17u);
        EXPECT_EQ(format->sAdditionalInfo.eProtocolVersionInForce, PVIF_Version2);
        EXPECT_EQ(format->sAdditionalInfo.uAdditionalInfo.pcV2,
                  "Record exceeded the exceptional record size");
        EXPECT_EQ(format->sAdditionalInfo.uAdditionalInfo.psV3, nullptr);
    }
}

TEST(SurrogateDiagnostic, DescriptionPiecesOfTheScanHandler) {
    SessionRecord session;
    session.clientProtocolVersion = "111";
    struct Case {
        const char* description;
        std::uint32_t condition;
        const char* info;
    };
    const Case cases[] = {
        {"SDIAG|233|Unsupported term", 233, "Unsupported term"},
        {"SDIAG|2|", 2, ""},
        {"SDIAG|2", 2, ""},
        {"SDIAG|x|text", 0, "text"},
        {"SDIAG|2|a|b", 2, "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        KivDiagRec diag;
        FillSurrogateDiag(session, diag, c.description);
        expectBib1V3(diag.uDiagnostics.psDefault.get(), c.condition, c.info);
    }
}

}  // namespace
