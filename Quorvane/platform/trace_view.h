#pragma once
// The operations trace: every line goes to the output at once (standard output for the server) and
// the most recent lines are kept, up to a cap, for saving. Safe to use from any thread.

#include <cstddef>
#include <deque>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

namespace platform {

class TraceView {
  public:
    static constexpr std::size_t kDefaultKeptLimit = 1024 * 1024;

    // keptLimit caps the kept text in octets (line ends included); the oldest lines go first.
    explicit TraceView(std::ostream& out, std::size_t keptLimit = kDefaultKeptLimit);

    // Writes the text and a line end to the output and keeps it.
    void appendLine(std::string_view text);
    // Writes the text and a line end to the output without keeping it (answers to console commands).
    void showLine(std::string_view text);
    // Forgets the kept text.
    void clear();
    // The kept lines, each ended by "\n".
    std::string text() const;
    // Writes text() to the file, replacing it; false when it cannot be written.
    bool save(const std::string& path) const;

  private:
    std::ostream& out_;
    std::size_t keptLimit_;
    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
    std::size_t keptSize_ = 0;
};

}  // namespace platform
