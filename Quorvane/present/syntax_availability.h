#pragma once
// Whether the association can build records of a record syntax for its current database.

#include <cstdint>
#include <string_view>

#include "Quorvane/association/session_record.h"

// 1 when the syntax's control file has a block for the current database or for DEFAULT, else 0:
// USMARC, UKMARC and OPAC (1.2.840.10003.5.10, .11, .102) marcdef.tblx or marcdef2.tblx, SUTRS (.101)
// sutrsdef.tblx, GRS-1 (.105) genericdef.tblx, HTML/XML (.109.3, .109.9, .109.10) htmldef.tblx; never for
// any other syntax. A file the session has no definitions of yet is read first (and read again at a
// later call while it yields none).
int IsSyntaxAvailable(std::string_view syntax, SessionRecord& session);
