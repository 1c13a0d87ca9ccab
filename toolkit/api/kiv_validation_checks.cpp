#include "toolkit/api/kiv_validation_checks.h"

#include "toolkit/api/kiv_validation_oid.h"
#include "toolkit/api/kiv_validation_predicates.h"
#include "toolkit/api/kiv_validation_reporters.h"

int KivCheckBoolean(KivAssocId assoc, const uint32_t* value, const std::string& path, SIError** out) {
    return KivIsInvalidBoolean(*value) != 0 ? KivReportInvalidBoolean(assoc, path, out) : 0;
}

int KivCheckOptionalBoolean(KivAssocId assoc, const std::optional<uint32_t>& value, const std::string& path,
                            SIError** out) {
    return value.has_value() ? KivCheckBoolean(assoc, &*value, path, out) : 0;
}

int KivCheckOptionalOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out) {
    if (text.absent()) return 0;
    return KivIsInvalidOidText(text) != 0 ? KivReportInvalidOid(assoc, path, out) : 0;
}
