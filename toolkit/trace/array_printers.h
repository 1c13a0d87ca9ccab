#pragma once
// Printers of arrays of numbers and of object identifiers that several carried contents share: the label
// line ("label:" or "label: NULL" for an absent array), then one line per element.

#include <cstdint>
#include <cstdio>
#include <string>

#include "toolkit/api/kiv_owning.h"

// Each number as "psUlong: " and its signed decimal value.
void KivPrintNamedIntegerArray(std::FILE* file, const char* label, const KivArray<uint32_t>& ppulValues);
// Each identifier as "pcObjectIdentifier: " and its dotted text.
void KivPrintNamedOidArray(std::FILE* file, const char* label, const KivArray<std::string>& ppcOids);
