#include "Quorvane/database/holdings_fetch.h"

#include <string>
#include <vector>

#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/select_list.h"
#include "Quorvane/database/session_statement.h"

namespace {

constexpr std::size_t kNoKeyword = kHoldingsKeywordCount;

// The keyword whose column has this name; kNoKeyword when none.
std::size_t keywordOf(const HoldingsColumns& holdings, const std::string& column) {
    for (std::size_t k = 0; k < kHoldingsKeywordCount; ++k) {
        if (!holdings.holdings[k].empty() && holdings.holdings[k] == column) return k;
    }
    return kNoKeyword;
}

}  // namespace

void FetchHoldingsRows(SessionRecord& session, DblList* fields, std::string_view statementTemplate,
                       std::string_view key, const HoldingsColumns& holdings) {
    SessionStatement prepared(session);
    if (!prepared.prepareKeyed(OdbcSource::Library, statementTemplate, key)) return;
    std::vector<std::string> names = SplitSelectList(statementTemplate, true);
    BoundColumns columns;
    if (!BindAndExecute(session, prepared.handle(), names.size(), columns)) return;

    std::vector<std::size_t> keywords;
    for (const std::string& name : names) keywords.push_back(keywordOf(holdings, name));

    long counter = kFirstHoldingsItem;
    SQLRETURN fetched = SQL_NO_DATA;
    while (FetchNextRow(prepared.handle(), &fetched)) {
        columns.reportTruncation();
        const std::string item = std::to_string(counter);
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::optional<std::string_view> text = columns.text(i);
            if (keywords[i] == kNoKeyword || !text || text->empty()) continue;
            const auto row = static_cast<std::int32_t>(counter);
            AppendRecordField(fields, holdings.tagNo, "HLD", row);
            AppendRecordField(fields, holdings.subfield, std::string(1, kHoldingsLetters[keywords[i]]), row);
            AppendRecordField(fields, holdings.data, std::string(*text), row);
            AppendRecordField(fields, holdings.sameField, item, row);
            ++counter;
        }
    }
    CheckFetchEnd(session, prepared.handle(), fetched);
}
