#pragma once
// Attribute elements and search terms.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_units.h"

struct KivComplexValue {
    KivArray<KivStringOrNumeric> ppsList;
    KivArray<uint32_t> ppulSemanticAction;
};

// eAttributeValueType: 1 numeric, 2 complex.
struct KivAttributeValue {
    int32_t eAttributeValueType{};
    struct {
        uint32_t ulNumeric{};
        std::unique_ptr<KivComplexValue> psComplexValue;
    } uAttributeValue;
};

struct KivAttributeElement {
    std::optional<std::string> pcAttributeSetId;
    uint32_t ulAttributeType{};
    KivAttributeValue sAttributeValue;
};

enum : int32_t {
    TT_General = 1,
    TT_Numeric = 2,
    TT_SimpleCharacter = 3,
    TT_ObjectIdentifier = 4,
    TT_DateTime = 5,
    TT_External = 6,
    TT_IntegerAndUnit = 7,
    TT_Null = 8,
};

// TT_Numeric holds ulInteger; TT_Null holds nothing.
struct KivTerm {
    int32_t eTermType{};
    struct {
        std::unique_ptr<KivOctets> psGeneral;
        uint32_t ulInteger{};
        std::unique_ptr<KivInternationalString> psSimpleCharacter;
        std::optional<std::string> pcObjectIdentifier;
        std::optional<std::string> pcDateTime;
        std::unique_ptr<KivExternal> psExternal;
        std::unique_ptr<KivIntUnit> psIntegerAndUnit;
    } uTerm;
};

struct KivAttributesPlusTerm {
    KivArray<KivAttributeElement> ppsAttributeElement;
    KivTerm sTerm;
};

// A term may hold an EXTERNAL, whose content may embed a term: the EXTERNAL follows the complete term.
#include "toolkit/api/kiv_external.h"
