#pragma once
// Conversion of character-set and language negotiation records (content type 18, AT_CharSetAndLanguage,
// under 1.2.840.10003.10.2 and 1.0.10163.10.2) between the programming interface's KivCharSetAndLanguage
// and the codec's CharSetandLanguageNegotiation. One entry serves both identifiers in each direction.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the record has been validated: a selector out of range gives
// the codec's first alternative with nothing in it, and a missing compulsory member is left absent (the
// encoder writes it empty) rather than followed.

#include "toolkit/api/kiv_external.h"
#include "toolkit/asn1/ber_any.h"

// src->uASN1.psCharSetAndLanguage becomes a new CharSetandLanguageNegotiation, the value of dst, which the
// caller has bound to the type registered under the EXTERNAL's identifier; a missing record stores nothing.
void KivCharSetAndLanguageToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 18 and a new KivCharSetAndLanguage from the CharSetandLanguageNegotiation value of src. An
// alternative the codec type does not have gives the selector -1 and no member. A received selectedLanguage
// of length 0 gives no language.
void KivCharSetAndLanguageFromCodec(KivSingleASN1Type* dst, const BerAny* src);
