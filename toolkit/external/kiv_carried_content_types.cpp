#include "toolkit/external/kiv_carried_content_types.h"

#include <array>
#include <mutex>

#include "toolkit/api/kiv_check_core_records.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/external/kiv_check_char_set_and_language.h"
#include "toolkit/external/kiv_check_cip_item_order.h"
#include "toolkit/external/kiv_check_cip_specific_info.h"
#include "toolkit/external/kiv_check_explain_record.h"
#include "toolkit/external/kiv_check_export_invocation.h"
#include "toolkit/external/kiv_check_export_specification.h"
#include "toolkit/external/kiv_check_generic_record.h"
#include "toolkit/external/kiv_check_ill_pdu.h"
#include "toolkit/external/kiv_check_item_order.h"
#include "toolkit/external/kiv_check_private_services.h"
#include "toolkit/external/kiv_check_prompt_object.h"
#include "toolkit/external/kiv_check_search_result1.h"
#include "toolkit/external/kiv_check_sql_result.h"
#include "toolkit/external/kiv_convert_char_set_and_language.h"
#include "toolkit/external/kiv_convert_cip_item_order.h"
#include "toolkit/external/kiv_convert_cip_specific_info.h"
#include "toolkit/external/kiv_convert_explain_record.h"
#include "toolkit/external/kiv_convert_export_invocation.h"
#include "toolkit/external/kiv_convert_export_specification.h"
#include "toolkit/external/kiv_convert_generic_record.h"
#include "toolkit/external/kiv_convert_ill_pdu.h"
#include "toolkit/external/kiv_convert_item_order.h"
#include "toolkit/external/kiv_convert_private_services.h"
#include "toolkit/external/kiv_convert_prompt_object.h"
#include "toolkit/external/kiv_convert_search_result1.h"
#include "toolkit/external/kiv_convert_sql_result.h"

namespace {

constexpr std::array kContentTypes = {
    KivExternalContentType{AT_UnstructuredText, "1.2.840.10003.5.101", "1.0.10163.5.101",
                           KivUnstructuredTextToCodec, KivUnstructuredTextFromCodec,
                           KivCheckUnstructuredText},
    KivExternalContentType{AT_OpacRecord, "1.2.840.10003.5.102", "1.0.10163.5.102", KivOpacRecordToCodec,
                           KivOpacRecordFromCodec, KivCheckOpacRecord},
    KivExternalContentType{AT_SummaryRecord, "1.2.840.10003.5.103", "1.0.10163.5.103",
                           KivSummaryRecordToCodec, KivSummaryRecordFromCodec, KivCheckSummaryRecord},
    KivExternalContentType{AT_ResourceReport1, "1.2.840.10003.7.1", "1.0.10163.7.1",
                           KivResourceReport1ToCodec, KivResourceReport1FromCodec, KivCheckResourceReport1},
    KivExternalContentType{AT_ResourceReport2, "1.2.840.10003.7.2", "1.0.10163.7.2",
                           KivResourceReport2ToCodec, KivResourceReport2FromCodec, KivCheckResourceReport2},
    KivExternalContentType{AT_EsTaskPackage, "1.2.840.10003.5.106", "1.0.10163.5.106",
                           KivEsTaskPackageToCodec, KivEsTaskPackageFromCodec, KivCheckEsTaskPackage},
    KivExternalContentType{AT_UpdateExtendedService, "1.2.840.10003.9.5", "1.0.10163.9.5",
                           KivUpdateExtendedServiceToCodec, KivUpdateExtendedServiceFromCodec,
                           KivCheckUpdateExtendedService},
    KivExternalContentType{AT_ExplainRecord, "1.2.840.10003.5.100", "1.0.10163.5.100",
                           KivExplainRecordToCodec, KivExplainRecordFromCodec, KivCheckExplainRecord},
    KivExternalContentType{AT_GenericRecord, "1.2.840.10003.5.105", "1.0.10163.5.105",
                           KivGenericRecordToCodec, KivGenericRecordFromCodec, KivCheckGenericRecord},
    KivExternalContentType{AT_Print, "1.2.840.10003.9.1000.70.1", nullptr, KivPrintExtendedServiceToCodec,
                           KivPrintExtendedServiceFromCodec, KivCheckPrintExtendedService},
    KivExternalContentType{AT_Alert, "1.2.840.10003.9.1000.70.2", nullptr, KivAlertExtendedServiceToCodec,
                           KivAlertExtendedServiceFromCodec, KivCheckAlertExtendedService},
    KivExternalContentType{AT_Corder, "1.2.840.10003.9.4.1000.70.1", nullptr, KivCOrderToCodec,
                           KivCOrderFromCodec, KivCheckCOrder},
    KivExternalContentType{AT_CipBItemOrderExtendedService, "1.2.840.10003.9.1000.99.1", nullptr,
                           KivCipBItemOrderExtendedServiceToCodec, KivCipBItemOrderExtendedServiceFromCodec,
                           KivCheckCipBItemOrderExtendedService},
    KivExternalContentType{AT_CIPSpecificInfo, "1.2.840.10003.2.1000.99.1", nullptr,
                           KivCIPSpecificInfoToCodec, KivCIPSpecificInfoFromCodec, KivCheckCIPSpecificInfo},
    KivExternalContentType{AT_IllPdu, "1.2.10161.2.1", nullptr, KivIllPduToCodec, KivIllPduFromCodec,
                           KivCheckIllPdu},
    KivExternalContentType{AT_CharSetAndLanguage, "1.2.840.10003.10.2", "1.0.10163.10.2",
                           KivCharSetAndLanguageToCodec, KivCharSetAndLanguageFromCodec,
                           KivCheckCharSetAndLanguage, "1.2.840.10003.15.3"},
    KivExternalContentType{AT_SQLResult, "1.2.840.10003.5.111", nullptr, KivSQLResultToCodec,
                           KivSQLResultFromCodec, KivCheckSQLResult},
    KivExternalContentType{AT_ItemOrderExtendedService, "1.2.840.10003.9.4", "1.0.10163.9.4",
                           KivItemOrderExtendedServiceToCodec, KivItemOrderExtendedServiceFromCodec,
                           KivCheckItemOrderExtendedService},
    KivExternalContentType{AT_UserInfoSearchResult1, "1.2.840.10003.10.1", "1.0.10163.10.1",
                           KivUserInfoSearchResult1ToCodec, KivUserInfoSearchResult1FromCodec,
                           KivCheckUserInfoSearchResult1},
    KivExternalContentType{AT_PromptObject, "1.2.840.10003.8.1", "1.0.10163.8.1", KivPromptObjectToCodec,
                           KivPromptObjectFromCodec, KivCheckPromptObject},
    KivExternalContentType{AT_ExportSpecification, "1.2.840.10003.9.6", "1.0.10163.9.6",
                           KivExpSpecExtendedServiceToCodec, KivExpSpecExtendedServiceFromCodec,
                           KivCheckExpSpecExtendedService},
    KivExternalContentType{AT_ExportInvocation, "1.2.840.10003.9.7", "1.0.10163.9.7",
                           KivExpInvoExtendedServiceToCodec, KivExpInvoExtendedServiceFromCodec,
                           KivCheckExpInvoExtendedService},
};

}  // namespace

void KivRegisterCarriedContents() {
    static std::once_flag once;
    std::call_once(once, [] { KivRegisterExternalContentTypes(kContentTypes); });
}
