#include "toolkit/api/kiv_check_query.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_rpn_depth.h"
#include "toolkit/api/kiv_validation.h"

namespace {

enum : uint32_t { kOperatorOr = 1, kOperatorProx = 4 };
enum : int32_t {
    kOperandAttributesPlusTerm = 1,
    kOperandResultSetId = 2,
    kOperandResultSetPlusAttributes = 3
};

// The tree's own path without the separator that ends it, for the message of a tree that is too deep.
std::string treeName(std::string_view rootPath) {
    while (!rootPath.empty() &&
           (rootPath.back() == '.' || rootPath.back() == '>' || rootPath.back() == '-')) {
        rootPath.remove_suffix(1);
    }
    return std::string(rootPath);
}

int checkNode(KivAssocId assoc, const KivRpnStructure* node, const std::string& path, int depth,
              const std::string& rootPath, SIError** out) {
    if (depth > kKivMaxRpnDepth) {
        return KivReportValidationText(
            assoc,
            treeName(rootPath) + " IS NESTED DEEPER THAN " + std::to_string(kKivMaxRpnDepth) + " LEVELS",
            out);
    }
    switch (node->eRpnStructureType) {
        case RST_RpnLopRopOperator: {
            const std::string nodePath = path + "uRPNStructure.psRpnLopRopOperator";
            const KivRpnLopRopOperator* op = node->uRPNStructure.psRpnLopRopOperator.get();
            if (op == nullptr) return KivReportMissingField(assoc, nodePath, out);
            const std::string left = nodePath + "->psLeftOperand";
            if (!op->psLeftOperand) return KivReportMissingField(assoc, left, out);
            if (checkNode(assoc, op->psLeftOperand.get(), left + "->", depth + 1, rootPath, out) != 0)
                return 1;
            const std::string right = nodePath + "->psRightOperand";
            if (!op->psRightOperand) return KivReportMissingField(assoc, right, out);
            if (checkNode(assoc, op->psRightOperand.get(), right + "->", depth + 1, rootPath, out) != 0)
                return 1;
            return KivCheckOperator(assoc, &op->sOperator, nodePath + "->sOperator.", out);
        }
        case RST_RpnOperand: {
            const std::string nodePath = path + "uRPNStructure.psRpnOperand";
            if (!node->uRPNStructure.psRpnOperand) return KivReportMissingField(assoc, nodePath, out);
            return KivCheckOperand(assoc, node->uRPNStructure.psRpnOperand.get(), nodePath + "->", out);
        }
        default:
            return KivReportValueOutOfRange(assoc, path + "eRpnStructureType", out);
    }
}

}  // namespace

int KivCheckQuery(KivAssocId assoc, const KivQuery* query, const std::string& path, SIError** out) {
    const auto& member = query->uQuery;
    const auto needed = [&](bool present, std::string_view name) {
        return present ? 0 : KivReportMissingField(assoc, path + std::string(name), out);
    };
    switch (query->eQueryType) {
        case QT_Private:
            return needed(member.psPrivateQuery != nullptr, "uQuery.psPrivateQuery");
        case QT_Rpn:
            if (needed(member.psRpnQuery != nullptr, "uQuery.psRpnQuery") != 0) return 1;
            return KivCheckRPNQuery(assoc, member.psRpnQuery.get(), path + "uQuery.psRpnQuery->", out);
        case QT_Iso8777:
            return needed(member.psIso8777Query != nullptr, "uQuery.psIso8777Query");
        case QT_Z3958:
            return needed(member.psZ3958Query != nullptr, "uQuery.psZ3958Query");
        case QT_Erpn:
            if (needed(member.psErpnQuery != nullptr, "uQuery.psErpnQuery") != 0) return 1;
            return KivCheckRPNQuery(assoc, member.psErpnQuery.get(), path + "uQuery.psErpnQuery->", out);
        case QT_NaturalLanguage:
            return needed(member.psNaturalLanguageQuery != nullptr, "uQuery.psNaturalLanguageQuery");
        case QT_Sql:
            if (needed(member.psSQLQuery != nullptr, "uQuery.psSQLQuery") != 0) return 1;
            return KivCheckSQLQuery(assoc, member.psSQLQuery.get(), path + "uQuery.psSQLQuery->", out);
        default:
            return KivReportValueOutOfRange(assoc, path + "eQueryType", out);
    }
}

