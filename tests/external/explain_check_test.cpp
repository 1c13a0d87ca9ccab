// Validation of Explain records: each fault reported once, with its code and the exact message and path.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/external/carried_check_fixture.h"
#include "tests/external/explain_samples.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/external/kiv_check_explain_record.h"
#include "toolkit/external/kiv_explain_depth.h"

namespace explain_check_cases {
namespace {

using namespace explain_test;

const std::string kExplainPath = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kExplainRecord = "uASN1.psExplainRecord->";

using ExplainCheckTest = CarriedCheckTest;

std::string missingInExplain(const std::string& field) {
    return validation_messages::missing(kExplainPath + kExplainRecord + field);
}
std::string outOfRangeInExplain(const std::string& field, const char* star = "") {
    return validation_messages::outOfRange(star + kExplainPath + kExplainRecord + field);
}
std::string invalidBooleanExplain(const std::string& field, const char* star = "") {
    return "Invalid boolean value " + (star + kExplainPath) + kExplainRecord + field + " given";
}
std::string invalidOidExplain(const std::string& field) {
    return "Invalid oid value " + kExplainPath + kExplainRecord + field + " given";
}

int checkExplain(const KivExternal& external, SIError** error) {
    return KivCheckExplainRecord(3, external.uExternalValue.psSingleASN1Type.get(), kExplainPath, error);
}

struct ExplainFaultCase {
    const char* what;
    int32_t category;  // the sample of this selector
    std::function<void(KivExplainRecord&)> change;
    long code;
    std::string message;
};

KivTargetInfo& target(KivExplainRecord& r) {
    return *r.uExplainRecord.psTargetInfo;
}
KivAccessInfo& access(KivExplainRecord& r) {
    return *target(r).psCommonAccessInfo;
}

TEST_F(ExplainCheckTest, EveryCategorySamplePasses) {
    for (const NamedExplainRecord& sample : everyCategory()) {
        for (const char* oid : {kExplainOid, kExplainIsoOid}) {
            const auto external = explainExternal(sample.make(), oid);
            SIError* error = nullptr;
            EXPECT_EQ(checkExplain(*external, &error), 0) << sample.name;
            EXPECT_EQ(error, nullptr) << sample.name;
            SIFreeError(&error);
            EXPECT_EQ(KivCheckExternal(3, external.get(), "psRecord->", &error), 0)
                << sample.name << " " << oid;
            SIFreeError(&error);
        }
    }
}

TEST_F(ExplainCheckTest, EachFaultIsReportedWithItsPath) {
    const std::string tgt = "uExplainRecord.psTargetInfo->";
    const std::string acc = tgt + "psCommonAccessInfo->";
    const std::vector<ExplainFaultCase> cases = {
        {"selector 0", ERT_TargetInfo, [](KivExplainRecord& r) { r.eExplainRecordType = 0; }, 66,
         outOfRangeInExplain("eExplainRecordType")},
        {"selector 18", ERT_TargetInfo, [](KivExplainRecord& r) { r.eExplainRecordType = 18; }, 66,
         outOfRangeInExplain("eExplainRecordType")},
        {"category member missing", ERT_Units, [](KivExplainRecord& r) { r.uExplainRecord.psUnits.reset(); },
         64, missingInExplain("uExplainRecord.psUnits")},
        {"both target booleans invalid", ERT_TargetInfo,
         [](KivExplainRecord& r) {
             target(r).fNamedResultSets = 2;
             target(r).fMultipleDBSearch = 3;
         },
         72, invalidBooleanExplain(tgt + "fNamedResultSets")},
        {"icon body type", ERT_TargetInfo,
         [](KivExplainRecord& r) { target(r).ppsIcon[0]->sBodyType.eBodyTypeType = 4; }, 66,
         outOfRangeInExplain(tgt + "ppsIcon[0]->sBodyType.eBodyTypeType")},
        {"icon body missing", ERT_TargetInfo,
         [](KivExplainRecord& r) { target(r).ppsIcon[0]->sBodyType.uBodyType.psIanaType.reset(); }, 64,
         missingInExplain(tgt + "ppsIcon[0]->sBodyType.uBodyType.psIanaType")},
        {"database list missing", ERT_TargetInfo,
         [](KivExplainRecord& r) { target(r).ppsDbCombinations[0]->ppsInnerDatabases.reset(); }, 64,
         missingInExplain(tgt + "ppsDbCombinations[0]->ppsInnerDatabases")},
        {"address selector", ERT_TargetInfo,
         [](KivExplainRecord& r) { target(r).ppsAddresses[2]->eNetworkAddressType = 0; }, 66,
         outOfRangeInExplain(tgt + "ppsAddresses[2]->eNetworkAddressType")},
        {"units supported selector", ERT_TargetInfo,
         [](KivExplainRecord& r) {
             access(r)
                 .ppsQueryTypesSupported[0]
                 ->uQueryTypeDetails.psRpn->psProximity->ppsUnitsSupported[1]
                 ->eUnitsSupportedType = 3;
         },
         66,
         outOfRangeInExplain(acc + "ppsQueryTypesSupported[0]->uQueryTypeDetails.psRpn->psProximity->"
                                   "ppsUnitsSupported[1]->eUnitsSupportedType")},
        {"private description item", ERT_TargetInfo,
         [](KivExplainRecord& r) {
             access(r)
                 .ppsQueryTypesSupported[1]
                 ->uQueryTypeDetails.psPrivate->ppsDescription[0]
                 ->ppsHumanString.reset();
         },
         64,
         missingInExplain(
             acc +
             "ppsQueryTypesSupported[1]->uQueryTypeDetails.psPrivate->ppsDescription[0]->ppsHumanString")},
        {"query type selector", ERT_TargetInfo,
         [](KivExplainRecord& r) { access(r).ppsQueryTypesSupported[3]->eQueryTypeDetailsType = 7; }, 66,
         outOfRangeInExplain(acc + "ppsQueryTypesSupported[3]->eQueryTypeDetailsType")},
        {"record syntax oid", ERT_TargetInfo,
         [](KivExplainRecord& r) { *access(r).ppcRecordSyntaxes[1] = "1.x"; }, 73,
         invalidOidExplain(acc + "ppcRecordSyntaxes[1]")},
        {"access type -1", ERT_TargetInfo,
         [](KivExplainRecord& r) { access(r).ppsRestrictedAccess[0]->eAccessType = -1; }, 66,
         outOfRangeInExplain(acc + "ppsRestrictedAccess[0]->eAccessType")},
        {"connect time cost", ERT_TargetInfo,
         [](KivExplainRecord& r) {
             access(r).psCosts->psConnectTime->sCost.sUnitUsed.psUnit->eStringOrNumeric = 9;
         },
         66, outOfRangeInExplain(acc + "psConnectTime->sCost.sUnitUsed.psUnit->eStringOrNumeric")},
        {"other charge's charge", ERT_TargetInfo,
         [](KivExplainRecord& r) {
             KivUnit& unit = access(r).psCosts->ppsOtherCharge[0]->sCharge.sCost.sUnitUsed;
             unit.psUnitType = std::make_unique<KivStringOrNumeric>();
         },
         66,
         outOfRangeInExplain(acc +
                             "ppsOtherCharge[0]->sCharge.sCost.sUnitUsed.psUnitType->eStringOrNumeric")},
        {"unit systems missing", ERT_TargetInfo,
         [](KivExplainRecord& r) { access(r).ppsUnitSystems.reset(); }, 64,
         missingInExplain(acc + "ppsUnitSystems")},
        {"proprietary", ERT_DatabaseInfo,
         [](KivExplainRecord& r) { r.uExplainRecord.psDatabaseInfo->pfProprietary = 2; }, 72,
         invalidBooleanExplain("uExplainRecord.psDatabaseInfo->pfProprietary", "*")},
        {"record count selector", ERT_DatabaseInfo,
         [](KivExplainRecord& r) { r.uExplainRecord.psDatabaseInfo->psRecordCount->eRecordCountType = 3; },
         66, outOfRangeInExplain("uExplainRecord.psDatabaseInfo->psRecordCount->eRecordCountType")},
        {"schema oid missing", ERT_SchemaInfo,
         [](KivExplainRecord& r) { r.uExplainRecord.psSchemaInfo->pcSchema.reset(); }, 64,
         missingInExplain("uExplainRecord.psSchemaInfo->pcSchema")},
        {"structured element's tag path", ERT_SchemaInfo,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psSchemaInfo->ppsRecordStructure[1]
                 ->psElementDataType->uElementDataType.ppsStructured[0]
                 ->ppsElementTagPath.reset();
         },
         64,
         missingInExplain(
             "uExplainRecord.psSchemaInfo->ppsRecordStructure[1]->uElementDataType.ppsStructured[0]->"
             "ppsElementTagPath")},
        {"primitive data type 101", ERT_SchemaInfo,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psSchemaInfo->ppsRecordStructure[0]
                 ->psElementDataType->uElementDataType.ePrimitive = 101;
         },
         66,
         outOfRangeInExplain(
             "uExplainRecord.psSchemaInfo->ppsRecordStructure[0]->uElementDataType.ePrimitive")},
        {"tag-set element data type 101", ERT_TagSetInfo,
         [](KivExplainRecord& r) { r.uExplainRecord.psTagSetInfo->ppsElements[0]->peDataType = 101; }, 66,
         outOfRangeInExplain("uExplainRecord.psTagSetInfo->ppsElements[0]->peDataType", "*")},
        {"attribute values missing", ERT_AttributeSetInfo,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psAttributeSetInfo->ppsAttributes[0]->ppsAttributeValues.reset();
         },
         64, missingInExplain("uExplainRecord.psAttributeSetInfo->ppsAttributes[0]->ppsAttributeValues")},
        {"search cost 4", ERT_TermListInfo,
         [](KivExplainRecord& r) { r.uExplainRecord.psTermListInfo->ppsTermLists[0]->peSearchCost = 4; }, 66,
         outOfRangeInExplain("uExplainRecord.psTermListInfo->ppsTermLists[0]->peSearchCost", "*")},
        {"wait action 0", ERT_ExtendedServicesInfo,
         [](KivExplainRecord& r) { r.uExplainRecord.psExtendedServicesInfo->eWaitAction = 0; }, 66,
         outOfRangeInExplain("uExplainRecord.psExtendedServicesInfo->eWaitAction")},
        {"any-or-none without its marker", ERT_AttributeDetails,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psAttributeDetails->psAttributeCombinations->ppsLegalCombinations[0]
                 ->ppsAttributeOccurrence[0]
                 ->sAttributeValues.uAttributeOccurrenceChoiceType.pvAnyOrNone = false;
         },
         64,
         missingInExplain(
             "uExplainRecord.psAttributeDetails->psAttributeCombinations->ppsLegalCombinations[0]->"
             "ppsAttributeOccurrence[0]->sAttributeValues.uAttributeOccurrenceChoiceType.pvAnyOrNone")},
        {"sample term type 9", ERT_TermListDetails,
         [](KivExplainRecord& r) { r.uExplainRecord.psTermListDetails->ppsSampleTerms[1]->eTermType = 9; },
         66, outOfRangeInExplain("uExplainRecord.psTermListDetails->ppsSampleTerms[1]->eTermType")},
        {"per-element boolean", ERT_RetrievalRecordDetails,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psRetrievalRecordDetails->ppsDetailsPerElement[0]->fRequired = 7;
         },
         72,
         invalidBooleanExplain(
             "uExplainRecord.psRetrievalRecordDetails->ppsDetailsPerElement[0]->fRequired")},
        {"structured sort type without text", ERT_SortDetails,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psSortDetails->ppsSortKeys[0]->psSortType->ppsStructured.reset();
         },
         64, missingInExplain("uExplainRecord.psSortDetails->ppsSortKeys[0]->psSortType->ppsStructured")},
        {"case sensitivity 4", ERT_SortDetails,
         [](KivExplainRecord& r) { r.uExplainRecord.psSortDetails->ppsSortKeys[0]->peCaseSensitivity = 4; },
         66, outOfRangeInExplain("uExplainRecord.psSortDetails->ppsSortKeys[0]->peCaseSensitivity", "*")},
        {"processing context 5", ERT_Processing,
         [](KivExplainRecord& r) { r.uExplainRecord.psProcessing->eProcessingContext = 5; }, 66,
         outOfRangeInExplain("uExplainRecord.psProcessing->eProcessingContext")},
        {"enumerated oid", ERT_Variants,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psVariants->ppsVariants[0]
                 ->ppsVariantTypes[1]
                 ->psVariantValue->psValues->uValueSet.ppsEnumerated[2]
                 ->uValueDescription.pcOid = "7";
         },
         73,
         invalidOidExplain(
             "uExplainRecord.psVariants->ppsVariants[0]->ppsVariantTypes[1]->psVariantValue->psValues->"
             "uValueSet.ppsEnumerated[2]->uValueDescription.pcOid")},
        {"units missing", ERT_Units,
         [](KivExplainRecord& r) { r.uExplainRecord.psUnits->ppsUnitTypes[0]->ppsUnits.reset(); }, 64,
         missingInExplain("uExplainRecord.psUnits->ppsUnitTypes[0]->ppsUnits")},
        {"categories missing", ERT_CategoryList,
         [](KivExplainRecord& r) { r.uExplainRecord.psCategoryList->ppsCategories.reset(); }, 64,
         missingInExplain("uExplainRecord.psCategoryList->ppsCategories")},
        {"common other information", ERT_CategoryList,
         [](KivExplainRecord& r) {
             r.uExplainRecord.psCategoryList->psCommonInfo->ppsOtherInformation.emplace()->eInformationType =
                 9;
         },
         66,
         outOfRangeInExplain(
             "uExplainRecord.psCategoryList->psCommonInfo->ppsOtherInformation->[0]->eInformationType")},
    };
    for (const ExplainFaultCase& c : cases) {
        auto record = everyCategory()[c.category - 1].make();
        c.change(*record);
        const auto external = explainExternal(std::move(record));
        expectFault(checkExplain, *external, c.code, c.message, c.what);
    }
}

