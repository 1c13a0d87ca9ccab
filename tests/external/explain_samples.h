#pragma once
// Hand-built Explain records, one per category, each with most of its members set, for the conversion,
// validation and trace tests.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/api/carried_records_samples.h"
#include "toolkit/api/kivproto.h"

namespace explain_test {

inline constexpr const char* kExplainOid = "1.2.840.10003.5.100";
inline constexpr const char* kExplainIsoOid = "1.0.10163.5.100";

struct NamedExplainRecord {
    const char* name;
    std::function<std::unique_ptr<KivExplainRecord>()> make;
};

// The seventeen categories, in selector order.
const std::vector<NamedExplainRecord>& everyCategory();

// A single-ASN1-type holding the record, as an EXTERNAL under oid carries it.
std::unique_ptr<KivExternal> explainExternal(std::unique_ptr<KivExplainRecord> record,
                                             const char* oid = kExplainOid);

// A schema whose record structure nests element descriptions `levels` deep through structured data types.
std::unique_ptr<KivExplainRecord> nestedSchema(int levels);

using carried::text;
KivHumanStrings human(const std::string& value);

}  // namespace explain_test