int KivCheckRPNQuery(KivAssocId assoc, const KivRPNQuery* query, const std::string& path, SIError** out) {
    if (KivCheckEncodedOid(assoc, query->pcAttributeSetId, path + "pcAttributeSet", out) != 0) return 1;
    return KivCheckRpnStructure(assoc, &query->sRpnStructure, path + "sRpnStructure.", out);
}

int KivCheckRpnStructure(KivAssocId assoc, const KivRpnStructure* node, const std::string& path,
                         SIError** out) {
    return checkNode(assoc, node, path, 1, path, out);
}

int KivCheckOperator(KivAssocId assoc, const KivOperator* op, const std::string& path, SIError** out) {
    if (KivIsOutOfRange(static_cast<uint32_t>(op->eOperatorType), kOperatorOr, kOperatorProx) != 0) {
        return KivReportValueOutOfRange(assoc, path + "eOperatorType", out);
    }
    if (static_cast<uint32_t>(op->eOperatorType) != kOperatorProx) return 0;
    if (!op->psProximityOperator) return KivReportMissingField(assoc, path + "psProximityOperator", out);
    return KivCheckProximityOperator(assoc, op->psProximityOperator.get(), path + "psProximityOperator->",
                                     out);
}

int KivCheckProximityOperator(KivAssocId assoc, const KivProximityOperator* op, const std::string& path,
                              SIError** out) {
    if (KivCheckOptionalBoolean(assoc, op->pfExclusion, path + "pfExclusion", out) != 0) return 1;
    if (KivCheckBoolean(assoc, &op->fOrdered, path + "fOrdered", out) != 0) return 1;
    if (KivIsOutOfRange(static_cast<uint32_t>(op->eProximityRelationType), PRT_LessThan, PRT_NotEqual) != 0) {
        return KivReportValueOutOfRange(assoc, path + "eProximityRelationType", out);
    }
    const KivProximityUnitCode& unit = op->sProximityUnitCode;
    switch (unit.eProximityUnitType) {
        case PUT_Known:
            if (KivIsOutOfRange(static_cast<uint32_t>(unit.uProximityUnit.eKnownProximityUnit), KPU_Character,
                                KPU_Byte) != 0) {
                return KivReportValueOutOfRange(
                    assoc, path + "sProximityUnitCode.uProximityUnit.eKnownProximityUnit", out);
            }
            return 0;
        case PUT_Private:
            return 0;
        default:
            return KivReportValueOutOfRange(assoc, path + "sProximityUnitCode.eProximityUnitType", out);
    }
}

int KivCheckOperand(KivAssocId assoc, const KivRpnOperand* operand, const std::string& path, SIError** out) {
    const auto& member = operand->uOperand;
    switch (operand->eOperandType) {
        case kOperandAttributesPlusTerm: {
            const std::string memberPath = path + "uOperand.psAttributesPlusTerm";
            if (!member.psAttributesPlusTerm) return KivReportMissingField(assoc, memberPath, out);
            return KivCheckAttributesPlusTerm(assoc, member.psAttributesPlusTerm.get(), memberPath + "->",
                                              out);
        }
        case kOperandResultSetId:
            if (!member.psResultSetId)
                return KivReportMissingField(assoc, path + "uOperand.psResultSetId", out);
            return 0;
        case kOperandResultSetPlusAttributes: {
            const std::string memberPath = path + "uOperand.psResultSetPlusAttributes";
            if (!member.psResultSetPlusAttributes) return KivReportMissingField(assoc, memberPath, out);
            return KivCheckResultSetPlusAttributes(assoc, member.psResultSetPlusAttributes.get(),
                                                   memberPath + "->", out);
        }
        default:
            return KivReportValueOutOfRange(assoc, path + "eOperandType", out);
    }
}

int KivCheckResultSetPlusAttributes(KivAssocId assoc, const KivResultSetPlusAttributes* value,
                                    const std::string& path, SIError** out) {
    return KivCheckAttributeList(assoc, &value->ppsAttributeElement, path, out);
}

int KivCheckSQLQuery(KivAssocId assoc, const KivSQLQuery* query, const std::string& /*path*/, SIError** out) {
    return KivCheckOptionalBoolean(assoc, query->pfAbstractDatabaseFlag,
                                   "*psSQLQuery->pfAbstractDatabaseFlag", out);
}
