#pragma once
// Reads of the configuration file "Quorvane.INI" in the program directory (platform::programDir(), which
// `--config DIR` overrides), parsed once and again when it changes on disk, with the profile rules of
// Quorvane/platform/profile.h; string values are cut to kIniValueLimit octets. Safe from any thread.

#include <cstddef>
#include <optional>
#include <string>

inline constexpr const char* kIniFileName = "Quorvane.INI";
// The default of every string read: a value equal to it counts as a missing key.
inline constexpr const char* kIniSentinel = "Default INI String";
inline constexpr std::size_t kIniValueLimit = 599;

// The program directory, ending with '/'.
std::string GetProgramDir();
// The file name itself when it holds a '/', else the program directory followed by the name.
std::string MakeIniPath(const std::string& fileName);

// The value of a key that must be there. A missing key logs "No entry for item <key> in section <section>
// in Quorvane.INI" (trace, diaginfo.txt and the error log, see LogConfigError), notes a configuration
// problem (config_problems.h) and answers "Default INI String".
std::string GetIniStringRequired(const std::string& section, const std::string& key);
// The value, or nothing when the key is missing; nothing is reported.
std::optional<std::string> GetIniStringOptional(const std::string& section, const std::string& key);
// A directory or file path: the program directory when the key is missing; a value starting with '/' or
// '.' as it stands; any other value is taken relative to the program directory. No separator is added at
// the end: join file names to it with platform::joinPath.
std::string GetIniPath(const std::string& section, const std::string& key);
// The key's leading decimal integer; the default when the key is missing or holds no number.
int GetIniInt(const std::string& section, const std::string& key, int defaultValue = 0);
