#pragma once
// Public free routines of the programming-interface structures.
//
// Each takes the address of the caller's pointer, releases the structure with everything it owns, sets the
// pointer to null and returns 0; a null address or a null pointer does nothing. The structure must have been
// allocated with new (std::make_unique<T>().release(), or a received structure handed over by the toolkit).
// Members own their parts, so every member that is set is released, whatever a selector says.

#include "toolkit/api/kiv_forward.h"

int KivFreeTargetPdu(KivTargetPdu** ppsTargetPdu);
int KivFreeOriginPdu(KivOriginPdu** ppsOriginPdu);
int KivFreeInitializeReq(KivInitializeReq** ppsInitializeReq);
int KivFreeInitializeRsp(KivInitializeRsp** ppsInitializeRsp);
int KivFreeSearchReq(KivSearchReq** ppsSearchReq);
int KivFreeSearchRsp(KivSearchRsp** ppsSearchRsp);
int KivFreePresentReq(KivPresentReq** ppsPresentReq);
int KivFreePresentRsp(KivPresentRsp** ppsPresentRsp);
int KivFreeDeleteResultSetReq(KivDeleteResultSetReq** ppsDeleteResultSetReq);
int KivFreeDeleteResultSetRsp(KivDeleteResultSetRsp** ppsDeleteResultSetRsp);
int KivFreeScanReq(KivScanReq** ppsScanReq);
int KivFreeScanRsp(KivScanRsp** ppsScanRsp);
int KivFreeResourceReportReq(KivResourceReportReq** ppsResourceReportReq);
int KivFreeResourceReportRsp(KivResourceReportRsp** ppsResourceReportRsp);
int KivFreeSortReq(KivSortReq** ppsSortReq);
int KivFreeSortRsp(KivSortRsp** ppsSortRsp);
int KivFreeExtendedServicesReq(KivExtendedServicesReq** ppsExtendedServicesReq);
int KivFreeExtendedServicesRsp(KivExtendedServicesRsp** ppsExtendedServicesRsp);
int KivFreeSegmentReq(KivSegmentReq** ppsSegmentReq);
int KivFreeClose(KivClose** ppsClose);
int KivFreeAccessControlReq(KivAccessControlReq** ppsAccessControlReq);
int KivFreeAccessControlRsp(KivAccessControlRsp** ppsAccessControlRsp);
int KivFreeResourceControlReq(KivResourceControlReq** ppsResourceControlReq);
int KivFreeResourceControlRsp(KivResourceControlRsp** ppsResourceControlRsp);
int KivFreeTriggerResourceControlReq(KivTriggerResourceControlReq** ppsTriggerResourceControlReq);
int KivFreeOctets(KivOctets** ppsOctets);

// The content of a single-ASN1-type EXTERNAL with the carried structure it holds.
int KivFreeSingleASN1Type(KivSingleASN1Type** ppsSingleASN1Type);
