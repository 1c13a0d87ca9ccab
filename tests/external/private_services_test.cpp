// Print, Alert and COrder packages through the codec (structure -> codec record -> BER -> codec record ->
// structure) and their validation before they are sent.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/api/external_round_trip.h"
#include "tests/external/carried_check_fixture.h"
#include "tests/external/external_round_trip.h"
#include "tests/external/private_services_samples.h"
#include "tests/util/validation_messages.h"
#include "toolkit/trace/external_printer.h"

namespace private_services_cases {
namespace {

using namespace sil_test;

// The content octets after the EXTERNAL's direct-reference and [0] wrapper.
std::vector<uint8_t> contentOctets(const KivExternal& sent, KivExternal* received) {
    const std::vector<uint8_t> octets = externalRoundTrip(sent, received);
    const size_t oidEnd = 4 + octets[3];
    return std::vector<uint8_t>(octets.begin() + static_cast<long>(oidEnd) + 2, octets.end());
}

TEST(PrivateServicesConvert, EveryPackageComesBackAsSent) {
    std::vector<std::unique_ptr<KivExternal>> samples;
    samples.push_back(printExternal(printResultSetRequest()));
    samples.push_back(printExternal(printAccessionResponse()));
    samples.push_back(printExternal(printDeleteRequest()));
    samples.push_back(alertExternal(alertRequest()));
    samples.push_back(corderExternal(normalOrder()));
    samples.push_back(corderExternal(orderReferences(COT_OrderRequest)));
    samples.push_back(corderExternal(orderReferences(COT_OrderResponse)));
    for (const auto& sent : samples) {
        KivExternal received;
        externalRoundTrip(*sent, &received);
        EXPECT_EQ(traced(received), traced(*sent));
    }
}

TEST(PrivateServicesConvert, PackagesEncodeAsTheyAreDefined) {
    KivExternal received;
    EXPECT_EQ(contentOctets(*printExternal(printDeleteRequest()), &received),
              hexOctets("A1 0C A1 08 A1 06 30 04 80 02 4A 31 82 00"));

    auto withoutOrigin = printDeleteRequest();
    withoutOrigin.uPrintReqOrRsp.psPrintRequest->psOriginPartToKeep.reset();
    EXPECT_EQ(contentOctets(*printExternal(std::move(withoutOrigin)), &received), hexOctets("A1 02 82 00"));
    EXPECT_EQ(received.uExternalValue.psSingleASN1Type->uASN1.psPrintExtendedService->uPrintReqOrRsp
                  .psPrintRequest->psOriginPartToKeep,
              nullptr);

    EXPECT_EQ(contentOctets(*corderExternal(normalOrder()), &received),
              hexOctets("A0 11 A0 0F 30 0D A0 08 30 06 81 01 01 82 01 0A 81 01 02"));
    EXPECT_EQ(contentOctets(*corderExternal(orderReferences(COT_OrderResponse)), &received),
              hexOctets("A1 06 1B 01 61 1B 01 62"));

    KivCOrder empty;
    empty.eCOrderType = COT_OrderResponse;
    empty.uCOrder.ppsOrderResponse = KivArray<KivInternationalString>::emptyArray();
    EXPECT_EQ(contentOctets(*corderExternal(std::move(empty)), &received), hexOctets("A1 00"));
    const KivCOrder& back = *received.uExternalValue.psSingleASN1Type->uASN1.psCOrder;
    EXPECT_TRUE(back.uCOrder.ppsOrderResponse.present());
    EXPECT_EQ(back.uCOrder.ppsOrderResponse.size(), 0u);
}

TEST(PrivateServicesConvert, AbsentAndEmptyPartsComeBackAbsent) {
    auto request = printResultSetRequest();
    auto& reference = *request.uPrintReqOrRsp.psPrintRequest->psOriginPartToKeep->uPrintOriginPartToKeep
                           .psCreateOption->uCreateOption.psResultSetReference;
    reference.ppsAdditionalRanges.reset();
    reference.psRecordComposition.reset();
    reference.sAddress.psEmailAddress = std::make_unique<KivInternationalString>();
    KivExternal received;
    EXPECT_EQ(
        contentOctets(*printExternal(std::move(request)), &received),
        hexOctets("A1 25 A1 21 A0 1F A0 1D 30 1B 9F 1F 01 61 80 01 01 81 01 05 30 0F 80 0D 31 20 4D 61 69 "
                  "6E 20 53 74 72 65 65 74 82 00"));
    const KivResultSetReference& back =
        *received.uExternalValue.psSingleASN1Type->uASN1.psPrintExtendedService->uPrintReqOrRsp
             .psPrintRequest->psOriginPartToKeep->uPrintOriginPartToKeep.psCreateOption->uCreateOption
             .psResultSetReference;
    EXPECT_FALSE(back.ppsAdditionalRanges.present());
    EXPECT_EQ(back.psRecordComposition, nullptr);
    EXPECT_EQ(back.sAddress.psEmailAddress, nullptr);

    auto alert = alertRequest();
    alert.uAlertReqOrRsp.psAlertRequest->psOriginPartToKeep->psAddress.reset();
    externalRoundTrip(*alertExternal(std::move(alert)), &received);
    EXPECT_EQ(received.uExternalValue.psSingleASN1Type->uASN1.psAlertExtendedService->uAlertReqOrRsp
                  .psAlertRequest->psOriginPartToKeep->psAddress,
              nullptr);
}

// ---- Validation ----

const std::string kPrivateServicesPath = "psRecord->uExternalValue.psSingleASN1Type->";

std::string missingInPrivateServices(const std::string& field) {
    return validation_messages::missing(kPrivateServicesPath + field);
}
std::string outOfRangeInPrivateServices(const std::string& field) {
    return validation_messages::outOfRange(kPrivateServicesPath + field);
}

using PrivateServicesCheckTest = CarriedCheckTest;

struct PrivateServicesFaultCase {
    const char* what;
    std::function<std::unique_ptr<KivExternal>()> make;
    long code;
    std::string message;
};

TEST_F(PrivateServicesCheckTest, ValidPackagesPass) {
    auto withoutOrigin = printDeleteRequest();
    withoutOrigin.uPrintReqOrRsp.psPrintRequest->psOriginPartToKeep.reset();
    expectValid(*printExternal(std::move(withoutOrigin)));
    expectValid(*printExternal(printResultSetRequest()));
    expectValid(*printExternal(printAccessionResponse()));
    expectValid(*alertExternal(alertRequest()));
    expectValid(*corderExternal(normalOrder()));
    KivCOrder empty;
    empty.eCOrderType = COT_OrderResponse;
    empty.uCOrder.ppsOrderResponse = KivArray<KivInternationalString>::emptyArray();
    expectValid(*corderExternal(std::move(empty)));
}

TEST_F(PrivateServicesCheckTest, EachFaultIsReportedWithItsPath) {
    const std::string print = "uASN1.psPrintExtendedService->";
    const std::string request = print + "uPrintReqOrRsp.psPrintRequest->psOriginPartToKeep->";
    const std::string create = request + "uPrintOriginPartToKeep.psCreateOption->";
    const std::string order = "uASN1.psCOrder->";
    const auto printCase = [](std::function<void(KivPrintExtendedService&)> change) {
        return [change] {
            auto value = printResultSetRequest();
            change(value);
            return printExternal(std::move(value));
        };
    };
    const auto orderCase = [](std::function<void(KivCOrder&)> change) {
        return [change] {
            auto value = normalOrder();
            change(value);
            return corderExternal(std::move(value));
        };
    };
    const auto originOf = [](KivPrintExtendedService& p) -> KivPrintOriginPartToKeep& {
        return *p.uPrintReqOrRsp.psPrintRequest->psOriginPartToKeep;
    };
    const std::vector<PrivateServicesFaultCase> cases = {
        {"print selector 3", printCase([](auto& p) { p.ePrintReqRsp = 3; }), 66,
         outOfRangeInPrivateServices(print + "ePrintReqRsp")},
        {"print request missing", printCase([](auto& p) { p.uPrintReqOrRsp.psPrintRequest.reset(); }), 64,
         missingInPrivateServices(print + "uPrintReqOrRsp.psPrintRequest")},
        {"print response missing", printCase([](auto& p) { p.ePrintReqRsp = PROR_Response; }), 64,
         missingInPrivateServices(print + "uPrintReqOrRsp.psPrintResponse")},
        {"origin part selector 0", printCase([=](auto& p) { originOf(p).ePrintOriginPartToKeepType = 0; }),
         66, outOfRangeInPrivateServices(request + "ePrintOriginPartToKeepType")},
        {"delete option missing",
         printCase([=](auto& p) { originOf(p).ePrintOriginPartToKeepType = POPKT_Delete; }), 64,
         missingInPrivateServices(request + "uPrintOriginPartToKeep.psDeleteOption")},
        {"create option missing",
         printCase([=](auto& p) { originOf(p).uPrintOriginPartToKeep.psCreateOption.reset(); }), 64,
         missingInPrivateServices(request + "uPrintOriginPartToKeep.psCreateOption")},
        {"create option selector 3", printCase([=](auto& p) {
             originOf(p).uPrintOriginPartToKeep.psCreateOption->eCreateOptionType = 3;
         }),
         66, outOfRangeInPrivateServices(create + "eCreateOptionType")},
        {"accession reference missing", printCase([=](auto& p) {
             originOf(p).uPrintOriginPartToKeep.psCreateOption->eCreateOptionType = COPT_AccessionReference;
         }),
         64, missingInPrivateServices(create + "uCreateOption.psAccessionReference")},
        {"record composition selector 3", printCase([=](auto& p) {
             originOf(p)
                 .uPrintOriginPartToKeep.psCreateOption->uCreateOption.psResultSetReference
                 ->psRecordComposition->eRecordCompositionType = 3;
         }),
         66,
         outOfRangeInPrivateServices(
             create + "uCreateOption.psResultSetReference->psRecordComposition->eRecordCompositionType")},
        {"alert selector 0",
         [] {
             auto value = alertRequest();
             value.eAlertReqRsp = 0;
             return alertExternal(std::move(value));
         },
         66, outOfRangeInPrivateServices("uASN1.psAlertExtendedService->eAlertReqRsp")},
        {"alert response missing",
         [] {
             auto value = alertRequest();
             value.eAlertReqRsp = AROR_Response;
             return alertExternal(std::move(value));
         },
         64, missingInPrivateServices("uASN1.psAlertExtendedService->uAlertReqOrRsp.psAlertResponse")},
        {"order selector 3", orderCase([](auto& o) { o.eCOrderType = 3; }), 66,
         outOfRangeInPrivateServices(order + "eCOrderType")},
        {"order response missing", orderCase([](auto& o) { o.eCOrderType = COT_OrderResponse; }), 64,
         missingInPrivateServices(order + "uCOrder.ppsOrderResponse")},
        {"order request selector 0",
         orderCase([](auto& o) { o.uCOrder.psOrderRequest->eOrderRequestType = 0; }), 66,
         outOfRangeInPrivateServices(order + "uCOrder.psOrderRequest->eOrderRequestType")},
        {"order references missing",
         orderCase([](auto& o) { o.uCOrder.psOrderRequest->eOrderRequestType = ORT_OrderRefs; }), 64,
         missingInPrivateServices(order + "uCOrder.psOrderRequest->uOrderRequest.ppsOrderRefs")},
        {"order ranges missing", orderCase([](auto& o) {
             o.uCOrder.psOrderRequest->uOrderRequest.psNormalOrder->ppsOrderRanges.reset();
         }),
         64,
         missingInPrivateServices(order +
                                  "uCOrder.psOrderRequest->uOrderRequest.psNormalOrder->ppsOrderRanges")},
        {"print identifier with a further arc",
         [] { return printExternal(printDeleteRequest(), "1.2.840.10003.9.1000.70.1.0"); }, 74,
         "Invalid oid value 1.2.840.10003.9.1000.70.1.0 for external " + kPrivateServicesPath + "eASN1Type"},
    };
    for (const PrivateServicesFaultCase& c : cases) expectFault(*c.make(), c.code, c.message, c.what);
}

}  // namespace
}  // namespace private_services_cases
