#pragma once
// Validation of the programming interface's EXTERNAL (KivExternal) before it is converted: its object
// identifier, its encoding and, for a single-ASN1-type value, the agreement of content type and identifier
// and then the content itself. Validator shape and reporters as in kiv_validation.h.
//
// EXTERNALs nested deeper than kKivMaxExternalDepth (kiv_convert_external_nesting.h) are refused with code
// 76 and the message "<path of the EXTERNAL> NESTS EXTERNAL VALUES DEEPER THAN 256 LEVELS" (the path cut so
// that the message fits a path's length), without being followed further.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_validation_text.h"
#include "toolkit/util/si_error.h"

// 0 for a null EXTERNAL, else KivCheckExternal.
int KivCheckOptionalExternal(KivAssocId assoc, const KivExternal* external, const std::string& path,
                             SIError** out);
// In order: a set pcObjectIdentifier that is neither dotted decimal nor a known content identifier, or that
// would encode as an empty identifier (73, "pcObjectIdentifier"); then by eValueType: EVT_SingleASN1Type
// needs pcObjectIdentifier (64) and "uExternalValue.psSingleASN1Type" (64), checked by
// KivCheckSingleASN1Type on that name + "->"; EVT_OctetAligned needs "uExternalValue.psOctetAligned" (64);
// EVT_Arbitrary needs "uExternalValue.psArbitrary" (64), checked by KivCheckArbitrary on that name + "->";
// any other eValueType 66 on "eValueType".
int KivCheckExternal(KivAssocId assoc, const KivExternal* external, const std::string& path, SIError** out);
// 65 on "pcValue" (with the whole text as the value) unless pcValue holds a '0' or '1' character for
// every one of the ulLength bits.
int KivCheckArbitrary(KivAssocId assoc, const KivArbitrary* arbitrary, const std::string& path,
                      SIError** out);
// The content of an EXTERNAL whose identifier text is oid, by eASN1Type: raw content (8) needs
// "uASN1.psUnknownType" (64) holding exactly one whole BER element (76, "... MUST HOLD ONE WHOLE BER
// ELEMENT"), whatever the identifier; a type with a converter (kiv_convert_external_content_types.h) needs
// oid to be one of its identifiers (74 with oid and "eASN1Type") and then passes its row's check; any other
// value is 66 on "eASN1Type".
int KivCheckSingleASN1Type(KivAssocId assoc, const KivSingleASN1Type* content, KivTextView oid,
                           const std::string& path, SIError** out);
