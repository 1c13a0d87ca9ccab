#pragma once
// Printers of element-set names, additional ranges and record composition.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"
#include "toolkit/api/kiv_owning.h"

void KivPrintElementSetNames(std::FILE* file, const KivElementSetNames* psElementSetNames);
// "%s: NULL\n" for an absent list; otherwise "%s:\n" and three lines per range.
void KivPrintNamedRangeList(std::FILE* file, const char* label, const KivArray<KivRange>& ppsRanges);
// Labelled "psRecordComposition" itself.
void KivPrintRecordComposition(std::FILE* file, const KivRecordComposition* psRecordComposition);
void KivPrintNamedCompSpec(std::FILE* file, const char* label, const KivCompSpec* psCompSpec);
