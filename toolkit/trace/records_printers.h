#pragma once
// Printers of the records part of the Search and Present responses and of the Segment request, and of the
// present status.

#include <cstdint>
#include <cstdio>

#include "toolkit/api/kiv_forward.h"
#include "toolkit/api/kiv_owning.h"

void KivPrintRecords(std::FILE* file, const KivRecords* psRecords);
void KivPrintResponseRecords(std::FILE* file, const KivArray<KivResponseRecord>& ppsResponseRecords);
// The KivPresentStatus constant name; a value outside the enumeration prints nothing.
void KivPrintPresentStatus(std::FILE* file, const int32_t* pePresentStatus);
