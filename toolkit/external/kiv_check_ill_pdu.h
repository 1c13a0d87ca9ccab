#pragma once
// Validation of an interlibrary-loan APDU (content type 10, AT_IllPdu) before it is converted and sent.
// Validator shape and reporters as in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own; the caller has checked the EXTERNAL's identifier. "uASN1.psIllPdu"
// must be present (64), its kind 1 or 19 (66 on "eIllPduType") with its body present (64); then the
// ILL-Request or the Status-Or-Error-Report field by field. The first fault ends the validation. A value out
// of range of an optional enumeration is reported on a path with "*" in front. The held medium type 2, which
// has no wire value, is refused (66); so is an extension other than 800.
int KivCheckIllPdu(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path, SIError** out);
