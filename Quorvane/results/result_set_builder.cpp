#include "Quorvane/results/result_set_builder.h"

#include <algorithm>

namespace {

// Sorts the rows by key, stable so that of equal keys the row fetched first comes first, and keeps only
// that one.
template <typename Row>
void sortDistinct(std::vector<Row>& rows) {
    const auto before = [](const Row& a, const Row& b) { return a.key < b.key; };
    const auto same = [](const Row& a, const Row& b) { return a.key == b.key; };
    if (!std::is_sorted(rows.begin(), rows.end(), before)) std::stable_sort(rows.begin(), rows.end(), before);
    rows.erase(std::unique(rows.begin(), rows.end(), same), rows.end());
}

}  // namespace

ResultSetBuilder::ResultSetBuilder(const KeyDefinition& key)
    : key_(key), rowsHaveOwnDetails_(key.subKey.has_value() || !key.secondaryColumns.empty()) {
    if (!rowsHaveOwnDetails_) rows_.details_.push_back({&key_, {}, {}});
}

std::uint32_t ResultSetBuilder::detailsFor(std::vector<SecondaryValue> secondaryValues) {
    if (!rowsHaveOwnDetails_) return 0;
    rows_.details_.push_back({&key_, std::move(secondaryValues), {}});
    return static_cast<std::uint32_t>(rows_.details_.size() - 1);
}

void ResultSetBuilder::add(std::string_view keyText, std::vector<SecondaryValue> secondaryValues) {
    if (key_.textKey) {
        rows_.text_.push_back({std::string(keyText), detailsFor(std::move(secondaryValues))});
        return;
    }
    const std::uint32_t number = ParseNumericKey(keyText);
    if (number == 0) return;
    rows_.numeric_.push_back({number, detailsFor(std::move(secondaryValues))});
}

void ResultSetBuilder::addNumber(std::int64_t number) {
    if (number < 1 || number > std::int64_t{UINT32_MAX}) return;
    rows_.numeric_.push_back({static_cast<std::uint32_t>(number), detailsFor({})});
}

void ResultSetBuilder::addNumbers(std::span<const std::int64_t> numbers) {
    if (rowsHaveOwnDetails_) {
        for (std::int64_t number : numbers) addNumber(number);
        return;
    }
    for (std::int64_t number : numbers) {
        if (number >= 1 && number <= std::int64_t{UINT32_MAX})
            rows_.numeric_.push_back({static_cast<std::uint32_t>(number), 0});
    }
}

ResultSet ResultSetBuilder::finish() {
    sortDistinct(rows_.numeric_);
    sortDistinct(rows_.text_);
    ResultSet finished = std::move(rows_);
    rows_ = ResultSet();
    if (!rowsHaveOwnDetails_) rows_.details_.push_back({&key_, {}, {}});
    return finished;
}
