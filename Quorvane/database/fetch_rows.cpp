#include "Quorvane/database/fetch_rows.h"

#include <string>

#include "Quorvane/database/connection.h"
#include "Quorvane/database/diag_info_batch.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/select_list.h"
#include "Quorvane/database/session_statement.h"

std::optional<std::vector<FetchedRow>> FetchRows(SessionRecord& session, std::string_view statement) {
    if (ConnectDatabase(session) != 1) return std::nullopt;
    SessionStatement prepared(session);
    if (!prepared.prepare(OdbcSource::Catalogue, statement)) return std::nullopt;
    std::vector<std::string> names = SplitSelectList(statement, false);
    BoundColumns columns;
    if (!BindAndExecute(session, prepared.handle(), names.size(), columns)) return std::nullopt;

    std::vector<FetchedRow> rows;
    DiagInfoBatch diagnostics;
    SQLRETURN fetched = SQL_NO_DATA;
    while (FetchNextRow(prepared.handle(), &fetched)) {
        columns.reportTruncation();
        const auto number = static_cast<std::int32_t>(rows.size() + 1);
        FetchedRow& row = rows.emplace_back();
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::optional<std::string_view> text = columns.text(i);
            std::optional<std::string> value;
            if (text && !text->empty()) value = std::string(*text);
            row.push_back(RecordField{names[i], value, number, 0});
            if (diagnostics.enabled())
                diagnostics.add(std::to_string(number) + " " + names[i] + " " + value.value_or(""));
        }
    }
    diagnostics.flush();
    CheckFetchEnd(session, prepared.handle(), fetched);
    return rows;
}
