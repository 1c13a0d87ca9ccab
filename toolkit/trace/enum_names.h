#pragma once
// Printing an enumeration or selector by the name of its constant.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

namespace trace {

struct EnumName {
    int32_t value;
    const char* name;
};

// The name of value in names; null when the table has no such value.
const char* enumName(int32_t value, std::span<const EnumName> names);

// Writes the name of value and a line end. A value outside the table writes `otherwise` and a line end, or
// nothing at all (not even the line end) when otherwise is null.
void printEnumName(std::FILE* file, int32_t value, std::span<const EnumName> names,
                   const char* otherwise = nullptr);

// As printEnumName for an optional value; "NULL\n" when it is absent.
void printOptionalEnumName(std::FILE* file, const std::optional<int32_t>& value,
                           std::span<const EnumName> names);

}  // namespace trace
