#include "toolkit/external/kiv_convert_cip_item_order.h"

#include <memory>

#include "toolkit/api/kiv_cip_item_order.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/codec/extensions/ciporder.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_carried_members.h"

namespace ext = codec::extensions;

namespace {

// ---- Towards the codec ----

void priceToCodec(ext::CipBPrice* dst, const KivCipBPrice& src) {
    if (src.psPrice) {
        dst->price = kivNewCodecRecord<codec::z3950::IntUnit>();
        KivIntUnitToCodec(dst->price, src.psPrice.get());
    }
    KivInternationalStringToCodec(&dst->priceExpirationDate, &src.sPriceExpirationDate);
    KivInternationalStringToCodec(&dst->additionalPriceInfo, &src.sAdditionalPriceInfo);
}

void addressToCodec(ext::CipBAddress* dst, const KivCipBAddress& src) {
    KivInternationalStringToCodec(&dst->streetAddress, &src.sStreetAddress);
    KivInternationalStringToCodec(&dst->city, &src.sCity);
    KivInternationalStringToCodec(&dst->state, &src.sState);
    KivInternationalStringToCodec(&dst->postalCode, &src.sPostalCode);
    KivInternationalStringToCodec(&dst->country, &src.sCountry);
}

// Any payment selector out of range is sent as billInvoice.
void paymentMethodToCodec(ext::CipBPaymentMethod* dst, const KivCipBPaymentMethod& src) {
    const auto& method = src.uPaymentMethod;
    switch (src.ePaymentMethodType) {
        case PMT_PREPAY:
        case PMT_DEPOSITACCOUNT:
        case PMT_CARDINFOPREVIOUSLYSUPPLIED:
        case ABT_PRIVATEKNOWN:
            dst->choiceId = src.ePaymentMethodType - 1;
            break;
        case PMT_CREDITCARD:
            dst->choiceId = ext::CipBPaymentMethod::kCreditCard;
            kivOptionalRecordToCodec(&dst->creditCard, method.psCreditCard.get(),
                                     [](ext::CipBCreditCardInfo* card, const KivCipBCreditCardInfo& info) {
                                         KivInternationalStringToCodec(&card->nameOnCard, &info.sNameOnCard);
                                         KivInternationalStringToCodec(&card->expirationDate,
                                                                       &info.sExpirationDate);
                                         KivInternationalStringToCodec(&card->cardNumber, &info.sCardNumber);
                                     });
            break;
        case ABT_PRIVATENOTKNOWN:
            dst->choiceId = ext::CipBPaymentMethod::kPrivateNotKnown;
            KivOptionalExternalToCodec(&dst->privateNotKnown, method.psPrivateNotKnown.get());
            break;
        default:
            dst->choiceId = ext::CipBPaymentMethod::kBillInvoice;
            break;
    }
}

void billingToCodec(ext::CipBBilling* dst, const KivCipBBilling& src) {
    dst->paymentMethod = kivNewCodecRecord<ext::CipBPaymentMethod>();
    paymentMethodToCodec(dst->paymentMethod, src.sPaymentMethod);
    KivInternationalStringToCodec(&dst->customerReference, src.psCustomerReference.get());
    KivInternationalStringToCodec(&dst->customerPONumber, src.psCustomerPONumber.get());
}

void userInformationToCodec(ext::CipBUserInformation* dst, const KivCipBUserInformation& src) {
    KivInternationalStringToCodec(&dst->userId, &src.sUserId);
    KivInternationalStringToCodec(&dst->userName, &src.sUserName);
    kivOptionalRecordToCodec(&dst->userAddress, src.psUserAddress.get(), addressToCodec);
    KivInternationalStringToCodec(&dst->telNumber, &src.sTelNumber);
    KivInternationalStringToCodec(&dst->faxNumber, &src.sFaxNumber);
    KivInternationalStringToCodec(&dst->emailAddress, &src.sEmailAddress);
    KivInternationalStringToCodec(&dst->networkAddress, &src.sNetworkAddress);
    KivInternationalStringToCodec(&dst->account, &src.sAccount);
    kivOptionalRecordToCodec(&dst->billing, src.psBilling.get(), billingToCodec);
}

void productSpecToCodec(ext::CipBProductSpec* dst, const KivCipBProductSpec& src) {
    KivInternationalStringToCodec(&dst->productId, &src.sProductId);
    kivOptionalRecordToCodec(&dst->productPrice, src.psProductPrice.get(), priceToCodec);
    kivOptionalRecordToCodec(
        &dst->productDeliveryOptions, src.psProductDeliveryOptions.get(),
        [](ext::CipBProductDeliveryOptions* options, const KivCipBProductDeliveryOptions& from) {
            if (from.ulProductByteSize != 0) {
                options->productByteSize = kivNewCodecRecord<BerInteger>();
                *options->productByteSize = static_cast<BerInteger>(from.ulProductByteSize);
            }
            KivInternationalStringToCodec(&options->productFormat, &from.sProductFormat);
            KivInternationalStringToCodec(&options->productCompression, &from.sProductCompression);
            KivOptionalOtherInformationToCodec(&options->otherInfo, &from.ppsOtherInfo);
        });
    KivInternationalStringToCodec(&dst->processingType, &src.sProcessingType);
    KivInternationalStringToCodec(&dst->processingOptions, &src.sProcessingOptions);
    KivInternationalStringToCodec(&dst->sceneSelectionOptions, &src.sSceneSelectionOptions);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInfo);
}

