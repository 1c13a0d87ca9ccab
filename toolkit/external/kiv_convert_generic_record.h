#pragma once
// Conversion of GRS-1 records (content type 13, AT_GenericRecord, under 1.2.840.10003.5.105 and
// 1.0.10163.5.105) between the programming interface's KivGenericRecord and the codec's GenericRecordChoice.
// One entry serves both identifiers in each direction.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}; both also for a record nested deeper than kKivMaxGenericRecordDepth levels.
// Towards the codec the record has been validated: a selector out of range gives the codec's first
// alternative with nothing in it.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psGenericRecord becomes a new GenericRecordChoice (choiceId 0, the list of tagged elements),
// the value of dst, which the caller has bound to the type registered under the EXTERNAL's identifier; a
// missing record stores nothing.
void KivGenericRecordToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 13 and a new KivGenericRecord from the GenericRecordChoice value of src.
void KivGenericRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src);
