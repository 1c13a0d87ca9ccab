#pragma once
// The [Present] settings of the configuration file, read anew for every Present.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Quorvane/present/record_syntaxes.h"

inline constexpr std::size_t kDefaultRequestBudgetMB = 64;
inline constexpr std::size_t kDefaultProcessBudgetMB = 512;

struct PresentSettings {
    // pcDefaultRecordSyntax: the record syntax of a request that names none; SUTRS when the key is missing
    // or empty.
    std::string defaultSyntax = std::string(kSutrsRecordSyntax);
    // pcDefaultRecordFormat: full definitions when missing or its first character is 'F' or 'f', else brief.
    bool defaultFull = true;
    // ulMaximumRequestRecords: the most records one Present returns; 0 (also for a value below 1) for no
    // limit.
    std::uint32_t maximumRecords = 0;
    // ulRequestBudgetMB: the octets of records one Present may build (fetched fields, column areas and
    // packaged records); ulProcessBudgetMB: those of every request and present cache together. A missing
    // key gives the default; 0 for no limit.
    std::size_t requestBudget = kDefaultRequestBudgetMB << 20;
    std::size_t processBudget = kDefaultProcessBudgetMB << 20;
};

PresentSettings ReadPresentSettings();
