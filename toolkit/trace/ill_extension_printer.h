#pragma once
// The extension list of either APDU kind, its items numbered from 0: extension 800 with its additional
// request information, any other identifier by its identifier and critical flag alone.

#include <cstdio>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_ill_pdu.h"

namespace trace::ill {

// "NULL" for an absent list.
void printExtensions(std::FILE* file, const KivArray<KivIllExtension>& extensions);

}  // namespace trace::ill
