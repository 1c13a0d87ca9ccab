#pragma once
// htmldef.tblx: the HTML/XML layout per database, the same for the three markup syntaxes. Each element is a
// template with one "%s" filled with a column value or a literal; the template "XXCONCATENATEXX" adds its
// value, after a blank, to the value written before it.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/records/element_definitions.h"

inline constexpr const char* kHtmlDefinitionsFile = "htmldef.tblx";

using HtmlElement = ElementDefinition;
using HtmlBlock = ElementBlock;

// The blocks of the file; absent when it cannot be opened or the configuration-error state is
// set after reading (see ReadElementDefinitions).
DefinitionBlocks<HtmlBlock> ReadHtmlDefinitions(const std::string& path);

// The block for the session's current database, else for "DEFAULT"; the definitions are read from the
// control-files directory first when the session has none yet. nullptr when there is no such block.
const HtmlBlock* FindHtmlBlock(SessionRecord& session);
