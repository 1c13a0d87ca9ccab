#include "Quorvane/present/result_set_walk.h"

namespace {

std::uint32_t positionsOf(const DblNode* node) {
    const auto* row = static_cast<const ResultRow*>(node->datum);
    return row->subKeyValues.empty() ? 1 : static_cast<std::uint32_t>(row->subKeyValues.size());
}

}  // namespace

const ResultRow* ResultSetWalk::rowAt(std::uint32_t position) {
    if (rows_ == nullptr || position == 0) return nullptr;
    if (node_ == nullptr || position < firstPosition_) {
        node_ = rows_->first;
        firstPosition_ = 1;
    }
    while (node_ != nullptr && position - firstPosition_ >= positionsOf(node_)) {
        firstPosition_ += positionsOf(node_);
        node_ = node_->next;
    }
    return node_ != nullptr ? static_cast<const ResultRow*>(node_->datum) : nullptr;
}
