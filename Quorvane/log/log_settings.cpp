#include "Quorvane/log/log_settings.h"

#include "Quorvane/config/ini_readers.h"

LogSettings ReadLogSettings() {
    LogSettings settings;
    constexpr int kKiB = 1024;
    const int defaultKiB = static_cast<int>(settings.limits.maxBytes / kKiB);
    const int kiB = GetIniInt(kLoggingSection, "ulMaxLogFileKB", defaultKiB);
    settings.limits.maxBytes = static_cast<std::uint64_t>(kiB > 0 ? kiB : defaultKiB) * kKiB;
    settings.limits.filesKept = GetIniInt(kLoggingSection, "ulLogFilesKept", settings.limits.filesKept);
    settings.detail = GetIniInt(kLoggingSection, "ulLogDetail", 1) != 0;
    return settings;
}
