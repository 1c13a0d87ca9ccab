#pragma once
// Validation of a CIP item-order package (content type 23, AT_CipBItemOrderExtendedService) before it is
// converted and sent. Validator shape and reporters as in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own; the caller has checked the EXTERNAL's identifier. Refuses, at the
// first fault, every value that could not be encoded whole: "uASN1.psCipBItemOrderExtendedService" missing
// (64), eItemOrderReqRsp other than 1 or 2 (66), the chosen request or response missing (64); then in the
// parts every compulsory member (64: psToKeep, psNotToKeep, psOriginPart, sTargetPart, ppsDeliveryUnits,
// ppsPackages, psPackage, the chosen member of a package or of a delivery method other than eMail,
// ppsOrderItems, psPrice, psCreditCard, psPrivateNotKnown) and every selector out of its values (66:
// eStatusUpdateOptionType, eOrderStateType, eDeliveryMethodType, eTransferDirection, ePackageType,
// ePaymentMethodType). Prices, OtherInformation items and a private payment's EXTERNAL get their own
// checks.
int KivCheckCipBItemOrderExtendedService(KivAssocId assoc, const KivSingleASN1Type* single,
                                         const std::string& path, SIError** out);
