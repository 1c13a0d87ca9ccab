#include "Quorvane/database/area_block.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct FreeBlock {
    std::unique_ptr<char[]> octets;
    std::size_t size = 0;
};

thread_local std::vector<FreeBlock> freeBlocks;

}  // namespace

AreaBlock::AreaBlock(std::size_t bytes) {
    // The smallest free block that holds the areas, so that large blocks stay for large fetches.
    auto best = freeBlocks.end();
    for (auto block = freeBlocks.begin(); block != freeBlocks.end(); ++block) {
        if (block->size >= bytes && (best == freeBlocks.end() || block->size < best->size)) best = block;
    }
    if (best != freeBlocks.end()) {
        octets_ = std::move(best->octets);
        size_ = best->size;
        freeBlocks.erase(best);
        return;
    }
    octets_ = std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(bytes, 1));
    size_ = bytes;
}

AreaBlock::~AreaBlock() {
    giveBack();
}

AreaBlock::AreaBlock(AreaBlock&& other) noexcept
    : octets_(std::move(other.octets_)), size_(std::exchange(other.size_, 0)) {}

AreaBlock& AreaBlock::operator=(AreaBlock&& other) noexcept {
    if (this != &other) {
        giveBack();
        octets_ = std::move(other.octets_);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void AreaBlock::giveBack() {
    if (!octets_ || size_ > kLargestKept) return;
    if (freeBlocks.size() >= kKeptBlocks) {
        // The smallest kept block makes room for a larger one.
        auto smallest =
            std::min_element(freeBlocks.begin(), freeBlocks.end(),
                             [](const FreeBlock& a, const FreeBlock& b) { return a.size < b.size; });
        if (smallest->size >= size_) return;
        freeBlocks.erase(smallest);
    }
    freeBlocks.push_back(FreeBlock{std::move(octets_), size_});
    size_ = 0;
}
