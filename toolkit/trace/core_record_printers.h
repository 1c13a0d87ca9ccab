#pragma once
// Printers of the core records carried in an EXTERNAL: SUTRS, OPAC, Summary and the two resource-report
// formats. Each reads its structure from the EXTERNAL's single-ASN.1-type holder and prints nothing at all
// when that structure is absent.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintUnstructuredTextContent(std::FILE* file, const KivExternal* psExternal);
void KivPrintOpacRecordContent(std::FILE* file, const KivExternal* psExternal);
void KivPrintSummaryRecordContent(std::FILE* file, const KivExternal* psExternal);
void KivPrintResourceReport1Content(std::FILE* file, const KivExternal* psExternal);
void KivPrintResourceReport2Content(std::FILE* file, const KivExternal* psExternal);
