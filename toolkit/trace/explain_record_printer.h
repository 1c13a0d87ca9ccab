#pragma once
// The printer of an Explain record carried in an EXTERNAL: its category and the category's fields, one per
// line, with "NULL" lines for absent members and constant names for enumerations.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// "\tpsExplainRecord:\n", "eExplainRecordType: " and, for a category 1 to 17, its name line and its fields.
// Without a record or with another category the type line stays without its line end.
void KivPrintExplainRecordContent(std::FILE* file, const KivExternal* psExternal);
