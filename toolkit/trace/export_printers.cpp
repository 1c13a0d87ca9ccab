#include "toolkit/trace/export_printers.h"

#include "toolkit/api/kiv_export_package.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/composition_printers.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/structure_printers.h"
#include "toolkit/trace/value_printers.h"

namespace export_printing {

using trace::selectorLine;
using trace::structureLine;

constexpr trace::EnumName kSpecReqOrRsp[] = {
    {ESROR_Request, "ESROR_Request"},
    {ESROR_Response, "ESROR_Response"},
    {ESROR_Invalid, "ESROR_Invalid"},
};

constexpr trace::EnumName kDestinationTypes[] = {
    {DT_PhoneNumber, "DT_PhoneNumber"},
    {DT_FaxNumber, "DT_FaxNumber"},
    {DT_X400Address, "DT_X400Address"},
    {DT_EmailAddress, "DT_EmailAddress"},
    {DT_PagerNumber, "DT_PagerNumber"},
    {DT_FtpAddress, "DT_FtpAddress"},
    {DT_FtamAddress, "DT_FtamAddress"},
    {DT_PrinterAddress, "DT_PrinterAddress"},
    {DT_Other, "DT_Other"},
    {DT_Invalid, "DT_Invalid"},
};

// The labels of the members of the destination types 1 to 8, in order.
constexpr const char* kAddressLabels[] = {
    "psPhoneNumber", "psFaxNumber",   "psX400Address", "psEmailAddresss",
    "psPagerNumber", "psFtpAddresss", "psFtamAddress", "psPrinterAddress",
};

constexpr trace::EnumName kInvoReqOrRsp[] = {
    {EIROR_Request, "EIROR_Request"},
    {EIROR_Response, "EIROR_Response"},
    {EIROR_Invalid, "EIROR_Invalid"},
};

constexpr trace::EnumName kExportSpecTypes[] = {
    {EI_PackageName, "EI_PackageName"},
    {EI_PackageSpec, "EI_PackageSpec"},
    {EI_Invalid, "EI_Invalid"},
};

constexpr trace::EnumName kRecordsTypes[] = {
    {RTT_All, "RTT_All"},
    {RTT_Ranges, "RTT_Ranges"},
    {RTT_Invalid, "RTT_Invalid"},
};

void printDestination(std::FILE* file, const KivDestination& destination) {
    structureLine(file, "sExportDestination", true);
    const int32_t type = destination.eDestinationType;
    selectorLine(file, "eDestinationType: ", type, kDestinationTypes);
    const auto& member = destination.uDestinationType;
    if (type >= DT_PhoneNumber && type <= DT_PrinterAddress) {
        KivPrintNamedInternationalString(file, kAddressLabels[type - 1],
                                         (member.*kKivDestinationAddresses[type - 1]).get());
    } else if (type == DT_Other && structureLine(file, "psOther", member.psOther != nullptr)) {
        KivPrintNamedInternationalString(file, "psVehicle", member.psOther->psVehicle.get());
        KivPrintNamedInternationalString(file, "sDestination", &member.psOther->sDestination);
    }
}

// A request and a response print their part to keep under the same label.
void printSpecToKeep(std::FILE* file, const KivExpSpecToKeep& part) {
    structureLine(file, "psToKeep", true);
    KivPrintNamedCompSpec(file, "sComposition", &part.sComposition);
    printDestination(file, part.sExportDestination);
}

void printInvoToKeep(std::FILE* file, const char* label, const KivExpInvoToKeep& part) {
    structureLine(file, label, true);
    structureLine(file, "sExportSpec", true);
    const KivExpInvoExportSpec& exportSpec = part.sExportSpec;
    selectorLine(file, "eExpInvoOriginPartToKeepChoiceType: ", exportSpec.eExpInvoOriginPartToKeepChoiceType,
                 kExportSpecTypes);
    const auto& member = exportSpec.uExpInvoOriginPartToKeepChoice;
    if (exportSpec.eExpInvoOriginPartToKeepChoiceType == EI_PackageName) {
        KivPrintNamedInternationalString(file, "psPackageName", member.psPackageName.get());
    } else if (exportSpec.eExpInvoOriginPartToKeepChoiceType == EI_PackageSpec) {
        KivPrintExpSpec(file, member.psPackageSpec.get());
    }
    KivPrintNamedInteger(file, "ulNumberOfCopies", &part.ulNumberOfCopies);
}

void printNotToKeep(std::FILE* file, const KivExpInvoNotToKeep& part) {
    structureLine(file, "sNotToKeep", true);
    KivPrintNamedInternationalString(file, "sResultSetId", &part.sResultSetId);
    structureLine(file, "sRecords", true);
    const KivExpInvoRecords& records = part.sRecords;
    selectorLine(file, "eExpInvoRecordsType: ", records.eExpInvoRecordsType, kRecordsTypes);
    if (records.eExpInvoRecordsType != RTT_Ranges ||
        !structureLine(file, "ppsRanges", records.uExpInvoRecords.ppsRanges.present())) {
        return;
    }
    for (const KivExpInvoRange& range : records.uExpInvoRecords.ppsRanges) {
        structureLine(file, "psRanges", true);
        KivPrintNamedInteger(file, "ulstart", &range.ulstart);
        KivPrintNamedInteger(file, "pulCount", trace::addressOf(range.pulCount));
    }
}

void printTargetPart(std::FILE* file, const KivExpInvoTargetPart& part) {
    structureLine(file, "sTargetPart", true);
    KivPrintNamedIntUnit(file, "psEstimatedQuantity", part.psEstimatedQuantity.get());
    KivPrintNamedIntUnit(file, "psQuantitySoFar", part.psQuantitySoFar.get());
    KivPrintNamedIntUnit(file, "psEstimatedCost", part.psEstimatedCost.get());
    KivPrintNamedIntUnit(file, "psCostSoFar", part.psCostSoFar.get());
}

}  // namespace export_printing

