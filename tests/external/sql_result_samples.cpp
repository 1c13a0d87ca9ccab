#include "tests/external/sql_result_samples.h"

#include <string>
#include <utility>
#include <vector>

#include "tests/api/carried_records_samples.h"
#include "toolkit/api/kiv_single_asn1_type.h"

namespace sql_test {

namespace {

using carried::text;
std::unique_ptr<KivOctets> sqlOctets(std::string value) {
    return std::make_unique<KivOctets>(KivOctets{std::move(value)});
}

void names(KivSQLCharacterSetNames& type, const std::string& prefix) {
    type.psCharacterSetCatalog = text(prefix + "-cs-catalog");
    type.psCharacterSetSchema = text(prefix + "-cs-schema");
    type.psCharacterSetName = text(prefix + "-cs-name");
    type.psCollationCatalog = text(prefix + "-co-catalog");
    type.psCollationSchema = text(prefix + "-co-schema");
    type.psCollationName = text(prefix + "-co-name");
}

std::unique_ptr<KivSQLPredefinedType> predefinedType(KivSQLPredefinedTypeDescriptorChoice choice) {
    auto type = std::make_unique<KivSQLPredefinedType>();
    type->sSQLPredefinedTypeDescriptorChoice = std::move(choice);
    return type;
}

// The sixteen predefined types, each with distinct numbers.
std::vector<KivSQLPredefinedTypeDescriptorChoice> allPredefined() {
    std::vector<KivSQLPredefinedTypeDescriptorChoice> all(16);
    for (int32_t i = 0; i < 16; ++i) all[i].eSQLPredefinedTypeDescriptorChoice = i + 1;
    auto character = std::make_unique<KivSQLCharacterType>();
    character->pcCharSet = "1.2.840.10003.5.111";
    character->ulLength = 40;
    character->fFixedLengthEncoding = 1;
    names(*character, "char");
    all[0].uSQLPredefinedTypeDescriptorChoice.psCharacterType = std::move(character);
    all[1].uSQLPredefinedTypeDescriptorChoice.psNumericType.reset(new KivSQLExactNumericType{10, 2});
    all[2].uSQLPredefinedTypeDescriptorChoice.psDecimalType.reset(new KivSQLExactNumericType{12, 3});
    all[3].uSQLPredefinedTypeDescriptorChoice.psIntegerType.reset(new KivSQLIntegerType{32, SPTDCS3_Binary});
    all[4].uSQLPredefinedTypeDescriptorChoice.psSmallIntType.reset(new KivSQLIntegerType{5, SPTDCS3_Decimal});
    all[5].uSQLPredefinedTypeDescriptorChoice.psFloatType.reset(new KivSQLApproximateNumericType{24, 127});
    all[6].uSQLPredefinedTypeDescriptorChoice.psRealType.reset(new KivSQLApproximateNumericType{23, 126});
    all[7].uSQLPredefinedTypeDescriptorChoice.psDoublePrecisionType.reset(
        new KivSQLApproximateNumericType{53, 1023});
    all[8].uSQLPredefinedTypeDescriptorChoice.psDateTimeType.reset(
        new KivSQLDateTimeType{SPTDCS8_TimeStampWithTimeZone, 6});
    all[9].uSQLPredefinedTypeDescriptorChoice.psIntervalType.reset(
        new KivSQLIntervalType{kSqlLastIntervalQualifier, 2, 3});
    auto varchar = std::make_unique<KivSQLVarcharType>();
    varchar->pcCharSet = "1.0.10646.1.0.8";
    varchar->ulLength = 255;
    names(*varchar, "varchar");
    all[10].uSQLPredefinedTypeDescriptorChoice.psVarcharType = std::move(varchar);
    all[11].uSQLPredefinedTypeDescriptorChoice.psBitType.reset(new KivSQLBitType{8});
    all[12].uSQLPredefinedTypeDescriptorChoice.psBitVarType.reset(new KivSQLBitType{64});
    auto clob = std::make_unique<KivSQLCLOBType>();
    clob->pcCharSet = "1.2.3";
    clob->ulLength = 1u << 20;
    clob->psMimeTypeSuffix = text("xml");
    names(*clob, "clob");
    all[13].uSQLPredefinedTypeDescriptorChoice.psCLOBType = std::move(clob);
    all[14].uSQLPredefinedTypeDescriptorChoice.psBLOBType.reset(new KivSQLBLOBType{4096, text("png")});
    all[15].uSQLPredefinedTypeDescriptorChoice.pfBooleanType = 1;
    return all;
}

std::unique_ptr<KivSQLDefaultOption> defaultOption(int32_t selector) {
    auto option = std::make_unique<KivSQLDefaultOption>();
    option->eSQLDefaultOptionChoiceId = selector;
    auto& u = option->uSQLDefaultOption;
    if (selector == SDO_Literal) u.psLiteral = sqlOctets(std::string("\0x", 2));
    if (selector == SDO_DateTime) u.psDateTime = text("2026-12-10");
    if (selector == SDO_Other) u.peOther = SDOE_SqlEmpty1;
    return option;
}

KivSQLFieldDescriptor* column(KivArray<KivSQLFieldDescriptor>& columns, std::string name,
                              std::unique_ptr<KivSQLDataTypeDescriptor> type) {
    auto* field = columns.emplace();
    field->sName.pcValue = std::move(name);
    field->pvDataType = std::move(type);
    return field;
}

std::unique_ptr<KivSQLDataTypeDescriptor> descriptor(int32_t selector) {
    auto result = std::make_unique<KivSQLDataTypeDescriptor>();
    result->eSQLDataTypeDescriptor = selector;
    return result;
}

std::unique_ptr<KivSQLAdtDescriptor> adt(std::string name, bool withSubType) {
    auto result = std::make_unique<KivSQLAdtDescriptor>();
    result->sName.pcValue = std::move(name);
    result->ppsListOfSubTypes = KivArray<KivSQLAdtDescriptor>::emptyArray();
    if (withSubType) result->ppsListOfSubTypes.append(adt("sub", false));
    auto* attribute = result->ppsListOfAttributes.emplace();
    attribute->sAttributeName.pcValue = "attr";
    attribute->pvDataType = predefined(std::move(allPredefined()[3]));
    attribute->psSqldefault = defaultOption(SDO_Other);
    attribute->psCollate = text("attr-collate");
    result->ppsListOfAttributes.emplace()->sAttributeName.pcValue = "untyped";
    result->psDefaultValue = defaultOption(SDO_DateTime);
    return result;
}

std::unique_ptr<KivSQLValueChoice> item(int32_t selector) {
    auto result = std::make_unique<KivSQLValueChoice>();
    result->eSQLValueChoiceChoiceId = selector;
    return result;
}

}  // namespace

std::unique_ptr<KivSQLDataTypeDescriptor> predefined(KivSQLPredefinedTypeDescriptorChoice choice) {
    auto result = descriptor(SDTD_PredefinedType);
    result->uSQLDataTypeDescriptor.psPredefinedType = predefinedType(std::move(choice));
    return result;
}

KivSQLResult fullResult() {
    KivSQLResult result;
    auto& types = result.ppsListOfSQLDataTypeDescriptor;
    for (auto& choice : allPredefined()) types.append(predefined(std::move(choice)));

    auto row = descriptor(SDTD_RowType);
    auto* field =
        column(row->uSQLDataTypeDescriptor.ppsRowType, "id", predefined(std::move(allPredefined()[1])));
    field->psZsqldefault = defaultOption(SDO_Literal);
    field->psConstraint = std::make_unique<KivSQLConstraint>();
    field->psConstraint->eSQLConstraintChoiceId = SQLC_Unique;
    field->psConstraint->uSQLConstraint.pfUnique = 1;
    field->psCollate = text("binary");
    auto* checked =
        column(row->uSQLDataTypeDescriptor.ppsRowType, "n", predefined(std::move(allPredefined()[3])));
    checked->psConstraint = std::make_unique<KivSQLConstraint>();
    checked->psConstraint->eSQLConstraintChoiceId = SQLC_Check;
    checked->psConstraint->uSQLConstraint.psCheck = text("n > 0");
    types.append(std::move(row));

    auto table = descriptor(SDTD_CollectionType);
    auto& tableType = table->uSQLDataTypeDescriptor.psCollectionType =
        std::make_unique<KivSQLCollectionTypeDescriptor>();
    tableType->eSQLCollectionTypeDescriptorChoiceId = CTD_Table;
    column(tableType->uSQLCollectionTypeDescriptor.ppsTable, "t", predefined(std::move(allPredefined()[15])));
    types.append(std::move(table));

    auto multiset = descriptor(SDTD_CollectionType);
    auto& setType = multiset->uSQLDataTypeDescriptor.psCollectionType =
        std::make_unique<KivSQLCollectionTypeDescriptor>();
    setType->eSQLCollectionTypeDescriptorChoiceId = CTD_Constructor;
    auto& constructor = setType->uSQLCollectionTypeDescriptor.psConstructor =
        std::make_unique<KivSQLCollectionConstructor>();
    constructor->pvDataType = predefined(std::move(allPredefined()[10]));
    constructor->eCollectionTypeConstructor = CTDS_Multiset;
    types.append(std::move(multiset));

    for (int32_t kind : {SUDTD_Adt, SUDTD_Distinct, SUDTD_Distinct, SUDTD_NamedRow}) {
        auto user = descriptor(SDTD_UserDefinedType);
        auto& type = user->uSQLDataTypeDescriptor.psUserDefinedType =
            std::make_unique<KivSQLUserDefinedTypeDescriptor>();
        type->eSQLUserDefinedTypeDescriptorChoiceId = kind;
        auto& u = type->uSQLCollectionTypeDescriptor;
        if (kind == SUDTD_Adt) u.psAdt = adt("point", true);
        if (kind == SUDTD_NamedRow) {
            u.psNamedRow = std::make_unique<KivSQLNamedRowTypeDescriptor>();
            u.psNamedRow->sName.pcValue = "address";
            column(u.psNamedRow->ppsRowTypeBody, "street", predefined(std::move(allPredefined()[0])));
        }
        if (kind == SUDTD_Distinct) {
            u.psDistinct = std::make_unique<KivSQLDistinctTypeDescriptor>();
            u.psDistinct->sName.pcValue = "money";
            auto& source = u.psDistinct->sSourceType;
            const bool first = types.size() % 2 == 0;
            source.eDistinctTypeDescriptorChoiceChoiceId = first ? SDTDC_Predefined : SDTDC_Adt;
            if (first) {
                source.uSQLDistinctTypeDescriptorChoice.psPredefined =
                    predefinedType(std::move(allPredefined()[2]));
            } else {
                source.uSQLDistinctTypeDescriptorChoice.psAdt = adt("amount", false);
            }
        }
        types.append(std::move(user));
    }

    auto reference = descriptor(SDTD_ReferenceType);
    reference->uSQLDataTypeDescriptor.psReferenceType = predefined(std::move(allPredefined()[0]));
    types.append(std::move(reference));

    auto& rows = result.ppsListOfSQLResultValues;
    auto* first = rows.emplace();
    first->psSqlException = std::make_unique<KivSQLException>();
    first->psSqlException->psSqlSTATE = text("01000");
    first->psSqlException->pulSqlCODE = 0xFFFFFFFFu;
    first->psSqlException->psSqlErrorText = text("warning");
    auto& values = first->ppsListOfSQLValue;
    for (int32_t selector = SVC_CharacterItem; selector <= SVC_AdtItem; ++selector) {
        auto data = item(selector);
        auto& u = data->uSQLValueChoice;
        switch (selector) {
            case SVC_CharacterItem:
                u.psCharacterItem = sqlOctets("abc");
                break;
            case SVC_NumericItem:
                u.ulNumericItem = 0x80000000u;
                break;
            case SVC_DecimalItem:
                u.ulDecimalItem = 1234;
                break;
            case SVC_IntegerItem:
                u.ulIntegerItem = 0xFFFFFFFEu;
                break;
            case SVC_SmallintItem:
                u.ulSmallIntItem = 7;
                break;
            case SVC_FloatItem:
                u.rFloatItem = 1.5;
                break;
            case SVC_RealItem:
                u.rRrealItem = -0.25;
                break;
            case SVC_DoublePrecisionItem:
                u.rDoublePrecisionItem = 6.02214076e23;
                break;
            case SVC_DateTimeItem:
                u.psDateTimeItem = text("2026-12-10T19:55:00");
                break;
            case SVC_IntervalItem:
                u.psIntervalItem = text("P1Y2M");
                break;
            case SVC_VarCharItem:
                u.psVarCharItem = sqlOctets("varying");
                break;
            case SVC_BitItem:
                u.psBitItem = "101";
                break;
            case SVC_BitVarItem:
                u.psBitVarItem = "10000001";
                break;
            case SVC_ClobItem:
                u.psCLOBItem = sqlOctets("<x/>");
                break;
            case SVC_BlobItem:
                u.psBLOBItem = sqlOctets(std::string("\x89PNG\0", 5));
                break;
            case SVC_BooleanItem:
                u.fBooleanItem = 1;
                break;
            case SVC_CollectionItem: {
                auto* nested = u.ppsListOfSQLResultValues.emplace();
                nested->ppsListOfSQLValue.emplace()->psDataItem = item(SVC_SmallintItem);
                break;
            }
            default:
                u.eIndicator = VCE_SqlEmpty;
                break;
        }
        values.emplace()->psDataItem = std::move(data);
    }
    rows.emplace();  // a row with neither exception nor values
    return result;
}

std::unique_ptr<KivExternal> sqlExternal(KivSQLResult result, const char* oid) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    auto& content = external->uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = AT_SQLResult;
    content->uASN1.psSQLResult = std::make_unique<KivSQLResult>(std::move(result));
    return external;
}

}  // namespace sql_test
