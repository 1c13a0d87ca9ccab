#pragma once
// Latency samples and their summary.

#include <string>
#include <vector>

struct LatencySummary {
    size_t count = 0;
    double p50 = 0, p90 = 0, p99 = 0, max = 0;  // milliseconds
};

// Nearest-rank percentiles of the samples (sorted in place).
LatencySummary summariseLatencies(std::vector<double>& milliseconds);

// "p50 1.23  p90 2.34  p99 5.67  max 12.3 ms", or "no samples".
std::string latencyLine(const LatencySummary& summary);
