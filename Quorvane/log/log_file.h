#pragma once
// One text log of the server, kept open and written in batches. Lines are gathered in memory and
// written when enough have gathered or when flush() is called (the log flusher's timer, shutdown,
// errors). The file never grows beyond its size cap: before a write would pass it, the file is rotated
// ("name" becomes "name.1", "name.1" becomes "name.2" and so on; the oldest kept file is dropped).
// When the name stops naming the open file (removed, renamed by an operator's rotation, another working
// directory) the next write opens it anew. A file that cannot be written drops its lines and says so
// once until it can be written again. Safe from any thread.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

struct LogFileLimits {
    static constexpr std::uint64_t kMinimumBytes = 4096;
    // The cap of the file in octets (at least kMinimumBytes); a single line longer than the cap is
    // written whole into a file of its own.
    std::uint64_t maxBytes = 10 * 1024 * 1024;
    // How many rotated files are kept besides the current one; 0 empties the file at the cap.
    int filesKept = 3;
};

class LogFile {
  public:
    // Gathered octets beyond which append() writes them at once.
    static constexpr std::size_t kBatchBytes = 64 * 1024;

    explicit LogFile(std::string path);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    const std::string& path() const { return path_; }
    void setLimits(const LogFileLimits& limits);

    // Gathers whole lines (each ended by '\n'); answers the failure report of a write it made, if any.
    std::optional<std::string> append(std::string_view lines);
    // Writes what has been gathered. Answers a report when the file has just become unwritable:
    // "Log file <name> cannot be written (<reason>); its lines are dropped until it can be written again".
    std::optional<std::string> flush();

  private:
    std::optional<std::string> flushLocked();
    bool openLocked();
    void closeLocked();
    void rotateLocked();
    bool writeLocked(std::string_view octets);

    const std::string path_;
    std::mutex mutex_;
    LogFileLimits limits_;
    std::string pending_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
    bool failing_ = false;
    int lastError_ = 0;
};
