// Item Order packages through the codec: structure -> codec record -> BER -> codec record -> structure, on
// both identifiers, and the members the rules send or receive differently from how they were given.

#include <gtest/gtest.h>

#include <string>

#include "tests/api/carried_records_equality.h"
#include "tests/api/codec_external.h"
#include "tests/external/item_order_samples.h"
#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/records/records_f.h"

namespace item_order_convert_cases {
namespace {

namespace r = codec::records;
using namespace item_order_test;

class ItemOrderConvertTest : public ProcessLogFixture {
  protected:
    void SetUp() override {
        ProcessLogFixture::SetUp();
        KivRegisterCodecTypes();
    }
};

const KivItemOrderExtendedService& packageOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService;
}

TEST_F(ItemOrderConvertTest, FilledPackagesRoundTripOnBothArcs) {
    for (const char* oid : {"1.2.840.10003.9.4", "1.0.10163.9.4"}) {
        for (int32_t payment : {IOPM_CreditCard, IOPM_PrivateNotKnown, IOPM_DepositAccount}) {
            for (const KivExternal& sent : {request(oid, payment), response(oid, payment)}) {
                SIError* error = nullptr;
                EXPECT_EQ(KivCheckExternal(0, &sent, "psExternal->", &error), 0) << oid << " " << payment;
                SIFreeError(&error);
                KivExternal received;
                externalRoundTrip(sent, &received);
                EXPECT_EQ(received.uExternalValue.psSingleASN1Type->eASN1Type, AT_ItemOrderExtendedService);
                EXPECT_TRUE(carried::same(sent, received)) << oid << " " << payment;
            }
        }
    }
}

// The request's part not to keep and the response's target part are always sent, even empty.
TEST_F(ItemOrderConvertTest, CompulsoryPartsAreSentEmpty) {
    KivExternal sent = request("1.2.840.10003.9.4");
    KivItemOrderRequest& order = requestOf(sent);
    order.psToKeep.reset();
    order.sNotToKeep = {};
    const CodecExternal codecRequest(sent);
    const r::ItemOrder& requestValue = codecRequest.value<r::ItemOrder>();
    ASSERT_EQ(requestValue.choiceId, r::ItemOrder::kEsRequest);
    EXPECT_EQ(requestValue.esRequest->toKeep, nullptr);
    ASSERT_NE(requestValue.esRequest->notToKeep, nullptr);
    EXPECT_EQ(requestValue.esRequest->notToKeep->resultSetItem, nullptr);
    EXPECT_EQ(requestValue.esRequest->notToKeep->itemRequest, nullptr);

    KivExternal reply = response("1.0.10163.9.4");
    responseOf(reply).sTargetPart = {};
    const CodecExternal codecResponse(reply);
    const r::ItemOrder& responseValue = codecResponse.value<r::ItemOrder>();
    ASSERT_EQ(responseValue.choiceId, r::ItemOrder::kTaskPackage);
    ASSERT_NE(responseValue.taskPackage->targetPart, nullptr);
    EXPECT_EQ(responseValue.taskPackage->targetPart->auxiliaryStatus, nullptr);
    KivExternal received;
    externalRoundTrip(reply, &received);
    EXPECT_TRUE(carried::same(reply, received));
}

// Received values outside their ranges, empty texts and members the codec leaves out.
TEST_F(ItemOrderConvertTest, ReceivedValuesFollowTheirRules) {
    KivExternal sent = response("1.2.840.10003.9.4");
    responseOf(sent).sTargetPart.peAuxiliaryStatus = 6;
    CodecExternal codec(sent);
    r::ItemOrderTaskPackage& package = *codec.value<r::ItemOrder>().taskPackage;
    EXPECT_EQ(*package.targetPart->auxiliaryStatus, 0);
    *package.targetPart->auxiliaryStatus = 6;
    package.originPart->contact->name.length = 0;
    r::PaymentMethod& payment = *package.originPart->addlBilling->paymentMethod;
    payment.choiceId = r::PaymentMethod::kAlternatives;
    {
        const KivExternal back = codec.back();
        const KivItemOrderResponse& received = *packageOf(back).uItemOrderReqOrRsp.psItemOrderResponse;
        EXPECT_EQ(received.sTargetPart.peAuxiliaryStatus, IOAS_Invalid);
        EXPECT_FALSE(received.psOriginPart->psContact->psName);
        ASSERT_TRUE(received.psOriginPart->psContact->psPhone);
        EXPECT_EQ(received.psOriginPart->psContact->psPhone->pcValue, "+44 20 7946 0000");
        EXPECT_EQ(received.psOriginPart->psAdditionalBilling->sPaymentMethod.ePaymentMethodType,
                  IOPM_Invalid);
        EXPECT_FALSE(received.psOriginPart->psAdditionalBilling->sPaymentMethod.puPaymentMethod);
    }
    payment.choiceId = r::PaymentMethod::kPrivateNotKnown;  // so that the record frees its EXTERNAL
    // A task package whose target part did not arrive leaves the target-part members absent.
    r::ItemOrderTargetPart* target = package.targetPart;
    package.targetPart = nullptr;
    const KivExternal back = codec.back();
    package.targetPart = target;
    const KivItemOrderResponse& received = *packageOf(back).uItemOrderReqOrRsp.psItemOrderResponse;
    EXPECT_FALSE(received.sTargetPart.psItemRequest);
    EXPECT_FALSE(received.sTargetPart.peAuxiliaryStatus);
    EXPECT_TRUE(received.psOriginPart);
}

// A selector without an alternative converts nothing either way; a payment method without its cell sends its
// selector alone.
TEST_F(ItemOrderConvertTest, SelectorsWithoutAlternativeConvertNothing) {
    KivExternal sent = request("1.2.840.10003.9.4");
    requestOf(sent).psToKeep->psAdditionalBilling->sPaymentMethod.puPaymentMethod.reset();
    {
        const CodecExternal codec(sent);
        const r::PaymentMethod& method =
            *codec.value<r::ItemOrder>().esRequest->toKeep->addlBilling->paymentMethod;
        EXPECT_EQ(method.choiceId, r::PaymentMethod::kCreditCard);
        EXPECT_EQ(method.creditCard, nullptr);
    }
    sent.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService->eItemOrderReqRsp = 3;
    CodecExternal codec(sent);
    EXPECT_EQ(codec.value<r::ItemOrder>().esRequest, nullptr);
    codec.value<r::ItemOrder>().choiceId = r::ItemOrder::kAlternatives;
    const KivExternal back = codec.back();
    EXPECT_EQ(packageOf(back).eItemOrderReqRsp, 0);
    EXPECT_FALSE(packageOf(back).uItemOrderReqOrRsp.psItemOrderRequest);
}

}  // namespace
}  // namespace item_order_convert_cases
