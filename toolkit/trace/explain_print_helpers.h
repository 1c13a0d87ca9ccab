#pragma once
// The printers of the parts that recur across Explain categories, with the structure, array and selector
// lines of the other structure printers.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "toolkit/api/kiv_explain_record.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/structure_printers.h"

namespace trace::explain {

using trace::printArray;
using trace::selectorLine;
using trace::structureLine;

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
