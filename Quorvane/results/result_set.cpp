#include "Quorvane/results/result_set.h"

#include <algorithm>

std::uint32_t ResultSet::recordCount() const {
    return positionEnds_.empty() ? static_cast<std::uint32_t>(rowCount()) : positionEnds_.back();
}

std::uint32_t ResultSet::detailsOf(std::size_t index) const {
    return index < numeric_.size() ? numeric_[index].details : text_[index - numeric_.size()].details;
}

ResultRow ResultSet::row(std::size_t index) const {
    ResultRow row;
    if (index < numeric_.size()) {
        row.numericKey = numeric_[index].key;
    } else {
        row.textKey = text_[index - numeric_.size()].key;
    }
    const Details& details = details_[detailsOf(index)];
    row.key = details.key;
    row.subKey = details.key->subKey ? &*details.key->subKey : nullptr;
    row.subKeyValues = details.subKeyValues;
    row.secondaryValues = details.secondaryValues;
    return row;
}

std::optional<ResultRow> ResultSet::rowAtPosition(std::uint32_t position) const {
    if (position == 0) return std::nullopt;
    if (positionEnds_.empty()) {
        if (position > rowCount()) return std::nullopt;
        return row(position - 1);
    }
    const auto holder = std::lower_bound(positionEnds_.begin(), positionEnds_.end(), position);
    if (holder == positionEnds_.end()) return std::nullopt;
    return row(static_cast<std::size_t>(holder - positionEnds_.begin()));
}

void ResultSet::expandSubKeys(const std::function<std::vector<std::string>(const ResultRow&)>& valuesOf) {
    for (std::size_t i = 0; i < rowCount(); ++i) {
        if (!details_[detailsOf(i)].key->subKey) continue;
        std::vector<std::string> values = valuesOf(row(i));
        details_[detailsOf(i)].subKeyValues = std::move(values);
    }
    indexPositions();
}

void ResultSet::indexPositions() {
    positionEnds_.clear();
    const bool uneven = std::any_of(details_.begin(), details_.end(),
                                    [](const Details& details) { return details.subKeyValues.size() > 1; });
    if (!uneven) return;
    positionEnds_.reserve(rowCount());
    std::uint32_t end = 0;
    for (std::size_t i = 0; i < rowCount(); ++i) {
        const std::size_t values = details_[detailsOf(i)].subKeyValues.size();
        end += values == 0 ? 1 : static_cast<std::uint32_t>(values);
        positionEnds_.push_back(end);
    }
}
