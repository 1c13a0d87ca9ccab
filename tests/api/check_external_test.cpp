#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/api/carried_records_samples.h"
#include "tests/util/process_log_fixture.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_convert_external_nesting.h"

namespace {

const std::string kExternalPath = "psExtendedServicesRsp->psTaskPackage->";
const std::string kExternalContent = kExternalPath + "uExternalValue.psSingleASN1Type->";

using CheckExternalTest = ProcessLogFixture;

struct ExternalFaultCase {
    const char* what;
    std::function<KivExternal()> make;
    long code;
    std::string message;
};

using validation_messages::missing;
using validation_messages::outOfRange;
std::string invalidOidExternal(const std::string& path) {
    return "Invalid oid value " + path + " given";
}

// A sample EXTERNAL with its carried record changed.
KivExternal withContent(KivExternal external, const std::function<void(KivSingleASN1Type&)>& change) {
    change(*external.uExternalValue.psSingleASN1Type);
    return external;
}

KivExternal opac(const std::function<void(KivOpacRecord&)>& change) {
    return withContent(carried::opacExternal("1.2.840.10003.5.102"),
                       [&](KivSingleASN1Type& c) { change(*c.uASN1.psOpacRecord); });
}
KivHoldingsAndCirc& holdings(KivOpacRecord& record) {
    return record.ppsHoldingsData[1]->uMarcOrHoldAndCirc.sHoldingsAndCirc;
}
KivExternal taskPackage(const std::function<void(KivEsTaskPackage&)>& change) {
    return withContent(carried::taskPackageExternal("1.0.10163.5.106"),
                       [&](KivSingleASN1Type& c) { change(*c.uASN1.psEsTaskPackage); });
}
KivExternal updateRequest(const std::function<void(KivUpdateRequest&)>& change) {
    return withContent(carried::updateRequestExternal("1.2.840.10003.9.5"), [&](KivSingleASN1Type& c) {
        change(*c.uASN1.psUpdateExtendedService->uUpdateReqOrRsp.psUpdateRequest);
    });
}
KivExternal updateResponse(const std::function<void(KivUpdateResponse&)>& change) {
    return withContent(carried::updateResponseExternal("1.2.840.10003.9.5"), [&](KivSingleASN1Type& c) {
        change(*c.uASN1.psUpdateExtendedService->uUpdateReqOrRsp.psUpdateResponse);
    });
}
KivExternal raw(const std::string& oid, const std::string& octets) {
    return carried::singleExternal(oid, 8, [&](KivSingleASN1Type& c) {
        c.uASN1.psUnknownType = std::make_unique<KivOctets>(KivOctets{octets});
    });
}
KivExternal arbitrary(uint32_t length, const std::string& bits) {
    KivExternal external;
    external.pcObjectIdentifier = "1.2.840.10003.5.109.3";
    external.eValueType = EVT_Arbitrary;
    external.uExternalValue.psArbitrary = std::make_unique<KivArbitrary>(KivArbitrary{length, bits});
    return external;
}

const std::string kOpac = kExternalContent + "uASN1.psOpacRecord->";
const std::string kTask = kExternalContent + "uASN1.psEsTaskPackage->";
const std::string kExternalRequest =
    kExternalContent + "uASN1.psUpdateExtendedService->uUpdateReqOrRsp.psUpdateRequest->";
const std::string kExternalResponse =
    kExternalContent + "uASN1.psUpdateExtendedService->uUpdateReqOrRsp.psUpdateResponse->";

TEST_F(CheckExternalTest, ValidExternalsPass) {
    std::vector<KivExternal> valid;
    valid.push_back(carried::sutrsExternal("1.0.10163.5.101", "text"));
    valid.push_back(raw("1.2.840.10003.5.102", std::string("\x30\x00", 2)));
    valid.push_back(raw("9.9", "\x04\x01\x41"));
    valid.push_back(carried::octetAligned("1.2.840.10003.5.10", ""));
    valid.push_back(arbitrary(5, "10110"));
    valid.push_back(arbitrary(5000, std::string(5000, '1')));
    valid.push_back(opac([](KivOpacRecord& r) { holdings(r).ppsVolume.reset(); }));
    valid.push_back(withContent(carried::resource2External("1.2.840.10003.7.2"), [](KivSingleASN1Type& c) {
        c.uASN1.psResourceReport2->ppsEstimate.reset();
    }));
    for (const KivExternal& external : valid) {
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(0, &external, kExternalPath, &error), 0)
            << external.pcObjectIdentifier.value_or("");
        EXPECT_EQ(error, nullptr);
    }
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckOptionalExternal(0, nullptr, kExternalPath, &error), 0);
}

