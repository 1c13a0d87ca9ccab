#pragma once
// Validators of single values that the structure validators share. Each has the validator shape: 0 when
// the value is valid, 1 after reporting its fault under the path.

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_validation_text.h"
#include "toolkit/util/si_error.h"

// 72 unless the boolean that value points to (never null) is 0 or 1. Fits the value-array walker for an array
// of booleans.
int KivCheckBoolean(KivAssocId assoc, const uint32_t* value, const std::string& path, SIError** out);
// 0 for an absent boolean, else as KivCheckBoolean.
int KivCheckOptionalBoolean(KivAssocId assoc, const std::optional<uint32_t>& value, const std::string& path,
                            SIError** out);
// 0 for an absent text; 73 when a present one is not a dotted-decimal object identifier.
int KivCheckOptionalOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out);

// A database-specific element-set-name array is accepted as it stands: always 0.
template <typename T>
int KivCheckElementSetsDbSpecific(KivAssocId /*assoc*/, const KivArray<T>* /*array*/,
                                  const std::string& /*path*/, SIError** /*out*/) {
    return 0;
}
