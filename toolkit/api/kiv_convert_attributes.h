#pragma once
// Conversion of attributes, terms and units (KivStringOrNumeric, KivUnit, KivIntUnit, KivAttributeElement
// with its numeric or complex value, KivAttributesPlusTerm, KivTerm) to and from the codec's StringOrNumeric,
// Unit, IntUnit, AttributeElement, AttributeList, AttributesPlusTerm and Term.
//
// Shape and failures as in kiv_convert_basic.h: (destination, source); towards the codec a failed allocation
// throws KivConversionError{-27}, from the codec KivConversionError{-1}. Towards the codec the structure has
// been validated: a selector without an alternative leaves the codec CHOICE as it was, and the holder of a
// chosen alternative is always allocated (left empty when the member is missing). From the codec a choice
// without an alternative leaves the structure's selector 0 and no member set. Selectors: API value minus 1
// is the codec choice.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_units.h"
#include "toolkit/asn1/ber_list.h"
#include "toolkit/codec/z3950/apdu_one.h"

// ---- Towards the codec (failure: -27) ----

// 1: string, a new codec string (empty when psString is null or empty); 2: numeric, in the choice itself.
void KivStringOrNumericToCodec(codec::z3950::StringOrNumeric* dst, const KivStringOrNumeric* src);
// A new codec StringOrNumeric in *dst filled by KivStringOrNumericToCodec.
void KivNewStringOrNumericToCodec(codec::z3950::StringOrNumeric** dst, const KivStringOrNumeric* src);
// As KivNewStringOrNumericToCodec when src is set; otherwise nothing.
void KivOptionalStringOrNumericToCodec(codec::z3950::StringOrNumeric** dst, const KivStringOrNumeric* src);
// A new list in *dst with one new StringOrNumeric per element, in order, when the array is present.
void KivStringOrNumericListToCodec(BerList** dst, const KivArray<KivStringOrNumeric>* src);
// A new list in *dst with one new INTEGER per element, bit for bit, in order, when the array is present.
void KivIntegerListToCodec(BerList** dst, const KivArray<uint32_t>* src);

// Every member that is present, and only those.
void KivUnitToCodec(codec::z3950::Unit* dst, const KivUnit* src);
// A new codec Unit in *dst filled by KivUnitToCodec when src is set; otherwise nothing.
void KivOptionalUnitToCodec(codec::z3950::Unit** dst, const KivUnit* src);
// The value and always a new unitUsed filled from sUnitUsed.
void KivIntUnitToCodec(codec::z3950::IntUnit* dst, const KivIntUnit* src);
// A new codec IntUnit in *dst filled by KivIntUnitToCodec when src is set; otherwise nothing.
void KivOptionalIntUnitToCodec(codec::z3950::IntUnit** dst, const KivIntUnit* src);

// attributeSet from pcAttributeSetId when it is set, attributeType, and a new attribute value: 1 numeric,
// 2 complex.
void KivAttributeElementToCodec(codec::z3950::AttributeElement* dst, const KivAttributeElement* src);
// list from ppsList and semanticAction from ppulSemanticAction, each when its array is present.
void KivComplexValueToCodec(codec::z3950::AttributeElementAttributeValueComplex* dst,
                            const KivComplexValue* src);
// A new AttributeList in *dst with one new AttributeElement per element, in order, when the array is present
// (an empty array gives an empty list).
void KivAttributeListToCodec(BerList** dst, const KivArray<KivAttributeElement>* src);
// attributes from ppsAttributeElement (when present) and always a new term from sTerm.
void KivAttributesPlusTermToCodec(codec::z3950::AttributesPlusTerm* dst, const KivAttributesPlusTerm* src);
// The alternative of eTermType with a new holder for its value (TT_Numeric in the choice itself, TT_Null
// nothing); TT_DateTime sends the text's characters without a terminator.
void KivTermToCodec(codec::z3950::Term* dst, const KivTerm* src);
// A new codec Term in *dst filled by KivTermToCodec when src is set; otherwise nothing.
void KivOptionalTermToCodec(codec::z3950::Term** dst, const KivTerm* src);

// ---- From the codec (failure: -1) ----

// string: 1 with a new string; numeric: 2 with the number.
void KivStringOrNumericFromCodec(KivStringOrNumeric* dst, const codec::z3950::StringOrNumeric* src);
// A new KivStringOrNumeric in *dst when src is set; otherwise nothing.
void KivOptionalStringOrNumericFromCodec(std::unique_ptr<KivStringOrNumeric>* dst,
                                         const codec::z3950::StringOrNumeric* src);
// A present array with one new element per node, in order, up to the first node without a value (a null
// list gives an empty array).
void KivStringOrNumericListFromCodec(KivArray<KivStringOrNumeric>* dst, const BerList* src);

// unitSystem when it has octets, unitType, unit and scaleFactor when present.
void KivUnitFromCodec(KivUnit* dst, const codec::z3950::Unit* src);
// A new KivUnit in *dst when src is set; otherwise nothing.
void KivOptionalUnitFromCodec(std::unique_ptr<KivUnit>* dst, const codec::z3950::Unit* src);
// The value, and sUnitUsed from unitUsed when it is set.
void KivIntUnitFromCodec(KivIntUnit* dst, const codec::z3950::IntUnit* src);
// A new KivIntUnit in *dst when src is set; otherwise nothing.
void KivOptionalIntUnitFromCodec(std::unique_ptr<KivIntUnit>* dst, const codec::z3950::IntUnit* src);

// pcAttributeSetId when attributeSet has octets, ulAttributeType, and the value: numeric 1, complex 2.
void KivAttributeElementFromCodec(KivAttributeElement* dst, const codec::z3950::AttributeElement* src);
// ppsList always (present, possibly empty); ppulSemanticAction when semanticAction is present.
void KivComplexValueFromCodec(KivComplexValue* dst,
                              const codec::z3950::AttributeElementAttributeValueComplex* src);
// A present array with one new element per node, in order, up to the first node without a value (a null
// list gives an empty array).
void KivAttributeListFromCodec(KivArray<KivAttributeElement>* dst, const BerList* src);
// ppsAttributeElement from attributes, then sTerm from term when it is set.
void KivAttributesPlusTermFromCodec(KivAttributesPlusTerm* dst, const codec::z3950::AttributesPlusTerm* src);
// eTermType = codec choice + 1 with a new copy of the value; dateTime becomes a text.
void KivTermFromCodec(KivTerm* dst, const codec::z3950::Term* src);
// A new KivTerm in *dst when src is set; otherwise nothing.
void KivOptionalTermFromCodec(std::unique_ptr<KivTerm>* dst, const codec::z3950::Term* src);
