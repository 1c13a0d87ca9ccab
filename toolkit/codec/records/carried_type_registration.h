#pragma once
// Entering a generated file's carried types in the type registry: each under the object identifier its
// dotted text names, or under a placeholder identifier when it has no text or its text was not converted.
// A placeholder is the encoding of no real identifier of the type, so such a type is reached only by calling
// its routines directly, never through an EXTERNAL's direct-reference.

#include <cstdint>
#include <span>

#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/oid_text.h"

namespace codec::records {

// Dotted text to identifier contents, newly allocated; raises -27 when memory is exhausted.
using OidConversion = void (*)(const char* text, BerOid* out, BerDecodeContext& ctx);

// One or two octets standing in for a type's identifier.
struct OidPlaceholder {
    uint8_t octets[2];
    int32_t length;
};

struct CarriedType {
    int anyId;
    const char* oidText;  // null: the type is registered under its placeholder only
    OidPlaceholder placeholder;
    int valueSize;  // size of the record the registry allocates for a decoded value
    BerAnyEncode encode;
    BerAnyDecode decode;
    BerAnyFree free;
    BerAnyPrint print;
};

// Where a routine writes its failure message.
enum class FailureStream { StandardError, StandardOutput };

// The registrations of one routine, in the order it converts their texts.
struct CarriedTypeTable {
    std::span<const CarriedType> types;
    const char* failureMessage;  // written when a conversion fails
    FailureStream failureStream = FailureStream::StandardError;
};

// Converts the texts in table order and registers each type as its turn comes. The first failed conversion
// writes the table's message once; that type and every later one are registered under their placeholders.
// Where two types share a key, the registry keeps the earlier one. Running it again changes nothing: the
// registry keeps the first entry of every key.
void registerCarriedTypes(const CarriedTypeTable& table, OidConversion convert = ASN_MakeOid);

}  // namespace codec::records

// The row of type T of namespace NS, whose registry routines are NS::any::Encode<T>, Decode<T>, Free<T> and
// Print<T> and whose registered value is a T.
#define CARRIED_TYPE(ANY_ID, OID_TEXT, PLACEHOLDER, NS, T)                                  \
    ::codec::records::CarriedType {                                                         \
        ANY_ID, OID_TEXT, PLACEHOLDER, static_cast<int>(sizeof(NS::T)), NS::any::Encode##T, \
            NS::any::Decode##T, NS::any::Free##T, NS::any::Print##T                         \
    }
