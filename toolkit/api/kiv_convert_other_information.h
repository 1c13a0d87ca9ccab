#pragma once
// Conversion of the OtherInformation array that ends every APDU (KivOtherInformation items) to and from the
// codec's OtherInformation list.
//
// Shape and failures as in kiv_convert_basic.h: (destination, source); towards the codec a failed allocation
// throws KivConversionError{-27}, from the codec KivConversionError{-1}. eInformationType is the codec
// choice + 1: IT_CharacterInfo characterInfo, IT_BinaryInfo binaryInfo, IT_ExternalInfo
// externallyDefinedInfo, IT_ObjectIdentifier oid.

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/asn1/ber_list.h"
#include "toolkit/codec/z3950/apdu_one.h"

// ---- Towards the codec (failure: -27) ----

// Appends one new element per item, in order: the category when psInfoCategory is set, and always a new
// information choice, left unconverted for an eInformationType out of range.
void KivOtherInformationToCodec(BerList* dst, const KivArray<KivOtherInformation>* src);
// A new list in *dst filled by KivOtherInformationToCodec when the array is present (an empty array gives an
// empty list).
void KivOptionalOtherInformationToCodec(BerList** dst, const KivArray<KivOtherInformation>* src);

// ---- From the codec (failure: -1) ----

// A present array with one new item per node, in order, up to the first node without a value; a null list
// gives an empty array. A choice without an alternative leaves the item's eInformationType 0.
void KivOtherInformationFromCodec(KivArray<KivOtherInformation>* dst, const BerList* src);
// As KivOtherInformationFromCodec when the list is set; otherwise dst is left as it was.
void KivOptionalOtherInformationFromCodec(KivArray<KivOtherInformation>* dst, const BerList* src);
