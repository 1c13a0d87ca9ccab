#include "toolkit/trace/query_printer.h"

#include "toolkit/api/kiv_query.h"
#include "toolkit/trace/attribute_term_printers.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kOperators[] = {{1, "OR"}, {2, "AND"}, {3, "ANDNOT"}, {4, "PROX"}};

constexpr trace::EnumName kRelationTypes[] = {
    {PRT_LessThan, "PRT_LessThan"},
    {PRT_LessThanOrEqual, "PRT_LessThanOrEqual"},
    {PRT_Equal, "PRT_Equal"},
    {PRT_GreaterThanOrEqual, "PRT_GreaterThanOrEqual"},
    {PRT_GreaterThan, "PRT_GreaterThan"},
    {PRT_NotEqual, "PRT_NotEqual"},
    {PRT_Invalid, "PRT_Invalid"},
};

constexpr trace::EnumName kKnownUnits[] = {
    {KPU_Character, "KPU_Character"},     {KPU_Word, "KPU_Word"},       {KPU_Sentence, "KPU_Sentence"},
    {KPU_Paragraph, "KPU_Paragraph"},     {KPU_Section, "KPU_Section"}, {KPU_Chapter, "KPU_Chapter"},
    {KPU_Document, "KPU_Document"},       {KPU_Element, "KPU_Element"}, {KPU_SubElement, "KPU_SubElement"},
    {KPU_ElementType, "KPU_ElementType"}, {KPU_Byte, "KPU_Byte"},       {KPU_Invalid, "KPU_Invalid"},
};

void printProximityOperator(std::FILE* file, const KivProximityOperator* proximity) {
    if (proximity == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    KivPrintNamedBoolean(file, "pfExclusion", trace::addressOf(proximity->pfExclusion));
    std::fputs("ulDistance: ", file);
    trace::printSignedLine(file, proximity->ulDistance);
    KivPrintNamedBoolean(file, "fOrdered", &proximity->fOrdered);
    std::fputs("eProximityRelationType: ", file);
    trace::printEnumName(file, proximity->eProximityRelationType, kRelationTypes);
    std::fputs("sProximityUnitCode:\n", file);
    const KivProximityUnitCode& unit = proximity->sProximityUnitCode;
    switch (unit.eProximityUnitType) {
        case PUT_Known:
            std::fputs("eProximityUnitType: PUT_Known\n", file);
            if (const char* name = trace::enumName(unit.uProximityUnit.eKnownProximityUnit, kKnownUnits)) {
                std::fputs("eKnownProximityUnit: ", file);
                std::fputs(name, file);
                std::fputs("\n", file);
            }
            break;
        case PUT_Private:
            std::fputs("eProximityUnitType: PUT_Private\n", file);
            std::fputs("ulPrivate: ", file);
            trace::printSignedLine(file, unit.uProximityUnit.ulPrivate);
            break;
        default:
            break;
    }
}

void printOperator(std::FILE* file, const KivOperator& op) {
    std::fputs("sOperator: ", file);
    trace::printEnumName(file, op.eOperatorType, kOperators, "Unknown");
    if (op.eOperatorType == 4) printProximityOperator(file, op.psProximityOperator.get());
}

void printOperand(std::FILE* file, const KivRpnOperand* operand) {
    if (operand == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    switch (operand->eOperandType) {
        case 1:
            KivPrintAttributesPlusTerm(file, operand->uOperand.psAttributesPlusTerm.get());
            break;
        case 2:
            KivPrintNamedInternationalString(file, "psResultSetId", operand->uOperand.psResultSetId.get());
            break;
        case 3: {
            std::fputs("sResultSetId: \n", file);
            const KivResultSetPlusAttributes* plusAttributes =
                operand->uOperand.psResultSetPlusAttributes.get();
            if (plusAttributes == nullptr) {
                std::fputs("NULL\n", file);
                break;
            }
            KivPrintInternationalString(file, &plusAttributes->sResultSetId);
            KivPrintAttributeList(file, plusAttributes->ppsAttributeElement);
            break;
        }
        default:
            break;
    }
}

void printRpnStructure(std::FILE* file, const KivRpnStructure& structure) {
    trace::PrintDepthGuard depth;
    if (depth.tooDeep()) {
        std::fputs(trace::kTooDeepLine, file);
        return;
    }
    switch (structure.eRpnStructureType) {
        case RST_RpnLopRopOperator: {
            std::fputs("\nRST_RpnLopRopOperator:\n", file);
            const KivRpnLopRopOperator* node = structure.uRPNStructure.psRpnLopRopOperator.get();
            if (node == nullptr) {
                std::fputs("NULL\n", file);
                break;
            }
            if (node->psLeftOperand != nullptr) printRpnStructure(file, *node->psLeftOperand);
            if (node->psRightOperand != nullptr) printRpnStructure(file, *node->psRightOperand);
            printOperator(file, node->sOperator);
            break;
        }
        case RST_RpnOperand:
            std::fputs("\nRST_RpnOperand:\n", file);
            printOperand(file, structure.uRPNStructure.psRpnOperand.get());
            break;
        default:
            break;
    }
}

void printRpnQuery(std::FILE* file, const KivRPNQuery* rpn) {
    if (rpn == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("KivRPNQuery pcAttributeSetId: ", file);
    trace::printTextLine(file, rpn->pcAttributeSetId);
    printRpnStructure(file, rpn->sRpnStructure);
}

}  // namespace

void KivPrintQuery(std::FILE* file, const KivQuery* psQuery) {
    if (psQuery == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\n\teQueryType: ", file);
    const auto& query = psQuery->uQuery;
    switch (psQuery->eQueryType) {
        case QT_Private:
            std::fputs("QT_Private\n", file);
            KivPrintNamedOctets(file, "\tpsPrivateQuery", query.psPrivateQuery.get());
            break;
        case QT_Rpn:
            std::fputs("QT_Rpn\n", file);
            printRpnQuery(file, query.psRpnQuery.get());
            break;
        case QT_Iso8777:
            std::fputs("QT_Iso8777\n", file);
            KivPrintNamedOctets(file, "\tpsIso8777Query", query.psIso8777Query.get());
            break;
        case QT_Z3958:
            std::fputs("QT_Z3958\n", file);
            KivPrintNamedOctets(file, "\tpsZ3958Query", query.psZ3958Query.get());
            break;
        case QT_Erpn:
            std::fputs("QT_Erpn\n", file);
            printRpnQuery(file, query.psErpnQuery.get());
            break;
        case QT_NaturalLanguage:
            std::fputs("QT_NaturalLanguage\n", file);
            KivPrintNamedOctets(file, "\tpsNaturalLanguageQuery", query.psNaturalLanguageQuery.get());
            break;
        case QT_Sql:
            std::fputs("QT_Sql\n", file);
            std::fputs("\tpsSQLQuery:\n", file);
            if (query.psSQLQuery != nullptr) {
                KivPrintNamedBoolean(file, "pfAbstractDatabaseFlag",
                                     trace::addressOf(query.psSQLQuery->pfAbstractDatabaseFlag));
                KivPrintNamedInternationalString(file, "sQueryExpression",
                                                 &query.psSQLQuery->sQueryExpression);
            }
            break;
        default:
            break;
    }
    std::fputs("\n", file);
}
