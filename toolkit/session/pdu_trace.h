#pragma once
// The APDU blocks of an association's trace: one wrapper per programming-interface record. Each writes, at
// line level Trace_High, a rule of 40 hyphens, its title line (for example "## SearchReq PDU ##\n") and an
// empty line; at Trace_High the record's printer then writes the fields; at any other level above Trace_Low
// the line "PDU fields are only displayed for trace level Trace_High\n" stands in for them; the rule closes
// the block. A Trace_Low trace receives none of it. The block is written whole: no other line of the
// association comes between its lines. The caller writes "\nSending the following PDU:\n" or "\nReceived the
// following PDU:\n" before it.

#include <cstdio>

#include "toolkit/api/kiv_forward.h"
#include "toolkit/api/kiv_owning.h"

void SITracePduInitializeReq(KivAssocId assocId, const KivInitializeReq* record);
void SITracePduInitializeRsp(KivAssocId assocId, const KivInitializeRsp* record);
void SITracePduSearchReq(KivAssocId assocId, const KivSearchReq* record);
void SITracePduSearchRsp(KivAssocId assocId, const KivSearchRsp* record);
void SITracePduPresentReq(KivAssocId assocId, const KivPresentReq* record);
void SITracePduPresentRsp(KivAssocId assocId, const KivPresentRsp* record);
void SITracePduDeleteResultSetReq(KivAssocId assocId, const KivDeleteResultSetReq* record);
void SITracePduDeleteResultSetRsp(KivAssocId assocId, const KivDeleteResultSetRsp* record);
void SITracePduResourceReportReq(KivAssocId assocId, const KivResourceReportReq* record);
void SITracePduResourceReportRsp(KivAssocId assocId, const KivResourceReportRsp* record);
void SITracePduScanReq(KivAssocId assocId, const KivScanReq* record);
void SITracePduScanRsp(KivAssocId assocId, const KivScanRsp* record);
void SITracePduSortReq(KivAssocId assocId, const KivSortReq* record);
void SITracePduSortRsp(KivAssocId assocId, const KivSortRsp* record);
void SITracePduSegmentReq(KivAssocId assocId, const KivSegmentReq* record);
void SITracePduExtendedServicesReq(KivAssocId assocId, const KivExtendedServicesReq* record);
void SITracePduExtendedServicesRsp(KivAssocId assocId, const KivExtendedServicesRsp* record);
// "## Close 'CloseReq' PDU ##\n": a Close sent to start the closing, or received as type 8.
void SITracePduCloseReq(KivAssocId assocId, const KivClose* record);
// "## Close 'CloseRsp' PDU ##\n": a Close sent in answer, or received as type 9.
void SITracePduCloseRsp(KivAssocId assocId, const KivClose* record);
// "## psInvalidAPDU PDU ##\n".
void SITracePduInvalidAPDU(KivAssocId assocId, const KivInvalidAPDU* record);
void SITracePduAccessControlReq(KivAssocId assocId, const KivAccessControlReq* record);
void SITracePduAccessControlRsp(KivAssocId assocId, const KivAccessControlRsp* record);
void SITracePduResourceControlReq(KivAssocId assocId, const KivResourceControlReq* record);
void SITracePduResourceControlRsp(KivAssocId assocId, const KivResourceControlRsp* record);
void SITracePduTriggerResourceControlReq(KivAssocId assocId, const KivTriggerResourceControlReq* record);

// Writes an empty line ("\n") to the file: true when written; false for a null file or a failed write.
bool siTraceNewLine(FILE* file);
