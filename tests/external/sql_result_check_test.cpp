// Validation of SQL result sets: each fault reported once, with its code and the exact message and path;
// compulsory members that the conversion would follow are refused rather than read.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/external/carried_check_fixture.h"
#include "tests/external/sql_result_samples.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/external/kiv_check_sql_result.h"
#include "toolkit/external/kiv_sql_result_depth.h"

namespace sql_result_check_cases {
namespace {

using namespace sql_test;

const std::string kSqlResultPath = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kResult = kSqlResultPath + "uASN1.psSQLResult->";
const std::string kPredefinedPath =
    "->uSQLDataTypeDescriptor.psPredefinedType->sSQLPredefinedTypeDescriptorChoice."
    "uSQLPredefinedTypeDescriptorChoice.";
const std::string kUserDefinedPath =
    "->uSQLDataTypeDescriptor.psUserDefinedType->uSQLCollectionTypeDescriptor.";

using SqlResultCheckTest = CarriedCheckTest;

// The path of descriptor index of the result.
std::string type(int index) {
    return kResult + "ppsListOfSQLDataTypeDescriptor[" + std::to_string(index) + "]";
}
// The path of value index of the first row.
std::string value(int index) {
    return kResult + "ppsListOfSQLResultValues[0]->ppsListOfSQLValue[" + std::to_string(index) +
           "]->psDataItem";
}

KivSQLPredefinedTypeDescriptorChoice& predefinedOf(KivSQLResult& r, size_t index) {
    return r.ppsListOfSQLDataTypeDescriptor[index]
        ->uSQLDataTypeDescriptor.psPredefinedType->sSQLPredefinedTypeDescriptorChoice;
}
auto& typeUnion(KivSQLResult& r, size_t index) {
    return predefinedOf(r, index).uSQLPredefinedTypeDescriptorChoice;
}
auto& userDefined(KivSQLResult& r, size_t index) {
    return r.ppsListOfSQLDataTypeDescriptor[index]
        ->uSQLDataTypeDescriptor.psUserDefinedType->uSQLCollectionTypeDescriptor;
}
KivSQLValueChoice& item(KivSQLResult& r, size_t index) {
    return *r.ppsListOfSQLResultValues[0]->ppsListOfSQLValue[index]->psDataItem;
}

using validation_messages::missing;
using validation_messages::outOfRange;

int checkSqlResult(const KivExternal& external, SIError** error) {
    return KivCheckSQLResult(3, external.uExternalValue.psSingleASN1Type.get(), kSqlResultPath, error);
}

TEST_F(SqlResultCheckTest, ValidResultsPass) {
    std::vector<KivSQLResult> results;
    results.push_back(fullResult());
    results.emplace_back();
    // No character set, any bit length, an exception with nothing in it, precision base 0.
    KivSQLResult relaxed = fullResult();
    typeUnion(relaxed, 0).psCharacterType->pcCharSet.reset();
    typeUnion(relaxed, 11).psBitType->ulLength = 0xFFFFFFFFu;
    relaxed.ppsListOfSQLResultValues[1]->psSqlException = std::make_unique<KivSQLException>();
    typeUnion(relaxed, 4).psSmallIntType->ePrecisionBase = SPTDCS3_Binary;
    item(relaxed, 17).uSQLValueChoice.eIndicator = VCE_SqlDefault;
    results.push_back(std::move(relaxed));
    for (size_t i = 0; i < results.size(); ++i) {
        const auto external = sqlExternal(std::move(results[i]));
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(3, external.get(), "psRecord->", &error), 0) << i;
        EXPECT_EQ(error, nullptr) << i;
        SIFreeError(&error);
    }
}

struct SqlResultFaultCase {
    const char* what;
    std::function<void(KivSQLResult&)> change;
    long code;
    std::string message;
};

TEST_F(SqlResultCheckTest, EachFaultIsReportedWithItsPath) {
    const std::vector<SqlResultFaultCase> cases = {
        {"fixed-length encoding 2",
         [](auto& r) { typeUnion(r, 0).psCharacterType->fFixedLengthEncoding = 2; }, 72,
         "Invalid boolean value " + type(0) + kPredefinedPath +
             "psCharacterType->fFixedLengthEncoding given"},
        {"character set with an empty arc",
         [](auto& r) { typeUnion(r, 0).psCharacterType->pcCharSet = "1..2"; }, 73,
         "Invalid oid value " + type(0) + kPredefinedPath + "psCharacterType->pcCharSet-> given"},
        {"CLOB character set not dotted", [](auto& r) { typeUnion(r, 13).psCLOBType->pcCharSet = "utf8"; },
         73, "Invalid oid value " + type(13) + kPredefinedPath + "psCLOBType->pcCharSet-> given"},
        {"precision base 2", [](auto& r) { typeUnion(r, 3).psIntegerType->ePrecisionBase = 2; }, 66,
         outOfRange(type(3) + kPredefinedPath + "psIntegerType->ePrecisionBase")},
        {"precision base -1", [](auto& r) { typeUnion(r, 4).psSmallIntType->ePrecisionBase = -1; }, 66,
         outOfRange(type(4) + kPredefinedPath + "psSmallIntType->ePrecisionBase")},
        {"date-time qualifier 0", [](auto& r) { typeUnion(r, 8).psDateTimeType->eDateTimeQualifier = 0; }, 66,
         outOfRange(type(8) + kPredefinedPath + "psDateTimeType->eDateTimeQualifier")},
        {"interval qualifier 14", [](auto& r) { typeUnion(r, 9).psIntervalType->eIntervalQualifier = 14; },
         66, outOfRange(type(9) + kPredefinedPath + "psIntervalType->eIntervalQualifier")},
        {"bit-varying type missing", [](auto& r) { typeUnion(r, 12).psBitVarType.reset(); }, 64,
         missing(type(12) + kPredefinedPath + "psBitType")},
        {"boolean type 3", [](auto& r) { typeUnion(r, 15).pfBooleanType = 3; }, 72,
         "Invalid boolean value " + type(15) + kPredefinedPath + "pfBooleanType-> given"},
        {"predefined choice 0", [](auto& r) { predefinedOf(r, 1).eSQLPredefinedTypeDescriptorChoice = 0; },
         66,
         outOfRange(type(1) + "->uSQLDataTypeDescriptor.psPredefinedType->sSQLPredefinedTypeDescriptorChoice."
                              "eSQLPredefinedTypeDescriptorChoice")},
        {"column without data type",
         [](auto& r) {
             r.ppsListOfSQLDataTypeDescriptor[16]->uSQLDataTypeDescriptor.ppsRowType[0]->pvDataType.reset();
         },
         64, missing(type(16) + "->uSQLDataTypeDescriptor.ppsRowType[0]->pvDataType")},
        {"column default other 8",
         [](auto& r) {
             auto& column = *r.ppsListOfSQLDataTypeDescriptor[16]->uSQLDataTypeDescriptor.ppsRowType[0];
             column.psZsqldefault->eSQLDefaultOptionChoiceId = SDO_Other;
             column.psZsqldefault->uSQLDefaultOption.peOther = 8;
         },
         66,
         outOfRange(type(16) +
                    "->uSQLDataTypeDescriptor.ppsRowType[0]->psZsqldefault->uSQLDefaultOption.peOther->")},
        {"table of no columns",
         [](auto& r) {
             r.ppsListOfSQLDataTypeDescriptor[17]
                 ->uSQLDataTypeDescriptor.psCollectionType->uSQLCollectionTypeDescriptor.ppsTable.reset();
         },
         64,
         missing(type(17) +
                 "->uSQLDataTypeDescriptor.psCollectionType->uSQLCollectionTypeDescriptor.ppsTable")},
        {"constructor without element type",
         [](auto& r) {
             r.ppsListOfSQLDataTypeDescriptor[18]
                 ->uSQLDataTypeDescriptor.psCollectionType->uSQLCollectionTypeDescriptor.psConstructor
                 ->pvDataType.reset();
         },
         64,
         missing(type(18) + "->uSQLDataTypeDescriptor.psCollectionType->uSQLCollectionTypeDescriptor."
                            "psConstructor->pvDataType")},
        {"abstract data type without subtypes",
         [](auto& r) { userDefined(r, 19).psAdt->ppsListOfSubTypes.reset(); }, 64,
         missing(type(19) + kUserDefinedPath + "psAdt->ppsListOfSubTypes")},
        {"abstract data type default other 9",
         [](auto& r) {
             auto& option = *userDefined(r, 19).psAdt->psDefaultValue;
             option.eSQLDefaultOptionChoiceId = SDO_Other;
             option.uSQLDefaultOption.peOther = 9;
         },
         66, outOfRange(type(19) + kUserDefinedPath + "psAdt->->uSQLDefaultOption.peOther->")},
        {"distinct date-time qualifier 9",
         [](auto& r) {
             auto& choice = userDefined(r, 20)
                                .psDistinct->sSourceType.uSQLDistinctTypeDescriptorChoice.psPredefined
                                ->sSQLPredefinedTypeDescriptorChoice;
             choice.eSQLPredefinedTypeDescriptorChoice = SPTD_DateTimeType;
             choice.uSQLPredefinedTypeDescriptorChoice.psDateTimeType.reset(new KivSQLDateTimeType{9, 0});
         },
         66,
         outOfRange(type(20) + kUserDefinedPath +
                    "psDistinct->sSourceType.uSQLDistinctTypeDescriptorChoice.psPredefined->"
                    "sSQLPredefinedTypeDescriptorChoice.uSQLPredefinedTypeDescriptorChoice.psDateTimeType->"
                    "eDateTimeQualifier")},
        {"named row without a body", [](auto& r) { userDefined(r, 22).psNamedRow->ppsRowTypeBody.reset(); },
         64, missing(type(22) + kUserDefinedPath + "psNamedRow->ppsRowTypeBody")},
        {"user-defined choice 4",
         [](auto& r) {
             r.ppsListOfSQLDataTypeDescriptor[22]
                 ->uSQLDataTypeDescriptor.psUserDefinedType->eSQLUserDefinedTypeDescriptorChoiceId = 4;
         },
         66,
         outOfRange(type(22) +
                    "->uSQLDataTypeDescriptor.psUserDefinedType->eSQLUserDefinedTypeDescriptorChoiceId")},
        {"reference to descriptor type 0",
         [](auto& r) {
             r.ppsListOfSQLDataTypeDescriptor[23]
                 ->uSQLDataTypeDescriptor.psReferenceType->eSQLDataTypeDescriptor = 0;
         },
         66, outOfRange(type(23) + "->uSQLDataTypeDescriptor.psReferenceType->eSQLDataTypeDescriptor")},
        {"value without data item",
         [](auto& r) { r.ppsListOfSQLResultValues[0]->ppsListOfSQLValue[0]->psDataItem.reset(); }, 64,
         missing(value(0))},
        {"character item missing", [](auto& r) { item(r, 0).uSQLValueChoice.psCharacterItem.reset(); }, 64,
         missing(value(0) + "->uSQLValueChoice.psCharacterItem")},
        {"bit text 1x1", [](auto& r) { item(r, 11).uSQLValueChoice.psBitItem = "1x1"; }, 65,
         "The bit string " + value(11) + "->uSQLValueChoice.psBitItem is invalid\nValue:1x1"},
        {"bit-varying text 2", [](auto& r) { item(r, 12).uSQLValueChoice.psBitVarItem = "2"; }, 65,
         "The bit string " + value(12) + "->uSQLValueChoice.psBitVarItem is invalid\nValue:2"},
        {"boolean item 2", [](auto& r) { item(r, 15).uSQLValueChoice.fBooleanItem = 2; }, 72,
         "Invalid boolean value " + value(15) + "->uSQLValueChoice.fBooleanItem given"},
        {"nested value without data item",
         [](auto& r) {
             item(r, 16)
                 .uSQLValueChoice.ppsListOfSQLResultValues[0]
                 ->ppsListOfSQLValue[0]
                 ->psDataItem.reset();
         },
         64, missing(value(16) + "->ppsListOfSQLResultValues[0]->ppsListOfSQLValue[0]->psDataItem")},
        {"indicator 0", [](auto& r) { item(r, 17).uSQLValueChoice.eIndicator = 0; }, 66,
         outOfRange(value(17) + "->uSQLValueChoice.eIndicator")},
        {"value choice 19", [](auto& r) { item(r, 17).eSQLValueChoiceChoiceId = 19; }, 66,
         outOfRange(value(17) + "->eSQLValueChoiceChoiceId")},
    };
    for (const SqlResultFaultCase& c : cases) {
        KivSQLResult result = fullResult();
        c.change(result);
        const auto external = sqlExternal(std::move(result));
        expectFault(checkSqlResult, *external, c.code, c.message, c.what);
    }
}

TEST_F(SqlResultCheckTest, AMissingResultIsReported) {
    createLog();
    auto external = sqlExternal(KivSQLResult{});
    external->uExternalValue.psSingleASN1Type->uASN1.psSQLResult.reset();
    SIError* error = nullptr;
    EXPECT_EQ(checkSqlResult(*external, &error), 1);
    EXPECT_EQ(loggedDiagnostic(), missing(kSqlResultPath + "uASN1.psSQLResult"));
    SIFreeError(&error);
}

// The SQL result set has one identifier only: the same arc under 1.0.10163 is refused.
TEST_F(SqlResultCheckTest, TheExternalMustNameTheSqlResultSet) {
    createLog();
    const auto external = sqlExternal(fullResult(), "1.0.10163.5.111");
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckExternal(3, external.get(), "psRecord->", &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 74);
    EXPECT_EQ(loggedDiagnostic(),
              "Invalid oid value 1.0.10163.5.111 for external " + kSqlResultPath + "eASN1Type");
    SIFreeError(&error);
}

// Data types and rows nested past the bound are refused, each kind of nesting counted.
TEST_F(SqlResultCheckTest, NestingDeeperThanTheBoundIsRefused) {
    const std::string message = kSqlResultPath + "uASN1.psSQLResult IS NESTED DEEPER THAN " +
                                std::to_string(kKivMaxSQLResultDepth) + " LEVELS";
    KivSQLResult references;
    auto outer = std::make_unique<KivSQLDataTypeDescriptor>();
    KivSQLDataTypeDescriptor* inner = outer.get();
    for (int level = 0; level < kKivMaxSQLResultDepth; ++level) {
        inner->eSQLDataTypeDescriptor = SDTD_ReferenceType;
        inner = (inner->uSQLDataTypeDescriptor.psReferenceType = std::make_unique<KivSQLDataTypeDescriptor>())
                    .get();
    }
    references.ppsListOfSQLDataTypeDescriptor.append(std::move(outer));

    KivSQLResult rows;
    KivArray<KivSQLResultValues>* list = &rows.ppsListOfSQLResultValues;
    for (int level = 0; level < kKivMaxSQLResultDepth; ++level) {
        auto data = std::make_unique<KivSQLValueChoice>();
        data->eSQLValueChoiceChoiceId = SVC_CollectionItem;
        KivSQLValueChoice* collection = data.get();
        list->emplace()->ppsListOfSQLValue.emplace()->psDataItem = std::move(data);
        list = &collection->uSQLValueChoice.ppsListOfSQLResultValues;
    }
    list->emplace();

    for (KivSQLResult* deep : {&references, &rows}) {
        createLog();
        const auto external = sqlExternal(std::move(*deep));
        SIError* error = nullptr;
        EXPECT_EQ(checkSqlResult(*external, &error), 1);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, 76);
        EXPECT_EQ(loggedDiagnostic(), message);
        SIFreeError(&error);
    }
}

}  // namespace
}  // namespace sql_result_check_cases
