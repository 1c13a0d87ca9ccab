#pragma once
// Validation of a searchResult-1 record (content type 21, AT_UserInfoSearchResult1) before it is converted
// and sent. Validator shape and reporters as in kiv_validation.h; the first fault ends the validation.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own (ending in "->"); the caller has checked the EXTERNAL's identifier.
// "uASN1.psUserInfoSearchResult1" and its "->ppsSearchInfoReport" are present (64); then each report on
// "ppsSearchInfoReport[i]->": fFullQuery 0 or 1 (72); the expressions "psSubqueryExpression->",
// "psSubqueryInterpretation->" and "psSubqueryRecommendation->" in this order, each when present
// (eQueryExpressionType 1 or 2, else 66; the term on "uQueryExpression.psTerm->sQueryTerm." or the query on
// "uQueryExpression.psQuery->", each compulsory for its type, 64); the weight on "psSubqueryWeight->"; each
// results-by-database entry on "ppsresultsByDB[j]->sDatabases.": eResultsByDBChoiceType 1 or 2 (66) and for
// 2 "uResultsByDBChoice.ppsList" (64).
int KivCheckUserInfoSearchResult1(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                                  SIError** out);
