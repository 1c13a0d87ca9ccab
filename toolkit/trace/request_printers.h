#pragma once
// Printers of the request APDUs (the Sort request has its own file). Each writes a heading line, then the
// fields in the order of the structure.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintInitializeReq(std::FILE* file, const KivInitializeReq* psInitializeReq);
void KivPrintSearchReq(std::FILE* file, const KivSearchReq* psSearchReq);
void KivPrintPresentReq(std::FILE* file, const KivPresentReq* psPresentReq);
void KivPrintDeleteResultSetReq(std::FILE* file, const KivDeleteResultSetReq* psDeleteResultSetReq);
void KivPrintResourceReportReq(std::FILE* file, const KivResourceReportReq* psResourceReportReq);
void KivPrintScanReq(std::FILE* file, const KivScanReq* psScanReq);
void KivPrintSegmentReq(std::FILE* file, const KivSegmentReq* psSegmentReq);
void KivPrintExtendedServicesReq(std::FILE* file, const KivExtendedServicesReq* psExtendedServicesReq);
