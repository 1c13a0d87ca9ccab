#include "toolkit/api/kiv_validation_oid.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "toolkit/asn1/known_oids.h"
#include "toolkit/util/oid_arcs.h"

namespace {

// "0", or decimal digits without a leading zero whose value fits in 32 bits.
bool isCanonicalArc(std::string_view arc) {
    constexpr std::string_view kMaxArc = "4294967295";
    if (arc.empty() || !std::all_of(arc.begin(), arc.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    if (arc.size() > 1 && arc[0] == '0') return false;
    return arc.size() < kMaxArc.size() || (arc.size() == kMaxArc.size() && arc <= kMaxArc);
}

}  // namespace

int KivIsInvalidOidText(KivTextView text) {
    if (text.absent() || text.view().size() >= kKivOidTextMaxChars) return 1;
    const std::string work = std::string(text.view()) + ".";
    size_t consumed = 0;  // every token's length + 1
    size_t rest = 0;      // where the remaining text starts
    for (;;) {
        size_t start = work.find_first_not_of('.', rest);
        if (start == std::string::npos) break;
        size_t end = work.find('.', start);
        if (!isCanonicalArc(std::string_view(work).substr(start, end - start))) return 1;
        consumed += end - start + 1;
        // The remaining text starts after the first dot, not after the token: a token that follows
        // leading dots is read once more.
        rest = work.find('.', rest) + 1;
    }
    return consumed == text.view().size() + 1 ? 0 : 1;
}

int KivIsInvalidObjectIdentifier(KivTextView text) {
    return KivIsInvalidOidText(text);
}

int KivIsInvalidAttributeSetId(KivTextView text) {
    return KivIsInvalidOidText(text);
}

int KivIsInvalidResourceReportFormat(KivTextView text) {
    return KivIsInvalidOidText(text);
}

int KivIsInvalidOidValue(KivTextView text) {
    return KivIsInvalidOidText(text);
}

int KivIsUnknownExternalOidValue(KivTextView text) {
    if (text.absent()) return 1;
    return KivIsUnknownExternalOid(std::string(text.view()).c_str());
}

int KivIsUnencodableOidText(KivTextView text) {
    if (text.absent()) return 1;
    return oidArcsFromText(std::string(text.view()).c_str()).size() < 2 ? 1 : 0;
}
