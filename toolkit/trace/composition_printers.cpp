#include "toolkit/trace/composition_printers.h"

#include <string>

#include "toolkit/api/kiv_range.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/trace/attribute_term_printers.h"
#include "toolkit/trace/value_printers.h"

void KivPrintElementSetNames(std::FILE* file, const KivElementSetNames* psElementSetNames) {
    if (psElementSetNames == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    switch (psElementSetNames->eElementSetType) {
        case EST_Generic:
            std::fputs("EST_Generic:\n", file);
            KivPrintInternationalString(file, psElementSetNames->uElementSet.psGeneric.get());
            break;
        case EST_DatabaseSpecific: {
            std::fputs("EST_DatabaseSpecific:\n", file);
            const KivArray<KivElementSetsDbSpecific>& list =
                psElementSetNames->uElementSet.ppsElementSetsDbSpecific;
            if (!list) {
                std::fputs("NULL\n", file);
                break;
            }
            for (const KivElementSetsDbSpecific& item : list) {
                KivPrintNamedInternationalString(file, "\tpsDatabaseName", item.psDatabaseName.get());
                KivPrintNamedInternationalString(file, "\tpspsElementSetName", item.psElementSetName.get());
                std::fputs("\n", file);
            }
            std::fputs("\n", file);
            break;
        }
        default:
            break;
    }
}

void KivPrintNamedRangeList(std::FILE* file, const char* label, const KivArray<KivRange>& ppsRanges) {
    std::fputs(label, file);
    if (!ppsRanges) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(":\n", file);
    for (const KivRange& range : ppsRanges) {
        std::fputs("psKivRange:\n", file);
        std::fputs("ulStartingPosition: ", file);
        trace::printUnsignedLine(file, range.ulStartingPosition);
        std::fputs("ulNumberOfRecords: ", file);
        trace::printUnsignedLine(file, range.ulNumberOfRecords);
    }
}

void KivPrintRecordComposition(std::FILE* file, const KivRecordComposition* psRecordComposition) {
    if (psRecordComposition == nullptr) {
        std::fputs("psRecordComposition: NULL\n", file);
        return;
    }
    std::fputs("psRecordComposition:\n", file);
    switch (psRecordComposition->eRecordCompositionType) {
        case 1:
            KivPrintElementSetNames(file, psRecordComposition->uRecordComposition.psElementSetNames.get());
            break;
        case 2:
            KivPrintNamedCompSpec(file, "psCompSpec",
                                  psRecordComposition->uRecordComposition.psCompSpec.get());
            break;
        default:
            break;
    }
}

void KivPrintNamedCompSpec(std::FILE* file, const char* label, const KivCompSpec* psCompSpec) {
    std::fputs(label, file);
    if (psCompSpec == nullptr) {
        std::fputs(": NULL\n", file);
        return;
    }
    std::fputs(":\n", file);
    KivPrintNamedBoolean(file, "fSelectAlternativeSyntax", &psCompSpec->fSelectAlternativeSyntax);
    KivPrintNamedSpecification(file, "psGeneric", psCompSpec->psGeneric.get());
    std::fputs("ppsDbSpecific:\n", file);
    if (psCompSpec->ppsDbSpecific) {
        for (const KivDbSpecific& item : psCompSpec->ppsDbSpecific) {
            KivPrintNamedInternationalString(file, "sDatabaseName", &item.sDatabaseName);
            KivPrintNamedSpecification(file, "sSpecification", &item.sSpecification);
            std::fputs("\n", file);
        }
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("ppcRecordSyntax:\n", file);
    if (psCompSpec->ppcRecordSyntax) {
        for (const std::string& syntax : psCompSpec->ppcRecordSyntax) {
            std::fputs("\tpcRecordSyntax: ", file);
            trace::printTextLine(file, syntax.c_str());
        }
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
}
