#pragma once
// Printer of CIP specific information carried in an EXTERNAL (content type 24): one field a line, labelled
// with the programming interface's names.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

struct KivCIPSpecificInfo;

// The content of the EXTERNAL; nothing at all when it is absent.
void KivPrintCIPSpecificInfoContent(std::FILE* file, const KivExternal* psExternal);
// "psCIPSpecificInfo: NULL\n" for null.
void KivPrintCIPSpecificInfo(std::FILE* file, const KivCIPSpecificInfo* psCIPSpecificInfo);
