#pragma once
// Reads of INI ("profile") files with the rules of the Windows profile calls: sections and keys match
// without regard to case, the first occurrence of a key wins, lines starting with ';' are comments,
// a ';' inside a value is data, surrounding blanks are trimmed and one pair of matching surrounding
// quotes is removed. A missing file, section or key gives the caller's default. A file is parsed at its
// first read and again whenever its size, modification time or inode has changed since (compared on every
// read unless setProfileRecheckInterval says otherwise).

#include <chrono>
#include <string>

namespace platform {

// A file that had not changed for two seconds when it was parsed is compared with the disk at most once
// per interval (a server reads several keys per request, and each comparison is a system call); zero,
// the default, compares on every read. Safe from any thread.
void setProfileRecheckInterval(std::chrono::milliseconds interval);

std::string readProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue);

// The value's leading decimal digits with an optional sign; the default when the key is missing or its
// value starts with no digit. Values beyond the range of int are clamped.
int readProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue);

}  // namespace platform
