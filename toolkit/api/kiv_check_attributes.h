#pragma once
// Validation of attributes, terms and units before they are converted. Validator shape and reporters as in
// kiv_validation.h: (association, structure, path so far, error out) -> 0 valid, 1 after reporting the first
// fault under the path followed by the field's name.

#include <string>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_units.h"
#include "toolkit/util/si_error.h"

// eStringOrNumeric 1 needs "uStringOrNumeric.psString" (64); 2 passes; anything else 66 on
// "eStringOrNumeric".
int KivCheckStringOrNumeric(KivAssocId assoc, const KivStringOrNumeric* value, const std::string& path,
                            SIError** out);
// 0 for null, else KivCheckStringOrNumeric.
int KivCheckOptionalStringOrNumeric(KivAssocId assoc, const KivStringOrNumeric* value,
                                    const std::string& path, SIError** out);
// Null passes; psUnitType and psUnit, when set, on "psUnitType->" and "psUnit->".
int KivCheckUnit(KivAssocId assoc, const KivUnit* unit, const std::string& path, SIError** out);
// The unit on "sUnitUsed.".
int KivCheckIntUnit(KivAssocId assoc, const KivIntUnit* value, const std::string& path, SIError** out);
// 0 for null, else KivCheckIntUnit.
int KivCheckOptionalIntUnit(KivAssocId assoc, const KivIntUnit* value, const std::string& path,
                            SIError** out);

// A set pcAttributeSetId that is not an encodable identifier (73, kiv_check_encoded_oid.h); then the value on
// "sAttributeValue.": 1 passes, 2 needs "uAttributeValue.psComplexValue" (64) and checks it on that name +
// "->", anything else 66 on "eAttributeValueType".
int KivCheckAttributeElement(KivAssocId assoc, const KivAttributeElement* element, const std::string& path,
                             SIError** out);
// ppsList is compulsory (64 on "ppsList"); each entry on "ppsList[i]->".
int KivCheckComplexValue(KivAssocId assoc, const KivComplexValue* value, const std::string& path,
                         SIError** out);
// The attribute array of a structure at path: compulsory (64 on "ppsAttributeElement"), each element on
// "ppsAttributeElement[i]->"; an empty array passes.
int KivCheckAttributeList(KivAssocId assoc, const KivArray<KivAttributeElement>* list,
                          const std::string& path, SIError** out);
// The attribute array (KivCheckAttributeList), then the term on "sTerm.".
int KivCheckAttributesPlusTerm(KivAssocId assoc, const KivAttributesPlusTerm* value, const std::string& path,
                               SIError** out);
// eTermType outside 1..8: 66 on "eTermType"; then the member the type needs (64 on "uTerm.<member>"; an
// object identifier that is absent or not encodable, 73 on "uTerm.pcObjectIdentifier") and the check of an
// EXTERNAL or IntUnit on the member's name + "->".
int KivCheckTerm(KivAssocId assoc, const KivTerm* term, const std::string& path, SIError** out);
// 0 for null, else KivCheckTerm.
int KivCheckOptionalTerm(KivAssocId assoc, const KivTerm* term, const std::string& path, SIError** out);
