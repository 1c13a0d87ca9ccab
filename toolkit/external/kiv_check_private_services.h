#pragma once
// Validation of the private Print, Alert and COrder packages (content types 15, 16 and 17) before they are
// converted and sent. Validator shape and reporters as in kiv_validation.h; the caller has checked the
// EXTERNAL's identifier. Each refuses, first fault only, a missing package (64 on "uASN1.<member>"), a
// selector out of its values (66) and a missing member that a selector chooses (64); texts, numbers and
// ranges pass as they are.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// Also checks the record composition of a result-set or accession reference.
int KivCheckPrintExtendedService(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                                 SIError** out);
int KivCheckAlertExtendedService(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                                 SIError** out);
// A normal order needs its "ppsOrderRanges" (64); the references of a request or response are compulsory
// (64) but may be empty.
int KivCheckCOrder(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path, SIError** out);
