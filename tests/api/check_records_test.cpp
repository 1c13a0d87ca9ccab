#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/api/records_samples.h"
#include "tests/util/process_log_fixture.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_records.h"

namespace {

const std::string kRecordsPath = "psSearchRsp->psRecords->";

using CheckRecordsTest = ProcessLogFixture;

struct RecordsFaultCase {
    const char* what;
    std::function<KivRecords()> make;
    long code;
    std::string message;
};

KivRecords withResponseRecord(int index, const std::function<void(KivResponseRecord&)>& change) {
    KivRecords records = sampleResponseRecords();
    change(*records.uRecord.ppsResponseRecord[index]);
    return records;
}

KivRecords withNonSurrogate(const std::function<void(KivDefaultDiagFormat&)>& change) {
    KivRecords records = sampleNonSurrogateDiagnostic(PVIF_Version2, "x");
    change(*records.uRecord.psNonSurrogateDiag);
    return records;
}

KivRecords withMultiple(int index, const std::function<void(KivDiagRec&)>& change) {
    KivRecords records = sampleMultipleDiagnostics();
    change(*records.uRecord.ppsMultipleNonSurrogateDiag[index]);
    return records;
}

std::string missingInRecords(const std::string& field) {
    return validation_messages::missing(kRecordsPath + field);
}
std::string outOfRangeInRecords(const std::string& field) {
    return validation_messages::outOfRange(kRecordsPath + field);
}
std::string invalidOidRecords(const std::string& field) {
    return "Invalid oid value " + kRecordsPath + field + " given";
}

TEST_F(CheckRecordsTest, ValidRecordsPass) {
    for (const KivRecords& records :
         {sampleResponseRecords(), sampleNonSurrogateDiagnostic(PVIF_Version2, ""),
          sampleNonSurrogateDiagnostic(PVIF_Version3, "x"), sampleMultipleDiagnostics()}) {
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckRecords(0, &records, kRecordsPath, &error), 0) << records.eRecordType;
        EXPECT_EQ(error, nullptr);
    }
}

