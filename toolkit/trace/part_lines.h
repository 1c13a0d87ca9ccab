#pragma once
// Label lines of the content printers that write every structured member on a line of its own.

#include <cstdint>
#include <cstdio>
#include <span>

#include "toolkit/trace/enum_names.h"

namespace trace {

// "label: NULL" and false for an absent part, "label:" and true for a present one.
inline bool partLine(std::FILE* file, const char* label, bool present) {
    std::fputs(label, file);
    std::fputs(present ? ":\n" : ": NULL\n", file);
    return present;
}

// The label, the constant's name and a line end; a value outside the table prints the label and the line
// end alone.
inline void selectorLine(std::FILE* file, const char* label, int32_t value, std::span<const EnumName> names) {
    std::fputs(label, file);
    printEnumName(file, value, names, "");
}

}  // namespace trace
