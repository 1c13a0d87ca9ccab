#include "Quorvane/log/log_file_append.h"

#include "Quorvane/log/log_files.h"
#include "toolkit/util/text_escape.h"

void appendLineToFile(const std::string& name, std::string_view text) {
    std::string line = escapeControlText(text);
    line += '\n';
    writeLogLines(name, line);
}

void appendDetailLineToFile(const std::string& name, std::string_view text) {
    if (logDetailEnabled()) appendLineToFile(name, text);
}

void appendDetailLinesToFile(const std::string& name, std::string_view lines) {
    if (!logDetailEnabled()) return;
    std::string text(lines);
    text += '\n';
    writeLogLines(name, text);
}
