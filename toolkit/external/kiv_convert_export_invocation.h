#pragma once
// Conversion of the Export Invocation package (content type 20, AT_ExportInvocation, under
// 1.2.840.10003.9.7 and 1.0.10163.9.7) between the programming interface's KivExpInvoExtendedService and the
// codec's ExportInvocation CHOICE (esRequest for EIROR_Request, taskPackage for EIROR_Response). A
// specification given in full goes through the Export Specification's body converters. One entry serves
// both identifiers in each direction.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the package has been validated: a selector out of range gives
// the codec's first alternative with nothing in it; the target part is always sent, even empty. From the
// codec a missing member (a task package without its target part among them) stays absent and an unknown
// alternative becomes -1.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psExpInvoExtendedService becomes a new ExportInvocation, the value of dst, which the caller has
// bound to the type registered under the EXTERNAL's identifier; a missing package stores nothing.
void KivExpInvoExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 20 and a new KivExpInvoExtendedService from the ExportInvocation value of src.
void KivExpInvoExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src);
