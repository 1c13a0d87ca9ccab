// Validation of GRS-1 records: each fault reported once, with its code and the exact message and path.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/external/carried_check_fixture.h"
#include "tests/external/grs1_samples.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/external/kiv_check_generic_record.h"
#include "toolkit/external/kiv_generic_record_depth.h"

namespace grs1_check_cases {
namespace {

using namespace grs1_test;

const std::string kGrs1Path = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kElements = "uASN1.psGenericRecord->ppsTaggedElement";

using Grs1CheckTest = CarriedCheckTest;

std::string element(int index) {
    return kElements + "[" + std::to_string(index) + "]->";
}

std::string missingInGrs1(const std::string& field) {
    return validation_messages::missing(kGrs1Path + field);
}
std::string outOfRangeInGrs1(const std::string& field) {
    return validation_messages::outOfRange(kGrs1Path + field);
}
std::string invalidBooleanGrs1(const std::string& field) {
    return "Invalid boolean value " + kGrs1Path + field + " given";
}
std::string invalidOidGrs1(const std::string& field) {
    return "Invalid oid value " + kGrs1Path + field + " given";
}

int checkGrs1(const KivExternal& external, SIError** error) {
    return KivCheckGenericRecord(3, external.uExternalValue.psSingleASN1Type.get(), kGrs1Path, error);
}

struct Grs1FaultCase {
    const char* what;
    KivGenericRecord (*sample)();
    std::function<void(KivGenericRecord&)> change;
    long code;
    std::string message;
};

KivTaggedElement& at(KivGenericRecord& record, size_t index) {
    return *record.ppsTaggedElement[index];
}
KivMetaData& metaOf(KivGenericRecord& record) {
    return *at(record, 0).psMetaData;
}
KivTriples& tripleOf(KivGenericRecord& record, size_t index) {
    return *at(record, 0).psAppliedVariant->ppsTriples[index];
}

TEST_F(Grs1CheckTest, ValidRecordsPass) {
    for (const NamedRecord& sample : validRecords()) {
        const auto external = grsExternal(sample.make());
        SIError* error = nullptr;
        EXPECT_EQ(checkGrs1(*external, &error), 0) << sample.name;
        EXPECT_EQ(error, nullptr) << sample.name;
        SIFreeError(&error);
    }
}

TEST_F(Grs1CheckTest, EachFaultIsReportedWithItsPath) {
    const std::string meta = element(0) + "psMetaData->";
    const std::string variant = element(0) + "psAppliedVariant->";
    const std::string value = variant + "ppsTriples[1]->sValue.";
    const std::vector<Grs1FaultCase> cases = {
        // The record and its elements.
        {"no element array", everyContentRecord, [](KivGenericRecord& r) { r.ppsTaggedElement.reset(); }, 64,
         missingInGrs1(kElements)},
        {"tag selector 3", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 1).sTagValue.eStringOrNumeric = 3; }, 66,
         outOfRangeInGrs1(element(1) + "sTagValue.eStringOrNumeric")},
        {"string tag without its string", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 2).sTagValue.uStringOrNumeric.psString.reset(); }, 64,
         missingInGrs1(element(2) + "sTagValue.uStringOrNumeric.psString")},
        {"content selector 0", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 0).sContent.eElementDataGType = 0; }, 66,
         outOfRangeInGrs1(element(0) + "sContent.eElementDataGType")},
        {"content selector 14", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 4).sContent.eElementDataGType = 14; }, 66,
         outOfRangeInGrs1(element(4) + "sContent.eElementDataGType")},
        {"octets missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 0).sContent.uElementDataG.psOctets.reset(); }, 64,
         missingInGrs1(element(0) + "sContent.uElementDataG.psOctets")},
        {"date missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 2).sContent.uElementDataG.pcDate.reset(); }, 64,
         missingInGrs1(element(2) + "sContent.uElementDataG.pcDate")},
        {"external missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 3).sContent.uElementDataG.psExt.reset(); }, 64,
         missingInGrs1(element(3) + "sContent.uElementDataG.psExt")},
        {"external of no encoding", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 3).sContent.uElementDataG.psExt->eValueType = 7; }, 66,
         outOfRangeInGrs1(element(3) + "sContent.uElementDataG.psExt->eValueType")},
        {"string missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 5).sContent.uElementDataG.psString.reset(); }, 64,
         missingInGrs1(element(5) + "sContent.uElementDataG.psString")},
        {"boolean 2", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 7).sContent.uElementDataG.fTrueOrFalse = 2; }, 72,
         invalidBooleanGrs1(element(7) + "sContent.fTrueOrFalse")},
        {"oid missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 8).sContent.uElementDataG.pcOid.reset(); }, 64,
         missingInGrs1(element(8) + "sContent.uElementDataG.pcOid")},
        {"oid not dotted decimal", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 8).sContent.uElementDataG.pcOid = "1.2.x"; }, 73,
         invalidOidGrs1(element(8) + "sContent.uElementDataG.pcOid")},
        {"oid of one arc, which would be sent empty", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 8).sContent.uElementDataG.pcOid = "1"; }, 73,
         invalidOidGrs1(element(8) + "sContent.uElementDataG.pcOid")},
        {"int unit missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 9).sContent.uElementDataG.psIntUnit.reset(); }, 64,
         missingInGrs1(element(9) + "sContent.uElementDataG.psIntUnit")},
        {"int unit with a unit type of selector 0", everyContentRecord,
         [](KivGenericRecord& r) {
             at(r, 9).sContent.uElementDataG.psIntUnit->sUnitUsed.psUnitType->eStringOrNumeric = 0;
         },
         66,
         outOfRangeInGrs1(element(9) +
                          "sContent.uElementDataG.psIntUnit->sUnitUsed.psUnitType->eStringOrNumeric")},
        {"diagnostic missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 14).sContent.uElementDataG.psDiagnostic.reset(); }, 64,
         missingInGrs1(element(14) + "sContent.uElementDataG.psDiagnostic")},
        {"diagnostic with a bad identifier", everyContentRecord,
         [](KivGenericRecord& r) {
             at(r, 14).sContent.uElementDataG.psDiagnostic->pcObjectIdentifier = "4..x";
         },
         73, invalidOidGrs1(element(14) + "sContent.uElementDataG.psDiagnostic->pcObjectIdentifier")},
        {"subtree missing", everyContentRecord,
         [](KivGenericRecord& r) { at(r, 15).sContent.uElementDataG.ppsSubTree.reset(); }, 64,
         missingInGrs1(element(15) + "sContent.uElementDataG.ppsSubTree")},
        {"fault two subtrees down", everyContentRecord,
         [](KivGenericRecord& r) {
             KivTaggedElement& inner = *at(r, 15).sContent.uElementDataG.ppsSubTree[1];
             inner.sContent.uElementDataG.ppsSubTree[0]->sTagValue.eStringOrNumeric = -1;
         },
         66,
         outOfRangeInGrs1(element(15) +
                          "sContent.uElementDataG.ppsSubTree[1]->sContent.uElementDataG.ppsSubTree[0]->"
                          "sTagValue.eStringOrNumeric")},
        {"subtree fault ahead of the element's own metadata", everyContentRecord,
         [](KivGenericRecord& r) {
             KivTaggedElement& subtree = at(r, 15);
             subtree.sContent.uElementDataG.ppsSubTree[0]->sContent.uElementDataG.psString.reset();
             subtree.psMetaData = std::make_unique<KivMetaData>();
             subtree.psMetaData->psUsageRight = std::make_unique<KivUsageRight>();
         },
         64,
         missingInGrs1(element(15) +
                       "sContent.uElementDataG.ppsSubTree[0]->sContent.uElementDataG.psString")},
        // Metadata.
        {"series order not ascending or descending", metaDataRecord,
         [](KivGenericRecord& r) { metaOf(r).psSeriesOrder->fAscending = 5; }, 72,
         invalidBooleanGrs1(meta + "psSeriesOrder->fAscending")},
        {"usage type 4", metaDataRecord, [](KivGenericRecord& r) { metaOf(r).psUsageRight->eType = 4; }, 66,
         outOfRangeInGrs1(meta + "psUsageRight->eType")},
        {"usage type 0", metaDataRecord, [](KivGenericRecord& r) { metaOf(r).psUsageRight->eType = 0; }, 66,
         outOfRangeInGrs1(meta + "psUsageRight->eType")},
        {"satisfier of term type 9", metaDataRecord,
         [](KivGenericRecord& r) { metaOf(r).ppsHits[2]->psSatisfier->eTermType = 9; }, 66,
         outOfRangeInGrs1(meta + "ppsHits[2]->psSatisfier->eTermType")},
        {"satisfier without its term", metaDataRecord,
         [](KivGenericRecord& r) { metaOf(r).ppsHits[2]->psSatisfier->uTerm.psSimpleCharacter.reset(); }, 64,
         missingInGrs1(meta + "ppsHits[2]->psSatisfier->uTerm.psSimpleCharacter")},
        {"offset with a bad unit", metaDataRecord,
         [](KivGenericRecord& r) {
             metaOf(r).ppsHits[0]->psOffsetIntoElement->sUnitUsed.psUnit->eStringOrNumeric = 4;
         },
         66, outOfRangeInGrs1(meta + "ppsHits[0]->psOffsetIntoElement->sUnitUsed.psUnit->eStringOrNumeric")},
        {"length with a bad unit", metaDataRecord,
         [](KivGenericRecord& r) {
             auto& unit = metaOf(r).ppsHits[0]->psLength->sUnitUsed;
             unit.psUnitType = std::make_unique<KivStringOrNumeric>();
             unit.psUnitType->eStringOrNumeric = 1;
         },
         64, missingInGrs1(meta + "ppsHits[0]->psLength->sUnitUsed.psUnitType->uStringOrNumeric.psString")},
        {"supported variant without triples", metaDataRecord,
         [](KivGenericRecord& r) { metaOf(r).ppsSupportedVariants[1]->ppsTriples.reset(); }, 64,
         missingInGrs1(meta + "ppsSupportedVariants[1]->ppsTriples")},
        {"supported variant with a bad value", metaDataRecord,
         [](KivGenericRecord& r) {
             metaOf(r).ppsSupportedVariants[0]->ppsTriples[4]->sValue.uVariantValueType.fBool = 2;
         },
         72, invalidBooleanGrs1(meta + "ppsSupportedVariants[0]->ppsTriples[4]->sValue.fBool")},
        {"surrogate-for step with tag selector 0", metaDataRecord,
         [](KivGenericRecord& r) { metaOf(r).ppsSurrogateFor[1]->sTagValue.eStringOrNumeric = 0; }, 66,
         outOfRangeInGrs1(meta + "ppsSurrogateFor[1]->sTagValue.eStringOrNumeric")},
        {"surrogate-element step without its string", metaDataRecord,
         [](KivGenericRecord& r) {
             auto& tag = metaOf(r).ppsSurrogateElement[0]->sTagValue;
             tag.eStringOrNumeric = 1;
         },
         64, missingInGrs1(meta + "ppsSurrogateElement[0]->sTagValue.uStringOrNumeric.psString")},
        {"other metadata of no encoding", metaDataRecord,
         [](KivGenericRecord& r) { metaOf(r).psOther->eValueType = 0; }, 66,
         outOfRangeInGrs1(meta + "psOther->eValueType")},
        // Applied variants.
        {"global variant set not dotted decimal", variantRecord,
         [](KivGenericRecord& r) { at(r, 0).psAppliedVariant->pcGlobalVariantSetId = "a.b"; }, 73,
         invalidOidGrs1(variant + "pcGlobalVariantSetId")},
        {"variant without triples", variantRecord,
         [](KivGenericRecord& r) { at(r, 1).psAppliedVariant->ppsTriples.reset(); }, 64,
         missingInGrs1(element(1) + "psAppliedVariant->ppsTriples")},
        {"variant set not dotted decimal", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 0).pcVariantSetId = "1.2."; }, 73,
         invalidOidGrs1(variant + "ppsTriples[0]->pcVariantSetId")},
        {"value selector 9", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 1).sValue.eVariantValueType = 9; }, 66,
         outOfRangeInGrs1(value + "eVariantValueType")},
        {"international string missing", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 1).sValue.uVariantValueType.psInternationalString.reset(); },
         64, missingInGrs1(value + "uVariantValueType.psInternationalString")},
        {"octets missing", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 2).sValue.uVariantValueType.psOcts.reset(); }, 64,
         missingInGrs1(variant + "ppsTriples[2]->sValue.uVariantValueType.psOcts")},
        {"oid missing", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 3).sValue.uVariantValueType.pcOid.reset(); }, 64,
         missingInGrs1(variant + "ppsTriples[3]->sValue.uVariantValueType.pcOid")},
        {"oid not dotted decimal", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 3).sValue.uVariantValueType.pcOid = "x"; }, 73,
         invalidOidGrs1(variant + "ppsTriples[3]->sValue.uVariantValueType.pcOid")},
        {"boolean 2", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 4).sValue.uVariantValueType.fBool = 2; }, 72,
         invalidBooleanGrs1(variant + "ppsTriples[4]->sValue.fBool")},
        {"unit missing", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 6).sValue.uVariantValueType.psUnit.reset(); }, 64,
         missingInGrs1(variant + "ppsTriples[6]->sValue.uVariantValueType.psUnit")},
        {"unit with a bad unit type", variantRecord,
         [](KivGenericRecord& r) {
             tripleOf(r, 6).sValue.uVariantValueType.psUnit->psUnitType->eStringOrNumeric = 7;
         },
         66,
         outOfRangeInGrs1(variant +
                          "ppsTriples[6]->sValue.uVariantValueType.psUnit->psUnitType->eStringOrNumeric")},
        {"value and unit missing", variantRecord,
         [](KivGenericRecord& r) { tripleOf(r, 7).sValue.uVariantValueType.psValueAndUnit.reset(); }, 64,
         missingInGrs1(variant + "ppsTriples[7]->sValue.uVariantValueType.psValueAndUnit")},
        {"value and unit with a bad unit", variantRecord,
         [](KivGenericRecord& r) {
             tripleOf(r, 7).sValue.uVariantValueType.psValueAndUnit->sUnitUsed.psUnit->eStringOrNumeric = 3;
         },
         66,
         outOfRangeInGrs1(variant +
                          "ppsTriples[7]->sValue.uVariantValueType.psValueAndUnit->sUnitUsed.psUnit->"
                          "eStringOrNumeric")},
        {"first of two faults", variantRecord,
         [](KivGenericRecord& r) {
             at(r, 0).psAppliedVariant->pcGlobalVariantSetId = "bad";
             at(r, 1).sContent.eElementDataGType = 0;
         },
         73, invalidOidGrs1(variant + "pcGlobalVariantSetId")},
    };
    for (const Grs1FaultCase& c : cases) {
        KivGenericRecord record = c.sample();
        c.change(record);
        const auto external = grsExternal(std::move(record));
        expectFault(checkGrs1, *external, c.code, c.message, c.what);
    }
}

