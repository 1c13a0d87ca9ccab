#include "bench/load_client_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

double percentile(const std::vector<double>& sorted, double p) {
    size_t rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

}  // namespace

LatencySummary summariseLatencies(std::vector<double>& milliseconds) {
    LatencySummary summary;
    summary.count = milliseconds.size();
    if (milliseconds.empty()) return summary;
    std::sort(milliseconds.begin(), milliseconds.end());
    summary.p50 = percentile(milliseconds, 50);
    summary.p90 = percentile(milliseconds, 90);
    summary.p99 = percentile(milliseconds, 99);
    summary.max = milliseconds.back();
    return summary;
}

std::string latencyLine(const LatencySummary& summary) {
    if (summary.count == 0) return "no samples";
    char line[160];
    std::snprintf(line, sizeof line, "p50 %.2f  p90 %.2f  p99 %.2f  max %.2f ms", summary.p50, summary.p90,
                  summary.p99, summary.max);
    return line;
}
