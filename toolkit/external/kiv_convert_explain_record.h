#pragma once
// Conversion of Explain records (content type 12, AT_ExplainRecord, under 1.2.840.10003.5.100 and
// 1.0.10163.5.100) between the programming interface's KivExplainRecord and the codec's ExplainRecord. One
// entry serves both identifiers in each direction.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}; both also for element descriptions nested deeper than kKivMaxExplainElementDepth
// levels. Towards the codec the record has been validated; a category or CHOICE selector out of range is
// refused with -27 as well, so that no half-built value reaches the encoder.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psExplainRecord becomes a new ExplainRecord, the value of dst, which the caller has bound to the
// type registered under the EXTERNAL's identifier; a missing record stores nothing.
void KivExplainRecordToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 12 and a new KivExplainRecord from the ExplainRecord value of src. A category, alternative or
// named number the interface does not know arrives as -1.
void KivExplainRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src);
