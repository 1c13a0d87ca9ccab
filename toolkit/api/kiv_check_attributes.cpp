#include "toolkit/api/kiv_check_attributes.h"

#include <cstdint>

#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_validation.h"

namespace {

enum : int32_t { kStringOrNumericString = 1, kStringOrNumericNumeric = 2 };
enum : int32_t { kAttributeValueNumeric = 1, kAttributeValueComplex = 2 };

}  // namespace

int KivCheckStringOrNumeric(KivAssocId assoc, const KivStringOrNumeric* value, const std::string& path,
                            SIError** out) {
    switch (value->eStringOrNumeric) {
        case kStringOrNumericString:
            if (!value->uStringOrNumeric.psString) {
                return KivReportMissingField(assoc, path + "uStringOrNumeric.psString", out);
            }
            return 0;
        case kStringOrNumericNumeric:
            return 0;
        default:
            return KivReportValueOutOfRange(assoc, path + "eStringOrNumeric", out);
    }
}

int KivCheckOptionalStringOrNumeric(KivAssocId assoc, const KivStringOrNumeric* value,
                                    const std::string& path, SIError** out) {
    return value != nullptr ? KivCheckStringOrNumeric(assoc, value, path, out) : 0;
}

int KivCheckUnit(KivAssocId assoc, const KivUnit* unit, const std::string& path, SIError** out) {
    if (unit == nullptr) return 0;
    if (KivCheckOptionalStringOrNumeric(assoc, unit->psUnitType.get(), path + "psUnitType->", out) != 0)
        return 1;
    return KivCheckOptionalStringOrNumeric(assoc, unit->psUnit.get(), path + "psUnit->", out);
}

int KivCheckIntUnit(KivAssocId assoc, const KivIntUnit* value, const std::string& path, SIError** out) {
    return KivCheckUnit(assoc, &value->sUnitUsed, path + "sUnitUsed.", out);
}

int KivCheckOptionalIntUnit(KivAssocId assoc, const KivIntUnit* value, const std::string& path,
                            SIError** out) {
    return value != nullptr ? KivCheckIntUnit(assoc, value, path, out) : 0;
}

int KivCheckAttributeElement(KivAssocId assoc, const KivAttributeElement* element, const std::string& path,
                             SIError** out) {
    if (KivCheckOptionalEncodedOid(assoc, element->pcAttributeSetId, path + "pcAttributeSetId", out) != 0)
        return 1;
    const std::string valuePath = path + "sAttributeValue.";
    const KivAttributeValue& value = element->sAttributeValue;
    switch (value.eAttributeValueType) {
        case kAttributeValueNumeric:
            return 0;
        case kAttributeValueComplex: {
            const std::string complexPath = valuePath + "uAttributeValue.psComplexValue";
            if (!value.uAttributeValue.psComplexValue) return KivReportMissingField(assoc, complexPath, out);
            return KivCheckComplexValue(assoc, value.uAttributeValue.psComplexValue.get(), complexPath + "->",
                                        out);
        }
        default:
            return KivReportValueOutOfRange(assoc, valuePath + "eAttributeValueType", out);
    }
}

int KivCheckComplexValue(KivAssocId assoc, const KivComplexValue* value, const std::string& path,
                         SIError** out) {
    if (!value->ppsList.present()) return KivReportMissingField(assoc, path + "ppsList", out);
    return KivCheckStructArray(assoc, value->ppsList, path, "ppsList", out, KivCheckStringOrNumeric);
}

int KivCheckAttributeList(KivAssocId assoc, const KivArray<KivAttributeElement>* list,
                          const std::string& path, SIError** out) {
    if (!list->present()) return KivReportMissingField(assoc, path + "ppsAttributeElement", out);
    return KivCheckStructArray(assoc, *list, path, "ppsAttributeElement", out, KivCheckAttributeElement);
}

int KivCheckAttributesPlusTerm(KivAssocId assoc, const KivAttributesPlusTerm* value, const std::string& path,
                               SIError** out) {
    if (KivCheckAttributeList(assoc, &value->ppsAttributeElement, path, out) != 0) return 1;
    return KivCheckTerm(assoc, &value->sTerm, path + "sTerm.", out);
}

int KivCheckTerm(KivAssocId assoc, const KivTerm* term, const std::string& path, SIError** out) {
    const auto& member = term->uTerm;
    switch (term->eTermType) {
        case TT_General:
            if (!member.psGeneral) return KivReportMissingField(assoc, path + "uTerm.psGeneral", out);
            return 0;
        case TT_Numeric:
        case TT_Null:
            return 0;
        case TT_SimpleCharacter:
            if (!member.psSimpleCharacter)
                return KivReportMissingField(assoc, path + "uTerm.psSimpleCharacter", out);
            return 0;
        case TT_ObjectIdentifier:
            return KivCheckEncodedOid(assoc, member.pcObjectIdentifier, path + "uTerm.pcObjectIdentifier",
                                      out);
        case TT_DateTime:
            if (!member.pcDateTime.has_value())
                return KivReportMissingField(assoc, path + "uTerm.pcDateTime", out);
            return 0;
        case TT_External:
            if (!member.psExternal) return KivReportMissingField(assoc, path + "uTerm.psExternal", out);
            return KivCheckExternal(assoc, member.psExternal.get(), path + "uTerm.psExternal->", out);
        case TT_IntegerAndUnit:
            if (!member.psIntegerAndUnit)
                return KivReportMissingField(assoc, path + "uTerm.psIntegerAndUnit", out);
            return KivCheckIntUnit(assoc, member.psIntegerAndUnit.get(), path + "uTerm.psIntegerAndUnit->",
                                   out);
        default:
            return KivReportValueOutOfRange(assoc, path + "eTermType", out);
    }
}

int KivCheckOptionalTerm(KivAssocId assoc, const KivTerm* term, const std::string& path, SIError** out) {
    return term != nullptr ? KivCheckTerm(assoc, term, path, out) : 0;
}
