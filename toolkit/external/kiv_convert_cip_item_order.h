#pragma once
// Conversion of the CIP item-order package (content type 23, AT_CipBItemOrderExtendedService, under
// 1.2.840.10003.9.1000.99.1) between the programming interface's KivCipBItemOrderExtendedService and the
// codec's CipBItemOrder.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the package has been validated (kiv_check_cip_item_order.h):
// every compulsory member is there and every selector in range. Texts for optional codec strings are sent
// absent when empty; received empty ones arrive as empty texts.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psCipBItemOrderExtendedService becomes a new CipBItemOrder, the value of dst; a missing package
// or a request/response selector out of range stores nothing.
void KivCipBItemOrderExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 23 and a new KivCipBItemOrderExtendedService from the CipBItemOrder value of src.
void KivCipBItemOrderExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src);
