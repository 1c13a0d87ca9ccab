#include "Quorvane/platform/profile.h"

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <ctime>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

std::string_view trim(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;  // trimmed and unquoted
};

// A parsed file and what identified its contents on disk when it was read.
struct ParsedProfile {
    std::vector<ProfileEntry> entries;  // in file order
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    time_t parsedAt = 0;
    std::chrono::steady_clock::time_point checkedAt{};  // when its status on disk was last compared
};

// File systems keep modification times coarsely: a file changed this close to its parse may have
// changed again since without a new time, so it is parsed again until it has been quiet that long.
constexpr time_t kQuietSeconds = 2;

// How long a file that had been quiet when it was parsed is trusted without comparing it with the disk.
std::atomic<std::chrono::milliseconds::rep> recheckInterval{0};

bool quietWhenParsed(const ParsedProfile& parsed) {
    return parsed.modified.tv_sec + kQuietSeconds <= parsed.parsedAt;
}

bool unchangedSinceParsed(const ParsedProfile& parsed, const struct stat& status) {
    return parsed.device == status.st_dev && parsed.inode == status.st_ino && parsed.size == status.st_size &&
           parsed.modified.tv_sec == status.st_mtim.tv_sec && parsed.modified.tv_nsec == status.st_mtim.tv_nsec &&
           quietWhenParsed(parsed);
}

bool checkedLately(const ParsedProfile& parsed, std::chrono::steady_clock::time_point now) {
    const std::chrono::milliseconds interval{recheckInterval.load(std::memory_order_relaxed)};
    return interval.count() > 0 && quietWhenParsed(parsed) && now - parsed.checkedAt < interval;
}

// The entries of a file in file order; lines outside a section and lines without '=' are left out.
std::optional<std::vector<ProfileEntry>> parseProfile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<ProfileEntry> entries;
    std::string line;
    std::string section;
    bool inSection = false;
    bool firstLine = true;
    while (std::getline(in, line)) {
        std::string_view text(line);
        if (firstLine && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        firstLine = false;
        text = trim(text);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            size_t close = text.rfind(']');
            if (close == std::string_view::npos) continue;
            section = trim(text.substr(1, close - 1));
            inSection = true;
            continue;
        }
        if (!inSection) continue;
        size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        entries.push_back(ProfileEntry{section, std::string(trim(text.substr(0, equals))),
                                       std::string(unquote(trim(text.substr(equals + 1))))});
    }
    return entries;
}

// Files parsed once and again when their size, modification time or inode changes.
class ProfileCache {
  public:
    // The raw value of the first occurrence of the key in a section of that name (same-named sections
    // are searched in file order); none when the file, section or key is missing.
    std::optional<std::string> find(const std::string& file, std::string_view section, std::string_view key) {
        const std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now();
        {
            std::lock_guard lock(mutex_);
            auto found = files_.find(file);
            if (found != files_.end() && checkedLately(found->second, now)) {
                return valueIn(found->second, section, key);
            }
        }
        struct stat status {};
        if (::stat(file.c_str(), &status) != 0) return std::nullopt;
        std::lock_guard lock(mutex_);
        auto found = files_.find(file);
        if (found == files_.end() || !unchangedSinceParsed(found->second, status)) {
            std::optional<std::vector<ProfileEntry>> entries = parseProfile(file);
            if (!entries) return std::nullopt;
            ParsedProfile& parsed = files_[file];
            parsed = ParsedProfile{std::move(*entries), status.st_dev, status.st_ino, status.st_size,
                                   status.st_mtim, std::time(nullptr)};
            found = files_.find(file);
        }
        found->second.checkedAt = now;
        return valueIn(found->second, section, key);
    }

  private:
    static std::optional<std::string> valueIn(const ParsedProfile& parsed, std::string_view section,
                                              std::string_view key) {
        for (const ProfileEntry& entry : parsed.entries) {
            if (equalsIgnoringCase(entry.section, section) && equalsIgnoringCase(entry.key, key))
                return entry.value;
        }
        return std::nullopt;
    }

    std::mutex mutex_;
    std::map<std::string, ParsedProfile> files_;
};

std::optional<std::string> findValue(const std::string& file, std::string_view section,
                                     std::string_view key) {
    static ProfileCache cache;
    return cache.find(file, section, key);
}

}  // namespace

void setProfileRecheckInterval(std::chrono::milliseconds interval) {
    recheckInterval.store(interval.count(), std::memory_order_relaxed);
}

std::string readProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue) {
    std::optional<std::string> value = findValue(file, section, key);
    return value ? *value : defaultValue;
}

int readProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue) {
    std::optional<std::string> value = findValue(file, section, key);
    if (!value) return defaultValue;
    std::string_view text(*value);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return defaultValue;
    long long magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) magnitude = magnitude * 10 + (c - '0');
    }
    long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX) return INT_MAX;
    if (result < INT_MIN) return INT_MIN;
    return static_cast<int>(result);
}

}  // namespace platform
