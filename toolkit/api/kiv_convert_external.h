#pragma once
// Conversion of the programming interface's EXTERNAL (KivExternal) to and from the codec's EXTERNAL record,
// with the dispatch of a single-ASN1-type value to the converter of its content type
// (kiv_convert_external_content_types.h).
//
// Shape and failures as in kiv_convert_basic.h: (destination, source); towards the codec a failed
// allocation throws KivConversionError{-27}, from the codec KivConversionError{-1}. Towards the codec the
// structure has been validated: an encoding selector without an alternative writes no encoding.
//
// Every converted value belongs to the codec record it is stored in: a content value is a MemAlloc block of
// the single-ASN1-type, bound to the type registered under the direct reference, and FreeEXTERNAL (through
// the PDU's free routine) releases it. EXTERNALs nested deeper than kKivMaxExternalDepth
// (kiv_convert_external_nesting.h) are not followed: the conversion throws its KivConversionError.

#include <memory>

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_validation_text.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/z3950/external.h"

// ---- Towards the codec (failure: -27) ----

// The direct reference from pcObjectIdentifier when it is set, then the one encoding eValueType names:
// single-ASN1-type by KivSingleASN1TypeToCodec, octet-aligned as a copy of the octets, arbitrary as a bit
// string of ulLength bits.
void KivExternalToCodec(codec::z3950::EXTERNAL* dst, const KivExternal* src);
// A new codec EXTERNAL in *dst filled by KivExternalToCodec.
void KivNewExternalToCodec(codec::z3950::EXTERNAL** dst, const KivExternal* src);
// As KivNewExternalToCodec when src is set; otherwise nothing.
void KivOptionalExternalToCodec(codec::z3950::EXTERNAL** dst, const KivExternal* src);
// The content of src's psSingleASN1Type into dst, for the EXTERNAL's identifier text oid: a content type
// with a converter, when oid is one of its identifiers, as a value bound to the type registered under oid;
// raw content (type 8) as a copy of its octets, sent as they are. Anything else (an identifier that does not
// fit the type, a type without a converter) leaves dst empty.
void KivSingleASN1TypeToCodec(KivTextView oid, BerAny* dst, const KivExternal* src);
// Converted content values belong to their codec records, so there is nothing to rewind before a PDU is
// encoded; the send routine's call remains and does nothing.
void KivResetSlotPools();

// ---- From the codec (failure: -1) ----

// pcObjectIdentifier from a direct reference that has octets, then the encoding that is set: a
// single-ASN1-type value by KivSingleASN1TypeFromCodec, octet-aligned as EVT_OctetAligned, arbitrary as
// EVT_Arbitrary with one '0' or '1' per bit.
void KivExternalFromCodec(KivExternal* dst, const codec::z3950::EXTERNAL* src);
// A new KivExternal in *dst filled by KivExternalFromCodec.
void KivNewExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src);
// As KivNewExternalFromCodec when src is set; otherwise nothing.
void KivOptionalExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src);
// EVT_SingleASN1Type with a new psSingleASN1Type: the content type whose identifier is oid converts a value
// decoded through the registry; any other content by KivUnknownTypeFromCodec.
void KivSingleASN1TypeFromCodec(KivTextView oid, KivExternal* dst, const BerAny* src);
// Content type 8 with psUnknownType holding the content's whole BER element (identifier and length
// included): the octets kept raw, or a decoded value encoded again. Marks the unknown-content scope of the
// thread (kiv_convert_external_unknown_content.h).
void KivUnknownTypeFromCodec(KivSingleASN1Type* dst, const BerAny* src);
