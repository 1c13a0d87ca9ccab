#pragma once
// Reading steps shared by the marcdef.tblx and marcdef2.tblx readers: opening the file, reading its
// records, the block header, the raw and leader entries, and the outcome of a whole read. Messages name
// the file being read ("Missing database in file marcdef2.tblx").

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_file.h"
#include "Quorvane/records/marc_definitions.h"
#include "toolkit/util/table_file.h"

inline constexpr std::string_view kDatabasesMarker = "XXDATABASESXX";
inline constexpr std::string_view kRawMarker = "XXRAWXX";
inline constexpr std::string_view kLeaderMarker = "XXLEADERXX";

// The file at path; when it cannot be opened, the file of the same name in the current directory;
// null when neither opens.
OwnedTblFile OpenMarcDefinitionFile(const std::string& path);

// The next record; a faulty one is dropped and reported as "Error in file <name>", a configuration problem.
ControlRecordRead ReadMarcDefinitionRecord(TblFile* file, std::string_view fileName);

// The database names after "XXDATABASESXX", upper-cased; "Missing database in file <name>" when none
// follows.
std::vector<std::string> ReadMarcDatabaseNames(TblFile* file, std::string_view fileName);
// The column after "XXRAWXX" ("Missing raw field in file <name>").
std::string ReadMarcRawColumn(TblFile* file, std::string_view fileName);
// The values after "XXLEADERXX": field, TRUE or another word, routine.
MarcLeaderDef ReadMarcLeaderDef(TblFile* file, std::string_view fileName);
// A word value: true for TRUE (any case), false for any other word.
bool ReadMarcFlag(TblFile* file, const std::string& message);

// "Missing <what> in file <name>".
std::string MissingMessage(std::string_view what, std::string_view fileName);

// The outcome of a whole read: a problem noted while reading sets the configuration-error state, and
// while that state is set the read yields no definitions.
OwnedDblList FinishMarcDefinitions(OwnedDblList blocks, const ConfigProblemWatch& watch);
