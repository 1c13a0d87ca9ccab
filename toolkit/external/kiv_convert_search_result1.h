#pragma once
// Conversion of searchResult-1 (content type 21, AT_UserInfoSearchResult1, under 1.2.840.10003.10.1 and
// 1.0.10163.10.1) between the programming interface's KivUserInfoSearchResult1 and the codec's SearchResult1
// wrapper of the report list. One entry serves both identifiers in each direction.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the record has been validated: an absent report array sends an
// empty list and a selector out of range its codec's first alternative with nothing in it. From the codec an
// unknown query expression or databases alternative becomes -1.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psUserInfoSearchResult1 becomes a new SearchResult1 (choiceId 0 and the list of reports), the
// value of dst, which the caller has bound to the type registered under the EXTERNAL's identifier; a missing
// record stores nothing.
void KivUserInfoSearchResult1ToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 21 and a new KivUserInfoSearchResult1 from the SearchResult1 value of src.
void KivUserInfoSearchResult1FromCodec(KivSingleASN1Type* dst, const BerAny* src);