void KivPrintExpSpec(std::FILE* file, const KivExpSpecExtendedService* psExpSpec) {
    using namespace export_printing;
    if (!structureLine(file, "psExpSpecExtendedService", psExpSpec != nullptr)) return;
    selectorLine(file, "eExpSpecReqOrRsp: ", psExpSpec->eExpSpecReqOrRsp, kSpecReqOrRsp);
    const auto& member = psExpSpec->uExpSpecReqOrRsp;
    switch (psExpSpec->eExpSpecReqOrRsp) {
        case ESROR_Request:
            if (structureLine(file, "psExpSpecRequest", member.psExpSpecRequest != nullptr))
                printSpecToKeep(file, member.psExpSpecRequest->sToKeep);
            break;
        case ESROR_Response:
            if (structureLine(file, "psExpSpecResponse", member.psExpSpecResponse != nullptr))
                printSpecToKeep(file, member.psExpSpecResponse->sOriginPart);
            break;
        default:
            break;
    }
}

void KivPrintExpSpecContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    KivPrintExpSpec(file, content == nullptr ? nullptr : content->uASN1.psExpSpecExtendedService.get());
}

void KivPrintExpInvoContent(std::FILE* file, const KivExternal* psExternal) {
    using namespace export_printing;
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivExpInvoExtendedService* package =
        content == nullptr ? nullptr : content->uASN1.psExpInvoExtendedService.get();
    if (!structureLine(file, "psExpInvoExtendedService", package != nullptr)) return;
    selectorLine(file, "eExpInvoReqOrRsp: ", package->eExpInvoReqOrRsp, kInvoReqOrRsp);
    const auto& member = package->uExpInvoReqOrRsp;
    switch (package->eExpInvoReqOrRsp) {
        case EIROR_Request:
            if (const KivExpInvoRequest* request = member.psExpInvoRequest.get()) {
                structureLine(file, "psExpInvoRequest", true);
                printInvoToKeep(file, "sToKeep", request->sToKeep);
                printNotToKeep(file, request->sNotToKeep);
            } else {
                structureLine(file, "psExpInvoRequest", false);
            }
            break;
        case EIROR_Response:
            if (const KivExpInvoResponse* response = member.psExpInvoResponse.get()) {
                structureLine(file, "psExpInvoResponse", true);
                printInvoToKeep(file, "sOriginPart", response->sOriginPart);
                printTargetPart(file, response->sTargetPart);
            } else {
                structureLine(file, "psExpInvoResponse", false);
            }
            break;
        default:
            break;
    }
}
