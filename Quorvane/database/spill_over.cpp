#include "Quorvane/database/spill_over.h"

#include <cstdlib>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/bound_columns.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/log/operations_log.h"

namespace {

RecordField* findField(const FieldRow& row, const std::string& name) {
    return name.empty() ? nullptr : FindRowField(row, name);
}

bool namesSpillOver(const RecordField* extraNo) {
    if (extraNo == nullptr || !extraNo->value) return false;
    return std::strtol(extraNo->value->c_str(), nullptr, 10) != 0;
}

void report(const char* message, SQLHSTMT statement) {
    LogAndDiagnose(message);
    AppendDriverDiagnostic(SQL_HANDLE_STMT, statement);
}

}  // namespace

Bib1Outcome ExtendFieldValue(const FieldRow& rowFields, const SpillOverColumns& spillOver,
                             const SessionRecord& session) {
    RecordField* extraNo = findField(rowFields, spillOver.extraNo);
    if (!namesSpillOver(extraNo)) return {};
    RecordField* data = findField(rowFields, spillOver.data);
    if (data == nullptr || data->extended != 0) return {};

    SessionStatement prepared(session);
    if (Bib1Outcome ready =
            prepared.prepareKeyed(OdbcSource::Catalogue, spillOver.statement, *extraNo->value);
        !ready) {
        return ready;
    }
    BoundColumns columns;
    if (!columns.bind(prepared.handle(), kSpillOverSize)) {
        report("Sarvik Error SO: Failed to do SQL BindCol (2)", prepared.handle());
        return {};
    }
    if (!SQL_SUCCEEDED(SQLExecute(prepared.handle()))) {
        report("Sarvik Error SO: Failed to do SQL Execute (3)", prepared.handle());
        return {};
    }
    SQLRETURN fetched = SQL_NO_DATA;
    if (!FetchNextRow(prepared.handle(), &fetched)) return {};
    columns.reportTruncation();
    data->value = data->value.value_or("") + std::string(columns.text(0).value_or(""));
    data->extended = 1;
    return {};
}
