#pragma once
// The field-by-field printers of the programming-interface APDU records. Each writes a heading line and then
// the record's fields, one per line, to the open file it is given, and nothing else: it must not call back
// into the session layer, which holds the association's trace while a printer runs. A null record must not
// crash a printer.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintInitializeReq(FILE* file, const KivInitializeReq* record);
void KivPrintInitializeRsp(FILE* file, const KivInitializeRsp* record);
void KivPrintSearchReq(FILE* file, const KivSearchReq* record);
void KivPrintSearchRsp(FILE* file, const KivSearchRsp* record);
void KivPrintPresentReq(FILE* file, const KivPresentReq* record);
void KivPrintPresentRsp(FILE* file, const KivPresentRsp* record);
void KivPrintDeleteResultSetReq(FILE* file, const KivDeleteResultSetReq* record);
void KivPrintDeleteResultSetRsp(FILE* file, const KivDeleteResultSetRsp* record);
void KivPrintResourceReportReq(FILE* file, const KivResourceReportReq* record);
void KivPrintResourceReportRsp(FILE* file, const KivResourceReportRsp* record);
void KivPrintScanReq(FILE* file, const KivScanReq* record);
void KivPrintScanRsp(FILE* file, const KivScanRsp* record);
void KivPrintSortReq(FILE* file, const KivSortReq* record);
void KivPrintSortRsp(FILE* file, const KivSortRsp* record);
void KivPrintSegmentReq(FILE* file, const KivSegmentReq* record);
void KivPrintExtendedServicesReq(FILE* file, const KivExtendedServicesReq* record);
void KivPrintExtendedServicesRsp(FILE* file, const KivExtendedServicesRsp* record);
// The Close record in either direction.
void KivPrintClose(FILE* file, const KivClose* record);
void KivPrintAccessControlReq(FILE* file, const KivAccessControlReq* record);
void KivPrintAccessControlRsp(FILE* file, const KivAccessControlRsp* record);
void KivPrintResourceControlReq(FILE* file, const KivResourceControlReq* record);
void KivPrintResourceControlRsp(FILE* file, const KivResourceControlRsp* record);
void KivPrintTriggerResourceControlReq(FILE* file, const KivTriggerResourceControlReq* record);
// "Invalid PDU:" and a hexadecimal dump of the octets.
void KivPrintInvalidApdu(FILE* file, const KivInvalidAPDU* record);
