#include "tests/external/grs1_samples.h"

#include <utility>

namespace grs1_test {
namespace {

KivStringOrNumeric stringValue(const std::string& value) {
    KivStringOrNumeric result;
    result.eStringOrNumeric = 1;
    result.uStringOrNumeric.psString = text(value);
    return result;
}

KivStringOrNumeric numericValue(uint32_t value) {
    KivStringOrNumeric result;
    result.eStringOrNumeric = 2;
    result.uStringOrNumeric.ulNumeric = value;
    return result;
}

// A unit with every member: system, string type, numeric unit and scale factor.
KivUnit fullUnit() {
    KivUnit unit;
    unit.psUnitSystem = text("SI");
    unit.psUnitType = std::make_unique<KivStringOrNumeric>(stringValue("length"));
    unit.psUnit = std::make_unique<KivStringOrNumeric>(numericValue(3));
    unit.pulScaleFactor = 2;
    return unit;
}

std::unique_ptr<KivIntUnit> intUnit(uint32_t value, bool withUnit) {
    auto result = std::make_unique<KivIntUnit>();
    result->ulValue = value;
    if (withUnit) result->sUnitUsed = fullUnit();
    return result;
}

KivTaggedElement* addContent(KivArray<KivTaggedElement>& elements, const std::string& tag, int32_t type) {
    KivTaggedElement* element = addElement(elements, tag);
    element->sContent.eElementDataGType = type;
    return element;
}

void addHit(KivArray<KivHits>& hits, int32_t termType) {
    KivHits* hit = hits.emplace();
    hit->psSatisfier = std::make_unique<KivTerm>();
    KivTerm& term = *hit->psSatisfier;
    term.eTermType = termType;
    auto& member = term.uTerm;
    switch (termType) {
        case TT_General:
            member.psGeneral = octets("whale");
            break;
        case TT_Numeric:
            member.ulInteger = 42;
            break;
        case TT_SimpleCharacter:
            member.psSimpleCharacter = text("Ishmael");
            break;
        case TT_ObjectIdentifier:
            member.pcObjectIdentifier = "1.2.840.10003.3.1";
            break;
        case TT_DateTime:
            member.pcDateTime = "18511018";
            break;
        case TT_External:
            member.psExternal = octetExternal("1.2.840.10003.5.109.3", "<b>whale</b>");
            break;
        case TT_IntegerAndUnit:
            member.psIntegerAndUnit = intUnit(7, true);
            break;
        default:
            break;
    }
}

KivTriples* addTriple(KivVariant& variant, uint32_t type, int32_t valueType) {
    KivTriples* triple = variant.ppsTriples.emplace();
    triple->ulClass = 2;
    triple->ulType = type;
    triple->sValue.eVariantValueType = valueType;
    return triple;
}

// Every kind of variant value, the first triple with a variant-set identifier of its own.
std::unique_ptr<KivVariant> everyValueVariant() {
    auto variant = std::make_unique<KivVariant>();
    variant->pcGlobalVariantSetId = "1.2.840.10003.12.1";
    auto& first = addTriple(*variant, 1, VVT_Int)->sValue.uVariantValueType;
    first.ulInt1 = 0xFFFFFFFF;
    variant->ppsTriples[0]->pcVariantSetId = "1.2.840.10003.12.1";
    addTriple(*variant, 2, VVT_InternationalString)->sValue.uVariantValueType.psInternationalString =
        text("en");
    addTriple(*variant, 3, VVT_Octs)->sValue.uVariantValueType.psOcts =
        octets(std::string("\x01\x00\x02", 3));
    addTriple(*variant, 4, VVT_Oid)->sValue.uVariantValueType.pcOid = "1.2.840.10003.5.10";
    addTriple(*variant, 5, VVT_Bool)->sValue.uVariantValueType.fBool = 1;
    addTriple(*variant, 6, VVT_Null);
    addTriple(*variant, 7, VVT_Unit)->sValue.uVariantValueType.psUnit = std::make_unique<KivUnit>(fullUnit());
    addTriple(*variant, 8, VVT_ValueAndUnit)->sValue.uVariantValueType.psValueAndUnit = intUnit(250, true);
    return variant;
}

void addTagPath(KivArray<KivTagPath>& path, KivStringOrNumeric tag, bool withNumbers) {
    KivTagPath* step = path.emplace();
    step->sTagValue = std::move(tag);
    if (withNumbers) {
        step->pulTagType = 2;
        step->pulTagOccurrence = 1;
    }
}

}  // namespace

std::unique_ptr<KivOctets> octets(const std::string& value) {
    return std::make_unique<KivOctets>(KivOctets{value});
}

std::unique_ptr<KivExternal> octetExternal(const std::string& oid, const std::string& value) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_OctetAligned;
    external->uExternalValue.psOctetAligned = octets(value);
    return external;
}

