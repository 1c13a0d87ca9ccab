#pragma once
// Conversion of the programming interface's EXTERNAL (KivExternal) to and from the codec's EXTERNAL record.
// Shape and failures as in kiv_convert_basic.h: (destination, source); towards the codec a failed
// allocation throws KivConversionError{-27}, from the codec KivConversionError{-1}. Towards the codec the
// structure has been validated: an encoding selector without an alternative writes no encoding.

#include <memory>

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/codec/z3950/external.h"

// ---- Towards the codec (failure: -27) ----

// The direct reference from pcObjectIdentifier when it is set, then the one encoding eValueType names.
void KivExternalToCodec(codec::z3950::EXTERNAL* dst, const KivExternal* src);
// A new codec EXTERNAL in *dst filled by KivExternalToCodec.
void KivNewExternalToCodec(codec::z3950::EXTERNAL** dst, const KivExternal* src);
// As KivNewExternalToCodec when src is set; otherwise nothing.
void KivOptionalExternalToCodec(codec::z3950::EXTERNAL** dst, const KivExternal* src);

// ---- From the codec (failure: -1) ----

// pcObjectIdentifier from a direct reference that has octets, then the encoding that is set. Content kept
// as raw BER octets arrives as content type 8 with a copy of the whole element.
void KivExternalFromCodec(KivExternal* dst, const codec::z3950::EXTERNAL* src);
// A new KivExternal in *dst filled by KivExternalFromCodec.
void KivNewExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src);
// As KivNewExternalFromCodec when src is set; otherwise nothing.
void KivOptionalExternalFromCodec(std::unique_ptr<KivExternal>* dst, const codec::z3950::EXTERNAL* src);
