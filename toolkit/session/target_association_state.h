#pragma once
// What the association calls share across the process.

#include <atomic>

// Set by every KivInitialiseTargetNT: an association may be accepted only after one.
extern std::atomic<bool> siTargetInitialised;
