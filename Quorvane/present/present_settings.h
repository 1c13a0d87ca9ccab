#pragma once
// The [Present] settings of the configuration file, read anew for every Present.

#include <cstdint>
#include <string>

#include "Quorvane/present/record_syntaxes.h"

struct PresentSettings {
    // pcDefaultRecordSyntax: the record syntax of a request that names none; SUTRS when the key is missing
    // or empty.
    std::string defaultSyntax = std::string(kSutrsRecordSyntax);
    // pcDefaultRecordFormat: full definitions when missing or its first character is 'F' or 'f', else brief.
    bool defaultFull = true;
    // ulMaximumRequestRecords: the most records one Present returns; 0 (also for a value below 1) for no
    // limit.
    std::uint32_t maximumRecords = 0;
};

PresentSettings ReadPresentSettings();
