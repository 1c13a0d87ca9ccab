#include "toolkit/trace/enum_names.h"

namespace trace {

const char* enumName(int32_t value, std::span<const EnumName> names) {
    for (const EnumName& entry : names) {
        if (entry.value == value) return entry.name;
    }
    return nullptr;
}

void printEnumName(std::FILE* file, int32_t value, std::span<const EnumName> names, const char* otherwise) {
    const char* name = enumName(value, names);
    if (name == nullptr) name = otherwise;
    if (name == nullptr) return;
    std::fputs(name, file);
    std::fputs("\n", file);
}

void printOptionalEnumName(std::FILE* file, const std::optional<int32_t>& value,
                           std::span<const EnumName> names) {
    if (value) {
        printEnumName(file, *value, names);
    } else {
        std::fputs("NULL\n", file);
    }
}

}  // namespace trace
