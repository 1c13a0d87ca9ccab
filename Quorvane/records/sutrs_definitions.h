#pragma once
// sutrsdef.tblx: the SUTRS layout per database. Each element writes one labelled line ("label: value"),
// from a column or from a literal; the label " " writes no label, "XXCONCATENATEXX" continues the line of
// the element before.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/records/element_definitions.h"

inline constexpr const char* kSutrsDefinitionsFile = "sutrsdef.tblx";

using SutrsElement = ElementDefinition;
using SutrsBlock = ElementBlock;

// The blocks of the file; absent when it cannot be opened or the configuration-error state is set after
// reading (see ReadElementDefinitions).
DefinitionBlocks<SutrsBlock> ReadSutrsDefinitions(const std::string& path);

// The block for the session's current database, else for "DEFAULT"; the definitions are read from the
// control-files directory first when the session has none yet. nullptr when there is no such block.
const SutrsBlock* FindSutrsBlock(SessionRecord& session);
