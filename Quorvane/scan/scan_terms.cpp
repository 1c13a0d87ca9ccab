#include "Quorvane/scan/scan_terms.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "Quorvane/database/diag_info_batch.h"
#include "Quorvane/database/fetch_rows.h"
#include "Quorvane/database/sql_substitution.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/scan/scan_definitions.h"
#include "Quorvane/scan/scan_window.h"

namespace {

// The text of a row's column counting from 1: 0 or less names the first column, one beyond the row its
// last; an empty text for a column without a value.
std::string columnText(const FetchedRow& row, std::int32_t column) {
    if (row.empty()) return {};
    const std::size_t index =
        column <= 1 ? 0 : std::min(static_cast<std::size_t>(column) - 1, row.size() - 1);
    return row[index].value.value_or("");
}

// The leading decimal digits of the text; 0 when there are none or they do not fit.
std::uint32_t decimalValue(const std::string& text) {
    std::uint32_t value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) return 0;
    return value;
}

// The terms of the window, in statement order.
Bib1Result<std::vector<ScanTerm>> runWindow(SessionRecord& session, const ScanMapping& mapping,
                                            const ScanWindow& window) {
    std::string statement = mapping.statement;
    SubstituteQuoted(statement, kScanLowBoundPlaceholder, window.low());
    SubstituteQuoted(statement, kScanHighBoundPlaceholder, window.high());
    Bib1Result<std::vector<FetchedRow>> rows = FetchRows(session, statement);
    if (!rows) return rows.outcome();
    std::vector<ScanTerm> terms;
    terms.reserve(rows->size());
    for (const FetchedRow& row : *rows) {
        terms.push_back(ScanTerm{decimalValue(columnText(row, mapping.hitsColumn)),
                                 columnText(row, mapping.termColumn),
                                 columnText(row, mapping.returnTermColumn)});
    }
    return terms;
}

// Logs the range and the window's terms, and keeps the terms at positions start to end (from 1).
ScanTermList keepRange(std::vector<ScanTerm> terms, std::int64_t start, std::int64_t end,
                       std::int64_t positionOfTerm) {
    DiagInfoBatch diagnostics;
    diagnostics.add("start " + std::to_string(start) + " : end " + std::to_string(end));
    for (std::size_t i = 0; i < terms.size(); ++i)
        diagnostics.add(std::to_string(i + 1) + " : " + terms[i].term);

    ScanTermList list;
    list.positionOfTerm = static_cast<std::uint32_t>(positionOfTerm);
    const auto total = static_cast<std::int64_t>(terms.size());
    for (std::int64_t position = std::max<std::int64_t>(start, 1); position <= std::min(end, total);
         ++position) {
        list.terms.push_back(std::move(terms[static_cast<std::size_t>(position - 1)]));
    }
    return list;
}

// The position of the list's first term in the window when the term at position p is to stand at the
// preferred position: at least 1.
std::int64_t firstPosition(std::int64_t p, std::int64_t preferred) {
    return std::max<std::int64_t>(1, p - preferred + 1);
}

// The count terms from firstPosition on.
ScanTermList keepAround(std::vector<ScanTerm> terms, std::int64_t p, std::int64_t count,
                        std::int64_t preferred) {
    const std::int64_t start = firstPosition(p, preferred);
    return keepRange(std::move(terms), start, start + count - 1, p - start + 1);
}

// Widens one side of the window by the given steps and doubles them for its next widening: a side that
// needs many steps gets them in a few statements, and the window holds at most twice what it needed.
void widenBy(ScanWindow& window, void (ScanWindow::*widen)(), int& steps) {
    for (int i = 0; i < steps; ++i) (window.*widen)();
    steps *= 2;
}

}  // namespace

Bib1Result<ScanTermList> CollectScanTerms(SessionRecord& session, std::int32_t useValue,
                                          const std::string& term, std::uint32_t count,
                                          std::uint32_t preferredPosition) {
    const ScanMapping* mapping = session.currentScanDefinition != nullptr
                                     ? FindScanMapping(*session.currentScanDefinition, useValue)
                                     : nullptr;
    if (mapping == nullptr) return Bib1Outcome::failure(kConditionUnsupportedUseAttribute);
    const std::int64_t wanted = std::min(count, kMaxScanTerms);
    const std::int64_t preferred = std::min<std::int64_t>(preferredPosition, wanted + 1);

    ScanWindow window(term);
    int stepsUp = 1;
    int stepsDown = 1;
    for (int round = 0; round < kMaxScanRounds; ++round) {
        Bib1Result<std::vector<ScanTerm>> terms = runWindow(session, *mapping, window);
        if (!terms) return terms.outcome();
        const auto total = static_cast<std::int64_t>(terms->size());
        auto found = std::find_if(terms->begin(), terms->end(), [&term](const ScanTerm& candidate) {
            return candidate.term.compare(term) >= 0;
        });
        bool widenHigh = false;
        bool widenLow = false;
        if (found == terms->end()) {
            // No term at or after the scanned one: it lies beyond the index only once the high side is open.
            widenHigh = !window.openAbove();
            widenLow = total < wanted && !window.openBelow();
            if (!widenHigh && !widenLow) {
                const std::int64_t start = std::max<std::int64_t>(1, total - wanted + 1);
                return keepRange(std::move(*terms), start, total, total - start + 2);
            }
        } else {
            const std::int64_t p = found - terms->begin() + 1;
            widenHigh = firstPosition(p, preferred) + wanted - 1 > total && !window.openAbove();
            widenLow = p < preferred && !window.openBelow();
            if (!widenHigh && !widenLow) return keepAround(std::move(*terms), p, wanted, preferred);
        }
        if (widenHigh) widenBy(window, &ScanWindow::widenUp, stepsUp);
        if (widenLow) widenBy(window, &ScanWindow::widenDown, stepsDown);
    }
    return Bib1Outcome::failure(kConditionScanResourcesExhausted);
}
