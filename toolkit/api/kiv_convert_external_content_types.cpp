#include "toolkit/api/kiv_convert_external_content_types.h"

namespace {

// Written once at start-up, before any lookup.
std::span<const KivExternalContentType> registeredRows;

}  // namespace

void KivRegisterExternalContentTypes(std::span<const KivExternalContentType> rows) {
    registeredRows = rows;
}

const KivExternalContentType* kivContentTypeOfASN1Type(int32_t eASN1Type) {
    for (const KivExternalContentType& type : registeredRows) {
        if (type.eASN1Type == eASN1Type) return &type;
    }
    return nullptr;
}

const KivExternalContentType* kivContentTypeOfOid(std::string_view text) {
    for (const KivExternalContentType& type : registeredRows) {
        if (type.identifiedBy(text)) return &type;
    }
    return nullptr;
}
