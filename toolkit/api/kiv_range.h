#pragma once
// A range of result-set positions.

#include <cstdint>

struct KivRange {
    uint32_t ulStartingPosition{};
    uint32_t ulNumberOfRecords{};
};
