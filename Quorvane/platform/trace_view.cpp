#include "Quorvane/platform/trace_view.h"

#include <fstream>

namespace platform {

TraceView::TraceView(std::ostream& out, std::size_t keptLimit) : out_(out), keptLimit_(keptLimit) {}

void TraceView::appendLine(std::string_view text) {
    std::lock_guard<std::mutex> lock(mutex_);
    out_ << text << '\n' << std::flush;
    lines_.emplace_back(text);
    keptSize_ += text.size() + 1;
    while (keptSize_ > keptLimit_ && !lines_.empty()) {
        keptSize_ -= lines_.front().size() + 1;
        lines_.pop_front();
    }
}

void TraceView::showLine(std::string_view text) {
    std::lock_guard<std::mutex> lock(mutex_);
    out_ << text << '\n' << std::flush;
}

void TraceView::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
    keptSize_ = 0;
}

std::string TraceView::text() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string content;
    content.reserve(keptSize_);
    for (const std::string& line : lines_) {
        content += line;
        content += '\n';
    }
    return content;
}

bool TraceView::save(const std::string& path) const {
    std::string content = text();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    file.close();
    return static_cast<bool>(file);
}

}  // namespace platform
