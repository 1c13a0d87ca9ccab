#pragma once
// The counted octet string and counted text of the programming interface.
//
// Each holds its octets in pcValue and reports their count as ulLength(), so the count cannot disagree with
// the storage. The octets may contain NUL and are not terminated as far as callers are concerned: read
// ulLength() octets, never up to a NUL. A received value is far below 4 GiB (the APDU size is capped), so the
// count always fits its 32 bits.

#include <cstdint>
#include <string>

#include "toolkit/api/kiv_forward.h"
#include "toolkit/api/kiv_owning.h"

// OCTET STRING: reference and operation ids, simple forms, octet terms, raw EXTERNAL content.
struct KivOctets {
    std::string pcValue;

    uint32_t ulLength() const { return static_cast<uint32_t>(pcValue.size()); }
};

// InternationalString and VisibleString: names, ids, passwords and every other counted text.
struct KivInternationalString {
    std::string pcValue;

    uint32_t ulLength() const { return static_cast<uint32_t>(pcValue.size()); }
};
