#include "Quorvane/database/fetch_rows.h"

#include <string>

#include "Quorvane/database/connection.h"
#include "Quorvane/database/diag_info_batch.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/select_list.h"
#include "Quorvane/database/session_statement.h"

Bib1Result<std::vector<FetchedRow>> FetchRows(SessionRecord& session, std::string_view statement) {
    if (Bib1Outcome connected = ConnectDatabase(session); !connected) return connected;
    SessionStatement prepared(session);
    if (Bib1Outcome ready = prepared.prepare(OdbcSource::Catalogue, statement); !ready) return ready;
    std::vector<std::string> names = SplitSelectList(statement, false);
    BoundColumns columns;
    if (Bib1Outcome executed = BindAndExecute(prepared.handle(), names.size(), columns); !executed)
        return executed;

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
    if (Bib1Outcome ended = CheckFetchEnd(prepared.handle(), fetched); !ended) return ended;
    return rows;
}
