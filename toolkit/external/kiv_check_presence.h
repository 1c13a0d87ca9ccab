#pragma once
// The check of a mandatory member of a carried content.

#include <string>
#include <string_view>

#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_validation_reporters.h"

// 0 when the member name under path is there; otherwise 64 on path + name (the member is missing).
inline int kivCheckPresent(KivAssocId assoc, bool there, const std::string& path, std::string_view name,
                           SIError** out) {
    return there ? 0 : KivReportMissingField(assoc, kivFieldPath(path, name), out);
}
