#include "toolkit/trace/response_printers.h"

#include <cinttypes>

#include "toolkit/api/kiv_close.h"
#include "toolkit/api/kiv_delete.h"
#include "toolkit/api/kiv_extended_services.h"
#include "toolkit/api/kiv_init.h"
#include "toolkit/api/kiv_resource_report.h"
#include "toolkit/api/kiv_search.h"
#include "toolkit/api/kiv_sort.h"
#include "toolkit/trace/apdu_frame.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/records_printers.h"

namespace {

constexpr trace::EnumName kResultSetStatuses[] = {
    {RSS_Subset, "RSS_Subset"},
    {RSS_Interim, "RSS_Interim"},
    {RSS_None, "RSS_None"},
    {RSS_Invalid, "RSS_Invalid"},
};

constexpr trace::EnumName kDeleteSetStatuses[] = {
    {DSS_Success, "DSS_Success"},
    {DSS_ResultSetDidNotExist, "DSS_ResultSetDidNotExist"},
    {DSS_PreviouslyDeletedByTarget, "DSS_PreviouslyDeletedByTarget"},
    {DSS_SystemProblemAtTarget, "DSS_SystemProblemAtTarget"},
    {DSS_AccessNotAllowed, "DSS_AccessNotAllowed"},
    {DSS_ResourceControlAtOrigin, "DSS_ResourceControlAtOrigin"},
    {DSS_ResourceControlAtTarget, "DSS_ResourceControlAtTarget"},
    {DSS_BulkDeleteNotSupported, "DSS_BulkDeleteNotSupported"},
    {DSS_NotAllSetsDeletedOnBulkDlt, "DSS_NotAllSetsDeletedOnBulkDlt"},
    {DSS_NotAllRequestedSetsDeleted, "DSS_NotAllRequestedSetsDeleted"},
    {DSS_ResultSetInUse, "DSS_ResultSetInUse"},
    {DSS_Invalid, "DSS_Invalid"},
};

// 2 (failure-1) has no name.
constexpr trace::EnumName kResourceReportStatuses[] = {
    {RRS_Success, "RRS_Success"},     {RRS_Partial, "RRS_Partial"},     {RRS_Failure_2, "RRS_Failure_2"},
    {RRS_Failure_3, "RRS_Failure_3"}, {RRS_Failure_4, "RRS_Failure_4"}, {RRS_Failure_5, "RRS_Failure_5"},
    {RRS_Failure_6, "RRS_Failure_6"}, {RRS_Invalid, "RRS_Invalid"},
};

constexpr trace::EnumName kSortStatuses[] = {
    {SOS_Success, "SOS_Success"},
    {SOS_Partial_1, "SOS_Partial_1"},
    {SOS_Failure, "SOS_Failure"},
    {SOS_Invalid, "SOS_Invalid"},
};

constexpr trace::EnumName kSortResultSetStatuses[] = {
    {SRSS_Empty, "SRSS_Empty"}, {SRSS_Interim, "SRSS_Interim"}, {SRSS_Unchanged, "SRSS_Unchanged"},
    {SRSS_None, "SRSS_None"},   {SRSS_Invalid, "SRSS_Invalid"},
};

constexpr trace::EnumName kOperationStatuses[] = {
    {ESOS_Done, "ESOS_Done"},
    {ESOS_Queued, "ESOS_Queued"},
    {ESOS_Failure, "ESOS_Failure"},
    {ESOS_Invalid, "ESOS_Invalid"},
};

constexpr trace::EnumName kCloseReasons[] = {
    {CR_Finished, "CR_Finished"},
    {CR_ShutDown, "CR_ShutDown"},
    {CR_SystemProblem, "CR_SystemProblem"},
    {CR_CostLimit, "CR_CostLimit"},
    {CR_Resources, "CR_Resources"},
    {CR_SecurityViolation, "CR_SecurityViolation"},
    {CR_ProtocolError, "CR_ProtocolError"},
    {CR_LackOfActivity, "CR_LackOfActivity"},
    {CR_PeerAbort, "CR_PeerAbort"},
    {CR_Unspecified, "CR_Unspecified"},
    {CR_Invalid, "CR_Invalid"},
};

void printListStatuses(std::FILE* file, const KivArray<KivListStatus>& statuses) {
    if (!statuses) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\n", file);
    for (const KivListStatus& status : statuses) {
        KivPrintNamedInternationalString(file, "sResultSetId", &status.sResultSetId);
        std::fputs("eDeleteSetStatus: ", file);
        trace::printEnumName(file, status.eDeleteSetStatus, kDeleteSetStatuses, "Unknown");
    }
    std::fputs("\n", file);
}

}  // namespace

