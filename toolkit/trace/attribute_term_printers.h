#pragma once
// Printers of attribute elements, terms and element specifications.

#include <cstdint>
#include <cstdio>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_forward.h"
#include "toolkit/api/kiv_owning.h"

// One element: its set identifier, type and numeric value share one line, which stays open.
void KivPrintAttributeElement(std::FILE* file, const KivAttributeElement* psAttributeElement);
// Each element, then a line end.
void KivPrintAttributeList(std::FILE* file, const KivArray<KivAttributeElement>& ppsAttributeElement);
void KivPrintAttributesPlusTerm(std::FILE* file, const KivAttributesPlusTerm* psAttributesPlusTerm);
void KivPrintTerm(std::FILE* file, int32_t eTermType, const decltype(KivTerm::uTerm)& uTerm);

void KivPrintNamedSpecification(std::FILE* file, const char* label, const KivSpecification* psSpecification);
void KivPrintNamedElementSpec(std::FILE* file, const char* label, const KivElementSpec* psElementSpec);
