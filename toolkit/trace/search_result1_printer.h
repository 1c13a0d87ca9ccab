#pragma once
// Printer of the searchResult-1 record carried in an EXTERNAL, with a structure line for every nested
// structure.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// "psUserInfoSearchResult1" and, when the record is set, its reports.
void KivPrintUserInfoSearchResult1Content(std::FILE* file, const KivExternal* psExternal);
