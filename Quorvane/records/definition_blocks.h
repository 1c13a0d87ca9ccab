#pragma once
// The blocks of the record-syntax control files: where such a file is read from; the block that serves the
// association's database is found with FindDatabaseBlock (config/database_blocks.h).

#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/config/database_blocks.h"
#include "Quorvane/records/marc_definitions.h"

// The path of a control file: the name in the session's control-files directory, or the bare name when no
// directory is configured.
std::string ControlFilePath(const SessionRecord& session, std::string_view name);
