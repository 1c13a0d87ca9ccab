#include "Quorvane/log/log_files.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "Quorvane/log/operations_log.h"

namespace {

class LogRegistry {
  public:
    LogFile& file(const std::string& name) {
        std::lock_guard<std::mutex> lock(mutex_);
        std::unique_ptr<LogFile>& file = files_[name];
        if (file == nullptr) {
            file = std::make_unique<LogFile>(name);
            file->setLimits(settings_.limits);
        }
        return *file;
    }

    std::vector<LogFile*> all() {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<LogFile*> files;
        for (auto& [name, file] : files_) files.push_back(file.get());
        return files;
    }

    void apply(const LogSettings& settings) {
        std::lock_guard<std::mutex> lock(mutex_);
        settings_ = settings;
        for (auto& [name, file] : files_) file->setLimits(settings.limits);
        detail_ = settings.detail;
    }

    bool detail() const { return detail_; }

  private:
    std::mutex mutex_;
    std::map<std::string, std::unique_ptr<LogFile>> files_;
    LogSettings settings_;
    std::atomic<bool> detail_{true};
};

// Never destroyed, so a thread still logging while the process exits finds it whole.
LogRegistry& registry() {
    static LogRegistry* registry = [] {
        std::atexit(flushLogFiles);
        return new LogRegistry;
    }();
    return *registry;
}

// A log that cannot be written is reported in the operations log; the error log's own failure goes to
// standard error, where nothing can fail it again.
void report(const LogFile& file, const std::optional<std::string>& failure) {
    if (!failure) return;
    if (file.path() == kErrorLogName) {
        std::fprintf(stderr, "%s\n", failure->c_str());
    } else {
        LogMessage(*failure);
    }
}

}  // namespace

void applyLogSettings(const LogSettings& settings) {
    registry().apply(settings);
}

bool logDetailEnabled() {
    return registry().detail();
}

void writeLogLines(const std::string& name, std::string_view lines) {
    LogFile& file = registry().file(name);
    report(file, file.append(lines));
}

void flushLogFile(const std::string& name) {
    LogFile& file = registry().file(name);
    report(file, file.flush());
}

void flushLogFiles() {
    for (LogFile* file : registry().all()) report(*file, file->flush());
}
