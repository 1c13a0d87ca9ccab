#pragma once
// The tagged elements of a GRS-1 record, built from prepared definitions.

#include <string>
#include <vector>

#include "Quorvane/records/grs1_definitions.h"
#include "toolkit/api/kiv_generic_record.h"

// One element for each definition whose parent id is the given one, in order (a present array, empty when
// there is none):
// - tag type; tag value numeric when it holds only digits, else a string;
// - content by type: STRING a string, OCTETS octets, NUMERIC the decimal value, DATE the text, BOOL true
//   when the content holds 't' or 'T', OID the dotted identifier, SUBTREE the elements of the level its
//   content names; a NUMERIC or OID content that is not one, a subtree that names a level it is itself part
//   of, and any other type give element-not-there;
// - the applied variant of the definition, when it has one.
KivArray<KivTaggedElement> BuildTaggedElements(const std::string& parentId,
                                               const std::vector<GenericDefinition>& definitions);
