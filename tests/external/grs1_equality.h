#pragma once
// Deep equality of GRS-1 records and of every structure they hold, on the shared toolkit of
// tests/api/kiv_equality.h. A term or element data may hold an EXTERNAL, whose content may be a GRS-1 record
// again: that comparison is tests/api/carried_records_equality.h's, included at the end so that either header
// brings both.

#include "tests/api/kiv_equality.h"
#include "toolkit/api/kivproto.h"

// Declared ahead of the definitions below, which use one another; KivExternal's is defined with the carried
// records.
inline bool kivEqual(const KivTerm& a, const KivTerm& b);
inline bool kivEqual(const KivVariantValue& a, const KivVariantValue& b);
inline bool kivEqual(const KivTriples& a, const KivTriples& b);
inline bool kivEqual(const KivVariant& a, const KivVariant& b);
inline bool kivEqual(const KivSeriesOrder& a, const KivSeriesOrder& b);
inline bool kivEqual(const KivUsageRight& a, const KivUsageRight& b);
inline bool kivEqual(const KivHits& a, const KivHits& b);
inline bool kivEqual(const KivTagPath& a, const KivTagPath& b);
inline bool kivEqual(const KivMetaData& a, const KivMetaData& b);
inline bool kivEqual(const KivElementDataG& a, const KivElementDataG& b);
inline bool kivEqual(const KivTaggedElement& a, const KivTaggedElement& b);
inline bool kivEqual(const KivGenericRecord& a, const KivGenericRecord& b);
inline bool kivEqual(const KivExternal& a, const KivExternal& b);

inline bool kivEqual(const KivTerm& a, const KivTerm& b) {
    const auto& x = a.uTerm;
    const auto& y = b.uTerm;
    return a.eTermType == b.eTermType && kivEqual(x.psGeneral, y.psGeneral) && x.ulInteger == y.ulInteger &&
           kivEqual(x.psSimpleCharacter, y.psSimpleCharacter) &&
           kivEqual(x.pcObjectIdentifier, y.pcObjectIdentifier) && kivEqual(x.pcDateTime, y.pcDateTime) &&
           kivEqual(x.psExternal, y.psExternal) && kivEqual(x.psIntegerAndUnit, y.psIntegerAndUnit);
}

inline bool kivEqual(const KivVariantValue& a, const KivVariantValue& b) {
    const auto& x = a.uVariantValueType;
    const auto& y = b.uVariantValueType;
    return a.eVariantValueType == b.eVariantValueType && x.ulInt1 == y.ulInt1 &&
           kivEqual(x.psInternationalString, y.psInternationalString) && kivEqual(x.psOcts, y.psOcts) &&
           kivEqual(x.pcOid, y.pcOid) && x.fBool == y.fBool && kivEqual(x.psUnit, y.psUnit) &&
           kivEqual(x.psValueAndUnit, y.psValueAndUnit);
}

inline bool kivEqual(const KivTriples& a, const KivTriples& b) {
    return kivEqual(a.pcVariantSetId, b.pcVariantSetId) && a.ulClass == b.ulClass && a.ulType == b.ulType &&
           kivEqual(a.sValue, b.sValue);
}

inline bool kivEqual(const KivVariant& a, const KivVariant& b) {
    return kivEqual(a.pcGlobalVariantSetId, b.pcGlobalVariantSetId) && kivEqual(a.ppsTriples, b.ppsTriples);
}

inline bool kivEqual(const KivSeriesOrder& a, const KivSeriesOrder& b) {
    return a.fAscending == b.fAscending && a.ulOrder == b.ulOrder;
}

inline bool kivEqual(const KivUsageRight& a, const KivUsageRight& b) {
    return a.eType == b.eType && kivEqual(a.psRestriction, b.psRestriction);
}

inline bool kivEqual(const KivHits& a, const KivHits& b) {
    return kivEqual(a.psSatisfier, b.psSatisfier) && kivEqual(a.psOffsetIntoElement, b.psOffsetIntoElement) &&
           kivEqual(a.psLength, b.psLength) && kivEqual(a.pulHitRank, b.pulHitRank) &&
           kivEqual(a.psTargetToken, b.psTargetToken);
}

inline bool kivEqual(const KivTagPath& a, const KivTagPath& b) {
    return kivEqual(a.pulTagType, b.pulTagType) && kivEqual(a.sTagValue, b.sTagValue) &&
           kivEqual(a.pulTagOccurrence, b.pulTagOccurrence);
}

inline bool kivEqual(const KivMetaData& a, const KivMetaData& b) {
    return kivEqual(a.psSeriesOrder, b.psSeriesOrder) && kivEqual(a.psUsageRight, b.psUsageRight) &&
           kivEqual(a.ppsHits, b.ppsHits) && kivEqual(a.psDisplayName, b.psDisplayName) &&
           kivEqual(a.ppsSupportedVariants, b.ppsSupportedVariants) && kivEqual(a.psMessage, b.psMessage) &&
           kivEqual(a.psElementDescriptor, b.psElementDescriptor) &&
           kivEqual(a.ppsSurrogateFor, b.ppsSurrogateFor) &&
           kivEqual(a.ppsSurrogateElement, b.ppsSurrogateElement) && kivEqual(a.psOther, b.psOther);
}

inline bool kivEqual(const KivElementDataG& a, const KivElementDataG& b) {
    const auto& x = a.uElementDataG;
    const auto& y = b.uElementDataG;
    return a.eElementDataGType == b.eElementDataGType && kivEqual(x.psOctets, y.psOctets) &&
           x.ulNumeric == y.ulNumeric && kivEqual(x.pcDate, y.pcDate) && kivEqual(x.psExt, y.psExt) &&
           kivEqual(x.psString, y.psString) && x.fTrueOrFalse == y.fTrueOrFalse &&
           kivEqual(x.pcOid, y.pcOid) && kivEqual(x.psIntUnit, y.psIntUnit) &&
           kivEqual(x.psDiagnostic, y.psDiagnostic) && kivEqual(x.ppsSubTree, y.ppsSubTree);
}

inline bool kivEqual(const KivTaggedElement& a, const KivTaggedElement& b) {
    return kivEqual(a.pulTagType, b.pulTagType) && kivEqual(a.sTagValue, b.sTagValue) &&
           kivEqual(a.pulTagOccurrence, b.pulTagOccurrence) && kivEqual(a.sContent, b.sContent) &&
           kivEqual(a.psMetaData, b.psMetaData) && kivEqual(a.psAppliedVariant, b.psAppliedVariant);
}

inline bool kivEqual(const KivGenericRecord& a, const KivGenericRecord& b) {
    return kivEqual(a.ppsTaggedElement, b.ppsTaggedElement);
}

namespace grs1_test {

// The name the GRS-1 round-trip tests compare with.
template <typename T>
bool same(const T& a, const T& b) {
    return kivEqual(a, b);
}

}  // namespace grs1_test

// Defines the EXTERNAL comparison declared above.
#include "tests/api/carried_records_equality.h"
