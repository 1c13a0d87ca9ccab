#pragma once
// Deep equality of programming-interface structures, for round-trip tests: every member is compared,
// unselected union members included (they must be absent on both sides). An absent array differs from an
// empty one. Carried contents of a single-ASN1-type EXTERNAL other than SUTRS and raw content (type 8)
// are compared by presence only.
//
// Add an overload per structure next to the ones here; members are compared through kivEqual, so
// std::unique_ptr, std::optional and KivArray members of any structure with an overload work at once.

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
    if (!a || !b) return !a && !b;
    return kivEqual(*a, *b);
}

template <typename T>
bool kivEqual(const std::optional<T>& a, const std::optional<T>& b) {
    if (!a || !b) return !a && !b;
    return kivEqual(*a, *b);
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

inline bool kivEqual(const KivElementSetsDbSpecific& a, const KivElementSetsDbSpecific& b) {
    return kivEqual(a.psDatabaseName, b.psDatabaseName) && kivEqual(a.psElementSetName, b.psElementSetName);
}

inline bool kivEqual(const KivElementSetNames& a, const KivElementSetNames& b) {
    return a.eElementSetType == b.eElementSetType &&
           kivEqual(a.uElementSet.psGeneric, b.uElementSet.psGeneric) &&
           kivEqual(a.uElementSet.ppsElementSetsDbSpecific, b.uElementSet.ppsElementSetsDbSpecific);
}

inline bool kivEqual(const KivArbitrary& a, const KivArbitrary& b) {
    return a.ulLength == b.ulLength && kivEqual(a.pcValue, b.pcValue);
}

inline bool kivEqual(const KivSingleASN1Type& a, const KivSingleASN1Type& b) {
    const auto& x = a.uASN1;
    const auto& y = b.uASN1;
    return a.eASN1Type == b.eASN1Type && kivEqual(x.psUnstructuredText, y.psUnstructuredText) &&
           kivEqual(x.psUnknownType, y.psUnknownType) && !x.psOpacRecord == !y.psOpacRecord &&
           !x.psSummaryRecord == !y.psSummaryRecord && !x.psResourceReport1 == !y.psResourceReport1 &&
           !x.psResourceReport2 == !y.psResourceReport2 && !x.psEsTaskPackage == !y.psEsTaskPackage &&
           !x.psUpdateExtendedService == !y.psUpdateExtendedService;
}

inline bool kivEqual(const KivExternal& a, const KivExternal& b) {
    const auto& x = a.uExternalValue;
    const auto& y = b.uExternalValue;
    return kivEqual(a.pcObjectIdentifier, b.pcObjectIdentifier) && a.eValueType == b.eValueType &&
           kivEqual(x.psSingleASN1Type, y.psSingleASN1Type) && kivEqual(x.psOctetAligned, y.psOctetAligned) &&
           kivEqual(x.psArbitrary, y.psArbitrary);
}

inline bool kivEqual(const KivAdditionalInfo& a, const KivAdditionalInfo& b) {
    return a.eProtocolVersionInForce == b.eProtocolVersionInForce &&
           kivEqual(a.uAdditionalInfo.pcV2, b.uAdditionalInfo.pcV2) &&
           kivEqual(a.uAdditionalInfo.psV3, b.uAdditionalInfo.psV3);
}

inline bool kivEqual(const KivDefaultDiagFormat& a, const KivDefaultDiagFormat& b) {
    return kivEqual(a.pcDiagnosticSetId, b.pcDiagnosticSetId) && a.ulCondition == b.ulCondition &&
           kivEqual(a.sAdditionalInfo, b.sAdditionalInfo);
}

inline bool kivEqual(const KivDiagRec& a, const KivDiagRec& b) {
    return a.eDiagnosticsType == b.eDiagnosticsType &&
           kivEqual(a.uDiagnostics.psDefault, b.uDiagnostics.psDefault) &&
           kivEqual(a.uDiagnostics.psExternallyDefined, b.uDiagnostics.psExternallyDefined);
}

inline bool kivEqual(const KivFragmentSyntax& a, const KivFragmentSyntax& b) {
    return a.eFragmentSyntaxType == b.eFragmentSyntaxType &&
           kivEqual(a.uFragmentSyntax.psExternallyTagged, b.uFragmentSyntax.psExternallyTagged) &&
           kivEqual(a.uFragmentSyntax.psNotExternallyTagged, b.uFragmentSyntax.psNotExternallyTagged);
}

inline bool kivEqual(const KivResponseRecord& a, const KivResponseRecord& b) {
    const auto& x = a.uDbRecord;
    const auto& y = b.uDbRecord;
    return kivEqual(a.psDatabaseName, b.psDatabaseName) && a.eDbRecordType == b.eDbRecordType &&
           kivEqual(x.psRetrievalRecord, y.psRetrievalRecord) &&
           kivEqual(x.psSurrogateDiagnostic, y.psSurrogateDiagnostic) &&
           kivEqual(x.psStartingFragment, y.psStartingFragment) &&
           kivEqual(x.psIntermediateFragment, y.psIntermediateFragment) &&
           kivEqual(x.psFinalFragment, y.psFinalFragment);
}

inline bool kivEqual(const KivRecords& a, const KivRecords& b) {
    return a.eRecordType == b.eRecordType &&
           kivEqual(a.uRecord.ppsResponseRecord, b.uRecord.ppsResponseRecord) &&
           kivEqual(a.uRecord.psNonSurrogateDiag, b.uRecord.psNonSurrogateDiag) &&
           kivEqual(a.uRecord.ppsMultipleNonSurrogateDiag, b.uRecord.ppsMultipleNonSurrogateDiag);
}
