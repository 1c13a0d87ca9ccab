#include "Quorvane/database/holdings_fetch.h"

#include <optional>
#include <string_view>

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

HoldingsRowSink::HoldingsRowSink(const std::vector<std::string>& names, const HoldingsColumns& holdings,
                                 FieldAppender& fields, std::size_t records)
    : holdings_(holdings), fields_(fields), counters_(records, kFirstHoldingsItem) {
    for (const std::string& name : names) keywords_.push_back(keywordOf(holdings, name));
}

bool HoldingsRowSink::take(std::size_t record, RowValues row) {
    long& counter = counters_[record];
    const std::string item = std::to_string(counter);
    for (std::size_t i = 0; i < keywords_.size(); ++i) {
        std::optional<std::string_view> text = row[i];
        if (keywords_[i] == kNoKeyword || !text || text->empty()) continue;
        const auto row = static_cast<std::int32_t>(counter);
        fields_.append(record, holdings_.tagNo, "HLD", row);
        fields_.append(record, holdings_.subfield, std::string(1, kHoldingsLetters[keywords_[i]]), row);
        fields_.append(record, holdings_.data, std::string(*text), row);
        fields_.append(record, holdings_.sameField, item, row);
        ++counter;
    }
    return fields_.commit();
}

bool HoldingsRowSink::rowsFetched() {
    return fields_.commitAll();
}
