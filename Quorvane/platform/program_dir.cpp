#include "Quorvane/platform/program_dir.h"

#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <system_error>

namespace platform {
namespace {

std::mutex overrideMutex;
std::string overrideDir;

std::string withSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string executableDir() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !exe.has_parent_path()) return "./";
    return withSlash(exe.parent_path().string());
}

}  // namespace

std::string programDir() {
    {
        std::lock_guard<std::mutex> lock(overrideMutex);
        if (!overrideDir.empty()) return overrideDir;
    }
    return executableDir();
}

void setProgramDir(const std::string& dir) {
    std::string absolute;
    if (!dir.empty()) {
        std::error_code error;
        std::filesystem::path path = std::filesystem::absolute(dir, error);
        absolute = withSlash(error ? dir : path.lexically_normal().string());
    }
    std::lock_guard<std::mutex> lock(overrideMutex);
    overrideDir = absolute;
}

std::string joinPath(std::string_view dir, std::string_view name) {
    if (dir.empty() || (!name.empty() && name.front() == '/')) return std::string(name);
    std::string path(dir);
    if (path.back() != '/') path += '/';
    path += name;
    return path;
}

}  // namespace platform
