#pragma once
// Conversion of the prompt-1 access-control format (content type 14, AT_PromptObject, under
// 1.2.840.10003.8.1 and 1.0.10163.8.1) between the programming interface's KivPromptObject and the codec's
// PromptObject CHOICE (challenge for POT_Challenge, response for POT_Response, each holding its list). One
// entry serves both identifiers in each direction.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the object has been validated: a selector out of range gives the
// codec's first alternative with nothing in it, an enumerated prompt type outside 0..5 or a data type outside
// 1..6 is sent as 0. From the codec a missing list arrives empty, a missing member stays absent, and an
// unknown alternative, prompt type or data type becomes -1.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psPromptObject becomes a new PromptObject, the value of dst, which the caller has bound to the
// type registered under the EXTERNAL's identifier; a missing object stores nothing.
void KivPromptObjectToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 14 and a new KivPromptObject from the PromptObject value of src.
void KivPromptObjectFromCodec(KivSingleASN1Type* dst, const BerAny* src);
