#include "toolkit/api/kiv_convert_query.h"

#include <cstdint>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_rpn_depth.h"

using codec::z3950::Operand;
using codec::z3950::Operator;
using codec::z3950::ProximityOperator;
using codec::z3950::ProximityOperatorProximityUnitCode;
using codec::z3950::Query;
using codec::z3950::QueryTypeSQL;
using codec::z3950::ResultSetPlusAttributes;
using codec::z3950::RPNQuery;
using codec::z3950::RPNStructure;
using codec::z3950::RPNStructureRpnRpnOp;

namespace {

enum : int32_t { kOperatorOr = 1, kOperatorAnd = 2, kOperatorAndNot = 3, kOperatorProx = 4 };
enum : int32_t {
    kOperandAttributesPlusTerm = 1,
    kOperandResultSetId = 2,
    kOperandResultSetPlusAttributes = 3
};

bool isRelationType(int32_t value) {
    return value >= PRT_LessThan && value <= PRT_NotEqual;
}

bool isKnownProximityUnit(int32_t value) {
    return value >= KPU_Character && value <= KPU_Byte;
}

// ---- RPN tree, towards the codec ----

void lopRopToCodec(RPNStructureRpnRpnOp* dst, const KivRpnLopRopOperator* src, int depth);

void rpnToCodec(RPNStructure* dst, const KivRpnStructure* src, int depth) {
    if (depth > kKivMaxRpnDepth) throw KivConversionError{kKivToCodecNoMemory};
    const auto& node = src->uRPNStructure;
    switch (src->eRpnStructureType) {
        case RST_RpnLopRopOperator:
            dst->choiceId = RPNStructure::kRpnRpnOp;
            dst->rpnRpnOp = kivNewCodecRecord<RPNStructureRpnRpnOp>();
            if (node.psRpnLopRopOperator) lopRopToCodec(dst->rpnRpnOp, node.psRpnLopRopOperator.get(), depth);
            break;
        case RST_RpnOperand:
            dst->choiceId = RPNStructure::kOp;
            dst->op = kivNewCodecRecord<Operand>();
            if (node.psRpnOperand) KivOperandToCodec(dst->op, node.psRpnOperand.get());
            break;
        default:
            break;
    }
}

void lopRopToCodec(RPNStructureRpnRpnOp* dst, const KivRpnLopRopOperator* src, int depth) {
    if (src->psLeftOperand) {
        dst->rpn1 = kivNewCodecRecord<RPNStructure>();
        rpnToCodec(dst->rpn1, src->psLeftOperand.get(), depth + 1);
    }
    if (src->psRightOperand) {
        dst->rpn2 = kivNewCodecRecord<RPNStructure>();
        rpnToCodec(dst->rpn2, src->psRightOperand.get(), depth + 1);
    }
    dst->op = kivNewCodecRecord<Operator>();
    KivOperatorToCodec(dst->op, &src->sOperator);
}

// ---- RPN tree, from the codec ----

void lopRopFromCodec(KivRpnLopRopOperator* dst, const RPNStructureRpnRpnOp* src, int depth);

void rpnFromCodec(KivRpnStructure* dst, const RPNStructure* src, int depth) {
    if (depth > kKivMaxRpnDepth) throw KivConversionError{kKivFromCodecNoMemory};
    auto& node = dst->uRPNStructure;
    switch (src->choiceId) {
        case RPNStructure::kOp:
            dst->eRpnStructureType = RST_RpnOperand;
            if (src->op == nullptr) break;
            kivFromCodec([&] { node.psRpnOperand = std::make_unique<KivRpnOperand>(); });
            KivOperandFromCodec(node.psRpnOperand.get(), src->op);
            break;
        case RPNStructure::kRpnRpnOp:
            dst->eRpnStructureType = RST_RpnLopRopOperator;
            if (src->rpnRpnOp == nullptr) break;
            kivFromCodec([&] { node.psRpnLopRopOperator = std::make_unique<KivRpnLopRopOperator>(); });
            lopRopFromCodec(node.psRpnLopRopOperator.get(), src->rpnRpnOp, depth);
            break;
        default:
            break;
    }
}

void lopRopFromCodec(KivRpnLopRopOperator* dst, const RPNStructureRpnRpnOp* src, int depth) {
    if (src->rpn1 != nullptr) {
        kivFromCodec([&] { dst->psLeftOperand = std::make_unique<KivRpnStructure>(); });
        rpnFromCodec(dst->psLeftOperand.get(), src->rpn1, depth + 1);
    }
    if (src->rpn2 != nullptr) {
        kivFromCodec([&] { dst->psRightOperand = std::make_unique<KivRpnStructure>(); });
        rpnFromCodec(dst->psRightOperand.get(), src->rpn2, depth + 1);
    }
    if (src->op != nullptr) KivOperatorFromCodec(&dst->sOperator, src->op);
}

// A new API structure in *dst, filled by convert from the codec record.
template <typename T, typename Record, typename Convert>
void newFromCodec(std::unique_ptr<T>* dst, const Record* src, Convert convert) {
    kivFromCodec([&] { *dst = std::make_unique<T>(); });
    if (src != nullptr) convert(dst->get(), src);
}

}  // namespace

