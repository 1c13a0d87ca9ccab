#include "toolkit/external/kiv_check_search_result1.h"

#include <utility>

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_check_query.h"
#include "toolkit/api/kiv_search_result1.h"
#include "toolkit/api/kiv_validation_checks.h"
#include "toolkit/api/kiv_validation_reporters.h"

namespace {

int checkQueryExpressionTerm(KivAssocId assoc, const KivQueryExpressionTerm* term, const std::string& path,
                             SIError** out) {
    return KivCheckTerm(assoc, &term->sQueryTerm, kivFieldPath(path, "sQueryTerm."), out);
}

int checkExpression(KivAssocId assoc, const KivQueryExpression* expression, const std::string& path,
                    SIError** out) {
    const auto& member = expression->uQueryExpression;
    switch (expression->eQueryExpressionType) {
        case QET_Term:
            return kivCheckMember(assoc, member.psTerm.get(), path, "uQueryExpression.psTerm", "->", out,
                                  checkQueryExpressionTerm);
        case QET_Query:
            return kivCheckMember(assoc, member.psQuery.get(), path, "uQueryExpression.psQuery", "->", out,
                                  KivCheckQuery);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eQueryExpressionType"), out);
    }
}

int checkResultsByDB(KivAssocId assoc, const KivResultsByDB* entry, const std::string& path, SIError** out) {
    const KivDatabases& databases = entry->sDatabases;
    const std::string databasesPath = kivFieldPath(path, "sDatabases.");
    if (kivCheckRange(assoc, databases.eResultsByDBChoiceType, RBDSCT_All, RBDSCT_List, databasesPath,
                      "eResultsByDBChoiceType", out) != 0) {
        return 1;
    }
    if (databases.eResultsByDBChoiceType == RBDSCT_List && !databases.uResultsByDBChoice.ppsList.present())
        return KivReportMissingField(assoc, kivFieldPath(databasesPath, "uResultsByDBChoice.ppsList"), out);
    return 0;
}

int checkReport(KivAssocId assoc, const KivSearchInfoReport* report, const std::string& path, SIError** out) {
    if (KivCheckBoolean(assoc, &report->fFullQuery, kivFieldPath(path, "fFullQuery"), out) != 0) return 1;
    const std::pair<const KivQueryExpression*, const char*> expressions[] = {
        {report->psSubqueryExpression.get(), "psSubqueryExpression->"},
        {report->psSubqueryInterpretation.get(), "psSubqueryInterpretation->"},
        {report->psSubqueryRecommendation.get(), "psSubqueryRecommendation->"},
    };
    for (const auto& [expression, name] : expressions) {
        if (expression != nullptr && checkExpression(assoc, expression, kivFieldPath(path, name), out) != 0)
            return 1;
    }
    if (KivCheckOptionalIntUnit(assoc, report->psSubqueryWeight.get(),
                                kivFieldPath(path, "psSubqueryWeight->"), out) != 0) {
        return 1;
    }
    return KivCheckStructArray(assoc, report->ppsresultsByDB, path, "ppsresultsByDB", out, checkResultsByDB);
}

int checkRecord(KivAssocId assoc, const KivUserInfoSearchResult1* record, const std::string& path,
                SIError** out) {
    return kivCheckArray(assoc, record->ppsSearchInfoReport, path, "ppsSearchInfoReport", out, checkReport);
}

}  // namespace

int KivCheckUserInfoSearchResult1(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                                  SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psUserInfoSearchResult1.get(), path,
                          "uASN1.psUserInfoSearchResult1", "->", out, checkRecord);
}
