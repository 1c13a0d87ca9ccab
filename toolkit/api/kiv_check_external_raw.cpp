// EXTERNAL validation for the content the toolkit sends without converting it itself: the octet-aligned and
// arbitrary encodings and raw content (type 8). A single-ASN1-type value of any other content type is out of
// range, since no converter would carry it.

#include <cstdint>
#include <string>

#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/api/kiv_validation.h"

namespace {

constexpr int32_t kRawContentType = 8;

int checkSingleASN1Type(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                        SIError** out) {
    if (single->eASN1Type != kRawContentType) return KivReportValueOutOfRange(assoc, path + "eASN1Type", out);
    return 0;
}

}  // namespace

int KivCheckOptionalExternal(KivAssocId assoc, const KivExternal* external, const std::string& path,
                             SIError** out) {
    return external != nullptr ? KivCheckExternal(assoc, external, path, out) : 0;
}

int KivCheckExternal(KivAssocId assoc, const KivExternal* external, const std::string& path, SIError** out) {
    const KivTextView oid = external->pcObjectIdentifier;
    if (!oid.absent() &&
        ((KivIsInvalidObjectIdentifier(oid) != 0 && KivIsUnknownExternalOidValue(oid) != 0) ||
         KivIsUnencodableOidText(oid) != 0)) {
        return KivReportInvalidOid(assoc, path + "pcObjectIdentifier", out);
    }
    const auto& value = external->uExternalValue;
    switch (external->eValueType) {
        case EVT_SingleASN1Type:
            if (oid.absent()) return KivReportMissingField(assoc, path + "pcObjectIdentifier", out);
            if (!value.psSingleASN1Type) {
                return KivReportMissingField(assoc, path + "uExternalValue.psSingleASN1Type", out);
            }
            return checkSingleASN1Type(assoc, value.psSingleASN1Type.get(),
                                       path + "uExternalValue.psSingleASN1Type->", out);
        case EVT_OctetAligned:
            if (!value.psOctetAligned)
                return KivReportMissingField(assoc, path + "uExternalValue.psOctetAligned", out);
            return 0;
        case EVT_Arbitrary:
            if (!value.psArbitrary)
                return KivReportMissingField(assoc, path + "uExternalValue.psArbitrary", out);
            return KivCheckArbitrary(assoc, value.psArbitrary.get(), path + "uExternalValue.psArbitrary->",
                                     out);
        default:
            return KivReportValueOutOfRange(assoc, path + "eValueType", out);
    }
}

int KivCheckArbitrary(KivAssocId assoc, const KivArbitrary* arbitrary, const std::string& path,
                      SIError** out) {
    const KivTextView text = arbitrary->pcValue;
    const std::string_view bits = text.view();
    if (text.absent() || bits.size() < arbitrary->ulLength ||
        KivIsInvalidBitString(std::string(bits.substr(0, arbitrary->ulLength))) != 0) {
        return KivReportInvalidBitString(assoc, path + "pcValue", text, out);
    }
    return 0;
}
