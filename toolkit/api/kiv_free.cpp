#include "toolkit/api/kiv_free.h"

#include "toolkit/api/kiv_origin_pdu.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_target_pdu.h"

int KivFreeTargetPdu(KivTargetPdu** ppsTargetPdu) {
    return kivFree(ppsTargetPdu);
}
int KivFreeOriginPdu(KivOriginPdu** ppsOriginPdu) {
    return kivFree(ppsOriginPdu);
}
int KivFreeInitializeReq(KivInitializeReq** ppsInitializeReq) {
    return kivFree(ppsInitializeReq);
}
int KivFreeInitializeRsp(KivInitializeRsp** ppsInitializeRsp) {
    return kivFree(ppsInitializeRsp);
}
int KivFreeSearchReq(KivSearchReq** ppsSearchReq) {
    return kivFree(ppsSearchReq);
}
int KivFreeSearchRsp(KivSearchRsp** ppsSearchRsp) {
    return kivFree(ppsSearchRsp);
}
int KivFreePresentReq(KivPresentReq** ppsPresentReq) {
    return kivFree(ppsPresentReq);
}
int KivFreePresentRsp(KivPresentRsp** ppsPresentRsp) {
    return kivFree(ppsPresentRsp);
}
int KivFreeDeleteResultSetReq(KivDeleteResultSetReq** ppsDeleteResultSetReq) {
    return kivFree(ppsDeleteResultSetReq);
}
int KivFreeDeleteResultSetRsp(KivDeleteResultSetRsp** ppsDeleteResultSetRsp) {
    return kivFree(ppsDeleteResultSetRsp);
}
int KivFreeScanReq(KivScanReq** ppsScanReq) {
    return kivFree(ppsScanReq);
}
int KivFreeScanRsp(KivScanRsp** ppsScanRsp) {
    return kivFree(ppsScanRsp);
}
int KivFreeResourceReportReq(KivResourceReportReq** ppsResourceReportReq) {
    return kivFree(ppsResourceReportReq);
}
int KivFreeResourceReportRsp(KivResourceReportRsp** ppsResourceReportRsp) {
    return kivFree(ppsResourceReportRsp);
}
int KivFreeSortReq(KivSortReq** ppsSortReq) {
    return kivFree(ppsSortReq);
}
int KivFreeSortRsp(KivSortRsp** ppsSortRsp) {
    return kivFree(ppsSortRsp);
}
int KivFreeExtendedServicesReq(KivExtendedServicesReq** ppsExtendedServicesReq) {
    return kivFree(ppsExtendedServicesReq);
}
int KivFreeExtendedServicesRsp(KivExtendedServicesRsp** ppsExtendedServicesRsp) {
    return kivFree(ppsExtendedServicesRsp);
}
int KivFreeSegmentReq(KivSegmentReq** ppsSegmentReq) {
    return kivFree(ppsSegmentReq);
}
int KivFreeClose(KivClose** ppsClose) {
    return kivFree(ppsClose);
}
int KivFreeAccessControlReq(KivAccessControlReq** ppsAccessControlReq) {
    return kivFree(ppsAccessControlReq);
}
int KivFreeAccessControlRsp(KivAccessControlRsp** ppsAccessControlRsp) {
    return kivFree(ppsAccessControlRsp);
}
int KivFreeResourceControlReq(KivResourceControlReq** ppsResourceControlReq) {
    return kivFree(ppsResourceControlReq);
}
int KivFreeResourceControlRsp(KivResourceControlRsp** ppsResourceControlRsp) {
    return kivFree(ppsResourceControlRsp);
}
int KivFreeTriggerResourceControlReq(KivTriggerResourceControlReq** ppsTriggerResourceControlReq) {
    return kivFree(ppsTriggerResourceControlReq);
}
int KivFreeOctets(KivOctets** ppsOctets) {
    return kivFree(ppsOctets);
}
int KivFreeSingleASN1Type(KivSingleASN1Type** ppsSingleASN1Type) {
    return kivFree(ppsSingleASN1Type);
}