// ---- Towards the codec ----

void KivNewQueryToCodec(Query** dst, const KivQuery* src) {
    *dst = kivNewCodecRecord<Query>();
    KivQueryToCodec(*dst, src);
}

void KivQueryToCodec(Query* dst, const KivQuery* src) {
    const auto& query = src->uQuery;
    switch (src->eQueryType) {
        case QT_Private:
            dst->choiceId = Query::kType0;
            KivNewOctetsToCodec(&dst->type_0, query.psPrivateQuery.get());
            break;
        case QT_Rpn:
            dst->choiceId = Query::kType1;
            dst->type_1 = kivNewCodecRecord<RPNQuery>();
            if (query.psRpnQuery) KivRPNQueryToCodec(dst->type_1, query.psRpnQuery.get());
            break;
        case QT_Iso8777:
            dst->choiceId = Query::kType2;
            KivNewOctetsToCodec(&dst->type_2, query.psIso8777Query.get());
            break;
        case QT_Z3958:
            dst->choiceId = Query::kType100;
            KivNewOctetsToCodec(&dst->type_100, query.psZ3958Query.get());
            break;
        case QT_Erpn:
            dst->choiceId = Query::kType101;
            dst->type_101 = kivNewCodecRecord<RPNQuery>();
            if (query.psErpnQuery) KivRPNQueryToCodec(dst->type_101, query.psErpnQuery.get());
            break;
        case QT_NaturalLanguage:
            dst->choiceId = Query::kType102;
            KivNewOctetsToCodec(&dst->type_102, query.psNaturalLanguageQuery.get());
            break;
        case QT_Sql:
            dst->choiceId = Query::kTypeSQL;
            dst->type_SQL = kivNewCodecRecord<QueryTypeSQL>();
            if (query.psSQLQuery) KivSQLQueryToCodec(dst->type_SQL, query.psSQLQuery.get());
            break;
        default:
            break;
    }
}

void KivRPNQueryToCodec(RPNQuery* dst, const KivRPNQuery* src) {
    KivOidToCodec(&dst->attributeSet, src->pcAttributeSetId);
    dst->rpn = kivNewCodecRecord<RPNStructure>();
    KivRpnStructureToCodec(dst->rpn, &src->sRpnStructure);
}

void KivRpnStructureToCodec(RPNStructure* dst, const KivRpnStructure* src) {
    rpnToCodec(dst, src, 1);
}

void KivRpnLopRopOperatorToCodec(RPNStructureRpnRpnOp* dst, const KivRpnLopRopOperator* src) {
    lopRopToCodec(dst, src, 1);
}

void KivOperatorToCodec(Operator* dst, const KivOperator* src) {
    switch (src->eOperatorType) {
        case kOperatorOr:
            dst->choiceId = Operator::kOr;
            break;
        case kOperatorAnd:
            dst->choiceId = Operator::kAnd;
            break;
        case kOperatorAndNot:
            dst->choiceId = Operator::kAndNot;
            break;
        case kOperatorProx:
            dst->choiceId = Operator::kProx;
            dst->prox = kivNewCodecRecord<ProximityOperator>();
            if (src->psProximityOperator)
                KivProximityOperatorToCodec(dst->prox, src->psProximityOperator.get());
            break;
        default:
            break;
    }
}