TEST_F(CheckRecordsTest, EachFaultIsReportedOnceWithItsPath) {
    const std::vector<RecordsFaultCase> cases = {
        {"records selector 4",
         [] {
             KivRecords records = sampleResponseRecords();
             records.eRecordType = 4;
             return records;
         },
         66, outOfRangeInRecords("eRecordType")},
        {"records selector -1",
         [] {
             KivRecords records;
             records.eRecordType = -1;
             return records;
         },
         66, outOfRangeInRecords("eRecordType")},
        {"absent response records",
         [] {
             KivRecords records;
             records.eRecordType = RT_Response;
             return records;
         },
         64, missingInRecords("uRecord.ppsResponseRecord")},
        {"absent non-surrogate diagnostic",
         [] {
             KivRecords records;
             records.eRecordType = RT_NonSurrDiagnostics;
             return records;
         },
         64, missingInRecords("uRecord.psNonSurrogateDiag")},
        {"absent multiple diagnostics",
         [] {
             KivRecords records;
             records.eRecordType = RT_MultipleNonSurrDiagnostics;
             return records;
         },
         64, missingInRecords("uRecord.ppsMultipleNonSurrogateDiag")},
        {"second record without its surrogate diagnostic",
         [] {
             return withResponseRecord(
                 1, [](KivResponseRecord& r) { r.uDbRecord.psSurrogateDiagnostic.reset(); });
         },
         64, missingInRecords("uRecord.ppsResponseRecord[1]->uDbRecord.psSurrogateDiagnostic")},
        {"retrieval record missing",
         [] {
             return withResponseRecord(0,
                                       [](KivResponseRecord& r) { r.uDbRecord.psRetrievalRecord.reset(); });
         },
         64, missingInRecords("uRecord.ppsResponseRecord[0]->uDbRecord.psRetrievalRecord")},
        {"retrieval record of no encoding",
         [] {
             return withResponseRecord(
                 0, [](KivResponseRecord& r) { r.uDbRecord.psRetrievalRecord->eValueType = 9; });
         },
         66, outOfRangeInRecords("uRecord.ppsResponseRecord[0]->uDbRecord.psRetrievalRecord->eValueType")},
        {"record type 0",
         [] { return withResponseRecord(0, [](KivResponseRecord& r) { r.eDbRecordType = 0; }); }, 66,
         outOfRangeInRecords("uRecord.ppsResponseRecord[0]->eDbRecordType")},
        {"starting fragment missing",
         [] {
             return withResponseRecord(2,
                                       [](KivResponseRecord& r) { r.uDbRecord.psStartingFragment.reset(); });
         },
         64, missingInRecords("uRecord.ppsResponseRecord[2]->uDbRecord.psStartingFragment")},
        {"intermediate fragment without its external",
         [] {
             return withResponseRecord(3, [](KivResponseRecord& r) {
                 r.uDbRecord.psIntermediateFragment->uFragmentSyntax.psExternallyTagged.reset();
             });
         },
         64,
         missingInRecords("uRecord.ppsResponseRecord[3]->uDbRecord.psIntermediateFragment->uFragmentSyntax."
                          "psExternallyTagged")},
        {"arbitrary fragment with too few bits",
         [] {
             return withResponseRecord(3, [](KivResponseRecord& r) {
                 r.uDbRecord.psIntermediateFragment->uFragmentSyntax.psExternallyTagged->uExternalValue
                     .psArbitrary->ulLength = 5;
             });
         },
         65,
         "The bit string " + kRecordsPath +
             "uRecord.ppsResponseRecord[3]->uDbRecord.psIntermediateFragment->uFragmentSyntax."
             "psExternallyTagged->"
             "uExternalValue.psArbitrary->pcValue is invalid\nValue:1011"},
        {"final fragment without its octets",
         [] {
             return withResponseRecord(4, [](KivResponseRecord& r) {
                 r.uDbRecord.psFinalFragment->uFragmentSyntax.psNotExternallyTagged.reset();
             });
         },
         64,
         missingInRecords("uRecord.ppsResponseRecord[4]->uDbRecord.psFinalFragment->uFragmentSyntax."
                          "psNotExternallyTagged")},
        {"fragment selector 3",
         [] {
             return withResponseRecord(
                 4, [](KivResponseRecord& r) { r.uDbRecord.psFinalFragment->eFragmentSyntaxType = 3; });
         },
         66,
         outOfRangeInRecords("uRecord.ppsResponseRecord[4]->uDbRecord.psFinalFragment->eFragmentSyntaxType")},
        {"diagnostic set absent",
         [] { return withNonSurrogate([](KivDefaultDiagFormat& d) { d.pcDiagnosticSetId.reset(); }); }, 73,
         invalidOidRecords("uRecord.psNonSurrogateDiag->pcDiagnosticSetId")},
        {"diagnostic set of one arc",
         [] { return withNonSurrogate([](KivDefaultDiagFormat& d) { d.pcDiagnosticSetId = "1"; }); }, 73,
         invalidOidRecords("uRecord.psNonSurrogateDiag->pcDiagnosticSetId")},
        {"diagnostic set not dotted decimal",
         [] { return withNonSurrogate([](KivDefaultDiagFormat& d) { d.pcDiagnosticSetId = "1..2"; }); }, 73,
         invalidOidRecords("uRecord.psNonSurrogateDiag->pcDiagnosticSetId")},
        {"version-2 text absent",
         [] {
             return withNonSurrogate(
                 [](KivDefaultDiagFormat& d) { d.sAdditionalInfo.uAdditionalInfo.pcV2.reset(); });
         },
         64, missingInRecords("uRecord.psNonSurrogateDiag->sAdditionalInfo.uAdditionalInfo.pcV2")},
        {"version-3 string absent",
         [] {
             return withNonSurrogate(
                 [](KivDefaultDiagFormat& d) { d.sAdditionalInfo.eProtocolVersionInForce = 2; });
         },
         64, missingInRecords("uRecord.psNonSurrogateDiag->sAdditionalInfo.uAdditionalInfo.psV3")},
        {"protocol version 3",
         [] {
             return withNonSurrogate(
                 [](KivDefaultDiagFormat& d) { d.sAdditionalInfo.eProtocolVersionInForce = 3; });
         },
         66, outOfRangeInRecords("uRecord.psNonSurrogateDiag->sAdditionalInfo.eProtocolVersionInForce")},
        {"third diagnostic of no kind",
         [] { return withMultiple(2, [](KivDiagRec& d) { d.eDiagnosticsType = 0; }); }, 66,
         outOfRangeInRecords("uRecord.ppsMultipleNonSurrogateDiag[2]->eDiagnosticsType")},
        {"default diagnostic missing",
         [] { return withMultiple(0, [](KivDiagRec& d) { d.uDiagnostics.psDefault.reset(); }); }, 64,
         missingInRecords("uRecord.ppsMultipleNonSurrogateDiag[0]->uDiagnostics.psDefault")},
        {"external diagnostic missing",
         [] { return withMultiple(1, [](KivDiagRec& d) { d.uDiagnostics.psExternallyDefined.reset(); }); },
         64, missingInRecords("uRecord.ppsMultipleNonSurrogateDiag[1]->uDiagnostics.psExternallyDefined")},
        {"external diagnostic with a one-arc identifier",
         [] {
             return withMultiple(
                 1, [](KivDiagRec& d) { d.uDiagnostics.psExternallyDefined->pcObjectIdentifier = "1"; });
         },
         73,
         invalidOidRecords(
             "uRecord.ppsMultipleNonSurrogateDiag[1]->uDiagnostics.psExternallyDefined->pcObjectIdentifier")},
        {"the first of two faults wins",
         [] {
             KivRecords records =
                 withMultiple(0, [](KivDiagRec& d) { d.uDiagnostics.psDefault->pcDiagnosticSetId = "x"; });
             records.uRecord.ppsMultipleNonSurrogateDiag[2]->eDiagnosticsType = 7;
             return records;
         },
         73,
         invalidOidRecords(
             "uRecord.ppsMultipleNonSurrogateDiag[0]->uDiagnostics.psDefault->pcDiagnosticSetId")},
    };
    for (const RecordsFaultCase& c : cases) {
        createLog();
        const KivRecords records = c.make();
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckRecords(4, &records, kRecordsPath, &error), 1) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error) << c.what;
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code) << c.what;
        EXPECT_EQ(loggedDiagnostic(), c.message) << c.what;
        SIFreeError(&error);
    }
}

