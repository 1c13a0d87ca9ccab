#include "Quorvane/database/field_statement.h"

#include <string>
#include <vector>

#include "Quorvane/database/diag_info_batch.h"
#include "Quorvane/database/holdings_fetch.h"
#include "Quorvane/database/select_list.h"
#include "Quorvane/log/operations_log.h"

namespace {

bool isHoldingsStatement(std::string_view statementTemplate) {
    return statementTemplate.find("STK_ITEM") != std::string_view::npos ||
           statementTemplate.find("stk_item") != std::string_view::npos;
}

// Every column of a row becomes a field of the record, the record's rows numbered from 1; the detail
// lines of each record are written together by writeDetailLines.
class FieldRowSink : public RecordRowSink {
  public:
    FieldRowSink(const std::vector<std::string>& names, FieldAppender& fields, std::size_t records)
        : names_(names), fields_(fields), rows_(records, 0) {
        if (diagnostics_.enabled()) lines_.resize(records);
    }

    void writeDetailLines() {
        for (const std::vector<std::string>& lines : lines_) {
            for (const std::string& line : lines) diagnostics_.add(line);
        }
        diagnostics_.flush();
    }

    bool take(std::size_t record, RowValues row) override {
        const std::int32_t number = ++rows_[record];
        for (std::size_t i = 0; i < names_.size(); ++i) {
            RecordField& field = fields_.append(record, names_[i], FieldText(row[i]), number);
            if (diagnostics_.enabled()) {
                lines_[record].push_back(std::to_string(number) + " " + field.columnName + " " +
                                         field.value.value_or(""));
            }
        }
        return fields_.commit();
    }

    bool rowsFetched() override { return fields_.commitAll(); }

  private:
    const std::vector<std::string>& names_;
    FieldAppender& fields_;
    std::vector<std::int32_t> rows_;
    DiagInfoBatch diagnostics_;
    std::vector<std::vector<std::string>> lines_;
};

std::vector<std::string> keysOf(std::span<const RecordFieldTarget> records) {
    std::vector<std::string> keys;
    keys.reserve(records.size());
    for (const RecordFieldTarget& record : records) keys.push_back(record.key);
    return keys;
}

}  // namespace

RowFetch RunFieldStatementForRecords(std::span<RecordFieldTarget> records, std::string_view syntax,
                                     SessionRecord& session, std::string_view statementTemplate,
                                     const HoldingsColumns* holdings, RequestMemory* memory) {
    const std::vector<std::string> names = SplitSelectList(statementTemplate, true);
    const std::vector<std::string> keys = keysOf(records);
    FieldAppender fields(records, memory);
    // Whatever the fetch came to, every field appended is reserved.
    auto committed = [&fields](RowFetch fetched) {
        const bool reserved = fields.commitAll();
        return fetched == RowFetch::Done && !reserved ? RowFetch::Stopped : fetched;
    };
    if (!isHoldingsStatement(statementTemplate)) {
        FieldRowSink sink(names, fields, records.size());
        const RowFetch fetched = FetchRecordRows(session, OdbcSource::Catalogue, statementTemplate,
                                                 names.size(), keys, sink, memory);
        sink.writeDetailLines();
        return committed(fetched);
    }
    if (session.libraryConnection == nullptr || syntax != kOpacSyntax) return RowFetch::Done;
    if (holdings == nullptr) {
        LogMessage("No holdings definition for database " + session.currentDatabase.value_or(""));
        return RowFetch::Done;
    }
    HoldingsRowSink sink(names, *holdings, fields, records.size());
    return committed(
        FetchRecordRows(session, OdbcSource::Library, statementTemplate, names.size(), keys, sink, memory));
}

RowFetch RunFieldStatement(RecordFields& fields, std::string_view key, std::string_view syntax,
                           SessionRecord& session, std::string_view statementTemplate,
                           const HoldingsColumns* holdings) {
    RecordFieldTarget record{std::string(key), &fields, 0};
    return RunFieldStatementForRecords(std::span<RecordFieldTarget>(&record, 1), syntax, session,
                                       statementTemplate, holdings, nullptr);
}
