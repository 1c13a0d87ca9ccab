#pragma once
// One connection of a load run: Init once, then Search (and Present) in a loop.

#include <cstdint>
#include <cstdio>
#include <latch>
#include <string>
#include <vector>

#include "bench/load_client_options.h"
#include "bench/load_client_queries.h"

struct SessionTotals {
    std::vector<double> searchMs;   // one latency per Search, send to whole response
    std::vector<double> presentMs;  // one per Present
    int64_t failedSearches = 0;     // search status false
    int64_t zeroHitSearches = 0;
    int64_t hits = 0;
    int64_t unsuccessfulPresents = 0;  // present status other than success
    int64_t records = 0;
    int64_t surrogates = 0;
    int64_t badMarc = 0;
    int64_t recordOctets = 0;
    std::string serverName;         // from the Init response
    std::string searchDiagnostic;   // the first one met
    std::string presentDiagnostic;  // likewise
    std::string error;              // what ended the session early; "" when it ran its course
};

// Connects and initialises, counts down ready (also when that fails) and waits for every other session,
// then runs until options.seconds have passed or options.searches are done. The queries are drawn at
// random from a sequence seeded with the session's index.
void runLoadSession(const LoadOptions& options, const std::vector<LoadQuery>& queries, int index,
                    std::latch& ready, SessionTotals* totals);

// Sends each query once, in order, on one connection and writes a line per query to out: the hit count
// (or "diagnostic" and its text), a tab, the query. Throws std::runtime_error when the connection fails.
void writeHitList(const LoadOptions& options, const std::vector<LoadQuery>& queries, std::FILE* out);

// Adds one session's totals into all (samples appended; the first diagnostic and error kept).
void addSessionTotals(SessionTotals* all, SessionTotals&& one);
