#include "toolkit/external/kiv_convert_sql_result.h"

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_sql_result.h"
#include "toolkit/codec/extensions/zsqlrs.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_carried_records.h"
#include "toolkit/external/kiv_sql_result_depth.h"

using namespace codec::extensions;

namespace {

// value when it lies in low..high, else fallback.
int32_t inRangeOr(int32_t value, int32_t low, int32_t high, int32_t fallback) {
    return value >= low && value <= high ? value : fallback;
}

// One nesting level; past the bound the conversion gives up with code.
void enterLevel(const KivSQLResultLevel& level, int code) {
    if (level.tooDeep()) throw KivConversionError{code};
}

// ---- Towards the codec ----

void descriptorToCodec(SQLDataTypeDescriptor* dst, const KivSQLDataTypeDescriptor& src);
void adtToCodec(SQLAdtDescriptor* dst, const KivSQLAdtDescriptor& src);
void rowToCodec(SQLResultValues* dst, const KivSQLResultValues& src);

void newStringToCodec(BerOctets** dst, const KivInternationalString* src) {
    if (src != nullptr) KivNewInternationalStringToCodec(dst, src);
}

template <typename Record>
void characterSetNamesToCodec(Record* dst, const KivSQLCharacterSetNames& src) {
    KivInternationalStringToCodec(&dst->characterSetCatalog, src.psCharacterSetCatalog.get());
    KivInternationalStringToCodec(&dst->characterSetSchema, src.psCharacterSetSchema.get());
    KivInternationalStringToCodec(&dst->characterSetName, src.psCharacterSetName.get());
    KivInternationalStringToCodec(&dst->collationCatalog, src.psCollationCatalog.get());
    KivInternationalStringToCodec(&dst->collationSchema, src.psCollationSchema.get());
    KivInternationalStringToCodec(&dst->collationName, src.psCollationName.get());
}

void characterTypeToCodec(SQLCharacterType* dst, const KivSQLCharacterType& src) {
    KivOptionalOidToCodec(&dst->charSet, src.pcCharSet);
    dst->length = static_cast<BerInteger>(src.ulLength);
    KivBooleanToCodec(&dst->fixedLengthEncoding, &src.fFixedLengthEncoding);
    characterSetNamesToCodec(dst, src);
}

void varcharTypeToCodec(SQLVarcharType* dst, const KivSQLVarcharType& src) {
    KivOptionalOidToCodec(&dst->charSet, src.pcCharSet);
    dst->length = static_cast<BerInteger>(src.ulLength);
    characterSetNamesToCodec(dst, src);
}

void clobTypeToCodec(SQLCLOBType* dst, const KivSQLCLOBType& src) {
    KivOptionalOidToCodec(&dst->charSet, src.pcCharSet);
    dst->length = static_cast<BerInteger>(src.ulLength);
    KivInternationalStringToCodec(&dst->mimeTypeSuffix, src.psMimeTypeSuffix.get());
    characterSetNamesToCodec(dst, src);
}

void blobTypeToCodec(SQLBLOBType* dst, const KivSQLBLOBType& src) {
    dst->length = static_cast<BerInteger>(src.ulLength);
    KivInternationalStringToCodec(&dst->mimeTypeSuffix, src.psMimeTypeSuffix.get());
}

template <typename Record>
void bitTypeToCodec(Record* dst, const KivSQLBitType& src) {
    dst->length = static_cast<BerInteger>(src.ulLength);
}

template <typename Record>
void exactNumericToCodec(Record* dst, const KivSQLExactNumericType& src) {
    dst->precision = static_cast<BerInteger>(src.ulPrecision);
    dst->scale = static_cast<BerInteger>(src.ulScale);
}

template <typename Record>
void integerTypeToCodec(Record* dst, const KivSQLIntegerType& src) {
    dst->precision = static_cast<BerInteger>(src.ulPrecision);
    dst->precisionBase = inRangeOr(src.ePrecisionBase, SPTDCS3_Binary, SPTDCS3_Decimal, 0);
}

template <typename Record>
void approximateNumericToCodec(Record* dst, const KivSQLApproximateNumericType& src) {
    dst->mantissaPrecision = static_cast<BerInteger>(src.ulMantissaPrecision);
    dst->maxExponent = static_cast<BerInteger>(src.ulMaxExponent);
}

void dateTimeTypeToCodec(SQLDateTimeType* dst, const KivSQLDateTimeType& src) {
    dst->dateTimeQualifier =
        inRangeOr(src.eDateTimeQualifier, SPTDCS8_Date2, SPTDCS8_TimeStampWithTimeZone, 0);
    dst->fractionalSecondsPrecision = static_cast<BerInteger>(src.ulFractionalSecondsPrecision);
}

void intervalTypeToCodec(SQLIntervalType* dst, const KivSQLIntervalType& src) {
    dst->intervalQualifier = inRangeOr(src.eIntervalQualifier, SPTDCS9_Year, kSqlLastIntervalQualifier, 0);
    dst->leadingFieldPrecision = static_cast<BerInteger>(src.ulLeadingFieldPrecision);
    dst->fractionalSecondsPrecision = static_cast<BerInteger>(src.ulFractionalSecondsPrecision);
}

void predefinedChoiceToCodec(SQLPredefinedTypeDescriptorChoice* dst,
                             const KivSQLPredefinedTypeDescriptorChoice& src) {
    const auto& member = src.uSQLPredefinedTypeDescriptorChoice;
    const int32_t selector = src.eSQLPredefinedTypeDescriptorChoice;
    if (selector < SPTD_CharacterType || selector > SPTD_BooleanType) return;
    dst->choiceId = selector - 1;
    switch (selector) {
        case SPTD_CharacterType:
            return kivNewRecordToCodec(&dst->characterType, member.psCharacterType.get(),
                                       characterTypeToCodec);
        case SPTD_NumericType:
            return kivNewRecordToCodec(&dst->numericType, member.psNumericType.get(),
                                       exactNumericToCodec<SQLNumericType>);
        case SPTD_DecimalType:
            return kivNewRecordToCodec(&dst->decimalType, member.psDecimalType.get(),
                                       exactNumericToCodec<SQLDecimalType>);
        case SPTD_IntegerType:
            return kivNewRecordToCodec(&dst->integerType, member.psIntegerType.get(),
                                       integerTypeToCodec<SQLIntegerType>);
        case SPTD_SmallIntType:
            return kivNewRecordToCodec(&dst->smallIntType, member.psSmallIntType.get(),
                                       integerTypeToCodec<SQLSmallIntType>);
        case SPTD_FloatType:
            return kivNewRecordToCodec(&dst->floatType, member.psFloatType.get(),
                                       approximateNumericToCodec<SQLFloatType>);
        case SPTD_RealType:
            return kivNewRecordToCodec(&dst->realType, member.psRealType.get(),
                                       approximateNumericToCodec<SQLRealType>);
        case SPTD_DoublePrecisionType:
            return kivNewRecordToCodec(&dst->doublePrecisionType, member.psDoublePrecisionType.get(),
                                       approximateNumericToCodec<SQLDoublePrecisionType>);
        case SPTD_DateTimeType:
            return kivNewRecordToCodec(&dst->dateTimeType, member.psDateTimeType.get(), dateTimeTypeToCodec);
        case SPTD_IntervalType:
            return kivNewRecordToCodec(&dst->intervalType, member.psIntervalType.get(), intervalTypeToCodec);
        case SPTD_VarcharType:
            return kivNewRecordToCodec(&dst->varcharType, member.psVarcharType.get(), varcharTypeToCodec);
        case SPTD_BitType:
            return kivNewRecordToCodec(&dst->bitType, member.psBitType.get(), bitTypeToCodec<SQLBitType>);
        case SPTD_BitvarType:
            return kivNewRecordToCodec(&dst->bitVarType, member.psBitVarType.get(),
                                       bitTypeToCodec<SQLBitVarType>);
        case SPTD_ClobType:
            return kivNewRecordToCodec(&dst->cLOBType, member.psCLOBType.get(), clobTypeToCodec);
        case SPTD_BlobType:
            return kivNewRecordToCodec(&dst->bLOBType, member.psBLOBType.get(), blobTypeToCodec);
        default:
            dst->booleanType = member.pfBooleanType == 1u ? 1 : 0;
            return;
    }
}

void predefinedToCodec(SQLPredefinedTypeDescriptor* dst, const KivSQLPredefinedType& src) {
    dst->typeDescriptor = kivNewCodecRecord<SQLPredefinedTypeDescriptorChoice>();
    predefinedChoiceToCodec(dst->typeDescriptor, src.sSQLPredefinedTypeDescriptorChoice);
}

void defaultToCodec(SQLDefaultOption* dst, const KivSQLDefaultOption& src) {
    const auto& member = src.uSQLDefaultOption;
    switch (src.eSQLDefaultOptionChoiceId) {
        case SDO_Literal:
            dst->choiceId = SQLDefaultOption::kLiteral;
            if (member.psLiteral) KivNewOctetsToCodec(&dst->literal, member.psLiteral.get());
            break;
        case SDO_DateTime:
            dst->choiceId = SQLDefaultOption::kDatetime;
            newStringToCodec(&dst->datetime, member.psDateTime.get());
            break;
        case SDO_Other:
            dst->choiceId = SQLDefaultOption::kOther;
            dst->other = inRangeOr(member.peOther.value_or(0), SDOE_User1, SDOE_SqlEmpty1, 0);
            break;
        default:
            break;
    }
}

void constraintToCodec(SQLConstraint* dst, const KivSQLConstraint& src) {
    const auto& member = src.uSQLConstraint;
    const auto boolean = [](const std::optional<uint32_t>& value) -> BerBoolean {
        return value == 1u ? 1 : 0;
    };
    switch (src.eSQLConstraintChoiceId) {
        case SQLC_Nullable:
            dst->choiceId = SQLConstraint::kNullable;
            dst->nullable = boolean(member.pfNullable);
            break;
        case SQLC_Unique:
            dst->choiceId = SQLConstraint::kUnique;
            dst->unique = boolean(member.pfUnique);
            break;
        case SQLC_PrimaryKey:
            dst->choiceId = SQLConstraint::kPrimaryKey;
            dst->primaryKey = boolean(member.pfPrimaryKey);
            break;
        case SQLC_Check:
            dst->choiceId = SQLConstraint::kCheck;
            newStringToCodec(&dst->check, member.psCheck.get());
            break;
        default:
            break;
    }
}

void columnToCodec(SQLFieldDescriptor* dst, const KivSQLFieldDescriptor& src) {
    KivInternationalStringToCodec(&dst->name, &src.sName);
    kivNewRecordToCodec(&dst->dataType, src.pvDataType.get(), descriptorToCodec);
    kivNewRecordToCodec(&dst->zsqldefault, src.psZsqldefault.get(), defaultToCodec);
    kivNewRecordToCodec(&dst->constraint, src.psConstraint.get(), constraintToCodec);
    KivInternationalStringToCodec(&dst->collate, src.psCollate.get());
}

void columnsToCodec(BerList** dst, const KivArray<KivSQLFieldDescriptor>& src) {
    KivOptionalArrayToCodec<SQLFieldDescriptor>(dst, src, columnToCodec);
}

void constructorToCodec(SQLCollectionConstructor* dst, const KivSQLCollectionConstructor& src) {
    kivNewRecordToCodec(&dst->dataType, src.pvDataType.get(), descriptorToCodec);
    dst->collectionTypeConstructor = inRangeOr(src.eCollectionTypeConstructor, CTDS_Set, CTDS_List1, 0);
}

void collectionToCodec(SQLCollectionTypeDescriptor* dst, const KivSQLCollectionTypeDescriptor& src) {
    const auto& member = src.uSQLCollectionTypeDescriptor;
    switch (src.eSQLCollectionTypeDescriptorChoiceId) {
        case CTD_Table:
            dst->choiceId = SQLCollectionTypeDescriptor::kTable;
            columnsToCodec(&dst->table, member.ppsTable);
            break;
        case CTD_Constructor:
            dst->choiceId = SQLCollectionTypeDescriptor::kConstructor;
            kivNewRecordToCodec(&dst->constructor, member.psConstructor.get(), constructorToCodec);
            break;
        default:
            break;
    }
}

void attributeToCodec(SQLAttributeDescriptor* dst, const KivSQLAttributeDescriptor& src) {
    KivInternationalStringToCodec(&dst->attributeName, &src.sAttributeName);
    kivNewRecordToCodec(&dst->dataType, src.pvDataType.get(), descriptorToCodec);
    kivNewRecordToCodec(&dst->sqldefault, src.psSqldefault.get(), defaultToCodec);
    KivInternationalStringToCodec(&dst->collate, src.psCollate.get());
}

void adtToCodec(SQLAdtDescriptor* dst, const KivSQLAdtDescriptor& src) {
    const KivSQLResultLevel level;
    enterLevel(level, kKivToCodecNoMemory);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    KivOptionalArrayToCodec<SQLAdtDescriptor>(&dst->listOfSubTypes, src.ppsListOfSubTypes, adtToCodec);
    KivOptionalArrayToCodec<SQLAttributeDescriptor>(&dst->listOfAttributes, src.ppsListOfAttributes,
                                                    attributeToCodec);
    kivNewRecordToCodec(&dst->defaultValue, src.psDefaultValue.get(), defaultToCodec);
}

void sourceToCodec(SQLDistinctTypeDescriptorChoice* dst, const KivSQLDistinctTypeDescriptorChoice& src) {
    const auto& member = src.uSQLDistinctTypeDescriptorChoice;
    switch (src.eDistinctTypeDescriptorChoiceChoiceId) {
        case SDTDC_Predefined:
            dst->choiceId = SQLDistinctTypeDescriptorChoice::kPredefined;
            kivNewRecordToCodec(&dst->predefined, member.psPredefined.get(), predefinedToCodec);
            break;
        case SDTDC_Adt:
            dst->choiceId = SQLDistinctTypeDescriptorChoice::kAdt;
            kivNewRecordToCodec(&dst->adt, member.psAdt.get(), adtToCodec);
            break;
        default:
            break;
    }
}

void distinctToCodec(SQLDistinctTypeDescriptor* dst, const KivSQLDistinctTypeDescriptor& src) {
    KivInternationalStringToCodec(&dst->name, &src.sName);
    kivNewRecordToCodec(&dst->sourceType, &src.sSourceType, sourceToCodec);
}

void namedRowToCodec(SQLNamedRowTypeDescriptor* dst, const KivSQLNamedRowTypeDescriptor& src) {
    KivInternationalStringToCodec(&dst->name, &src.sName);
    columnsToCodec(&dst->rowTypeBody, src.ppsRowTypeBody);
}

void userDefinedToCodec(SQLUserDefinedTypeDescriptor* dst, const KivSQLUserDefinedTypeDescriptor& src) {
    const auto& member = src.uSQLCollectionTypeDescriptor;
    switch (src.eSQLUserDefinedTypeDescriptorChoiceId) {
        case SUDTD_Adt:
            dst->choiceId = SQLUserDefinedTypeDescriptor::kAdt;
            kivNewRecordToCodec(&dst->adt, member.psAdt.get(), adtToCodec);
            break;
        case SUDTD_Distinct:
            dst->choiceId = SQLUserDefinedTypeDescriptor::kDistinct;
            kivNewRecordToCodec(&dst->distinct, member.psDistinct.get(), distinctToCodec);
            break;
        case SUDTD_NamedRow:
            dst->choiceId = SQLUserDefinedTypeDescriptor::kNamedRow;
            kivNewRecordToCodec(&dst->namedRow, member.psNamedRow.get(), namedRowToCodec);
            break;
        default:
            break;
    }
}

void descriptorToCodec(SQLDataTypeDescriptor* dst, const KivSQLDataTypeDescriptor& src) {
    const KivSQLResultLevel level;
    enterLevel(level, kKivToCodecNoMemory);
    const auto& member = src.uSQLDataTypeDescriptor;
    switch (src.eSQLDataTypeDescriptor) {
        case SDTD_PredefinedType:
            dst->choiceId = SQLDataTypeDescriptor::kPredefinedType;
            kivNewRecordToCodec(&dst->predefinedType, member.psPredefinedType.get(), predefinedToCodec);
            break;
        case SDTD_RowType:
            dst->choiceId = SQLDataTypeDescriptor::kRowType;
            columnsToCodec(&dst->rowType, member.ppsRowType);
            break;
        case SDTD_CollectionType:
            dst->choiceId = SQLDataTypeDescriptor::kCollectionType;
            kivNewRecordToCodec(&dst->collectionType, member.psCollectionType.get(), collectionToCodec);
            break;
        case SDTD_UserDefinedType:
            dst->choiceId = SQLDataTypeDescriptor::kUserDefinedType;
            kivNewRecordToCodec(&dst->userDefinedType, member.psUserDefinedType.get(), userDefinedToCodec);
            break;
        case SDTD_ReferenceType:
            dst->choiceId = SQLDataTypeDescriptor::kReferenceType;
            kivNewRecordToCodec(&dst->referenceType, member.psReferenceType.get(), descriptorToCodec);
            break;
        default:
            break;
    }
}

// The text's '0' and '1' characters as bits, first character first; validation has refused other ones.
void bitTextToCodec(BerBits** dst, const std::optional<std::string>& src) {
    *dst = kivNewCodecRecord<BerBits>();
    if (src) KivBitStringToCodec(*dst, *src, static_cast<uint32_t>(src->size()));
}

void valueChoiceToCodec(SQLValueChoice* dst, const KivSQLValueChoice& src) {
    const auto& member = src.uSQLValueChoice;
    const int32_t selector = src.eSQLValueChoiceChoiceId;
    if (selector < SVC_CharacterItem || selector > SVC_AdtItem) return;
    dst->choiceId = selector - 1;
    const auto octets = [](BerOctets** slot, const std::unique_ptr<KivOctets>& value) {
        if (value) KivNewOctetsToCodec(slot, value.get());
    };
    const auto real = [](BerReal** slot, double value) {
        *slot = kivNewCodecRecord<BerReal>();
        **slot = value;
    };
    switch (selector) {
        case SVC_CharacterItem:
            return octets(&dst->characterItem, member.psCharacterItem);
        case SVC_NumericItem:
            dst->numericItem = static_cast<BerInteger>(member.ulNumericItem);
            return;
        case SVC_DecimalItem:
            dst->decimalItem = static_cast<BerInteger>(member.ulDecimalItem);
            return;
        case SVC_IntegerItem:
            dst->integerItem = static_cast<BerInteger>(member.ulIntegerItem);
            return;
        case SVC_SmallintItem:
            dst->smallIntItem = static_cast<BerInteger>(member.ulSmallIntItem);
            return;
        case SVC_FloatItem:
            return real(&dst->floatItem, member.rFloatItem);
        case SVC_RealItem:
            return real(&dst->realItem, member.rRrealItem);
        case SVC_DoublePrecisionItem:
            return real(&dst->doublePrecisionItem, member.rDoublePrecisionItem);
        case SVC_DateTimeItem:
            return newStringToCodec(&dst->dateTimeItem, member.psDateTimeItem.get());
        case SVC_IntervalItem:
            return newStringToCodec(&dst->intervalItem, member.psIntervalItem.get());
        case SVC_VarCharItem:
            return octets(&dst->varcharItem, member.psVarCharItem);
        case SVC_BitItem:
            return bitTextToCodec(&dst->bitItem, member.psBitItem);
        case SVC_BitVarItem:
            return bitTextToCodec(&dst->bitVarItem, member.psBitVarItem);
        case SVC_ClobItem:
            return octets(&dst->cLOBItem, member.psCLOBItem);
        case SVC_BlobItem:
            return octets(&dst->bLOBItem, member.psBLOBItem);
        case SVC_BooleanItem:
            KivBooleanToCodec(&dst->booleanItem, &member.fBooleanItem);
            return;
        case SVC_CollectionItem:
            KivOptionalArrayToCodec<SQLResultValues>(&dst->listOfSQLResultValues,
                                                     member.ppsListOfSQLResultValues, rowToCodec);
            return;
        default:
            dst->indicator = inRangeOr(member.eIndicator, VCE_SqlNull, VCE_SqlDefault, 0);
            return;
    }
}

void exceptionToCodec(SQLException* dst, const KivSQLException& src) {
    KivInternationalStringToCodec(&dst->sqlSTATE, src.psSqlSTATE.get());
    KivOptionalIntegerToCodec(&dst->sqlCODE, &src.pulSqlCODE);
    KivInternationalStringToCodec(&dst->sqlErrorText, src.psSqlErrorText.get());
}

void rowToCodec(SQLResultValues* dst, const KivSQLResultValues& src) {
    const KivSQLResultLevel level;
    enterLevel(level, kKivToCodecNoMemory);
    kivNewRecordToCodec(&dst->sqlException, src.psSqlException.get(), exceptionToCodec);
    KivOptionalArrayToCodec<SQLValue>(
        &dst->listOfSQLValue, src.ppsListOfSQLValue, [](SQLValue* value, const KivSQLValue& item) {
            kivNewRecordToCodec(&value->dataItem, item.psDataItem.get(), valueChoiceToCodec);
        });
}

// ---- From the codec ----

void descriptorFromCodec(KivSQLDataTypeDescriptor* dst, const SQLDataTypeDescriptor& src);
void adtFromCodec(KivSQLAdtDescriptor* dst, const SQLAdtDescriptor& src);
void rowFromCodec(KivSQLResultValues* dst, const SQLResultValues& src);

template <typename Record>
void characterSetNamesFromCodec(KivSQLCharacterSetNames* dst, const Record& src) {
    KivOptionalInternationalStringFromCodec(&dst->psCharacterSetCatalog, &src.characterSetCatalog);
    KivOptionalInternationalStringFromCodec(&dst->psCharacterSetSchema, &src.characterSetSchema);
    KivOptionalInternationalStringFromCodec(&dst->psCharacterSetName, &src.characterSetName);
    KivOptionalInternationalStringFromCodec(&dst->psCollationCatalog, &src.collationCatalog);
    KivOptionalInternationalStringFromCodec(&dst->psCollationSchema, &src.collationSchema);
    KivOptionalInternationalStringFromCodec(&dst->psCollationName, &src.collationName);
}

void characterTypeFromCodec(KivSQLCharacterType* dst, const SQLCharacterType& src) {
    KivOptionalOidFromCodec(&dst->pcCharSet, &src.charSet);
    dst->ulLength = static_cast<uint32_t>(src.length);
    KivBooleanFromCodec(&dst->fFixedLengthEncoding, &src.fixedLengthEncoding);
    characterSetNamesFromCodec(dst, src);
}

void varcharTypeFromCodec(KivSQLVarcharType* dst, const SQLVarcharType& src) {
    KivOptionalOidFromCodec(&dst->pcCharSet, &src.charSet);
    dst->ulLength = static_cast<uint32_t>(src.length);
    characterSetNamesFromCodec(dst, src);
}

void clobTypeFromCodec(KivSQLCLOBType* dst, const SQLCLOBType& src) {
    KivOptionalOidFromCodec(&dst->pcCharSet, &src.charSet);
    dst->ulLength = static_cast<uint32_t>(src.length);
    KivOptionalInternationalStringFromCodec(&dst->psMimeTypeSuffix, &src.mimeTypeSuffix);
    characterSetNamesFromCodec(dst, src);
}

void blobTypeFromCodec(KivSQLBLOBType* dst, const SQLBLOBType& src) {
    dst->ulLength = static_cast<uint32_t>(src.length);
    KivOptionalInternationalStringFromCodec(&dst->psMimeTypeSuffix, &src.mimeTypeSuffix);
}

template <typename Record>
void bitTypeFromCodec(KivSQLBitType* dst, const Record& src) {
    dst->ulLength = static_cast<uint32_t>(src.length);
}

template <typename Record>
void exactNumericFromCodec(KivSQLExactNumericType* dst, const Record& src) {
    dst->ulPrecision = static_cast<uint32_t>(src.precision);
    dst->ulScale = static_cast<uint32_t>(src.scale);
}

template <typename Record>
void integerTypeFromCodec(KivSQLIntegerType* dst, const Record& src) {
    dst->ulPrecision = static_cast<uint32_t>(src.precision);
    dst->ePrecisionBase = inRangeOr(src.precisionBase, SPTDCS3_Binary, SPTDCS3_Decimal, SPTDCS3_Invalid);
}

template <typename Record>
void approximateNumericFromCodec(KivSQLApproximateNumericType* dst, const Record& src) {
    dst->ulMantissaPrecision = static_cast<uint32_t>(src.mantissaPrecision);
    dst->ulMaxExponent = static_cast<uint32_t>(src.maxExponent);
}

void dateTimeTypeFromCodec(KivSQLDateTimeType* dst, const SQLDateTimeType& src) {
    dst->eDateTimeQualifier =
        inRangeOr(src.dateTimeQualifier, SPTDCS8_Date2, SPTDCS8_TimeStampWithTimeZone, SPTDCS8_Invalid);
    dst->ulFractionalSecondsPrecision = static_cast<uint32_t>(src.fractionalSecondsPrecision);
}

// A qualifier past the known ones arrives as 0.
void intervalTypeFromCodec(KivSQLIntervalType* dst, const SQLIntervalType& src) {
    dst->eIntervalQualifier = inRangeOr(src.intervalQualifier, SPTDCS9_Year, kSqlLastIntervalQualifier, 0);
    dst->ulLeadingFieldPrecision = static_cast<uint32_t>(src.leadingFieldPrecision);
    dst->ulFractionalSecondsPrecision = static_cast<uint32_t>(src.fractionalSecondsPrecision);
}

void predefinedChoiceFromCodec(KivSQLPredefinedTypeDescriptorChoice* dst,
                               const SQLPredefinedTypeDescriptorChoice* src) {
    if (src == nullptr) {
        dst->eSQLPredefinedTypeDescriptorChoice = SPTD_Invalid;
        return;
    }
    using C = SQLPredefinedTypeDescriptorChoice;
    auto& member = dst->uSQLPredefinedTypeDescriptorChoice;
    dst->eSQLPredefinedTypeDescriptorChoice = kivSelectorOf(src->choiceId, C::kAlternatives);
    switch (src->choiceId) {
        case C::kCharacterType:
            return kivNewStructureFromCodec(&member.psCharacterType, src->characterType,
                                            characterTypeFromCodec);
        case C::kNumericType:
            return kivNewStructureFromCodec(&member.psNumericType, src->numericType,
                                            exactNumericFromCodec<SQLNumericType>);
        case C::kDecimalType:
            return kivNewStructureFromCodec(&member.psDecimalType, src->decimalType,
                                            exactNumericFromCodec<SQLDecimalType>);
        case C::kIntegerType:
            return kivNewStructureFromCodec(&member.psIntegerType, src->integerType,
                                            integerTypeFromCodec<SQLIntegerType>);
        case C::kSmallIntType:
            return kivNewStructureFromCodec(&member.psSmallIntType, src->smallIntType,
                                            integerTypeFromCodec<SQLSmallIntType>);
        case C::kFloatType:
            return kivNewStructureFromCodec(&member.psFloatType, src->floatType,
                                            approximateNumericFromCodec<SQLFloatType>);
        case C::kRealType:
            return kivNewStructureFromCodec(&member.psRealType, src->realType,
                                            approximateNumericFromCodec<SQLRealType>);
        case C::kDoublePrecisionType:
            return kivNewStructureFromCodec(&member.psDoublePrecisionType, src->doublePrecisionType,
                                            approximateNumericFromCodec<SQLDoublePrecisionType>);
        case C::kDateTimeType:
            return kivNewStructureFromCodec(&member.psDateTimeType, src->dateTimeType, dateTimeTypeFromCodec);
        case C::kIntervalType:
            return kivNewStructureFromCodec(&member.psIntervalType, src->intervalType, intervalTypeFromCodec);
        case C::kVarcharType:
            return kivNewStructureFromCodec(&member.psVarcharType, src->varcharType, varcharTypeFromCodec);
        case C::kBitType:
            return kivNewStructureFromCodec(&member.psBitType, src->bitType, bitTypeFromCodec<SQLBitType>);
        case C::kBitVarType:
            return kivNewStructureFromCodec(&member.psBitVarType, src->bitVarType,
                                            bitTypeFromCodec<SQLBitVarType>);
        case C::kCLOBType:
            return kivNewStructureFromCodec(&member.psCLOBType, src->cLOBType, clobTypeFromCodec);
        case C::kBLOBType:
            return kivNewStructureFromCodec(&member.psBLOBType, src->bLOBType, blobTypeFromCodec);
        case C::kBooleanType:
            member.pfBooleanType = src->booleanType == 1 ? 1u : 0u;
            return;
        default:
            return;
    }
}

void predefinedFromCodec(KivSQLPredefinedType* dst, const SQLPredefinedTypeDescriptor& src) {
    predefinedChoiceFromCodec(&dst->sSQLPredefinedTypeDescriptorChoice, src.typeDescriptor);
}

void defaultFromCodec(KivSQLDefaultOption* dst, const SQLDefaultOption& src) {
    auto& member = dst->uSQLDefaultOption;
    dst->eSQLDefaultOptionChoiceId = kivSelectorOf(src.choiceId, SQLDefaultOption::kAlternatives);
    switch (src.choiceId) {
        case SQLDefaultOption::kLiteral:
            if (src.literal != nullptr) KivNewOctetsFromCodec(&member.psLiteral, src.literal);
            break;
        case SQLDefaultOption::kDatetime:
            if (src.datetime != nullptr) KivNewInternationalStringFromCodec(&member.psDateTime, src.datetime);
            break;
        case SQLDefaultOption::kOther:
            member.peOther = inRangeOr(src.other, SDOE_User1, SDOE_SqlEmpty1, 0);
            break;
        default:
            break;
    }
}

// An unknown choice leaves the selector 0.
void constraintFromCodec(KivSQLConstraint* dst, const SQLConstraint& src) {
    auto& member = dst->uSQLConstraint;
    const auto boolean = [](BerBoolean value) { return value == 1 ? 1u : 0u; };
    switch (src.choiceId) {
        case SQLConstraint::kNullable:
            member.pfNullable = boolean(src.nullable);
            break;
        case SQLConstraint::kUnique:
            member.pfUnique = boolean(src.unique);
            break;
        case SQLConstraint::kPrimaryKey:
            member.pfPrimaryKey = boolean(src.primaryKey);
            break;
        case SQLConstraint::kCheck:
            if (src.check != nullptr) KivNewInternationalStringFromCodec(&member.psCheck, src.check);
            break;
        default:
            return;
    }
    dst->eSQLConstraintChoiceId = src.choiceId + 1;
}

void columnFromCodec(KivSQLFieldDescriptor* dst, const SQLFieldDescriptor& src) {
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    kivNewStructureFromCodec(&dst->pvDataType, src.dataType, descriptorFromCodec);
    kivNewStructureFromCodec(&dst->psZsqldefault, src.zsqldefault, defaultFromCodec);
    kivNewStructureFromCodec(&dst->psConstraint, src.constraint, constraintFromCodec);
    KivOptionalInternationalStringFromCodec(&dst->psCollate, &src.collate);
}

void columnsFromCodec(KivArray<KivSQLFieldDescriptor>* dst, const BerList* src) {
    KivArrayFromCodec<SQLFieldDescriptor>(dst, src, columnFromCodec);
}

void constructorFromCodec(KivSQLCollectionConstructor* dst, const SQLCollectionConstructor& src) {
    kivNewStructureFromCodec(&dst->pvDataType, src.dataType, descriptorFromCodec);
    dst->eCollectionTypeConstructor =
        inRangeOr(src.collectionTypeConstructor, CTDS_Set, CTDS_List1, CTDS_Invalid);
}

void collectionFromCodec(KivSQLCollectionTypeDescriptor* dst, const SQLCollectionTypeDescriptor& src) {
    auto& member = dst->uSQLCollectionTypeDescriptor;
    dst->eSQLCollectionTypeDescriptorChoiceId =
        kivSelectorOf(src.choiceId, SQLCollectionTypeDescriptor::kAlternatives);
    switch (src.choiceId) {
        case SQLCollectionTypeDescriptor::kTable:
            columnsFromCodec(&member.ppsTable, src.table);
            break;
        case SQLCollectionTypeDescriptor::kConstructor:
            kivNewStructureFromCodec(&member.psConstructor, src.constructor, constructorFromCodec);
            break;
        default:
            break;
    }
}

void attributeFromCodec(KivSQLAttributeDescriptor* dst, const SQLAttributeDescriptor& src) {
    KivInternationalStringFromCodec(&dst->sAttributeName, &src.attributeName);
    kivNewStructureFromCodec(&dst->pvDataType, src.dataType, descriptorFromCodec);
    kivNewStructureFromCodec(&dst->psSqldefault, src.sqldefault, defaultFromCodec);
    KivOptionalInternationalStringFromCodec(&dst->psCollate, &src.collate);
}

void adtFromCodec(KivSQLAdtDescriptor* dst, const SQLAdtDescriptor& src) {
    const KivSQLResultLevel level;
    enterLevel(level, kKivFromCodecNoMemory);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    KivArrayFromCodec<SQLAdtDescriptor>(&dst->ppsListOfSubTypes, src.listOfSubTypes, adtFromCodec);
    KivOptionalArrayFromCodec<SQLAttributeDescriptor>(&dst->ppsListOfAttributes, src.listOfAttributes,
                                                      attributeFromCodec);
    kivNewStructureFromCodec(&dst->psDefaultValue, src.defaultValue, defaultFromCodec);
}

void sourceFromCodec(KivSQLDistinctTypeDescriptorChoice* dst, const SQLDistinctTypeDescriptorChoice* src) {
    if (src == nullptr) {
        dst->eDistinctTypeDescriptorChoiceChoiceId = SDTDC_Invalid;
        return;
    }
    auto& member = dst->uSQLDistinctTypeDescriptorChoice;
    dst->eDistinctTypeDescriptorChoiceChoiceId =
        kivSelectorOf(src->choiceId, SQLDistinctTypeDescriptorChoice::kAlternatives);
    switch (src->choiceId) {
        case SQLDistinctTypeDescriptorChoice::kPredefined:
            kivNewStructureFromCodec(&member.psPredefined, src->predefined, predefinedFromCodec);
            break;
        case SQLDistinctTypeDescriptorChoice::kAdt:
            kivNewStructureFromCodec(&member.psAdt, src->adt, adtFromCodec);
            break;
        default:
            break;
    }
}

void distinctFromCodec(KivSQLDistinctTypeDescriptor* dst, const SQLDistinctTypeDescriptor& src) {
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    sourceFromCodec(&dst->sSourceType, src.sourceType);
}

void namedRowFromCodec(KivSQLNamedRowTypeDescriptor* dst, const SQLNamedRowTypeDescriptor& src) {
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    columnsFromCodec(&dst->ppsRowTypeBody, src.rowTypeBody);
}

void userDefinedFromCodec(KivSQLUserDefinedTypeDescriptor* dst, const SQLUserDefinedTypeDescriptor& src) {
    auto& member = dst->uSQLCollectionTypeDescriptor;
    dst->eSQLUserDefinedTypeDescriptorChoiceId =
        kivSelectorOf(src.choiceId, SQLUserDefinedTypeDescriptor::kAlternatives);
    switch (src.choiceId) {
        case SQLUserDefinedTypeDescriptor::kAdt:
            kivNewStructureFromCodec(&member.psAdt, src.adt, adtFromCodec);
            break;
        case SQLUserDefinedTypeDescriptor::kDistinct:
            kivNewStructureFromCodec(&member.psDistinct, src.distinct, distinctFromCodec);
            break;
        case SQLUserDefinedTypeDescriptor::kNamedRow:
            kivNewStructureFromCodec(&member.psNamedRow, src.namedRow, namedRowFromCodec);
            break;
        default:
            break;
    }
}

void descriptorFromCodec(KivSQLDataTypeDescriptor* dst, const SQLDataTypeDescriptor& src) {
    const KivSQLResultLevel level;
    enterLevel(level, kKivFromCodecNoMemory);
    auto& member = dst->uSQLDataTypeDescriptor;
    dst->eSQLDataTypeDescriptor = kivSelectorOf(src.choiceId, SQLDataTypeDescriptor::kAlternatives);
    switch (src.choiceId) {
        case SQLDataTypeDescriptor::kPredefinedType:
            kivNewStructureFromCodec(&member.psPredefinedType, src.predefinedType, predefinedFromCodec);
            break;
        case SQLDataTypeDescriptor::kRowType:
            columnsFromCodec(&member.ppsRowType, src.rowType);
            break;
        case SQLDataTypeDescriptor::kCollectionType:
            kivNewStructureFromCodec(&member.psCollectionType, src.collectionType, collectionFromCodec);
            break;
        case SQLDataTypeDescriptor::kUserDefinedType:
            kivNewStructureFromCodec(&member.psUserDefinedType, src.userDefinedType, userDefinedFromCodec);
            break;
        case SQLDataTypeDescriptor::kReferenceType:
            kivNewStructureFromCodec(&member.psReferenceType, src.referenceType, descriptorFromCodec);
            break;
        default:
            break;
    }
}

void bitTextFromCodec(std::optional<std::string>* dst, const BerBits* src) {
    if (src != nullptr) KivBitStringFromCodec(dst, src);
}

void valueChoiceFromCodec(KivSQLValueChoice* dst, const SQLValueChoice& src) {
    using V = SQLValueChoice;
    auto& member = dst->uSQLValueChoice;
    dst->eSQLValueChoiceChoiceId = kivSelectorOf(src.choiceId, V::kAlternatives);
    const auto octets = [](std::unique_ptr<KivOctets>* slot, const BerOctets* value) {
        if (value != nullptr) KivNewOctetsFromCodec(slot, value);
    };
    const auto string = [](std::unique_ptr<KivInternationalString>* slot, const BerOctets* value) {
        if (value != nullptr) KivNewInternationalStringFromCodec(slot, value);
    };
    const auto real = [](const BerReal* value) { return value != nullptr ? *value : 0.0; };
    switch (src.choiceId) {
        case V::kCharacterItem:
            return octets(&member.psCharacterItem, src.characterItem);
        case V::kNumericItem:
            member.ulNumericItem = static_cast<uint32_t>(src.numericItem);
            return;
        case V::kDecimalItem:
            member.ulDecimalItem = static_cast<uint32_t>(src.decimalItem);
            return;
        case V::kIntegerItem:
            member.ulIntegerItem = static_cast<uint32_t>(src.integerItem);
            return;
        case V::kSmallIntItem:
            member.ulSmallIntItem = static_cast<uint32_t>(src.smallIntItem);
            return;
        case V::kFloatItem:
            member.rFloatItem = real(src.floatItem);
            return;
        case V::kRealItem:
            member.rRrealItem = real(src.realItem);
            return;
        case V::kDoublePrecisionItem:
            member.rDoublePrecisionItem = real(src.doublePrecisionItem);
            return;
        case V::kDateTimeItem:
            return string(&member.psDateTimeItem, src.dateTimeItem);
        case V::kIntervalItem:
            return string(&member.psIntervalItem, src.intervalItem);
        case V::kVarcharItem:
            return octets(&member.psVarCharItem, src.varcharItem);
        case V::kBitItem:
            return bitTextFromCodec(&member.psBitItem, src.bitItem);
        case V::kBitVarItem:
            return bitTextFromCodec(&member.psBitVarItem, src.bitVarItem);
        case V::kCLOBItem:
            return octets(&member.psCLOBItem, src.cLOBItem);
        case V::kBLOBItem:
            return octets(&member.psBLOBItem, src.bLOBItem);
        case V::kBooleanItem:
            KivBooleanFromCodec(&member.fBooleanItem, &src.booleanItem);
            return;
        case V::kListOfSQLResultValues:
            KivArrayFromCodec<SQLResultValues>(&member.ppsListOfSQLResultValues, src.listOfSQLResultValues,
                                               rowFromCodec);
            return;
        case V::kIndicator:
            member.eIndicator = inRangeOr(src.indicator, VCE_SqlNull, VCE_SqlDefault, VCE_Invalid);
            return;
        default:
            return;
    }
}

void exceptionFromCodec(KivSQLException* dst, const SQLException& src) {
    KivOptionalInternationalStringFromCodec(&dst->psSqlSTATE, &src.sqlSTATE);
    KivOptionalIntegerFromCodec(&dst->pulSqlCODE, src.sqlCODE);
    KivOptionalInternationalStringFromCodec(&dst->psSqlErrorText, &src.sqlErrorText);
}

void rowFromCodec(KivSQLResultValues* dst, const SQLResultValues& src) {
    const KivSQLResultLevel level;
    enterLevel(level, kKivFromCodecNoMemory);
    kivNewStructureFromCodec(&dst->psSqlException, src.sqlException, exceptionFromCodec);
    KivOptionalArrayFromCodec<SQLValue>(
        &dst->ppsListOfSQLValue, src.listOfSQLValue, [](KivSQLValue* value, const SQLValue& item) {
            kivNewStructureFromCodec(&value->psDataItem, item.dataItem, valueChoiceFromCodec);
        });
}

}  // namespace

void KivSQLResultToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivSQLResult* result = src->uASN1.psSQLResult.get();
    if (result == nullptr) return;
    auto* holder = kivNewContentValue<SQLResultRecord>(dst);
    holder->choiceId = SQLResultRecord::kResult;
    holder->result = kivNewCodecRecord<SQLResult>();
    KivOptionalArrayToCodec<SQLDataTypeDescriptor>(&holder->result->listOfSQLDataTypeDescriptor,
                                                   result->ppsListOfSQLDataTypeDescriptor, descriptorToCodec);
    KivOptionalArrayToCodec<SQLResultValues>(&holder->result->listOfSQLResultValues,
                                             result->ppsListOfSQLResultValues, rowToCodec);
}

void KivSQLResultFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_SQLResult;
    kivFromCodec([&] { dst->uASN1.psSQLResult = std::make_unique<KivSQLResult>(); });
    if (src->value == nullptr) return;
    const SQLResult* result = kivContentValue<SQLResultRecord>(src).result;
    if (result == nullptr) return;
    KivSQLResult* target = dst->uASN1.psSQLResult.get();
    KivOptionalArrayFromCodec<SQLDataTypeDescriptor>(
        &target->ppsListOfSQLDataTypeDescriptor, result->listOfSQLDataTypeDescriptor, descriptorFromCodec);
    KivOptionalArrayFromCodec<SQLResultValues>(&target->ppsListOfSQLResultValues,
                                               result->listOfSQLResultValues, rowFromCodec);
}
