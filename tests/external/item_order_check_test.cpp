// Validation of Item Order packages through the EXTERNAL that carries them: each fault reported once, with
// its code and the exact message and path.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/external/item_order_samples.h"
#include "tests/util/process_log_fixture.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_external.h"

namespace item_order_check_cases {
namespace {

using namespace item_order_test;

const std::string kItemOrderPath = "psExtendedServicesReq->psTaskSpecificParameters->";
const std::string kPackage =
    kItemOrderPath + "uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService";
const std::string kItemOrderRequest = kPackage + "->uItemOrderReqOrRsp.psItemOrderRequest";
const std::string kItemOrderResponse = kPackage + "->uItemOrderReqOrRsp.psItemOrderResponse";
const std::string kToKeep = kItemOrderRequest + "->psToKeep->";
const std::string kItemOrderOrigin = kItemOrderResponse + "->psOriginPart->";
const std::string kItemOrderTarget = kItemOrderResponse + "->sTargetPart.";

using ItemOrderCheckTest = ProcessLogFixture;

using validation_messages::missing;
using validation_messages::outOfRange;

KivItemOrderExtendedService& packageOf(KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService;
}
KivPaymentMethod& paymentOf(KivItemOrderToKeep& part) {
    return part.psAdditionalBilling->sPaymentMethod;
}
// An EXTERNAL whose encoding selector names none of the three.
std::unique_ptr<KivExternal> badExternal() {
    auto external = octets("x");
    external->eValueType = 9;
    return external;
}

struct ItemOrderFaultCase {
    const char* what;
    std::function<KivExternal()> make;
    long code;
    std::string message;
};

KivExternal changedRequest(const std::function<void(KivItemOrderRequest&)>& change) {
    KivExternal external = request("1.2.840.10003.9.4");
    change(requestOf(external));
    return external;
}
KivExternal changedResponse(const std::function<void(KivItemOrderResponse&)>& change,
                            int32_t paymentType = IOPM_PrivateNotKnown) {
    KivExternal external = response("1.0.10163.9.4", paymentType);
    change(responseOf(external));
    return external;
}

TEST_F(ItemOrderCheckTest, ValidPackagesPass) {
    std::vector<KivExternal> valid;
    for (int32_t payment = IOPM_BillInvoice; payment <= IOPM_PrivateNotKnown; ++payment) {
        valid.push_back(request("1.2.840.10003.9.4", payment));
        valid.push_back(response("1.0.10163.9.4", payment));
    }
    // Contact, customer texts, result-set item and a cell that a type without member leaves set: unchecked.
    valid.push_back(changedRequest([](KivItemOrderRequest& r) {
        r.psToKeep->psContact = std::make_unique<KivItemOrderContact>();
        r.psToKeep->psAdditionalBilling->sPaymentMethod.ePaymentMethodType = IOPM_Prepay;
        r.sNotToKeep = {};
    }));
    valid.push_back(changedResponse([](KivItemOrderResponse& r) {
        r.psOriginPart.reset();
        r.sTargetPart = {};
    }));
    for (const KivExternal& external : valid) {
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(0, &external, kItemOrderPath, &error), 0) << *external.pcObjectIdentifier;
        EXPECT_EQ(error, nullptr);
        SIFreeError(&error);
    }
}

TEST_F(ItemOrderCheckTest, EachFaultIsReportedWithItsPath) {
    const std::string card = kToKeep + "psAdditionalBilling->sPaymentMethod.";
    const std::string privately = kItemOrderOrigin + "psAdditionalBilling->sPaymentMethod.";
    const std::vector<ItemOrderFaultCase> cases = {
        {"Update identifier", [] { return request("1.2.840.10003.9.5"); }, 74,
         "Invalid oid value 1.2.840.10003.9.5 for external " + kItemOrderPath +
             "uExternalValue.psSingleASN1Type->eASN1Type"},
        {"no package",
         [] {
             KivExternal external = request("1.2.840.10003.9.4");
             external.uExternalValue.psSingleASN1Type->uASN1.psItemOrderExtendedService.reset();
             return external;
         },
         64, missing(kPackage)},
        {"selector 3",
         [] {
             KivExternal external = request("1.2.840.10003.9.4");
             packageOf(external).eItemOrderReqRsp = 3;
             return external;
         },
         66, outOfRange(kPackage + "->eItemOrderReqRsp")},
        {"no request",
         [] {
             KivExternal external = request("1.2.840.10003.9.4");
             packageOf(external).uItemOrderReqOrRsp.psItemOrderRequest.reset();
             return external;
         },
         64, missing(kItemOrderRequest)},
        {"no response",
         [] {
             KivExternal external = response("1.2.840.10003.9.4");
             packageOf(external).uItemOrderReqOrRsp.psItemOrderResponse.reset();
             return external;
         },
         64, missing(kItemOrderResponse)},
        // The part to keep.
        {"description",
         [] {
             return changedRequest(
                 [](KivItemOrderRequest& r) { r.psToKeep->psSupplementalDescription = badExternal(); });
         },
         66, outOfRange(kToKeep + "psSupplementalDescription->eValueType")},
        {"payment type 0",
         [] {
             return changedRequest(
                 [](KivItemOrderRequest& r) { paymentOf(*r.psToKeep).ePaymentMethodType = 0; });
         },
         66, outOfRange(card + "ePaymentMethodType")},
        {"payment type 8",
         [] {
             return changedResponse(
                 [](KivItemOrderResponse& r) { paymentOf(*r.psOriginPart).ePaymentMethodType = 8; });
         },
         66, outOfRange(privately + "ePaymentMethodType")},
        {"card without cell",
         [] {
             return changedRequest(
                 [](KivItemOrderRequest& r) { paymentOf(*r.psToKeep).puPaymentMethod.reset(); });
         },
         64, missing(card + "puPaymentMethod")},
        {"card missing from its cell",
         [] {
             return changedRequest([](KivItemOrderRequest& r) {
                 paymentOf(*r.psToKeep).puPaymentMethod->psCreditCardInfo.reset();
             });
         },
         64, missing(card + "puPaymentMethod->psCreditCardInfo")},
        {"private payment without cell",
         [] {
             return changedResponse(
                 [](KivItemOrderResponse& r) { paymentOf(*r.psOriginPart).puPaymentMethod.reset(); });
         },
         64, missing(privately + "puPaymentMethod")},
        {"private EXTERNAL missing from its cell",
         [] {
             return changedResponse([](KivItemOrderResponse& r) {
                 paymentOf(*r.psOriginPart).puPaymentMethod->psPrivateNotKnown.reset();
             });
         },
         64, missing(privately + "puPaymentMethod->psPrivateNotK")},
        {"private EXTERNAL",
         [] {
             return changedResponse([](KivItemOrderResponse& r) {
                 paymentOf(*r.psOriginPart).puPaymentMethod->psPrivateNotKnown = badExternal();
             });
         },
         66, outOfRange(privately + "puPaymentMethod->psPrivateNotK->eValueType")},
        // The part not to keep, behind a valid part to keep and result-set item.
        {"item request",
         [] {
             return changedRequest(
                 [](KivItemOrderRequest& r) { r.sNotToKeep.psItemRequest = badExternal(); });
         },
         66, outOfRange(kItemOrderRequest + "->sNotToKeep.psItemRequest->eValueType")},
        // The target part.
        {"target item request",
         [] {
             return changedResponse(
                 [](KivItemOrderResponse& r) { r.sTargetPart.psItemRequest = badExternal(); });
         },
         66, outOfRange(kItemOrderTarget + "psItemRequest->eValueType")},
        {"status report",
         [] {
             return changedResponse(
                 [](KivItemOrderResponse& r) { r.sTargetPart.psStatusOrErrorReport = badExternal(); });
         },
         66, outOfRange(kItemOrderTarget + "psStatusOrErrorReport->eValueType")},
        {"auxiliary status 6",
         [] { return changedResponse([](KivItemOrderResponse& r) { r.sTargetPart.peAuxiliaryStatus = 6; }); },
         66, outOfRange(kItemOrderTarget + "peAuxiliaryStatus")},
        {"auxiliary status 0",
         [] { return changedResponse([](KivItemOrderResponse& r) { r.sTargetPart.peAuxiliaryStatus = 0; }); },
         66, outOfRange(kItemOrderTarget + "peAuxiliaryStatus")},
    };
    for (const ItemOrderFaultCase& c : cases) {
        createLog();
        const KivExternal external = c.make();
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(3, &external, kItemOrderPath, &error), 1) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error) << c.what;
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code) << c.what;
        EXPECT_EQ(loggedDiagnostic(), c.message) << c.what;
        SIFreeError(&error);
    }
}

}  // namespace
}  // namespace item_order_check_cases
