#pragma once
// Validation of the query and its RPN tree before it is converted. Validator shape and reporters as in
// kiv_validation.h: (association, structure, path so far, error out) -> 0 valid, 1 after reporting the first
// fault under the path followed by the field's name.
//
// An RPN tree is validated by recursion, each operator node's left subtree, then its right subtree, then its
// operator. A tree with more than kKivMaxRpnDepth levels (kiv_rpn_depth.h) is refused with code 76 and the
// message "<path of the tree> IS NESTED DEEPER THAN 256 LEVELS", without following it further.

#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_query.h"
#include "toolkit/util/si_error.h"

// By eQueryType the union member it needs (64 on "uQuery.<member>"), the RPN or SQL query on that name +
// "->"; the octet queries are not looked into; any other type 66 on "eQueryType".
int KivCheckQuery(KivAssocId assoc, const KivQuery* query, const std::string& path, SIError** out);
// pcAttributeSetId must be an encodable identifier (73 on "pcAttributeSet"), then the tree on
// "sRpnStructure.".
int KivCheckRPNQuery(KivAssocId assoc, const KivRPNQuery* query, const std::string& path, SIError** out);
int KivCheckRpnStructure(KivAssocId assoc, const KivRpnStructure* node, const std::string& path,
                         SIError** out);
// eOperatorType outside 1..4: 66; PROX needs "psProximityOperator" (64), checked on that name + "->".
int KivCheckOperator(KivAssocId assoc, const KivOperator* op, const std::string& path, SIError** out);
int KivCheckProximityOperator(KivAssocId assoc, const KivProximityOperator* op, const std::string& path,
                              SIError** out);
int KivCheckOperand(KivAssocId assoc, const KivRpnOperand* operand, const std::string& path, SIError** out);
// The attribute array is compulsory; sResultSetId is not examined.
int KivCheckResultSetPlusAttributes(KivAssocId assoc, const KivResultSetPlusAttributes* value,
                                    const std::string& path, SIError** out);
// An invalid pfAbstractDatabaseFlag is reported under the fixed path "*psSQLQuery->pfAbstractDatabaseFlag",
// whatever the path so far.
int KivCheckSQLQuery(KivAssocId assoc, const KivSQLQuery* query, const std::string& path, SIError** out);
