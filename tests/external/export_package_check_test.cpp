// Validation of Export Specification and Export Invocation packages through the EXTERNAL that carries them:
// each fault reported once, with its code and the exact message and path.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/external/carried_check_fixture.h"
#include "tests/external/export_package_samples.h"
#include "tests/util/validation_messages.h"

namespace export_package_check_cases {
namespace {

using namespace export_package_test;

using ExportPackageCheckTest = CarriedCheckTest;

const std::string kExportPackageContent = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kExportPackageSpec = kExportPackageContent + "uASN1.psExpSpecExtendedService";
const std::string kSpecRequest = kExportPackageSpec + "->uExpSpecReqOrRsp.psExpSpecRequest";
const std::string kSpecToKeep = kSpecRequest + "->sToKeep.";
const std::string kInvo = kExportPackageContent + "uASN1.psExpInvoExtendedService";
const std::string kInvoRequest = kInvo + "->uExpInvoReqOrRsp.psExpInvoRequest";
const std::string kInvoResponse = kInvo + "->uExpInvoReqOrRsp.psExpInvoResponse";

using validation_messages::missing;
using validation_messages::outOfRange;

struct ExportPackageFaultCase {
    const char* what;
    std::function<KivExternal()> make;
    long code;
    std::string message;
};

KivExternal changedSpec(int32_t reqOrRsp, const std::function<void(KivExpSpecExtendedService&)>& change) {
    KivExternal external = specificationExternal("1.2.840.10003.9.6", reqOrRsp, DT_Other);
    change(specificationOf(external));
    return external;
}
KivExternal changedRequest(const std::function<void(KivExpInvoRequest&)>& change) {
    KivExternal external = invocationRequest("1.0.10163.9.7");
    change(*invocationOf(external).uExpInvoReqOrRsp.psExpInvoRequest);
    return external;
}
KivExternal changedResponse(const std::function<void(KivExpInvoResponse&)>& change) {
    KivExternal external = invocationResponse("1.2.840.10003.9.7");
    change(*invocationOf(external).uExpInvoReqOrRsp.psExpInvoResponse);
    return external;
}
KivDestination& destinationOf(KivExpSpecExtendedService& exportSpec) {
    return exportSpec.uExpSpecReqOrRsp.psExpSpecRequest->sToKeep.sExportDestination;
}

TEST_F(ExportPackageCheckTest, UncheckedMembersPass) {
    // The members of psOther, the number of copies, the result-set name and the ranges.
    expectValid(changedSpec(ESROR_Request, [](KivExpSpecExtendedService& s) {
        destinationOf(s).uDestinationType.psOther = std::make_unique<KivDestinationOther>();
    }));
    expectValid(changedRequest([](KivExpInvoRequest& r) {
        r.sToKeep.ulNumberOfCopies = 0xFFFFFFFF;
        r.sNotToKeep.sResultSetId.pcValue.clear();
        r.sNotToKeep.sRecords.uExpInvoRecords.ppsRanges = KivArray<KivExpInvoRange>::emptyArray();
    }));
    expectValid(changedResponse([](KivExpInvoResponse& r) { r.sTargetPart = {}; }));
}

TEST_F(ExportPackageCheckTest, EachSpecificationFaultIsReportedWithItsPath) {
    const std::string destination = kSpecToKeep + "sExportDestination.";
    const std::vector<ExportPackageFaultCase> cases = {
        {"package missing",
         [] {
             KivExternal external = specificationExternal("1.0.10163.9.6", ESROR_Request);
             external.uExternalValue.psSingleASN1Type->uASN1.psExpSpecExtendedService.reset();
             return external;
         },
         64, missing(kExportPackageSpec)},
        {"request or response 3",
         [] {
             return changedSpec(ESROR_Request, [](KivExpSpecExtendedService& s) { s.eExpSpecReqOrRsp = 3; });
         },
         66, outOfRange(kExportPackageSpec + "->eExpSpecReqOrRsp")},
        {"request missing",
         [] {
             return changedSpec(ESROR_Request, [](KivExpSpecExtendedService& s) {
                 s.uExpSpecReqOrRsp.psExpSpecRequest.reset();
             });
         },
         64, missing(kSpecRequest)},
        {"response missing",
         [] {
             return changedSpec(ESROR_Request,
                                [](KivExpSpecExtendedService& s) { s.eExpSpecReqOrRsp = ESROR_Response; });
         },
         64, missing(kExportPackageSpec + "->uExpSpecReqOrRsp.psExpSpecResponse")},
        {"composition boolean",
         [] {
             return changedSpec(ESROR_Request, [](KivExpSpecExtendedService& s) {
                 s.uExpSpecReqOrRsp.psExpSpecRequest->sToKeep.sComposition.fSelectAlternativeSyntax = 2;
             });
         },
         72, "Invalid boolean value " + kSpecToKeep + "sComposition.fSelectAlternativeSyntax given"},
        {"composition record syntax",
         [] {
             return changedSpec(ESROR_Request, [](KivExpSpecExtendedService& s) {
                 *s.uExpSpecReqOrRsp.psExpSpecRequest->sToKeep.sComposition.ppcRecordSyntax[1] = "1..2";
             });
         },
         73, "Invalid oid value " + kSpecToKeep + "sComposition.ppcRecordSyntax[1] given"},
        {"destination type 10",
         [] {
             return changedSpec(ESROR_Request,
                                [](KivExpSpecExtendedService& s) { destinationOf(s).eDestinationType = 10; });
         },
         66, outOfRange(destination + "eDestinationType")},
        {"other missing",
         [] {
             return changedSpec(ESROR_Request, [](KivExpSpecExtendedService& s) {
                 destinationOf(s).uDestinationType.psOther.reset();
             });
         },
         64, missing(destination + "uDestinationType.psOther")},
        {"response's origin part",
         [] {
             return changedSpec(ESROR_Response, [](KivExpSpecExtendedService& s) {
                 s.uExpSpecReqOrRsp.psExpSpecResponse->sOriginPart.sExportDestination.eDestinationType = 0;
             });
         },
         66,
         outOfRange(kExportPackageSpec +
                    "->uExpSpecReqOrRsp.psExpSpecResponse->sOriginPart.sExportDestination.eDestinationType")},
    };
    // Each of the types 1 to 8 without its member, with the path texts of the format (three s; FtpAm).
    const char* paths[] = {"psPhoneNumber", "psFaxNumber",   "psX400Address",  "psEmailAddresss",
                           "psPagerNumber", "psFtpAddresss", "psFtpAmAddress", "psPrinterAddress"};
    for (int32_t type = DT_PhoneNumber; type <= DT_PrinterAddress; ++type) {
        KivExternal external = specificationExternal("1.2.840.10003.9.6", ESROR_Request, type);
        (destinationOf(specificationOf(external)).uDestinationType.*kKivDestinationAddresses[type - 1])
            .reset();
        expectFault(external, 64, missing(destination + "uDestinationType." + paths[type - 1]),
                    paths[type - 1]);
    }
    for (const ExportPackageFaultCase& c : cases) expectFault(c.make(), c.code, c.message, c.what);
    expectFault(specificationExternal("1.2.840.10003.9.7", ESROR_Request), 74,
                "Invalid oid value 1.2.840.10003.9.7 for external " + kExportPackageContent + "eASN1Type");
}

TEST_F(ExportPackageCheckTest, EachInvocationFaultIsReportedWithItsPath) {
    const std::string requestSpec = kInvoRequest + "->sToKeep.sExportSpec.";
    const std::string nested = requestSpec + "uExpInvoOriginPartToKeepChoice.psPackageSpec";
    const std::string records = kInvoRequest + "->sNotToKeep.sRecords.";
    const std::vector<ExportPackageFaultCase> cases = {
        {"package missing",
         [] {
             KivExternal external = invocationRequest("1.2.840.10003.9.7");
             external.uExternalValue.psSingleASN1Type->uASN1.psExpInvoExtendedService.reset();
             return external;
         },
         64, missing(kInvo)},
        {"request or response 0",
         [] {
             KivExternal external = invocationRequest("1.2.840.10003.9.7");
             invocationOf(external).eExpInvoReqOrRsp = 0;
             return external;
         },
         66, outOfRange(kInvo + "->eExpInvoReqOrRsp")},
        {"request missing",
         [] {
             KivExternal external = invocationRequest("1.2.840.10003.9.7");
             invocationOf(external).uExpInvoReqOrRsp.psExpInvoRequest.reset();
             return external;
         },
         64, missing(kInvoRequest)},
        {"response missing",
         [] {
             KivExternal external = invocationResponse("1.2.840.10003.9.7");
             invocationOf(external).uExpInvoReqOrRsp.psExpInvoResponse.reset();
             return external;
         },
         64, missing(kInvoResponse)},
        {"export specification type 3",
         [] {
             return changedRequest(
                 [](KivExpInvoRequest& r) { r.sToKeep.sExportSpec.eExpInvoOriginPartToKeepChoiceType = 3; });
         },
         66, outOfRange(requestSpec + "eExpInvoOriginPartToKeepChoiceType")},
        {"package specification missing",
         [] {
             return changedRequest([](KivExpInvoRequest& r) {
                 r.sToKeep.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec.reset();
             });
         },
         64, missing(nested)},
        // The nested specification is checked from its selector on, without an identifier check.
        {"nested specification 3",
         [] {
             return changedRequest([](KivExpInvoRequest& r) {
                 r.sToKeep.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec->eExpSpecReqOrRsp = 3;
             });
         },
         66, outOfRange(nested + "->eExpSpecReqOrRsp")},
        {"nested destination",
         [] {
             return changedRequest([](KivExpInvoRequest& r) {
                 destinationOf(*r.sToKeep.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec)
                     .uDestinationType.psOther.reset();
             });
         },
         64,
         missing(nested +
                 "->uExpSpecReqOrRsp.psExpSpecRequest->sToKeep.sExportDestination.uDestinationType.psOther")},
        {"records type 3",
         [] {
             return changedRequest(
                 [](KivExpInvoRequest& r) { r.sNotToKeep.sRecords.eExpInvoRecordsType = 3; });
         },
         66, outOfRange(records + "eExpInvoRecordsType")},
        {"ranges missing",
         [] {
             return changedRequest(
                 [](KivExpInvoRequest& r) { r.sNotToKeep.sRecords.uExpInvoRecords.ppsRanges.reset(); });
         },
         64, missing(records + "uExpInvoRecords.ppsRanges")},
        {"export specification before records",
         [] {
             return changedRequest([](KivExpInvoRequest& r) {
                 r.sNotToKeep.sRecords.eExpInvoRecordsType = 3;
                 r.sToKeep.sExportSpec.eExpInvoOriginPartToKeepChoiceType = EI_PackageName;
             });
         },
         64, missing(requestSpec + "uExpInvoOriginPartToKeepChoice.psPackageName")},
        {"origin part's package name",
         [] {
             return changedResponse([](KivExpInvoResponse& r) {
                 r.sOriginPart.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageName.reset();
             });
         },
         64,
         missing(kInvoResponse + "->sOriginPart.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageName")},
        {"target unit type",
         [] {
             return changedResponse([](KivExpInvoResponse& r) {
                 r.sTargetPart.psEstimatedCost->sUnitUsed.psUnitType = std::make_unique<KivStringOrNumeric>();
                 r.sTargetPart.psCostSoFar->sUnitUsed.psUnitType = std::make_unique<KivStringOrNumeric>();
             });
         },
         66,
         outOfRange(kInvoResponse + "->sTargetPart.psEstimatedCost->sUnitUsed.psUnitType->eStringOrNumeric")},
    };
    for (const ExportPackageFaultCase& c : cases) expectFault(c.make(), c.code, c.message, c.what);
}

}  // namespace
}  // namespace export_package_check_cases
