#pragma once
// Conversion of the query (KivQuery with its RPN tree) to and from the codec's Query.
//
// Shape and failures as in kiv_convert_basic.h: (destination, source); towards the codec a failed allocation
// throws KivConversionError{-27}, from the codec KivConversionError{-1}. Towards the codec the structure has
// been validated; a selector or value out of its range writes nothing. From the codec an unexpected relation
// type or known proximity unit becomes -1, and a choice without an alternative leaves the selector 0.
//
// Selectors: eQueryType, eOperandType and eProximityUnitType are the codec choice + 1; eRpnStructureType is 1
// for rpnRpnOp and 2 for op; eOperatorType is 1 OR (or), 2 AND (and), 3 ANDNOT (and-not), 4 PROX (prox).
//
// RPN trees are converted by recursion, left subtree, right subtree, then the operator. A tree deeper than
// kKivMaxRpnDepth (kiv_rpn_depth.h) is not followed: the conversion throws its KivConversionError (-27 or
// -1). Validation refuses such a tree before it is converted, and the decoder never yields one.

#include <memory>

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_query.h"
#include "toolkit/codec/z3950/apdu_one.h"

// ---- Towards the codec (failure: -27) ----

// A new codec Query in *dst filled by KivQueryToCodec.
void KivNewQueryToCodec(codec::z3950::Query** dst, const KivQuery* src);
// The alternative of eQueryType with a new holder: octets for types 1, 3, 4 and 6, an RPNQuery for 2 and 5,
// the SQL query for 7.
void KivQueryToCodec(codec::z3950::Query* dst, const KivQuery* src);
// attributeSet from pcAttributeSetId and a new rpn from sRpnStructure.
void KivRPNQueryToCodec(codec::z3950::RPNQuery* dst, const KivRPNQuery* src);
void KivRpnStructureToCodec(codec::z3950::RPNStructure* dst, const KivRpnStructure* src);
// rpn1 and rpn2 from the operands that are set, then a new op.
void KivRpnLopRopOperatorToCodec(codec::z3950::RPNStructureRpnRpnOp* dst, const KivRpnLopRopOperator* src);
void KivOperatorToCodec(codec::z3950::Operator* dst, const KivOperator* src);
void KivProximityOperatorToCodec(codec::z3950::ProximityOperator* dst, const KivProximityOperator* src);
void KivOperandToCodec(codec::z3950::Operand* dst, const KivRpnOperand* src);
void KivResultSetPlusAttributesToCodec(codec::z3950::ResultSetPlusAttributes* dst,
                                       const KivResultSetPlusAttributes* src);
void KivSQLQueryToCodec(codec::z3950::QueryTypeSQL* dst, const KivSQLQuery* src);

// ---- From the codec (failure: -1) ----

// A new KivQuery in *dst filled by KivQueryFromCodec.
void KivNewQueryFromCodec(std::unique_ptr<KivQuery>* dst, const codec::z3950::Query* src);
void KivQueryFromCodec(KivQuery* dst, const codec::z3950::Query* src);
// pcAttributeSetId is always set ("0.0" for an identifier without octets).
void KivRPNQueryFromCodec(KivRPNQuery* dst, const codec::z3950::RPNQuery* src);
void KivRpnStructureFromCodec(KivRpnStructure* dst, const codec::z3950::RPNStructure* src);
void KivRpnLopRopOperatorFromCodec(KivRpnLopRopOperator* dst, const codec::z3950::RPNStructureRpnRpnOp* src);
void KivOperatorFromCodec(KivOperator* dst, const codec::z3950::Operator* src);
void KivProximityOperatorFromCodec(KivProximityOperator* dst, const codec::z3950::ProximityOperator* src);
void KivOperandFromCodec(KivRpnOperand* dst, const codec::z3950::Operand* src);
void KivResultSetPlusAttributesFromCodec(KivResultSetPlusAttributes* dst,
                                         const codec::z3950::ResultSetPlusAttributes* src);
void KivSQLQueryFromCodec(KivSQLQuery* dst, const codec::z3950::QueryTypeSQL* src);
