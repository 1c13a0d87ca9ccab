#pragma once
// Printer of the Sort request with its sort keys.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintSortReq(std::FILE* file, const KivSortReq* psSortReq);
