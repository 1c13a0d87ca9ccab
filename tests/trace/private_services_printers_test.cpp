// The Print, Alert and COrder printers: every package against golden trace text byte for byte, and the
// lines of absent parts and of values outside the printers' tables.

#include "toolkit/trace/private_services_printers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/external/private_services_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/external_printer.h"

namespace private_services_printers_cases {
namespace {

using namespace sil_test;
using trace_test::printed;
using trace_test::readFile;

TEST(PrivateServicesPrinters, EveryPackageAsTheGoldenTrace) {
    const auto externals = {printExternal(printResultSetRequest()),
                            printExternal(printAccessionResponse()),
                            printExternal(printDeleteRequest()),
                            alertExternal(alertRequest()),
                            corderExternal(normalOrder()),
                            corderExternal(orderReferences(COT_OrderRequest)),
                            corderExternal(orderReferences(COT_OrderResponse))};
    EXPECT_EQ(printed([&](std::FILE* f) {
                  for (const auto& external : externals) KivPrintExternal(f, external.get());
              }),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/private_services.txt"));
}

TEST(PrivateServicesPrinters, AbsentPartsAndUnknownSelectors) {
    auto print = printExternal(printDeleteRequest());
    print->uExternalValue.psSingleASN1Type->uASN1.psPrintExtendedService.reset();
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintPrintExtendedServiceContent(f, print.get()); }),
              "psPrintExtendedService: NULL\n");
    auto alert = alertExternal(alertRequest());
    alert->uExternalValue.psSingleASN1Type->uASN1.psAlertExtendedService.reset();
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintAlertExtendedServiceContent(f, alert.get()); }),
              "psAlertExtendedService: NULL\n");

    auto request = printDeleteRequest();
    request.uPrintReqOrRsp.psPrintRequest->psOriginPartToKeep.reset();
    const auto withoutOrigin = printExternal(std::move(request));
    EXPECT_EQ(
        printed([&](std::FILE* f) { KivPrintPrintExtendedServiceContent(f, withoutOrigin.get()); }),
        "psPrintExtendedService:\nePrintReqRsp: PROR_Request\npsPrintRequest:\npsOriginPartToKeep: NULL\n");

    auto response = printAccessionResponse();
    response.uPrintReqOrRsp.psPrintResponse->sTargetPart.sJobReference = KivInternationalString{};
    const auto emptyJob = printExternal(std::move(response));
    EXPECT_TRUE(printed([&](std::FILE* f) {
                    KivPrintPrintExtendedServiceContent(f, emptyJob.get());
                }).ends_with("psEmailAddress: NULL\nsTargetPart:\nsJobReference: \nHex: \n"));

    auto noAddress = alertRequest();
    noAddress.uAlertReqOrRsp.psAlertRequest->psOriginPartToKeep->psAddress.reset();
    const auto alertWithoutAddress = alertExternal(std::move(noAddress));
    EXPECT_TRUE(printed([&](std::FILE* f) {
                    KivPrintAlertExtendedServiceContent(f, alertWithoutAddress.get());
                }).ends_with("sAlertName: new titles\nHex: 6e6577207469746c6573\npsAddress: NULL\n"));

    KivCOrder empty;
    empty.eCOrderType = COT_OrderResponse;
    empty.uCOrder.ppsOrderResponse = KivArray<KivInternationalString>::emptyArray();
    const auto emptyResponse = corderExternal(std::move(empty));
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintCOrderContent(f, emptyResponse.get()); }),
              "psCOrder:\neCOrderType: COT_OrderResponse\nppsOrderResponse:\n");
    auto unknown = normalOrder();
    unknown.eCOrderType = 3;
    const auto unknownOrder = corderExternal(std::move(unknown));
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintCOrderContent(f, unknownOrder.get()); }),
              "psCOrder:\neCOrderType: \n");
}

}  // namespace
}  // namespace private_services_printers_cases
