#pragma once
// SQL result sets: the data types of the columns of an SQL query result and the result's rows. Descriptors
// nest through row, collection, user-defined and reference types, and values through nested sets of rows.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_owning.h"

// eSQLDataTypeDescriptor.
enum : int32_t {
    SDTD_PredefinedType = 1,
    SDTD_RowType = 2,
    SDTD_CollectionType = 3,
    SDTD_UserDefinedType = 4,
    SDTD_ReferenceType = 5,
    SDTD_Invalid = -1,
};

// eSQLPredefinedTypeDescriptorChoice.
enum : int32_t {
    SPTD_CharacterType = 1,
    SPTD_NumericType = 2,
    SPTD_DecimalType = 3,
    SPTD_IntegerType = 4,
    SPTD_SmallIntType = 5,
    SPTD_FloatType = 6,
    SPTD_RealType = 7,
    SPTD_DoublePrecisionType = 8,
    SPTD_DateTimeType = 9,
    SPTD_IntervalType = 10,
    SPTD_VarcharType = 11,
    SPTD_BitType = 12,
    SPTD_BitvarType = 13,
    SPTD_ClobType = 14,
    SPTD_BlobType = 15,
    SPTD_BooleanType = 16,
    SPTD_Invalid = -1,
};

// ePrecisionBase: the one enumeration that counts from 0.
enum : int32_t {
    SPTDCS3_Binary = 0,
    SPTDCS3_Decimal = 1,
    SPTDCS3_Invalid = -1,
};

// eDateTimeQualifier.
enum : int32_t {
    SPTDCS8_Date2 = 1,
    SPTDCS8_Time = 2,
    SPTDCS8_TimeStamp = 3,
    SPTDCS8_TimeWithTimeZone = 4,
    SPTDCS8_TimeStampWithTimeZone = 5,
    SPTDCS8_Invalid = -1,
};

// eIntervalQualifier; 13 is valid too, without a name.
enum : int32_t {
    SPTDCS9_Year = 1,
    SPTDCS9_Month = 2,
    SPTDCS9_Day = 3,
    SPTDCS9_Hour = 4,
    SPTDCS9_Minute = 5,
    SPTDCS9_Second = 6,
    SPTDCS9_YearToMonth = 7,
    SPTDCS9_DayToHour = 8,
    SPTDCS9_DayToMinute = 9,
    SPTDCS9_DayToSecond = 10,
    SPTDCS9_HourToMinute = 11,
    SPTDCS9_HourToSecond = 12,
    SPTDCS9_Invalid = -1,
};
inline constexpr int32_t kSqlLastIntervalQualifier = 13;

// eSQLConstraintChoiceId.
enum : int32_t {
    SQLC_Nullable = 1,
    SQLC_Unique = 2,
    SQLC_PrimaryKey = 3,
    SQLC_Check = 4,
    SQLC_Invalid = -1,
};

// eSQLDefaultOptionChoiceId.
enum : int32_t {
    SDO_Literal = 1,
    SDO_DateTime = 2,
    SDO_Other = 3,
    SDO_Invalid = -1,
};

// The value peOther points to.
enum : int32_t {
    SDOE_User1 = 1,
    SDOE_CurrentUser = 2,
    SDOE_SessionUser = 3,
    SDOE_SystemUser = 4,
    SDOE_CurrentPath = 5,
    SDOE_SqlNull1 = 6,
    SDOE_SqlEmpty1 = 7,
};

// eSQLCollectionTypeDescriptorChoiceId.
enum : int32_t {
    CTD_Table = 1,
    CTD_Constructor = 2,
    CTD_Invalid = -1,
};

// eCollectionTypeConstructor.
enum : int32_t {
    CTDS_Set = 1,
    CTDS_Multiset = 2,
    CTDS_List1 = 3,
    CTDS_Invalid = -1,
};

// eSQLUserDefinedTypeDescriptorChoiceId.
enum : int32_t {
    SUDTD_Adt = 1,
    SUDTD_Distinct = 2,
    SUDTD_NamedRow = 3,
    SUDTD_Invalid = -1,
};

// eDistinctTypeDescriptorChoiceChoiceId.
enum : int32_t {
    SDTDC_Predefined = 1,
    SDTDC_Adt = 2,
    SDTDC_Invalid = -1,
};

// eSQLValueChoiceChoiceId.
enum : int32_t {
    SVC_CharacterItem = 1,
    SVC_NumericItem = 2,
    SVC_DecimalItem = 3,
    SVC_IntegerItem = 4,
    SVC_SmallintItem = 5,
    SVC_FloatItem = 6,
    SVC_RealItem = 7,
    SVC_DoublePrecisionItem = 8,
    SVC_DateTimeItem = 9,
    SVC_IntervalItem = 10,
    SVC_VarCharItem = 11,
    SVC_BitItem = 12,
    SVC_BitVarItem = 13,
    SVC_ClobItem = 14,
    SVC_BlobItem = 15,
    SVC_BooleanItem = 16,
    SVC_CollectionItem = 17,
    SVC_AdtItem = 18,
    SVC_Invalid = -1,
};

