#pragma once
// Conversion of the private Print, Alert and COrder packages (content types 15 AT_Print under
// 1.2.840.10003.9.1000.70.1, 16 AT_Alert under 1.2.840.10003.9.1000.70.2, 17 AT_Corder under
// 1.2.840.10003.9.4.1000.70.1) between the programming interface's structures and the codec's
// PrintExtendedService, AlertExtendedService and COrder.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the package has been validated
// (kiv_check_private_services.h). The NULL members of the codec (nottokeep, the Alert task package's
// targetPart) have no field and are always sent; an empty e-mail address is sent absent.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// The package becomes a new top CHOICE, the value of dst; a missing package or a selector out of range
// stores nothing.
void KivPrintExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivAlertExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src);
void KivCOrderToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 15, 16 or 17 and a new package from the top CHOICE value of src.
void KivPrintExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src);
void KivAlertExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src);
void KivCOrderFromCodec(KivSingleASN1Type* dst, const BerAny* src);
