#pragma once
// The rows of a record statement for the keys of many records: one statement per list of up to
// KeyListStatement::kMaxKeys keys where the template allows it, else one statement per distinct key.
// Each row goes to the sink once for every record of its key, in the order the statement gives the
// rows, so that a record receives the rows the template gives for its key alone.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/database/sqlite_row_function.h"
#include "Quorvane/memory/memory_budget.h"

class RecordRowSink {
  public:
    virtual ~RecordRowSink() = default;
    // A row of the record (an index into the keys): its column texts, nothing for NULL; false stops the
    // fetch.
    virtual bool take(std::size_t record, RowValues row) = 0;
    // The driver has fetched every row of a statement, whose column areas are still held; false stops the
    // fetch.
    virtual bool rowsFetched() { return true; }
};

enum class RowFetch {
    Done,
    Failed,   // a statement failed (reported): kConditionTemporarySystemError
    Stopped,  // the sink, or the memory budget for the column areas, stopped it
};

// Column areas of one statement take at most this many octets (a block of rows fits in them).
inline constexpr std::size_t kRecordAreaBudget = 256 * 1024;

// Runs the template (its "XXXXX" standing for the key) for the keys (keys[i] of record i) on the
// session's connection of the source, binding columnCount columns of kRecordColumnSize octets. Column
// areas are reserved against the memory (when given). Failures are reported as for one statement.
// On SQLite a key-list statement, and a statement for one key that takes it as a parameter, run with the
// row function (sqlite_row_function.h), their rows handed over inside SQLite and cut to the same
// kRecordColumnSize - 1 octets; where that form cannot be prepared, or fails before its first row, the
// rows are fetched through the driver.
RowFetch FetchRecordRows(SessionRecord& session, OdbcSource source, std::string_view statementTemplate,
                         std::size_t columnCount, std::span<const std::string> keys, RecordRowSink& sink,
                         RequestMemory* memory);
