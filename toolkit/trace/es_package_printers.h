#pragma once
// Printers of the extended-services packages carried in an EXTERNAL: the task package and the Database
// Update package. Each prints nothing at all when its structure is absent.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintEsTaskPackageContent(std::FILE* file, const KivExternal* psExternal);
void KivPrintUpdateExtendedServiceContent(std::FILE* file, const KivExternal* psExternal);
