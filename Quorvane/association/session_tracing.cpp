#include "Quorvane/association/session_tracing.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "toolkit/session/trace_parameter.h"

namespace {

constexpr std::size_t kMaxWidthDigits = 2;

// Parses the directive that starts after a '%' at text[at]; on success appends the counter and answers the
// index after the 'd'.
std::optional<std::size_t> substituteDirective(std::string_view text, std::size_t at, int counter,
                                               std::string& out) {
    const bool zeroPad = at < text.size() && text[at] == '0';
    if (zeroPad) ++at;
    std::size_t width = 0;
    std::size_t digits = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < kMaxWidthDigits) {
        width = width * 10 + static_cast<std::size_t>(text[at] - '0');
        ++at;
        ++digits;
    }
    if (at >= text.size() || text[at] != 'd') return std::nullopt;
    std::string number = std::to_string(counter);
    const bool negative = counter < 0;
    if (number.size() < width) {
        const std::size_t fill = width - number.size();
        if (zeroPad) {
            number.insert(negative ? 1 : 0, fill, '0');
        } else {
            number.insert(0, fill, ' ');
        }
    }
    out += number;
    return at + 1;
}

}  // namespace

std::optional<std::string> FormatTraceFileName(std::string_view pattern, int counter) {
    std::string name;
    int directives = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        if (pattern[i] != '%') {
            name += pattern[i++];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            name += '%';
            i += 2;
            continue;
        }
        std::optional<std::size_t> next = substituteDirective(pattern, i + 1, counter, name);
        if (!next || ++directives > 1) return std::nullopt;
        i = *next;
    }
    if (directives != 1) return std::nullopt;
    return name;
}

int NextTraceCounter() {
    static std::mutex counterMutex;
    std::lock_guard<std::mutex> lock(counterMutex);

    int counter = 1;
    std::ifstream in(kTraceCounterName, std::ios::binary);
    if (in) {
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        const char* start = text.c_str();
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(start, &end, 10);
        if (end != start && errno == 0 && value >= INT_MIN && value < INT_MAX) {
            counter = static_cast<int>(value) + 1;
        }
    }
    std::ofstream(kTraceCounterName, std::ios::binary | std::ios::trunc) << counter;
    return counter;
}

int SetUpTracing(KivAssocId assocId, SessionRecord& record) {
    if (GetIniInt("Tracing", "trace") == 0) return 0;
    const std::string pattern = GetIniPath("Tracing", "tracefile");
    if (FormatTraceFileName(pattern, 0) == std::nullopt) {
        LogMessage("Trace file name pattern " + pattern + " must hold exactly one %d");
        return 0;
    }
    const std::optional<std::string> name = FormatTraceFileName(pattern, NextTraceCounter());
    record.traceFile.reset(std::fopen(name->c_str(), "w"));
    if (record.traceFile != nullptr) {
        SIError* error = nullptr;
        SISetTraceParameter(assocId, record.traceFile.get(), Trace_High, &error);
        SIFreeError(&error);
    }
    return 0;
}