TEST_F(Grs1CheckTest, AMissingRecordIsReported) {
    createLog();
    auto external = grsExternal(emptyRecord());
    external->uExternalValue.psSingleASN1Type->uASN1.psGenericRecord.reset();
    SIError* error = nullptr;
    EXPECT_EQ(checkGrs1(*external, &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 64);
    EXPECT_EQ(loggedDiagnostic(), missingInGrs1("uASN1.psGenericRecord"));
    SIFreeError(&error);
}

// Through the EXTERNAL's own validation, which chooses the validator by eASN1Type and the identifier.
TEST_F(Grs1CheckTest, TheExternalMustNameGrs1) {
    for (const char* oid : {kGrs1Oid, kGrs1IsoOid}) {
        const auto external = grsExternal(everyContentRecord(), oid);
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(3, external.get(), "psRecord->", &error), 0) << oid;
        SIFreeError(&error);
    }
    createLog();
    const auto sutrs = grsExternal(everyContentRecord(), "1.2.840.10003.5.101");
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckExternal(3, sutrs.get(), "psRecord->", &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 74);
    EXPECT_EQ(loggedDiagnostic(),
              "Invalid oid value 1.2.840.10003.5.101 for external " + kGrs1Path + "eASN1Type");
    SIFreeError(&error);
}

