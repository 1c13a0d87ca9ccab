#include "toolkit/api/kiv_convert_external_content_types.h"

#include <array>

#include "toolkit/api/kiv_check_core_records.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/external/kiv_check_generic_record.h"
#include "toolkit/external/kiv_convert_generic_record.h"
#include "toolkit/external/kiv_check_item_order.h"
#include "toolkit/external/kiv_convert_item_order.h"
#include "toolkit/external/kiv_check_search_result1.h"
#include "toolkit/external/kiv_convert_search_result1.h"

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
    KivExternalContentType{AT_GenericRecord, "1.2.840.10003.5.105", "1.0.10163.5.105",
                           KivGenericRecordToCodec, KivGenericRecordFromCodec, KivCheckGenericRecord},
    KivExternalContentType{AT_ItemOrderExtendedService, "1.2.840.10003.9.4", "1.0.10163.9.4",
                           KivItemOrderExtendedServiceToCodec, KivItemOrderExtendedServiceFromCodec,
                           KivCheckItemOrderExtendedService},
    KivExternalContentType{AT_UserInfoSearchResult1, "1.2.840.10003.10.1", "1.0.10163.10.1",
                           KivUserInfoSearchResult1ToCodec, KivUserInfoSearchResult1FromCodec,
                           KivCheckUserInfoSearchResult1},
};

}  // namespace

const KivExternalContentType* kivContentTypeOfASN1Type(int32_t eASN1Type) {
    for (const KivExternalContentType& type : kContentTypes) {
        if (type.eASN1Type == eASN1Type) return &type;
    }
    return nullptr;
}

const KivExternalContentType* kivContentTypeOfOid(std::string_view text) {
    for (const KivExternalContentType& type : kContentTypes) {
        if (type.identifiedBy(text)) return &type;
    }
    return nullptr;
}