void KivPrintInitializeRsp(std::FILE* file, const KivInitializeRsp* psInitializeRsp) {
    if (!trace::printApduOpening(file, "InitResponse PDU\n", psInitializeRsp)) return;
    const KivInitializeRsp& rsp = *psInitializeRsp;
    KivPrintNamedText(file, "pcProtocolVersion", rsp.pcProtocolVersion);
    KivPrintNamedText(file, "pcOptions", rsp.pcOptions);
    trace::printLabelledSigned(file, "ulPreferredMessageSize: ", rsp.ulPreferredMessageSize);
    trace::printLabelledSigned(file, "ulMaxmiumMessageSize: ", rsp.ulMaxmiumMessageSize);
    if (rsp.fResult == 1) {
        std::fputs("fResult: TRUE\n", file);
    } else if (rsp.fResult == 0) {
        std::fputs("fResult: FALSE\n", file);
    } else {
        std::fprintf(file, "fResult: %" PRId32 " - invalid\n", static_cast<int32_t>(rsp.fResult));
    }
    KivPrintNamedInternationalString(file, "psImplementationId", rsp.psImplementationId.get());
    KivPrintNamedInternationalString(file, "psImplementationName", rsp.psImplementationName.get());
    KivPrintNamedInternationalString(file, "psImplementationVersion", rsp.psImplementationVersion.get());
    KivPrintNamedExternal(file, "psUserInformationField", rsp.psUserInformationField.get());
    trace::printApduClosing(file, rsp);
}

void KivPrintSearchRsp(std::FILE* file, const KivSearchRsp* psSearchRsp) {
    if (!trace::printApduOpening(file, "SearchResponse PDU\n", psSearchRsp)) return;
    const KivSearchRsp& rsp = *psSearchRsp;
    trace::printLabelledSigned(file, "ulResultCount: ", rsp.ulResultCount);
    trace::printLabelledSigned(file, "ulNumberOfRecordsReturned: ", rsp.ulNumberOfRecordsReturned);
    trace::printLabelledSigned(file, "ulNextResultSetPosition: ", rsp.ulNextResultSetPosition);
    KivPrintNamedBoolean(file, "fSearchStatus", &rsp.fSearchStatus);
    std::fputs("peResultSetStatus: ", file);
    trace::printOptionalEnumName(file, rsp.peResultSetStatus, kResultSetStatuses);
    std::fputs("pePresentStatus: ", file);
    KivPrintPresentStatus(file, trace::addressOf(rsp.pePresentStatus));
    std::fputs("psRecords: \n", file);
    KivPrintRecords(file, rsp.psRecords.get());
    std::fputs("ppsAdditionalSearchInfo: ", file);
    KivPrintOtherInformationList(file, rsp.ppsAdditionalSearchInfo);
    trace::printApduClosing(file, rsp);
}

void KivPrintPresentRsp(std::FILE* file, const KivPresentRsp* psPresentRsp) {
    if (!trace::printApduOpening(file, "PresentResponse PDU\n", psPresentRsp)) return;
    const KivPresentRsp& rsp = *psPresentRsp;
    trace::printLabelledSigned(file, "ulNumberOfRecordsReturned: ", rsp.ulNumberOfRecordsReturned);
    trace::printLabelledSigned(file, "ulNextResultSetPosition: ", rsp.ulNextResultSetPosition);
    std::fputs("ePresentStatus: ", file);
    KivPrintPresentStatus(file, &rsp.ePresentStatus);
    std::fputs("psRecords: ", file);
    KivPrintRecords(file, rsp.psRecords.get());
    trace::printApduClosing(file, rsp);
}

