#include "Quorvane/database/field_statement.h"

#include <string>
#include <vector>

#include "Quorvane/database/diag_info_batch.h"
#include "Quorvane/database/holdings_fetch.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/select_list.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/log/operations_log.h"

namespace {

bool isHoldingsStatement(std::string_view statementTemplate) {
    return statementTemplate.find("STK_ITEM") != std::string_view::npos ||
           statementTemplate.find("stk_item") != std::string_view::npos;
}

void fetchFields(SessionRecord& session, DblList* fields, std::string_view statementTemplate,
                 std::string_view key) {
    SessionStatement prepared(session);
    if (!prepared.prepareKeyed(OdbcSource::Catalogue, statementTemplate, key)) return;
    std::vector<std::string> names = SplitSelectList(statementTemplate, true);
    BoundColumns columns;
    if (!BindAndExecute(session, prepared.handle(), names.size(), columns)) return;

    DiagInfoBatch diagnostics;
    std::int32_t row = 0;
    SQLRETURN fetched = SQL_NO_DATA;
    while (FetchNextRow(prepared.handle(), &fetched)) {
        ++row;
        columns.reportTruncation();
        for (std::size_t i = 0; i < names.size(); ++i) {
            RecordField* field = AppendRecordField(fields, names[i], FieldValue(columns.text(i)), row);
            if (diagnostics.enabled()) {
                diagnostics.add(std::to_string(row) + " " + field->columnName + " " +
                                field->value.value_or(""));
            }
        }
    }
    diagnostics.flush();
    CheckFetchEnd(session, prepared.handle(), fetched);
}

}  // namespace

void RunFieldStatement(DblList* fields, std::string_view key, std::string_view syntax, SessionRecord& session,
                       std::string_view statementTemplate, const HoldingsColumns* holdings) {
    if (!isHoldingsStatement(statementTemplate)) {
        fetchFields(session, fields, statementTemplate, key);
        return;
    }
    if (session.libraryConnection == nullptr || syntax != kOpacSyntax) return;
    if (holdings == nullptr) {
        LogMessage("No holdings definition for database " + session.currentDatabase.value_or(""));
        return;
    }
    FetchHoldingsRows(session, fields, statementTemplate, key, *holdings);
}