// eIndicator.
enum : int32_t {
    VCE_SqlNull = 1,
    VCE_SqlEmpty = 2,
    VCE_SqlDefault = 3,
    VCE_Invalid = -1,
};

struct KivSQLDataTypeDescriptor;

// The six optional names that the character, varchar and CLOB types share.
struct KivSQLCharacterSetNames {
    std::unique_ptr<KivInternationalString> psCharacterSetCatalog;
    std::unique_ptr<KivInternationalString> psCharacterSetSchema;
    std::unique_ptr<KivInternationalString> psCharacterSetName;
    std::unique_ptr<KivInternationalString> psCollationCatalog;
    std::unique_ptr<KivInternationalString> psCollationSchema;
    std::unique_ptr<KivInternationalString> psCollationName;
};

// pcCharSet is a dotted object identifier.
struct KivSQLCharacterType : KivSQLCharacterSetNames {
    std::optional<std::string> pcCharSet;
    uint32_t ulLength{};
    uint32_t fFixedLengthEncoding{};
};

struct KivSQLVarcharType : KivSQLCharacterSetNames {
    std::optional<std::string> pcCharSet;
    uint32_t ulLength{};
};

struct KivSQLCLOBType : KivSQLCharacterSetNames {
    std::optional<std::string> pcCharSet;
    uint32_t ulLength{};
    std::unique_ptr<KivInternationalString> psMimeTypeSuffix;
};

struct KivSQLBLOBType {
    uint32_t ulLength{};
    std::unique_ptr<KivInternationalString> psMimeTypeSuffix;
};

// Bit and bit-varying types alike.
struct KivSQLBitType {
    uint32_t ulLength{};
};

// Numeric and decimal types.
struct KivSQLExactNumericType {
    uint32_t ulPrecision{};
    uint32_t ulScale{};
};

// Integer and small-integer types.
struct KivSQLIntegerType {
    uint32_t ulPrecision{};
    int32_t ePrecisionBase{};
};

// Float, real and double-precision types.
struct KivSQLApproximateNumericType {
    uint32_t ulMantissaPrecision{};
    uint32_t ulMaxExponent{};
};

struct KivSQLDateTimeType {
    int32_t eDateTimeQualifier{};
    uint32_t ulFractionalSecondsPrecision{};
};

struct KivSQLIntervalType {
    int32_t eIntervalQualifier{};
    uint32_t ulLeadingFieldPrecision{};
    uint32_t ulFractionalSecondsPrecision{};
};

struct KivSQLPredefinedTypeDescriptorChoice {
    int32_t eSQLPredefinedTypeDescriptorChoice{};
    struct {
        std::unique_ptr<KivSQLCharacterType> psCharacterType;
        std::unique_ptr<KivSQLExactNumericType> psNumericType;
        std::unique_ptr<KivSQLExactNumericType> psDecimalType;
        std::unique_ptr<KivSQLIntegerType> psIntegerType;
        std::unique_ptr<KivSQLIntegerType> psSmallIntType;
        std::unique_ptr<KivSQLApproximateNumericType> psFloatType;
        std::unique_ptr<KivSQLApproximateNumericType> psRealType;
        std::unique_ptr<KivSQLApproximateNumericType> psDoublePrecisionType;
        std::unique_ptr<KivSQLDateTimeType> psDateTimeType;
        std::unique_ptr<KivSQLIntervalType> psIntervalType;
        std::unique_ptr<KivSQLVarcharType> psVarcharType;
        std::unique_ptr<KivSQLBitType> psBitType;
        std::unique_ptr<KivSQLBitType> psBitVarType;
        std::unique_ptr<KivSQLCLOBType> psCLOBType;
        std::unique_ptr<KivSQLBLOBType> psBLOBType;
        std::optional<uint32_t> pfBooleanType;
    } uSQLPredefinedTypeDescriptorChoice;
};

struct KivSQLPredefinedType {
    KivSQLPredefinedTypeDescriptorChoice sSQLPredefinedTypeDescriptorChoice;
};

struct KivSQLDefaultOption {
    int32_t eSQLDefaultOptionChoiceId{};
    struct {
        std::unique_ptr<KivOctets> psLiteral;
        std::unique_ptr<KivInternationalString> psDateTime;
        std::optional<int32_t> peOther;
    } uSQLDefaultOption;
};

struct KivSQLConstraint {
    int32_t eSQLConstraintChoiceId{};
    struct {
        std::optional<uint32_t> pfNullable;
        std::optional<uint32_t> pfUnique;
        std::optional<uint32_t> pfPrimaryKey;
        std::unique_ptr<KivInternationalString> psCheck;
    } uSQLConstraint;
};

// One column; pvDataType is compulsory.
struct KivSQLFieldDescriptor {
    KivInternationalString sName;
    std::unique_ptr<KivSQLDataTypeDescriptor> pvDataType;
    std::unique_ptr<KivSQLDefaultOption> psZsqldefault;
    std::unique_ptr<KivSQLConstraint> psConstraint;
    std::unique_ptr<KivInternationalString> psCollate;
};

