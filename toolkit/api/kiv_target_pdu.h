#pragma once
// The record in which a target receives one APDU.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_access_resource.h"
#include "toolkit/api/kiv_close.h"
#include "toolkit/api/kiv_delete.h"
#include "toolkit/api/kiv_extended_services.h"
#include "toolkit/api/kiv_init.h"
#include "toolkit/api/kiv_present.h"
#include "toolkit/api/kiv_resource_report.h"
#include "toolkit/api/kiv_scan.h"
#include "toolkit/api/kiv_search.h"
#include "toolkit/api/kiv_sort.h"

enum KivTargetPduType : int32_t {
    TPT_InitializeReq = 0,
    TPT_SearchReq = 1,
    TPT_PresentReq = 2,
    TPT_DeleteResultSetReq = 3,
    TPT_ScanReq = 4,
    TPT_ResourceReportReq = 5,
    TPT_SortReq = 6,
    TPT_ExtendedServicesReq = 7,
    TPT_CloseReq = 8,
    TPT_CloseRsp = 9,  // a Close received after the target sent one
    TPT_ReleaseInd = 10,
    TPT_InvalidApdu = 11,
    TPT_AccessControlRsp = 12,
    TPT_ResourceControlRsp = 13,
    TPT_TriggerResourceControlReq = 14,
};

// A received APDU whose identifier matches no APDU type: the toolkit's own copy of its octets, and their
// count.
struct KivInvalidAPDU {
    std::string pcValue;

    uint32_t ulLength() const { return static_cast<uint32_t>(pcValue.size()); }
};

// plReleaseInd holds 0 when the peer ended the connection.
struct KivTargetPdu {
    int32_t ePduType{};
    struct {
        std::unique_ptr<KivInitializeReq> psInitializeReq;
        std::unique_ptr<KivSearchReq> psSearchReq;
        std::unique_ptr<KivPresentReq> psPresentReq;
        std::unique_ptr<KivDeleteResultSetReq> psDeleteResultSetReq;
        std::unique_ptr<KivScanReq> psScanReq;
        std::unique_ptr<KivResourceReportReq> psResourceReportReq;
        std::unique_ptr<KivSortReq> psSortReq;
        std::unique_ptr<KivExtendedServicesReq> psExtendedServicesReq;
        std::unique_ptr<KivClose> psCloseReq;
        std::unique_ptr<KivClose> psCloseRsp;
        std::optional<int32_t> plReleaseInd;
        std::unique_ptr<KivInvalidAPDU> psInvalidAPDU;
        std::unique_ptr<KivAccessControlRsp> psAccessControlRsp;
        std::unique_ptr<KivResourceControlRsp> psResourceControlRsp;
        std::unique_ptr<KivTriggerResourceControlReq> psTriggerResourceControlReq;
    } uPdu;
};
