#pragma once
// Conversion of the Item Order package (content type 9, AT_ItemOrderExtendedService, under
// 1.2.840.10003.9.4 and 1.0.10163.9.4) between the programming interface's KivItemOrderExtendedService and
// the codec's ItemOrder CHOICE (esRequest for IOROR_Request, taskPackage for IOROR_Response). One entry
// serves both identifiers in each direction.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the package has been validated: a selector out of range gives
// the codec's first alternative with nothing in it, and a payment method whose member is missing sends its
// selector alone. From the codec a missing member stays absent and an unknown payment method or auxiliary
// status becomes -1.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psItemOrderExtendedService becomes a new ItemOrder, the value of dst, which the caller has bound
// to the type registered under the EXTERNAL's identifier; a missing package stores nothing.
void KivItemOrderExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 9 and a new KivItemOrderExtendedService from the ItemOrder value of src.
void KivItemOrderExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src);
