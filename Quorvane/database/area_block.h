#pragma once
// Octets for a statement's bound column areas, reused by the statements a thread runs one after another:
// a block is taken from the thread's free blocks and given back when its holder ends, so that a fetch
// neither allocates nor clears its areas (the driver writes what it fetches, and the lengths it reports
// say what of an area is valid).

#include <cstddef>
#include <memory>

class AreaBlock {
  public:
    // Blocks a thread keeps for reuse, and the largest block it keeps.
    static constexpr std::size_t kKeptBlocks = 4;
    static constexpr std::size_t kLargestKept = 1024 * 1024;

    AreaBlock() = default;
    // A block of at least bytes octets, of unspecified contents.
    explicit AreaBlock(std::size_t bytes);
    ~AreaBlock();
    AreaBlock(AreaBlock&& other) noexcept;
    AreaBlock& operator=(AreaBlock&& other) noexcept;
    AreaBlock(const AreaBlock&) = delete;
    AreaBlock& operator=(const AreaBlock&) = delete;

    char* data() const { return octets_.get(); }
    std::size_t size() const { return size_; }

  private:
    void giveBack();

    std::unique_ptr<char[]> octets_;
    std::size_t size_ = 0;
};