void KivProximityOperatorToCodec(ProximityOperator* dst, const KivProximityOperator* src) {
    KivOptionalBooleanToCodec(&dst->exclusion, &src->pfExclusion);
    dst->distance = static_cast<BerInteger>(src->ulDistance);
    KivBooleanToCodec(&dst->ordered, &src->fOrdered);
    if (isRelationType(src->eProximityRelationType)) dst->relationType = src->eProximityRelationType;
    dst->proximityUnitCode = kivNewCodecRecord<ProximityOperatorProximityUnitCode>();
    const KivProximityUnitCode& unit = src->sProximityUnitCode;
    switch (unit.eProximityUnitType) {
        case PUT_Known:
            dst->proximityUnitCode->choiceId = ProximityOperatorProximityUnitCode::kKnown;
            if (isKnownProximityUnit(unit.uProximityUnit.eKnownProximityUnit)) {
                dst->proximityUnitCode->known = unit.uProximityUnit.eKnownProximityUnit;
            }
            break;
        case PUT_Private:
            dst->proximityUnitCode->choiceId = ProximityOperatorProximityUnitCode::kPrivate;
            dst->proximityUnitCode->private_ = static_cast<BerInteger>(unit.uProximityUnit.ulPrivate);
            break;
        default:
            break;
    }
}

void KivOperandToCodec(Operand* dst, const KivRpnOperand* src) {
    const auto& operand = src->uOperand;
    switch (src->eOperandType) {
        case kOperandAttributesPlusTerm:
            dst->choiceId = Operand::kAttrTerm;
            dst->attrTerm = kivNewCodecRecord<codec::z3950::AttributesPlusTerm>();
            if (operand.psAttributesPlusTerm) {
                KivAttributesPlusTermToCodec(dst->attrTerm, operand.psAttributesPlusTerm.get());
            }
            break;
        case kOperandResultSetId:
            dst->choiceId = Operand::kResultSet;
            KivNewInternationalStringToCodec(&dst->resultSet, operand.psResultSetId.get());
            break;
        case kOperandResultSetPlusAttributes:
            dst->choiceId = Operand::kResultAttr;
            dst->resultAttr = kivNewCodecRecord<ResultSetPlusAttributes>();
            if (operand.psResultSetPlusAttributes) {
                KivResultSetPlusAttributesToCodec(dst->resultAttr, operand.psResultSetPlusAttributes.get());
            }
            break;
        default:
            break;
    }
}

void KivResultSetPlusAttributesToCodec(ResultSetPlusAttributes* dst, const KivResultSetPlusAttributes* src) {
    KivInternationalStringToCodec(&dst->resultSet, &src->sResultSetId);
    KivAttributeListToCodec(&dst->attributes, &src->ppsAttributeElement);
}

void KivSQLQueryToCodec(QueryTypeSQL* dst, const KivSQLQuery* src) {
    KivOptionalBooleanToCodec(&dst->abstractDatabaseFlag, &src->pfAbstractDatabaseFlag);
    KivInternationalStringToCodec(&dst->queryExpression, &src->sQueryExpression);
}

// ---- From the codec ----

void KivNewQueryFromCodec(std::unique_ptr<KivQuery>* dst, const Query* src) {
    newFromCodec(dst, src, KivQueryFromCodec);
}

void KivQueryFromCodec(KivQuery* dst, const Query* src) {
    auto& query = dst->uQuery;
    switch (src->choiceId) {
        case Query::kType0:
            KivNewOctetsFromCodec(&query.psPrivateQuery, src->type_0);
            break;
        case Query::kType1:
            newFromCodec(&query.psRpnQuery, src->type_1, KivRPNQueryFromCodec);
            break;
        case Query::kType2:
            KivNewOctetsFromCodec(&query.psIso8777Query, src->type_2);
            break;
        case Query::kType100:
            KivNewOctetsFromCodec(&query.psZ3958Query, src->type_100);
            break;
        case Query::kType101:
            newFromCodec(&query.psErpnQuery, src->type_101, KivRPNQueryFromCodec);
            break;
        case Query::kType102:
            KivNewOctetsFromCodec(&query.psNaturalLanguageQuery, src->type_102);
            break;
        case Query::kTypeSQL:
            newFromCodec(&query.psSQLQuery, src->type_SQL, KivSQLQueryFromCodec);
            break;
        default:
            return;
    }
    dst->eQueryType = src->choiceId + 1;
}

