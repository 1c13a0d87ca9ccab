#pragma once
// Gathering the primitive segments of a constructed OCTET STRING, character string or BIT STRING.

#include <cstddef>
#include <cstdint>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

struct BerSegmentKind {
    BerTag primitive;
    BerTag constructed;
    int segmentEnded;  // a segment cut short, empty when it must not be, or running past its enclosing value
    int segmentTag;    // a segment of another type
    bool unusedBits;   // BIT STRING: each primitive segment opens with its unused-bits octet
};

// Empties ctx's segment table, then records in it every primitive segment of the constructed value whose
// contents length is length (-1: indefinite), where the segment lies in the buffer. Adds the contents
// octets consumed to counter. Each constructed level counts one level of nesting.
void berGatherSegments(BerBuffer& buf, BerLength length, const BerSegmentKind& kind, uint32_t& counter,
                       BerDecodeContext& ctx);

// The gathered segments joined in a new block of size octets (at least ctx.segmentTotal), zero-filled beyond.
uint8_t* berJoinSegments(BerDecodeContext& ctx, size_t size);
