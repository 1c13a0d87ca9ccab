#pragma once
// The record in which an origin receives one APDU.

#include <cstdint>
#include <memory>

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

// Value 11 carries no body.
enum KivOriginPduType : int32_t {
    OPT_InitializeRsp = 0,
    OPT_SearchRsp = 1,
    OPT_PresentRsp = 2,
    OPT_DeleteResultSetRsp = 3,
    OPT_ScanRsp = 4,
    OPT_ResourceReportRsp = 5,
    OPT_SortRsp = 6,
    OPT_ExtendedServicesRsp = 7,
    OPT_SegmentReq = 8,
    OPT_CloseReq = 9,   // a Close the target started
    OPT_CloseRsp = 10,  // the target's answer to a Close the origin sent
    OPT_AccessControlReq = 12,
    OPT_ResourceControlReq = 13,
};

struct KivOriginPdu {
    int32_t ePduType{};
    struct {
        std::unique_ptr<KivInitializeRsp> psInitializeRsp;
        std::unique_ptr<KivSearchRsp> psSearchRsp;
        std::unique_ptr<KivPresentRsp> psPresentRsp;
        std::unique_ptr<KivDeleteResultSetRsp> psDeleteResultSetRsp;
        std::unique_ptr<KivScanRsp> psScanRsp;
        std::unique_ptr<KivResourceReportRsp> psResourceReportRsp;
        std::unique_ptr<KivSortRsp> psSortRsp;
        std::unique_ptr<KivExtendedServicesRsp> psExtendedServicesRsp;
        std::unique_ptr<KivSegmentReq> psSegmentReq;
        std::unique_ptr<KivClose> psCloseReq;
        std::unique_ptr<KivClose> psCloseRsp;
        std::unique_ptr<KivAccessControlReq> psAccessControlReq;
        std::unique_ptr<KivResourceControlReq> psResourceControlReq;
    } uPdu;
};
