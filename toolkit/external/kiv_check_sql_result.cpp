#include "toolkit/external/kiv_check_sql_result.h"

#include <string>
#include <string_view>

#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_sql_result.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/external/kiv_sql_result_depth.h"

namespace {

// Walks one result and reports its first fault; the result's own path names it in the depth message.
class ResultChecker {
  public:
    ResultChecker(KivAssocId assoc, std::string resultPath, SIError** out)
        : assoc_(assoc), resultPath_(std::move(resultPath)), out_(out) {}

  private:
    template <typename T>
    using Check = int (ResultChecker::*)(const T&, const std::string&);

    // An element checker of the validator shape that runs one of this walk's checks.
    template <typename T>
    auto checker(Check<T> check) {
        return [this, check](KivAssocId, const T* element, const std::string& path, SIError**) {
            return (this->*check)(*element, path);
        };
    }
    auto descriptorChecker() { return checker(&ResultChecker::checkDescriptor); }
    auto columnChecker() { return checker(&ResultChecker::checkColumn); }
    auto rowChecker() { return checker(&ResultChecker::checkRow); }

    // A compulsory member: 64 on path + name, else check on path + name + separator.
    template <typename T>
    int member(const T* value, const std::string& path, std::string_view name, std::string_view separator,
               Check<T> check) {
        return kivCheckMember(assoc_, value, path, name, separator, out_,
                              [this, check](KivAssocId, const T* present, const std::string& memberPath,
                                            SIError**) { return (this->*check)(*present, memberPath); });
    }

    int present(bool there, const std::string& path, std::string_view name) {
        return there ? 0 : KivReportMissingField(assoc_, kivFieldPath(path, name), out_);
    }

    int outOfRange(const std::string& path, std::string_view name) {
        return KivReportValueOutOfRange(assoc_, kivFieldPath(path, name), out_);
    }

    int range(int32_t value, int32_t low, int32_t high, const std::string& path, std::string_view name) {
        return kivCheckRange(assoc_, value, static_cast<uint32_t>(low), static_cast<uint32_t>(high), path,
                             name, out_);
    }

    // 76: the result's path and the explanation; a path too long for both loses its beginning.
    int reportTooDeep() {
        const std::string explanation =
            " IS NESTED DEEPER THAN " + std::to_string(kKivMaxSQLResultDepth) + " LEVELS";
        const size_t room = kKivPathMaxChars - explanation.size();
        const size_t cut = resultPath_.size() > room ? resultPath_.size() - room : 0;
        return KivReportValidationText(assoc_, resultPath_.substr(cut) + explanation, out_);
    }

    int checkDescriptor(const KivSQLDataTypeDescriptor& descriptor, const std::string& path) {
        const KivSQLResultLevel level;
        if (level.tooDeep()) return reportTooDeep();
        const auto& u = descriptor.uSQLDataTypeDescriptor;
        switch (descriptor.eSQLDataTypeDescriptor) {
            case SDTD_PredefinedType:
                return member(u.psPredefinedType.get(), path, "uSQLDataTypeDescriptor.psPredefinedType", "->",
                              &ResultChecker::checkPredefinedType);
            case SDTD_RowType:
                return kivCheckArray(assoc_, u.ppsRowType, kivFieldPath(path, "uSQLDataTypeDescriptor."),
                                     "ppsRowType", out_, columnChecker());
            case SDTD_CollectionType:
                return member(u.psCollectionType.get(), path, "uSQLDataTypeDescriptor.psCollectionType", "->",
                              &ResultChecker::checkCollection);
            case SDTD_UserDefinedType:
                return member(u.psUserDefinedType.get(), path, "uSQLDataTypeDescriptor.psUserDefinedType",
                              "->", &ResultChecker::checkUserDefined);
            case SDTD_ReferenceType:
                return member(u.psReferenceType.get(), path, "uSQLDataTypeDescriptor.psReferenceType", "->",
                              &ResultChecker::checkDescriptor);
            default:
                return outOfRange(path, "eSQLDataTypeDescriptor");
        }
    }

    int checkPredefinedType(const KivSQLPredefinedType& type, const std::string& path) {
        return checkPredefined(type.sSQLPredefinedTypeDescriptorChoice,
                               kivFieldPath(path, "sSQLPredefinedTypeDescriptorChoice."));
    }

    // pcCharSet, when set, must be a dotted identifier (73 on "pcCharSet->").
    int checkCharSet(const std::optional<std::string>& charSet, const std::string& path) {
        return KivCheckOptionalEncodedOid(assoc_, charSet, kivFieldPath(path, "pcCharSet->"), out_);
    }