// A package selector out of range leaves the package without an alternative (validation refuses it).
void packageToCodec(ext::CipBPackage* dst, const KivCipBPackage& src) {
    switch (src.ePackageType) {
        case CIP_PKG_PREDEFINED:
            dst->choiceId = ext::CipBPackage::kPredefinedPackage;
            kivOptionalRecordToCodec(
                &dst->predefinedPackage, src.uPackage.psPredefinedPackage.get(),
                [](ext::CipBPredefinedPackage* package, const KivCipBPredefinedPackage& from) {
                    KivInternationalStringToCodec(&package->collectionId, &from.sCollectionId);
                    kivCodecListFrom<ext::CipBProductSpec>(&package->orderItems, from.ppsOrderItems,
                                                           productSpecToCodec);
                    KivOptionalOtherInformationToCodec(&package->otherInfo, &from.ppsOtherInfo);
                });
            break;
        case CIP_PKG_ADHOC:
            dst->choiceId = ext::CipBPackage::kAdHocPackage;
            kivCodecListFrom<ext::CipBProductSpec>(&dst->adHocPackage, src.uPackage.ppsAdHocPackage,
                                                   productSpecToCodec);
            break;
        default:
            dst->choiceId = ext::CipBPackage::kAlternatives;
            break;
    }
}

void packageSpecToCodec(ext::CipBPackageSpec* dst, const KivCipBPackageSpec& src) {
    KivInternationalStringToCodec(&dst->packageId, &src.sPackageId);
    kivOptionalRecordToCodec(&dst->packagePrice, src.psPackagePrice.get(), priceToCodec);
    kivOptionalRecordToCodec(&dst->package, src.psPackage.get(), packageToCodec);
    KivInternationalStringToCodec(&dst->packageMedium, &src.sPackageMedium);
    dst->packageKByteSize = static_cast<BerInteger>(src.ulPackageKByteSize);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInfo);
}

// A delivery-method selector out of range leaves the optional component absent.
void deliveryMethodToCodec(ext::CipBDeliveryMethod** dst, const KivCipBDeliveryMethod* src) {
    if (src == nullptr || src->eDeliveryMethodType < CIP_DM_EMAIL ||
        src->eDeliveryMethodType > CIP_DM_OTHERINFO) {
        return;
    }
    auto* method = kivNewCodecRecord<ext::CipBDeliveryMethod>();
    *dst = method;
    const auto& member = src->uDeliveryMethod;
    method->choiceId = src->eDeliveryMethodType;
    switch (src->eDeliveryMethodType) {
        case CIP_DM_EMAIL:
            KivNewInternationalStringToCodec(&method->eMail, member.psEMail.get());
            break;
        case CIP_DM_FTP:
            kivOptionalRecordToCodec(&method->ftp, member.psFtp.get(),
                                     [](ext::CipBFtpDelivery* ftp, const KivCipBFtpDelivery& from) {
                                         ftp->transferDirection = from.eTransferDirection == CIP_FTP_PULL
                                                                      ? CIP_FTP_PULL
                                                                      : CIP_FTP_PUSH;
                                         KivInternationalStringToCodec(&ftp->ftpAddress, &from.sFtpAddress);
                                     });
            break;
        case CIP_DM_MAIL:
            kivOptionalRecordToCodec(&method->mail, member.psMail.get(), addressToCodec);
            break;
        default:
            method->otherInfo = kivNewCodecList();
            KivOtherInformationToCodec(method->otherInfo, &member.ppsOtherInfo);
            break;
    }
}

