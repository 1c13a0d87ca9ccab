#pragma once
// How large one received APDU may be. A peer may declare any length; an APDU longer than the cap is
// undecodable and its octets are never gathered.
//
// The cap is twice the larger of the association's negotiated maximum message size and 1 MiB, and never
// above 64 MiB: 2 MiB until the target has answered the InitializeRequest.

#include <cstddef>
#include <cstdint>

#include "toolkit/api/kiv_owning.h"

inline constexpr size_t kSIApduCapFloor = size_t{1} << 20;     // 1 MiB
inline constexpr size_t kSIApduCapCeiling = size_t{64} << 20;  // 64 MiB

// Records the maximum message size the target sent in its InitializeResponse for the association.
void siSetNegotiatedMessageSize(KivAssocId assocId, uint32_t maximumMessageSize);

// Forgets the association's negotiated size: a new association of the same id starts from the floor.
void siForgetNegotiatedMessageSize(KivAssocId assocId);

// The most octets one APDU received on the association may have.
size_t siReceivedApduCap(KivAssocId assocId);