    int checkCharacterType(const KivSQLCharacterType& type, const std::string& path) {
        if (checkCharSet(type.pcCharSet, path) != 0) return 1;
        return KivCheckBoolean(assoc_, &type.fFixedLengthEncoding, kivFieldPath(path, "fFixedLengthEncoding"),
                               out_);
    }
    int checkVarcharType(const KivSQLVarcharType& type, const std::string& path) {
        return checkCharSet(type.pcCharSet, path);
    }
    int checkCLOBType(const KivSQLCLOBType& type, const std::string& path) {
        return checkCharSet(type.pcCharSet, path);
    }
    int checkIntegerType(const KivSQLIntegerType& type, const std::string& path) {
        return range(type.ePrecisionBase, SPTDCS3_Binary, SPTDCS3_Decimal, path, "ePrecisionBase");
    }
    int checkDateTimeType(const KivSQLDateTimeType& type, const std::string& path) {
        return range(type.eDateTimeQualifier, SPTDCS8_Date2, SPTDCS8_TimeStampWithTimeZone, path,
                     "eDateTimeQualifier");
    }
    int checkIntervalType(const KivSQLIntervalType& type, const std::string& path) {
        return range(type.eIntervalQualifier, SPTDCS9_Year, kSqlLastIntervalQualifier, path,
                     "eIntervalQualifier");
    }
    template <typename T>
    int nothingFurther(const T&, const std::string&) {
        return 0;
    }

    int checkPredefined(const KivSQLPredefinedTypeDescriptorChoice& choice, const std::string& path) {
        const auto& u = choice.uSQLPredefinedTypeDescriptorChoice;
        const std::string unionPath = kivFieldPath(path, "uSQLPredefinedTypeDescriptorChoice.");
        switch (choice.eSQLPredefinedTypeDescriptorChoice) {
            case SPTD_CharacterType:
                return member(u.psCharacterType.get(), unionPath, "psCharacterType", "->",
                              &ResultChecker::checkCharacterType);
            case SPTD_NumericType:
                return present(u.psNumericType != nullptr, unionPath, "psNumericType");
            case SPTD_DecimalType:
                return present(u.psDecimalType != nullptr, unionPath, "psDecimalType");
            case SPTD_IntegerType:
                return member(u.psIntegerType.get(), unionPath, "psIntegerType", "->",
                              &ResultChecker::checkIntegerType);
            case SPTD_SmallIntType:
                return member(u.psSmallIntType.get(), unionPath, "psSmallIntType", "->",
                              &ResultChecker::checkIntegerType);
            case SPTD_FloatType:
                return present(u.psFloatType != nullptr, unionPath, "psFloatType");
            case SPTD_RealType:
                return present(u.psRealType != nullptr, unionPath, "psRealType");
            case SPTD_DoublePrecisionType:
                return present(u.psDoublePrecisionType != nullptr, unionPath, "psDoublePrecisionType");
            case SPTD_DateTimeType:
                return member(u.psDateTimeType.get(), unionPath, "psDateTimeType", "->",
                              &ResultChecker::checkDateTimeType);
            case SPTD_IntervalType:
                return member(u.psIntervalType.get(), unionPath, "psIntervalType", "->",
                              &ResultChecker::checkIntervalType);
            case SPTD_VarcharType:
                return member(u.psVarcharType.get(), unionPath, "psVarcharType", "->",
                              &ResultChecker::checkVarcharType);
            case SPTD_BitType:
                return present(u.psBitType != nullptr, unionPath, "psBitType");
            case SPTD_BitvarType:  // reported under the bit type's name
                return present(u.psBitVarType != nullptr, unionPath, "psBitType");
            case SPTD_ClobType:
                return member(u.psCLOBType.get(), unionPath, "psCLOBType", "->",
                              &ResultChecker::checkCLOBType);
            case SPTD_BlobType:
                return present(u.psBLOBType != nullptr, unionPath, "psBLOBType");
            case SPTD_BooleanType:
                if (present(u.pfBooleanType.has_value(), unionPath, "pfBooleanType") != 0) return 1;
                return KivCheckBoolean(assoc_, &*u.pfBooleanType, kivFieldPath(unionPath, "pfBooleanType->"),
                                       out_);
            default:
                return outOfRange(path, "eSQLPredefinedTypeDescriptorChoice");
        }
    }

    // The data type is compulsory (64 on "pvDataType").
    int checkColumn(const KivSQLFieldDescriptor& column, const std::string& path) {
        if (member(column.pvDataType.get(), path, "pvDataType", "->", &ResultChecker::checkDescriptor) != 0) {
            return 1;
        }
        return checkOptionalDefault(column.psZsqldefault.get(), kivFieldPath(path, "psZsqldefault->"));
    }

    int checkOptionalDefault(const KivSQLDefaultOption* option, const std::string& path) {
        return option == nullptr ? 0 : checkDefault(*option, path);
    }

