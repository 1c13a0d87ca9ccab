#pragma once
// Whole values through the routines of a type-registry entry, as an EXTERNAL's single-ASN1-type reaches
// them: identifier and length included.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/asn1/ber_any.h"

struct WholeOutcome {
    int code = 0;                  // 0, or the code the decoder raised
    uint32_t consumed = 0;         // octets the decoder counted
    int depthAfter = 0;            // nesting the context was left at
    std::vector<uint8_t> encoded;  // the decoded value encoded again (when it decoded)
    std::string printed;           // the decoded value printed at indentation 0 (when it decoded)
};

// Decodes the octets into a zero-filled value of the entry's size with its decoder; a value that decodes is
// encoded again and printed. The value is released with the entry's free routine either way.
WholeOutcome decodeWhole(const BerAnyEntry& entry, const std::vector<uint8_t>& octets);

// The entry of a generated type T of namespace NS with its registry routines NS::any::...<T>.
#define WHOLE_ENTRY(NS, T)                                                                                 \
    BerAnyEntry {                                                                                          \
        0, BerOid{0, nullptr}, 0, static_cast<int>(sizeof(NS::T)), NS::any::Encode##T, NS::any::Decode##T, \
            NS::any::Free##T, NS::any::Print##T                                                            \
    }
