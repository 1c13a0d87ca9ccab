#include "toolkit/trace/explain_print_helpers.h"

#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace trace::explain {

namespace {

constexpr EnumName kPrimitiveDataTypes[] = {
    {PDT_OctetString, "PDT_OctetString"},
    {PDT_Numeric, "PDT_Numeric"},
    {PDT_Date, "PDT_Date"},
    {PDT_External, "PDT_External"},
    {PDT_String, "PDT_String"},
    {PDT_TrueOrFalse, "PDT_TrueOrFalse"},
    {PDT_Oid, "PDT_Oid"},
    {PDT_IntUnit, "PDT_IntUnit"},
    {PDT_Empty, "PDT_Empty"},
    {PDT_NoneOfTheAbove, "PDT_NoneOfTheAbove"},
    {PDT_Invalid, "PDT_Invalid"},
};

constexpr EnumName kOccurrenceChoices[] = {
    {AOT_AnyOrNone, "AOT_AnyOrNone"}, {AOT_Specific, "AOT_Specific"}, {AOT_Invalid, "AOT_Invalid"}};

constexpr EnumName kElementDataTypes[] = {
    {EDTT_Primitive, "EDTT_Primitive"}, {EDTT_Structured, "EDTT_Structured"}, {EDTT_Invalid, "EDTT_Invalid"}};

// The term types; this table has no name for -1.
constexpr EnumName kTermTypes[] = {
    {1, "TT_General"},  {2, "TT_Numeric"},  {3, "TT_SimpleCharacter"}, {4, "TT_ObjectIdentifier"},
    {5, "TT_DateTime"}, {6, "TT_External"}, {7, "TT_IntegerAndUnit"},  {8, "TT_Null"},
};

void printOccurrence(std::FILE* file, const KivAttributeOccurrence& occurrence) {
    std::fputs("psAttributeOccurrence:\n", file);
    KivPrintNamedText(file, "pcAttributeSet", occurrence.pcAttributeSet);
    KivPrintNamedInteger(file, "ulAttributeType", &occurrence.ulAttributeType);
    KivPrintNamedNull(file, "pvMustBeSupplied", occurrence.pvMustBeSupplied);
    const KivAttributeOccurrenceChoice& choice = occurrence.sAttributeValues;
    std::fputs("psAttributeOccurrenceChoice:\n", file);
    selectorLine(file, "eAttributeOccurrenceChoiceType: ", choice.eAttributeOccurrenceChoiceType,
                 kOccurrenceChoices);
    if (choice.eAttributeOccurrenceChoiceType == AOT_AnyOrNone) {
        KivPrintNamedNull(file, "pvAnyOrNone", choice.uAttributeOccurrenceChoiceType.pvAnyOrNone);
    } else if (choice.eAttributeOccurrenceChoiceType == AOT_Specific) {
        printStringOrNumericList(file, "ppsSpecific", choice.uAttributeOccurrenceChoiceType.ppsSpecific);
    }
}

void printTerm(std::FILE* file, const KivTerm& term) {
    std::fputs("psTerm:\n", file);
    selectorLine(file, "eTermType: ", term.eTermType, kTermTypes);
    const auto& member = term.uTerm;
    switch (term.eTermType) {
        case 1:
            std::fputs("psGeneral: ", file);
            KivPrintOctets(file, member.psGeneral.get());
            break;
        case 2:
            KivPrintNamedInteger(file, "ulInteger", &member.ulInteger);
            break;
        case 3:
            std::fputs("psSimpleCharacter: ", file);
            KivPrintInternationalString(file, member.psSimpleCharacter.get());
            break;
        case 4:
            KivPrintNamedText(file, "pcObjectIdentifier", member.pcObjectIdentifier);
            break;
        case 5:
            printNamedDate(file, "pcDateTime", member.pcDateTime);
            break;
        case 6:
            std::fputs("psExternal: ", file);
            KivPrintExternal(file, member.psExternal.get());
            break;
        case 7:
            std::fputs("psIntegerAndUnit: ", file);
            KivPrintIntUnit(file, member.psIntegerAndUnit.get());
            break;
        default:
            break;
    }
}

void printElementInfo(std::FILE* file, const KivElementInfo& info) {
    std::fputs("psElementInfo:\n", file);
    std::fputs("sElementName: ", file);
    KivPrintInternationalString(file, &info.sElementName);
    printPathList(file, info.ppsElementTagPath);
    if (const KivElementDataType* type = info.psElementDataType.get();
        structureLine(file, "psElementDataType", type != nullptr)) {
        selectorLine(file, "eElementDataType: ", type->eElementDataTypeType, kElementDataTypes);
        if (type->eElementDataTypeType == EDTT_Primitive) {
            printNamedPrimitiveDataType(file, "ePrimitive", &type->uElementDataType.ePrimitive);
        } else if (type->eElementDataTypeType == EDTT_Structured) {
            printElementInfoList(file, "ppsStructured", type->uElementDataType.ppsStructured);
        }
    }
    std::fputs("fRequired: ", file);
    KivPrintBoolean(file, &info.fRequired);
    std::fputs("fRepeatable: ", file);
    KivPrintBoolean(file, &info.fRepeatable);
    printHumanString(file, "ppsDescription", info.ppsDescription);
}

}  // namespace