void KivRPNQueryFromCodec(KivRPNQuery* dst, const RPNQuery* src) {
    KivOidFromCodec(&dst->pcAttributeSetId, &src->attributeSet);
    if (src->rpn != nullptr) KivRpnStructureFromCodec(&dst->sRpnStructure, src->rpn);
}

void KivRpnStructureFromCodec(KivRpnStructure* dst, const RPNStructure* src) {
    rpnFromCodec(dst, src, 1);
}

void KivRpnLopRopOperatorFromCodec(KivRpnLopRopOperator* dst, const RPNStructureRpnRpnOp* src) {
    lopRopFromCodec(dst, src, 1);
}

void KivOperatorFromCodec(KivOperator* dst, const Operator* src) {
    switch (src->choiceId) {
        case Operator::kAnd:
            dst->eOperatorType = kOperatorAnd;
            break;
        case Operator::kOr:
            dst->eOperatorType = kOperatorOr;
            break;
        case Operator::kAndNot:
            dst->eOperatorType = kOperatorAndNot;
            break;
        case Operator::kProx:
            dst->eOperatorType = kOperatorProx;
            newFromCodec(&dst->psProximityOperator, src->prox, KivProximityOperatorFromCodec);
            break;
        default:
            break;
    }
}

void KivProximityOperatorFromCodec(KivProximityOperator* dst, const ProximityOperator* src) {
    KivOptionalBooleanFromCodec(&dst->pfExclusion, src->exclusion);
    dst->ulDistance = static_cast<uint32_t>(src->distance);
    KivBooleanFromCodec(&dst->fOrdered, &src->ordered);
    dst->eProximityRelationType = isRelationType(src->relationType) ? src->relationType : PRT_Invalid;
    const ProximityOperatorProximityUnitCode* unit = src->proximityUnitCode;
    if (unit == nullptr) return;
    KivProximityUnitCode& code = dst->sProximityUnitCode;
    switch (unit->choiceId) {
        case ProximityOperatorProximityUnitCode::kKnown:
            code.eProximityUnitType = PUT_Known;
            code.uProximityUnit.eKnownProximityUnit =
                isKnownProximityUnit(unit->known) ? unit->known : KPU_Invalid;
            break;
        case ProximityOperatorProximityUnitCode::kPrivate:
            code.eProximityUnitType = PUT_Private;
            code.uProximityUnit.ulPrivate = static_cast<uint32_t>(unit->private_);
            break;
        default:
            break;
    }
}

void KivOperandFromCodec(KivRpnOperand* dst, const Operand* src) {
    auto& operand = dst->uOperand;
    switch (src->choiceId) {
        case Operand::kAttrTerm:
            newFromCodec(&operand.psAttributesPlusTerm, src->attrTerm, KivAttributesPlusTermFromCodec);
            break;
        case Operand::kResultSet:
            KivNewInternationalStringFromCodec(&operand.psResultSetId, src->resultSet);
            break;
        case Operand::kResultAttr:
            newFromCodec(&operand.psResultSetPlusAttributes, src->resultAttr,
                         KivResultSetPlusAttributesFromCodec);
            break;
        default:
            return;
    }
    dst->eOperandType = src->choiceId + 1;
}

void KivResultSetPlusAttributesFromCodec(KivResultSetPlusAttributes* dst,
                                         const ResultSetPlusAttributes* src) {
    KivInternationalStringFromCodec(&dst->sResultSetId, &src->resultSet);
    KivAttributeListFromCodec(&dst->ppsAttributeElement, src->attributes);
}

void KivSQLQueryFromCodec(KivSQLQuery* dst, const QueryTypeSQL* src) {
    KivOptionalBooleanFromCodec(&dst->pfAbstractDatabaseFlag, src->abstractDatabaseFlag);
    KivInternationalStringFromCodec(&dst->sQueryExpression, &src->queryExpression);
}
