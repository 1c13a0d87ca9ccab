#pragma once
// The transition tables of the two association machines: one row per event, one column per current state.

#include <cstdint>

#include "toolkit/session/state_machine_names.h"

// What a cell holds besides a next state.
inline constexpr int32_t kSICellInvalid = 0;              // the event is invalid in the state
inline constexpr int32_t kSICellError = 16;               // the event is an error; the state becomes ERROR
inline constexpr int32_t kSICellEndAccessControl = 98;    // back to the state before the exchange
inline constexpr int32_t kSICellEndResourceControl = 99;  // back to the state before the exchange

// The cell [event][state] of the machine's table; kSICellInvalid for an event or a state outside the rows
// and columns that the table uses (row 0 and column 0 are unused).
int32_t siTransitionCell(SIMachine machine, int event, int state);