TEST_F(ExplainCheckTest, ValuesAtTheEdgesOfTheirRangesPass) {
    auto record = everyCategory()[ERT_TagSetInfo - 1].make();
    record->uExplainRecord.psTagSetInfo->ppsElements[0]->peDataType = 50;  // 9 to 99 pass
    auto categories = everyCategory()[ERT_CategoryList - 1].make();
    categories->uExplainRecord.psCategoryList->ppsCategories = KivArray<KivCategoryInfo>::emptyArray();
    auto target = everyCategory()[ERT_TargetInfo - 1].make();
    target->uExplainRecord.psTargetInfo->psCommonAccessInfo->ppsRestrictedAccess[0]->eAccessType = AT_Any;
    target->uExplainRecord.psTargetInfo->psCommonAccessInfo->ppsQueryTypesSupported[2]
        ->uQueryTypeDetails.psIso8777->ppsSearchKey.reset();
    for (auto* changed : {&record, &categories, &target}) {
        const auto external = explainExternal(std::move(*changed));
        SIError* error = nullptr;
        EXPECT_EQ(checkExplain(*external, &error), 0);
        SIFreeError(&error);
    }
}

TEST_F(ExplainCheckTest, TheRecordItselfAndTheIdentifier) {
    createLog();
    KivExternal external;
    external.pcObjectIdentifier = kExplainOid;
    external.eValueType = EVT_SingleASN1Type;
    external.uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    external.uExternalValue.psSingleASN1Type->eASN1Type = AT_ExplainRecord;
    SIError* error = nullptr;
    EXPECT_EQ(checkExplain(external, &error), 1);
    EXPECT_EQ(loggedDiagnostic(), "Missing compulsory field " + kExplainPath + "uASN1.psExplainRecord");
    SIFreeError(&error);

    createLog();
    const auto sutrs = explainExternal(everyCategory()[0].make(), "1.2.840.10003.5.101");
    EXPECT_EQ(KivCheckExternal(3, sutrs.get(), "psRecord->", &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 74);
    SIFreeError(&error);
}

// nestedSchema(n) holds n + 1 levels of element-description lists, the innermost one empty.
TEST_F(ExplainCheckTest, ElementDescriptionsNestedTooDeepAreRefused) {
    createLog();
    const auto deepest = explainExternal(nestedSchema(kKivMaxExplainElementDepth - 1));
    SIError* error = nullptr;
    EXPECT_EQ(checkExplain(*deepest, &error), 0);
    SIFreeError(&error);
    const auto tooDeep = explainExternal(nestedSchema(kKivMaxExplainElementDepth));
    EXPECT_EQ(checkExplain(*tooDeep, &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 76);
    EXPECT_NE(loggedDiagnostic().find(" IS NESTED DEEPER THAN " + std::to_string(kKivMaxExplainElementDepth) +
                                      " LEVELS"),
              std::string::npos);
    SIFreeError(&error);
}

}  // namespace
}  // namespace explain_check_cases
