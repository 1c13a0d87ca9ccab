#pragma once
// Printers of the Export Specification and Export Invocation packages carried in an EXTERNAL, with a
// structure line for every nested structure.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

struct KivExpSpecExtendedService;

// The structure line "psExpSpecExtendedService" and, when the package is set, its request or response.
void KivPrintExpSpec(std::FILE* file, const KivExpSpecExtendedService* psExpSpec);
// KivPrintExpSpec of the EXTERNAL's uASN1.psExpSpecExtendedService.
void KivPrintExpSpecContent(std::FILE* file, const KivExternal* psExternal);
// The structure line "psExpInvoExtendedService" and, when the package is set, its request or response.
void KivPrintExpInvoContent(std::FILE* file, const KivExternal* psExternal);
