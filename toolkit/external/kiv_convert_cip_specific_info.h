#pragma once
// Conversion of CIP specific information (content type 24, AT_CIPSpecificInfo, under
// 1.2.840.10003.2.1000.99.1) between the programming interface's KivCIPSpecificInfo and the codec's
// CIPSpecificInfo.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the value has been validated (kiv_check_cip_specific_info.h).
// The item descriptor SCI_ProductDescriptorSearch travels as 3; received item descriptors and search
// scopes outside the table arrive as 0.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psCIPSpecificInfo becomes a new CIPSpecificInfo, the value of dst; a missing value or a
// selector out of range stores nothing.
void KivCIPSpecificInfoToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 24 and a new KivCIPSpecificInfo from the CIPSpecificInfo value of src.
void KivCIPSpecificInfoFromCodec(KivSingleASN1Type* dst, const BerAny* src);
