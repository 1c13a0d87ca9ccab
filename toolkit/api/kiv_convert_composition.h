#pragma once
// Conversion of record composition (KivRecordComposition, KivCompSpec, KivDbSpecific, KivSpecification,
// KivElementSpec) to and from the codec's recordComposition CHOICE of a present request, CompSpec and
// Specification. Shape and failures as in kiv_convert_basic.h: (destination, source); towards the codec a
// failed allocation throws KivConversionError{-27}, from the codec KivConversionError{-1}. Selectors: API
// value minus 1 is the codec choice; towards the codec a selector without an alternative writes nothing,
// from the codec a choice without one leaves the selector 0. Lists keep the order of their arrays.

#include <memory>
#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/asn1/ber_list.h"
#include "toolkit/codec/z3950/apdu_one.h"

// ---- Towards the codec (failure: -27) ----

// 1: simple with new element-set names; 2: complex with a new CompSpec.
void KivRecordCompositionToCodec(codec::z3950::PresentRequestRecordComposition* dst,
                                 const KivRecordComposition* src);
// A new codec CompSpec in *dst filled by KivCompSpecToCodec.
void KivNewCompSpecToCodec(codec::z3950::CompSpec** dst, const KivCompSpec* src);
// selectAlternativeSyntax true exactly when the API value is 1; generic, dbSpecific and recordSyntax each
// when present in the structure.
void KivCompSpecToCodec(codec::z3950::CompSpec* dst, const KivCompSpec* src);
// schema when pcSchema is set; elementSpec when psElementSpec is set: elementSetName (1) or externalEspec
// (2).
void KivSpecificationToCodec(codec::z3950::Specification* dst, const KivSpecification* src);

// ---- From the codec (failure: -1) ----

// simple: 1 with new element-set names; complex: 2 with a new KivCompSpec.
void KivRecordCompositionFromCodec(KivRecordComposition* dst,
                                   const codec::z3950::PresentRequestRecordComposition* src);
// fSelectAlternativeSyntax 1 exactly when the codec octet is 1; psGeneric, ppsDbSpecific and
// ppcRecordSyntax each when present in the codec.
void KivCompSpecFromCodec(KivCompSpec* dst, const codec::z3950::CompSpec* src);
// pcSchema when the schema has octets; psElementSpec when elementSpec is present.
void KivSpecificationFromCodec(KivSpecification* dst, const codec::z3950::Specification* src);
// A present array of the dotted texts of the identifiers in the list, in order, up to the first node without
// one; a null list gives an empty array.
void KivOidListFromCodec(KivArray<std::string>* dst, const BerList* src);
// As KivOidListFromCodec when the list is set; a null list leaves dst as it was.
void KivOptionalOidListFromCodec(KivArray<std::string>* dst, const BerList* src);
