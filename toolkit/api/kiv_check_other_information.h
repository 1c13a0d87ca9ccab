#pragma once
// Validation of an OtherInformation array before it is converted. Validator shape and reporters as in
// kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path ends with the array's name; an absent array passes. Each item up to the first null one is checked on
// path + "[i]->", and the first fault ends the walk: a set psInfoCategory's pcCategoryTypeId that is not an
// encodable identifier (73 on "psInfoCategory->pcCategoryTypeId"); then by eInformationType the member it
// needs (64 on "uInformation.<member>"), the EXTERNAL's check on its name + "->", an object identifier that
// is not encodable (73); any other type 66 on "eInformationType".
int KivCheckOtherInformation(KivAssocId assoc, const KivArray<KivOtherInformation>* items,
                             const std::string& path, SIError** out);
