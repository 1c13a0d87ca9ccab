#pragma once
// The number that selects a routine in a control-file routine name.

#include <cstddef>
#include <cstdint>
#include <string_view>

// The decimal number written in the name from the given 0-based index on ("%d" reading); 0 when the
// name is not longer than the index or holds no number there.
int32_t RoutineNumber(std::string_view name, size_t firstIndex);
