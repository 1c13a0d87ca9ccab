#pragma once
// Deep equality of GRS-1 records and of every structure they hold, for round-trip tests: every member is
// compared, unselected union members included (they must be absent on both sides), and an absent array
// differs from an empty one. A nested EXTERNAL's single-ASN1-type content is compared when it is raw
// content (type 8) or a GRS-1 record, by its type alone otherwise.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kivproto.h"

namespace grs1_test {

// Declared ahead of the templates below, which find the overloads by ordinary lookup only.
inline bool same(const KivStringOrNumeric& a, const KivStringOrNumeric& b);
inline bool same(const KivUnit& a, const KivUnit& b);
inline bool same(const KivIntUnit& a, const KivIntUnit& b);
inline bool same(const KivTerm& a, const KivTerm& b);
inline bool same(const KivVariantValue& a, const KivVariantValue& b);
inline bool same(const KivTriples& a, const KivTriples& b);
inline bool same(const KivVariant& a, const KivVariant& b);
inline bool same(const KivSeriesOrder& a, const KivSeriesOrder& b);
inline bool same(const KivUsageRight& a, const KivUsageRight& b);
inline bool same(const KivHits& a, const KivHits& b);
inline bool same(const KivTagPath& a, const KivTagPath& b);
inline bool same(const KivMetaData& a, const KivMetaData& b);
inline bool same(const KivElementDataG& a, const KivElementDataG& b);
inline bool same(const KivTaggedElement& a, const KivTaggedElement& b);
inline bool same(const KivGenericRecord& a, const KivGenericRecord& b);
inline bool same(const KivArbitrary& a, const KivArbitrary& b);
inline bool same(const KivSingleASN1Type& a, const KivSingleASN1Type& b);
inline bool same(const KivExternal& a, const KivExternal& b);

inline bool same(uint32_t a, uint32_t b) {
    return a == b;
}
inline bool same(const std::string& a, const std::string& b) {
    return a == b;
}
inline bool same(const KivOctets& a, const KivOctets& b) {
    return a.pcValue == b.pcValue;
}
inline bool same(const KivInternationalString& a, const KivInternationalString& b) {
    return a.pcValue == b.pcValue;
}

template <typename T>
inline bool same(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
    return a && b ? same(*a, *b) : !a && !b;
}

template <typename T>
inline bool same(const std::optional<T>& a, const std::optional<T>& b) {
    return a && b ? same(*a, *b) : !a && !b;
}

template <typename T>
inline bool same(const KivArray<T>& a, const KivArray<T>& b) {
    if (a.present() != b.present() || a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!same(*a[i], *b[i])) return false;
    }
    return true;
}

inline bool same(const KivStringOrNumeric& a, const KivStringOrNumeric& b) {
    return a.eStringOrNumeric == b.eStringOrNumeric &&
           same(a.uStringOrNumeric.psString, b.uStringOrNumeric.psString) &&
           a.uStringOrNumeric.ulNumeric == b.uStringOrNumeric.ulNumeric;
}

inline bool same(const KivUnit& a, const KivUnit& b) {
    return same(a.psUnitSystem, b.psUnitSystem) && same(a.psUnitType, b.psUnitType) &&
           same(a.psUnit, b.psUnit) && same(a.pulScaleFactor, b.pulScaleFactor);
}

inline bool same(const KivIntUnit& a, const KivIntUnit& b) {
    return a.ulValue == b.ulValue && same(a.sUnitUsed, b.sUnitUsed);
}

inline bool same(const KivTerm& a, const KivTerm& b) {
    const auto& x = a.uTerm;
    const auto& y = b.uTerm;
    return a.eTermType == b.eTermType && same(x.psGeneral, y.psGeneral) && x.ulInteger == y.ulInteger &&
           same(x.psSimpleCharacter, y.psSimpleCharacter) &&
           same(x.pcObjectIdentifier, y.pcObjectIdentifier) && same(x.pcDateTime, y.pcDateTime) &&
           same(x.psExternal, y.psExternal) && same(x.psIntegerAndUnit, y.psIntegerAndUnit);
}

inline bool same(const KivVariantValue& a, const KivVariantValue& b) {
    const auto& x = a.uVariantValueType;
    const auto& y = b.uVariantValueType;
    return a.eVariantValueType == b.eVariantValueType && x.ulInt1 == y.ulInt1 &&
           same(x.psInternationalString, y.psInternationalString) && same(x.psOcts, y.psOcts) &&
           same(x.pcOid, y.pcOid) && x.fBool == y.fBool && same(x.psUnit, y.psUnit) &&
           same(x.psValueAndUnit, y.psValueAndUnit);
}