void deliveryUnitToCodec(ext::CipBDeliveryUnit* dst, const KivCipBDeliveryUnit& src) {
    KivInternationalStringToCodec(&dst->deliveryUnitId, &src.sDeliveryUnitId);
    kivOptionalRecordToCodec(&dst->deliveryUnitPrice, src.psDeliveryUnitPrice.get(), priceToCodec);
    deliveryMethodToCodec(&dst->deliveryMethod, src.psDeliveryMethod.get());
    kivOptionalRecordToCodec(&dst->billing, src.psBilling.get(), billingToCodec);
    kivCodecListFrom<ext::CipBPackageSpec>(&dst->packages, src.ppsPackages, packageSpecToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInfo);
}

void orderSpecificationToCodec(ext::CipBOrderSpecification* dst, const KivCipBOrderSpecification& src) {
    KivInternationalStringToCodec(&dst->orderingCentreId, &src.sOrderingCentreId);
    kivOptionalRecordToCodec(&dst->orderPrice, src.psOrderPrice.get(), priceToCodec);
    KivInternationalStringToCodec(&dst->orderDeliveryDate, &src.sOrderDeliveryDate);
    KivInternationalStringToCodec(&dst->orderCancellationDate, &src.sOrderCancellationDate);
    kivCodecListFrom<ext::CipBDeliveryUnit>(&dst->deliveryUnits, src.ppsDeliveryUnits, deliveryUnitToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInfo);
}

// Any other selector is sent as manual.
void statusUpdateOptionToCodec(ext::CipBStatusUpdateOption* dst, const KivCipBStatusUpdateOption& src) {
    if (src.eStatusUpdateOptionType == ABT_AUTOMATIC) {
        dst->choiceId = ext::CipBStatusUpdateOption::kAutomatic;
        dst->automatic = static_cast<BerInteger>(src.ulAutomatic);
    } else {
        dst->choiceId = ext::CipBStatusUpdateOption::kManual;
    }
}

// Any other selector is sent as static state 0.
void orderStatusInfoToCodec(ext::CipBOrderStatusInfo* dst, const KivCipBOrderStatusInfo& src) {
    const KivCipBOrderState& state = src.sOrderState;
    dst->orderState = kivNewCodecRecord<ext::CipBOrderState>();
    if (state.eOrderStateType == OSIT_DYNAMICSTATE) {
        dst->orderState->choiceId = ext::CipBOrderState::kDynamicState;
        dst->orderState->dynamicState = static_cast<BerInteger>(state.uOrderState.ulDynamicState);
    } else {
        dst->orderState->choiceId = ext::CipBOrderState::kStaticState;
        dst->orderState->staticState = state.eOrderStateType == OSIT_STATICSTATE
                                           ? static_cast<BerInteger>(state.uOrderState.ulStaticState)
                                           : 0;
    }
    KivInternationalStringToCodec(&dst->additionalStatusInfo, src.psAdditionalStatusInfo.get());
}

void originPartToKeepToCodec(ext::CipBOriginPartToKeep* dst, const KivCipBOriginPartToKeep& src) {
    dst->action = static_cast<BerInteger>(src.ulAction);
    KivInternationalStringToCodec(&dst->orderId, &src.sOrderId);
    kivOptionalRecordToCodec(&dst->orderSpecification, src.psOrderSpecification.get(),
                             orderSpecificationToCodec);
    kivOptionalRecordToCodec(&dst->statusUpdateOption, src.psStatusUpdateOption.get(),
                             statusUpdateOptionToCodec);
    kivOptionalRecordToCodec(&dst->userInformation, src.psUserInformation.get(), userInformationToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInfo);
}

