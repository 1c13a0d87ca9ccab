#include "Quorvane/log/log_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Whether path names the open file fd.
bool namesOpenFile(const std::string& path, int fd) {
    struct stat named {};
    struct stat open {};
    if (::stat(path.c_str(), &named) != 0 || ::fstat(fd, &open) != 0) return false;
    return named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

std::string rotatedName(const std::string& path, int number) {
    return path + "." + std::to_string(number);
}

}  // namespace

LogFile::LogFile(std::string path) : path_(std::move(path)) {}

LogFile::~LogFile() {
    std::lock_guard<std::mutex> lock(mutex_);
    flushLocked();
    closeLocked();
}

void LogFile::setLimits(const LogFileLimits& limits) {
    std::lock_guard<std::mutex> lock(mutex_);
    limits_ = limits;
    limits_.maxBytes = std::max(limits.maxBytes, LogFileLimits::kMinimumBytes);
    limits_.filesKept = std::max(limits.filesKept, 0);
}

std::optional<std::string> LogFile::append(std::string_view lines) {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_ += lines;
    if (pending_.size() < kBatchBytes) return std::nullopt;
    return flushLocked();
}

std::optional<std::string> LogFile::flush() {
    std::lock_guard<std::mutex> lock(mutex_);
    return flushLocked();
}

std::optional<std::string> LogFile::flushLocked() {
    if (pending_.empty()) return std::nullopt;
    std::string_view rest = pending_;
    bool written = true;
    while (!rest.empty()) {
        if (!openLocked()) {
            written = false;
            break;
        }
        const std::uint64_t room = limits_.maxBytes > size_ ? limits_.maxBytes - size_ : 0;
        std::size_t take = rest.size();
        if (take > room) {
            // The whole lines that fit; a file of its own for a line longer than the cap.
            const std::size_t end = rest.rfind('\n', static_cast<std::size_t>(room) - (room > 0 ? 1 : 0));
            take = room > 0 && end != std::string_view::npos ? end + 1 : 0;
            if (take == 0 && size_ > 0) {
                const std::uint64_t before = size_;
                rotateLocked();
                if (fd_ >= 0 && size_ < before) continue;
            }
            if (take == 0) {
                const std::size_t lineEnd = rest.find('\n');
                take = lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1;
            }
        }
        if (!writeLocked(rest.substr(0, take))) {
            written = false;
            break;
        }
        size_ += take;
        rest.remove_prefix(take);
    }
    pending_.clear();
    if (written) {
        failing_ = false;
        return std::nullopt;
    }
    closeLocked();
    if (failing_) return std::nullopt;
    failing_ = true;
    return "Log file " + path_ + " cannot be written (" + std::strerror(lastError_) +
           "); its lines are dropped until it can be written again";
}

bool LogFile::openLocked() {
    if (fd_ >= 0 && namesOpenFile(path_, fd_)) return true;
    closeLocked();
    fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        lastError_ = errno;
        return false;
    }
    struct stat status {};
    size_ = ::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode) ? static_cast<std::uint64_t>(status.st_size) : 0;
    return true;
}

void LogFile::closeLocked() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    size_ = 0;
}

void LogFile::rotateLocked() {
    closeLocked();
    if (limits_.filesKept == 0) {
        std::remove(path_.c_str());
    } else {
        for (int number = limits_.filesKept - 1; number >= 1; --number) {
            std::rename(rotatedName(path_, number).c_str(), rotatedName(path_, number + 1).c_str());
        }
        std::rename(path_.c_str(), rotatedName(path_, 1).c_str());
    }
    openLocked();
}

bool LogFile::writeLocked(std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t count = ::write(fd_, octets.data(), octets.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            lastError_ = errno;
            return false;
        }
        octets.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}
