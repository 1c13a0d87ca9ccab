#pragma once
// Printers of the plain values of the programming interface: octets, texts, booleans, numbers, NULL
// components, and the dump of an APDU that could not be decoded.
//
// Every trace printer writes one field per line as its label and its value, with no indentation levels, and
// writes data only as data (never as a format). An absent value prints "NULL".

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "toolkit/api/kiv_forward.h"

// "Hex: " and two lower-case hexadecimal digits per octet, with no separator, then a line end; null data
// prints "Hex: NULL \n".
void KivPrintHex(std::FILE* file, const char* data, uint32_t length);
// The lower-case hexadecimal digit of the low four bits of value.
char KivHexDigit(uint32_t value);

// The octets as one text line, up to the first zero octet; null prints "NULL\n".
void KivPrintOctets(std::FILE* file, const KivOctets* psOctets);
// The text line as for octets, then the hexadecimal line of every octet.
void KivPrintInternationalString(std::FILE* file, const KivInternationalString* psString);
void KivPrintNamedOctets(std::FILE* file, const char* label, const KivOctets* psOctets);
void KivPrintNamedInternationalString(std::FILE* file, const char* label,
                                      const KivInternationalString* psString);

// "KIV_FALSE\n" for 0, "KIV_TRUE\n" for any other value, "NULL\n" for null.
void KivPrintBoolean(std::FILE* file, const uint32_t* pfValue);
void KivPrintNamedBoolean(std::FILE* file, const char* label, const uint32_t* pfValue);
// The value as signed decimal.
void KivPrintNamedInteger(std::FILE* file, const char* label, const uint32_t* pulValue);
void KivPrintNamedText(std::FILE* file, const char* label, const std::optional<std::string>& pcText);
// An ASN.1 NULL component: "Value Defined" when present.
void KivPrintNamedNull(std::FILE* file, const char* label, bool pvPresent);

// "Invalid PDU:\n" and the hexadecimal line of the octets.
void KivPrintInvalidApdu(std::FILE* file, const KivInvalidAPDU* psInvalidApdu);

namespace trace {

// The address of an optional member's value, null when it is absent: optional booleans and numbers are
// handed to the printers as pointers.
template <typename T>
const T* addressOf(const std::optional<T>& value) {
    return value ? &*value : nullptr;
}

// Writes at most length characters of data, up to the first zero octet, with no line end.
void printTextUpToZero(std::FILE* file, const char* data, size_t length);
// The text (up to a zero octet) and a line end; "NULL\n" when absent.
void printTextLine(std::FILE* file, const char* text);
void printTextLine(std::FILE* file, const std::optional<std::string>& text);
// The 32-bit value as signed or unsigned decimal, then a line end.
void printSignedLine(std::FILE* file, uint32_t value);
void printUnsignedLine(std::FILE* file, uint32_t value);
// The label as given, then the value as signed decimal and a line end.
void printLabelledSigned(std::FILE* file, const char* label, uint32_t value);
// As above; "NULL\n" when absent.
void printOptionalSignedLine(std::FILE* file, const std::optional<uint32_t>& value);
void printOptionalUnsignedLine(std::FILE* file, const std::optional<uint32_t>& value);

}  // namespace trace
