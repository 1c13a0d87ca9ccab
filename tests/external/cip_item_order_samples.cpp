#include "tests/external/cip_item_order_samples.h"

#include <string>
#include <utility>

#include "tests/external/grs1_samples.h"

namespace cip_test {

namespace {

using grs1_test::octetExternal;
using grs1_test::text;

KivInternationalString str(const std::string& value) {
    return KivInternationalString{value};
}

KivArray<KivOtherInformation> otherInfo(const std::string& value) {
    KivArray<KivOtherInformation> items;
    KivOtherInformation* item = items.emplace();
    item->psInfoCategory = std::make_unique<KivInfoCategory>();
    item->psInfoCategory->pcCategoryTypeId = "1.2.3";
    item->psInfoCategory->ulCategoryValue = 4;
    item->eInformationType = IT_CharacterInfo;
    item->uInformation.psCharacterInfo = text(value);
    return items;
}

std::unique_ptr<KivCipBPrice> price(uint32_t value) {
    auto result = std::make_unique<KivCipBPrice>();
    result->psPrice = std::make_unique<KivIntUnit>();
    result->psPrice->ulValue = value;
    result->psPrice->sUnitUsed.psUnitSystem = text("ISO 4217");
    result->psPrice->sUnitUsed.psUnit = std::make_unique<KivStringOrNumeric>();
    result->psPrice->sUnitUsed.psUnit->eStringOrNumeric = 1;
    result->psPrice->sUnitUsed.psUnit->uStringOrNumeric.psString = text("EUR");
    result->sPriceExpirationDate = str("20270101");
    result->sAdditionalPriceInfo = str("VAT included");
    return result;
}

std::unique_ptr<KivCipBAddress> address(const std::string& city) {
    return std::unique_ptr<KivCipBAddress>(
        new KivCipBAddress{str("1 Main Street"), str(city), str("Kent"), str("CT1"), str("UK")});
}

void addProduct(KivArray<KivCipBProductSpec>& products, const std::string& id) {
    KivCipBProductSpec* product = products.emplace();
    product->sProductId = str(id);
    product->psProductPrice = price(12);
    product->psProductDeliveryOptions = std::make_unique<KivCipBProductDeliveryOptions>();
    product->psProductDeliveryOptions->ulProductByteSize = 4096;
    product->psProductDeliveryOptions->sProductFormat = str("GeoTIFF");
    product->psProductDeliveryOptions->sProductCompression = str("zip");
    product->psProductDeliveryOptions->ppsOtherInfo = otherInfo("options");
    product->sProcessingType = str("L1");
    product->sProcessingOptions = str("fast");
    product->sSceneSelectionOptions = str("cloud-free");
    product->ppsOtherInfo = otherInfo("product");
}

std::unique_ptr<KivCipBBilling> billing(int32_t method) {
    auto result = std::make_unique<KivCipBBilling>();
    result->sPaymentMethod.ePaymentMethodType = method;
    if (method == PMT_CREDITCARD) {
        result->sPaymentMethod.uPaymentMethod.psCreditCard = std::unique_ptr<KivCipBCreditCardInfo>(
            new KivCipBCreditCardInfo{str("A Reader"), str("1229"), str("4111")});
    } else if (method == ABT_PRIVATENOTKNOWN) {
        result->sPaymentMethod.uPaymentMethod.psPrivateNotKnown = octetExternal("1.2.3.4", "voucher");
    }
    result->psCustomerReference = text("ref-1");
    result->psCustomerPONumber = text("po-2");
    return result;
}

std::unique_ptr<KivCipBOrderSpecification> orderSpecification() {
    auto spec = std::make_unique<KivCipBOrderSpecification>();
    spec->sOrderingCentreId = str("centre");
    spec->psOrderPrice = price(100);
    spec->sOrderDeliveryDate = str("20270201");
    spec->sOrderCancellationDate = str("20270301");

    KivCipBDeliveryUnit* byFtp = spec->ppsDeliveryUnits.emplace();
    byFtp->sDeliveryUnitId = str("unit-1");
    byFtp->psDeliveryUnitPrice = price(50);
    byFtp->psDeliveryMethod = std::make_unique<KivCipBDeliveryMethod>();
    byFtp->psDeliveryMethod->eDeliveryMethodType = CIP_DM_FTP;
    byFtp->psDeliveryMethod->uDeliveryMethod.psFtp =
        std::unique_ptr<KivCipBFtpDelivery>(new KivCipBFtpDelivery{CIP_FTP_PULL, str("ftp.example.org")});
    byFtp->psBilling = billing(ABT_PRIVATENOTKNOWN);
    KivCipBPackageSpec* predefined = byFtp->ppsPackages.emplace();
    predefined->sPackageId = str("package-1");
    predefined->psPackagePrice = price(25);
    predefined->psPackage = std::make_unique<KivCipBPackage>();
    predefined->psPackage->ePackageType = CIP_PKG_PREDEFINED;
    auto& collection = predefined->psPackage->uPackage.psPredefinedPackage;
    collection = std::make_unique<KivCipBPredefinedPackage>();
    collection->sCollectionId = str("collection");
    addProduct(collection->ppsOrderItems, "product-1");
    addProduct(collection->ppsOrderItems, "product-2");
    collection->ppsOtherInfo = otherInfo("collection");
    predefined->sPackageMedium = str("DVD");
    predefined->ulPackageKByteSize = 700000;
    predefined->ppsOtherInfo = otherInfo("package");
    byFtp->ppsOtherInfo = otherInfo("unit");

    KivCipBDeliveryUnit* byMail = spec->ppsDeliveryUnits.emplace();
    byMail->psDeliveryMethod = std::make_unique<KivCipBDeliveryMethod>();
    byMail->psDeliveryMethod->eDeliveryMethodType = CIP_DM_MAIL;
    byMail->psDeliveryMethod->uDeliveryMethod.psMail = address("Canterbury");
    KivCipBPackageSpec* adHoc = byMail->ppsPackages.emplace();
    adHoc->psPackage = std::make_unique<KivCipBPackage>();
    adHoc->psPackage->ePackageType = CIP_PKG_ADHOC;
    addProduct(adHoc->psPackage->uPackage.ppsAdHocPackage, "product-3");
    adHoc->sPackageMedium = str("CD");
    adHoc->ulPackageKByteSize = 650000;

    spec->ppsOtherInfo = otherInfo("specification");
    return spec;
}

std::unique_ptr<KivCipBUserInformation> userInformation() {
    auto user = std::make_unique<KivCipBUserInformation>();
    user->sUserId = str("user");
    user->sUserName = str("A Reader");
    user->psUserAddress = address("Dover");
    user->sTelNumber = str("+44 1");
    user->sFaxNumber = str("+44 2");
    user->sEmailAddress = str("reader@example.org");
    user->sNetworkAddress = str("192.0.2.1");
    user->sAccount = str("account");
    user->psBilling = billing(PMT_CREDITCARD);
    return user;
}

std::unique_ptr<KivCipBOriginPartToKeep> toKeep() {
    auto part = std::make_unique<KivCipBOriginPartToKeep>();
    part->ulAction = 2;
    part->sOrderId = str("order-7");
    part->psOrderSpecification = orderSpecification();
    part->psStatusUpdateOption = std::make_unique<KivCipBStatusUpdateOption>();
    part->psStatusUpdateOption->eStatusUpdateOptionType = ABT_AUTOMATIC;
    part->psStatusUpdateOption->ulAutomatic = 30;
    part->psUserInformation = userInformation();
    part->ppsOtherInfo = otherInfo("to keep");
    return part;
}

}  // namespace

KivCipBItemOrderExtendedService fullRequest() {
    KivCipBItemOrderExtendedService package;
    package.eItemOrderReqRsp = IOROR_CipBRequest;
    auto& request = package.uItemOrderReqOrRsp.psItemOrderRequest;
    request = std::make_unique<KivCipBItemOrderRequest>();
    request->psToKeep = toKeep();
    request->psNotToKeep = std::make_unique<KivCipBOriginPartNotToKeep>();
    request->psNotToKeep->sOrderId = str("order-7");
    request->psNotToKeep->psOrderSpecification = orderSpecification();
    request->psNotToKeep->psUserInformation = userInformation();
    request->psNotToKeep->ppsOtherInfo = otherInfo("not to keep");
    return package;
}

KivCipBItemOrderExtendedService fullResponse() {
    KivCipBItemOrderExtendedService package;
    package.eItemOrderReqRsp = IOROR_CipBResponse;
    auto& response = package.uItemOrderReqOrRsp.psItemOrderResponse;
    response = std::make_unique<KivCipBItemOrderResponse>();
    response->psOriginPart = toKeep();
    response->sTargetPart = std::make_unique<KivCipBTargetPart>();
    KivCipBTargetPart& target = *response->sTargetPart;
    target.sOrderId = str("order-7");
    target.psOrderSpecification = orderSpecification();
    target.psOrderStatusInfo = std::make_unique<KivCipBOrderStatusInfo>();
    target.psOrderStatusInfo->sOrderState.eOrderStateType = OSIT_DYNAMICSTATE;
    target.psOrderStatusInfo->sOrderState.uOrderState.ulDynamicState = 3;
    target.psOrderStatusInfo->psAdditionalStatusInfo = text("in production");
    target.psUserInformation = userInformation();
    target.ppsOtherInfo = otherInfo("target");
    return package;
}

KivCipBItemOrderExtendedService smallRequest() {
    KivCipBItemOrderExtendedService package;
    package.eItemOrderReqRsp = IOROR_CipBRequest;
    auto& request = package.uItemOrderReqOrRsp.psItemOrderRequest;
    request = std::make_unique<KivCipBItemOrderRequest>();
    request->psToKeep = std::make_unique<KivCipBOriginPartToKeep>();
    request->psToKeep->ulAction = 7;
    request->psNotToKeep = std::make_unique<KivCipBOriginPartNotToKeep>();
    return package;
}

std::unique_ptr<KivExternal> cipOrderExternal(KivCipBItemOrderExtendedService package, const char* oid) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    auto& content = external->uExternalValue.psSingleASN1Type;
    content = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = AT_CipBItemOrderExtendedService;
    content->uASN1.psCipBItemOrderExtendedService =
        std::make_unique<KivCipBItemOrderExtendedService>(std::move(package));
    return external;
}

}  // namespace cip_test