void originPartNotToKeepToCodec(ext::CipBOriginPartNotToKeep* dst, const KivCipBOriginPartNotToKeep& src) {
    KivInternationalStringToCodec(&dst->orderId, &src.sOrderId);
    kivOptionalRecordToCodec(&dst->orderSpecification, src.psOrderSpecification.get(),
                             orderSpecificationToCodec);
    kivOptionalRecordToCodec(&dst->userInformation, src.psUserInformation.get(), userInformationToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInfo);
}

void targetPartToCodec(ext::CipBTargetPart* dst, const KivCipBTargetPart& src) {
    KivInternationalStringToCodec(&dst->orderId, &src.sOrderId);
    kivOptionalRecordToCodec(&dst->orderSpecification, src.psOrderSpecification.get(),
                             orderSpecificationToCodec);
    kivOptionalRecordToCodec(&dst->orderStatusInfo, src.psOrderStatusInfo.get(), orderStatusInfoToCodec);
    kivOptionalRecordToCodec(&dst->userInformation, src.psUserInformation.get(), userInformationToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInfo);
}

// ---- From the codec ----

// A text of an optional codec string: copied only when it is not empty.
void optionalTextFromCodec(KivInternationalString* dst, const BerOctets& src) {
    if (src.length != 0) KivInternationalStringFromCodec(dst, &src);
}

// A new string only when the codec string is not empty.
void optionalNewTextFromCodec(std::unique_ptr<KivInternationalString>* dst, const BerOctets* src) {
    if (src != nullptr && src->length != 0) KivNewInternationalStringFromCodec(dst, src);
}

void priceFromCodec(KivCipBPrice* dst, const ext::CipBPrice& src) {
    kivFromCodec([&] { dst->psPrice = std::make_unique<KivIntUnit>(); });
    if (src.price != nullptr) KivIntUnitFromCodec(dst->psPrice.get(), src.price);
    KivInternationalStringFromCodec(&dst->sPriceExpirationDate, &src.priceExpirationDate);
    optionalTextFromCodec(&dst->sAdditionalPriceInfo, src.additionalPriceInfo);
}

void addressFromCodec(KivCipBAddress* dst, const ext::CipBAddress& src) {
    KivInternationalStringFromCodec(&dst->sStreetAddress, &src.streetAddress);
    KivInternationalStringFromCodec(&dst->sCity, &src.city);
    KivInternationalStringFromCodec(&dst->sState, &src.state);
    KivInternationalStringFromCodec(&dst->sPostalCode, &src.postalCode);
    KivInternationalStringFromCodec(&dst->sCountry, &src.country);
}

void paymentMethodFromCodec(KivCipBPaymentMethod* dst, const ext::CipBPaymentMethod& src) {
    dst->ePaymentMethodType = src.choiceId + 1;
    if (src.choiceId == ext::CipBPaymentMethod::kCreditCard) {
        kivOptionalRecordFromCodec(&dst->uPaymentMethod.psCreditCard, src.creditCard,
                                   [](KivCipBCreditCardInfo* card, const ext::CipBCreditCardInfo& from) {
                                       KivInternationalStringFromCodec(&card->sNameOnCard, &from.nameOnCard);
                                       KivInternationalStringFromCodec(&card->sExpirationDate,
                                                                       &from.expirationDate);
                                       KivInternationalStringFromCodec(&card->sCardNumber, &from.cardNumber);
                                   });
    } else if (src.choiceId == ext::CipBPaymentMethod::kPrivateNotKnown) {
        KivOptionalExternalFromCodec(&dst->uPaymentMethod.psPrivateNotKnown, src.privateNotKnown);
    }
}

void billingFromCodec(KivCipBBilling* dst, const ext::CipBBilling& src) {
    if (src.paymentMethod != nullptr) paymentMethodFromCodec(&dst->sPaymentMethod, *src.paymentMethod);
    optionalNewTextFromCodec(&dst->psCustomerReference, &src.customerReference);
    optionalNewTextFromCodec(&dst->psCustomerPONumber, &src.customerPONumber);
}

