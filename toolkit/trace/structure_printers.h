#pragma once
// The line forms of the printers that label every nested structure: a structure line for each structure, a
// selector line for each CHOICE, date texts, and a term under a label of its own.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "toolkit/api/kiv_forward.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/part_lines.h"

namespace trace {

// "label: NULL\n" and false for an absent structure, "label:\n" and true for a present one.
bool structureLine(std::FILE* file, const char* label, bool present);
// The structure line of an array under label, then print(file, element) for each element.
template <typename T, typename Print>
void printArray(std::FILE* file, const char* label, const KivArray<T>& array, Print&& print) {
    if (!structureLine(file, label, array.present())) return;
    for (const T& item : array) print(file, item);
}
// A date or time text, with a blank before the colon when it is absent.
void printDateText(std::FILE* file, const char* label, const std::optional<std::string>& text);
// The structure line of the term under label, then its "eTermType: " selector line and the member the type
// names.
void printLabelledTerm(std::FILE* file, const char* label, const KivTerm* term);

}  // namespace trace
