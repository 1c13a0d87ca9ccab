#pragma once
// The content of a single-ASN1-type EXTERNAL, chosen by eASN1Type.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_char_set_and_language.h"
#include "toolkit/api/kiv_cip_item_order.h"
#include "toolkit/api/kiv_cip_specific_info.h"
#include "toolkit/api/kiv_explain_record.h"
#include "toolkit/api/kiv_export_package.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_generic_record.h"
#include "toolkit/api/kiv_ill_pdu.h"
#include "toolkit/api/kiv_item_order.h"
#include "toolkit/api/kiv_opac_record.h"
#include "toolkit/api/kiv_private_services.h"
#include "toolkit/api/kiv_prompt_object.h"
#include "toolkit/api/kiv_resource_report_formats.h"
#include "toolkit/api/kiv_search_result1.h"
#include "toolkit/api/kiv_sql_result.h"
#include "toolkit/api/kiv_summary_record.h"
#include "toolkit/api/kiv_task_package.h"
#include "toolkit/api/kiv_update_package.h"

// Value 8 has no constant: the raw BER of content whose object identifier is not a known one. Value 11 is
// not used.
enum KivASN1Type : int32_t {
    AT_UnstructuredText = 1,
    AT_OpacRecord = 2,
    AT_SummaryRecord = 3,
    AT_ResourceReport1 = 4,
    AT_ResourceReport2 = 5,
    AT_EsTaskPackage = 6,
    AT_UpdateExtendedService = 7,
    AT_ItemOrderExtendedService = 9,
    AT_IllPdu = 10,
    AT_ExplainRecord = 12,
    AT_GenericRecord = 13,
    AT_PromptObject = 14,
    AT_Print = 15,
    AT_Alert = 16,
    AT_Corder = 17,
    AT_CharSetAndLanguage = 18,
    AT_ExportSpecification = 19,
    AT_ExportInvocation = 20,
    AT_UserInfoSearchResult1 = 21,
    AT_SQLResult = 22,
    AT_CipBItemOrderExtendedService = 23,
    AT_CIPSpecificInfo = 24,
};

struct KivExplainRecord;
struct KivGenericRecord;
struct KivCipBItemOrderExtendedService;
struct KivCIPSpecificInfo;
struct KivPrintExtendedService;
struct KivAlertExtendedService;
struct KivCOrder;
struct KivCharSetAndLanguage;
struct KivPromptObject;
struct KivExpSpecExtendedService;
struct KivExpInvoExtendedService;

// Holds the content that eASN1Type names; content of a type without a member here arrives raw (type 8).
// Its special members are compiled once, in kiv_single_asn1_type.cpp: destroying the whole tree of carried
// contents inline would cost every includer of KivExternal that instantiation.
struct KivSingleASN1Type {
    KivSingleASN1Type();
    KivSingleASN1Type(KivSingleASN1Type&&) noexcept;
    KivSingleASN1Type& operator=(KivSingleASN1Type&&) noexcept;
    ~KivSingleASN1Type();

    int32_t eASN1Type{};
    struct {
        std::unique_ptr<KivInternationalString> psUnstructuredText;
        std::unique_ptr<KivOpacRecord> psOpacRecord;
        std::unique_ptr<KivSummaryRecord> psSummaryRecord;
        std::unique_ptr<KivResourceReport1> psResourceReport1;
        std::unique_ptr<KivResourceReport2> psResourceReport2;
        std::unique_ptr<KivEsTaskPackage> psEsTaskPackage;
        std::unique_ptr<KivUpdateExtendedService> psUpdateExtendedService;
        std::unique_ptr<KivOctets> psUnknownType;
        std::unique_ptr<KivExplainRecord> psExplainRecord;
        std::unique_ptr<KivGenericRecord> psGenericRecord;
        std::unique_ptr<KivPrintExtendedService> psPrintExtendedService;
        std::unique_ptr<KivAlertExtendedService> psAlertExtendedService;
        std::unique_ptr<KivCOrder> psCOrder;
        std::unique_ptr<KivCipBItemOrderExtendedService> psCipBItemOrderExtendedService;
        std::unique_ptr<KivCIPSpecificInfo> psCIPSpecificInfo;
        std::unique_ptr<KivIllPdu> psIllPdu;
        std::unique_ptr<KivCharSetAndLanguage> psCharSetAndLanguage;
        std::unique_ptr<KivSQLResult> psSQLResult;
        std::unique_ptr<KivItemOrderExtendedService> psItemOrderExtendedService;
        std::unique_ptr<KivUserInfoSearchResult1> psUserInfoSearchResult1;
        std::unique_ptr<KivPromptObject> psPromptObject;
        std::unique_ptr<KivExpSpecExtendedService> psExpSpecExtendedService;
        std::unique_ptr<KivExpInvoExtendedService> psExpInvoExtendedService;
    } uASN1;
};
