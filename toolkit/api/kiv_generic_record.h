#pragma once
// The GRS-1 generic record: a tree of tagged elements, each with its data, optional metadata and an optional
// applied variant.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_units.h"

// eElementDataGType.
enum : int32_t {
    EDT_Octets = 1,
    EDT_Numeric = 2,
    EDT_Date = 3,
    EDT_Ext = 4,
    EDT_String = 5,
    EDT_TrueOrFalse = 6,
    EDT_Oid = 7,
    EDT_IntUnit = 8,
    EDT_ElementNotThere = 9,
    EDT_ElementEmpty = 10,
    EDT_NoDataRequested = 11,
    EDT_Diagnostic = 12,
    EDT_Subtree = 13,
    EDT_Invalid = -1,
};

// eVariantValueType.
enum : int32_t {
    VVT_Int = 1,
    VVT_InternationalString = 2,
    VVT_Octs = 3,
    VVT_Oid = 4,
    VVT_Bool = 5,
    VVT_Null = 6,
    VVT_Unit = 7,
    VVT_ValueAndUnit = 8,
    VVT_Invalid = -1,
};

// eType of a usage right: the numbers of the ASN.1 INTEGER, kept as they are.
enum : int32_t {
    UIT_Redistributable = 1,
    UIT_Restricted = 2,
    UIT_LicensePointer = 3,
    UIT_Invalid = -1,
};

struct KivTaggedElement;

// VVT_Int holds ulInt1, VVT_Bool fBool; VVT_Null holds nothing.
struct KivVariantValue {
    int32_t eVariantValueType{};
    struct {
        uint32_t ulInt1{};
        std::unique_ptr<KivInternationalString> psInternationalString;
        std::unique_ptr<KivOctets> psOcts;
        std::optional<std::string> pcOid;
        uint32_t fBool{};
        std::unique_ptr<KivUnit> psUnit;
        std::unique_ptr<KivIntUnit> psValueAndUnit;
    } uVariantValueType;
};

struct KivTriples {
    std::optional<std::string> pcVariantSetId;
    uint32_t ulClass{};
    uint32_t ulType{};
    KivVariantValue sValue;
};

// An applied or supported variant; ppsTriples is compulsory.
struct KivVariant {
    std::optional<std::string> pcGlobalVariantSetId;
    KivArray<KivTriples> ppsTriples;
};

struct KivSeriesOrder {
    uint32_t fAscending{};
    uint32_t ulOrder{};
};

struct KivUsageRight {
    int32_t eType{};
    std::unique_ptr<KivInternationalString> psRestriction;
};

// One hit vector; every member is optional.
struct KivHits {
    std::unique_ptr<KivTerm> psSatisfier;
    std::unique_ptr<KivIntUnit> psOffsetIntoElement;
    std::unique_ptr<KivIntUnit> psLength;
    std::optional<uint32_t> pulHitRank;
    std::unique_ptr<KivOctets> psTargetToken;
};

// One step of a surrogate tag path.
struct KivTagPath {
    std::optional<uint32_t> pulTagType;
    KivStringOrNumeric sTagValue;
    std::optional<uint32_t> pulTagOccurrence;
};

// Element metadata; every member is optional.
struct KivMetaData {
    std::unique_ptr<KivSeriesOrder> psSeriesOrder;
    std::unique_ptr<KivUsageRight> psUsageRight;
    KivArray<KivHits> ppsHits;
    std::unique_ptr<KivInternationalString> psDisplayName;
    KivArray<KivVariant> ppsSupportedVariants;
    std::unique_ptr<KivInternationalString> psMessage;
    std::unique_ptr<KivOctets> psElementDescriptor;
    KivArray<KivTagPath> ppsSurrogateFor;
    KivArray<KivTagPath> ppsSurrogateElement;
    std::unique_ptr<KivExternal> psOther;
};

// The data of an element. EDT_Numeric holds ulNumeric, EDT_TrueOrFalse fTrueOrFalse; EDT_ElementNotThere,
// EDT_ElementEmpty and EDT_NoDataRequested hold nothing; EDT_Subtree holds the nested elements.
struct KivElementDataG {
    int32_t eElementDataGType{};
    struct {
        std::unique_ptr<KivOctets> psOctets;
        uint32_t ulNumeric{};
        std::optional<std::string> pcDate;  // GeneralizedTime text
        std::unique_ptr<KivExternal> psExt;
        std::unique_ptr<KivInternationalString> psString;
        uint32_t fTrueOrFalse{};
        std::optional<std::string> pcOid;
        std::unique_ptr<KivIntUnit> psIntUnit;
        std::unique_ptr<KivExternal> psDiagnostic;
        KivArray<KivTaggedElement> ppsSubTree;
    } uElementDataG;
};

struct KivTaggedElement {
    std::optional<uint32_t> pulTagType;
    KivStringOrNumeric sTagValue;
    std::optional<uint32_t> pulTagOccurrence;
    KivElementDataG sContent;
    std::unique_ptr<KivMetaData> psMetaData;
    std::unique_ptr<KivVariant> psAppliedVariant;
};

// The record (content type 13, AT_GenericRecord); ppsTaggedElement is compulsory.
struct KivGenericRecord {
    KivArray<KivTaggedElement> ppsTaggedElement;
};