TEST_F(Grs1CheckTest, ARecordInAnElementsExternalIsCheckedInFull) {
    createLog();
    KivGenericRecord record = recordInExternalRecord();
    KivGenericRecord& inner =
        *at(record, 0).sContent.uElementDataG.psExt->uExternalValue.psSingleASN1Type->uASN1.psGenericRecord;
    tripleOf(inner, 4).sValue.uVariantValueType.fBool = 2;
    const auto external = grsExternal(std::move(record));
    SIError* error = nullptr;
    EXPECT_EQ(checkGrs1(*external, &error), 1);
    EXPECT_EQ(
        loggedDiagnostic(),
        invalidBooleanGrs1(element(0) + "sContent.uElementDataG.psExt->uExternalValue.psSingleASN1Type->" +
                           element(0) + "psAppliedVariant->ppsTriples[4]->sValue.fBool"));
    SIFreeError(&error);
}

TEST_F(Grs1CheckTest, NestingIsAcceptedToTheDepthLimit) {
    const auto deepest = grsExternal(nestedRecord(kKivMaxGenericRecordDepth));
    SIError* error = nullptr;
    EXPECT_EQ(checkGrs1(*deepest, &error), 0);
    EXPECT_EQ(error, nullptr);

    createLog();
    const auto tooDeep = grsExternal(nestedRecord(kKivMaxGenericRecordDepth + 1));
    EXPECT_EQ(checkGrs1(*tooDeep, &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 76);
    EXPECT_EQ(loggedDiagnostic(), kGrs1Path + "uASN1.psGenericRecord IS NESTED DEEPER THAN " +
                                      std::to_string(kKivMaxGenericRecordDepth) + " LEVELS");
    SIFreeError(&error);
}

// Records nested in EXTERNALs count towards the same limit as subtrees.
TEST_F(Grs1CheckTest, RecordsInExternalsShareTheDepthLimit) {
    createLog();
    KivGenericRecord record = nestedRecord(kKivMaxGenericRecordDepth - 10);
    KivTaggedElement* innermost = record.ppsTaggedElement[0];
    while (innermost->sContent.eElementDataGType == EDT_Subtree) {
        innermost = innermost->sContent.uElementDataG.ppsSubTree[0];
    }
    innermost->sContent.eElementDataGType = EDT_Ext;
    innermost->sContent.uElementDataG.psExt = grsExternal(nestedRecord(11));
    const auto external = grsExternal(std::move(record));
    SIError* error = nullptr;
    EXPECT_EQ(checkGrs1(*external, &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 76);
    // The inner record's path lies past the path limit: the message keeps the explanation.
    const std::string logged = loggedDiagnostic();
    EXPECT_TRUE(
        logged.ends_with(" IS NESTED DEEPER THAN " + std::to_string(kKivMaxGenericRecordDepth) + " LEVELS"))
        << logged;
    SIFreeError(&error);
}

// A fault deep in a nested record is reported with a path cut to the path limit, in a message that keeps
// within its 5000 octets.
TEST_F(Grs1CheckTest, DeepPathsAreCutToThePathLimit) {
    createLog();
    KivGenericRecord record = nestedRecord(200);
    KivTaggedElement* innermost = record.ppsTaggedElement[0];
    while (innermost->sContent.eElementDataGType == EDT_Subtree) {
        innermost = innermost->sContent.uElementDataG.ppsSubTree[0];
    }
    innermost->sContent.eElementDataGType = 99;
    const auto external = grsExternal(std::move(record));
    SIError* error = nullptr;
    EXPECT_EQ(checkGrs1(*external, &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 66);
    const std::string logged = loggedDiagnostic();
    EXPECT_EQ(logged.size(), 4998u);
    EXPECT_TRUE(logged.ends_with("->sContent.u contains a value which is out of its range"));
    SIFreeError(&error);
}

}  // namespace
}  // namespace grs1_check_cases
