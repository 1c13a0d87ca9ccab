#pragma once
// String-or-numeric values and units with their integer values.

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_basic_types.h"

// eStringOrNumeric: 1 string, 2 numeric.
struct KivStringOrNumeric {
    int32_t eStringOrNumeric{};
    struct {
        std::unique_ptr<KivInternationalString> psString;
        uint32_t ulNumeric{};
    } uStringOrNumeric;
};

struct KivUnit {
    std::unique_ptr<KivInternationalString> psUnitSystem;
    std::unique_ptr<KivStringOrNumeric> psUnitType;
    std::unique_ptr<KivStringOrNumeric> psUnit;
    std::optional<uint32_t> pulScaleFactor;
};

struct KivIntUnit {
    uint32_t ulValue{};
    KivUnit sUnitUsed;
};
