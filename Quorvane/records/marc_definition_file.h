#pragma once
// Reading steps shared by the marcdef.tblx and marcdef2.tblx readers: the block markers, the raw and leader
// entries, and the messages, which name the file being read ("Missing database in file marcdef2.tblx").

#include <string>
#include <string_view>

#include "Quorvane/records/marc_definitions.h"
#include "toolkit/util/table_file.h"

inline constexpr std::string_view kDatabasesMarker = "XXDATABASESXX";
inline constexpr std::string_view kRawMarker = "XXRAWXX";
inline constexpr std::string_view kLeaderMarker = "XXLEADERXX";

// The column after "XXRAWXX" ("Missing raw field in file <name>").
std::string ReadMarcRawColumn(TblFile* file, std::string_view fileName);
// The values after "XXLEADERXX": field, TRUE or another word, routine.
MarcLeaderDef ReadMarcLeaderDef(TblFile* file, std::string_view fileName);
// A word value: true for TRUE (any case), false for any other word.
bool ReadMarcFlag(TblFile* file, const std::string& message);

// "Missing <what> in file <name>".
std::string MissingMessage(std::string_view what, std::string_view fileName);
