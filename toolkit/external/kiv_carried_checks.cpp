#include "toolkit/external/kiv_carried_checks.h"

#include "toolkit/api/kiv_validation.h"

std::string kivJoinPath(const std::string& path, std::initializer_list<std::string_view> pieces) {
    std::string joined;
    KivPathCopy(joined, path);
    for (std::string_view piece : pieces) KivPathAppend(joined, piece);
    return joined;
}

int KivCheckOid(KivAssocId assoc, KivTextView text, const std::string& path, SIError** out) {
    if (KivIsInvalidOidText(text) != 0 || KivIsUnencodableOidText(text) != 0) {
        return KivReportInvalidOid(assoc, path, out);
    }
    return 0;
}
