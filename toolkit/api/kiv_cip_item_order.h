#pragma once
// The CIP item-order extended-services package: the parts an origin keeps and does not keep in its request,
// and the origin and target parts of the task package.
//
// Selectors keep the numbering the package gives them: eItemOrderReqRsp, ePaymentMethodType and
// eOrderStateType count from 1; eStatusUpdateOptionType, eDeliveryMethodType, ePackageType and
// eTransferDirection count from 0, as the codec's own numbers do. A text carried by an optional codec string
// is absent when it is empty.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_units.h"

enum : int32_t {
    IOROR_CipBRequest = 1,
    IOROR_CipBResponse = 2,
};

enum : int32_t {
    ABT_MANUAL = 0,
    ABT_AUTOMATIC = 1,
};

enum : int32_t {
    OSIT_STATICSTATE = 1,
    OSIT_DYNAMICSTATE = 2,
};

enum : int32_t {
    PMT_BILLINVOICE = 1,
    PMT_PREPAY = 2,
    PMT_DEPOSITACCOUNT = 3,
    PMT_CREDITCARD = 4,
    PMT_CARDINFOPREVIOUSLYSUPPLIED = 5,
    ABT_PRIVATEKNOWN = 6,
    ABT_PRIVATENOTKNOWN = 7,
};

// eDeliveryMethodType.
enum : int32_t {
    CIP_DM_EMAIL = 0,
    CIP_DM_FTP = 1,
    CIP_DM_MAIL = 2,
    CIP_DM_OTHERINFO = 3,
};

// ePackageType.
enum : int32_t {
    CIP_PKG_PREDEFINED = 0,
    CIP_PKG_ADHOC = 1,
};

// eTransferDirection.
enum : int32_t {
    CIP_FTP_PUSH = 0,
    CIP_FTP_PULL = 1,
};

struct KivCipBCreditCardInfo {
    KivInternationalString sNameOnCard;
    KivInternationalString sExpirationDate;
    KivInternationalString sCardNumber;
};

// PMT_CREDITCARD holds psCreditCard, ABT_PRIVATENOTKNOWN psPrivateNotKnown; the others hold nothing.
struct KivCipBPaymentMethod {
    int32_t ePaymentMethodType{};
    struct {
        std::unique_ptr<KivCipBCreditCardInfo> psCreditCard;
        std::unique_ptr<KivExternal> psPrivateNotKnown;
    } uPaymentMethod;
};

struct KivCipBBilling {
    KivCipBPaymentMethod sPaymentMethod;
    std::unique_ptr<KivInternationalString> psCustomerReference;
    std::unique_ptr<KivInternationalString> psCustomerPONumber;
};

struct KivCipBAddress {
    KivInternationalString sStreetAddress;
    KivInternationalString sCity;
    KivInternationalString sState;
    KivInternationalString sPostalCode;
    KivInternationalString sCountry;
};

struct KivCipBUserInformation {
    KivInternationalString sUserId;
    KivInternationalString sUserName;
    std::unique_ptr<KivCipBAddress> psUserAddress;
    KivInternationalString sTelNumber;
    KivInternationalString sFaxNumber;
    KivInternationalString sEmailAddress;
    KivInternationalString sNetworkAddress;
    KivInternationalString sAccount;
    std::unique_ptr<KivCipBBilling> psBilling;
};

struct KivCipBOrderState {
    int32_t eOrderStateType{};
    struct {
        uint32_t ulStaticState{};
        uint32_t ulDynamicState{};
    } uOrderState;
};

struct KivCipBOrderStatusInfo {
    KivCipBOrderState sOrderState;
    std::unique_ptr<KivInternationalString> psAdditionalStatusInfo;
};

// ABT_AUTOMATIC uses ulAutomatic.
struct KivCipBStatusUpdateOption {
    int32_t eStatusUpdateOptionType{};
    uint32_t ulAutomatic{};
};

struct KivCipBPrice {
    std::unique_ptr<KivIntUnit> psPrice;
    KivInternationalString sPriceExpirationDate;
    KivInternationalString sAdditionalPriceInfo;
};

