#include "toolkit/api/kiv_check_external_fields.h"

std::string kivFieldPath(const std::string& path, std::string_view name) {
    std::string joined;
    KivPathCopy(joined, path);
    KivPathAppend(joined, name);
    return joined;
}

int kivCheckRange(KivAssocId assoc, int32_t value, uint32_t low, uint32_t high, const std::string& path,
                  std::string_view name, SIError** out) {
    if (KivIsOutOfRange(static_cast<uint32_t>(value), low, high) == 0) return 0;
    return KivReportValueOutOfRange(assoc, kivFieldPath(path, name), out);
}
