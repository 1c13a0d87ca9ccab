#pragma once
// Validation of an SQL result set (content type 22, AT_SQLResult) before it is converted and sent.
// Validator shape and reporters as in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own; the caller has checked the EXTERNAL's identifier.
// "uASN1.psSQLResult" must be set (64); then every selector and enumeration (66), every member a selector
// chooses (64), the compulsory data types of columns and constructors, an abstract data type's subtypes, a
// named row's columns and a value's data item (64), booleans (72), character-set identifiers (73) and bit
// texts of '0' and '1' only (65). A result nested deeper than kKivMaxSQLResultDepth (kiv_sql_result_depth.h)
// is refused with 76. The first fault ends the validation.
int KivCheckSQLResult(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                      SIError** out);
