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

// A node of the RPN tree. A received tree is at most as deep as the decoder's nesting limit (256 levels); a
// tree an application builds is as deep as it makes it, so the operator nodes free their operands without
// recursion (below).
struct KivRpnStructure {
    int32_t eRpnStructureType{};
    struct {
        std::unique_ptr<KivRpnLopRopOperator> psRpnLopRopOperator;
        std::unique_ptr<KivRpnOperand> psRpnOperand;
    } uRPNStructure;
};

// Still an aggregate; its destructor leaves it without an implicit move.
struct KivRpnLopRopOperator {
    std::unique_ptr<KivRpnStructure> psLeftOperand;
    std::unique_ptr<KivRpnStructure> psRightOperand;
    KivOperator sOperator;

    ~KivRpnLopRopOperator();
};

// Frees a subtree with a bounded stack and no allocation: right rotations turn it into a chain along the
// right operands, and each node of the chain is freed once nothing deeper hangs below it.
inline void kivFreeRpnSubtree(std::unique_ptr<KivRpnStructure> node) {
    while (node) {
        KivRpnLopRopOperator* op = node->uRPNStructure.psRpnLopRopOperator.get();
        KivRpnStructure* left = op != nullptr ? op->psLeftOperand.get() : nullptr;
        KivRpnLopRopOperator* leftOp =
            left != nullptr ? left->uRPNStructure.psRpnLopRopOperator.get() : nullptr;
        if (leftOp != nullptr) {
            std::unique_ptr<KivRpnStructure> top = std::move(op->psLeftOperand);
            op->psLeftOperand = std::move(leftOp->psRightOperand);
            leftOp->psRightOperand = std::move(node);
            node = std::move(top);
        } else {
            // The node's left operand is at most an operand node: freeing it with the node goes no deeper.
            node = op != nullptr ? std::move(op->psRightOperand) : nullptr;
        }
    }
}

inline KivRpnLopRopOperator::~KivRpnLopRopOperator() {
    kivFreeRpnSubtree(std::move(psLeftOperand));
    kivFreeRpnSubtree(std::move(psRightOperand));
}

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
