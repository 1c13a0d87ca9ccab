#pragma once
// Validation of array members: every element is checked in turn under its own path, and the first
// element whose check reports ends the walk. The element check has the validator shape
// int(KivAssocId, const T* element, const std::string& path, SIError** out).

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_validation_path.h"
#include "toolkit/util/si_error.h"

template <typename Checker, typename T>
concept KivElementChecker =
    std::is_invocable_r_v<int, Checker, KivAssocId, const T*, const std::string&, SIError**>;

// Checks the elements before the first null one under path + name + "[i]" (+ "->" for structures); 1 at
// the first element whose check returns 1, 0 after the last.
template <typename T, KivElementChecker<T> Checker>
int KivCheckArrayElements(KivAssocId assoc, const KivArray<T>& array, const std::string& path,
                          std::string_view name, SIError** out, KivArrayElementKind kind, Checker&& checker) {
    size_t index = 0;
    for (const T& element : array) {
        if (checker(assoc, &element, kivArrayElementPath(path, name, index, kind), out) != 0) return 1;
        ++index;
    }
    return 0;
}

// An array of structures: elements named "name[i]->"; an absent array passes.
template <typename T, KivElementChecker<T> Checker>
int KivCheckStructArray(KivAssocId assoc, const KivArray<T>& array, const std::string& path,
                        std::string_view name, SIError** out, Checker&& checker) {
    if (!array.present()) return 0;
    return KivCheckArrayElements(assoc, array, path, name, out, KivArrayElementKind::Structure, checker);
}

// An array of values: elements named "name[i]"; an absent array passes.
template <typename T, KivElementChecker<T> Checker>
int KivCheckValueArray(KivAssocId assoc, const KivArray<T>& array, const std::string& path,
                       std::string_view name, SIError** out, Checker&& checker) {
    if (!array.present()) return 0;
    return KivCheckArrayElements(assoc, array, path, name, out, KivArrayElementKind::Value, checker);
}
