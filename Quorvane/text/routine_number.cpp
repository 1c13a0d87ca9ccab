#include "Quorvane/text/routine_number.h"

#include "toolkit/util/str_number.h"

int32_t RoutineNumber(std::string_view name, size_t firstIndex) {
    return name.size() > firstIndex ? StrToInt(name.substr(firstIndex)) : 0;
}
