#pragma once
// Printer of the CIP item-order package carried in an EXTERNAL (content type 23). Its inner parts are
// labelled with their ASN.1 component names; every line starts at the left margin.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// "psCipBItemOrderExtendedService:\n", then, when the package is there, its request or response.
void KivPrintCipBItemOrderExtendedService(std::FILE* file, const KivExternal* psExternal);
