#pragma once
// Printers of the private Print, Alert and COrder packages carried in an EXTERNAL (content types 15, 16 and
// 17). Unlike most content printers, each entry prints the "NULL" line of an absent package.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

struct KivAddress;

void KivPrintPrintExtendedServiceContent(std::FILE* file, const KivExternal* psExternal);
void KivPrintAlertExtendedServiceContent(std::FILE* file, const KivExternal* psExternal);
void KivPrintCOrderContent(std::FILE* file, const KivExternal* psExternal);
// "%s: NULL\n" for null; else "%s:\n", the postal address and the e-mail address ("NULL" when absent).
void KivPrintNamedAddress(std::FILE* file, const char* label, const KivAddress* psAddress);
