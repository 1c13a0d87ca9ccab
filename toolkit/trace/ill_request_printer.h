#pragma once
// The ILL-Request body, from its leading line end on.

#include <cstdio>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_ill_pdu.h"

namespace trace::ill {

void printIllRequest(std::FILE* file, const KivIllRequest& request);

}  // namespace trace::ill
