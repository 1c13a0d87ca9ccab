#include "toolkit/trace/scan_response_printer.h"

#include "toolkit/api/kiv_scan.h"
#include "toolkit/trace/apdu_frame.h"
#include "toolkit/trace/attribute_term_printers.h"
#include "toolkit/trace/enum_names.h"

namespace {

constexpr trace::EnumName kScanStatuses[] = {
    {SCS_Success, "SCS_Success"},     {SCS_Partial_1, "SCS_Partial_1"}, {SCS_Partial_2, "SCS_Partial_2"},
    {SCS_Partial_3, "SCS_Partial_3"}, {SCS_Partial_4, "SCS_Partial_4"}, {SCS_Partial_5, "SCS_Partial_5"},
    {SCS_Failure, "SCS_Failure"},     {SCS_Invalid, "SCS_Invalid"},
};

// Inside an entry an absent OtherInformation list prints "NULL\n" alone, one line end less than at APDU
// level.
void printEntryOtherInformation(std::FILE* file, const KivArray<KivOtherInformation>& otherInformation) {
    std::fputs("ppsOtherInformation: ", file);
    if (otherInformation) {
        KivPrintOtherInformationList(file, otherInformation);
    } else {
        std::fputs("NULL\n", file);
    }
}

void printOccurrences(std::FILE* file, const KivOccurrence& occurrence) {
    switch (occurrence.eOccurrenceType) {
        case OT_Global:
            std::fputs("OT_Global: ", file);
            trace::printUnsignedLine(file, occurrence.uOccurrence.ulGlobal);
            break;
        case OT_ByDatabase:
            std::fputs("OT_ByDatabase:\n", file);
            for (const KivOccurrenceByDb& byDb : occurrence.uOccurrence.ppsOccurrenceByDb) {
                std::fputs("sDatabaseName:", file);
                KivPrintInternationalString(file, &byDb.sDatabaseName);
                std::fputs("pulNumber: ", file);
                trace::printOptionalUnsignedLine(file, byDb.pulNumber);
                printEntryOtherInformation(file, byDb.ppsOtherInformation);
            }
            std::fputs("\n", file);
            break;
        default:
            break;
    }
}

void printOccurrenceByAttributes(std::FILE* file, const KivOccurrenceByAttributes& byAttributes) {
    std::fputs("\nppsAttributeElement: ", file);
    KivPrintAttributeList(file, byAttributes.ppsAttributeElement);
    std::fputs("\npsOccurrence: ", file);
    if (byAttributes.psOccurrence == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        printOccurrences(file, *byAttributes.psOccurrence);
    }
    printEntryOtherInformation(file, byAttributes.ppsOtherInformation);
}

void printTermInfo(std::FILE* file, const KivTermInfo* termInfo) {
    if (termInfo == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("sTerm: ", file);
    KivPrintTerm(file, termInfo->sTerm.eTermType, termInfo->sTerm.uTerm);
    KivPrintNamedInternationalString(file, "psDisplayTerm", termInfo->psDisplayTerm.get());
    std::fputs("ppsSuggestedAttribute: ", file);
    if (termInfo->ppsSuggestedAttribute) {
        KivPrintAttributeList(file, termInfo->ppsSuggestedAttribute);
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("\nppsAlternativeTerm: ", file);
    if (termInfo->ppsAlternativeTerm) {
        for (const KivAttributesPlusTerm& alternative : termInfo->ppsAlternativeTerm) {
            KivPrintAttributesPlusTerm(file, &alternative);
        }
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("pulGlobalOccurrences: ", file);
    trace::printOptionalUnsignedLine(file, termInfo->pulGlobalOccurrences);
    std::fputs("ppsByAttributes: ", file);
    if (termInfo->ppsByAttributes) {
        for (const KivOccurrenceByAttributes& byAttributes : termInfo->ppsByAttributes) {
            printOccurrenceByAttributes(file, byAttributes);
        }
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
    printEntryOtherInformation(file, termInfo->ppsOtherInformation);
}

void printListEntries(std::FILE* file, const KivListEntries& entries) {
    std::fputs("\n", file);
    std::fputs("ppsEntry: ", file);
    if (entries.ppsEntry) {
        for (const KivEntry& entry : entries.ppsEntry) {
            switch (entry.eEntryType) {
                case ET_TermInfo:
                    std::fputs("ET_TermInfo:\n", file);
                    printTermInfo(file, entry.uEntry.psTermInfo.get());
                    break;
                case ET_SurrogateDiagnostic:
                    std::fputs("ET_SurrogateDiagnostic:\n", file);
                    KivPrintDiagRec(file, entry.uEntry.psSurrogateDiagnostic.get());
                    break;
                default:
                    break;
            }
        }
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("ppsNonSurrogateDiagnostics: ", file);
    if (entries.ppsNonSurrogateDiagnostics) {
        KivPrintDiagRecList(file, entries.ppsNonSurrogateDiagnostics);
    } else {
        std::fputs("NULL\n", file);
    }
}

}  // namespace

void KivPrintScanRsp(std::FILE* file, const KivScanRsp* psScanRsp) {
    if (!trace::printApduOpening(file, "ScanResponse PDU\n", psScanRsp)) return;
    const KivScanRsp& rsp = *psScanRsp;
    std::fputs("pulStepSize: ", file);
    trace::printOptionalUnsignedLine(file, rsp.pulStepSize);
    std::fputs("eScanStatus: ", file);
    trace::printEnumName(file, rsp.eScanStatus, kScanStatuses);
    std::fputs("ulNumberOfEntriesReturned: ", file);
    trace::printUnsignedLine(file, rsp.ulNumberOfEntriesReturned);
    std::fputs("pulPositionOfTerm: ", file);
    trace::printOptionalUnsignedLine(file, rsp.pulPositionOfTerm);
    std::fputs("psEntries: ", file);
    if (rsp.psEntries == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        printListEntries(file, *rsp.psEntries);
    }
    KivPrintNamedText(file, "pcAttributeSetId", rsp.pcAttributeSetId);
    trace::printApduClosing(file, rsp);
}
