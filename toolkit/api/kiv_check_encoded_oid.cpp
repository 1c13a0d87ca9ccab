#include "toolkit/api/kiv_check_encoded_oid.h"

#include "toolkit/api/kiv_validation_oid.h"
#include "toolkit/api/kiv_validation_reporters.h"

int KivCheckEncodedOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out) {
    if (KivIsInvalidOidText(text) != 0 || KivIsUnencodableOidText(text) != 0) {
        return KivReportInvalidOid(assoc, path, out);
    }
    return 0;
}

int KivCheckOptionalEncodedOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out) {
    return text.absent() ? 0 : KivCheckEncodedOid(assoc, text, path, out);
}
