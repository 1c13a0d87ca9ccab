#pragma once
// Validation of an Item Order package (content type 9, AT_ItemOrderExtendedService) before it is converted
// and sent. Validator shape and reporters as in kiv_validation.h; the first fault ends the validation.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own (ending in "->"); the caller has checked the EXTERNAL's identifier.
// In order: "uASN1.psItemOrderExtendedService" is present (64); under it eItemOrderReqRsp is 1 or 2 (66)
// and the member it selects is present (64). A request: its part to keep on "psToKeep->", then the item
// request on "sNotToKeep.psItemRequest->". A response: its part to keep on "psOriginPart->", then on
// "sTargetPart." the item request ("psItemRequest->"), the status report ("psStatusOrErrorReport->") and the
// auxiliary status (1 to 5, else 66). A part to keep: the supplemental description on
// "psSupplementalDescription->", then under "psAdditionalBilling->sPaymentMethod." the payment type (1 to 7,
// else 66 on "ePaymentMethodType"); types 4 and 7 need their cell (64 on "puPaymentMethod") and in it the
// card (64 on "puPaymentMethod->psCreditCardInfo") or the EXTERNAL (64 on "puPaymentMethod->psPrivateNotK",
// checked on that path + "->"). Every EXTERNAL is checked by KivCheckExternal when present.
int KivCheckItemOrderExtendedService(KivAssocId assoc, const KivSingleASN1Type* content,
                                     const std::string& path, SIError** out);
