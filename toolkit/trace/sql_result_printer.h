#pragma once
// The printer of an SQL result set carried in an EXTERNAL: the data types of its columns, down to nested row,
// collection, user-defined and reference types, and its rows with their values. Every structured member is
// a label line of its own.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// The result of the EXTERNAL's single-ASN.1-type holder; "psSQLResult: NULL" when it is absent. Nesting past
// the printers' depth bound prints the too-deep line in place of the deeper levels.
void KivPrintSQLResult(std::FILE* file, const KivExternal* psExternal);
