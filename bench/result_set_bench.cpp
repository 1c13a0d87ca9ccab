// Building a search's result set from the keys of one statement (ResultSetBuilder), for 15,000 keys in
// the orders a database delivers them, and combining two such sets.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "Quorvane/results/result_combine.h"
#include "Quorvane/results/result_set_builder.h"

namespace {

constexpr std::size_t kKeys = 15000;
constexpr int kCatalogueSize = 100000;
constexpr std::size_t kRunLength = 23;

enum Order { kAscending, kAscendingRuns, kRandom };

// Distinct record numbers of a 100,000-record catalogue. SQLite answers a title-word search from the
// title index in ascending runs: for the word "guide", 14,717 keys whose one-by-one insertion makes about
// 600 comparisons a key. Runs of 23 random keys cost as many.
std::vector<std::string> fetchOrder(Order order) {
    std::mt19937 random(1);
    std::vector<int> numbers(kCatalogueSize);
    for (int i = 0; i < kCatalogueSize; ++i) numbers[i] = i + 1;
    std::shuffle(numbers.begin(), numbers.end(), random);
    numbers.resize(kKeys);
    if (order == kAscending) std::sort(numbers.begin(), numbers.end());
    if (order == kAscendingRuns) {
        for (std::size_t at = 0; at < numbers.size(); at += kRunLength) {
            std::sort(numbers.begin() + at, numbers.begin() + std::min(at + kRunLength, numbers.size()));
        }
    }
    std::vector<std::string> keys;
    for (int number : numbers) keys.push_back(std::to_string(number));
    return keys;
}

const KeyDefinition& titleKey() {
    static const KeyDefinition key = [] {
        KeyDefinition definition;
        definition.keyText = "TITLES.TITLE_NO";
        definition.table = "TITLES";
        definition.column = "TITLE_NO";
        return definition;
    }();
    return key;
}

ResultSet built(const std::vector<std::string>& keys) {
    ResultSetBuilder builder(titleKey());
    for (const std::string& key : keys) builder.add(key);
    return builder.finish();
}

void buildResultSet(benchmark::State& state) {
    const std::vector<std::string> keys = fetchOrder(static_cast<Order>(state.range(0)));
    for (auto _ : state) {
        ResultSet rows = built(keys);
        benchmark::DoNotOptimize(rows.rowCount());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}

// Two sets of 15,000 keys each (different seeds), combined: argument 0 AND, 1 OR.
void combineResultSets(benchmark::State& state) {
    const std::vector<std::string> keys = fetchOrder(kRandom);
    std::vector<std::string> others = keys;
    std::reverse(others.begin(), others.end());
    for (std::string& key : others) key = std::to_string(std::stoi(key) / 2 + 1);
    const ResultSet left = built(keys);
    for (auto _ : state) {
        state.PauseTiming();
        ResultSet a = built(keys);
        ResultSet b = built(others);
        state.ResumeTiming();
        ResultSet rows = state.range(0) == 0 ? IntersectResults(std::move(a), std::move(b))
                                             : UnionResults(std::move(a), std::move(b));
        benchmark::DoNotOptimize(rows.rowCount());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * left.rowCount() * 2));
}

// Argument: 0 ascending, 1 ascending runs, 2 random.
BENCHMARK(buildResultSet)->Arg(kAscending)->Arg(kAscendingRuns)->Arg(kRandom)->Unit(benchmark::kMillisecond);
BENCHMARK(combineResultSets)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