void userInformationFromCodec(KivCipBUserInformation* dst, const ext::CipBUserInformation& src) {
    KivInternationalStringFromCodec(&dst->sUserId, &src.userId);
    optionalTextFromCodec(&dst->sUserName, src.userName);
    kivOptionalRecordFromCodec(&dst->psUserAddress, src.userAddress, addressFromCodec);
    optionalTextFromCodec(&dst->sTelNumber, src.telNumber);
    optionalTextFromCodec(&dst->sFaxNumber, src.faxNumber);
    optionalTextFromCodec(&dst->sEmailAddress, src.emailAddress);
    optionalTextFromCodec(&dst->sNetworkAddress, src.networkAddress);
    optionalTextFromCodec(&dst->sAccount, src.account);
    kivOptionalRecordFromCodec(&dst->psBilling, src.billing, billingFromCodec);
}

void productSpecFromCodec(KivCipBProductSpec* dst, const ext::CipBProductSpec& src) {
    KivInternationalStringFromCodec(&dst->sProductId, &src.productId);
    kivOptionalRecordFromCodec(&dst->psProductPrice, src.productPrice, priceFromCodec);
    kivOptionalRecordFromCodec(
        &dst->psProductDeliveryOptions, src.productDeliveryOptions,
        [](KivCipBProductDeliveryOptions* options, const ext::CipBProductDeliveryOptions& from) {
            if (from.productByteSize != nullptr) {
                options->ulProductByteSize = static_cast<uint32_t>(*from.productByteSize);
            }
            optionalTextFromCodec(&options->sProductFormat, from.productFormat);
            optionalTextFromCodec(&options->sProductCompression, from.productCompression);
            KivOptionalOtherInformationFromCodec(&options->ppsOtherInfo, from.otherInfo);
        });
    KivInternationalStringFromCodec(&dst->sProcessingType, &src.processingType);
    optionalTextFromCodec(&dst->sProcessingOptions, src.processingOptions);
    optionalTextFromCodec(&dst->sSceneSelectionOptions, src.sceneSelectionOptions);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInfo, src.otherInfo);
}

void packageFromCodec(KivCipBPackage* dst, const ext::CipBPackage& src) {
    dst->ePackageType = src.choiceId;
    if (src.choiceId == ext::CipBPackage::kPredefinedPackage) {
        kivOptionalRecordFromCodec(
            &dst->uPackage.psPredefinedPackage, src.predefinedPackage,
            [](KivCipBPredefinedPackage* package, const ext::CipBPredefinedPackage& from) {
                KivInternationalStringFromCodec(&package->sCollectionId, &from.collectionId);
                KivArrayFromCodec<ext::CipBProductSpec>(&package->ppsOrderItems, from.orderItems,
                                                        productSpecFromCodec);
                KivOptionalOtherInformationFromCodec(&package->ppsOtherInfo, from.otherInfo);
            });
    } else if (src.choiceId == ext::CipBPackage::kAdHocPackage) {
        KivArrayFromCodec<ext::CipBProductSpec>(&dst->uPackage.ppsAdHocPackage, src.adHocPackage,
                                                productSpecFromCodec);
    }
}

void packageSpecFromCodec(KivCipBPackageSpec* dst, const ext::CipBPackageSpec& src) {
    optionalTextFromCodec(&dst->sPackageId, src.packageId);
    kivOptionalRecordFromCodec(&dst->psPackagePrice, src.packagePrice, priceFromCodec);
    kivOptionalRecordFromCodec(&dst->psPackage, src.package, packageFromCodec);
    KivInternationalStringFromCodec(&dst->sPackageMedium, &src.packageMedium);
    dst->ulPackageKByteSize = static_cast<uint32_t>(src.packageKByteSize);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInfo, src.otherInfo);
}

void deliveryMethodFromCodec(KivCipBDeliveryMethod* dst, const ext::CipBDeliveryMethod& src) {
    auto& member = dst->uDeliveryMethod;
    dst->eDeliveryMethodType = src.choiceId;
    switch (src.choiceId) {
        case ext::CipBDeliveryMethod::kEMail:
            optionalNewTextFromCodec(&member.psEMail, src.eMail);
            break;
        case ext::CipBDeliveryMethod::kFtp:
            kivOptionalRecordFromCodec(
                &member.psFtp, src.ftp, [](KivCipBFtpDelivery* ftp, const ext::CipBFtpDelivery& from) {
                    ftp->eTransferDirection =
                        from.transferDirection == CIP_FTP_PULL ? CIP_FTP_PULL : CIP_FTP_PUSH;
                    KivInternationalStringFromCodec(&ftp->sFtpAddress, &from.ftpAddress);
                });
            break;
        case ext::CipBDeliveryMethod::kMail:
            kivOptionalRecordFromCodec(&member.psMail, src.mail, addressFromCodec);
            break;
        case ext::CipBDeliveryMethod::kOtherInfo:
            KivOptionalOtherInformationFromCodec(&member.ppsOtherInfo, src.otherInfo);
            break;
        default:
            break;
    }
}

