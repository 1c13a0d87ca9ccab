// The interlibrary-loan APDU printer: an ILL-Request with every optional group and a Status-Or-Error-Report
// against golden trace text byte for byte, the values outside its tables, absent members, and nesting.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "tests/external/ill_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/trace_printers.h"

namespace ill_pdu_printer_cases {
namespace {

using namespace ill_test;
using trace_test::printed;
using trace_test::readFile;

std::string printedExternal(const KivExternal& external) {
    return printed([&](std::FILE* f) { KivPrintExternal(f, &external); });
}

std::string printedPdu(std::unique_ptr<KivIllPdu> pdu) {
    const auto external = illExternal(std::move(pdu));
    return printed([&](std::FILE* f) { KivPrintIllPdu(f, external.get()); });
}

KivIllRequest& illRequestOf(KivIllPdu& pdu) {
    return *pdu.uIllPdu.psIllRequest;
}

KivIllExtension& addExtension(KivArray<KivIllExtension>& list, uint32_t identifier) {
    KivIllExtension* extension = list.emplace();
    extension->ulIdentifier = identifier;
    return *extension;
}

KivAddBillingInfo& addBilling(KivArray<KivIllExtension>& list, int32_t type) {
    KivIllExtension& extension = addExtension(list, 800);
    extension.uItem.psAddIllReqInfo = std::make_unique<KivAddIllReqInfo>();
    auto& billing = extension.uItem.psAddIllReqInfo->psAddBillingInfo = std::make_unique<KivAddBillingInfo>();
    billing->eAddBillingType = type;
    return *billing;
}

// The request of the samples with the EXTERNALs its delivery and document-type parameters define.
std::unique_ptr<KivIllPdu> requestWithEveryGroup() {
    auto pdu = fullRequest();
    KivElectronicDeliveryService& service =
        *illRequestOf(*pdu).psDeliveryService->uDeliveryService.ppsElectronicDelivery[0];
    service.psDeliveryParameter->puDeliveryParameter = std::make_unique<KivParameterValue>();
    service.psDeliveryParameter->puDeliveryParameter->psDummy = trace_test::sutrsExternal("mode parameter");
    service.psDocumentTypeParameter->puDocumentTypeParameter = std::make_unique<KivParameterValue>();
    return pdu;
}

// The report with a provider error, and extensions of every billing kind and of identifier 799.
std::unique_ptr<KivIllPdu> reportWithProviderErrorAndExtensions() {
    auto pdu = statusOrErrorReport();
    KivStatusOrErrorReport& report = *pdu->uIllPdu.psStatusOrErrorReport;
    KivReport& source = report.psErrorReport->sReport;
    source.eReportSource = RS_Provider;
    source.uReport.psProviderErrorReport = std::make_unique<KivProviderErrorReport>();
    source.uReport.psProviderErrorReport->eReportType = PER_StateTransitionProhibited;
    source.uReport.psProviderErrorReport->uProviderErrorReport.psStateTransitionProblem =
        std::make_unique<KivStateTransitionProhibited>(KivStateTransitionProhibited{IAT_Renew, CS_Overdue});
    auto& list = report.ppsStOrErReportExtension;
    addExtension(list, 799).pfCritical = 1;
    KivAddBillingInfo& bank = addBilling(list, ABT_BankInfo);
    bank.uAddBillingInfo.psBillingBankInfo = std::make_unique<KivBillingBankInfo>(
        KivBillingBankInfo{"House", "Routing", "12-34", 1});
    addBilling(list, ABT_InvoiceType).uAddBillingInfo.eBillingInvoiceType = BIT_Collective;
    addBilling(list, ABT_PrepaidType).uAddBillingInfo.pcPrepaidId = "P-1";
    addBilling(list, ABT_DepositType).uAddBillingInfo.pcDepositId = "D-1";
    addBilling(list, 9);
    addExtension(list, 800);
    return pdu;
}

TEST(IllPduPrinter, RequestWithEveryOptionalGroupAsTheGoldenTrace) {
    EXPECT_EQ(printedExternal(*illExternal(requestWithEveryGroup())),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/ill_request.txt"));
}

TEST(IllPduPrinter, StatusOrErrorReportAsTheGoldenTrace) {
    EXPECT_EQ(printedExternal(*illExternal(statusOrErrorReport())) +
                  printedExternal(*illExternal(reportWithProviderErrorAndExtensions())),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/ill_status_or_error_report.txt"));
}

TEST(IllPduPrinter, ValuesOutsideTheTablesPrintNothing) {
    auto kind5 = std::make_unique<KivIllPdu>();
    kind5->eIllPduType = IAT_ConditionalReply;
    EXPECT_EQ(printedPdu(std::move(kind5)), "eIllPduType: ");

    auto invalid = std::make_unique<KivIllPdu>();
    invalid->eIllPduType = ILL_Invalid;
    EXPECT_EQ(printedPdu(std::move(invalid)), "eIllPduType: ILL_Invalid\n");

    auto odd = minimalRequest();
    illRequestOf(*odd).pePlaceOnHold = 0;
    illRequestOf(*odd).ppeServiceType.emplace(9);
    illRequestOf(*odd).sTransactionId.sTransactionQualifier.eStringType = 3;
    const std::string text = printedPdu(std::move(odd));
    EXPECT_NE(text.find("\nsTransactionQualifier: psSubTransactionQualifier: NULL\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\tpeServiceType[1]: \n\n\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\npePlaceOnHold: psClientId: NULL\n"), std::string::npos) << text;
}

TEST(IllPduPrinter, ReportLinesOfTheMostRecentService) {
    struct Case {
        int32_t service;
        const char* written;
    };
    for (const Case& c : {Case{MRS_Forward, "MRS_Forward\n"}, Case{MRS_IllRequest, "MRS_IllRequest\n"},
                          Case{MRS_Invalid, "MRS_Invalid\n"}, Case{0, ""}}) {
        auto pdu = statusOrErrorReport();
        pdu->uIllPdu.psStatusOrErrorReport->psStatusReport->sUserStatusReport.eMostRecentService = c.service;
        const std::string line = std::string("\neMostRecentService: ") + c.written + "pcDateOfMostRecentService: ";
        EXPECT_NE(printedPdu(std::move(pdu)).find(line), std::string::npos) << c.service;
    }
}

// A received APDU may lack what the programming interface calls compulsory, and a selector may choose a
// member that is absent: each prints NULL, and nothing is read through a missing member.
TEST(IllPduPrinter, AbsentMembersPrintNull) {
    auto noBody = std::make_unique<KivIllPdu>();
    noBody->eIllPduType = ILL_IllRequest;
    EXPECT_EQ(printedPdu(std::move(noBody)), "eIllPduType: ILL_IllRequest: NULL\n");
    auto noReport = std::make_unique<KivIllPdu>();
    noReport->eIllPduType = ILL_StatusOrErrorReport;
    EXPECT_EQ(printedPdu(std::move(noReport)), "eIllPduType: ILL_StatusOrErrorReport: NULL\n");

    auto request = std::make_unique<KivIllPdu>();
    request->eIllPduType = ILL_IllRequest;
    KivIllRequest& body = *(request->uIllPdu.psIllRequest = std::make_unique<KivIllRequest>());
    body.sTransactionId.sTransactionGroupQualifier.eStringType = ST_GeneralString;
    body.sTransactionId.sTransactionQualifier.eStringType = ST_EdifactString;
    body.psDeliveryService = std::make_unique<KivDeliveryService>();
    body.psDeliveryService->eDeliveryServiceType = DST_PhysicalDelivery;
    body.psCostInfo = std::make_unique<KivCostInfo>();
    body.psCostInfo->psMaximumCost = std::make_unique<KivAmount>();
    body.psCostInfo->pfPaymentProvided = 1;
    auto& electronic = (body.psBillingAddress = std::make_unique<KivDeliveryAddress>());
    electronic->psElectronicAddress = std::make_unique<KivSystemAddress>();
    KivAddBillingInfo& bank = addBilling(body.ppsRequestExtension, ABT_BankInfo);
    bank.uAddBillingInfo.psBillingBankInfo = std::make_unique<KivBillingBankInfo>();
    addBilling(body.ppsRequestExtension, ABT_CreditCardInfo);
    const std::string text = printedPdu(std::move(request));
    for (const char* expected : {
             "sTransactionGroupQualifier: ST_GeneralString: NULL\nsTransactionQualifier: ST_EdifactString: NULL\n",
             "sServiceDateTime: sThisService: \npcDate: NULL\npcTime: NULL\npsOriginalService: NULL\n",
             "\neDeliveryServiceType: DST_PhysicalDelivery: NULL\npsBillingAddress: ",
             "\npsPostalAddress: NULL\npsElectronicAddress: \npsTelecomServiceIdentifier: NULL\n"
             "psTelecomServiceAddress: NULL\nppeServiceType: NULL\npsResponderSpecificService: NULL\n",
             "psMaximumCost: \npcCurrencyCode: NULL\npcMonetaryValue: NULL\npfReciprocalAgreement: NULL\n"
             "pfWillPayFee: NULL\npfPaymentProvided: KIV_TRUE\n",
             "\neAddBillingType: ABT_BankInfo\npsBillingBankInfo: \npcBankAccountHouse: NULL\n"
             "pcBankAccountRoutingSymbol: NULL\npcBankAccountNo: NULL\nfBankAuthority: KIV_FALSE\n",
             "\neAddBillingType: ABT_CreditCardInfo\npsBillingCreditCardInfo: NULL\n\n\n",
         }) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n--- in ---\n" << text;
    }

    auto report = statusOrErrorReport();
    KivStatusOrErrorReport& reportBody = *report->uIllPdu.psStatusOrErrorReport;
    reportBody.psStatusReport->sUserStatusReport = KivHistoryReport{};
    reportBody.psErrorReport->sReport.uReport.psUserErrorReport.reset();
    const std::string reportText = printedPdu(std::move(report));
    for (const char* expected : {
             "sUserStatusReport: \npcDateRequested: NULL\npsAuthor: NULL\npsTitle: NULL\npsAuthorOfArticle: NULL\n"
             "psTitleOfArticle: NULL\npcDateOfLastTransition: NULL\neMostRecentService: "
             "pcDateOfMostRecentService: NULL\nsSystemId: \npsSymbol: NULL\npsName: NULL\n",
             "\neReportSource: RS_User: NULL\npsNote: ",
         }) {
        EXPECT_NE(reportText.find(expected), std::string::npos) << expected << "\n--- in ---\n" << reportText;
    }
}

TEST(IllPduPrinter, NestingPastThePrintDepthIsCutShort) {
    auto innermost = minimalRequest();
    for (int level = 0; level < 400; ++level) {
        auto outer = minimalRequest();
        illRequestOf(*outer).psResponderSpecificService = illExternal(std::move(innermost));
        innermost = std::move(outer);
    }
    const std::string text = printedExternal(*illExternal(std::move(innermost)));
    EXPECT_NE(text.find(std::string("psResponderSpecificService: ") + trace::kTooDeepLine +
                        "sRequesterOptionalMessages: "),
              std::string::npos);
    EXPECT_EQ(text.find(trace::kTooDeepLine), text.rfind(trace::kTooDeepLine));
    EXPECT_TRUE(text.ends_with("ppsRequestExtension: NULL\n"));
}

}  // namespace
}  // namespace ill_pdu_printer_cases
