#include "toolkit/util/err_report.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "toolkit/util/memory.h"

std::atomic<int64_t> ErrMemoryUsed{0};

namespace {

constexpr char kBell = 7;

std::atomic<ErrFatalSink> fatalSink{nullptr};

void* countedAlloc(int32_t size, const char* /*tag*/) {
    void* block = MemAlloc(size);
    if (block == nullptr) throw std::bad_alloc();
    ErrMemoryUsed.fetch_add(size, std::memory_order_relaxed);
    return block;
}

// Bell, tag, ':' and message, built whole so that concurrent reports do not interleave.
std::string reportLine(const char* message, const char* tag) {
    std::string line(1, kBell);
    line += tag != nullptr ? tag : "";
    line += ':';
    line += message != nullptr ? message : "";
    return line;
}

void writeOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// A lone line end or the end of input is a complete answer; otherwise the rest of the line is dropped.
bool operatorWantsToStop() {
    std::fputs("Do you wish to continue? [Y or N]", stdout);
    std::fflush(stdout);
    int answer = std::getchar();
    if (std::toupper(answer) == 'N') return true;
    int c = answer;
    while (c != '\n' && c != EOF) c = std::getchar();
    return false;
}

}  // namespace

void* ErrAlloc(int32_t size, const char* tag) {
    return countedAlloc(size, tag);
}

void* ErrAllocString(int32_t size, const char* tag) {
    return countedAlloc(size, tag);
}

void ErrFree(void* block) {
    MemFree(block);
}

void ErrReport(int mode, const char* message, const char* tag) {
    switch (mode) {
        case ErrReportContinue:
            writeOut(reportLine(message, tag) + '\n');
            return;
        case ErrReportAsk:
            writeOut(reportLine(message, tag) + '\n');
            if (operatorWantsToStop()) std::exit(-1);
            return;
        case ErrReportFatal: {
            const std::string line = reportLine(message, tag);
            writeOut(line + '\n');
            std::fflush(stdout);
            if (ErrFatalSink sink = fatalSink.load()) sink(line.c_str());
            // Other threads may still run: no exit handlers, no static destructors under their feet.
            std::_Exit(-1);
        }
        default:
            return;
    }
}

void ErrSetFatalSink(ErrFatalSink sink) {
    fatalSink.store(sink);
}

void ErrPrintMemoryUsed() {
    std::printf("Memory used %lld \n", static_cast<long long>(ErrMemoryUsed.load(std::memory_order_relaxed)));
}
