#pragma once
// Deep equality of programming-interface structures, for round-trip tests: the shared toolkit. Every member
// is compared, unselected union members included (they must be absent on both sides), and an absent array
// differs from an empty one.
//
// Every comparison is an overload of kivEqual in the global namespace, beside the structures: members are
// compared through kivEqual, so std::unique_ptr, std::optional and KivArray members of any structure with an
// overload work at once, and an overload declared in a later header is found when the templates below are
// instantiated. This header holds the templates and the plain values; tests/api/carried_records_equality.h
// adds every other structure (with EXTERNAL and the records it carries, GRS-1 from
// tests/external/grs1_equality.h among them).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kivproto.h"

inline bool kivEqual(uint32_t a, uint32_t b) {
    return a == b;
}
inline bool kivEqual(int32_t a, int32_t b) {
    return a == b;
}
inline bool kivEqual(bool a, bool b) {
    return a == b;
}
inline bool kivEqual(const std::string& a, const std::string& b) {
    return a == b;
}

template <typename T>
bool kivEqual(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
    return a && b ? kivEqual(*a, *b) : !a && !b;
}

template <typename T>
bool kivEqual(const std::optional<T>& a, const std::optional<T>& b) {
    return a && b ? kivEqual(*a, *b) : !a && !b;
}

template <typename T>
bool kivEqual(const KivArray<T>& a, const KivArray<T>& b) {
    if (a.present() != b.present() || a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!kivEqual(*a[i], *b[i])) return false;
    }
    return true;
}

inline bool kivEqual(const KivOctets& a, const KivOctets& b) {
    return a.pcValue == b.pcValue;
}

inline bool kivEqual(const KivInternationalString& a, const KivInternationalString& b) {
    return a.pcValue == b.pcValue;
}

inline bool kivEqual(const KivStringOrNumeric& a, const KivStringOrNumeric& b) {
    return a.eStringOrNumeric == b.eStringOrNumeric &&
           kivEqual(a.uStringOrNumeric.psString, b.uStringOrNumeric.psString) &&
           a.uStringOrNumeric.ulNumeric == b.uStringOrNumeric.ulNumeric;
}

inline bool kivEqual(const KivUnit& a, const KivUnit& b) {
    return kivEqual(a.psUnitSystem, b.psUnitSystem) && kivEqual(a.psUnitType, b.psUnitType) &&
           kivEqual(a.psUnit, b.psUnit) && kivEqual(a.pulScaleFactor, b.pulScaleFactor);
}

inline bool kivEqual(const KivIntUnit& a, const KivIntUnit& b) {
    return a.ulValue == b.ulValue && kivEqual(a.sUnitUsed, b.sUnitUsed);
}

inline bool kivEqual(const KivElementSetsDbSpecific& a, const KivElementSetsDbSpecific& b) {
    return kivEqual(a.psDatabaseName, b.psDatabaseName) && kivEqual(a.psElementSetName, b.psElementSetName);
}

inline bool kivEqual(const KivElementSetNames& a, const KivElementSetNames& b) {
    return a.eElementSetType == b.eElementSetType &&
           kivEqual(a.uElementSet.psGeneric, b.uElementSet.psGeneric) &&
           kivEqual(a.uElementSet.ppsElementSetsDbSpecific, b.uElementSet.ppsElementSetsDbSpecific);
}
