// CIP item-order packages through the codec (structure -> codec record -> BER -> codec record -> structure)
// and their validation before they are sent.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/api/external_round_trip.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/external/carried_check_fixture.h"
#include "tests/external/cip_item_order_samples.h"
#include "tests/external/external_round_trip.h"
#include "tests/util/validation_messages.h"

namespace cip_item_order_cases {
namespace {

using namespace cip_test;

std::string hex(const std::vector<uint8_t>& octets) {
    std::string text;
    char pair[4];
    for (uint8_t octet : octets) {
        std::snprintf(pair, sizeof pair, "%s%02X", text.empty() ? "" : " ", octet);
        text += pair;
    }
    return text;
}

const KivCipBItemOrderExtendedService& packageOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psCipBItemOrderExtendedService;
}

TEST(CipItemOrderConvert, EveryOptionalGroupComesBackAsSent) {
    for (auto make : {fullRequest, fullResponse}) {
        const auto sent = cipOrderExternal(make());
        KivExternal received;
        externalRoundTrip(*sent, &received);
        ASSERT_EQ(received.uExternalValue.psSingleASN1Type->eASN1Type, AT_CipBItemOrderExtendedService);
        const std::string text = traced(received);
        EXPECT_NE(text.find("product-3"), std::string::npos);
        EXPECT_NE(text.find("ABT_PRIVATENOTKNOWN"), std::string::npos);
        EXPECT_EQ(text, traced(*sent));
    }
}

TEST(CipItemOrderConvert, ASmallRequestEncodesAsThePackageDefinesIt) {
    const auto sent = cipOrderExternal(smallRequest());
    KivExternal received;
    const std::string octets = hex(externalRoundTrip(*sent, &received));
    const std::string package = "A1 0B A1 05 30 03 81 01 07 A2 02 30 00";
    EXPECT_EQ(octets.substr(octets.size() - package.size()), package);
    const KivCipBOriginPartNotToKeep& notToKeep =
        *packageOf(received).uItemOrderReqOrRsp.psItemOrderRequest->psNotToKeep;
    EXPECT_EQ(notToKeep.sOrderId.ulLength(), 0u);
    EXPECT_EQ(notToKeep.psOrderSpecification, nullptr);
    EXPECT_FALSE(notToKeep.ppsOtherInfo.present());
}

// Values that the rules send otherwise than they come back.
TEST(CipItemOrderConvert, ValueRules) {
    auto sample = fullResponse();
    auto& response = *sample.uItemOrderReqOrRsp.psItemOrderResponse;
    response.sTargetPart->sOrderId = KivInternationalString{};
    auto& unit = *response.psOriginPart->psOrderSpecification->ppsDeliveryUnits[0];
    auto& options = *unit.ppsPackages[0]
                         ->psPackage->uPackage.psPredefinedPackage->ppsOrderItems[0]
                         ->psProductDeliveryOptions;
    options.ulProductByteSize = 0;
    unit.psDeliveryMethod->uDeliveryMethod.psFtp->eTransferDirection = 5;
    auto& second = *response.psOriginPart->psOrderSpecification->ppsDeliveryUnits[1];
    second.psDeliveryMethod->eDeliveryMethodType = CIP_DM_EMAIL;
    second.psBilling = std::make_unique<KivCipBBilling>();
    second.psBilling->sPaymentMethod.ePaymentMethodType = PMT_PREPAY;

    const auto sent = cipOrderExternal(std::move(sample));
    KivExternal received;
    const std::string octets = hex(externalRoundTrip(*sent, &received));
    const auto& back = *packageOf(received).uItemOrderReqOrRsp.psItemOrderResponse;
    EXPECT_EQ(back.sTargetPart->sOrderId.ulLength(), 0u);
    EXPECT_NE(octets.find("A1 02 1B 00"), std::string::npos) << "an empty orderId is sent";
    const auto& backUnit = *back.psOriginPart->psOrderSpecification->ppsDeliveryUnits[0];
    EXPECT_EQ(backUnit.ppsPackages[0]
                  ->psPackage->uPackage.psPredefinedPackage->ppsOrderItems[0]
                  ->psProductDeliveryOptions->ulProductByteSize,
              0u);
    EXPECT_EQ(backUnit.psDeliveryMethod->uDeliveryMethod.psFtp->eTransferDirection, CIP_FTP_PUSH);
    const auto& backSecond = *back.psOriginPart->psOrderSpecification->ppsDeliveryUnits[1];
    EXPECT_EQ(backSecond.psDeliveryMethod->eDeliveryMethodType, CIP_DM_EMAIL);
    EXPECT_EQ(backSecond.psDeliveryMethod->uDeliveryMethod.psEMail, nullptr);
    EXPECT_NE(octets.find("A3 04 A1 02 1B 00"), std::string::npos) << "an absent eMail is sent empty";
    EXPECT_EQ(backSecond.psBilling->sPaymentMethod.ePaymentMethodType, PMT_PREPAY);
    EXPECT_NE(octets.find("A4 06 30 04 A1 02 81 00"), std::string::npos) << "prepay";
    EXPECT_EQ(backSecond.psBilling->psCustomerReference, nullptr);
}

// ---- Validation ----

const std::string kCipItemOrderPath = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kPackage = "uASN1.psCipBItemOrderExtendedService->";
const std::string kCipItemOrderRequest = kPackage + "uItemOrderReqOrRsp.psItemOrderRequest->";
const std::string kCipItemOrderResponse = kPackage + "uItemOrderReqOrRsp.psItemOrderResponse->";
const std::string kCipItemOrderSpec = kCipItemOrderRequest + "psToKeep->psOrderSpecification->";
const std::string kUnit = kCipItemOrderSpec + "ppsDeliveryUnits[0]->";
const std::string kPackageSpec = kUnit + "ppsPackages[0]->";
const std::string kUser = kCipItemOrderRequest + "psToKeep->psUserInformation->";

using CipItemOrderCheckTest = CarriedCheckTest;

struct CipItemOrderFaultCase {
    const char* what;
    KivCipBItemOrderExtendedService (*sample)();
    std::function<void(KivCipBItemOrderExtendedService&)> change;
    long code;
    std::string message;
};

KivCipBItemOrderRequest& request(KivCipBItemOrderExtendedService& p) {
    return *p.uItemOrderReqOrRsp.psItemOrderRequest;
}
KivCipBDeliveryUnit& unit(KivCipBItemOrderExtendedService& p) {
    return *request(p).psToKeep->psOrderSpecification->ppsDeliveryUnits[0];
}
KivCipBPackageSpec& packageSpec(KivCipBItemOrderExtendedService& p) {
    return *unit(p).ppsPackages[0];
}

std::string missingInCipItemOrder(const std::string& field) {
    return validation_messages::missing(kCipItemOrderPath + field);
}
std::string outOfRangeInCipItemOrder(const std::string& field) {
    return validation_messages::outOfRange(kCipItemOrderPath + field);
}

TEST_F(CipItemOrderCheckTest, ValidPackagesPass) {
    for (auto make : {fullRequest, fullResponse, smallRequest}) {
        expectValid(*cipOrderExternal(make()));
    }
}

TEST_F(CipItemOrderCheckTest, EachFaultIsReportedWithItsPath) {
    const std::vector<CipItemOrderFaultCase> cases = {
        {"no package", smallRequest, [](auto& p) { p = KivCipBItemOrderExtendedService{}; }, 66,
         outOfRangeInCipItemOrder(kPackage + "eItemOrderReqRsp")},
        {"selector 3", smallRequest, [](auto& p) { p.eItemOrderReqRsp = 3; }, 66,
         outOfRangeInCipItemOrder(kPackage + "eItemOrderReqRsp")},
        {"selector -1", smallRequest, [](auto& p) { p.eItemOrderReqRsp = -1; }, 66,
         outOfRangeInCipItemOrder(kPackage + "eItemOrderReqRsp")},
        {"request missing", smallRequest, [](auto& p) { p.uItemOrderReqOrRsp.psItemOrderRequest.reset(); },
         64, missingInCipItemOrder(kPackage + "uItemOrderReqOrRsp.psItemOrderRequest")},
        {"response missing", fullResponse, [](auto& p) { p.uItemOrderReqOrRsp.psItemOrderResponse.reset(); },
         64, missingInCipItemOrder(kPackage + "uItemOrderReqOrRsp.psItemOrderResponse")},
        {"toKeep missing", smallRequest, [](auto& p) { request(p).psToKeep.reset(); }, 64,
         missingInCipItemOrder(kCipItemOrderRequest + "psToKeep")},
        {"notToKeep missing", smallRequest, [](auto& p) { request(p).psNotToKeep.reset(); }, 64,
         missingInCipItemOrder(kCipItemOrderRequest + "psNotToKeep")},
        {"originPart missing", fullResponse,
         [](auto& p) { p.uItemOrderReqOrRsp.psItemOrderResponse->psOriginPart.reset(); }, 64,
         missingInCipItemOrder(kCipItemOrderResponse + "psOriginPart")},
        {"targetPart missing", fullResponse,
         [](auto& p) { p.uItemOrderReqOrRsp.psItemOrderResponse->sTargetPart.reset(); }, 64,
         missingInCipItemOrder(kCipItemOrderResponse + "sTargetPart")},
        {"order state 3", fullResponse,
         [](auto& p) {
             p.uItemOrderReqOrRsp.psItemOrderResponse->sTargetPart->psOrderStatusInfo->sOrderState
                 .eOrderStateType = 3;
         },
         66,
         outOfRangeInCipItemOrder(kCipItemOrderResponse +
                                  "sTargetPart->psOrderStatusInfo->sOrderState.eOrderStateType")},
        {"delivery units missing", fullRequest,
         [](auto& p) { request(p).psToKeep->psOrderSpecification->ppsDeliveryUnits.reset(); }, 64,
         missingInCipItemOrder(kCipItemOrderSpec + "ppsDeliveryUnits")},
        {"order price without its price", fullRequest,
         [](auto& p) { request(p).psToKeep->psOrderSpecification->psOrderPrice->psPrice.reset(); }, 64,
         missingInCipItemOrder(kCipItemOrderSpec + "psOrderPrice->psPrice")},
        {"price of unit selector 3", fullRequest,
         [](auto& p) {
             request(p)
                 .psToKeep->psOrderSpecification->psOrderPrice->psPrice->sUnitUsed.psUnit->eStringOrNumeric =
                 3;
         },
         66,
         outOfRangeInCipItemOrder(kCipItemOrderSpec +
                                  "psOrderPrice->psPrice->sUnitUsed.psUnit->eStringOrNumeric")},
        {"delivery method 4", fullRequest, [](auto& p) { unit(p).psDeliveryMethod->eDeliveryMethodType = 4; },
         66, outOfRangeInCipItemOrder(kUnit + "psDeliveryMethod->eDeliveryMethodType")},
        {"ftp missing", fullRequest, [](auto& p) { unit(p).psDeliveryMethod->uDeliveryMethod.psFtp.reset(); },
         64, missingInCipItemOrder(kUnit + "psDeliveryMethod->uDeliveryMethod.psFtp")},
        {"transfer direction 2", fullRequest,
         [](auto& p) { unit(p).psDeliveryMethod->uDeliveryMethod.psFtp->eTransferDirection = 2; }, 66,
         outOfRangeInCipItemOrder(kUnit + "psDeliveryMethod->uDeliveryMethod.psFtp->eTransferDirection")},
        {"mail missing", fullRequest,
         [](auto& p) { unit(p).psDeliveryMethod->eDeliveryMethodType = CIP_DM_MAIL; }, 64,
         missingInCipItemOrder(kUnit + "psDeliveryMethod->uDeliveryMethod.psMail")},
        {"other information missing", fullRequest,
         [](auto& p) { unit(p).psDeliveryMethod->eDeliveryMethodType = CIP_DM_OTHERINFO; }, 64,
         missingInCipItemOrder(kUnit + "psDeliveryMethod->uDeliveryMethod.ppsOtherInfo")},
        {"payment method 8", fullRequest,
         [](auto& p) { unit(p).psBilling->sPaymentMethod.ePaymentMethodType = 8; }, 66,
         outOfRangeInCipItemOrder(kUnit + "psBilling->sPaymentMethod.ePaymentMethodType")},
        {"private payment without its EXTERNAL", fullRequest,
         [](auto& p) { unit(p).psBilling->sPaymentMethod.uPaymentMethod.psPrivateNotKnown.reset(); }, 64,
         missingInCipItemOrder(kUnit + "psBilling->sPaymentMethod.uPaymentMethod.psPrivateNotKnown")},
        {"private payment of no encoding", fullRequest,
         [](auto& p) { unit(p).psBilling->sPaymentMethod.uPaymentMethod.psPrivateNotKnown->eValueType = 0; },
         66,
         outOfRangeInCipItemOrder(kUnit +
                                  "psBilling->sPaymentMethod.uPaymentMethod.psPrivateNotKnown->eValueType")},
        {"credit card missing", fullRequest,
         [](auto& p) {
             request(p)
                 .psToKeep->psUserInformation->psBilling->sPaymentMethod.uPaymentMethod.psCreditCard.reset();
         },
         64, missingInCipItemOrder(kUser + "psBilling->sPaymentMethod.uPaymentMethod.psCreditCard")},
        {"packages missing", fullRequest, [](auto& p) { unit(p).ppsPackages.reset(); }, 64,
         missingInCipItemOrder(kUnit + "ppsPackages")},
        {"package missing", fullRequest, [](auto& p) { packageSpec(p).psPackage.reset(); }, 64,
         missingInCipItemOrder(kPackageSpec + "psPackage")},
        {"package selector 2", fullRequest, [](auto& p) { packageSpec(p).psPackage->ePackageType = 2; }, 66,
         outOfRangeInCipItemOrder(kPackageSpec + "psPackage->ePackageType")},
        {"predefined package missing", fullRequest,
         [](auto& p) { packageSpec(p).psPackage->uPackage.psPredefinedPackage.reset(); }, 64,
         missingInCipItemOrder(kPackageSpec + "psPackage->uPackage.psPredefinedPackage")},
        {"order items missing", fullRequest,
         [](auto& p) { packageSpec(p).psPackage->uPackage.psPredefinedPackage->ppsOrderItems.reset(); }, 64,
         missingInCipItemOrder(kPackageSpec + "psPackage->uPackage.psPredefinedPackage->ppsOrderItems")},
        {"ad hoc package missing", fullRequest,
         [](auto& p) { packageSpec(p).psPackage->ePackageType = CIP_PKG_ADHOC; }, 64,
         missingInCipItemOrder(kPackageSpec + "psPackage->uPackage.ppsAdHocPackage")},
        {"product's other information of type 5", fullRequest,
         [](auto& p) {
             packageSpec(p)
                 .psPackage->uPackage.psPredefinedPackage->ppsOrderItems[1]
                 ->ppsOtherInfo[0]
                 ->eInformationType = 5;
         },
         66,
         outOfRangeInCipItemOrder(
             kPackageSpec +
             "psPackage->uPackage.psPredefinedPackage->ppsOrderItems[1]->ppsOtherInfo[0]->eInformationType")},
        {"status update option 2", fullRequest,
         [](auto& p) { request(p).psToKeep->psStatusUpdateOption->eStatusUpdateOptionType = 2; }, 66,
         outOfRangeInCipItemOrder(kCipItemOrderRequest +
                                  "psToKeep->psStatusUpdateOption->eStatusUpdateOptionType")},
    };
    for (const CipItemOrderFaultCase& c : cases) {
        KivCipBItemOrderExtendedService package = c.sample();
        c.change(package);
        expectFault(*cipOrderExternal(std::move(package)), c.code, c.message, c.what);
    }
}

TEST_F(CipItemOrderCheckTest, TheIdentifierAndThePackageAreChecked) {
    expectFault(*cipOrderExternal(smallRequest(), "1.0.10163.9.1000.99.1"), 74,
                "Invalid oid value 1.0.10163.9.1000.99.1 for external " + kCipItemOrderPath + "eASN1Type");
    const auto empty = cipOrderExternal(smallRequest());
    empty->uExternalValue.psSingleASN1Type->uASN1.psCipBItemOrderExtendedService.reset();
    expectFault(*empty, 64, missingInCipItemOrder("uASN1.psCipBItemOrderExtendedService"));
}

}  // namespace
}  // namespace cip_item_order_cases
