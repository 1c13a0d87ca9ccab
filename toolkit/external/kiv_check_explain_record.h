#pragma once
// Validation of an Explain record (content type 12, AT_ExplainRecord) before it is converted and sent.
// Validator shape and reporters as in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own; the caller has checked the EXTERNAL's identifier. In order:
// "uASN1.psExplainRecord" is present (64); the member eExplainRecordType names is present (64, on
// "uASN1.psExplainRecord->uExplainRecord.ps<Category>"), else eExplainRecordType is out of range (66); then
// the category under that member + "->": selectors (66), compulsory members and arrays (64), booleans (72),
// object identifiers (73) and named numbers (66). A value held behind a pointer is reported as "*" + its
// path. The first fault ends the validation. Element descriptions nested deeper than
// kKivMaxExplainElementDepth levels are refused with 76 "<path> IS NESTED DEEPER THAN <limit> LEVELS" (of a
// path too long for the message, its end).
int KivCheckExplainRecord(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                          SIError** out);
