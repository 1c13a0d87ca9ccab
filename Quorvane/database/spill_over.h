#pragma once
// Spill-over text: a MARC field whose data continues in a text of its own, found by number.

#include <cstddef>
#include <string>

#include "Quorvane/database/record_field.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

struct SessionRecord;

// The MARC holdings block's EXTRANO and DATA column names and its SPILLOVER statement.
struct SpillOverColumns {
    std::string extraNo;
    std::string data;
    std::string statement;
};

// Spill-over text is fetched into 30000 octets and appended cut to 29999.
inline constexpr std::size_t kSpillOverSize = 30000;

// For one row's fields: when the row has an EXTRANO field whose value's decimal number is not 0 and a
// DATA field without the extended flag, the SPILLOVER statement with every "XXXXX" replaced by the
// EXTRANO value (quotes doubled) runs on the catalogue connection (never connecting); the text of its
// first row is appended to the DATA value, which gets the extended flag. A statement that cannot be
// prepared fails with its condition; binding and execution failures are only reported ("Sarvik Error SO:
// ...").
Bib1Outcome ExtendFieldValue(const FieldRow& rowFields, const SpillOverColumns& spillOver,
                             const SessionRecord& session);
