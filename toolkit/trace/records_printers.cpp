#include "toolkit/trace/records_printers.h"

#include "toolkit/api/kiv_present.h"
#include "toolkit/api/kiv_records.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kPresentStatuses[] = {
    {PS_Success, "PS_Success"},     {PS_Partial_1, "PS_Partial_1"}, {PS_Partial_2, "PS_Partial_2"},
    {PS_Partial_3, "PS_Partial_3"}, {PS_Partial_4, "PS_Partial_4"}, {PS_Failure, "PS_Failure"},
    {PS_Invalid, "PS_Invalid"},
};

void printFragment(std::FILE* file, const KivFragmentSyntax* fragment) {
    if (fragment == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("eFragmentSyntaxType: ", file);
    switch (fragment->eFragmentSyntaxType) {
        case FST_ExternallyTagged:
            std::fputs("FST_ExternallyTagged\n", file);
            KivPrintExternal(file, fragment->uFragmentSyntax.psExternallyTagged.get());
            break;
        case FST_NotExternallyTagged:
            std::fputs("FST_NotExternallyTagged\n", file);
            KivPrintOctets(file, fragment->uFragmentSyntax.psNotExternallyTagged.get());
            break;
        default:
            break;
    }
}

void printResponseRecord(std::FILE* file, const KivResponseRecord& record) {
    KivPrintNamedInternationalString(file, "\npsDatabaseName", record.psDatabaseName.get());
    switch (record.eDbRecordType) {
        case DRT_Retrieval:
            std::fputs("DRT_Retrieval:\n", file);
            KivPrintExternal(file, record.uDbRecord.psRetrievalRecord.get());
            break;
        case DRT_SurrogateDiagnostics:
            std::fputs("DRT_SurrogateDiagnostics:\n", file);
            KivPrintDiagRec(file, record.uDbRecord.psSurrogateDiagnostic.get());
            break;
        case DRT_StartingFragment:
            std::fputs("DRT_StartingFragment:\n", file);
            printFragment(file, record.uDbRecord.psStartingFragment.get());
            break;
        case DRT_IntermediateFragment:
            std::fputs("DRT_IntermediateFragment:\n", file);
            printFragment(file, record.uDbRecord.psIntermediateFragment.get());
            break;
        case DRT_FinalFragment:
            std::fputs("DRT_FinalFragment:\n", file);
            printFragment(file, record.uDbRecord.psFinalFragment.get());
            break;
        default:
            break;
    }
}

}  // namespace

void KivPrintRecords(std::FILE* file, const KivRecords* psRecords) {
    if (psRecords == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\n\n", file);
    switch (psRecords->eRecordType) {
        case RT_Response:
            std::fputs("RT_Response:\n", file);
            KivPrintResponseRecords(file, psRecords->uRecord.ppsResponseRecord);
            break;
        case RT_NonSurrDiagnostics:
            std::fputs("RT_NonSurrDiagnostics:\n", file);
            if (psRecords->uRecord.psNonSurrogateDiag != nullptr) {
                KivPrintDefaultDiagFormat(file, psRecords->uRecord.psNonSurrogateDiag.get());
            }
            break;
        case RT_MultipleNonSurrDiagnostics:
            std::fputs("RT_MultipleNonSurrDiagnostics:\n", file);
            if (psRecords->uRecord.ppsMultipleNonSurrogateDiag) {
                KivPrintDiagRecList(file, psRecords->uRecord.ppsMultipleNonSurrogateDiag);
            }
            break;
        default:
            break;
    }
    std::fputs("\n\n", file);
}

void KivPrintResponseRecords(std::FILE* file, const KivArray<KivResponseRecord>& ppsResponseRecords) {
    for (const KivResponseRecord& record : ppsResponseRecords) printResponseRecord(file, record);
    std::fputs("\n", file);
}

void KivPrintPresentStatus(std::FILE* file, const int32_t* pePresentStatus) {
    if (pePresentStatus == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    trace::printEnumName(file, *pePresentStatus, kPresentStatuses);
}
