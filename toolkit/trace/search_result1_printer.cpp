#include "toolkit/trace/search_result1_printer.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_search_result1.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/query_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/structure_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

using trace::selectorLine;
using trace::structureLine;

constexpr trace::EnumName kExpressionTypes[] = {
    {QET_Term, "QET_Term"},
    {QET_Query, "QET_Query"},
    {QET_Invalid, "QET_Invalid"},
};

constexpr trace::EnumName kDatabasesTypes[] = {
    {RBDSCT_All, "RBDSCT_All"},
    {RBDSCT_List, "RBDSCT_List"},
    {RBDSCT_Invalid, "RBDSCT_Invalid"},
};

void printExpression(std::FILE* file, const char* label, const KivQueryExpression* expression) {
    if (!structureLine(file, label, expression != nullptr)) return;
    selectorLine(file, "eQueryExpressionType: ", expression->eQueryExpressionType, kExpressionTypes);
    const auto& member = expression->uQueryExpression;
    if (expression->eQueryExpressionType == QET_Term) {
        if (!structureLine(file, "psTerm", member.psTerm != nullptr)) return;
        trace::printLabelledTerm(file, "sQueryTerm", &member.psTerm->sQueryTerm);
        KivPrintNamedInternationalString(file, "psTermComment", member.psTerm->psTermComment.get());
    } else if (expression->eQueryExpressionType == QET_Query) {
        KivPrintQuery(file, member.psQuery.get());
    }
}

void printResultsByDB(std::FILE* file, const KivResultsByDB& entry) {
    structureLine(file, "psresultsByDB", true);
    structureLine(file, "sDatabases", true);
    const KivDatabases& databases = entry.sDatabases;
    selectorLine(file, "eResultsByDBChoiceType: ", databases.eResultsByDBChoiceType, kDatabasesTypes);
    if (databases.eResultsByDBChoiceType == RBDSCT_List &&
        structureLine(file, "ppsList", databases.uResultsByDBChoice.ppsList.present())) {
        for (const KivInternationalString& name : databases.uResultsByDBChoice.ppsList) {
            std::fputs("psInternationalString: ", file);
            KivPrintInternationalString(file, &name);
        }
    }
    KivPrintNamedInteger(file, "pulCount", trace::addressOf(entry.pulCount));
    KivPrintNamedInternationalString(file, "psResultSetName", entry.psResultSetName.get());
}

void printReport(std::FILE* file, const KivSearchInfoReport& report) {
    structureLine(file, "psSearchInfoReport", true);
    KivPrintNamedInternationalString(file, "psSubqueryId", report.psSubqueryId.get());
    KivPrintNamedBoolean(file, "fFullQuery", &report.fFullQuery);
    printExpression(file, "psSubqueryExpression", report.psSubqueryExpression.get());
    printExpression(file, "psSubqueryInterpretation", report.psSubqueryInterpretation.get());
    printExpression(file, "psSubqueryRecommendation", report.psSubqueryRecommendation.get());
    KivPrintNamedInteger(file, "pulSubqueryCount", trace::addressOf(report.pulSubqueryCount));
    KivPrintNamedIntUnit(file, "psSubqueryWeight", report.psSubqueryWeight.get());
    if (!structureLine(file, "ppsresultsByDB", report.ppsresultsByDB.present())) return;
    for (const KivResultsByDB& entry : report.ppsresultsByDB) printResultsByDB(file, entry);
}

}  // namespace

void KivPrintUserInfoSearchResult1Content(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivUserInfoSearchResult1* record =
        content == nullptr ? nullptr : content->uASN1.psUserInfoSearchResult1.get();
    if (!structureLine(file, "psUserInfoSearchResult1", record != nullptr)) return;
    if (!structureLine(file, "ppsSearchInfoReport", record->ppsSearchInfoReport.present())) return;
    for (const KivSearchInfoReport& report : record->ppsSearchInfoReport) printReport(file, report);
}
