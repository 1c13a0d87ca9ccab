#include "Quorvane/log/log_file_append.h"

#include <cstdio>
#include <mutex>

namespace {

std::mutex appendMutex;

}  // namespace

bool appendLineToFile(const std::string& path, std::string_view text) {
    std::string line(text);
    line += '\n';
    std::lock_guard<std::mutex> lock(appendMutex);
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) return false;
    bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    return std::fclose(file) == 0 && written;
}
