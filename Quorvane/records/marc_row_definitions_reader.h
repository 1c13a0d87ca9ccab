#pragma once
// Reading marcdef2.tblx: per database, the columns that hold a MARC record row by row, and the library
// columns of its OPAC holdings.
//
//   "XXDATABASESXX", database, ...;     opens a block (names upper-cased)
//   "MARCOID", oid;                      optional: the record syntax the block's records are sent under
//   "XXRAWXX", column; / "XXLEADERXX", field, TRUE|word, routine;   optional, kept
//   keyword, column [, routine];         both upper-cased; the routine only for INDICE, SUBFIELD, DATA
//
// Keywords: TAGNO, INDICE, INDICE1, INDICE2, SUBFIELD, DATA, COMPLETE, EXTRANO, SAMEFIELD, SPILLOVER,
// CHARCONV and the holdings keywords (BARCODE ... ONORDER). White space is removed from column names;
// the SPILLOVER statement and the CHARCONV text keep theirs, and the statement keeps its case so that
// quoted literals in it stay as written. An unknown keyword is "Unknown MARC definition in file
// marcdef2.tblx", a configuration problem. A block without TAGNO or DATA is reported as "Error in file
// marcdef2.tblx" when the next block opens or the file ends.

#include <string>

#include "Quorvane/records/marc_definitions.h"

inline constexpr const char* kMarcRowDefinitionsFile = "marcdef2.tblx";

// The blocks read from the file at path (or, when it cannot be opened, from the file of that name in the
// current directory); absent when neither opens, or when the configuration-error state is set
// after reading (a problem met while reading sets it).
DefinitionBlocks<MarcBlock2> ReadMarcDefinitions2(const std::string& path);
