#pragma once
// OPAC holdings rows from the library source, turned into MARC holdings fields.

#include <cstddef>
#include <string>
#include <vector>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/holdings_columns.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/record_rows.h"
#include "Quorvane/lists/dbl_list.h"

// Holdings items are numbered from this value on.
inline constexpr long kFirstHoldingsItem = 10000;

// Turns the holdings rows of each record into its holdings fields (see RunFieldStatementForRecords).
class HoldingsRowSink : public RecordRowSink {
  public:
    HoldingsRowSink(const std::vector<std::string>& names, const HoldingsColumns& holdings,
                    FieldAppender& fields, std::size_t records);
    bool take(std::size_t record, RowValues row) override;
    bool rowsFetched() override;

  private:
    const HoldingsColumns& holdings_;
    FieldAppender& fields_;
    std::vector<std::size_t> keywords_;  // per column: its keyword, or kHoldingsKeywordCount for none
    std::vector<long> counters_;         // per record
};
