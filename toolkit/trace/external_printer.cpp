#include "toolkit/trace/external_printer.h"

#include <algorithm>
#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/char_set_and_language_printer.h"
#include "toolkit/trace/cip_item_order_printer.h"
#include "toolkit/trace/cip_specific_info_printer.h"
#include "toolkit/trace/core_record_printers.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/es_package_printers.h"
#include "toolkit/trace/explain_record_printer.h"
#include "toolkit/trace/export_printers.h"
#include "toolkit/trace/generic_record_printer.h"
#include "toolkit/trace/ill_pdu_printer.h"
#include "toolkit/trace/item_order_printer.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/private_services_printers.h"
#include "toolkit/trace/prompt_object_printer.h"
#include "toolkit/trace/search_result1_printer.h"
#include "toolkit/trace/sql_result_printer.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kValueTypes[] = {
    {EVT_SingleASN1Type, "EVT_SingleASN1Type"},
    {EVT_OctetAligned, "EVT_OctetAligned"},
    {EVT_Arbitrary, "EVT_Arbitrary"},
};

// Value 8 (content kept as octets) and 11 print as unknown.
constexpr trace::EnumName kASN1Types[] = {
    {AT_UnstructuredText, "AT_UnstructuredText"},
    {AT_OpacRecord, "AT_OpacRecord"},
    {AT_SummaryRecord, "AT_SummaryRecord"},
    {AT_ResourceReport1, "AT_ResourceReport1"},
    {AT_ResourceReport2, "AT_ResourceReport2"},
    {AT_EsTaskPackage, "AT_EsTaskPackage"},
    {AT_UpdateExtendedService, "AT_UpdateExtendedService"},
    {AT_ItemOrderExtendedService, "AT_ItemOrderExtendedService"},
    {AT_IllPdu, "AT_IllPdu"},
    {AT_ExplainRecord, "AT_ExplainRecord"},
    {AT_GenericRecord, "AT_GenericRecord"},
    {AT_PromptObject, "AT_PromptObject"},
    {AT_Print, "AT_Print"},
    {AT_Alert, "AT_Alert"},
    {AT_Corder, "AT_Corder"},
    {AT_CharSetAndLanguage, "AT_CharSetAndLanguage"},
    {AT_ExportSpecification, "AT_ExportSpecification"},
    {AT_ExportInvocation, "AT_ExportInvocation"},
    {AT_UserInfoSearchResult1, "AT_UserInfoSearchResult1"},
    {AT_SQLResult, "AT_SQLResult"},
    {AT_CipBItemOrderExtendedService, "AT_CipBItemOrderExtendedService"},
    {AT_CIPSpecificInfo, "AT_CIPSpecificInfo"},
};

using ContentPrinter = void (*)(std::FILE*, const KivExternal*);

// One content: its identifier under either arc (the second may be null), its eASN1Type and its printer. A
// content whose printer is not here prints as unknown content.
struct ContentRow {
    const char* oid;
    const char* aliasOid;
    int32_t eASN1Type;
    ContentPrinter print;
};

constexpr ContentRow kContentRows[] = {
    {"1.2.840.10003.5.101", "1.0.10163.5.101", AT_UnstructuredText, KivPrintUnstructuredTextContent},
    {"1.2.840.10003.5.102", "1.0.10163.5.102", AT_OpacRecord, KivPrintOpacRecordContent},
    {"1.2.840.10003.5.103", "1.0.10163.5.103", AT_SummaryRecord, KivPrintSummaryRecordContent},
    {"1.2.840.10003.7.1", "1.0.10163.7.1", AT_ResourceReport1, KivPrintResourceReport1Content},
    {"1.2.840.10003.7.2", "1.0.10163.7.2", AT_ResourceReport2, KivPrintResourceReport2Content},
    {"1.2.840.10003.5.106", "1.0.10163.5.106", AT_EsTaskPackage, KivPrintEsTaskPackageContent},
    {"1.2.840.10003.9.5", "1.0.10163.9.5", AT_UpdateExtendedService, KivPrintUpdateExtendedServiceContent},
    {"1.2.840.10003.5.105", "1.0.10163.5.105", AT_GenericRecord, KivPrintGenericRecordContent},
    {"1.2.840.10003.9.1000.99.1", nullptr, AT_CipBItemOrderExtendedService,
     KivPrintCipBItemOrderExtendedService},
    {"1.2.840.10003.2.1000.99.1", nullptr, AT_CIPSpecificInfo, KivPrintCIPSpecificInfoContent},
    {"1.2.840.10003.9.1000.70.1", nullptr, AT_Print, KivPrintPrintExtendedServiceContent},
    {"1.2.840.10003.9.1000.70.2", nullptr, AT_Alert, KivPrintAlertExtendedServiceContent},
    {"1.2.840.10003.9.4.1000.70.1", nullptr, AT_Corder, KivPrintCOrderContent},
    {"1.2.840.10003.5.100", "1.0.10163.5.100", AT_ExplainRecord, KivPrintExplainRecordContent},
    {"1.2.10161.2.1", nullptr, AT_IllPdu, KivPrintIllPdu},
    {"1.2.840.10003.10.2", "1.0.10163.10.2", AT_CharSetAndLanguage, KivPrintCharSetAndLanguageContent},
    {"1.2.840.10003.15.3", nullptr, AT_CharSetAndLanguage, KivPrintCharSetAndLanguageContent},
    {"1.2.840.10003.5.111", nullptr, AT_SQLResult, KivPrintSQLResult},
    {"1.2.840.10003.9.4", "1.0.10163.9.4", AT_ItemOrderExtendedService, KivPrintItemOrderContent},
    {"1.2.840.10003.10.1", "1.0.10163.10.1", AT_UserInfoSearchResult1, KivPrintUserInfoSearchResult1Content},
    {"1.2.840.10003.8.1", "1.0.10163.8.1", AT_PromptObject, KivPrintPromptObjectContent},
    {"1.2.840.10003.9.6", "1.0.10163.9.6", AT_ExportSpecification, KivPrintExpSpecContent},
    {"1.2.840.10003.9.7", "1.0.10163.9.7", AT_ExportInvocation, KivPrintExpInvoContent},
};