void deliveryUnitFromCodec(KivCipBDeliveryUnit* dst, const ext::CipBDeliveryUnit& src) {
    optionalTextFromCodec(&dst->sDeliveryUnitId, src.deliveryUnitId);
    kivOptionalRecordFromCodec(&dst->psDeliveryUnitPrice, src.deliveryUnitPrice, priceFromCodec);
    kivOptionalRecordFromCodec(&dst->psDeliveryMethod, src.deliveryMethod, deliveryMethodFromCodec);
    kivOptionalRecordFromCodec(&dst->psBilling, src.billing, billingFromCodec);
    KivArrayFromCodec<ext::CipBPackageSpec>(&dst->ppsPackages, src.packages, packageSpecFromCodec);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInfo, src.otherInfo);
}

void orderSpecificationFromCodec(KivCipBOrderSpecification* dst, const ext::CipBOrderSpecification& src) {
    KivInternationalStringFromCodec(&dst->sOrderingCentreId, &src.orderingCentreId);
    kivOptionalRecordFromCodec(&dst->psOrderPrice, src.orderPrice, priceFromCodec);
    optionalTextFromCodec(&dst->sOrderDeliveryDate, src.orderDeliveryDate);
    optionalTextFromCodec(&dst->sOrderCancellationDate, src.orderCancellationDate);
    KivArrayFromCodec<ext::CipBDeliveryUnit>(&dst->ppsDeliveryUnits, src.deliveryUnits,
                                             deliveryUnitFromCodec);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInfo, src.otherInfo);
}

void statusUpdateOptionFromCodec(KivCipBStatusUpdateOption* dst, const ext::CipBStatusUpdateOption& src) {
    dst->eStatusUpdateOptionType = src.choiceId;
    if (src.choiceId == ext::CipBStatusUpdateOption::kAutomatic) {
        dst->ulAutomatic = static_cast<uint32_t>(src.automatic);
    }
}

void orderStatusInfoFromCodec(KivCipBOrderStatusInfo* dst, const ext::CipBOrderStatusInfo& src) {
    if (const ext::CipBOrderState* state = src.orderState; state != nullptr) {
        KivCipBOrderState& into = dst->sOrderState;
        into.eOrderStateType = state->choiceId + 1;
        if (state->choiceId == ext::CipBOrderState::kStaticState) {
            into.uOrderState.ulStaticState = static_cast<uint32_t>(state->staticState);
        } else if (state->choiceId == ext::CipBOrderState::kDynamicState) {
            into.uOrderState.ulDynamicState = static_cast<uint32_t>(state->dynamicState);
        }
    }
    optionalNewTextFromCodec(&dst->psAdditionalStatusInfo, &src.additionalStatusInfo);
}

void originPartToKeepFromCodec(KivCipBOriginPartToKeep* dst, const ext::CipBOriginPartToKeep& src) {
    dst->ulAction = static_cast<uint32_t>(src.action);
    optionalTextFromCodec(&dst->sOrderId, src.orderId);
    kivOptionalRecordFromCodec(&dst->psOrderSpecification, src.orderSpecification,
                               orderSpecificationFromCodec);
    kivOptionalRecordFromCodec(&dst->psStatusUpdateOption, src.statusUpdateOption,
                               statusUpdateOptionFromCodec);
    kivOptionalRecordFromCodec(&dst->psUserInformation, src.userInformation, userInformationFromCodec);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInfo, src.otherInfo);
}

void originPartNotToKeepFromCodec(KivCipBOriginPartNotToKeep* dst, const ext::CipBOriginPartNotToKeep& src) {
    optionalTextFromCodec(&dst->sOrderId, src.orderId);
    kivOptionalRecordFromCodec(&dst->psOrderSpecification, src.orderSpecification,
                               orderSpecificationFromCodec);
    kivOptionalRecordFromCodec(&dst->psUserInformation, src.userInformation, userInformationFromCodec);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInfo, src.otherInfo);
}

