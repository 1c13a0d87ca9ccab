// Building a search's row list from the keys of one statement: one by one into the sorted list
// (InsertResultRow) against gathering and sorting once (ResultRowCollector), for 15,000 keys in the
// orders a database delivers them.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "Quorvane/results/result_insert.h"
#include "Quorvane/results/result_row_collector.h"

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

void insertOneByOne(benchmark::State& state) {
    const std::vector<std::string> keys = fetchOrder(static_cast<Order>(state.range(0)));
    for (auto _ : state) {
        DblList* rows = CreateRowList();
        for (const std::string& key : keys) InsertResultRow(rows, key, titleKey());
        benchmark::DoNotOptimize(rows->first);
        ListDestroy(rows);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}

void collectAndSort(benchmark::State& state) {
    const std::vector<std::string> keys = fetchOrder(static_cast<Order>(state.range(0)));
    for (auto _ : state) {
        ResultRowCollector collector(titleKey());
        for (const std::string& key : keys) collector.add(key);
        DblList* rows = collector.finish();
        benchmark::DoNotOptimize(rows->first);
        ListDestroy(rows);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}

// Argument: 0 ascending, 1 ascending runs, 2 random.
BENCHMARK(insertOneByOne)->Arg(kAscending)->Arg(kAscendingRuns)->Arg(kRandom)->Unit(benchmark::kMillisecond);
BENCHMARK(collectAndSort)->Arg(kAscending)->Arg(kAscendingRuns)->Arg(kRandom)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
