#pragma once
// Printer of the Scan response with its term list entries.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintScanRsp(std::FILE* file, const KivScanRsp* psScanRsp);
