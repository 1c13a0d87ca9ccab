#pragma once
// The searchResult-1 user-information format: per subquery of a search, how the target read it and how many
// records it found in which databases.

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_query.h"
#include "toolkit/api/kiv_units.h"

enum : int32_t {
    QET_Term = 1,
    QET_Query = 2,
    QET_Invalid = -1,
};

enum : int32_t {
    RBDSCT_All = 1,
    RBDSCT_List = 2,
    RBDSCT_Invalid = -1,
};

struct KivQueryExpressionTerm {
    KivTerm sQueryTerm;
    std::unique_ptr<KivInternationalString> psTermComment;
};

struct KivQueryExpression {
    int32_t eQueryExpressionType{};
    struct {
        std::unique_ptr<KivQueryExpressionTerm> psTerm;
        std::unique_ptr<KivQuery> psQuery;
    } uQueryExpression;
};

// All databases, or the list of their names.
struct KivDatabases {
    int32_t eResultsByDBChoiceType{};
    struct {
        KivArray<KivInternationalString> ppsList;
    } uResultsByDBChoice;
};

struct KivResultsByDB {
    KivDatabases sDatabases;
    std::optional<uint32_t> pulCount;
    std::unique_ptr<KivInternationalString> psResultSetName;
};

// One subquery; ppsresultsByDB keeps its lower-case r.
struct KivSearchInfoReport {
    std::unique_ptr<KivInternationalString> psSubqueryId;
    uint32_t fFullQuery{};
    std::unique_ptr<KivQueryExpression> psSubqueryExpression;
    std::unique_ptr<KivQueryExpression> psSubqueryInterpretation;
    std::unique_ptr<KivQueryExpression> psSubqueryRecommendation;
    std::optional<uint32_t> pulSubqueryCount;
    std::unique_ptr<KivIntUnit> psSubqueryWeight;
    KivArray<KivResultsByDB> ppsresultsByDB;
};

struct KivUserInfoSearchResult1 {
    KivArray<KivSearchInfoReport> ppsSearchInfoReport;
};
