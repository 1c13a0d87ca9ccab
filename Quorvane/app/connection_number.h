#pragma once
// The connection counter whose value becomes the association id of each accepted connection.

#include <functional>

#include "toolkit/api/kiv_owning.h"

inline constexpr KivAssocId kLastConnectionNumber = 99999;

// The number after current: current + 1, 0 after kLastConnectionNumber, skipping 0 (it marks a free
// association slot) and every number inUse answers true for. 0 only when every number is in use.
KivAssocId NextConnectionNumber(KivAssocId current, const std::function<bool(KivAssocId)>& inUse);
