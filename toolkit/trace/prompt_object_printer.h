#pragma once
// Printer of the prompt-1 object carried in an EXTERNAL. Each member's label is written first and its value
// after it with the unlabelled value printers, so several labels may share a line.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

// Nothing when the object is absent; else "\tpsPromptObject: ", its type and its challenges or answers,
// each followed by an empty line.
void KivPrintPromptObjectContent(std::FILE* file, const KivExternal* psExternal);
