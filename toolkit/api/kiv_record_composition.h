#pragma once
// Element-set names, record composition and element specifications.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"

enum : int32_t {
    EST_Generic = 1,
    EST_DatabaseSpecific = 2,
};

enum : int32_t {
    EST_Primitive = 1,
    EST_External = 2,
};

struct KivElementSetsDbSpecific {
    std::unique_ptr<KivInternationalString> psDatabaseName;
    std::unique_ptr<KivInternationalString> psElementSetName;
};

struct KivElementSetNames {
    int32_t eElementSetType{};
    struct {
        std::unique_ptr<KivInternationalString> psGeneric;
        KivArray<KivElementSetsDbSpecific> ppsElementSetsDbSpecific;
    } uElementSet;
};

struct KivElementSpec {
    int32_t eElementSpecType{};
    struct {
        std::unique_ptr<KivInternationalString> psPrimitive;
        std::unique_ptr<KivExternal> psExternal;
    } uElementSpec;
};

struct KivSpecification {
    std::optional<std::string> pcSchema;
    std::unique_ptr<KivElementSpec> psElementSpec;
};

struct KivDbSpecific {
    KivInternationalString sDatabaseName;
    KivSpecification sSpecification;
};

struct KivCompSpec {
    uint32_t fSelectAlternativeSyntax{};
    std::unique_ptr<KivSpecification> psGeneric;
    KivArray<KivDbSpecific> ppsDbSpecific;
    KivArray<std::string> ppcRecordSyntax;
};

// eRecordCompositionType: 1 element-set names, 2 comp spec.
struct KivRecordComposition {
    int32_t eRecordCompositionType{};
    struct {
        std::unique_ptr<KivElementSetNames> psElementSetNames;
        std::unique_ptr<KivCompSpec> psCompSpec;
    } uRecordComposition;
};

// An element specification may be an EXTERNAL, whose carried contents (the Export Specification among them)
// embed a composition: the EXTERNAL follows the complete composition, and including it here lets every
// includer destroy one.
#include "toolkit/api/kiv_external.h"
