#pragma once
// What both EXTERNAL codecs share: a member behind its one-octet identifier, the three members that identify
// the carried value (direct-reference, indirect-reference, data-value-descriptor), and the printed member
// lines.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_primitives.h"

// Writes the length and the one-octet identifier in front of contents already written; returns the total.
uint32_t ASN_WrapExternalMember(BerBuffer& buf, uint32_t contents, uint8_t identifier);

// Writes the identifying members that are present, backwards; returns the octets written.
uint32_t ASN_EncodeExternalReferences(BerBuffer& buf, const BerOid* directReference,
                                      const BerInteger* indirectReference,
                                      const BerOctets* dataValueDescriptor);

// Starts a member's line: ",\n" after the previous member, the indentation and the label.
void ASN_PrintExternalLabel(std::FILE* out, bool& first, uint16_t indent, const char* label);

// Prints the identifying members that are present.
void ASN_PrintExternalReferences(std::FILE* out, bool& first, uint16_t indent, const BerOid* directReference,
                                 const BerInteger* indirectReference, const BerOctets* dataValueDescriptor);
