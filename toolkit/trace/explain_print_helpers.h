#pragma once
// The line forms the Explain printers share: structure and list label lines, enumeration lines, and the
// printers of the parts that recur across categories.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "toolkit/api/kiv_explain_record.h"
#include "toolkit/trace/enum_names.h"

namespace trace::explain {

// "label: NULL\n" and false for an absent structure or array, "label:\n" and true for a present one.
bool structureLine(std::FILE* file, const char* label, bool present);

// The label, the constant's name and a line end; a value outside the table prints the label and the line
// end alone.
void selectorLine(std::FILE* file, const char* label, int32_t value, std::span<const EnumName> names);

// The label line of an array, then print(file, element) for each element.
template <typename T, typename Print>
void printArray(std::FILE* file, const char* label, const KivArray<T>& array, Print&& print) {
    if (!structureLine(file, label, array.present())) return;
    for (const T& item : array) print(file, item);
}

void printCommonInfo(std::FILE* file, const KivCommonInfo* info);
// "label: text\n"; an absent text prints "label : NULL\n".
void printNamedDate(std::FILE* file, const char* label, const std::optional<std::string>& text);
void printHumanString(std::FILE* file, const char* label, const KivHumanStrings& texts);
void printInternationalStringList(std::FILE* file, const char* label,
                                  const KivArray<KivInternationalString>& list);
void printNamedIntegerArray(std::FILE* file, const char* label, const KivArray<uint32_t>& values);
void printNamedOidArray(std::FILE* file, const char* label, const KivArray<std::string>& oids);
void printStringOrNumericList(std::FILE* file, const char* label, const KivArray<KivStringOrNumeric>& values);
// "label: " and the name line; a value without a name prints nothing more, not even a line end.
void printNamedPrimitiveDataType(std::FILE* file, const char* label, const int32_t* value);
void printNamedUnit(std::FILE* file, const char* label, const KivUnit* unit);
void printPathList(std::FILE* file, const KivArray<KivPath>& path);
void printAttributeCombinations(std::FILE* file, const KivAttributeCombinations* combinations);
void printTermList(std::FILE* file, const char* label, const KivArray<KivTerm>& terms);
void printElementInfoList(std::FILE* file, const char* label, const KivArray<KivElementInfo>& list);

}  // namespace trace::explain
