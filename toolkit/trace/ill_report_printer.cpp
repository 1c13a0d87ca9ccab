#include "toolkit/trace/ill_report_printer.h"

#include "toolkit/trace/ill_extension_printer.h"
#include "toolkit/trace/ill_part_printers.h"

namespace trace::ill {
namespace {

constexpr EnumName kReasonsNoReport[] = {
    {RNR_Temporary, "RNR_Temporary"},
    {RNR_Permanent, "RNR_Permanent"},
    {RNR_Invalid, "RNR_Invalid"},
};
constexpr EnumName kShippedServiceTypes[] = {
    {SST_Loan, "SST_Loan"},
    {SST_CopyNonReturnable, "SST_CopyNonReturnable"},
    {SST_Invalid, "SST_Invalid"},
};
constexpr EnumName kTransactionResults[] = {
    {TR_Conditional, "TR_Conditional"},
    {TR_Retry, "TR_Retry"},
    {TR_Unfilled, "TR_Unfilled"},
    {TR_LocationsProvided, "TR_LocationsProvided"},
    {TR_WillSupply, "TR_WillSupply"},
    {TR_HoldPlaced, "TR_HoldPlaced"},
    {TR_Estimate, "TR_Estimate"},
    {TR_Invalid, "TR_Invalid"},
};
constexpr EnumName kIntermediaryProblems[] = {
    {IP_CannotSendOnward, "IP_CannotSendOnward"},
    {IP_Invalid, "IP_Invalid"},
};
constexpr EnumName kUnableToPerform[] = {
    {UTP_NotAvailable, "UTP_NotAvailable"},
    {UTP_ResourceLimitation, "UTP_ResourceLimitation"},
    {UTP_Other, "UTP_Other"},
    {UTP_Invalid, "UTP_Invalid"},
};
constexpr EnumName kGeneralProblems[] = {
    {GP_UnrecognizedAPDU, "GP_UnrecognizedAPDU"},
    {GP_MistypedAPDU, "GP_MistypedAPDU"},
    {GP_BadlyStructuredAPDU, "GP_BadlyStructuredAPDU"},
    {GP_ProtocolVersionNotSupported, "GP_ProtocolVersionNotSupported"},
    {GP_Other, "GP_Other"},
    {GP_Invalid, "GP_Invalid"},
};
constexpr EnumName kTransactionIdProblems[] = {
    {TIP_DuplicateTransactionId, "TIP_DuplicateTransactionId"},
    {TIP_InvalidTransactionId, "TIP_InvalidTransactionId"},
    {TIP_UnknownTransactionId, "TIP_UnknownTransactionId"},
    {TIP_Invalid, "TIP_Invalid"},
};

void printHistoryReport(std::FILE* file, const KivHistoryReport& history) {
    printLabelledText(file, "\npcDateRequested: ", history.pcDateRequested);
    printOptionalIllString(file, "psAuthor: ", history.psAuthor);
    printOptionalIllString(file, "psTitle: ", history.psTitle);
    printOptionalIllString(file, "psAuthorOfArticle: ", history.psAuthorOfArticle);
    printOptionalIllString(file, "psTitleOfArticle: ", history.psTitleOfArticle);
    printLabelledText(file, "pcDateOfLastTransition: ", history.pcDateOfLastTransition);
    std::fputs("eMostRecentService: ", file);
    printEnumName(file, history.eMostRecentService, kMostRecentServices);
    printLabelledText(file, "pcDateOfMostRecentService: ", history.pcDateOfMostRecentService);
    std::fputs("sSystemId: ", file);
    printSystemId(file, history.sSystemId);
    std::fputs("peShippedServiceType: ", file);
    printOptionalEnumName(file, history.peShippedServiceType, kShippedServiceTypes);
    std::fputs("peTransactionResults: ", file);
    printOptionalEnumName(file, history.peTransactionResults, kTransactionResults);
    printOptionalIllString(file, "psMostRecentServiceNote: ", history.psMostRecentServiceNote);
}

void printStatusReport(std::FILE* file, const KivStatusReport& status) {
    std::fputs("\nsUserStatusReport: ", file);
    printHistoryReport(file, status.sUserStatusReport);
    std::fputs("eProviderstatusReport: ", file);
    printEnumName(file, status.eProviderStatusReport, kCurrentStates);
}

void printAlreadyForwarded(std::FILE* file, const KivAlreadyForwarded& forwarded) {
    std::fputs("\nsResponderId: ", file);
    printSystemId(file, forwarded.sResponderId);
    printOptional(file, "psResponderAddress: ", forwarded.psResponderAddress.get(), printSystemAddress);
}

void printUserErrorReport(std::FILE* file, const KivUserErrorReport& report) {
    std::fputs("\neReportType: ", file);
    const auto& member = report.uUserErrorReport;
    switch (report.eReportType) {
        case UER_AlreadyForwarded:
            printOptional(file, "UER_AlreadyForwarded: ", member.psAlreadyForwarded.get(), printAlreadyForwarded);
            break;
        case UER_IntermediaryProblem:
            std::fputs("UER_IntermediaryProblem: ", file);
            printEnumName(file, member.eIntermediaryProblem, kIntermediaryProblems);
            break;
        case UER_SecurityProblem:
            printOptionalIllString(file, "UER_SecurityProblem: ", member.psSecurityProblem);
            break;
        case UER_UnableToPerform:
            std::fputs("UER_UnableToPerform: ", file);
            printEnumName(file, member.eUnableToPerform, kUnableToPerform);
            break;
        default:
            break;
    }
}

void printStateTransition(std::FILE* file, const KivStateTransitionProhibited& transition) {
    std::fputs("\neAPDUType: ", file);
    printEnumName(file, transition.eAPDUType, kApduTypes);
    std::fputs("eCurrentState: ", file);
    printEnumName(file, transition.eCurrentState, kCurrentStates);
}

void printProviderErrorReport(std::FILE* file, const KivProviderErrorReport& report) {
    std::fputs("\neReportType: ", file);
    const auto& member = report.uProviderErrorReport;
    switch (report.eReportType) {
        case PER_GeneralProblem:
            std::fputs("PER_GeneralProblem: ", file);
            printEnumName(file, member.eGeneralProblem, kGeneralProblems);
            break;
        case PER_TransactionIdProblem:
            std::fputs("PER_TransactionIdProblem: ", file);
            printEnumName(file, member.eTransactionIdProblem, kTransactionIdProblems);
            break;
        case PER_StateTransitionProhibited:
            printOptional(file, "PER_StateTransitionProhibited: ", member.psStateTransitionProblem.get(),
                          printStateTransition);
            break;
        default:
            break;
    }
}

void printReport(std::FILE* file, const KivReport& report) {
    std::fputs("\neReportSource: ", file);
    const auto& member = report.uReport;
    switch (report.eReportSource) {
        case RS_User:
            printOptional(file, "RS_User: ", member.psUserErrorReport.get(), printUserErrorReport);
            break;
        case RS_Provider:
            printOptional(file, "RS_Provider: ", member.psProviderErrorReport.get(), printProviderErrorReport);
            break;
        default:
            break;
    }
}

void printErrorReport(std::FILE* file, const KivErrorReport& error) {
    std::fputs("sCorrelationInfo: ", file);
    printIllString(file, error.sCorrelationInfo);
    std::fputs("sReport: ", file);
    printReport(file, error.sReport);
}

}  // namespace

void printStatusOrErrorReport(std::FILE* file, const KivStatusOrErrorReport& report) {
    std::fputs("\n", file);
    printApduLead(file, report.eProtocolVersion, report.sTransactionId, report.sServiceDateTime,
                  report.psRequesterId.get(), report.psResponderId.get());
    std::fputs("peReasonNoReport: ", file);
    printOptionalEnumName(file, report.peReasonNoReport, kReasonsNoReport);
    printOptional(file, "psStatusReport: ", report.psStatusReport.get(), printStatusReport);
    printOptional(file, "psErrorReport: ", report.psErrorReport.get(), printErrorReport);
    printOptionalIllString(file, "psNote: ", report.psNote);
    std::fputs("ppsStOrErReportExtension: ", file);
    printExtensions(file, report.ppsStOrErReportExtension);
}

}  // namespace trace::ill
