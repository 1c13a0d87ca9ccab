#include "Quorvane/search/run_search.h"

#include <string>

#include "Quorvane/database/new_diag_log.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/log_file_append.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/records/marc_source_charset.h"
#include "Quorvane/results/key_fetch.h"
#include "Quorvane/results/relevance_sql.h"
#include "Quorvane/results/result_combine.h"
#include "Quorvane/results/result_set_store.h"
#include "Quorvane/results/sub_key_expansion.h"
#include "Quorvane/search/rpn_to_sql.h"
#include "Quorvane/text/phrase_stop_words.h"

namespace {

// The operand's rows; a failed statement gives none and leaves its condition in outcome.
ResultSet runOperand(SessionRecord& session, const OperandQuery& operand, Bib1Outcome& outcome) {
    std::string statement = operand.statement;
    if (operand.mapping->relevanceReference) {
        Bib1Result<std::string> ranked =
            BuildRelevanceSql(session, *operand.mapping->relevanceReference, operand.term.text);
        outcome.keepFailure(ranked.outcome());
        statement = ranked ? std::move(*ranked) : std::string();
    }
    AppendNewDiag(statement);
    if (statement.empty()) return ResultSet();
    Bib1Result<ResultSet> found = RunOperandSearch(session, *operand.key, statement);
    outcome.keepFailure(found.outcome());
    return found ? std::move(*found) : ResultSet();
}

// The rows of the node: its operand's, or its two sides' combined. The walk goes on after a failed
// statement, which leaves its condition in outcome (the last one failed wins).
ResultSet runPlan(SessionRecord& session, const PlanNode& node, Bib1Outcome& outcome) {
    if (node.operand) return runOperand(session, *node.operand, outcome);
    ResultSet left = runPlan(session, *node.left, outcome);
    ResultSet right = runPlan(session, *node.right, outcome);
    switch (node.combination) {
        case PlanOperator::And:
            return IntersectResults(std::move(left), std::move(right));
        case PlanOperator::AndNot:
            return SubtractResults(std::move(left), std::move(right));
        case PlanOperator::Or:
            break;
    }
    return UnionResults(std::move(left), std::move(right));
}

void logKeys(const ResultSet& rows) {
    if (!logDetailEnabled()) return;
    std::string text = "Combined key list\n";
    for (std::size_t i = 0; i < rows.rowCount(); ++i) text += std::to_string(rows.row(i).numericKey) + "\n";
    text += "Number of items in list " + std::to_string(rows.rowCount());
    appendDetailLinesToFile(kKeysLogName, text);
}

}  // namespace

SearchSettings SearchSettingsFor(const SessionRecord& session) {
    SearchSettings settings;
    settings.dateLiteral = ReadDateLiteralStyle();
    settings.defaultUse = ReadDefaultUseAttribute();
    settings.likeBackslashEscape = ReadLikeBackslashEscape();
    settings.charset = ReadMarcSourceCharset();
    std::string directory = session.controlFilesDir;
    if (!directory.empty() && directory.back() != '/') directory += '/';
    settings.phraseStopWords =
        &LoadPhraseStopWords(directory, [](const std::string& message) { LogMessage(message); });
    return settings;
}

Bib1Outcome RunSearch(SessionRecord& session, const KivRPNQuery& query, const std::string& databaseName) {
    SearchPlan plan = PlanSearch(session.searchDefinitions, query, databaseName, SearchSettingsFor(session));
    if (plan.currentDefinition != nullptr) session.currentSearchDefinition = plan.currentDefinition;
    if (!plan.outcome) return plan.outcome;
    Bib1Outcome walked;
    ResultSet rows = runPlan(session, *plan.root, walked);
    if (!walked) return walked;
    logKeys(rows);
    if (Bib1Outcome expanded = ExpandSubKeys(session, rows); !expanded) return expanded;
    StoreResultSet(session, std::move(rows));
    return Bib1Outcome();
}