// pvDataType, the element type, is compulsory.
struct KivSQLCollectionConstructor {
    std::unique_ptr<KivSQLDataTypeDescriptor> pvDataType;
    int32_t eCollectionTypeConstructor{};
};

struct KivSQLCollectionTypeDescriptor {
    int32_t eSQLCollectionTypeDescriptorChoiceId{};
    struct {
        KivArray<KivSQLFieldDescriptor> ppsTable;
        std::unique_ptr<KivSQLCollectionConstructor> psConstructor;
    } uSQLCollectionTypeDescriptor;
};

struct KivSQLAttributeDescriptor {
    KivInternationalString sAttributeName;
    std::unique_ptr<KivSQLDataTypeDescriptor> pvDataType;
    std::unique_ptr<KivSQLDefaultOption> psSqldefault;
    std::unique_ptr<KivInternationalString> psCollate;
};

// An abstract data type; ppsListOfSubTypes is compulsory.
struct KivSQLAdtDescriptor {
    KivInternationalString sName;
    KivArray<KivSQLAdtDescriptor> ppsListOfSubTypes;
    KivArray<KivSQLAttributeDescriptor> ppsListOfAttributes;
    std::unique_ptr<KivSQLDefaultOption> psDefaultValue;
};

struct KivSQLDistinctTypeDescriptorChoice {
    int32_t eDistinctTypeDescriptorChoiceChoiceId{};
    struct {
        std::unique_ptr<KivSQLPredefinedType> psPredefined;
        std::unique_ptr<KivSQLAdtDescriptor> psAdt;
    } uSQLDistinctTypeDescriptorChoice;
};

struct KivSQLDistinctTypeDescriptor {
    KivInternationalString sName;
    KivSQLDistinctTypeDescriptorChoice sSourceType;
};

// ppsRowTypeBody is compulsory.
struct KivSQLNamedRowTypeDescriptor {
    KivInternationalString sName;
    KivArray<KivSQLFieldDescriptor> ppsRowTypeBody;
};

// The union keeps the name of the collection type's union.
struct KivSQLUserDefinedTypeDescriptor {
    int32_t eSQLUserDefinedTypeDescriptorChoiceId{};
    struct {
        std::unique_ptr<KivSQLAdtDescriptor> psAdt;
        std::unique_ptr<KivSQLDistinctTypeDescriptor> psDistinct;
        std::unique_ptr<KivSQLNamedRowTypeDescriptor> psNamedRow;
    } uSQLCollectionTypeDescriptor;
};

struct KivSQLDataTypeDescriptor {
    int32_t eSQLDataTypeDescriptor{};
    struct {
        std::unique_ptr<KivSQLPredefinedType> psPredefinedType;
        KivArray<KivSQLFieldDescriptor> ppsRowType;
        std::unique_ptr<KivSQLCollectionTypeDescriptor> psCollectionType;
        std::unique_ptr<KivSQLUserDefinedTypeDescriptor> psUserDefinedType;
        std::unique_ptr<KivSQLDataTypeDescriptor> psReferenceType;
    } uSQLDataTypeDescriptor;
};

// Every member is optional.
struct KivSQLException {
    std::unique_ptr<KivInternationalString> psSqlSTATE;
    std::optional<uint32_t> pulSqlCODE;
    std::unique_ptr<KivInternationalString> psSqlErrorText;
};

struct KivSQLResultValues;

// One column value. Numbers hold the INTEGER's 32 bits unchanged; a bit text holds '0' and '1', the first
// character the first bit; an SQL NULL is SVC_AdtItem with eIndicator VCE_SqlNull.
struct KivSQLValueChoice {
    int32_t eSQLValueChoiceChoiceId{};
    struct {
        std::unique_ptr<KivOctets> psCharacterItem;
        uint32_t ulNumericItem{};
        uint32_t ulDecimalItem{};
        uint32_t ulIntegerItem{};
        uint32_t ulSmallIntItem{};
        double rFloatItem{};
        double rRrealItem{};
        double rDoublePrecisionItem{};
        std::unique_ptr<KivInternationalString> psDateTimeItem;
        std::unique_ptr<KivInternationalString> psIntervalItem;
        std::unique_ptr<KivOctets> psVarCharItem;
        std::optional<std::string> psBitItem;
        std::optional<std::string> psBitVarItem;
        std::unique_ptr<KivOctets> psCLOBItem;
        std::unique_ptr<KivOctets> psBLOBItem;
        uint32_t fBooleanItem{};
        KivArray<KivSQLResultValues> ppsListOfSQLResultValues;
        int32_t eIndicator{};
    } uSQLValueChoice;
};

// psDataItem is compulsory.
struct KivSQLValue {
    std::unique_ptr<KivSQLValueChoice> psDataItem;
};

// One row: its column values in column order.
struct KivSQLResultValues {
    std::unique_ptr<KivSQLException> psSqlException;
    KivArray<KivSQLValue> ppsListOfSQLValue;
};

// The result (content type 22, AT_SQLResult).
struct KivSQLResult {
    KivArray<KivSQLDataTypeDescriptor> ppsListOfSQLDataTypeDescriptor;
    KivArray<KivSQLResultValues> ppsListOfSQLResultValues;
};