TEST_F(CheckExternalTest, EachFaultIsReportedOnceWithItsPath) {
    const std::vector<ExternalFaultCase> cases = {
        // The EXTERNAL and its encodings.
        {"identifier not dotted", [] { return carried::octetAligned("1..2", "x"); }, 73,
         invalidOidExternal(kExternalPath + "pcObjectIdentifier")},
        {"identifier of one arc", [] { return carried::octetAligned("1", "x"); }, 73,
         invalidOidExternal(kExternalPath + "pcObjectIdentifier")},
        {"single value without identifier",
         [] {
             KivExternal e = carried::sutrsExternal("1.2.840.10003.5.101", "t");
             e.pcObjectIdentifier.reset();
             return e;
         },
         64, missing(kExternalPath + "pcObjectIdentifier")},
        {"single value missing",
         [] {
             KivExternal e = carried::sutrsExternal("1.2.840.10003.5.101", "t");
             e.uExternalValue.psSingleASN1Type.reset();
             return e;
         },
         64, missing(kExternalPath + "uExternalValue.psSingleASN1Type")},
        {"octets missing",
         [] {
             KivExternal e = carried::octetAligned("1.2.840.10003.5.10", "x");
             e.uExternalValue.psOctetAligned.reset();
             return e;
         },
         64, missing(kExternalPath + "uExternalValue.psOctetAligned")},
        {"bits missing",
         [] {
             KivExternal e = arbitrary(1, "1");
             e.uExternalValue.psArbitrary.reset();
             return e;
         },
         64, missing(kExternalPath + "uExternalValue.psArbitrary")},
        {"encoding 0",
         [] {
             KivExternal e = carried::octetAligned("1.2.840.10003.5.10", "x");
             e.eValueType = 0;
             return e;
         },
         66, outOfRange(kExternalPath + "eValueType")},
        {"bit characters", [] { return arbitrary(3, "121"); }, 65,
         "The bit string " + kExternalPath + "uExternalValue.psArbitrary->pcValue is invalid\nValue:121"},
        {"fewer bits than ulLength", [] { return arbitrary(5000, "1"); }, 65,
         "The bit string " + kExternalPath + "uExternalValue.psArbitrary->pcValue is invalid\nValue:1"},
        // Content type and identifier.
        {"OPAC identifier for SUTRS", [] { return carried::sutrsExternal("1.2.840.10003.5.102", "t"); }, 74,
         "Invalid oid value 1.2.840.10003.5.102 for external " + kExternalContent + "eASN1Type"},
        {"SUTRS text missing",
         [] {
             return withContent(carried::sutrsExternal("1.0.10163.5.101", "t"),
                                [](KivSingleASN1Type& c) { c.uASN1.psUnstructuredText.reset(); });
         },
         64, missing(kExternalContent + "uASN1.psUnstructuredText")},
        {"type 11",
         [] {
             return withContent(carried::sutrsExternal("1.2.840.10003.5.101", "t"),
                                [](KivSingleASN1Type& c) { c.eASN1Type = 11; });
         },
         66, outOfRange(kExternalContent + "eASN1Type")},
        {"raw octets missing",
         [] {
             return withContent(raw("1.2.840.10003.5.109", ""),
                                [](KivSingleASN1Type& c) { c.uASN1.psUnknownType.reset(); });
         },
         64, missing(kExternalContent + "uASN1.psUnknownType")},
        {"raw octets not one element",
         [] { return raw("1.2.840.10003.5.109", std::string("\x05\x00\x05", 3)); }, 76,
         kExternalContent + "uASN1.psUnknownType MUST HOLD ONE WHOLE BER ELEMENT"},
        {"raw octets empty", [] { return raw("1.2.840.10003.5.109", ""); }, 76,
         kExternalContent + "uASN1.psUnknownType MUST HOLD ONE WHOLE BER ELEMENT"},
        // OPAC.
        {"bibliographic record encoding",
         [] { return opac([](KivOpacRecord& r) { r.psBibliographicRecord->eValueType = 0; }); }, 66,
         outOfRange(kOpac + "psBibliographicRecord->eValueType")},
        {"holdings type 3",
         [] {
             return opac([](KivOpacRecord& r) {
                 r.psBibliographicRecord.reset();
                 r.ppsHoldingsData[0]->eHoldingsRecType = 3;
             });
         },
         66, outOfRange(kOpac + "ppsHoldingsData[0]->eHoldingsRecType")},
        {"MARC holdings encoding",
         [] {
             return opac([](KivOpacRecord& r) {
                 r.ppsHoldingsData[0]->uMarcOrHoldAndCirc.sMarcHoldingsRecord.eValueType = 9;
             });
         },
         66, outOfRange(kOpac + "ppsHoldingsData[0]->uMarcOrHoldAndCirc.sMarcHoldingsRecord.eValueType")},
        {"volumes empty",
         [] {
             return opac([](KivOpacRecord& r) { holdings(r).ppsVolume = KivArray<KivVolume>::emptyArray(); });
         },
         64,
         missing(kOpac +
                 "ppsHoldingsData[1]->uMarcOrHoldAndCirc.sHoldingsAndCirc.ppsVolume[0] (firstitem in a list "
                 "must be non NULL)")},
        {"renewable 2",
         [] { return opac([](KivOpacRecord& r) { holdings(r).ppsCircRecord[1]->fRenewable = 2; }); }, 72,
         "Invalid boolean value " + kOpac +
             "ppsHoldingsData[1]->uMarcOrHoldAndCirc.sHoldingsAndCirc.ppsCircRecord[1]->fRenewable given"},
        // Summary and resource reports.
        {"Summary other information",
         [] {
             return withContent(carried::summaryExternal("1.2.840.10003.5.103"), [](KivSingleASN1Type& c) {
                 c.uASN1.psSummaryRecord->ppsOtherInformation[0]->eInformationType = 5;
             });
         },
         66,
         outOfRange(kExternalContent + "uASN1.psSummaryRecord->ppsOtherInformation[0]->eInformationType")},
        {"resource-1 estimates missing",
         [] {
             return withContent(carried::resource1External("1.2.840.10003.7.1"),
                                [](KivSingleASN1Type& c) { c.uASN1.psResourceReport1->ppsEstimate.reset(); });
         },
         64, missing(kExternalContent + "uASN1.psResourceReport1->ppsEstimate")},
        {"resource-1 estimate type 17",
         [] {
             return withContent(carried::resource1External("1.0.10163.7.1"), [](KivSingleASN1Type& c) {
                 c.uASN1.psResourceReport1->ppsEstimate[1]->eEstimateType = 17;
             });
         },
         66, outOfRange(kExternalContent + "uASN1.psResourceReport1->ppsEstimate[1]->eEstimateType")},
        {"resource-2 estimate type",
         [] {
             return withContent(carried::resource2External("1.2.840.10003.7.2"), [](KivSingleASN1Type& c) {
                 c.uASN1.psResourceReport2->ppsEstimate[0]->sType.eStringOrNumeric = 3;
             });
         },
         66,
         outOfRange(kExternalContent + "uASN1.psResourceReport2->ppsEstimate[0]->sType.eStringOrNumeric")},
        // Task package.
        {"package type missing",
         [] { return taskPackage([](KivEsTaskPackage& p) { p.pcPackageType.reset(); }); }, 64,
         missing(kTask + "pcPackageType")},
        {"package type of one arc",
         [] { return taskPackage([](KivEsTaskPackage& p) { p.pcPackageType = "1"; }); }, 73,
         invalidOidExternal(kTask + "pcPackageType")},
        {"allowable function 6",
         [] {
             return taskPackage(
                 [](KivEsTaskPackage& p) { *p.ppsPermissions[0]->ppeAllowableFunctions[1] = 6; });
         },
         66, outOfRange(kTask + "ppsPermissions[0]->ppeAllowableFunctions[1]")},
        {"allowable functions missing",
         [] {
             return taskPackage(
                 [](KivEsTaskPackage& p) { p.ppsPermissions[0]->ppeAllowableFunctions.reset(); });
         },
         64, missing(kTask + "ppsPermissions[0]->ppeAllowableFunctions")},
        {"task status 0",
         [] { return taskPackage([](KivEsTaskPackage& p) { p.eExtServicesTaskStatus = 0; }); }, 66,
         outOfRange(kTask + "eExtServicesTaskStatus")},
        {"package diagnostic",
         [] {
             return taskPackage(
                 [](KivEsTaskPackage& p) { p.ppsPackageDiagnostics[0]->uDiagnostics.psDefault.reset(); });
         },
         64, missing(kTask + "ppsPackageDiagnostics[0]->uDiagnostics.psDefault")},
        {"task-specific parameters",
         [] { return taskPackage([](KivEsTaskPackage& p) { p.sTaskSpecificParameters.eValueType = 0; }); },
         66, outOfRange(kTask + "sTaskSpecificParameters->eValueType")},
        // Update.
        {"Update selector 3",
         [] {
             return withContent(carried::updateRequestExternal("1.0.10163.9.5"), [](KivSingleASN1Type& c) {
                 c.uASN1.psUpdateExtendedService->eUpdateReqRsp = 3;
             });
         },
         66, outOfRange(kExternalContent + "uASN1.psUpdateExtendedService->eUpdateReqRsp")},
        {"Update request missing",
         [] {
             return withContent(carried::updateRequestExternal("1.0.10163.9.5"), [](KivSingleASN1Type& c) {
                 c.uASN1.psUpdateExtendedService->uUpdateReqOrRsp.psUpdateRequest.reset();
             });
         },
         64, missing(kExternalContent + "uASN1.psUpdateExtendedService->uUpdateReqOrRsp.psUpdateRequest")},
        {"action 5",
         [] { return updateRequest([](KivUpdateRequest& r) { r.sOriginPartToKeep.eAction = 5; }); }, 66,
         outOfRange(kExternalRequest + "sOriginPartToKeep.eAction")},
        {"schema",
         [] { return updateRequest([](KivUpdateRequest& r) { r.sOriginPartToKeep.pcSchema = "1..2"; }); }, 73,
         invalidOidExternal(kExternalRequest + "sOriginPartToKeep.pcSchema")},
        {"supplied records missing",
         [] { return updateRequest([](KivUpdateRequest& r) { r.ppsSuppliedRecord.reset(); }); }, 64,
         missing(kExternalRequest + "ppsSuppliedRecord")},
        {"record id string missing",
         [] {
             return updateRequest([](KivUpdateRequest& r) {
                 r.ppsSuppliedRecord[1]->psUpdtRecordId->uUpdtRecordId.psString.reset();
             });
         },
         64, missing(kExternalRequest + "ppsSuppliedRecord[1]->psUpdtRecordId->uUpdtRecordId.psString")},
        {"supplemental id type 4",
         [] {
             return updateRequest([](KivUpdateRequest& r) {
                 r.ppsSuppliedRecord[0]->psUpdtSupplementalId->eSupplementalIdType = 4;
             });
         },
         66,
         outOfRange(kExternalRequest + "ppsSuppliedRecord[0]->psUpdtSupplementalId->eSupplementalIdType")},
        {"previous version encoding",
         [] {
             return updateRequest([](KivUpdateRequest& r) {
                 r.ppsSuppliedRecord[2]
                     ->psUpdtSupplementalId->uUpdtSupplementalId.psPreviousVersion->eValueType = 0;
             });
         },
         66,
         outOfRange(kExternalRequest +
                    "ppsSuppliedRecord[2]->psUpdtSupplementalId->uUpdtSupplementalId.psPreviousVersion->"
                    "eValueType")},
        {"supplied record encoding",
         [] {
             return updateRequest(
                 [](KivUpdateRequest& r) { r.ppsSuppliedRecord[0]->sRecord.eValueType = 0; });
         },
         66, outOfRange(kExternalRequest + "ppsSuppliedRecord[0]->sRecord.eValueType")},
        {"task status 4",
         [] { return updateResponse([](KivUpdateResponse& r) { r.sTargetPart.eTaskStatus = 4; }); }, 66,
         outOfRange(kExternalResponse + "sTargetPart.eTaskStatus")},
        {"task-package records missing",
         [] {
             return updateResponse([](KivUpdateResponse& r) { r.sTargetPart.ppsTaskPackageRecord.reset(); });
         },
         64, missing(kExternalResponse + "sTargetPart.ppsTaskPackageRecord")},
        {"record or diagnostic 3",
         [] {
             return updateResponse([](KivUpdateResponse& r) {
                 r.sTargetPart.ppsTaskPackageRecord[1]->psUpdtRecordOrDiag->eUpdtRecordOrDiag = 3;
             });
         },
         66,
         outOfRange(kExternalResponse +
                    "sTargetPart.ppsTaskPackageRecord[1]->psUpdtRecordOrDiag->eUpdtRecordOrDiag")},
        {"diagnostic missing",
         [] {
             return updateResponse([](KivUpdateResponse& r) {
                 r.sTargetPart.ppsTaskPackageRecord[1]
                     ->psUpdtRecordOrDiag->uUpdtRecordOrDiag.psDiagnostic.reset();
             });
         },
         64,
         missing(kExternalResponse +
                 "sTargetPart.ppsTaskPackageRecord[1]->psUpdtRecordOrDiag->uUpdtRecordOrDiag.psDiagnostic")},
        {"record status 0",
         [] {
             return updateResponse(
                 [](KivUpdateResponse& r) { r.sTargetPart.ppsTaskPackageRecord[0]->eUpdtRecordStatus = 0; });
         },
         66, outOfRange(kExternalResponse + "sTargetPart.ppsTaskPackageRecord[0]->eUpdtRecordStatus")},
    };
    for (const ExternalFaultCase& c : cases) {
        std::filesystem::remove("KIV_API_logfile");
        createLog();
        const KivExternal external = c.make();
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(0, &external, kExternalPath, &error), 1) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error) << c.what;
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code) << c.what;
        EXPECT_EQ(loggedDiagnostic(), c.message) << c.what;
        SIFreeError(&error);
    }
}

