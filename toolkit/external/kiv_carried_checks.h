#pragma once
// What the validators of the carried contents share: their paths and the check of an object-identifier
// field. Validator shape and reporters as in kiv_validation.h.

#include <initializer_list>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_validation_text.h"
#include "toolkit/session/si_error.h"

// A copy of path with the pieces appended, within the path limit of kiv_validation_path.h.
std::string kivJoinPath(const std::string& path, std::initializer_list<std::string_view> pieces);

// 73 "Invalid oid value %s given" on path unless the present text is a dotted-decimal identifier that names
// at least two arcs (one that names fewer would be sent as an empty identifier).
int KivCheckOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out);