    int checkDefault(const KivSQLDefaultOption& option, const std::string& path) {
        const auto& u = option.uSQLDefaultOption;
        switch (option.eSQLDefaultOptionChoiceId) {
            case SDO_Literal:
                return present(u.psLiteral != nullptr, path, "uSQLDefaultOption.psLiteral");
            case SDO_DateTime:
                return present(u.psDateTime != nullptr, path, "uSQLDefaultOption.psDateTime");
            case SDO_Other:
                if (present(u.peOther.has_value(), path, "uSQLDefaultOption.peOther") != 0) return 1;
                return range(*u.peOther, SDOE_User1, SDOE_SqlEmpty1, path, "uSQLDefaultOption.peOther->");
            default:
                return outOfRange(path, "eSQLDefaultOptionChoiceId");
        }
    }

    int checkConstructor(const KivSQLCollectionConstructor& constructor, const std::string& path) {
        if (member(constructor.pvDataType.get(), path, "pvDataType", "->", &ResultChecker::checkDescriptor) !=
            0) {
            return 1;
        }
        return range(constructor.eCollectionTypeConstructor, CTDS_Set, CTDS_List1, path,
                     "eCollectionTypeConstructor");
    }

    int checkCollection(const KivSQLCollectionTypeDescriptor& collection, const std::string& path) {
        const auto& u = collection.uSQLCollectionTypeDescriptor;
        switch (collection.eSQLCollectionTypeDescriptorChoiceId) {
            case CTD_Table:
                return kivCheckArray(assoc_, u.ppsTable, kivFieldPath(path, "uSQLCollectionTypeDescriptor."),
                                     "ppsTable", out_, columnChecker());
            case CTD_Constructor:
                return member(u.psConstructor.get(), path, "uSQLCollectionTypeDescriptor.psConstructor", "->",
                              &ResultChecker::checkConstructor);
            default:
                return outOfRange(path, "eSQLCollectionTypeDescriptorChoiceId");
        }
    }

    int checkUserDefined(const KivSQLUserDefinedTypeDescriptor& type, const std::string& path) {
        const auto& u = type.uSQLCollectionTypeDescriptor;
        switch (type.eSQLUserDefinedTypeDescriptorChoiceId) {
            case SUDTD_Adt:
                return member(u.psAdt.get(), path, "uSQLCollectionTypeDescriptor.psAdt", "->",
                              &ResultChecker::checkAdt);
            case SUDTD_Distinct:
                return member(u.psDistinct.get(), path, "uSQLCollectionTypeDescriptor.psDistinct", "->",
                              &ResultChecker::checkDistinct);
            case SUDTD_NamedRow:
                return member(u.psNamedRow.get(), path, "uSQLCollectionTypeDescriptor.psNamedRow", "->",
                              &ResultChecker::checkNamedRow);
            default:
                return outOfRange(path, "eSQLUserDefinedTypeDescriptorChoiceId");
        }
    }

    // The default value's path carries no member name of its own: the ADT's path and "->".
    int checkAdt(const KivSQLAdtDescriptor& adt, const std::string& path) {
        const KivSQLResultLevel level;
        if (level.tooDeep()) return reportTooDeep();
        if (kivCheckArray(assoc_, adt.ppsListOfSubTypes, path, "ppsListOfSubTypes", out_,
                          checker(&ResultChecker::checkAdt)) != 0 ||
            KivCheckStructArray(assoc_, adt.ppsListOfAttributes, path, "ppsListOfAttributes", out_,
                                checker(&ResultChecker::checkAttribute)) != 0) {
            return 1;
        }
        return checkOptionalDefault(adt.psDefaultValue.get(), kivFieldPath(path, "->"));
    }

    int checkAttribute(const KivSQLAttributeDescriptor& attribute, const std::string& path) {
        if (attribute.pvDataType &&
            checkDescriptor(*attribute.pvDataType, kivFieldPath(path, "pvDataType->")) != 0) {
            return 1;
        }
        return checkOptionalDefault(attribute.psSqldefault.get(), kivFieldPath(path, "psSqldefault->"));
    }

    int checkDistinct(const KivSQLDistinctTypeDescriptor& distinct, const std::string& path) {
        const std::string sourcePath = kivFieldPath(path, "sSourceType.");
        const auto& source = distinct.sSourceType;
        const auto& u = source.uSQLDistinctTypeDescriptorChoice;
        switch (source.eDistinctTypeDescriptorChoiceChoiceId) {
            case SDTDC_Predefined:
                return member(u.psPredefined.get(), sourcePath,
                              "uSQLDistinctTypeDescriptorChoice.psPredefined", "->",
                              &ResultChecker::checkPredefinedType);
            case SDTDC_Adt:
                return member(u.psAdt.get(), sourcePath, "uSQLDistinctTypeDescriptorChoice.psAdt", "->",
                              &ResultChecker::checkAdt);
            default:
                return outOfRange(sourcePath, "eDistinctTypeDescriptorChoiceChoiceId");
        }
    }

