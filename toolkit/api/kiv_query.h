#pragma once
// The query of a search request, with the RPN tree.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_basic_types.h"

enum : int32_t {
    QT_Private = 1,
    QT_Rpn = 2,
    QT_Iso8777 = 3,
    QT_Z3958 = 4,
    QT_Erpn = 5,
    QT_NaturalLanguage = 6,
    QT_Sql = 7,
};

enum : int32_t {
    RST_RpnLopRopOperator = 1,
    RST_RpnOperand = 2,
};

enum : int32_t {
    PRT_LessThan = 1,
    PRT_LessThanOrEqual = 2,
    PRT_Equal = 3,
    PRT_GreaterThanOrEqual = 4,
    PRT_GreaterThan = 5,
    PRT_NotEqual = 6,
    PRT_Invalid = -1,
};

enum : int32_t {
    PUT_Known = 1,
    PUT_Private = 2,
};

enum : int32_t {
    KPU_Character = 1,
    KPU_Word = 2,
    KPU_Sentence = 3,
    KPU_Paragraph = 4,
    KPU_Section = 5,
    KPU_Chapter = 6,
    KPU_Document = 7,
    KPU_Element = 8,
    KPU_SubElement = 9,
    KPU_ElementType = 10,
    KPU_Byte = 11,
    KPU_Invalid = -1,
};

struct KivProximityUnitCode {
    int32_t eProximityUnitType{};
    struct {
        int32_t eKnownProximityUnit{};
        uint32_t ulPrivate{};
    } uProximityUnit;
};

struct KivProximityOperator {
    std::optional<uint32_t> pfExclusion;
    uint32_t ulDistance{};
    uint32_t fOrdered{};
    int32_t eProximityRelationType{};
    KivProximityUnitCode sProximityUnitCode;
};

// eOperatorType: 1 OR, 2 AND, 3 ANDNOT, 4 PROX (with psProximityOperator).
struct KivOperator {
    int32_t eOperatorType{};
    std::unique_ptr<KivProximityOperator> psProximityOperator;
};

struct KivResultSetPlusAttributes {
    KivInternationalString sResultSetId;
    KivArray<KivAttributeElement> ppsAttributeElement;
};

// eOperandType: 1 attributes plus term, 2 result-set id, 3 result set plus attributes.
struct KivRpnOperand {
    int32_t eOperandType{};
    struct {
        std::unique_ptr<KivAttributesPlusTerm> psAttributesPlusTerm;
        std::unique_ptr<KivInternationalString> psResultSetId;
        std::unique_ptr<KivResultSetPlusAttributes> psResultSetPlusAttributes;
    } uOperand;
};

// A node of the RPN tree. The tree is a chain of owning pointers and is destroyed by plain recursion, a few
// frames per level. That is bounded: a received tree is at most as deep as the decoder's nesting limit
// (256 levels); a tree an application builds is as deep as it makes it.
struct KivRpnStructure {
    int32_t eRpnStructureType{};
    struct {
        std::unique_ptr<KivRpnLopRopOperator> psRpnLopRopOperator;
        std::unique_ptr<KivRpnOperand> psRpnOperand;
    } uRPNStructure;
};

struct KivRpnLopRopOperator {
    std::unique_ptr<KivRpnStructure> psLeftOperand;
    std::unique_ptr<KivRpnStructure> psRightOperand;
    KivOperator sOperator;
};

struct KivRPNQuery {
    std::optional<std::string> pcAttributeSetId;
    KivRpnStructure sRpnStructure;
};

struct KivSQLQuery {
    std::optional<uint32_t> pfAbstractDatabaseFlag;
    KivInternationalString sQueryExpression;
};

struct KivQuery {
    int32_t eQueryType{};
    struct {
        std::unique_ptr<KivOctets> psPrivateQuery;
        std::unique_ptr<KivRPNQuery> psRpnQuery;
        std::unique_ptr<KivOctets> psIso8777Query;
        std::unique_ptr<KivOctets> psZ3958Query;
        std::unique_ptr<KivRPNQuery> psErpnQuery;
        std::unique_ptr<KivOctets> psNaturalLanguageQuery;
        std::unique_ptr<KivSQLQuery> psSQLQuery;
    } uQuery;
};
