#include "Quorvane/present/present_settings.h"

#include <optional>

#include "Quorvane/config/ini_readers.h"

namespace {

constexpr const char* kPresentSection = "Present";

// Megabytes as octets; a value below 0 counts as 0 (no limit).
std::size_t budgetOf(const char* key, std::size_t defaultMB) {
    const int megabytes = GetIniInt(kPresentSection, key, static_cast<int>(defaultMB));
    return megabytes > 0 ? static_cast<std::size_t>(megabytes) << 20 : 0;
}

}  // namespace

PresentSettings ReadPresentSettings() {
    PresentSettings settings;
    std::optional<std::string> syntax = GetIniStringOptional(kPresentSection, "pcDefaultRecordSyntax");
    if (syntax && !syntax->empty()) settings.defaultSyntax = *syntax;
    std::optional<std::string> format = GetIniStringOptional(kPresentSection, "pcDefaultRecordFormat");
    if (format) settings.defaultFull = !format->empty() && (format->front() == 'F' || format->front() == 'f');
    const int maximum = GetIniInt(kPresentSection, "ulMaximumRequestRecords");
    if (maximum > 0) settings.maximumRecords = static_cast<std::uint32_t>(maximum);
    settings.requestBudget = budgetOf("ulRequestBudgetMB", kDefaultRequestBudgetMB);
    settings.processBudget = budgetOf("ulProcessBudgetMB", kDefaultProcessBudgetMB);
    return settings;
}
