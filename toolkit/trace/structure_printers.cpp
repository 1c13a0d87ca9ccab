#include "toolkit/trace/structure_printers.h"

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace trace {

namespace {

constexpr trace::EnumName kTermTypes[] = {
    {TT_General, "TT_General"},
    {TT_Numeric, "TT_Numeric"},
    {TT_SimpleCharacter, "TT_SimpleCharacter"},
    {TT_ObjectIdentifier, "TT_ObjectIdentifier"},
    {TT_DateTime, "TT_DateTime"},
    {TT_External, "TT_External"},
    {TT_IntegerAndUnit, "TT_IntegerAndUnit"},
    {TT_Null, "TT_Null"},
};

}  // namespace

bool structureLine(std::FILE* file, const char* label, bool present) {
    std::fputs(label, file);
    std::fputs(present ? ":\n" : ": NULL\n", file);
    return present;
}

void printDateText(std::FILE* file, const char* label, const std::optional<std::string>& text) {
    std::fputs(label, file);
    if (text) {
        std::fputs(": ", file);
        printTextLine(file, text);
    } else {
        std::fputs(" : NULL\n", file);
    }
}

void printLabelledTerm(std::FILE* file, const char* label, const KivTerm* term) {
    if (!structureLine(file, label, term != nullptr)) return;
    selectorLine(file, "eTermType: ", term->eTermType, kTermTypes);
    const auto& member = term->uTerm;
    switch (term->eTermType) {
        case TT_General:
            std::fputs("psGeneral: ", file);
            KivPrintOctets(file, member.psGeneral.get());
            break;
        case TT_Numeric:
            KivPrintNamedInteger(file, "ulInteger", &member.ulInteger);
            break;
        case TT_SimpleCharacter:
            std::fputs("psSimpleCharacter: ", file);
            KivPrintInternationalString(file, member.psSimpleCharacter.get());
            break;
        case TT_ObjectIdentifier:
            KivPrintNamedText(file, "pcObjectIdentifier", member.pcObjectIdentifier);
            break;
        case TT_DateTime:
            printDateText(file, "pcDateTime", member.pcDateTime);
            break;
        case TT_External:
            std::fputs("psExternal: ", file);
            KivPrintExternal(file, member.psExternal.get());
            break;
        case TT_IntegerAndUnit:
            std::fputs("psIntegerAndUnit: ", file);
            KivPrintIntUnit(file, member.psIntegerAndUnit.get());
            break;
        default:
            break;
    }
}

}  // namespace trace
