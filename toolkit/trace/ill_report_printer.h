#pragma once
// The Status-Or-Error-Report body, from its leading line end on.

#include <cstdio>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_ill_pdu.h"

namespace trace::ill {

void printStatusOrErrorReport(std::FILE* file, const KivStatusOrErrorReport& report);

}  // namespace trace::ill
