#pragma once
// The carried contents of a single-ASN1-type EXTERNAL that the toolkit converts into structures of its own,
// one row per content type. The rows serve the conversion towards the codec (by eASN1Type, then by the
// object identifier), the conversion from the codec (by the object identifier alone) and validation (by
// eASN1Type). Content under any other identifier, or of a type without a row, travels as raw content
// (type 8). The rows are the table of KivRegisterCarriedContents
// (toolkit/external/kiv_carried_content_types.h), registered at start-up: the converters convert queries,
// records and EXTERNALs in turn, so they sit above this dispatch. Adding a content type is adding its row to
// that table.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/util/si_error.h"

// The content type of raw content: the whole BER element kept in psUnknownType.
constexpr int32_t kKivRawContentType = 8;

struct KivExternalContentType {
    int32_t eASN1Type;
    const char* oid;     // under 1.2.840.10003 (or the content's only identifier)
    const char* isoOid;  // the same under 1.0.10163; null when the content has one identifier only
    // Converts the content of src into dst. The caller has bound dst to the type registered under the
    // EXTERNAL's identifier; the converter stores a new value of that type (kivNewContentValue) unless the
    // member eASN1Type selects is missing. Failure: -27.
    void (*toCodec)(BerAny* dst, const KivSingleASN1Type* src);
    // Sets eASN1Type and builds the member it selects from the decoded value of dst's row. Failure: -1.
    void (*fromCodec)(KivSingleASN1Type* dst, const BerAny* src);
    // The member eASN1Type selects must be set (64 on path + "uASN1.<member>"); then the content on that
    // path + "->". The caller has checked the identifier against the row.
    int (*check)(KivAssocId assoc, const KivSingleASN1Type* src, const std::string& path, SIError** out);
    // One more identifier of the same content in another version of its format; null when there is none.
    // The converters tell the versions apart by the registered type that dst or src is bound to.
    const char* otherVersionOid = nullptr;

    bool identifiedBy(std::string_view text) const {
        return text == oid || (isoOid != nullptr && text == isoOid) ||
               (otherVersionOid != nullptr && text == otherVersionOid);
    }
};

// Makes rows the table that the lookups below search; rows must outlive every conversion. Call it before the
// first conversion, once per process (before the program's threads start or under a once flag): until then
// every content travels raw and validation refuses every content type but raw content.
void KivRegisterExternalContentTypes(std::span<const KivExternalContentType> rows);

// The row of eASN1Type; null when the type has none.
const KivExternalContentType* kivContentTypeOfASN1Type(int32_t eASN1Type);
// The row one of whose identifiers is the text, exactly; null when there is none.
const KivExternalContentType* kivContentTypeOfOid(std::string_view text);

// The value of the bound single-ASN1-type dst: a new zero-filled record of the registered type T.
template <typename T>
T* kivNewContentValue(BerAny* dst) {
    T* value = kivNewCodecRecord<T>();
    dst->value = value;
    return value;
}

// The decoded value of the bound single-ASN1-type src, a record of the registered type T.
template <typename T>
const T& kivContentValue(const BerAny* src) {
    return *static_cast<const T*>(src->value);
}
