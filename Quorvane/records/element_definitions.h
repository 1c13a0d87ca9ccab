#pragma once
// The element files of the text record syntaxes, sutrsdef.tblx (SUTRS) and htmldef.tblx (HTML/XML): blocks
// opened by a record "XXDATABASESXX", database names...; then one record per element: label or template,
// field, TRUE (unquoted, any case) when the field is a column name (another word: a literal), field routine
// ("NULL" for none), then any number of pairs condition column, condition value.

#include <string>
#include <vector>

#include "Quorvane/config/control_file.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_rows.h"

// kConcatenateLabel as a SUTRS label or an HTML/XML template continues the element written before.

struct ElementDefinition {
    std::string label;  // SUTRS label, HTML/XML template
    std::string field;  // column name or literal
    bool fromColumn = false;
    std::string routine;
    std::vector<RowCondition> conditions;
};

struct ElementBlock {
    std::vector<std::string> databases;  // upper-cased
    std::vector<ElementDefinition> elements;
    bool hasConditions = false;  // some element has a condition
};

// The messages of one element file's missing or mistyped values.
struct ElementFileMessages {
    const char* recordLabel;       // first value of a record
    const char* firstLabel;        // first value of the first record after a header
    const char* missingDatabases;  // a header without a database name
    const char* missingField;      // the field and the routine
    const char* missingBool;
    const char* missingValue;  // a condition
};

// Reads the blocks of an element file (file order). "Error in file <path>" is logged for a
// header that ends the file, another header right after it, an element before the first header, and an
// empty or malformed record (which ends the reading). Every problem is logged and sets the
// configuration-error state. Absent when the file cannot be opened or the configuration-error state is set
// after reading.
DefinitionBlocks<ElementBlock> ReadElementDefinitions(const std::string& path,
                                                      const ElementFileMessages& messages);
