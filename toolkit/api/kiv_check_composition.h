#pragma once
// Validation of record composition, element-set names and specifications before they are converted.
// Validator shape and reporters as in kiv_validation.h: (association, structure, path so far, error out) ->
// 0 valid, 1 after reporting the first fault under the path followed by the field's name.

#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/util/si_error.h"

// 0 for null, else KivCheckRecordComposition.
int KivCheckOptionalRecordComposition(KivAssocId assoc, const KivRecordComposition* composition,
                                      const std::string& path, SIError** out);
// 1 needs "uRecordComposition.psElementSetNames" (64), checked by KivCheckElementSetNames on that name +
// "->"; 2 needs "uRecordComposition.psCompSpec" (64), checked by KivCheckCompSpec on that name + "->"; any
// other value 66 on "eRecordCompositionType".
int KivCheckRecordComposition(KivAssocId assoc, const KivRecordComposition* composition,
                              const std::string& path, SIError** out);
// EST_Generic needs "uElementSet.psGeneric" (64); EST_DatabaseSpecific needs
// "uElementSet.ppsElementSetsDbSpecific" (64), accepted as it stands; any other value 66 on
// "eElementSetType".
int KivCheckElementSetNames(KivAssocId assoc, const KivElementSetNames* names, const std::string& path,
                            SIError** out);
// In order: fSelectAlternativeSyntax 0 or 1 (72); psGeneric on "psGeneric->"; each database-specific item's
// specification on "ppsDbSpecific[i]->sSpecification." (the database name is not examined); each record
// syntax an encodable identifier (73 on "ppcRecordSyntax[i]").
int KivCheckCompSpec(KivAssocId assoc, const KivCompSpec* spec, const std::string& path, SIError** out);
// A set pcSchema must be an encodable identifier (73); then, when psElementSpec is set, on
// "psElementSpec->": EST_Primitive needs "uElementSpec.psPrimitive" (64), EST_External needs
// "uElementSpec.psExternal" (64) and checks it on that name + "->"; any other value 66 on "eElementSpecType".
int KivCheckSpecification(KivAssocId assoc, const KivSpecification* spec, const std::string& path,
                          SIError** out);
