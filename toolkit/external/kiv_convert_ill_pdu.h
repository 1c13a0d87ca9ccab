#pragma once
// Conversion of the interlibrary-loan APDU (content type 10, AT_IllPdu, under 1.2.10161.2.1) between the
// programming interface's KivIllPdu and the codec's ILL-APDU, and of the Extension lists that end its
// ILL-Request and Status-Or-Error-Report.
//
// Failures as in kiv_convert_basic.h: towards the codec KivConversionError{-27}, from the codec
// KivConversionError{-1}. Towards the codec the APDU has been validated; an enumeration outside its named
// values gives the codec value 0 unless a default is documented below, a selector out of range leaves its
// codec CHOICE cleared.

#include <optional>
#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_ill_pdu.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/ber_list.h"

// src->uASN1.psIllPdu becomes a new ILL-APDU, the value of dst, which the caller has bound to the type
// registered under 1.2.10161.2.1; a missing APDU stores nothing. Kind 1 gives choiceId 0 (ILL-Request), kind
// 19 choiceId 18 (Status-Or-Error-Report); another kind stores no value, so that nothing is encoded. Defaults:
// a transaction type outside 1 to 3 is sent as 1 (simple), a place-on-hold outside 1 to 3 as 3 (responder
// policy); the held medium type 2 has no wire value and validation refuses it.
void KivIllPduToCodec(BerAny* dst, const KivSingleASN1Type* src);

// eASN1Type 10 and a new KivIllPdu from the ILL-APDU value of src. The ILL-Request and the
// Status-Or-Error-Report keep their bodies; another kind gives ILL_Invalid without one. A received value
// outside an enumeration's named ones gives its Invalid constant (-1).
void KivIllPduFromCodec(KivSingleASN1Type* dst, const BerAny* src);

// A new list of Extension records, one per item in order; identifier 800 carries its AddIllReqInfo (bound
// to the registered type 800), any other identifier an empty item.
void KivIllExtensionsToCodec(BerList** dst, const KivArray<KivIllExtension>& src);

// A present array with one KivIllExtension per list element: identifier, critical, and for identifier 800
// the AddIllReqInfo; another identifier gets an empty KivAddIllReqInfo (its raw item is not carried).
void KivIllExtensionsFromCodec(KivArray<KivIllExtension>* dst, const BerList* src);

// A text of the codec string only when it is not empty: the receive rule of the optional texts.
void KivIllOptionalTextFromCodec(std::optional<std::string>* dst, const BerOctets& src);
