#include "Quorvane/results/result_combine.h"

#include <algorithm>
#include <iterator>

namespace {

// Which rows a merge keeps besides those of left whose key occurs in right (kept by And and Or).
enum class Keep { And, Or, AndNot };

// The rows of one kind (numeric or text) that the combination keeps, in key order. A row of right that
// is kept has its side-table index moved past left's entries (rightDetails).
template <typename Row>
std::vector<Row> mergeRows(std::vector<Row>& left, std::vector<Row>& right, Keep keep,
                           std::uint32_t rightDetails) {
    std::vector<Row> merged;
    merged.reserve(keep == Keep::Or ? left.size() + right.size()
                   : keep == Keep::And ? std::min(left.size(), right.size())
                                       : left.size());
    const auto takeRight = [&](Row& row) {
        row.details += rightDetails;
        merged.push_back(std::move(row));
    };
    auto l = left.begin();
    auto r = right.begin();
    while (l != left.end() && r != right.end()) {
        if (l->key < r->key) {
            if (keep != Keep::And) merged.push_back(std::move(*l));
            ++l;
        } else if (r->key < l->key) {
            if (keep == Keep::Or) takeRight(*r);
            ++r;
        } else {
            if (keep != Keep::AndNot) merged.push_back(std::move(*l));
            ++l;
            ++r;
        }
    }
    if (keep != Keep::And) std::move(l, left.end(), std::back_inserter(merged));
    if (keep == Keep::Or) std::for_each(r, right.end(), takeRight);
    return merged;
}

}  // namespace

struct ResultSetMerge {
    static ResultSet combine(ResultSet left, ResultSet right, Keep keep) {
        const auto rightDetails = static_cast<std::uint32_t>(left.details_.size());
        ResultSet result;
        result.numeric_ = mergeRows(left.numeric_, right.numeric_, keep, rightDetails);
        result.text_ = mergeRows(left.text_, right.text_, keep, rightDetails);
        result.details_ = std::move(left.details_);
        if (keep == Keep::Or) {
            std::move(right.details_.begin(), right.details_.end(), std::back_inserter(result.details_));
        }
        result.indexPositions();
        return result;
    }
};

ResultSet IntersectResults(ResultSet left, ResultSet right) {
    return ResultSetMerge::combine(std::move(left), std::move(right), Keep::And);
}

ResultSet UnionResults(ResultSet left, ResultSet right) {
    return ResultSetMerge::combine(std::move(left), std::move(right), Keep::Or);
}

ResultSet SubtractResults(ResultSet left, ResultSet right) {
    return ResultSetMerge::combine(std::move(left), std::move(right), Keep::AndNot);
}
