// Load client: drives a running Z39.50 server with N concurrent associations. Each does Init once, then
// Searches in a loop (optionally each followed by a Present of N USMARC records), and the run
// prints throughput and latency percentiles for Search and Present.
//
//   load_client --port 2100 --connections 8 --seconds 30 --present 10
//
// Exit status: 0 when every connection ran its course, 1 when one failed, 2 for bad options.
#include <chrono>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "bench/load_client_options.h"
#include "bench/load_client_session.h"
#include "bench/load_client_stats.h"
#include "bench/load_client_words.h"

namespace {

double perSecond(size_t count, double seconds) {
    return seconds > 0 ? static_cast<double>(count) / seconds : 0;
}

void printReport(const LoadOptions& options, SessionTotals& all, double seconds, int failedSessions) {
    LatencySummary search = summariseLatencies(all.searchMs);
    LatencySummary present = summariseLatencies(all.presentMs);
    std::printf("server: %s\n", all.serverName.empty() ? "(no Init response)" : all.serverName.c_str());
    std::printf("run: %.2f s, %d connections (%d failed)\n", seconds, options.connections, failedSessions);
    const int64_t answered = static_cast<int64_t>(search.count) - all.failedSearches;
    std::printf("searches: %zu, %.1f/s; failed %lld, no hits %lld, mean hits %.1f\n", search.count,
                perSecond(search.count, seconds), static_cast<long long>(all.failedSearches),
                static_cast<long long>(all.zeroHitSearches),
                answered > 0 ? static_cast<double>(all.hits) / static_cast<double>(answered) : 0.0);
    std::printf("search latency: %s\n", latencyLine(search).c_str());
    if (!all.searchDiagnostic.empty())
        std::printf("first search diagnostic: %s\n", all.searchDiagnostic.c_str());
    if (options.present > 0) {
        std::printf(
            "presents: %zu, %.1f/s; not successful %lld; records %lld (mean %.0f octets), "
            "surrogate diagnostics %lld, MARC leader mismatches %lld\n",
            present.count, perSecond(present.count, seconds),
            static_cast<long long>(all.unsuccessfulPresents), static_cast<long long>(all.records),
            all.records > 0 ? static_cast<double>(all.recordOctets) / static_cast<double>(all.records) : 0.0,
            static_cast<long long>(all.surrogates), static_cast<long long>(all.badMarc));
        std::printf("present latency: %s\n", latencyLine(present).c_str());
        if (!all.presentDiagnostic.empty())
            std::printf("first present diagnostic: %s\n", all.presentDiagnostic.c_str());
    }
    if (!all.error.empty()) std::printf("first error: %s\n", all.error.c_str());
}

// The queries of the run: the query file's, or one-term searches of the built-in words.
std::vector<LoadQuery> loadQueries(const LoadOptions& options) {
    if (!options.queries.empty()) return readQueryFile(options.queries);
    std::vector<LoadQuery> queries;
    for (std::string_view word : loadClientWords())
        queries.push_back(LoadQuery{std::string(word), useAttributeQuery(options.useAttribute, std::string(word))});
    return queries;
}

int writeHitListFile(const LoadOptions& options, const std::vector<LoadQuery>& queries) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(options.hitList.c_str(), "w"), std::fclose);
    if (!out) {
        std::fprintf(stderr, "load_client: cannot write %s\n", options.hitList.c_str());
        return 1;
    }
    try {
        writeHitList(options, queries, out.get());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "load_client: %s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    LoadOptions options;
    bool helpAsked = false;
    std::string message =
        parseLoadOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &helpAsked);
    if (!message.empty()) {
        std::fputs(message.c_str(), helpAsked ? stdout : stderr);
        return helpAsked ? 0 : 2;
    }
    std::vector<LoadQuery> queries;
    try {
        queries = loadQueries(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "load_client: %s\n", error.what());
        return 2;
    }
    if (!options.hitList.empty()) return writeHitListFile(options, queries);
    std::printf("load_client: %s:%s, database %s, ", options.host.c_str(), options.port.c_str(),
                options.database.c_str());
    if (options.queries.empty())
        std::printf("use attribute %d", options.useAttribute);
    else
        std::printf("%zu queries of %s", queries.size(), options.queries.c_str());
    std::printf(", %d connections", options.connections);
    if (options.seconds > 0) std::printf(", %g s", options.seconds);
    if (options.searches > 0) std::printf(", %d searches each", options.searches);
    if (options.present > 0) std::printf(", present %d USMARC", options.present);
    std::printf("\n");

    std::vector<SessionTotals> totals(static_cast<size_t>(options.connections));
    std::latch ready(options.connections);
    std::vector<std::thread> threads;
    for (int i = 0; i < options.connections; ++i)
        threads.emplace_back(runLoadSession, std::cref(options), std::cref(queries), i, std::ref(ready),
                             &totals[static_cast<size_t>(i)]);
    ready.wait();
    const auto start = std::chrono::steady_clock::now();
    for (std::thread& thread : threads) thread.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    SessionTotals all;
    int failedSessions = 0;
    for (SessionTotals& one : totals) {
        if (!one.error.empty()) ++failedSessions;
        addSessionTotals(&all, std::move(one));
    }
    printReport(options, all, seconds, failedSessions);
    return failedSessions == 0 ? 0 : 1;
}