    int checkNamedRow(const KivSQLNamedRowTypeDescriptor& row, const std::string& path) {
        return kivCheckArray(assoc_, row.ppsRowTypeBody, path, "ppsRowTypeBody", out_, columnChecker());
    }

    // Nothing inside the exception is checked: its members are optional texts and an optional number.
    int checkRow(const KivSQLResultValues& row, const std::string& path) {
        const KivSQLResultLevel level;
        if (level.tooDeep()) return reportTooDeep();
        return KivCheckStructArray(assoc_, row.ppsListOfSQLValue, path, "ppsListOfSQLValue", out_,
                                   checker(&ResultChecker::checkValue));
    }

    // The data item is compulsory (64 on "psDataItem").
    int checkValue(const KivSQLValue& value, const std::string& path) {
        return member(value.psDataItem.get(), path, "psDataItem", "->", &ResultChecker::checkDataItem);
    }

    // 65 unless every character is '0' or '1'.
    int checkBitText(const std::optional<std::string>& text, const std::string& path, std::string_view name) {
        if (present(text.has_value(), path, name) != 0) return 1;
        if (text->find_first_not_of("01") == std::string::npos) return 0;
        return KivReportInvalidBitString(assoc_, kivFieldPath(path, name), *text, out_);
    }

    int checkDataItem(const KivSQLValueChoice& item, const std::string& path) {
        const auto& u = item.uSQLValueChoice;
        const std::string unionPath = kivFieldPath(path, "uSQLValueChoice.");
        switch (item.eSQLValueChoiceChoiceId) {
            case SVC_CharacterItem:
                return present(u.psCharacterItem != nullptr, unionPath, "psCharacterItem");
            case SVC_DateTimeItem:
                return present(u.psDateTimeItem != nullptr, unionPath, "psDateTimeItem");
            case SVC_IntervalItem:
                return present(u.psIntervalItem != nullptr, unionPath, "psIntervalItem");
            case SVC_VarCharItem:
                return present(u.psVarCharItem != nullptr, unionPath, "psVarCharItem");
            case SVC_ClobItem:
                return present(u.psCLOBItem != nullptr, unionPath, "psCLOBItem");
            case SVC_BlobItem:
                return present(u.psBLOBItem != nullptr, unionPath, "psBLOBItem");
            case SVC_BitItem:
                return checkBitText(u.psBitItem, unionPath, "psBitItem");
            case SVC_BitVarItem:
                return checkBitText(u.psBitVarItem, unionPath, "psBitVarItem");
            case SVC_NumericItem:
            case SVC_DecimalItem:
            case SVC_IntegerItem:
            case SVC_SmallintItem:
            case SVC_FloatItem:
            case SVC_RealItem:
            case SVC_DoublePrecisionItem:
                return 0;
            case SVC_BooleanItem:
                return KivCheckBoolean(assoc_, &u.fBooleanItem, kivFieldPath(unionPath, "fBooleanItem"),
                                       out_);
            case SVC_CollectionItem:
                if (present(u.ppsListOfSQLResultValues.present(), unionPath, "ppsListOfSQLResultValues") !=
                    0) {
                    return 1;
                }
                return KivCheckStructArray(assoc_, u.ppsListOfSQLResultValues, path,
                                           "ppsListOfSQLResultValues", out_, rowChecker());
            case SVC_AdtItem:
                return range(u.eIndicator, VCE_SqlNull, VCE_SqlDefault, unionPath, "eIndicator");
            default:
                return outOfRange(path, "eSQLValueChoiceChoiceId");
        }
    }

  public:
    int checkResult(const KivSQLResult& result, const std::string& path) {
        if (KivCheckStructArray(assoc_, result.ppsListOfSQLDataTypeDescriptor, path,
                                "ppsListOfSQLDataTypeDescriptor", out_, descriptorChecker()) != 0) {
            return 1;
        }
        return KivCheckStructArray(assoc_, result.ppsListOfSQLResultValues, path, "ppsListOfSQLResultValues",
                                   out_, rowChecker());
    }

  private:
    KivAssocId assoc_;
    std::string resultPath_;
    SIError** out_;
};

}  // namespace

int KivCheckSQLResult(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                      SIError** out) {
    const KivSQLResult* result = single->uASN1.psSQLResult.get();
    const std::string resultPath = kivFieldPath(path, "uASN1.psSQLResult");
    if (result == nullptr) return KivReportMissingField(assoc, resultPath, out);
    return ResultChecker(assoc, resultPath, out).checkResult(*result, kivFieldPath(resultPath, "->"));
}
