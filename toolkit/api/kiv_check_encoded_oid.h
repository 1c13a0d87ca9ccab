#pragma once
// Validation of an object-identifier field that is encoded: besides the dotted-decimal syntax, the text
// must name at least two arcs, since the encoder would send a one-arc text ("1") as an empty identifier.

#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_validation_text.h"
#include "toolkit/util/si_error.h"

// 73 with the path when the text is absent, not dotted decimal, or of fewer than two arcs.
int KivCheckEncodedOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out);
// 0 for an absent text, else as KivCheckEncodedOid.
int KivCheckOptionalEncodedOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out);