bool rowMatches(const ContentRow& row, const std::string& oid, int32_t eASN1Type) {
    if (row.eASN1Type != eASN1Type) return false;
    return oid == row.oid || (row.aliasOid != nullptr && oid == row.aliasOid);
}

// The arbitrary encoding as its '0'/'1' text, never reading past the characters it holds.
void printArbitrary(std::FILE* file, const KivArbitrary* psArbitrary) {
    if (psArbitrary == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    if (psArbitrary->pcValue) {
        const std::string& bits = *psArbitrary->pcValue;
        trace::printTextUpToZero(file, bits.data(), std::min<size_t>(psArbitrary->ulLength, bits.size()));
    }
    std::fputs("\n", file);
}

}  // namespace

namespace trace {

const KivSingleASN1Type* singleASN1Type(const KivExternal* psExternal) {
    return psExternal != nullptr ? psExternal->uExternalValue.psSingleASN1Type.get() : nullptr;
}

}  // namespace trace

void KivPrintExternal(std::FILE* file, const KivExternal* psExternal) {
    if (psExternal == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    trace::PrintDepthGuard depth;
    if (depth.tooDeep()) {
        std::fputs(trace::kTooDeepLine, file);
        return;
    }
    std::fputs("\n", file);
    std::fputs("\tObjectIdentifier: ", file);
    trace::printTextLine(file, psExternal->pcObjectIdentifier);
    std::fputs("\teValueType: ", file);
    trace::printEnumName(file, psExternal->eValueType, kValueTypes, "Unknown");
    switch (psExternal->eValueType) {
        case EVT_SingleASN1Type: {
            const KivSingleASN1Type* content = psExternal->uExternalValue.psSingleASN1Type.get();
            if (content == nullptr) return;
            std::fputs("\teASN1Type: ", file);
            trace::printEnumName(file, content->eASN1Type, kASN1Types, "Unknown");
            if (psExternal->pcObjectIdentifier) {
                KivPrintExternalContent(file, psExternal);
            } else {
                KivPrintUnknownContent(file, psExternal);
            }
            break;
        }
        case EVT_OctetAligned:
            std::fputs("\tpsOctetAligned:", file);
            KivPrintOctets(file, psExternal->uExternalValue.psOctetAligned.get());
            break;
        case EVT_Arbitrary:
            std::fputs("\tpsArbitrary:", file);
            printArbitrary(file, psExternal->uExternalValue.psArbitrary.get());
            break;
        default:
            break;
    }
}

void KivPrintNamedExternal(std::FILE* file, const char* label, const KivExternal* psExternal) {
    std::fputs(label, file);
    std::fputs(": ", file);
    KivPrintExternal(file, psExternal);
}

void KivPrintExternalContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr) return;
    if (psExternal->pcObjectIdentifier) {
        const int32_t eASN1Type = content->eASN1Type;
        for (const ContentRow& row : kContentRows) {
            if (rowMatches(row, *psExternal->pcObjectIdentifier, eASN1Type)) {
                row.print(file, psExternal);
                return;
            }
        }
    }
    KivPrintUnknownContent(file, psExternal);
}

void KivPrintUnknownContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psUnknownType == nullptr) return;
    const KivOctets* octets = content->uASN1.psUnknownType.get();
    std::fputs("\tpsUnknownType:", file);
    KivPrintHex(file, octets->pcValue.data(), octets->ulLength());
}
