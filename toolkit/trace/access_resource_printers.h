#pragma once
// Printers of the access-control and resource-control APDUs.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"

void KivPrintAccessControlReq(std::FILE* file, const KivAccessControlReq* psAccessControlReq);
void KivPrintAccessControlRsp(std::FILE* file, const KivAccessControlRsp* psAccessControlRsp);
void KivPrintResourceControlReq(std::FILE* file, const KivResourceControlReq* psResourceControlReq);
void KivPrintResourceControlRsp(std::FILE* file, const KivResourceControlRsp* psResourceControlRsp);
void KivPrintTriggerResourceControlReq(std::FILE* file,
                                       const KivTriggerResourceControlReq* psTriggerResourceControlReq);
