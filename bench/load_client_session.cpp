#include "bench/load_client_session.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <stdexcept>

#include "bench/load_client_apdus.h"
#include "bench/load_client_connection.h"

namespace {

using Clock = std::chrono::steady_clock;

// A response that takes longer than this ends the session as failed.
constexpr int kReceiveTimeoutSeconds = 120;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void keepFirst(std::string* kept, const std::string& candidate) {
    if (kept->empty()) *kept = candidate;
}

void searchAndPresent(const LoadOptions& options, LoadConnection& connection, const QueryNode& query,
                      SessionTotals* totals) {
    ApduOctets request = searchRequestApdu(options.database, query);
    Clock::time_point start = Clock::now();
    connection.send(request);
    SearchOutcome search = readSearchResponse(connection.receiveApdu());
    totals->searchMs.push_back(millisecondsSince(start));
    if (!search.success) {
        ++totals->failedSearches;
        keepFirst(&totals->searchDiagnostic, search.diagnostic);
        return;
    }
    totals->hits += search.resultCount;
    if (search.resultCount <= 0) {
        ++totals->zeroHitSearches;
        return;
    }
    if (options.present == 0) return;

    request = presentRequestApdu(std::min(options.present, search.resultCount));
    start = Clock::now();
    connection.send(request);
    PresentOutcome present = readPresentResponse(connection.receiveApdu());
    totals->presentMs.push_back(millisecondsSince(start));
    if (present.presentStatus != 0) ++totals->unsuccessfulPresents;
    totals->records += present.records;
    totals->surrogates += present.surrogates;
    totals->badMarc += present.badMarc;
    totals->recordOctets += present.recordOctets;
    keepFirst(&totals->presentDiagnostic, present.diagnostic);
}

}  // namespace

// A connection with its Init accepted; returns the server's implementation name.
std::string initialise(LoadConnection& connection) {
    connection.send(initRequestApdu());
    InitOutcome init = readInitResponse(connection.receiveApdu());
    if (!init.accepted) throw std::runtime_error("Init rejected");
    return init.implementation;
}

void runLoadSession(const LoadOptions& options, const std::vector<LoadQuery>& queries, int index,
                    std::latch& ready, SessionTotals* totals) {
    bool counted = false;
    try {
        LoadConnection connection(options.host, options.port, kReceiveTimeoutSeconds);
        totals->serverName = initialise(connection);

        counted = true;
        ready.arrive_and_wait();
        const Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                              std::chrono::duration<double>(options.seconds));
        std::mt19937 random(static_cast<uint32_t>(index) + 1);
        std::uniform_int_distribution<size_t> pick(0, queries.size() - 1);
        for (int64_t done = 0; options.searches == 0 || done < options.searches; ++done) {
            if (options.seconds > 0 && Clock::now() >= deadline) break;
            searchAndPresent(options, connection, *queries[pick(random)].root, totals);
        }
    } catch (const std::exception& error) {
        totals->error = "connection " + std::to_string(index + 1) + ": " + error.what();
        if (!counted) ready.count_down();
    }
}

void writeHitList(const LoadOptions& options, const std::vector<LoadQuery>& queries, std::FILE* out) {
    LoadConnection connection(options.host, options.port, kReceiveTimeoutSeconds);
    initialise(connection);
    for (const LoadQuery& query : queries) {
        connection.send(searchRequestApdu(options.database, *query.root));
        SearchOutcome search = readSearchResponse(connection.receiveApdu());
        if (search.success)
            std::fprintf(out, "%d\t%s\n", search.resultCount, query.text.c_str());
        else
            std::fprintf(out, "diagnostic %s\t%s\n", search.diagnostic.c_str(), query.text.c_str());
    }
}

void addSessionTotals(SessionTotals* all, SessionTotals&& one) {
    all->searchMs.insert(all->searchMs.end(), one.searchMs.begin(), one.searchMs.end());
    all->presentMs.insert(all->presentMs.end(), one.presentMs.begin(), one.presentMs.end());
    all->failedSearches += one.failedSearches;
    all->zeroHitSearches += one.zeroHitSearches;
    all->hits += one.hits;
    all->unsuccessfulPresents += one.unsuccessfulPresents;
    all->records += one.records;
    all->surrogates += one.surrogates;
    all->badMarc += one.badMarc;
    all->recordOctets += one.recordOctets;
    keepFirst(&all->serverName, one.serverName);
    keepFirst(&all->searchDiagnostic, one.searchDiagnostic);
    keepFirst(&all->presentDiagnostic, one.presentDiagnostic);
    keepFirst(&all->error, one.error);
}