KivTaggedElement* addElement(KivArray<KivTaggedElement>& elements, const std::string& tag) {
    KivTaggedElement* element = elements.emplace();
    element->pulTagType = 2;
    element->sTagValue = stringValue(tag);
    return element;
}

KivTaggedElement* addNumericElement(KivArray<KivTaggedElement>& elements, uint32_t tag) {
    KivTaggedElement* element = elements.emplace();
    element->sTagValue = numericValue(tag);
    return element;
}

KivGenericRecord everyContentRecord() {
    KivGenericRecord record;
    auto& elements = record.ppsTaggedElement;
    addContent(elements, "octets", EDT_Octets)->sContent.uElementDataG.psOctets =
        octets(std::string("a\0b", 3));
    KivTaggedElement* numeric = addNumericElement(elements, 4);
    numeric->pulTagOccurrence = 2;
    numeric->sContent.eElementDataGType = EDT_Numeric;
    numeric->sContent.uElementDataG.ulNumeric = 0xFFFFFFFF;
    addContent(elements, "date", EDT_Date)->sContent.uElementDataG.pcDate = "20240102030405";
    addContent(elements, "ext", EDT_Ext)->sContent.uElementDataG.psExt =
        octetExternal("1.2.840.10003.5.109.3", "<p>Moby Dick</p>");
    addContent(elements, "title", EDT_String)->sContent.uElementDataG.psString = text("Moby Dick");
    addContent(elements, "empty string", EDT_String)->sContent.uElementDataG.psString = text("");
    addContent(elements, "true", EDT_TrueOrFalse)->sContent.uElementDataG.fTrueOrFalse = 1;
    addContent(elements, "false", EDT_TrueOrFalse)->sContent.uElementDataG.fTrueOrFalse = 0;
    addContent(elements, "oid", EDT_Oid)->sContent.uElementDataG.pcOid = "1.2.840.10003.3.1";
    addContent(elements, "int unit", EDT_IntUnit)->sContent.uElementDataG.psIntUnit = intUnit(12, true);
    addContent(elements, "bare int unit", EDT_IntUnit)->sContent.uElementDataG.psIntUnit = intUnit(0, false);
    addContent(elements, "not there", EDT_ElementNotThere);
    addContent(elements, "empty", EDT_ElementEmpty);
    addContent(elements, "no data", EDT_NoDataRequested);
    addContent(elements, "diagnostic", EDT_Diagnostic)->sContent.uElementDataG.psDiagnostic =
        octetExternal("1.2.840.10003.4.2", "diagnostic");
    KivTaggedElement* subtree = addContent(elements, "subtree", EDT_Subtree);
    auto& children = subtree->sContent.uElementDataG.ppsSubTree;
    addContent(children, "child", EDT_String)->sContent.uElementDataG.psString = text("Ishmael");
    KivTaggedElement* inner = addContent(children, "inner", EDT_Subtree);
    addNumericElement(inner->sContent.uElementDataG.ppsSubTree, 9)->sContent.eElementDataGType =
        EDT_ElementEmpty;
    addContent(children, "empty subtree", EDT_Subtree)->sContent.uElementDataG.ppsSubTree =
        KivArray<KivTaggedElement>::emptyArray();
    return record;
}