void targetPartFromCodec(KivCipBTargetPart* dst, const ext::CipBTargetPart& src) {
    optionalTextFromCodec(&dst->sOrderId, src.orderId);
    kivOptionalRecordFromCodec(&dst->psOrderSpecification, src.orderSpecification,
                               orderSpecificationFromCodec);
    kivOptionalRecordFromCodec(&dst->psOrderStatusInfo, src.orderStatusInfo, orderStatusInfoFromCodec);
    kivOptionalRecordFromCodec(&dst->psUserInformation, src.userInformation, userInformationFromCodec);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInfo, src.otherInfo);
}

}  // namespace

void KivCipBItemOrderExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivCipBItemOrderExtendedService* package = src->uASN1.psCipBItemOrderExtendedService.get();
    if (package == nullptr) return;
    const auto& part = package->uItemOrderReqOrRsp;
    if (package->eItemOrderReqRsp == IOROR_CipBRequest) {
        auto* holder = kivNewContentValue<ext::CipBItemOrder>(dst);
        holder->choiceId = ext::CipBItemOrder::kEsRequest;
        kivOptionalRecordToCodec(&holder->esRequest, part.psItemOrderRequest.get(),
                                 [](ext::CipBEsRequest* request, const KivCipBItemOrderRequest& from) {
                                     kivOptionalRecordToCodec(&request->toKeep, from.psToKeep.get(),
                                                              originPartToKeepToCodec);
                                     kivOptionalRecordToCodec(&request->notToKeep, from.psNotToKeep.get(),
                                                              originPartNotToKeepToCodec);
                                 });
    } else if (package->eItemOrderReqRsp == IOROR_CipBResponse) {
        auto* holder = kivNewContentValue<ext::CipBItemOrder>(dst);
        holder->choiceId = ext::CipBItemOrder::kTaskPackage;
        kivOptionalRecordToCodec(&holder->taskPackage, part.psItemOrderResponse.get(),
                                 [](ext::CipBTaskPackage* response, const KivCipBItemOrderResponse& from) {
                                     kivOptionalRecordToCodec(&response->originPart, from.psOriginPart.get(),
                                                              originPartToKeepToCodec);
                                     kivOptionalRecordToCodec(&response->targetPart, from.sTargetPart.get(),
                                                              targetPartToCodec);
                                 });
    }
}

void KivCipBItemOrderExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_CipBItemOrderExtendedService;
    kivFromCodec([&] {
        dst->uASN1.psCipBItemOrderExtendedService = std::make_unique<KivCipBItemOrderExtendedService>();
    });
    KivCipBItemOrderExtendedService* package = dst->uASN1.psCipBItemOrderExtendedService.get();
    const auto* holder = static_cast<const ext::CipBItemOrder*>(src->value);
    if (holder == nullptr) return;
    auto& part = package->uItemOrderReqOrRsp;
    package->eItemOrderReqRsp = holder->choiceId + 1;
    if (holder->choiceId == ext::CipBItemOrder::kEsRequest) {
        kivOptionalRecordFromCodec(&part.psItemOrderRequest, holder->esRequest,
                                   [](KivCipBItemOrderRequest* request, const ext::CipBEsRequest& from) {
                                       kivOptionalRecordFromCodec(&request->psToKeep, from.toKeep,
                                                                  originPartToKeepFromCodec);
                                       kivOptionalRecordFromCodec(&request->psNotToKeep, from.notToKeep,
                                                                  originPartNotToKeepFromCodec);
                                   });
    } else if (holder->choiceId == ext::CipBItemOrder::kTaskPackage) {
        kivOptionalRecordFromCodec(&part.psItemOrderResponse, holder->taskPackage,
                                   [](KivCipBItemOrderResponse* response, const ext::CipBTaskPackage& from) {
                                       kivOptionalRecordFromCodec(&response->psOriginPart, from.originPart,
                                                                  originPartToKeepFromCodec);
                                       kivOptionalRecordFromCodec(&response->sTargetPart, from.targetPart,
                                                                  targetPartFromCodec);
                                   });
    }
}