// Nested EXTERNALs are followed kKivMaxExternalDepth levels deep and no deeper.
TEST_F(CheckExternalTest, NestingDeeperThanTheBoundIsRefused) {
    const auto nested = [](int levels) {
        KivExternal inner = carried::sutrsExternal("1.2.840.10003.5.101", "innermost");
        for (int i = 1; i < levels; ++i) {
            KivExternal outer =
                carried::singleExternal("1.2.840.10003.5.102", AT_OpacRecord, [&](KivSingleASN1Type& c) {
                    c.uASN1.psOpacRecord = std::make_unique<KivOpacRecord>();
                    c.uASN1.psOpacRecord->psBibliographicRecord =
                        std::make_unique<KivExternal>(std::move(inner));
                });
            inner = std::move(outer);
        }
        return inner;
    };
    SIError* error = nullptr;
    const KivExternal deepest = nested(kKivMaxExternalDepth);
    EXPECT_EQ(KivCheckExternal(0, &deepest, "psRecord->", &error), 0);

    createLog();
    const KivExternal tooDeep = nested(kKivMaxExternalDepth + 1);
    EXPECT_EQ(KivCheckExternal(0, &tooDeep, "psRecord->", &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 76);
    // The path of the EXTERNAL is longer than a message may hold: it is cut so that the explanation stays.
    const std::string reason = " NESTS EXTERNAL VALUES DEEPER THAN 256 LEVELS";
    std::string path = "psRecord";
    while (path.size() < 4999)
        path += "->uExternalValue.psSingleASN1Type->uASN1.psOpacRecord->psBibliographicRecord";
    EXPECT_EQ(loggedDiagnostic(), path.substr(0, 4997 - reason.size()) + reason);
    SIFreeError(&error);
}

}  // namespace
