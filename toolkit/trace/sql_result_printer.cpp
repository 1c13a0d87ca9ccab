#include "toolkit/trace/sql_result_printer.h"

#include <cstdio>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/api/kiv_sql_result.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/part_lines.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/value_printers.h"

namespace {

using trace::addressOf;
using trace::EnumName;
using trace::partLine;
using trace::selectorLine;

constexpr EnumName kDescriptorTypes[] = {
    {SDTD_PredefinedType, "SDTD_PredefinedType"}, {SDTD_RowType, "SDTD_RowType"},
    {SDTD_CollectionType, "SDTD_CollectionType"}, {SDTD_UserDefinedType, "SDTD_UserDefinedType"},
    {SDTD_ReferenceType, "SDTD_ReferenceType"},   {SDTD_Invalid, "SDTD_Invalid"},
};

constexpr EnumName kPredefinedTypes[] = {
    {SPTD_CharacterType, "SPTD_CharacterType"},
    {SPTD_NumericType, "SPTD_NumericType"},
    {SPTD_DecimalType, "SPTD_DecimalType"},
    {SPTD_IntegerType, "SPTD_IntegerType"},
    {SPTD_SmallIntType, "SPTD_SmallIntType"},
    {SPTD_FloatType, "SPTD_FloatType"},
    {SPTD_RealType, "SPTD_RealType"},
    {SPTD_DoublePrecisionType, "SPTD_DoublePrecisionType"},
    {SPTD_DateTimeType, "SPTD_DateTimeType"},
    {SPTD_IntervalType, "SPTD_IntervalType"},
    {SPTD_VarcharType, "SPTD_VarcharType"},
    {SPTD_BitType, "SPTD_BitType"},
    {SPTD_BitvarType, "SPTD_BitvarType"},
    {SPTD_ClobType, "SPTD_ClobType"},
    {SPTD_BlobType, "SPTD_BlobType"},
    {SPTD_BooleanType, "SPTD_BooleanType"},
    {SPTD_Invalid, "SPTD_Invalid"},
};

constexpr EnumName kPrecisionBases[] = {
    {SPTDCS3_Binary, "SPTDCS3_Binary"},
    {SPTDCS3_Decimal, "SPTDCS3_Decimal"},
    {SPTDCS3_Invalid, "SPTDCS3_Invalid"},
};

constexpr EnumName kDateTimeQualifiers[] = {
    {SPTDCS8_Date2, "SPTDCS8_Date2"},
    {SPTDCS8_Time, "SPTDCS8_Time"},
    {SPTDCS8_TimeStamp, "SPTDCS8_TimeStamp"},
    {SPTDCS8_TimeWithTimeZone, "SPTDCS8_TimeWithTimeZone"},
    {SPTDCS8_TimeStampWithTimeZone, "SPTDCS8_TimeStampWithTimeZone"},
    {SPTDCS8_Invalid, "SPTDCS8_Invalid"},
};

// 13 is valid without a name.
constexpr EnumName kIntervalQualifiers[] = {
    {SPTDCS9_Year, "SPTDCS9_Year"},
    {SPTDCS9_Month, "SPTDCS9_Month"},
    {SPTDCS9_Day, "SPTDCS9_Day"},
    {SPTDCS9_Hour, "SPTDCS9_Hour"},
    {SPTDCS9_Minute, "SPTDCS9_Minute"},
    {SPTDCS9_Second, "SPTDCS9_Second"},
    {SPTDCS9_YearToMonth, "SPTDCS9_YearToMonth"},
    {SPTDCS9_DayToHour, "SPTDCS9_DayToHour"},
    {SPTDCS9_DayToMinute, "SPTDCS9_DayToMinute"},
    {SPTDCS9_DayToSecond, "SPTDCS9_DayToSecond"},
    {SPTDCS9_HourToMinute, "SPTDCS9_HourToMinute"},
    {SPTDCS9_HourToSecond, "SPTDCS9_HourToSecond"},
    {SPTDCS9_Invalid, "SPTDCS9_Invalid"},
};

constexpr EnumName kCollectionTypes[] = {
    {CTD_Table, "CTD_Table"},
    {CTD_Constructor, "CTD_Constructor"},
    {CTD_Invalid, "CTD_Invalid"},
};

constexpr EnumName kConstructors[] = {
    {CTDS_Set, "CTDS_Set"},
    {CTDS_Multiset, "CTDS_Multiset"},
    {CTDS_List1, "CTDS_List1"},
    {CTDS_Invalid, "CTDS_Invalid"},
};

constexpr EnumName kUserDefinedTypes[] = {
    {SUDTD_Adt, "SUDTD_Adt"},
    {SUDTD_Distinct, "SUDTD_Distinct"},
    {SUDTD_NamedRow, "SUDTD_NamedRow"},
    {SUDTD_Invalid, "SUDTD_Invalid"},
};

constexpr EnumName kDefaultOptions[] = {
    {SDO_Literal, "SDO_Literal"},
    {SDO_DateTime, "SDO_DateTime"},
    {SDO_Other, "SDO_Other"},
    {SDO_Invalid, "SDO_Invalid"},
};

constexpr EnumName kOtherDefaults[] = {
    {SDOE_User1, "SDOE_User1"},
    {SDOE_CurrentUser, "SDOE_CurrentUser"},
    {SDOE_SessionUser, "SDOE_SessionUser"},
    {SDOE_SystemUser, "SDOE_SystemUser"},
    {SDOE_CurrentPath, "SDOE_CurrentPath"},
    {SDOE_SqlNull1, "SDOE_SqlNull1"},
    {SDOE_SqlEmpty1, "SDOE_SqlEmpty1"},
    {SDO_Invalid, "SDO_Invalid"},
};

constexpr EnumName kSources[] = {
    {SDTDC_Predefined, "SDTDC_Predefined"},
    {SDTDC_Adt, "SDTDC_Adt"},
    {SDTDC_Invalid, "SDTDC_Invalid"},
};

constexpr EnumName kValueChoices[] = {
    {SVC_CharacterItem, "SVC_CharacterItem"},
    {SVC_NumericItem, "SVC_NumericItem"},
    {SVC_DecimalItem, "SVC_DecimalItem"},
    {SVC_IntegerItem, "SVC_IntegerItem"},
    {SVC_SmallintItem, "SVC_SmallintItem"},
    {SVC_FloatItem, "SVC_FloatItem"},
    {SVC_RealItem, "SVC_RealItem"},
    {SVC_DoublePrecisionItem, "SVC_DoublePrecisionItem"},
    {SVC_DateTimeItem, "SVC_DateTimeItem"},
    {SVC_IntervalItem, "SVC_IntervalItem"},
    {SVC_VarCharItem, "SVC_VarCharItem"},
    {SVC_BitItem, "SVC_BitItem"},
    {SVC_BitVarItem, "SVC_BitVarItem"},
    {SVC_ClobItem, "SVC_ClobItem"},
    {SVC_BlobItem, "SVC_BlobItem"},
    {SVC_BooleanItem, "SVC_BooleanItem"},
    {SVC_CollectionItem, "SVC_CollectionItem"},
    {SVC_AdtItem, "SVC_AdtItem"},
    {SVC_Invalid, "SVC_Invalid"},
};

constexpr EnumName kIndicators[] = {
    {VCE_SqlNull, "VCE_SqlNull"},
    {VCE_SqlEmpty, "VCE_SqlEmpty"},
    {VCE_SqlDefault, "VCE_SqlDefault"},
    {VCE_Invalid, "VCE_Invalid"},
};

// The constant's name and a line end; an empty line for a value outside the table.
void nameLine(std::FILE* file, int32_t value, std::span<const EnumName> names) {
    selectorLine(file, "", value, names);
}

// False, after the too-deep line, when the guard's level lies past the bound.
bool withinDepth(std::FILE* file, const trace::PrintDepthGuard& guard) {
    if (!guard.tooDeep()) return true;
    std::fputs(trace::kTooDeepLine, file);
    return false;
}

void printDescriptor(std::FILE* file, const KivSQLDataTypeDescriptor* descriptor);
void printAdt(std::FILE* file, const KivSQLAdtDescriptor& adt);
void printResultValueLists(std::FILE* file, const KivArray<KivSQLResultValues>& lists);

template <typename Type>
void printCharacterSetNames(std::FILE* file, const Type& type) {
    KivPrintNamedInternationalString(file, "psCharacterSetCatalog", type.psCharacterSetCatalog.get());
    KivPrintNamedInternationalString(file, "psCharacterSetSchema", type.psCharacterSetSchema.get());
    KivPrintNamedInternationalString(file, "psCharacterSetName", type.psCharacterSetName.get());
    KivPrintNamedInternationalString(file, "psCollationCatalog", type.psCollationCatalog.get());
    KivPrintNamedInternationalString(file, "psCollationSchema", type.psCollationSchema.get());
    KivPrintNamedInternationalString(file, "psCollationName", type.psCollationName.get());
}

void printCharacterType(std::FILE* file, const KivSQLCharacterType& type) {
    KivPrintNamedText(file, "pcCharSet", type.pcCharSet);
    KivPrintNamedInteger(file, "ulLength", &type.ulLength);
    KivPrintNamedBoolean(file, "fFixedLengthEncoding", &type.fFixedLengthEncoding);
    printCharacterSetNames(file, type);
}

void printVarcharType(std::FILE* file, const KivSQLVarcharType& type) {
    KivPrintNamedText(file, "pcCharSet", type.pcCharSet);
    KivPrintNamedInteger(file, "ulLength", &type.ulLength);
    printCharacterSetNames(file, type);
}

void printCLOBType(std::FILE* file, const KivSQLCLOBType& type) {
    KivPrintNamedText(file, "pcCharSet", type.pcCharSet);
    KivPrintNamedInteger(file, "ulLength", &type.ulLength);
    KivPrintNamedInternationalString(file, "psMimeTypeSuffix", type.psMimeTypeSuffix.get());
    printCharacterSetNames(file, type);
}

void printBLOBType(std::FILE* file, const KivSQLBLOBType& type) {
    KivPrintNamedInteger(file, "ulLength", &type.ulLength);
    KivPrintNamedInternationalString(file, "psMimeTypeSuffix", type.psMimeTypeSuffix.get());
}

void printBitType(std::FILE* file, const KivSQLBitType& type) {
    KivPrintNamedInteger(file, "ulLength", &type.ulLength);
}

void printExactNumeric(std::FILE* file, const KivSQLExactNumericType& type) {
    KivPrintNamedInteger(file, "ulPrecision", &type.ulPrecision);
    KivPrintNamedInteger(file, "ulScale", &type.ulScale);
}

void printIntegerType(std::FILE* file, const KivSQLIntegerType& type) {
    KivPrintNamedInteger(file, "ulPrecision", &type.ulPrecision);
    nameLine(file, type.ePrecisionBase, kPrecisionBases);
}

void printApproximateNumeric(std::FILE* file, const KivSQLApproximateNumericType& type) {
    KivPrintNamedInteger(file, "ulMantissaPrecision", &type.ulMantissaPrecision);
    KivPrintNamedInteger(file, "ulMaxExponent", &type.ulMaxExponent);
}

void printDateTimeType(std::FILE* file, const KivSQLDateTimeType& type) {
    nameLine(file, type.eDateTimeQualifier, kDateTimeQualifiers);
    KivPrintNamedInteger(file, "ulFractionalSecondsPrecision", &type.ulFractionalSecondsPrecision);
}

void printIntervalType(std::FILE* file, const KivSQLIntervalType& type) {
    nameLine(file, type.eIntervalQualifier, kIntervalQualifiers);
    KivPrintNamedInteger(file, "ulLeadingFieldPrecision", &type.ulLeadingFieldPrecision);
    KivPrintNamedInteger(file, "ulFractionalSecondsPrecision", &type.ulFractionalSecondsPrecision);
}

// The member's lines when it is there; an absent member prints nothing.
template <typename T, typename Print>
void printPresent(std::FILE* file, const std::unique_ptr<T>& member, Print&& print) {
    if (member) print(file, *member);
}

void printPredefined(std::FILE* file, const KivSQLPredefinedType* type) {
    if (!partLine(file, "psSQLPredefinedTypeDescriptorChoice", type != nullptr)) return;
    const auto& choice = type->sSQLPredefinedTypeDescriptorChoice;
    const auto& u = choice.uSQLPredefinedTypeDescriptorChoice;
    const int32_t selector = choice.eSQLPredefinedTypeDescriptorChoice;
    selectorLine(file, "eSQLPredefinedTypeDescriptorChoice: ", selector, kPredefinedTypes);
    switch (selector) {
        case SPTD_CharacterType:
            return printPresent(file, u.psCharacterType, printCharacterType);
        case SPTD_NumericType:
            return printPresent(file, u.psNumericType, printExactNumeric);
        case SPTD_DecimalType:
            return printPresent(file, u.psDecimalType, printExactNumeric);
        case SPTD_IntegerType:
            return printPresent(file, u.psIntegerType, printIntegerType);
        case SPTD_SmallIntType:
            return printPresent(file, u.psSmallIntType, printIntegerType);
        case SPTD_FloatType:
            return printPresent(file, u.psFloatType, printApproximateNumeric);
        case SPTD_RealType:
            return printPresent(file, u.psRealType, printApproximateNumeric);
        case SPTD_DoublePrecisionType:
            return printPresent(file, u.psDoublePrecisionType, printApproximateNumeric);
        case SPTD_DateTimeType:
            return printPresent(file, u.psDateTimeType, printDateTimeType);
        case SPTD_IntervalType:
            return printPresent(file, u.psIntervalType, printIntervalType);
        case SPTD_VarcharType:
            return printPresent(file, u.psVarcharType, printVarcharType);
        case SPTD_BitType:
            return printPresent(file, u.psBitType, printBitType);
        case SPTD_BitvarType:
            return printPresent(file, u.psBitVarType, printBitType);
        case SPTD_ClobType:
            return printPresent(file, u.psCLOBType, printCLOBType);
        case SPTD_BlobType:
            return printPresent(file, u.psBLOBType, printBLOBType);
        case SPTD_BooleanType:
            return KivPrintNamedBoolean(file, "pfBooleanType", addressOf(u.pfBooleanType));
        default:
            return;
    }
}

// Columns print their name and data type only.
void printRowType(std::FILE* file, const KivArray<KivSQLFieldDescriptor>& columns) {
    if (!partLine(file, "ppsRowType", columns.present())) return;
    for (const KivSQLFieldDescriptor& column : columns) {
        KivPrintNamedInternationalString(file, "sName", &column.sName);
        printDescriptor(file, column.pvDataType.get());
    }
}

void printDefault(std::FILE* file, const KivSQLDefaultOption* option) {
    if (!partLine(file, "psDefaultValue", option != nullptr)) return;
    const auto& u = option->uSQLDefaultOption;
    selectorLine(file, "eSQLDefaultOptionChoiceId: ", option->eSQLDefaultOptionChoiceId, kDefaultOptions);
    switch (option->eSQLDefaultOptionChoiceId) {
        case SDO_Literal:
            return KivPrintNamedOctets(file, "psLiteral", u.psLiteral.get());
        case SDO_DateTime:
            return KivPrintNamedInternationalString(file, "psDateTime", u.psDateTime.get());
        case SDO_Other:
            return trace::printOptionalEnumName(file, u.peOther, kOtherDefaults);
        default:
            return;
    }
}

void printCollection(std::FILE* file, const KivSQLCollectionTypeDescriptor* collection) {
    if (!partLine(file, "psCollectionType", collection != nullptr)) return;
    const auto& u = collection->uSQLCollectionTypeDescriptor;
    const int32_t selector = collection->eSQLCollectionTypeDescriptorChoiceId;
    selectorLine(file, "eSQLCollectionTypeDescriptorChoiceId: ", selector, kCollectionTypes);
    if (selector == CTD_Table) printRowType(file, u.ppsTable);
    if (selector == CTD_Constructor && u.psConstructor) {
        printDescriptor(file, u.psConstructor->pvDataType.get());
        nameLine(file, u.psConstructor->eCollectionTypeConstructor, kConstructors);
    }
}

void printAttribute(std::FILE* file, const KivSQLAttributeDescriptor& attribute) {
    KivPrintNamedInternationalString(file, "sAttributeName", &attribute.sAttributeName);
    printDescriptor(file, attribute.pvDataType.get());
    printDefault(file, attribute.psSqldefault.get());
    KivPrintNamedInternationalString(file, "psCollate", attribute.psCollate.get());
}

void printAdt(std::FILE* file, const KivSQLAdtDescriptor& adt) {
    const trace::PrintDepthGuard guard;
    if (!withinDepth(file, guard)) return;
    KivPrintNamedInternationalString(file, "sName", &adt.sName);
    if (partLine(file, "ppsListOfSubTypes", adt.ppsListOfSubTypes.present())) {
        for (const KivSQLAdtDescriptor& subType : adt.ppsListOfSubTypes) printAdt(file, subType);
    }
    if (partLine(file, "ppsListOfAttributes", adt.ppsListOfAttributes.present())) {
        for (const KivSQLAttributeDescriptor& attribute : adt.ppsListOfAttributes)
            printAttribute(file, attribute);
    }
    printDefault(file, adt.psDefaultValue.get());
}

void printDistinct(std::FILE* file, const KivSQLDistinctTypeDescriptor& distinct) {
    KivPrintNamedInternationalString(file, "sName", &distinct.sName);
    std::fputs("psSourceType:\n", file);
    const auto& source = distinct.sSourceType;
    const auto& u = source.uSQLDistinctTypeDescriptorChoice;
    selectorLine(file,
                 "eDistinctTypeDescriptorChoiceChoiceId: ", source.eDistinctTypeDescriptorChoiceChoiceId,
                 kSources);
    if (source.eDistinctTypeDescriptorChoiceChoiceId == SDTDC_Predefined)
        printPredefined(file, u.psPredefined.get());
    if (source.eDistinctTypeDescriptorChoiceChoiceId == SDTDC_Adt) printPresent(file, u.psAdt, printAdt);
}

void printNamedRow(std::FILE* file, const KivSQLNamedRowTypeDescriptor& row) {
    KivPrintNamedInternationalString(file, "sName", &row.sName);
    printRowType(file, row.ppsRowTypeBody);
}

void printUserDefined(std::FILE* file, const KivSQLUserDefinedTypeDescriptor* type) {
    if (!partLine(file, "psUserDefinedType", type != nullptr)) return;
    const auto& u = type->uSQLCollectionTypeDescriptor;
    const int32_t selector = type->eSQLUserDefinedTypeDescriptorChoiceId;
    selectorLine(file, "eSQLUserDefinedTypeDescriptorChoiceId: ", selector, kUserDefinedTypes);
    if (selector == SUDTD_Adt) printPresent(file, u.psAdt, printAdt);
    if (selector == SUDTD_Distinct) printPresent(file, u.psDistinct, printDistinct);
    if (selector == SUDTD_NamedRow) printPresent(file, u.psNamedRow, printNamedRow);
}

// A reference prints the referenced descriptor in full under a line of its own.
void printDescriptor(std::FILE* file, const KivSQLDataTypeDescriptor* descriptor) {
    const trace::PrintDepthGuard guard;
    if (!withinDepth(file, guard)) return;
    if (!partLine(file, "psListOfSQLDataTypeDescriptor", descriptor != nullptr)) return;
    const auto& u = descriptor->uSQLDataTypeDescriptor;
    selectorLine(file, "eSQLDataTypeDescriptor: ", descriptor->eSQLDataTypeDescriptor, kDescriptorTypes);
    switch (descriptor->eSQLDataTypeDescriptor) {
        case SDTD_PredefinedType:
            return printPredefined(file, u.psPredefinedType.get());
        case SDTD_RowType:
            return printRowType(file, u.ppsRowType);
        case SDTD_CollectionType:
            return printCollection(file, u.psCollectionType.get());
        case SDTD_UserDefinedType:
            return printUserDefined(file, u.psUserDefinedType.get());
        case SDTD_ReferenceType:
            return printDescriptor(file, u.psReferenceType.get());
        default:
            return;
    }
}

void printException(std::FILE* file, const KivSQLException* exception) {
    if (!partLine(file, "psSqlException", exception != nullptr)) return;
    KivPrintNamedInternationalString(file, "psSqlSTATE", exception->psSqlSTATE.get());
    KivPrintNamedInteger(file, "pulSqlCODE", addressOf(exception->pulSqlCODE));
    KivPrintNamedInternationalString(file, "psSqlErrorText", exception->psSqlErrorText.get());
}

void printReal(std::FILE* file, const char* label, double value) {
    std::fprintf(file, "%s: %e\n", label, value);
}

void printDataItem(std::FILE* file, const KivSQLValueChoice* item) {
    if (!partLine(file, "psDataItem", item != nullptr)) return;
    const auto& u = item->uSQLValueChoice;
    selectorLine(file, "eSQLValueChoiceChoiceId: ", item->eSQLValueChoiceChoiceId, kValueChoices);
    switch (item->eSQLValueChoiceChoiceId) {
        case SVC_CharacterItem:
            return KivPrintNamedOctets(file, "psCharacterItem", u.psCharacterItem.get());
        case SVC_NumericItem:
            return KivPrintNamedInteger(file, "ulNumericItem", &u.ulNumericItem);
        case SVC_DecimalItem:
            return KivPrintNamedInteger(file, "ulDecimalItem", &u.ulDecimalItem);
        case SVC_IntegerItem:
            return KivPrintNamedInteger(file, "ulIntegerItem", &u.ulIntegerItem);
        case SVC_SmallintItem:
            return KivPrintNamedInteger(file, "ulSmallIntItem", &u.ulSmallIntItem);
        case SVC_FloatItem:
            return printReal(file, "rFloatItem", u.rFloatItem);
        case SVC_RealItem:
            return printReal(file, "rRrealItem", u.rRrealItem);
        case SVC_DoublePrecisionItem:
            return printReal(file, "rDoublePrecisionItem", u.rDoublePrecisionItem);
        case SVC_DateTimeItem:
            return KivPrintNamedInternationalString(file, "psDateTimeItem", u.psDateTimeItem.get());
        case SVC_IntervalItem:
            return KivPrintNamedInternationalString(file, "psIntervalItem", u.psIntervalItem.get());
        case SVC_VarCharItem:
            return KivPrintNamedOctets(file, "psVarCharItem", u.psVarCharItem.get());
        case SVC_BitItem:
            return KivPrintNamedText(file, "psBitItem", u.psBitItem);
        case SVC_BitVarItem:
            return KivPrintNamedText(file, "psBitVarItem", u.psBitVarItem);
        case SVC_ClobItem:
            return KivPrintNamedOctets(file, "psCLOBItem", u.psCLOBItem.get());
        case SVC_BlobItem:
            return KivPrintNamedOctets(file, "psBLOBItem", u.psBLOBItem.get());
        case SVC_BooleanItem:
            return KivPrintNamedBoolean(file, "fBooleanItem", &u.fBooleanItem);
        case SVC_CollectionItem:
            return printResultValueLists(file, u.ppsListOfSQLResultValues);
        case SVC_AdtItem:
            return selectorLine(file, "eIndicator: ", u.eIndicator, kIndicators);
        default:
            return;
    }
}

void printResultValueLists(std::FILE* file, const KivArray<KivSQLResultValues>& lists) {
    const trace::PrintDepthGuard guard;
    if (!withinDepth(file, guard)) return;
    if (!partLine(file, "ppsListOfSQLResultValues", lists.present())) return;
    for (const KivSQLResultValues& row : lists) {
        std::fputs("psListOfSQLResultValues:\n", file);
        printException(file, row.psSqlException.get());
        if (!partLine(file, "ppsListOfSQLValue", row.ppsListOfSQLValue.present())) continue;
        for (const KivSQLValue& value : row.ppsListOfSQLValue) {
            std::fputs("psListOfSQLValue:\n", file);
            printDataItem(file, value.psDataItem.get());
        }
    }
}

}  // namespace

void KivPrintSQLResult(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivSQLResult* result = content != nullptr ? content->uASN1.psSQLResult.get() : nullptr;
    if (!partLine(file, "psSQLResult", result != nullptr)) return;
    if (partLine(file, "ppsListOfSQLDataTypeDescriptor", result->ppsListOfSQLDataTypeDescriptor.present())) {
        for (const KivSQLDataTypeDescriptor& descriptor : result->ppsListOfSQLDataTypeDescriptor) {
            printDescriptor(file, &descriptor);
        }
    }
    printResultValueLists(file, result->ppsListOfSQLResultValues);
}
