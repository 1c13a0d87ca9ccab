#pragma once
// CIP specific information: a search control, a search term (a WRS/GRS track with its frames, a circle
// around a point, a temporal period) or explain information about a value.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_units.h"

enum : int32_t {
    CSIT_SearchControl = 1,
    CSIT_Term = 2,
    CSIT_ExplainInfo = 3,
};

// eItemDescriptorType. SCI_ProductDescriptorSearch travels as the INTEGER 3; a received number outside the
// table arrives as 0.
enum : int32_t {
    SCI_CollectionDescriptorSearch = 1,
    SCI_ProductDescriptorSearch = 2,
};

// eSearchScope.
enum : int32_t {
    SCI1_LocalSearch = 1,
    SCI1_WideSearch = 2,
};

enum : int32_t {
    CTT_Wrsgrs = 1,
    CTT_Circle = 2,
    CTT_TemporalPeriod = 3,
};

struct KivSearchControl {
    int32_t eItemDescriptorType{};
    int32_t eSearchScope{};
};

struct KivWrsgrs {
    uint32_t ulTrack{};
    KivArray<uint32_t> ppsFrames;
};

struct KivPoint {
    KivInternationalString sLatitude;
    KivInternationalString sLongitude;
};

struct KivCircle {
    KivPoint sPoint;
    KivIntUnit sRadius;
};

struct KivTemporalPeriod {
    KivInternationalString sStartDate;
    KivIntUnit sPeriodDuration;
    KivIntUnit sPeriodCycle;
};

struct KivExplainInfo {
    std::unique_ptr<KivInternationalString> psShortMeaning;
    std::unique_ptr<KivUnit> psUnit;
    std::unique_ptr<KivInternationalString> psSpecificInstance;
    std::unique_ptr<KivInternationalString> psComment;
    KivInternationalString sVersion;
    KivInternationalString sValueSyntax;
};

struct KivCIPTerm {
    int32_t eCIPTermType{};
    struct {
        std::unique_ptr<KivWrsgrs> psWrsgrs;
        std::unique_ptr<KivCircle> psCircle;
        std::unique_ptr<KivTemporalPeriod> psTemporalPeriod;
    } uCIPTermType;
};

struct KivCIPSpecificInfo {
    int32_t eCIPSpecificInfoType{};
    struct {
        std::unique_ptr<KivSearchControl> psSearchControl;
        std::unique_ptr<KivCIPTerm> psTerm;
        std::unique_ptr<KivExplainInfo> psExplainInfo;
    } uCIPSpecificInfo;
};
