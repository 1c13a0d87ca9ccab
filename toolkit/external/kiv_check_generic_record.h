#pragma once
// Validation of a GRS-1 record (content type 13, AT_GenericRecord) before it is converted and sent.
// Validator shape and reporters as in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own ("...uExternalValue.psSingleASN1Type->"); the caller has checked the
// EXTERNAL's identifier. In order: "uASN1.psGenericRecord" and its "->ppsTaggedElement" are present (64);
// then every element under "ppsTaggedElement[i]->": its tag value, its content (a subtree's elements in
// full), its metadata and its applied variant. The first fault ends the validation. A record whose element
// lists nest deeper than kKivMaxGenericRecordDepth levels is refused with 76 "<path>uASN1.psGenericRecord IS
// NESTED DEEPER THAN <limit> LEVELS" (of a path too long for the message, its end).
int KivCheckGenericRecord(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                          SIError** out);