void printCommonInfo(std::FILE* file, const KivCommonInfo* info) {
    if (!structureLine(file, "psCommonInfo", info != nullptr)) return;
    printNamedDate(file, "pcDateAdded", info->pcDateAdded);
    printNamedDate(file, "pcDateChanged", info->pcDateChanged);
    printNamedDate(file, "pcExpiry", info->pcExpiry);
    KivPrintNamedInternationalString(file, "psHumanStringLanguage", info->psHumanStringLanguage.get());
    std::fputs("ppsOtherInformation: ", file);
    KivPrintOtherInformationList(file, info->ppsOtherInformation);
}

void printNamedDate(std::FILE* file, const char* label, const std::optional<std::string>& text) {
    std::fputs(label, file);
    if (!text) {
        std::fputs(" : NULL\n", file);
        return;
    }
    std::fputs(": ", file);
    printTextLine(file, text);
}

void printHumanString(std::FILE* file, const char* label, const KivHumanStrings& texts) {
    std::fputs(label, file);
    if (!texts.present()) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(": \n", file);
    for (const KivHumanString& text : texts) {
        std::fputs("psHumanString:\n", file);
        KivPrintNamedInternationalString(file, "psLanguage", text.psLanguage.get());
        std::fputs("sText: ", file);
        KivPrintInternationalString(file, &text.sText);
        std::fputs("\n", file);
    }
}

void printInternationalStringList(std::FILE* file, const char* label,
                                  const KivArray<KivInternationalString>& list) {
    printArray(file, label, list, [](std::FILE* out, const KivInternationalString& text) {
        std::fputs("psInternationalString: ", out);
        KivPrintInternationalString(out, &text);
    });
}

void printNamedIntegerArray(std::FILE* file, const char* label, const KivArray<uint32_t>& values) {
    printArray(file, label, values,
               [](std::FILE* out, const uint32_t& value) { KivPrintNamedInteger(out, "psUlong", &value); });
}

void printNamedOidArray(std::FILE* file, const char* label, const KivArray<std::string>& oids) {
    printArray(file, label, oids, [](std::FILE* out, const std::string& oid) {
        KivPrintNamedText(out, "pcObjectIdentifier", std::optional<std::string>(oid));
    });
}

void printStringOrNumericList(std::FILE* file, const char* label,
                              const KivArray<KivStringOrNumeric>& values) {
    printArray(file, label, values, [](std::FILE* out, const KivStringOrNumeric& value) {
        std::fputs("psStringOrNumeric: ", out);
        KivPrintStringOrNumeric(out, &value);
    });
}

void printNamedPrimitiveDataType(std::FILE* file, const char* label, const int32_t* value) {
    std::fputs(label, file);
    if (value == nullptr) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(": ", file);
    for (const EnumName& name : kPrimitiveDataTypes) {
        if (name.value == *value) {
            std::fputs(name.name, file);
            std::fputs("\n", file);
        }
    }
}

void printNamedUnit(std::FILE* file, const char* label, const KivUnit* unit) {
    if (!structureLine(file, label, unit != nullptr)) return;
    KivPrintUnit(file, unit->psUnitSystem.get(), unit->psUnitType.get(), unit->psUnit.get(),
                 addressOf(unit->pulScaleFactor));
}

void printPathList(std::FILE* file, const KivArray<KivPath>& path) {
    printArray(file, "ppsPath", path, [](std::FILE* out, const KivPath& step) {
        std::fputs("psPath:\n", out);
        KivPrintNamedInteger(out, "ulTagType", &step.ulTagType);
        std::fputs("sTagValue: ", out);
        KivPrintStringOrNumeric(out, &step.sTagValue);
    });
}

void printAttributeCombinations(std::FILE* file, const KivAttributeCombinations* combinations) {
    if (!structureLine(file, "psAttributeCombinations", combinations != nullptr)) return;
    KivPrintNamedText(file, "pcDefaultAttributeSet", combinations->pcDefaultAttributeSet);
    printArray(file, "ppsLegalCombinations", combinations->ppsLegalCombinations,
               [](std::FILE* out, const KivLegalCombinations& legal) {
                   std::fputs("psLegalCombinations:\n", out);
                   printArray(out, "ppsAttributeCombinations", legal.ppsAttributeOccurrence, printOccurrence);
                   std::fputs("\n", out);
               });
}

void printTermList(std::FILE* file, const char* label, const KivArray<KivTerm>& terms) {
    printArray(file, label, terms, printTerm);
}

// Structured data types nest element descriptions to any depth an application builds: past the shared print
// depth the list is replaced by the too-deep line.
void printElementInfoList(std::FILE* file, const char* label, const KivArray<KivElementInfo>& list) {
    const PrintDepthGuard depth;
    if (depth.tooDeep()) {
        std::fputs(kTooDeepLine, file);
        return;
    }
    printArray(file, label, list, printElementInfo);
}

}  // namespace trace::explain
