#pragma once
// The basic conversions between programming-interface values and codec values: octet strings, counted
// strings, texts, bit strings, booleans, optional integers, object identifiers, lists of strings and
// integers, element-set names and the present status.
//
// Shape: (destination, source). The destination is a pointer to the member being written: towards the codec
// the codec record's member (for a "New" routine the codec pointer member, which gets a new record); from
// the codec the structure's member (for a "New" routine its std::unique_ptr, which gets a new structure).
// The source is a pointer to the member being read (null where a routine says it may be absent; for a codec
// member held by pointer, that pointer itself), and a text is a KivTextView. Towards the codec a failed
// allocation throws KivConversionError{-27}, from the codec KivConversionError{-1} (kiv_conversion_error.h).
//
// Names: "New" allocates the destination's holder; "Optional" does nothing for an absent source. Each
// conversion has one routine under one name.
// INTEGER: a structure's 32-bit unsigned value goes to the codec bit for bit, and a received negative
// INTEGER arrives as a large unsigned value (-1 as 4294967295); a handler that needs a range must test it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/api/kiv_validation_text.h"
#include "toolkit/asn1/ber_list.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/codec/z3950/apdu_one.h"

// ---- Towards the codec (failure: -27) ----

// Always leaves dst owning a block: a copy of the octets, or length 0 and a one-octet block when src is
// null or empty.
void KivOctetsToCodec(BerOctets* dst, const KivOctets* src);
// A copy when src is set and not empty; otherwise dst is left as it was.
void KivInternationalStringToCodec(BerOctets* dst, const KivInternationalString* src);
// The text's characters (a terminated block one octet longer); an absent text writes nothing.
void KivCStringToCodec(BerOctets* dst, KivTextView src);
// bitCount bits, bit i set where character i of the text is '1' (characters past the text read as '0'),
// in a block sized from the bit count (one octet for 0 bits). Validation has checked the characters.
void KivBitStringToCodec(BerBits* dst, KivTextView src, uint32_t bitCount);
// 1 when *src is 1, else 0.
void KivBooleanToCodec(BerBoolean* dst, const uint32_t* src);
// A new codec BOOLEAN when the value is present.
void KivOptionalBooleanToCodec(BerBoolean** dst, const std::optional<uint32_t>* src);
// A new codec INTEGER holding the value bit for bit when it is present.
void KivOptionalIntegerToCodec(BerInteger** dst, const std::optional<uint32_t>* src);
// A new list with one new codec string per element, in order, when the array is present (an empty array
// gives an empty list).
void KivOptionalInternationalStringListToCodec(BerList** dst, const KivArray<KivInternationalString>* src);
// A new codec string filled by KivInternationalStringToCodec.
void KivNewInternationalStringToCodec(BerOctets** dst, const KivInternationalString* src);
// The encoded object identifier of the dotted text (validated beforehand: at least two arcs).
void KivOidToCodec(BerOid* dst, KivTextView src);
// As KivOidToCodec; an absent text writes nothing.
void KivOptionalOidToCodec(BerOid* dst, KivTextView src);
// A new codec OBJECT IDENTIFIER filled by KivOidToCodec when the text is present.
void KivOptionalNewOidToCodec(BerOid** dst, KivTextView src);
// A new codec OCTET STRING filled by KivOctetsToCodec.
void KivNewOctetsToCodec(BerOctets** dst, const KivOctets* src);
// KivOctetsToCodec when src is set; otherwise nothing.
void KivOptionalOctetsToCodec(BerOctets* dst, const KivOctets* src);
// The same number for 0 to 5; any other value leaves dst as it was.
void KivPresentStatusToCodec(BerInteger* dst, const int32_t* src);
// EST_Generic: choice genericElementSetName with a new string; EST_DatabaseSpecific: choice databaseSpecific
// and, when the array is present, a new list of items (dbName, esn); any other selector writes nothing.
void KivElementSetNamesToCodec(codec::z3950::ElementSetNames* dst, const KivElementSetNames* src);

// ---- From the codec (failure: -1) ----

// The same octets (a std::string keeps the count and the copy).
void KivOctetsFromCodec(KivOctets* dst, const BerOctets* src);
void KivInternationalStringFromCodec(KivInternationalString* dst, const BerOctets* src);
// A text of the octets (an empty text when they are absent).
void KivCStringFromCodec(std::optional<std::string>* dst, const BerOctets* src);
// A text of length octets when octets is set, else nothing; returns length.
int32_t KivCStringFromCodecByValue(std::optional<std::string>* dst, int32_t length, const uint8_t* octets);
// A text of one '0' or '1' per bit, first bit first.
void KivBitStringFromCodec(std::optional<std::string>* dst, const BerBits* src);
// 1 when the octet is 1, else 0.
void KivBooleanFromCodec(uint32_t* dst, const BerBoolean* src);
// A boolean (1 when the octet is 1, else 0) when src is set.
void KivOptionalBooleanFromCodec(std::optional<uint32_t>* dst, const BerBoolean* src);
// The value bit for bit when src is set.
void KivOptionalIntegerFromCodec(std::optional<uint32_t>* dst, const BerInteger* src);
void KivNewInternationalStringFromCodec(std::unique_ptr<KivInternationalString>* dst, const BerOctets* src);
// A new string only when the octets are present.
void KivOptionalInternationalStringFromCodec(std::unique_ptr<KivInternationalString>* dst,
                                             const BerOctets* src);
// A present array with one new string per node in order, up to the first node without a value; a null
// list leaves dst as it was.
void KivInternationalStringListFromCodec(KivArray<KivInternationalString>* dst, const BerList* src);
// A present array with one value per node, bit for bit; a null list leaves dst as it was.
void KivIntegerListFromCodec(KivArray<uint32_t>* dst, const BerList* src);
// genericElementSetName: EST_Generic with a new string; databaseSpecific: EST_DatabaseSpecific with one new
// item per list node; a null list or another choice leaves dst as it was.
void KivElementSetNamesFromCodec(KivElementSetNames* dst, const codec::z3950::ElementSetNames* src);
// The dotted text of the object identifier.
void KivOidFromCodec(std::optional<std::string>* dst, const BerOid* src);
// As KivOidFromCodec when src is set and not empty.
void KivOptionalOidFromCodec(std::optional<std::string>* dst, const BerOid* src);
// true when the codec NULL is present (src set).
void KivOptionalNullFromCodec(bool* dst, const uint8_t* src);
void KivNewOctetsFromCodec(std::unique_ptr<KivOctets>* dst, const BerOctets* src);
// A new KivOctets only when the length is not 0: an empty codec octet string becomes absent.
void KivOptionalOctetsFromCodec(std::unique_ptr<KivOctets>* dst, const BerOctets* src);
// The same number for 0 to 5, else PS_Invalid (-1).
void KivPresentStatusFromCodec(int32_t* dst, const BerInteger* src);
