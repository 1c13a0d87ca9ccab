#pragma once
// Reading marcdef.tblx: blocks of MARC tag rules (or of one raw-record column) per database.
//
//   "XXDATABASESXX", database, ...;          opens a block (names upper-cased)
//   "XXRAWXX", column;                        the block's records are stored whole in the column
//   "XXLEADERXX", field, TRUE|word, routine;  the leader's type letters (column when TRUE)
//   tag, order, code, indicator, TRUE|word, label, field, TRUE|word, routine [, column, value]...;
//
// "NULL" stands for no subfield code and no indicator. Rules before the first block header are
// reported ("Error in file marcdef.tblx") and left out.

#include <string>

#include "Quorvane/records/marc_definitions.h"

inline constexpr const char* kMarcDefinitionsFile = "marcdef.tblx";

// The blocks read from the file at path (or, when it cannot be opened, from the file of that name in the
// current directory); absent when neither opens, or when the configuration-error state is set
// after reading (a problem met while reading sets it).
DefinitionBlocks<MarcBlock> ReadMarcDefinitions(const std::string& path);
