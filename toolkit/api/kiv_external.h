#pragma once
// The EXTERNAL of the programming interface: a direct reference and one of three encodings of the value.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"

enum : int32_t {
    EVT_SingleASN1Type = 1,
    EVT_OctetAligned = 2,
    EVT_Arbitrary = 3,
};

// An arbitrary (BIT STRING) encoding: ulLength bits, one '0' or '1' character per bit in pcValue. The two are
// given apart by the sender, so validation compares them before anything is encoded.
struct KivArbitrary {
    uint32_t ulLength{};
    std::optional<std::string> pcValue;
};

struct KivExternal {
    std::optional<std::string> pcObjectIdentifier;
    int32_t eValueType{};
    struct {
        std::unique_ptr<KivSingleASN1Type> psSingleASN1Type;
        std::unique_ptr<KivOctets> psOctetAligned;
        std::unique_ptr<KivArbitrary> psArbitrary;
    } uExternalValue;
};

// The carried contents embed EXTERNALs of their own, so they follow the complete KivExternal; including them
// here lets every includer destroy a KivExternal.
#include "toolkit/api/kiv_single_asn1_type.h"