KivGenericRecord metaDataRecord() {
    KivGenericRecord record;
    KivTaggedElement* element = addContent(record.ppsTaggedElement, "described", EDT_String);
    element->sContent.uElementDataG.psString = text("Call me Ishmael.");
    element->psMetaData = std::make_unique<KivMetaData>();
    KivMetaData& metaData = *element->psMetaData;
    metaData.psSeriesOrder = std::make_unique<KivSeriesOrder>(KivSeriesOrder{1, 7});
    metaData.psUsageRight = std::make_unique<KivUsageRight>();
    metaData.psUsageRight->eType = UIT_Restricted;
    metaData.psUsageRight->psRestriction = text("library use only");
    for (int32_t termType = TT_General; termType <= TT_Null; ++termType) addHit(metaData.ppsHits, termType);
    KivHits* located = metaData.ppsHits[0];
    located->psOffsetIntoElement = intUnit(5, true);
    located->psLength = intUnit(7, false);
    located->pulHitRank = 1;
    located->psTargetToken = octets("token");
    metaData.ppsHits.emplace();  // a hit vector with nothing in it
    metaData.psDisplayName = text("Opening line");
    metaData.ppsSupportedVariants.append(everyValueVariant());
    metaData.ppsSupportedVariants.emplace()->ppsTriples = KivArray<KivTriples>::emptyArray();
    metaData.psMessage = text("abridged");
    metaData.psElementDescriptor = octets("descriptor");
    addTagPath(metaData.ppsSurrogateFor, stringValue("chapter"), true);
    addTagPath(metaData.ppsSurrogateFor, numericValue(1), false);
    addTagPath(metaData.ppsSurrogateElement, numericValue(3), true);
    metaData.psOther = octetExternal("1.2.840.10003.5.109.10", "<other/>");
    return record;
}

KivGenericRecord variantRecord() {
    KivGenericRecord record;
    KivTaggedElement* every = addContent(record.ppsTaggedElement, "every value", EDT_NoDataRequested);
    every->psAppliedVariant = everyValueVariant();
    KivTaggedElement* bare = addNumericElement(record.ppsTaggedElement, 1);
    bare->sContent.eElementDataGType = EDT_ElementNotThere;
    bare->psAppliedVariant = std::make_unique<KivVariant>();
    bare->psAppliedVariant->ppsTriples = KivArray<KivTriples>::emptyArray();
    return record;
}

KivGenericRecord nestedRecord(int levels) {
    KivGenericRecord record;
    KivArray<KivTaggedElement>* elements = &record.ppsTaggedElement;
    for (int level = 1; level < levels; ++level) {
        KivTaggedElement* element = addNumericElement(*elements, static_cast<uint32_t>(level));
        element->sContent.eElementDataGType = EDT_Subtree;
        elements = &element->sContent.uElementDataG.ppsSubTree;
    }
    KivTaggedElement* innermost = addNumericElement(*elements, static_cast<uint32_t>(levels));
    innermost->sContent.eElementDataGType = EDT_Numeric;
    innermost->sContent.uElementDataG.ulNumeric = 1;
    return record;
}

KivGenericRecord recordInExternalRecord() {
    KivGenericRecord record;
    addContent(record.ppsTaggedElement, "carried", EDT_Ext)->sContent.uElementDataG.psExt =
        grsExternal(variantRecord(), kGrs1IsoOid);
    return record;
}

KivGenericRecord emptyRecord() {
    KivGenericRecord record;
    record.ppsTaggedElement = KivArray<KivTaggedElement>::emptyArray();
    return record;
}

std::vector<NamedRecord> validRecords() {
    return {
        {"every content", everyContentRecord},
        {"metadata", metaDataRecord},
        {"variants", variantRecord},
        {"nested", [] { return nestedRecord(5); }},
        {"record in an EXTERNAL", recordInExternalRecord},
        {"empty", emptyRecord},
    };
}

std::unique_ptr<KivExternal> grsExternal(KivGenericRecord record, const char* oid) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    auto& content = external->uExternalValue.psSingleASN1Type;
    content = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = AT_GenericRecord;
    content->uASN1.psGenericRecord = std::make_unique<KivGenericRecord>(std::move(record));
    return external;
}

}  // namespace grs1_test
