// The Item Order package in the trace: whole packages against golden output, and the lines that absent or
// unexpected members print.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/external/item_order_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/trace/trace_printers.h"

namespace item_order_printer_cases {
namespace {

using namespace item_order_test;

std::string printExternal(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintExternal(f, &external); });
}
std::string printContent(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintItemOrderContent(f, &external); });
}

TEST(TraceItemOrderPrinter, FilledPackagesMatchGolden) {
    const std::string all =
        printExternal(request("1.2.840.10003.9.4")) + printExternal(response("1.0.10163.9.4"));
    EXPECT_EQ(all, trace_test::readFile(QUORVANE_TEST_SOURCE_DIR "/golden/item_order.txt"));
    EXPECT_EQ(printExternal(request("1.0.10163.9.4")),
              "\n\tObjectIdentifier: 1.0.10163.9.4\n" +
                  printExternal(request("1.2.840.10003.9.4"))
                      .substr(std::string("\n\tObjectIdentifier: 1.2.840.10003.9.4\n").size()));
}

TEST(TraceItemOrderPrinter, AbsentAndUnexpectedMembers) {
    KivExternal external = request("1.2.840.10003.9.4");
    KivItemOrderExtendedService& package =
        *external.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService;
    package.eItemOrderReqRsp = 3;
    EXPECT_EQ(printContent(external), "psItemOrderExtendedService:\neItemOrderReqRsp: Unknown\n");
    package.eItemOrderReqRsp = IOROR_Response;
    EXPECT_EQ(printContent(external), "psItemOrderExtendedService:\neItemOrderReqRsp: IOROR_Response: ");

    KivItemOrderRequest& order = requestOf(external);
    package.eItemOrderReqRsp = IOROR_Request;
    order.psToKeep = std::make_unique<KivItemOrderToKeep>();
    order.psToKeep->psContact = std::make_unique<KivItemOrderContact>();
    order.psToKeep->psContact->psName = text("Al");
    order.sNotToKeep = {};
    EXPECT_EQ(printContent(external),
              "psItemOrderExtendedService:\neItemOrderReqRsp: IOROR_Request: \n"
              "psToKeep: psSupplementalDescription: NULL\n"
              "psContact: psName: Al\nHex: 416c\npsPhone: NULL\npsEmail: NULL\n"
              "psAdditionalBilling:\nNULL\n"
              "sNotToKeep: psResultSetItem: NULL\npsItemRequest: NULL\n");

    // A credit-card or private payment whose cell is missing prints NULL in its place.
    for (int32_t type : {IOPM_CreditCard, IOPM_PrivateNotKnown}) {
        KivExternal paid = response("1.2.840.10003.9.4", type);
        KivItemOrderResponse& reply = responseOf(paid);
        reply.psOriginPart->psSupplementalDescription.reset();
        reply.psOriginPart->psContact.reset();
        reply.psOriginPart->psAdditionalBilling->sPaymentMethod.puPaymentMethod.reset();
        reply.psOriginPart->psAdditionalBilling->psCustomerReference.reset();
        reply.psOriginPart->psAdditionalBilling->psCustomerPONumber.reset();
        reply.sTargetPart = {};
        reply.sTargetPart.peAuxiliaryStatus = IOAS_Invalid;
        EXPECT_EQ(printContent(paid),
                  std::string("psItemOrderExtendedService:\neItemOrderReqRsp: IOROR_Response: \n"
                              "psOriginPart: psSupplementalDescription: NULL\npsContact: NULL\n"
                              "psAdditionalBilling:\nsPaymentMethod: \nePaymentMethodType: ") +
                      (type == IOPM_CreditCard ? "IOPM_CreditCard\n" : "IOPM_PrivateNotKnown\n") +
                      "NULL\npsCustomerReference: NULL\npsCustomerPONumber: NULL\n"
                      "sTargetPart: psItemRequest: NULL\npsStatusOrErrorReport: NULL\n"
                      "peAuxiliaryStatus: IOAS_Invalid\n");
    }

    external.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService.reset();
    EXPECT_EQ(printContent(external), "psItemOrderExtendedService:\n");
}

}  // namespace
}  // namespace item_order_printer_cases
