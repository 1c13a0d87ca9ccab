#pragma once
// Conversion of the Export Specification package (content type 19, AT_ExportSpecification, under
// 1.2.840.10003.9.6 and 1.0.10163.9.6) between the programming interface's KivExpSpecExtendedService and the
// codec's ExportSpecification CHOICE (esRequest for ESROR_Request, taskPackage for ESROR_Response; the NULL
// second member of either is not written). One entry serves both identifiers in each direction; the body
// converters also serve the specification an Export Invocation carries in full.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the package has been validated: a selector out of range gives
// the codec's first alternative with nothing in it. From the codec a missing member stays absent, an unknown
// request-or-response alternative becomes -1 and an unknown destination alternative leaves the type 0.

#include "toolkit/api/kiv_export_package.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/records/records_f.h"

// The alternative of eExpSpecReqOrRsp with a new request or task package and its new origin part to keep.
void KivExpSpecToCodec(codec::records::ExportSpecification* dst, const KivExpSpecExtendedService* src);
// The selector of the alternative and a new request or response filled from its origin part to keep.
void KivExpSpecFromCodec(KivExpSpecExtendedService* dst, const codec::records::ExportSpecification* src);

// src->uASN1.psExpSpecExtendedService becomes a new ExportSpecification, the value of dst, which the caller
// has bound to the type registered under the EXTERNAL's identifier; a missing package stores nothing.
void KivExpSpecExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 19 and a new KivExpSpecExtendedService from the ExportSpecification value of src.
void KivExpSpecExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src);
