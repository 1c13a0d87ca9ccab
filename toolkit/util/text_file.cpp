#include "toolkit/util/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "toolkit/util/err_report.h"
#include "toolkit/util/str_text.h"
#include "toolkit/util/str_wildcard.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openFile(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode));
}

void reportOpenFailure(const std::string& path, const char* systemTag, const char* fileTag) {
    std::fprintf(stderr, "%s\n", std::strerror(errno));
    ErrReport(ErrReportContinue, "", systemTag);
    ErrReport(ErrReportContinue, ("Failed to open file " + path).c_str(), fileTag);
}

// Up to limit octets from the file's current place.
std::string readUpTo(std::FILE* file, size_t limit) {
    std::string data;
    char block[8192];
    while (data.size() < limit) {
        const size_t got = std::fread(block, 1, std::min(sizeof block, limit - data.size()), file);
        if (got == 0) break;
        data.append(block, got);
    }
    return data;
}

bool holdsGraphic(std::FILE* file) {
    for (int c; (c = std::getc(file)) != EOF;) {
        if (octet::isGraphic(static_cast<char>(c))) return true;
    }
    return false;
}

}  // namespace

int StrReadFile(const std::string& path, std::string& out) {
    const File file = openFile(path, "r");
    if (!file) {
        reportOpenFailure(path, "STR36", "STR37");
        out.assign(1, ' ');
        return 0;
    }
    out = readUpTo(file.get(), out.max_size());
    std::replace(out.begin(), out.end(), '\0', ' ');
    return 1;
}

int StrAppendToFile(const std::string& path, std::string_view text) {
    const File file = openFile(path, "a");
    if (!file) {
        reportOpenFailure(path, "STR57", "STR56");
        return 0;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    return written && std::fflush(file.get()) == 0 ? 1 : 0;
}

int StrAppendLineFromFile(std::FILE* file, std::string& text) {
    int c;
    while ((c = std::getc(file)) != EOF && c != '\n') text.push_back(static_cast<char>(c));
    return c;
}

std::optional<std::string> StrFindInFile(const std::string& path, std::string_view pattern) {
    const File file = openFile(path, "r");
    if (!file) return std::nullopt;
    const std::string data = readUpTo(file.get(), kStrFindInFileLimit);
    const auto match = findStarMatch(data, pattern);
    if (!match) return std::nullopt;
    return std::string(*match);
}

int StrRemoveFileIfBlank(const std::string& path) {
    {
        const File file = openFile(path, "r");
        if (!file || holdsGraphic(file.get())) return 0;
    }
    if (std::remove(path.c_str()) == 0) return 1;
    ErrReport(ErrReportContinue, ("Could not remove file " + path).c_str(), "STR54");
    return -1;
}
