#pragma once
// Validation of the programming interface's EXTERNAL (KivExternal) before it is converted: its object
// identifier, its encoding and, for a single-ASN1-type value, its content. Validator shape and reporters as
// in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/si_error.h"

// 0 for a null EXTERNAL, else KivCheckExternal.
int KivCheckOptionalExternal(KivAssocId assoc, const KivExternal* external, const std::string& path,
                             SIError** out);
// In order: a set pcObjectIdentifier that is neither dotted decimal nor a known content identifier, or that
// would encode as an empty identifier (73, "pcObjectIdentifier"); then by eValueType the member it needs
// (64) and its check; any other eValueType 66 on "eValueType".
int KivCheckExternal(KivAssocId assoc, const KivExternal* external, const std::string& path, SIError** out);
// 65 on "pcValue" (with the whole text as the value) unless pcValue holds a '0' or '1' character for
// every one of the ulLength bits.
int KivCheckArbitrary(KivAssocId assoc, const KivArbitrary* arbitrary, const std::string& path,
                      SIError** out);
