#pragma once
// Printer of the Item Order package carried in an EXTERNAL. Each member's label is written first and its
// value after it with the unlabelled value printers, so several labels may share a line.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// "psItemOrderExtendedService:" and, when the package is set, the request or the response it holds.
void KivPrintItemOrderContent(std::FILE* file, const KivExternal* psExternal);
