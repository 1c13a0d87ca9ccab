#include "toolkit/trace/core_record_printers.h"

#include <cinttypes>
#include <memory>

#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

using TextMember = std::unique_ptr<KivInternationalString> KivHoldingsAndCirc::*;

struct HoldingsText {
    const char* label;
    TextMember member;
};

// psEnumAndChron of the holdings is not printed; it shows only inside volumes and circulation records.
constexpr HoldingsText kHoldingsTexts[] = {
    {"psTypeOfRecord", &KivHoldingsAndCirc::psTypeOfRecord},
    {"psEncodingLevel", &KivHoldingsAndCirc::psEncodingLevel},
    {"psFormat", &KivHoldingsAndCirc::psFormat},
    {"psReceiptAcqStatus", &KivHoldingsAndCirc::psReceiptAcqStatus},
    {"psGeneralRetention", &KivHoldingsAndCirc::psGeneralRetention},
    {"psCompleteness", &KivHoldingsAndCirc::psCompleteness},
    {"psDateOfReport", &KivHoldingsAndCirc::psDateOfReport},
    {"psNucCode", &KivHoldingsAndCirc::psNucCode},
    {"psLocalLocation", &KivHoldingsAndCirc::psLocalLocation},
    {"psShelvingLocation", &KivHoldingsAndCirc::psShelvingLocation},
    {"psCallNumber", &KivHoldingsAndCirc::psCallNumber},
    {"psShelvingData", &KivHoldingsAndCirc::psShelvingData},
    {"psCopyNumber", &KivHoldingsAndCirc::psCopyNumber},
    {"psPublicNote", &KivHoldingsAndCirc::psPublicNote},
    {"psReproductionNote", &KivHoldingsAndCirc::psReproductionNote},
    {"psTermsUseRepro", &KivHoldingsAndCirc::psTermsUseRepro},
};

constexpr trace::EnumName kEstimateTypes[] = {
    {ET_CurrentSearchRecords, "ET_CurrentSearchRecords"},
    {ET_FinalSearchRecords, "ET_FinalSearchRecords"},
    {ET_CurrentPresentRecords, "ET_CurrentPresentRecords"},
    {ET_FinalPresentRecords, "ET_FinalPresentRecords"},
    {ET_CurrentOpTimeProcessing, "ET_CurrentOpTimeProcessing"},
    {ET_FinalOpTimeProcessing, "ET_FinalOpTimeProcessing"},
    {ET_CurrentAssocTime, "ET_CurrentAssocTime"},
    {ET_CurrentOperationCost, "ET_CurrentOperationCost"},
    {ET_FinalOperationCost, "ET_FinalOperationCost"},
    {ET_CurrentAssocCost, "ET_CurrentAssocCost"},
    {ET_FinalOpTimeElapsed, "ET_FinalOpTimeElapsed"},
    {ET_PercentComplete, "ET_PercentComplete"},
    {ET_CurrentSearchAssocCost, "ET_CurrentSearchAssocCost"},
    {ET_CurrentPresentAssocCost, "ET_CurrentPresentAssocCost"},
    {ET_CurrentConnectAssocCost, "ET_CurrentConnectAssocCost"},
    {ET_CurrentOtherAssocCost, "ET_CurrentOtherAssocCost"},
    {ET_Invalid, "ET_Invalid"},
};

void printVolume(std::FILE* file, const KivVolume& volume) {
    KivPrintNamedInternationalString(file, "\npsEnumeration", volume.psEnumeration.get());
    KivPrintNamedInternationalString(file, "psChronology", volume.psChronology.get());
    KivPrintNamedInternationalString(file, "psEnumAndChron", volume.psEnumAndChron.get());
}

void printCircRecord(std::FILE* file, const KivCircRecord& circ) {
    KivPrintNamedBoolean(file, "\nfAvailableNow", &circ.fAvailableNow);
    KivPrintNamedInternationalString(file, "psAvailabilityDate", circ.psAvailabilityDate.get());
    KivPrintNamedInternationalString(file, "psAvailableThru", circ.psAvailableThru.get());
    KivPrintNamedInternationalString(file, "psRestrictions", circ.psRestrictions.get());
    KivPrintNamedInternationalString(file, "psItemId", circ.psItemId.get());
    KivPrintNamedBoolean(file, "fRenewable", &circ.fRenewable);
    KivPrintNamedBoolean(file, "fOnHold", &circ.fOnHold);
    KivPrintNamedInternationalString(file, "psEnumAndChron", circ.psEnumAndChron.get());
    KivPrintNamedInternationalString(file, "psMidspine", circ.psMidspine.get());
    KivPrintNamedInternationalString(file, "psTemporaryLocation", circ.psTemporaryLocation.get());
}

// A list of the holdings: "NULL\n" when absent, else its items and a line end.
template <typename T>
void printHoldingsList(std::FILE* file, const char* label, const KivArray<T>& items,
                       void (*printItem)(std::FILE*, const T&)) {
    std::fputs(label, file);
    if (!items) {
        std::fputs("NULL\n", file);
        return;
    }
    for (const T& item : items) printItem(file, item);
    std::fputs("\n", file);
}

void printHoldingsAndCirc(std::FILE* file, const KivHoldingsAndCirc& holdings) {
    for (const HoldingsText& text : kHoldingsTexts) {
        KivPrintNamedInternationalString(file, text.label, (holdings.*text.member).get());
    }
    printHoldingsList(file, "ppsVolume: ", holdings.ppsVolume, printVolume);
    printHoldingsList(file, "ppsCircRecord: ", holdings.ppsCircRecord, printCircRecord);
}

}  // namespace

void KivPrintUnstructuredTextContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psUnstructuredText == nullptr) return;
    std::fputs("\tpsUnstructuredText: ", file);
    KivPrintInternationalString(file, content->uASN1.psUnstructuredText.get());
}

void KivPrintOpacRecordContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psOpacRecord == nullptr) return;
    const KivOpacRecord& opac = *content->uASN1.psOpacRecord;
    std::fputs("psOpacRecord:\n", file);
    KivPrintNamedExternal(file, "psBibliographicRecord", opac.psBibliographicRecord.get());
    std::fputs("ppsHoldingsData: ", file);
    if (!opac.ppsHoldingsData) {
        std::fputs("NULL\n", file);
        return;
    }
    for (const KivHoldingsRecord& holdings : opac.ppsHoldingsData) {
        switch (holdings.eHoldingsRecType) {
            case HRT_MarcHoldingsRecord:
                std::fputs("\nHRT_MarcHoldingsRecord\n", file);
                KivPrintExternal(file, &holdings.uMarcOrHoldAndCirc.sMarcHoldingsRecord);
                break;
            case HRT_HoldingsAndCirc:
                std::fputs("\nHRT_HoldingsAndCirc\n", file);
                printHoldingsAndCirc(file, holdings.uMarcOrHoldAndCirc.sHoldingsAndCirc);
                break;
            default:
                break;
        }
    }
    std::fputs("\n", file);
}

void KivPrintSummaryRecordContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psSummaryRecord == nullptr) return;
    const KivSummaryRecord& summary = *content->uASN1.psSummaryRecord;
    std::fputs("psSummaryRecord: \n", file);
    KivPrintNamedInternationalString(file, "sTitle", &summary.sTitle);
    KivPrintNamedInternationalString(file, "psAuthor", summary.psAuthor.get());
    KivPrintNamedInternationalString(file, "psCallNumber", summary.psCallNumber.get());
    KivPrintNamedInternationalString(file, "psRecordType", summary.psRecordType.get());
    KivPrintNamedInternationalString(file, "psBibliographicLevel", summary.psBibliographicLevel.get());
    std::fputs("ppsFormat: ", file);
    if (summary.ppsFormat) {
        for (const KivFormatSpec& format : summary.ppsFormat) {
            KivPrintNamedInternationalString(file, "\nsType", &format.sType);
            std::fputs("pulSize: ", file);
            trace::printOptionalSignedLine(file, format.pulSize);
            std::fputs("pulBestPosn: ", file);
            trace::printOptionalSignedLine(file, format.pulBestPosn);
        }
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
    KivPrintNamedInternationalString(file, "psPublicationPlace", summary.psPublicationPlace.get());
    KivPrintNamedInternationalString(file, "psPublicationDate", summary.psPublicationDate.get());
    KivPrintNamedInternationalString(file, "psTargetSystemKey", summary.psTargetSystemKey.get());
    KivPrintNamedInternationalString(file, "psSatisfyingElement", summary.psSatisfyingElement.get());
    std::fputs("pulRank: ", file);
    trace::printOptionalSignedLine(file, summary.pulRank);
    KivPrintNamedInternationalString(file, "psDocumentId", summary.psDocumentId.get());
    KivPrintNamedInternationalString(file, "psAbstract", summary.psAbstract.get());
    std::fputs("ppsOtherInformation: ", file);
    KivPrintOtherInformationList(file, summary.ppsOtherInformation);
}

void KivPrintResourceReport1Content(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psResourceReport1 == nullptr) return;
    const KivResourceReport1& report = *content->uASN1.psResourceReport1;
    std::fputs("psResourceReport1:\n", file);
    int index = 0;
    for (const KivEstimate1& estimate : report.ppsEstimate) {
        std::fprintf(file, "ppsEstimate[%d]->eEstimateType: ", index);
        trace::printEnumName(file, estimate.eEstimateType, kEstimateTypes);
        std::fprintf(file, "ppsEstimate[%d]->ulValue: %" PRIu32 "\n", index, estimate.ulValue);
        std::fprintf(file, "*ppsEstimate[%d]->pulCurrencyCode: ", index);
        trace::printOptionalUnsignedLine(file, estimate.pulCurrencyCode);
        ++index;
    }
    std::fputs("\n", file);
    KivPrintNamedInternationalString(file, "sMessage", &report.sMessage);
}

void KivPrintResourceReport2Content(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psResourceReport2 == nullptr) return;
    const KivResourceReport2& report = *content->uASN1.psResourceReport2;
    std::fputs("psResourceReport2:\n", file);
    std::fputs("ppsEstimate: ", file);
    if (report.ppsEstimate) {
        std::fputs("\n", file);
        int index = 0;
        for (const KivEstimate2& estimate : report.ppsEstimate) {
            std::fprintf(file, "ppsEstimate[%d]->sType:\n", index);
            KivPrintStringOrNumeric(file, &estimate.sType);
            KivPrintIntUnit(file, &estimate.sValue);
            ++index;
        }
        std::fputs("\n", file);
    } else {
        std::fputs("NULL\n", file);
    }
    KivPrintNamedInternationalString(file, "psMessage", report.psMessage.get());
}
