// The Extension lists of the interlibrary-loan APDU; identifier 800 carries the AddIllReqInfo.
#include <cstdint>
#include <optional>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/codec/ill/ill_extension800.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_convert_ill_pdu.h"

namespace ill = codec::ill;

namespace {

constexpr uint32_t kAddIllReqInfoExtension = 800;

// ---- Towards the codec ----

void optionalLevelToCodec(BerInteger** dst, const std::optional<int32_t>& src, int32_t high) {
    if (!src.has_value()) return;
    *dst = kivNewCodecRecord<BerInteger>();
    **dst = *src >= 1 && *src <= high ? *src : 0;
}

void billingToCodec(ill::AddBillingInfo* dst, const KivAddBillingInfo& src) {
    const auto& chosen = src.uAddBillingInfo;
    switch (src.eAddBillingType) {
        case ABT_BankInfo:
            dst->choiceId = ill::AddBillingInfo::kBillingBankInfo;
            if (const KivBillingBankInfo* bank = chosen.psBillingBankInfo.get()) {
                auto* info = dst->billingBankInfo = kivNewCodecRecord<ill::BillingBankInfo>();
                KivCStringToCodec(&info->bankAccountHouse, bank->pcBankAccountHouse);
                KivCStringToCodec(&info->bankAccountRoutingSymbol, bank->pcBankAccountRoutingSymbol);
                KivCStringToCodec(&info->bankAccountNo, bank->pcBankAccountNo);
                KivBooleanToCodec(&info->bankAuthority, &bank->fBankAuthority);
            }
            break;
        case ABT_CreditCardInfo:
            dst->choiceId = ill::AddBillingInfo::kBillingCreditCardInfo;
            if (const KivBillingCreditCardInfo* card = chosen.psBillingCreditCardInfo.get()) {
                auto* info = dst->billingCreditCardInfo = kivNewCodecRecord<ill::BillingCreditCardInfo>();
                KivCStringToCodec(&info->cardCompany, card->pcCardCompany);
                KivCStringToCodec(&info->cardNo, card->pcCardNo);
                KivCStringToCodec(&info->cardValidFrom, card->pcCardValidFrom);
                KivCStringToCodec(&info->cardValidThru, card->pcCardValidThru);
            }
            break;
        case ABT_InvoiceType:
            dst->choiceId = ill::AddBillingInfo::kBillingInvoiceType;
            dst->billingInvoiceType =
                chosen.eBillingInvoiceType == BIT_Single || chosen.eBillingInvoiceType == BIT_Collective
                    ? chosen.eBillingInvoiceType
                    : 0;
            break;
        case ABT_PrepaidType:
            dst->choiceId = ill::AddBillingInfo::kBillingPrepaidId;
            dst->billingPrepaidId = kivNewCodecRecord<BerOctets>();
            KivCStringToCodec(dst->billingPrepaidId, chosen.pcPrepaidId);
            break;
        case ABT_DepositType:
            dst->choiceId = ill::AddBillingInfo::kBillingDepositId;
            dst->billingDepositId = kivNewCodecRecord<BerOctets>();
            KivCStringToCodec(dst->billingDepositId, chosen.pcDepositId);
            break;
        default:
            break;
    }
}

void addIllReqInfoToCodec(ill::AddIllReqInfo* dst, const KivAddIllReqInfo& src) {
    KivOptionalBooleanToCodec(&dst->customerInfoToKeep, &src.pfCustomerInfoToKeep);
    if (const KivAddRequesterInfo* requester = src.psAddRequesterInfo.get()) {
        auto* info = dst->addRequesterInfo = kivNewCodecRecord<ill::AddRequesterInfo>();
        optionalLevelToCodec(&info->requesterGroup, requester->peRequesterGroup, RG_UserGroup2);
        KivCStringToCodec(&info->requesterEmailAddress, requester->pcRequesterEmailAddress);
    }
    if (const KivAddDeliveryInfo* delivery = src.psAddDeliveryInfo.get()) {
        auto* info = dst->addDeliveryInfo = kivNewCodecRecord<ill::AddDeliveryInfo>();
        optionalLevelToCodec(&info->statusLevelUser, delivery->peStatusLevelUser, SLU_None);
        optionalLevelToCodec(&info->statusLevelRequester, delivery->peStatusLevelOrigin, SLO_None);
        KivCStringToCodec(&info->deliveryNotes, delivery->pcDeliveryNotes);
        KivCStringToCodec(&info->countryDeliveryTarget, delivery->pcCountryDeliveryTarget);
        KivOptionalBooleanToCodec(&info->alternativePostalDelivery, &delivery->pfAlternativePostalDelivery);
    }
    if (src.psAddBillingInfo) {
        dst->addBillingInfo = kivNewCodecRecord<ill::AddBillingInfo>();
        billingToCodec(dst->addBillingInfo, *src.psAddBillingInfo);
    }
}

void extensionToCodec(ill::Extension* dst, const KivIllExtension& src) {
    dst->identifier = static_cast<BerInteger>(src.ulIdentifier);
    KivOptionalBooleanToCodec(&dst->critical, &src.pfCritical);
    if (src.ulIdentifier != kAddIllReqInfoExtension || !src.uItem.psAddIllReqInfo) return;
    // The item is a value of the type registered under 800, owned by the item.
    ASN_BindAnyByInt(&dst->item, static_cast<int>(kAddIllReqInfoExtension));
    auto* wrapper = kivNewCodecRecord<ill::IllExtension800>();
    dst->item.value = wrapper;
    wrapper->choiceId = ill::IllExtension800::kAddIllReqInfo;
    wrapper->addIllReqInfo = kivNewCodecRecord<ill::AddIllReqInfo>();
    addIllReqInfoToCodec(wrapper->addIllReqInfo, *src.uItem.psAddIllReqInfo);
}

// ---- From the codec ----

// A received level: its value from 1 to high, else the given default.
void optionalLevelFromCodec(std::optional<int32_t>* dst, const BerInteger* src, int32_t high, int32_t otherwise) {
    if (src != nullptr) *dst = *src >= 1 && *src <= high ? *src : otherwise;
}

void billingFromCodec(KivAddBillingInfo* dst, const ill::AddBillingInfo& src) {
    auto& chosen = dst->uAddBillingInfo;
    switch (src.choiceId) {
        case ill::AddBillingInfo::kBillingBankInfo:
            dst->eAddBillingType = ABT_BankInfo;
            if (const ill::BillingBankInfo* bank = src.billingBankInfo) {
                auto& info = chosen.psBillingBankInfo = std::make_unique<KivBillingBankInfo>();
                KivCStringFromCodec(&info->pcBankAccountHouse, &bank->bankAccountHouse);
                KivCStringFromCodec(&info->pcBankAccountRoutingSymbol, &bank->bankAccountRoutingSymbol);
                KivCStringFromCodec(&info->pcBankAccountNo, &bank->bankAccountNo);
                KivBooleanFromCodec(&info->fBankAuthority, &bank->bankAuthority);
            }
            break;
        case ill::AddBillingInfo::kBillingCreditCardInfo:
            dst->eAddBillingType = ABT_CreditCardInfo;
            if (const ill::BillingCreditCardInfo* card = src.billingCreditCardInfo) {
                auto& info = chosen.psBillingCreditCardInfo = std::make_unique<KivBillingCreditCardInfo>();
                KivCStringFromCodec(&info->pcCardCompany, &card->cardCompany);
                KivCStringFromCodec(&info->pcCardNo, &card->cardNo);
                KivIllOptionalTextFromCodec(&info->pcCardValidFrom, card->cardValidFrom);
                KivCStringFromCodec(&info->pcCardValidThru, &card->cardValidThru);
            }
            break;
        case ill::AddBillingInfo::kBillingInvoiceType:
            dst->eAddBillingType = ABT_InvoiceType;
            chosen.eBillingInvoiceType =
                src.billingInvoiceType == BIT_Single || src.billingInvoiceType == BIT_Collective ? src.billingInvoiceType
                                                                                                 : 0;
            break;
        case ill::AddBillingInfo::kBillingPrepaidId:
            dst->eAddBillingType = ABT_PrepaidType;
            KivCStringFromCodec(&chosen.pcPrepaidId, src.billingPrepaidId);
            break;
        case ill::AddBillingInfo::kBillingDepositId:
            dst->eAddBillingType = ABT_DepositType;
            KivCStringFromCodec(&chosen.pcDepositId, src.billingDepositId);
            break;
        default:
            break;
    }
}

void addIllReqInfoFromCodec(KivAddIllReqInfo* dst, const ill::AddIllReqInfo& src) {
    KivOptionalBooleanFromCodec(&dst->pfCustomerInfoToKeep, src.customerInfoToKeep);
    if (const ill::AddRequesterInfo* requester = src.addRequesterInfo) {
        auto& info = dst->psAddRequesterInfo = std::make_unique<KivAddRequesterInfo>();
        optionalLevelFromCodec(&info->peRequesterGroup, requester->requesterGroup, RG_UserGroup2, RG_UserGroup1);
        KivIllOptionalTextFromCodec(&info->pcRequesterEmailAddress, requester->requesterEmailAddress);
    }
    if (const ill::AddDeliveryInfo* delivery = src.addDeliveryInfo) {
        auto& info = dst->psAddDeliveryInfo = std::make_unique<KivAddDeliveryInfo>();
        optionalLevelFromCodec(&info->peStatusLevelUser, delivery->statusLevelUser, SLU_None, SLU_Negative);
        optionalLevelFromCodec(&info->peStatusLevelOrigin, delivery->statusLevelRequester, SLO_None, SLO_None);
        KivIllOptionalTextFromCodec(&info->pcDeliveryNotes, delivery->deliveryNotes);
        KivIllOptionalTextFromCodec(&info->pcCountryDeliveryTarget, delivery->countryDeliveryTarget);
        KivOptionalBooleanFromCodec(&info->pfAlternativePostalDelivery, delivery->alternativePostalDelivery);
    }
    if (src.addBillingInfo != nullptr) {
        dst->psAddBillingInfo = std::make_unique<KivAddBillingInfo>();
        billingFromCodec(dst->psAddBillingInfo.get(), *src.addBillingInfo);
    }
}

void extensionFromCodec(KivIllExtension* dst, const ill::Extension& src) {
    dst->ulIdentifier = static_cast<uint32_t>(src.identifier);
    KivOptionalBooleanFromCodec(&dst->pfCritical, src.critical);
    dst->uItem.psAddIllReqInfo = std::make_unique<KivAddIllReqInfo>();
    // Only a bound 800 item holds an IllExtension800; any other item stays raw in the codec.
    const BerAnyEntry* entry = src.item.entry;
    if (entry == nullptr || entry->intId != static_cast<int>(kAddIllReqInfoExtension) || src.item.value == nullptr) {
        return;
    }
    const auto* wrapper = static_cast<const ill::IllExtension800*>(src.item.value);
    if (wrapper->choiceId == ill::IllExtension800::kAddIllReqInfo && wrapper->addIllReqInfo != nullptr) {
        addIllReqInfoFromCodec(dst->uItem.psAddIllReqInfo.get(), *wrapper->addIllReqInfo);
    }
}

}  // namespace

void KivIllExtensionsToCodec(BerList** dst, const KivArray<KivIllExtension>& src) {
    kivCodecListFrom<ill::Extension>(dst, src, extensionToCodec);
}

void KivIllExtensionsFromCodec(KivArray<KivIllExtension>* dst, const BerList* src) {
    KivArrayFromCodec<ill::Extension>(dst, src, extensionFromCodec);
}
