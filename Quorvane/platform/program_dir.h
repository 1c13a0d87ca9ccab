#pragma once
// The program directory: where the configuration file is looked for. It is the directory of the running
// executable unless `--config DIR` has named another. Directories are given with a trailing '/'.

#include <string>
#include <string_view>

namespace platform {

// The override's directory or, without one, the directory of /proc/self/exe ("./" when that cannot be
// read); always ends with '/'. Safe to call from any thread.
std::string programDir();

// Makes programDir() answer dir (made absolute against the current directory, so a later change of
// directory keeps it valid). An empty dir removes the override.
void setProgramDir(const std::string& dir);

// dir and name joined by exactly one '/'; an absolute name is answered as it stands.
std::string joinPath(std::string_view dir, std::string_view name);

}  // namespace platform
