#pragma once
// Validation of a character-set and language negotiation record (content type 18, AT_CharSetAndLanguage)
// before it is converted and sent. Validator shape and reporters as in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own ("...uExternalValue.psSingleASN1Type->"); the caller has checked the
// EXTERNAL's identifier. "uASN1.psCharSetAndLanguage" must be set (64); then its selector (66) and the
// proposal or response it names (64), every selector below (66), every compulsory member (64), the object
// identifiers (73, also for one that would encode empty), an externally specified set as an EXTERNAL, and an
// optional boolean (72, on its path with "*" in front). Set numbers, initial sets, left-and-right values and
// languages pass whatever they hold. The first fault ends the validation.
int KivCheckCharSetAndLanguage(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                               SIError** out);