TEST_F(CheckRecordsTest, DiagnosticListsNameTheirElementsUnderTheGivenPath) {
    createLog();
    const KivRecords records = withMultiple(1, [](KivDiagRec& d) { d.eDiagnosticsType = 3; });
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckDiagRecList(0, &records.uRecord.ppsMultipleNonSurrogateDiag,
                                  "psSortRsp->ppsDiagnostics", &error),
              1);
    EXPECT_EQ(loggedDiagnostic(),
              "psSortRsp->ppsDiagnostics[1]->eDiagnosticsType contains a value which is out of its range");
    SIFreeError(&error);
}

TEST_F(CheckRecordsTest, EncodedIdentifiersNeedTwoArcs) {
    struct Case {
        std::optional<std::string> text;
        int compulsory;
        int optional;
    };
    const std::vector<Case> cases = {
        {std::nullopt, 1, 0}, {"1.2", 0, 0}, {"1", 1, 1},
        {"1.", 1, 1},         {".1.", 1, 1}, {"1.2.840.10003.3.1", 0, 0},
    };
    for (const Case& c : cases) {
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckEncodedOid(0, c.text, "p", &error), c.compulsory) << c.text.value_or("(absent)");
        SIFreeError(&error);
        EXPECT_EQ(KivCheckOptionalEncodedOid(0, c.text, "p", &error), c.optional)
            << c.text.value_or("(absent)");
        SIFreeError(&error);
    }
}

}  // namespace