inline bool same(const KivTriples& a, const KivTriples& b) {
    return same(a.pcVariantSetId, b.pcVariantSetId) && a.ulClass == b.ulClass && a.ulType == b.ulType &&
           same(a.sValue, b.sValue);
}

inline bool same(const KivVariant& a, const KivVariant& b) {
    return same(a.pcGlobalVariantSetId, b.pcGlobalVariantSetId) && same(a.ppsTriples, b.ppsTriples);
}

inline bool same(const KivSeriesOrder& a, const KivSeriesOrder& b) {
    return a.fAscending == b.fAscending && a.ulOrder == b.ulOrder;
}

inline bool same(const KivUsageRight& a, const KivUsageRight& b) {
    return a.eType == b.eType && same(a.psRestriction, b.psRestriction);
}

inline bool same(const KivHits& a, const KivHits& b) {
    return same(a.psSatisfier, b.psSatisfier) && same(a.psOffsetIntoElement, b.psOffsetIntoElement) &&
           same(a.psLength, b.psLength) && same(a.pulHitRank, b.pulHitRank) &&
           same(a.psTargetToken, b.psTargetToken);
}

inline bool same(const KivTagPath& a, const KivTagPath& b) {
    return same(a.pulTagType, b.pulTagType) && same(a.sTagValue, b.sTagValue) &&
           same(a.pulTagOccurrence, b.pulTagOccurrence);
}

inline bool same(const KivMetaData& a, const KivMetaData& b) {
    return same(a.psSeriesOrder, b.psSeriesOrder) && same(a.psUsageRight, b.psUsageRight) &&
           same(a.ppsHits, b.ppsHits) && same(a.psDisplayName, b.psDisplayName) &&
           same(a.ppsSupportedVariants, b.ppsSupportedVariants) && same(a.psMessage, b.psMessage) &&
           same(a.psElementDescriptor, b.psElementDescriptor) && same(a.ppsSurrogateFor, b.ppsSurrogateFor) &&
           same(a.ppsSurrogateElement, b.ppsSurrogateElement) && same(a.psOther, b.psOther);
}

inline bool same(const KivElementDataG& a, const KivElementDataG& b) {
    const auto& x = a.uElementDataG;
    const auto& y = b.uElementDataG;
    return a.eElementDataGType == b.eElementDataGType && same(x.psOctets, y.psOctets) &&
           x.ulNumeric == y.ulNumeric && same(x.pcDate, y.pcDate) && same(x.psExt, y.psExt) &&
           same(x.psString, y.psString) && x.fTrueOrFalse == y.fTrueOrFalse && same(x.pcOid, y.pcOid) &&
           same(x.psIntUnit, y.psIntUnit) && same(x.psDiagnostic, y.psDiagnostic) &&
           same(x.ppsSubTree, y.ppsSubTree);
}

inline bool same(const KivTaggedElement& a, const KivTaggedElement& b) {
    return same(a.pulTagType, b.pulTagType) && same(a.sTagValue, b.sTagValue) &&
           same(a.pulTagOccurrence, b.pulTagOccurrence) && same(a.sContent, b.sContent) &&
           same(a.psMetaData, b.psMetaData) && same(a.psAppliedVariant, b.psAppliedVariant);
}

inline bool same(const KivGenericRecord& a, const KivGenericRecord& b) {
    return same(a.ppsTaggedElement, b.ppsTaggedElement);
}

inline bool same(const KivArbitrary& a, const KivArbitrary& b) {
    return a.ulLength == b.ulLength && same(a.pcValue, b.pcValue);
}

inline bool same(const KivSingleASN1Type& a, const KivSingleASN1Type& b) {
    return a.eASN1Type == b.eASN1Type && same(a.uASN1.psUnknownType, b.uASN1.psUnknownType) &&
           same(a.uASN1.psGenericRecord, b.uASN1.psGenericRecord);
}

inline bool same(const KivExternal& a, const KivExternal& b) {
    const auto& x = a.uExternalValue;
    const auto& y = b.uExternalValue;
    return same(a.pcObjectIdentifier, b.pcObjectIdentifier) && a.eValueType == b.eValueType &&
           same(x.psSingleASN1Type, y.psSingleASN1Type) && same(x.psOctetAligned, y.psOctetAligned) &&
           same(x.psArbitrary, y.psArbitrary);
}

}  // namespace grs1_test
