#include "Quorvane/present/present_settings.h"

#include <optional>

#include "Quorvane/config/ini_readers.h"

namespace {

constexpr const char* kPresentSection = "Present";

}  // namespace

PresentSettings ReadPresentSettings() {
    PresentSettings settings;
    std::optional<std::string> syntax = GetIniStringOptional(kPresentSection, "pcDefaultRecordSyntax");
    if (syntax && !syntax->empty()) settings.defaultSyntax = *syntax;
    std::optional<std::string> format = GetIniStringOptional(kPresentSection, "pcDefaultRecordFormat");
    if (format) settings.defaultFull = !format->empty() && (format->front() == 'F' || format->front() == 'f');
    const int maximum = GetIniInt(kPresentSection, "ulMaximumRequestRecords");
    if (maximum > 0) settings.maximumRecords = static_cast<std::uint32_t>(maximum);
    return settings;
}
