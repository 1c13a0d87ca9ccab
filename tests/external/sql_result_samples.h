#pragma once
// SQL result sets for the conversion and validation tests.

#include <memory>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_sql_result.h"

namespace sql_test {

inline constexpr const char* kSqlOid = "1.2.840.10003.5.111";

// Every descriptor kind, every predefined type, every value kind and every optional member filled.
KivSQLResult fullResult();

// An EXTERNAL carrying the result under oid.
std::unique_ptr<KivExternal> sqlExternal(KivSQLResult result, const char* oid = kSqlOid);

// A descriptor of the predefined type.
std::unique_ptr<KivSQLDataTypeDescriptor> predefined(KivSQLPredefinedTypeDescriptorChoice choice);

}  // namespace sql_test
