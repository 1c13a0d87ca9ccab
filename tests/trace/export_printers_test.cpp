// The Export Specification and Export Invocation packages in the trace: filled packages against golden
// output, and the lines of absent or unexpected members.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/external/export_package_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/trace/trace_printers.h"

namespace export_printers_cases {
namespace {

using namespace export_package_test;

std::string printExportExternal(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintExternal(f, &external); });
}
std::string printSpec(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintExpSpecContent(f, &external); });
}
std::string printInvocation(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintExpInvoContent(f, &external); });
}

TEST(TraceExportPrinters, FilledPackagesMatchGolden) {
    const std::string all = printExportExternal(specificationExternal("1.2.840.10003.9.6", ESROR_Response)) +
                            printExportExternal(invocationRequest("1.0.10163.9.7")) +
                            printExportExternal(invocationResponse("1.2.840.10003.9.7"));
    EXPECT_EQ(all, trace_test::readFile(QUORVANE_TEST_SOURCE_DIR "/golden/export_packages.txt"));
}

TEST(TraceExportPrinters, DestinationsPrintTheirMember) {
    const char* labels[] = {"psPhoneNumber", "psFaxNumber",   "psX400Address", "psEmailAddresss",
                            "psPagerNumber", "psFtpAddresss", "psFtamAddress", "psPrinterAddress"};
    const char* names[] = {"DT_PhoneNumber", "DT_FaxNumber",  "DT_X400Address", "DT_EmailAddress",
                           "DT_PagerNumber", "DT_FtpAddress", "DT_FtamAddress", "DT_PrinterAddress"};
    for (int32_t type = DT_PhoneNumber; type <= DT_PrinterAddress; ++type) {
        const std::string printed =
            printSpec(specificationExternal("1.2.840.10003.9.6", ESROR_Request, type));
        const std::string tail = std::string("sExportDestination:\neDestinationType: ") + names[type - 1] +
                                 "\n" + labels[type - 1] + ": address " + std::to_string(type) + "\n";
        EXPECT_EQ(printed.substr(printed.find("sExportDestination:"), tail.size()), tail) << type;
    }
    KivExternal other = specificationExternal("1.2.840.10003.9.6", ESROR_Request, DT_Other);
    KivDestination& destination =
        specificationOf(other).uExpSpecReqOrRsp.psExpSpecRequest->sToKeep.sExportDestination;
    destination.uDestinationType.psOther.reset();
    std::string printed = printSpec(other);
    EXPECT_EQ(printed.substr(printed.find("sExportDestination:")),
              "sExportDestination:\neDestinationType: DT_Other\npsOther: NULL\n");
    destination.eDestinationType = 12;
    printed = printSpec(other);
    EXPECT_EQ(printed.substr(printed.find("sExportDestination:")),
              "sExportDestination:\neDestinationType: \n");
}

TEST(TraceExportPrinters, AbsentAndUnexpectedMembers) {
    KivExternal exportSpec = specificationExternal("1.2.840.10003.9.6", ESROR_Request);
    specificationOf(exportSpec).uExpSpecReqOrRsp.psExpSpecRequest.reset();
    EXPECT_EQ(printSpec(exportSpec),
              "psExpSpecExtendedService:\neExpSpecReqOrRsp: ESROR_Request\npsExpSpecRequest: NULL\n");
    specificationOf(exportSpec).eExpSpecReqOrRsp = ESROR_Invalid;
    EXPECT_EQ(printSpec(exportSpec), "psExpSpecExtendedService:\neExpSpecReqOrRsp: ESROR_Invalid\n");
    exportSpec.uExternalValue.psSingleASN1Type->uASN1.psExpSpecExtendedService.reset();
    EXPECT_EQ(printSpec(exportSpec), "psExpSpecExtendedService: NULL\n");

    // Records of every set print no ranges; a name stands where a specification would.
    KivExternal request = invocationRequest("1.2.840.10003.9.7");
    KivExpInvoRequest& order = *invocationOf(request).uExpInvoReqOrRsp.psExpInvoRequest;
    order.sToKeep.sExportSpec.eExpInvoOriginPartToKeepChoiceType = EI_PackageName;
    order.sNotToKeep.sRecords.eExpInvoRecordsType = RTT_All;
    EXPECT_EQ(printInvocation(request),
              "psExpInvoExtendedService:\neExpInvoReqOrRsp: EIROR_Request\npsExpInvoRequest:\nsToKeep:\n"
              "sExportSpec:\neExpInvoOriginPartToKeepChoiceType: EI_PackageName\npsPackageName: NULL\n"
              "ulNumberOfCopies: 2\nsNotToKeep:\nsResultSetId: default\nHex: 64656661756c74\nsRecords:\n"
              "eExpInvoRecordsType: RTT_All\n");
    order.sNotToKeep.sRecords.eExpInvoRecordsType = RTT_Ranges;
    order.sNotToKeep.sRecords.uExpInvoRecords.ppsRanges.reset();
    EXPECT_NE(printInvocation(request).find("eExpInvoRecordsType: RTT_Ranges\nppsRanges: NULL\n"),
              std::string::npos);

    KivExternal response = invocationResponse("1.2.840.10003.9.7");
    invocationOf(response).uExpInvoReqOrRsp.psExpInvoResponse->sTargetPart = {};
    const std::string printed = printInvocation(response);
    EXPECT_EQ(printed.substr(printed.find("sTargetPart:")),
              "sTargetPart:\npsEstimatedQuantity: NULL\npsQuantitySoFar: NULL\npsEstimatedCost: NULL\n"
              "psCostSoFar: NULL\n");
    invocationOf(response).uExpInvoReqOrRsp.psExpInvoResponse.reset();
    EXPECT_EQ(printInvocation(response),
              "psExpInvoExtendedService:\neExpInvoReqOrRsp: EIROR_Response\npsExpInvoResponse: NULL\n");
    invocationOf(response).eExpInvoReqOrRsp = 5;
    EXPECT_EQ(printInvocation(response), "psExpInvoExtendedService:\neExpInvoReqOrRsp: \n");
    response.uExternalValue.psSingleASN1Type->uASN1.psExpInvoExtendedService.reset();
    EXPECT_EQ(printInvocation(response), "psExpInvoExtendedService: NULL\n");
}

}  // namespace
}  // namespace export_printers_cases
