#include "toolkit/trace/request_printers.h"

#include "toolkit/api/kiv_delete.h"
#include "toolkit/api/kiv_extended_services.h"
#include "toolkit/api/kiv_init.h"
#include "toolkit/api/kiv_present.h"
#include "toolkit/api/kiv_resource_report.h"
#include "toolkit/api/kiv_scan.h"
#include "toolkit/api/kiv_search.h"
#include "toolkit/trace/apdu_frame.h"
#include "toolkit/trace/attribute_term_printers.h"
#include "toolkit/trace/composition_printers.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/query_printer.h"
#include "toolkit/trace/records_printers.h"

namespace {

constexpr trace::EnumName kDeleteFunctions[] = {
    {DF_List, "DF_List"}, {DF_All, "DF_All"}, {DF_Invalid, "DF_Invalid"}};

constexpr trace::EnumName kEsFunctions[] = {
    {ESF_Create, "ESF_Create"},
    {ESF_Delete, "ESF_Delete"},
    {ESF_Modify, "ESF_Modify"},
    {ESF_Invalid, "ESF_Invalid"},
};

constexpr trace::EnumName kWaitActions[] = {
    {ESWA_Wait, "ESWA_Wait"},         {ESWA_WaitIfPossible, "ESWA_WaitIfPossible"},
    {ESWA_DontWait, "ESWA_DontWait"}, {ESWA_DontReturnPackage, "ESWA_DontReturnPackage"},
    {ESWA_Invalid, "ESWA_Invalid"},
};

void printAuthentication(std::FILE* file, const KivIdAuthentication* authentication) {
    if (authentication == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    const auto& choice = authentication->uAuthentication;
    switch (authentication->eAuthenticationType) {
        case IAT_Open:
            std::fputs("Open\n", file);
            KivPrintNamedText(file, "\tpsOpen", choice.psOpen);
            break;
        case IAT_IdPass:
            std::fputs("IdPassword\n", file);
            if (choice.psIdPass == nullptr) {
                std::fputs("NULL\n", file);
                break;
            }
            KivPrintNamedInternationalString(file, "\tpsGroupId", choice.psIdPass->psGroupId.get());
            KivPrintNamedInternationalString(file, "\tpsUserId", choice.psIdPass->psUserId.get());
            KivPrintNamedInternationalString(file, "\tpsPassword", choice.psIdPass->psPassword.get());
            break;
        case IAT_Anonymous:
            std::fputs("Anonymous\n", file);
            break;
        case IAT_Other:
            std::fputs("psOther", file);
            KivPrintExternal(file, choice.psOther.get());
            break;
        default:
            std::fputs("Unknown id auth\n", file);
            break;
    }
}

// The element-set names of a Search request, after a label that ends without a blank.
void printSearchElementSetNames(std::FILE* file, const char* label, const KivElementSetNames* names) {
    std::fputs(label, file);
    if (names == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\npsElementSetNames: ", file);
    KivPrintElementSetNames(file, names);
}

}  // namespace

void KivPrintInitializeReq(std::FILE* file, const KivInitializeReq* psInitializeReq) {
    if (!trace::printApduOpening(file, "InitRequest PDU\n", psInitializeReq)) return;
    const KivInitializeReq& req = *psInitializeReq;
    KivPrintNamedText(file, "pcProtocolVersion", req.pcProtocolVersion);
    KivPrintNamedText(file, "pcOptions", req.pcOptions);
    trace::printLabelledSigned(file, "ulPreferredMessageSize: ", req.ulPreferredMessageSize);
    trace::printLabelledSigned(file, "ulMaxmiumMessageSize: ", req.ulMaxmiumMessageSize);
    std::fputs("psAuthentication: ", file);
    printAuthentication(file, req.psAuthentication.get());
    KivPrintNamedInternationalString(file, "psImplementationId", req.psImplementationId.get());
    KivPrintNamedInternationalString(file, "psImplementationName", req.psImplementationName.get());
    KivPrintNamedInternationalString(file, "psImplementationVersion", req.psImplementationVersion.get());
    KivPrintNamedExternal(file, "psUserInformationField", req.psUserInformationField.get());
    trace::printApduClosing(file, req);
}

void KivPrintSearchReq(std::FILE* file, const KivSearchReq* psSearchReq) {
    if (!trace::printApduOpening(file, "SearchRequest PDU\n", psSearchReq)) return;
    const KivSearchReq& req = *psSearchReq;
    trace::printLabelledSigned(file, "ulSmallSetUpperBound: ", req.ulSmallSetUpperBound);
    trace::printLabelledSigned(file, "ulLargeSetLowerBound: ", req.ulLargeSetLowerBound);
    trace::printLabelledSigned(file, "ulMediumSetPresentNumber: ", req.ulMediumSetPresentNumber);
    KivPrintNamedBoolean(file, "fReplaceIndicator", &req.fReplaceIndicator);
    KivPrintNamedInternationalString(file, "sResultSetName", &req.sResultSetName);
    std::fputs("ppsDatabaseNames:\n", file);
    for (const KivInternationalString& name : req.ppsDatabaseNames) {
        std::fputs("\t", file);
        KivPrintInternationalString(file, &name);
    }
    std::fputs("\n", file);
    printSearchElementSetNames(file, "psSmallSetElementNames:", req.psSmallSetElementNames.get());
    printSearchElementSetNames(file, "psMediumSetElementNames:", req.psMediumSetElementNames.get());
    KivPrintNamedText(file, "pcPreferredRecordSyntax", req.pcPreferredRecordSyntax);
    std::fputs("psQuery: ", file);
    KivPrintQuery(file, req.psQuery.get());
    std::fputs("ppsAdditionalSearchInfo: ", file);
    KivPrintOtherInformationList(file, req.ppsAdditionalSearchInfo);
    trace::printApduClosing(file, req);
}

void KivPrintPresentReq(std::FILE* file, const KivPresentReq* psPresentReq) {
    if (!trace::printApduOpening(file, "PresentRequest PDU\n", psPresentReq)) return;
    const KivPresentReq& req = *psPresentReq;
    KivPrintNamedInternationalString(file, "sResultSetId", &req.sResultSetId);
    trace::printLabelledSigned(file, "ulResultSetStartPoint: ", req.ulResultSetStartPoint);
    trace::printLabelledSigned(file, "ulNumberOfRecordsRequested: ", req.ulNumberOfRecordsRequested);
    KivPrintNamedRangeList(file, "ppsAdditionalRanges", req.ppsAdditionalRanges);
    KivPrintRecordComposition(file, req.psRecordComposition.get());
    KivPrintNamedText(file, "pcPreferredRecordSyntax", req.pcPreferredRecordSyntax);
    std::fputs("pulMaxSegmentCount: ", file);
    trace::printOptionalSignedLine(file, req.pulMaxSegmentCount);
    std::fputs("pulMaxRecordSize: ", file);
    trace::printOptionalSignedLine(file, req.pulMaxRecordSize);
    std::fputs("pulMaxSegmentSize: ", file);
    trace::printOptionalSignedLine(file, req.pulMaxSegmentSize);
    trace::printApduClosing(file, req);
}

void KivPrintDeleteResultSetReq(std::FILE* file, const KivDeleteResultSetReq* psDeleteResultSetReq) {
    if (!trace::printApduOpening(file, "DeleteResultSetRequest PDU\n", psDeleteResultSetReq)) return;
    const KivDeleteResultSetReq& req = *psDeleteResultSetReq;
    std::fputs("eDeleteFunction: ", file);
    trace::printEnumName(file, req.eDeleteFunction, kDeleteFunctions);
    std::fputs("ppsResultSetId: ", file);
    if (req.ppsResultSetId) {
        std::fputs("\n", file);
        for (const KivInternationalString& id : req.ppsResultSetId) KivPrintInternationalString(file, &id);
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
    trace::printApduClosing(file, req);
}

void KivPrintResourceReportReq(std::FILE* file, const KivResourceReportReq* psResourceReportReq) {
    if (!trace::printApduOpening(file, "ResourceReportRequest PDU\n", psResourceReportReq)) return;
    const KivResourceReportReq& req = *psResourceReportReq;
    KivPrintNamedOctets(file, "psOperationId", req.psOperationId.get());
    KivPrintNamedText(file, "pcPrefResourceReportFormat", req.pcPrefResourceReportFormat);
    trace::printApduClosing(file, req);
}

void KivPrintScanReq(std::FILE* file, const KivScanReq* psScanReq) {
    if (!trace::printApduOpening(file, "ScanRequest PDU\n", psScanReq)) return;
    const KivScanReq& req = *psScanReq;
    std::fputs("ppsDatabaseNames:\n", file);
    for (const KivInternationalString& name : req.ppsDatabaseNames) KivPrintInternationalString(file, &name);
    std::fputs("\n", file);
    KivPrintNamedText(file, "pcAttributeSetId", req.pcAttributeSetId);
    std::fputs("sAttributesPlusTerm:\n", file);
    KivPrintAttributesPlusTerm(file, &req.sAttributesPlusTerm);
    std::fputs("pulStepSize: ", file);
    trace::printOptionalUnsignedLine(file, req.pulStepSize);
    std::fputs("ulNumberOfTermsRequested: ", file);
    trace::printUnsignedLine(file, req.ulNumberOfTermsRequested);
    std::fputs("pulPreferredPositionInResponse: ", file);
    trace::printOptionalUnsignedLine(file, req.pulPreferredPositionInResponse);
    trace::printApduClosing(file, req);
}

void KivPrintSegmentReq(std::FILE* file, const KivSegmentReq* psSegmentReq) {
    if (!trace::printApduOpening(file, "SegmentRequest PDU\n", psSegmentReq)) return;
    const KivSegmentReq& req = *psSegmentReq;
    std::fputs("ulNumberOfRecordsReturned: ", file);
    trace::printUnsignedLine(file, req.ulNumberOfRecordsReturned);
    std::fputs("ppsSegmentRecords:\n", file);
    KivPrintResponseRecords(file, req.ppsSegmentRecords);
    trace::printApduClosing(file, req);
}

void KivPrintExtendedServicesReq(std::FILE* file, const KivExtendedServicesReq* psExtendedServicesReq) {
    if (!trace::printApduOpening(file, "ExtendedServicesRequest PDU\n", psExtendedServicesReq)) return;
    const KivExtendedServicesReq& req = *psExtendedServicesReq;
    std::fputs("eFunction: ", file);
    trace::printEnumName(file, req.eFunction, kEsFunctions);
    KivPrintNamedText(file, "pcPackageType", req.pcPackageType);
    KivPrintNamedInternationalString(file, "psPackageName", req.psPackageName.get());
    KivPrintNamedInternationalString(file, "psUserId", req.psUserId.get());
    std::fputs("psRetentionTime: ", file);
    if (req.psRetentionTime != nullptr) {
        std::fputs("\n", file);
        KivPrintIntUnit(file, req.psRetentionTime.get());
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("ppsPermissions: ", file);
    if (req.ppsPermissions) {
        KivPrintPermissionsList(file, req.ppsPermissions);
    } else {
        std::fputs("NULL\n", file);
    }
    KivPrintNamedInternationalString(file, "psDescription", req.psDescription.get());
    KivPrintNamedExternal(file, "psOriginSpecificParameter", req.psOriginSpecificParameter.get());
    std::fputs("eWaitAction: ", file);
    trace::printEnumName(file, req.eWaitAction, kWaitActions);
    KivPrintNamedInternationalString(file, "psElements", req.psElements.get());
    trace::printApduClosing(file, req);
}
