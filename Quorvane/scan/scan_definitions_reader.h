#pragma once
// The reader of scan.tblx. A block opens with a record of the quoted text "XXDATABASESXX" and the quoted
// database names, followed by a record of a quoted marker and the quoted attribute-set identifiers; then
// one record per use attribute: the use value, the quoted statement, the term column, the hits column and
// the return-term column. Records that begin with a word, a real or '*' are skipped.
//
// Missing or mistyped values of a mapping are reported by the control-value readers (control_values.h),
// which answer a stand-in so that reading goes on; every report notes a configuration problem
// (config_problems.h) for the caller to act on.

#include <string>

#include "Quorvane/scan/scan_definitions.h"

inline constexpr const char* kScanFileName = "scan.tblx";

// The definitions of scan.tblx in the control-files directory or, when that cannot be opened or no
// directory is given, of scan.tblx in the working directory; in file order. Absent without a message
// when neither can be opened. Absent, after logging the message and noting a configuration problem, when
// a fault ends the reading: a block without database names ("Missing database in file scandef.tblx") or
// without its attribute-set record ("Missing attribute oids in file scandef.tblx") or identifiers
// ("Missing attribute OIDs in file scandef.tblx"), a record that begins with another quoted text ("Error in
// database field in file scandef.tblx"), or a record that cannot be read ("Malformed record in file
// scan.tblx"). A mapping before the first block is reported and skipped.
DefinitionBlocks<ScanDefinition> LoadScanDefinitions(const std::string& controlFilesDir);
