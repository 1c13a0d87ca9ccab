// The CIP item-order printer: full packages against golden trace text byte for byte, and the lines of
// absent parts and of values outside the printer's tables.

#include "toolkit/trace/cip_item_order_printer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "tests/external/cip_item_order_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/external_printer.h"

namespace cip_item_order_printer_cases {
namespace {

using namespace cip_test;
using trace_test::printed;
using trace_test::readFile;

std::string content(KivCipBItemOrderExtendedService package) {
    const auto external = cipOrderExternal(std::move(package));
    return printed([&](std::FILE* f) { KivPrintCipBItemOrderExtendedService(f, external.get()); });
}

TEST(CipItemOrderPrinter, EveryFieldAsTheGoldenTrace) {
    const auto response = cipOrderExternal(fullResponse());
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintExternal(f, response.get()); }),
              readFile(QUORVANE_TEST_SOURCE_DIR "/golden/cip_item_order.txt"));
}

TEST(CipItemOrderPrinter, AbsentPartsAndUnknownSelectors) {
    auto external = cipOrderExternal(smallRequest());
    external->uExternalValue.psSingleASN1Type->uASN1.psCipBItemOrderExtendedService.reset();
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintCipBItemOrderExtendedService(f, external.get()); }),
              "psCipBItemOrderExtendedService:\n");

    auto withoutRequest = smallRequest();
    withoutRequest.uItemOrderReqOrRsp.psItemOrderRequest.reset();
    EXPECT_EQ(content(std::move(withoutRequest)),
              "psCipBItemOrderExtendedService:\neItemOrderReqRsp: IOROR_CipBRequest: ");

    auto unknown = smallRequest();
    unknown.eItemOrderReqRsp = 5;
    EXPECT_EQ(content(std::move(unknown)), "psCipBItemOrderExtendedService:\neItemOrderReqRsp: Unknown\n");

    auto withoutNotToKeep = smallRequest();
    withoutNotToKeep.uItemOrderReqOrRsp.psItemOrderRequest->psNotToKeep.reset();
    EXPECT_TRUE(content(std::move(withoutNotToKeep)).ends_with("otherInfo: NULL\nsNotToKeep: NULL\n"));
}

TEST(CipItemOrderPrinter, OpenLinesOfSelectors) {
    auto sample = fullRequest();
    auto& toKeep = *sample.uItemOrderReqOrRsp.psItemOrderRequest->psToKeep;
    toKeep.psStatusUpdateOption->eStatusUpdateOptionType = ABT_MANUAL;
    auto& unit = *toKeep.psOrderSpecification->ppsDeliveryUnits[0];
    unit.psDeliveryMethod->uDeliveryMethod.psFtp->eTransferDirection = 2;
    unit.psBilling->sPaymentMethod.ePaymentMethodType = PMT_PREPAY;
    unit.psBilling->psCustomerReference.reset();
    const std::string text = content(std::move(sample));
    EXPECT_NE(text.find("statusUpdateOption: ABT_MANUAL\nuserInformation: "), std::string::npos);
    EXPECT_NE(text.find("transferDirection: ftpAddress: ftp.example.org\n"), std::string::npos);
    EXPECT_NE(text.find("billing: sPaymentMethod:\nPMT_PREPAY: customerReference: NULL\n"),
              std::string::npos);
    EXPECT_NE(text.find("PMT_CREDITCARD: psCreditCard: psCreditCard:\nsNameOnCard: A Reader\n"),
              std::string::npos);
}

}  // namespace
}  // namespace cip_item_order_printer_cases
