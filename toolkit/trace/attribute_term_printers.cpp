#include "toolkit/trace/attribute_term_printers.h"

#include <cinttypes>

#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

void printComplexValue(std::FILE* file, const KivComplexValue* psComplexValue) {
    if (psComplexValue == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\n#####################\n", file);
    std::fputs("Start of complexval: \n", file);
    for (const KivStringOrNumeric& item : psComplexValue->ppsList) {
        std::fputs("\npsStringOrNumeric: \n", file);
        KivPrintStringOrNumeric(file, &item);
    }
    std::fputs("\n", file);
    std::fputs("\nppulSemanticAction list: ", file);
    if (psComplexValue->ppulSemanticAction) {
        for (uint32_t action : psComplexValue->ppulSemanticAction) {
            std::fprintf(file, "\npulSemanticAction: %" PRId32, static_cast<int32_t>(action));
        }
        std::fputs("\n\n", file);
    } else {
        std::fputs("NULL\n\n", file);
    }
    std::fputs("End of complexval: \n", file);
    std::fputs("#####################\n", file);
}

}  // namespace

void KivPrintAttributeElement(std::FILE* file, const KivAttributeElement* psAttributeElement) {
    if (psAttributeElement == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    const KivAttributeElement& element = *psAttributeElement;
    std::fputs("\npcAttributeSetId: ", file);
    std::fputs(element.pcAttributeSetId ? element.pcAttributeSetId->c_str() : "NULL", file);
    std::fputs(" ", file);
    std::fprintf(file, "attype: %" PRId32 " ", static_cast<int32_t>(element.ulAttributeType));
    const KivAttributeValue& value = element.sAttributeValue;
    switch (value.eAttributeValueType) {
        case 1:
            std::fprintf(file, "attval: %" PRId32 "   ",
                         static_cast<int32_t>(value.uAttributeValue.ulNumeric));
            break;
        case 2:
            std::fputs("\nComplex attval: ", file);
            printComplexValue(file, value.uAttributeValue.psComplexValue.get());
            break;
        default:
            break;
    }
}

void KivPrintAttributeList(std::FILE* file, const KivArray<KivAttributeElement>& ppsAttributeElement) {
    for (const KivAttributeElement& element : ppsAttributeElement) {
        KivPrintAttributeElement(file, &element);
    }
    std::fputs("\n", file);
}

void KivPrintAttributesPlusTerm(std::FILE* file, const KivAttributesPlusTerm* psAttributesPlusTerm) {
    if (psAttributesPlusTerm == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    KivPrintAttributeList(file, psAttributesPlusTerm->ppsAttributeElement);
    KivPrintTerm(file, psAttributesPlusTerm->sTerm.eTermType, psAttributesPlusTerm->sTerm.uTerm);
    std::fputs("\n\n", file);
}

void KivPrintTerm(std::FILE* file, int32_t eTermType, const decltype(KivTerm::uTerm)& uTerm) {
    switch (eTermType) {
        case TT_General:
            std::fputs("\npsGeneral: ", file);
            KivPrintOctets(file, uTerm.psGeneral.get());
            break;
        case TT_Numeric:
            std::fputs("\nulInteger: ", file);
            trace::printSignedLine(file, uTerm.ulInteger);
            break;
        case TT_SimpleCharacter:
            std::fputs("\npsSimpleCharacter: ", file);
            KivPrintInternationalString(file, uTerm.psSimpleCharacter.get());
            break;
        case TT_ObjectIdentifier:
            std::fputs("\npcObjectIdentifier: ", file);
            trace::printTextLine(file, uTerm.pcObjectIdentifier);
            break;
        case TT_DateTime:
            std::fputs("\npcDateTime: ", file);
            trace::printTextLine(file, uTerm.pcDateTime);
            break;
        case TT_External:
            std::fputs("\npsExternal: ", file);
            KivPrintExternal(file, uTerm.psExternal.get());
            break;
        case TT_IntegerAndUnit:
            std::fputs("\nTT_IntegerAndUnit:\n", file);
            KivPrintIntUnit(file, uTerm.psIntegerAndUnit.get());
            break;
        case TT_Null:
            std::fputs("\nTT_Null: ", file);
            break;
        default:
            break;
    }
}

void KivPrintNamedSpecification(std::FILE* file, const char* label, const KivSpecification* psSpecification) {
    std::fputs(label, file);
    if (psSpecification == nullptr) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(":\n", file);
    KivPrintNamedText(file, "pcSchema", psSpecification->pcSchema);
    KivPrintNamedElementSpec(file, "psElementSpec", psSpecification->psElementSpec.get());
}

void KivPrintNamedElementSpec(std::FILE* file, const char* label, const KivElementSpec* psElementSpec) {
    std::fputs(label, file);
    if (psElementSpec == nullptr) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(":\n", file);
    switch (psElementSpec->eElementSpecType) {
        case EST_Primitive:
            std::fputs("EST_Primitive: ", file);
            KivPrintInternationalString(file, psElementSpec->uElementSpec.psPrimitive.get());
            break;
        case EST_External:
            std::fputs("EST_External:\n", file);
            KivPrintExternal(file, psElementSpec->uElementSpec.psExternal.get());
            break;
        default:
            break;
    }
}
