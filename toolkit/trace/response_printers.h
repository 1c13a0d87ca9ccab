#pragma once
// Printers of the response APDUs and of the Close APDU (one structure for either direction). Each writes a
// heading line, then the fields in the order of the structure.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintInitializeRsp(std::FILE* file, const KivInitializeRsp* psInitializeRsp);
void KivPrintSearchRsp(std::FILE* file, const KivSearchRsp* psSearchRsp);
void KivPrintPresentRsp(std::FILE* file, const KivPresentRsp* psPresentRsp);
void KivPrintDeleteResultSetRsp(std::FILE* file, const KivDeleteResultSetRsp* psDeleteResultSetRsp);
void KivPrintResourceReportRsp(std::FILE* file, const KivResourceReportRsp* psResourceReportRsp);
void KivPrintSortRsp(std::FILE* file, const KivSortRsp* psSortRsp);
void KivPrintExtendedServicesRsp(std::FILE* file, const KivExtendedServicesRsp* psExtendedServicesRsp);
void KivPrintClose(std::FILE* file, const KivClose* psClose);
