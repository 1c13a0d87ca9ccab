#include "toolkit/api/kiv_check_external.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_external_nesting.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/api/kiv_validation_message.h"
#include "toolkit/util/ber_element_check.h"

namespace {

// The longest explanation that a report of code 76 (format "%s") keeps whole.
constexpr size_t kExplanationMaxChars = kKivMessageOctets - 3;

// The explanation for an EXTERNAL nested too deep: its path without the separator that ends it, cut where
// needed so that the explanation is kept whole.
std::string tooDeep(std::string_view path) {
    const std::string reason =
        " NESTS EXTERNAL VALUES DEEPER THAN " + std::to_string(kKivMaxExternalDepth) + " LEVELS";
    while (!path.empty() && (path.back() == '.' || path.back() == '>' || path.back() == '-')) {
        path.remove_suffix(1);
    }
    return std::string(path.substr(0, kExplanationMaxChars - reason.size())) + reason;
}

// True when the octets are exactly one whole BER element.
bool isOneElement(const std::string& octets) {
    if (octets.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) return false;
    int32_t total = 0;
    const auto count = static_cast<int32_t>(octets.size());
    return BerDirElementComplete(reinterpret_cast<const uint8_t*>(octets.data()), count, &total) ==
               kBerElementComplete &&
           total == count;
}

int checkRawContent(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                    SIError** out) {
    const std::string memberPath = kivFieldPath(path, "uASN1.psUnknownType");
    const KivOctets* raw = content->uASN1.psUnknownType.get();
    if (raw == nullptr) return KivReportMissingField(assoc, memberPath, out);
    if (!isOneElement(raw->pcValue)) {
        return KivReportValidationText(assoc, memberPath + " MUST HOLD ONE WHOLE BER ELEMENT", out);
    }
    return 0;
}

}  // namespace

int KivCheckOptionalExternal(KivAssocId assoc, const KivExternal* external, const std::string& path,
                             SIError** out) {
    return external != nullptr ? KivCheckExternal(assoc, external, path, out) : 0;
}

int KivCheckExternal(KivAssocId assoc, const KivExternal* external, const std::string& path, SIError** out) {
    const KivExternalLevel level;
    if (!level.withinBound()) {
        return KivReportValidationText(assoc, tooDeep(path), out);
    }
    const KivTextView oid = external->pcObjectIdentifier;
    if (!oid.absent() &&
        ((KivIsInvalidObjectIdentifier(oid) != 0 && KivIsUnknownExternalOidValue(oid) != 0) ||
         KivIsUnencodableOidText(oid) != 0)) {
        return KivReportInvalidOid(assoc, kivFieldPath(path, "pcObjectIdentifier"), out);
    }
    const auto& value = external->uExternalValue;
    switch (external->eValueType) {
        case EVT_SingleASN1Type:
            if (oid.absent())
                return KivReportMissingField(assoc, kivFieldPath(path, "pcObjectIdentifier"), out);
            return kivCheckMember(assoc, value.psSingleASN1Type.get(), path,
                                  "uExternalValue.psSingleASN1Type", "->", out,
                                  [&](KivAssocId a, const KivSingleASN1Type* content, const std::string& p,
                                      SIError** o) { return KivCheckSingleASN1Type(a, content, oid, p, o); });
        case EVT_OctetAligned:
            if (!value.psOctetAligned) {
                return KivReportMissingField(assoc, kivFieldPath(path, "uExternalValue.psOctetAligned"), out);
            }
            return 0;
        case EVT_Arbitrary:
            return kivCheckMember(assoc, value.psArbitrary.get(), path, "uExternalValue.psArbitrary", "->",
                                  out, KivCheckArbitrary);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eValueType"), out);
    }
}

int KivCheckArbitrary(KivAssocId assoc, const KivArbitrary* arbitrary, const std::string& path,
                      SIError** out) {
    const KivTextView text = arbitrary->pcValue;
    const std::string_view bits = text.view();
    if (text.absent() || bits.size() < arbitrary->ulLength ||
        KivIsInvalidBitString(std::string(bits.substr(0, arbitrary->ulLength))) != 0) {
        return KivReportInvalidBitString(assoc, kivFieldPath(path, "pcValue"), text, out);
    }
    return 0;
}

int KivCheckSingleASN1Type(KivAssocId assoc, const KivSingleASN1Type* content, KivTextView oid,
                           const std::string& path, SIError** out) {
    if (content->eASN1Type == kKivRawContentType) return checkRawContent(assoc, content, path, out);
    const KivExternalContentType* type = kivContentTypeOfASN1Type(content->eASN1Type);
    if (type == nullptr) return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eASN1Type"), out);
    if (!type->identifiedBy(oid.view())) {
        return KivReportInvalidExternalOid(assoc, oid, kivFieldPath(path, "eASN1Type"), out);
    }
    return type->check(assoc, content, path, out);
}
