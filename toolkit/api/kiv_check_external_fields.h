#pragma once
// Steps that the validators of EXTERNALs, carried contents, record composition, retrieved records and
// diagnostics share: joining a field's name to the path, compulsory members and arrays, and ranges.

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/util/si_error.h"

// path + name, within the path's kKivPathMaxChars characters.
std::string kivFieldPath(const std::string& path, std::string_view name);

// 66 on path + name when value lies outside low..high (compared as unsigned: negatives are outside).
int kivCheckRange(KivAssocId assoc, int32_t value, uint32_t low, uint32_t high, const std::string& path,
                  std::string_view name, SIError** out);

// A compulsory member: 64 on path + name when it is missing, else check(assoc, member, path + name +
// separator, out).
template <typename T, typename Check>
int kivCheckMember(KivAssocId assoc, const T* member, const std::string& path, std::string_view name,
                   std::string_view separator, SIError** out, Check&& check) {
    const std::string memberPath = kivFieldPath(path, name);
    if (member == nullptr) return KivReportMissingField(assoc, memberPath, out);
    return check(assoc, member, kivFieldPath(memberPath, separator), out);
}

// A compulsory array: 64 on path + name when it is absent, else each element on path + name + "[i]->".
template <typename T, typename Check>
int kivCheckArray(KivAssocId assoc, const KivArray<T>& array, const std::string& path, std::string_view name,
                  SIError** out, Check&& check) {
    if (!array.present()) return KivReportMissingField(assoc, kivFieldPath(path, name), out);
    return KivCheckStructArray(assoc, array, path, name, out, check);
}