// ulProductByteSize 0 stands for an absent size.
struct KivCipBProductDeliveryOptions {
    uint32_t ulProductByteSize{};
    KivInternationalString sProductFormat;
    KivInternationalString sProductCompression;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBProductSpec {
    KivInternationalString sProductId;
    std::unique_ptr<KivCipBPrice> psProductPrice;
    std::unique_ptr<KivCipBProductDeliveryOptions> psProductDeliveryOptions;
    KivInternationalString sProcessingType;
    KivInternationalString sProcessingOptions;
    KivInternationalString sSceneSelectionOptions;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBPredefinedPackage {
    KivInternationalString sCollectionId;
    KivArray<KivCipBProductSpec> ppsOrderItems;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBPackage {
    int32_t ePackageType{};
    struct {
        std::unique_ptr<KivCipBPredefinedPackage> psPredefinedPackage;
        KivArray<KivCipBProductSpec> ppsAdHocPackage;
    } uPackage;
};

struct KivCipBPackageSpec {
    KivInternationalString sPackageId;
    std::unique_ptr<KivCipBPrice> psPackagePrice;
    std::unique_ptr<KivCipBPackage> psPackage;
    KivInternationalString sPackageMedium;
    uint32_t ulPackageKByteSize{};
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBFtpDelivery {
    int32_t eTransferDirection{};
    KivInternationalString sFtpAddress;
};

struct KivCipBDeliveryMethod {
    int32_t eDeliveryMethodType{};
    struct {
        std::unique_ptr<KivInternationalString> psEMail;
        std::unique_ptr<KivCipBFtpDelivery> psFtp;
        std::unique_ptr<KivCipBAddress> psMail;
        KivArray<KivOtherInformation> ppsOtherInfo;
    } uDeliveryMethod;
};

struct KivCipBDeliveryUnit {
    KivInternationalString sDeliveryUnitId;
    std::unique_ptr<KivCipBPrice> psDeliveryUnitPrice;
    std::unique_ptr<KivCipBDeliveryMethod> psDeliveryMethod;
    std::unique_ptr<KivCipBBilling> psBilling;
    KivArray<KivCipBPackageSpec> ppsPackages;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBOrderSpecification {
    KivInternationalString sOrderingCentreId;
    std::unique_ptr<KivCipBPrice> psOrderPrice;
    KivInternationalString sOrderDeliveryDate;
    KivInternationalString sOrderCancellationDate;
    KivArray<KivCipBDeliveryUnit> ppsDeliveryUnits;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBOriginPartToKeep {
    uint32_t ulAction{};
    KivInternationalString sOrderId;
    std::unique_ptr<KivCipBOrderSpecification> psOrderSpecification;
    std::unique_ptr<KivCipBStatusUpdateOption> psStatusUpdateOption;
    std::unique_ptr<KivCipBUserInformation> psUserInformation;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBOriginPartNotToKeep {
    KivInternationalString sOrderId;
    std::unique_ptr<KivCipBOrderSpecification> psOrderSpecification;
    std::unique_ptr<KivCipBUserInformation> psUserInformation;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBTargetPart {
    KivInternationalString sOrderId;
    std::unique_ptr<KivCipBOrderSpecification> psOrderSpecification;
    std::unique_ptr<KivCipBOrderStatusInfo> psOrderStatusInfo;
    std::unique_ptr<KivCipBUserInformation> psUserInformation;
    KivArray<KivOtherInformation> ppsOtherInfo;
};

struct KivCipBItemOrderRequest {
    std::unique_ptr<KivCipBOriginPartToKeep> psToKeep;
    std::unique_ptr<KivCipBOriginPartNotToKeep> psNotToKeep;
};

// sTargetPart is a pointer despite its prefix, as the package names it.
struct KivCipBItemOrderResponse {
    std::unique_ptr<KivCipBOriginPartToKeep> psOriginPart;
    std::unique_ptr<KivCipBTargetPart> sTargetPart;
};

struct KivCipBItemOrderExtendedService {
    int32_t eItemOrderReqRsp{};
    struct {
        std::unique_ptr<KivCipBItemOrderRequest> psItemOrderRequest;
        std::unique_ptr<KivCipBItemOrderResponse> psItemOrderResponse;
    } uItemOrderReqOrRsp;
};
