#include "Quorvane/config/ini_readers.h"

#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/profile.h"
#include "Quorvane/platform/program_dir.h"

namespace {

// The value, or nothing when the key is missing or holds the sentinel.
std::optional<std::string> readIniValue(const std::string& section, const std::string& key) {
    std::string value = platform::readProfileString(MakeIniPath(kIniFileName), section, key, kIniSentinel);
    if (value.size() > kIniValueLimit) value.resize(kIniValueLimit);
    if (value == kIniSentinel) return std::nullopt;
    return value;
}

}  // namespace

std::string GetProgramDir() {
    return platform::programDir();
}

std::string MakeIniPath(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos) return fileName;
    return GetProgramDir() + fileName;
}

std::string GetIniStringRequired(const std::string& section, const std::string& key) {
    std::optional<std::string> value = readIniValue(section, key);
    if (value) return *value;
    LogConfigError("No entry for item " + key + " in section " + section + " in Quorvane.INI");
    noteConfigProblem();
    return kIniSentinel;
}

std::optional<std::string> GetIniStringOptional(const std::string& section, const std::string& key) {
    return readIniValue(section, key);
}

std::string GetIniPath(const std::string& section, const std::string& key) {
    std::optional<std::string> value = readIniValue(section, key);
    if (!value) return GetProgramDir();
    if (!value->empty() && (value->front() == '/' || value->front() == '.')) return *value;
    return GetProgramDir() + *value;
}

int GetIniInt(const std::string& section, const std::string& key, int defaultValue) {
    return platform::readProfileInt(MakeIniPath(kIniFileName), section, key, defaultValue);
}