void KivPrintDeleteResultSetRsp(std::FILE* file, const KivDeleteResultSetRsp* psDeleteResultSetRsp) {
    if (!trace::printApduOpening(file, "DeleteResultSetResponse PDU\n", psDeleteResultSetRsp)) return;
    const KivDeleteResultSetRsp& rsp = *psDeleteResultSetRsp;
    std::fputs("eDeleteOperationStatus: ", file);
    trace::printEnumName(file, rsp.eDeleteOperationStatus, kDeleteSetStatuses, "Unknown");
    std::fputs("ppsDeleteListStatuses: ", file);
    printListStatuses(file, rsp.ppsDeleteListStatuses);
    std::fputs("pulNumberNotDeleted: ", file);
    trace::printOptionalUnsignedLine(file, rsp.pulNumberNotDeleted);
    std::fputs("ppsBulkStatuses: ", file);
    printListStatuses(file, rsp.ppsBulkStatuses);
    KivPrintNamedInternationalString(file, "psDeleteMessage", rsp.psDeleteMessage.get());
    trace::printApduClosing(file, rsp);
}

void KivPrintResourceReportRsp(std::FILE* file, const KivResourceReportRsp* psResourceReportRsp) {
    if (!trace::printApduOpening(file, "ResourceReportResponse PDU\n", psResourceReportRsp)) return;
    const KivResourceReportRsp& rsp = *psResourceReportRsp;
    std::fputs("eResourceReportStatus: ", file);
    trace::printEnumName(file, rsp.eResourceReportStatus, kResourceReportStatuses);
    KivPrintNamedExternal(file, "psResourceReport", rsp.psResourceReport.get());
    trace::printApduClosing(file, rsp);
}

void KivPrintSortRsp(std::FILE* file, const KivSortRsp* psSortRsp) {
    if (!trace::printApduOpening(file, "SortResponse PDU\n", psSortRsp)) return;
    const KivSortRsp& rsp = *psSortRsp;
    std::fputs("eSortStatus: ", file);
    trace::printEnumName(file, rsp.eSortStatus, kSortStatuses);
    std::fputs("peResultSetStatus: ", file);
    trace::printOptionalEnumName(file, rsp.peResultSetStatus, kSortResultSetStatuses);
    std::fputs("ppsDiagnostics: ", file);
    trace::printDiagRecListOrNull(file, rsp.ppsDiagnostics);
    trace::printApduClosing(file, rsp);
}

void KivPrintExtendedServicesRsp(std::FILE* file, const KivExtendedServicesRsp* psExtendedServicesRsp) {
    if (!trace::printApduOpening(file, "ExtendServicesResponse PDU\n", psExtendedServicesRsp)) return;
    const KivExtendedServicesRsp& rsp = *psExtendedServicesRsp;
    std::fputs("eOperationStatus: ", file);
    trace::printEnumName(file, rsp.eOperationStatus, kOperationStatuses);
    std::fputs("ppsDiagnostics: ", file);
    trace::printDiagRecListOrNull(file, rsp.ppsDiagnostics);
    KivPrintNamedExternal(file, "psTaskPackage", rsp.psTaskPackage.get());
    trace::printApduClosing(file, rsp);
}

void KivPrintClose(std::FILE* file, const KivClose* psClose) {
    if (!trace::printApduOpening(file, "Close PDU\n", psClose)) return;
    const KivClose& close = *psClose;
    std::fputs("eCloseReason: ", file);
    trace::printEnumName(file, close.eCloseReason, kCloseReasons);
    KivPrintNamedInternationalString(file, "psDiagnosticInformation", close.psDiagnosticInformation.get());
    KivPrintNamedText(file, "pcResourceReportFormat", close.pcResourceReportFormat);
    KivPrintNamedExternal(file, "psResourceReport", close.psResourceReport.get());
    trace::printApduClosing(file, close);
}
