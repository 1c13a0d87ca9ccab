#include "toolkit/session/pdu_trace.h"

#include <cstdio>

#include "toolkit/session/pdu_printers.h"
#include "toolkit/session/trace_registry.h"

namespace {

constexpr const char* kRule = "----------------------------------------\n";

template <typename Record>
void tracePdu(KivAssocId assocId, const char* title, void (*printer)(FILE*, const Record*),
              const Record* record) {
    siWithTrace(assocId, [&](const SITraceSink& sink) {
        sink.write(Trace_High, kRule);
        sink.write(Trace_High, title);
        sink.write(Trace_High, "\n");
        if (sink.level() == Trace_High) {
            printer(sink.file(), record);
        } else {
            sink.write(Trace_High, "PDU fields are only displayed for trace level Trace_High\n");
        }
        sink.write(Trace_High, kRule);
    });
}

}  // namespace

void SITracePduInitializeReq(KivAssocId assocId, const KivInitializeReq* record) {
    tracePdu(assocId, "## InitializeReq PDU ##\n", KivPrintInitializeReq, record);
}

void SITracePduInitializeRsp(KivAssocId assocId, const KivInitializeRsp* record) {
    tracePdu(assocId, "## InitializeRsp PDU ##\n", KivPrintInitializeRsp, record);
}

void SITracePduSearchReq(KivAssocId assocId, const KivSearchReq* record) {
    tracePdu(assocId, "## SearchReq PDU ##\n", KivPrintSearchReq, record);
}

void SITracePduSearchRsp(KivAssocId assocId, const KivSearchRsp* record) {
    tracePdu(assocId, "## SearchRsp PDU ##\n", KivPrintSearchRsp, record);
}

void SITracePduPresentReq(KivAssocId assocId, const KivPresentReq* record) {
    tracePdu(assocId, "## PresentReq PDU ##\n", KivPrintPresentReq, record);
}

void SITracePduPresentRsp(KivAssocId assocId, const KivPresentRsp* record) {
    tracePdu(assocId, "## PresentRsp PDU ##\n", KivPrintPresentRsp, record);
}

void SITracePduDeleteResultSetReq(KivAssocId assocId, const KivDeleteResultSetReq* record) {
    tracePdu(assocId, "## DeleteResultSetReq PDU ##\n", KivPrintDeleteResultSetReq, record);
}

void SITracePduDeleteResultSetRsp(KivAssocId assocId, const KivDeleteResultSetRsp* record) {
    tracePdu(assocId, "## DeleteResultSetRsp PDU ##\n", KivPrintDeleteResultSetRsp, record);
}

void SITracePduResourceReportReq(KivAssocId assocId, const KivResourceReportReq* record) {
    tracePdu(assocId, "## ResourceReportReq PDU ##\n", KivPrintResourceReportReq, record);
}

void SITracePduResourceReportRsp(KivAssocId assocId, const KivResourceReportRsp* record) {
    tracePdu(assocId, "## ResourceReportRsp PDU ##\n", KivPrintResourceReportRsp, record);
}

void SITracePduScanReq(KivAssocId assocId, const KivScanReq* record) {
    tracePdu(assocId, "## ScanReq PDU ##\n", KivPrintScanReq, record);
}

void SITracePduScanRsp(KivAssocId assocId, const KivScanRsp* record) {
    tracePdu(assocId, "## ScanRsp PDU ##\n", KivPrintScanRsp, record);
}

void SITracePduSortReq(KivAssocId assocId, const KivSortReq* record) {
    tracePdu(assocId, "## SortReq PDU ##\n", KivPrintSortReq, record);
}

void SITracePduSortRsp(KivAssocId assocId, const KivSortRsp* record) {
    tracePdu(assocId, "## SortRsp PDU ##\n", KivPrintSortRsp, record);
}

void SITracePduSegmentReq(KivAssocId assocId, const KivSegmentReq* record) {
    tracePdu(assocId, "## SegmentReq PDU ##\n", KivPrintSegmentReq, record);
}

void SITracePduExtendedServicesReq(KivAssocId assocId, const KivExtendedServicesReq* record) {
    tracePdu(assocId, "## ExtendedServicesReq PDU ##\n", KivPrintExtendedServicesReq, record);
}

void SITracePduExtendedServicesRsp(KivAssocId assocId, const KivExtendedServicesRsp* record) {
    tracePdu(assocId, "## ExtendedServicesRsp PDU ##\n", KivPrintExtendedServicesRsp, record);
}

void SITracePduCloseReq(KivAssocId assocId, const KivClose* record) {
    tracePdu(assocId, "## Close 'CloseReq' PDU ##\n", KivPrintClose, record);
}

void SITracePduCloseRsp(KivAssocId assocId, const KivClose* record) {
    tracePdu(assocId, "## Close 'CloseRsp' PDU ##\n", KivPrintClose, record);
}

void SITracePduInvalidAPDU(KivAssocId assocId, const KivInvalidAPDU* record) {
    tracePdu(assocId, "## psInvalidAPDU PDU ##\n", KivPrintInvalidApdu, record);
}

void SITracePduAccessControlReq(KivAssocId assocId, const KivAccessControlReq* record) {
    tracePdu(assocId, "## AccessControlReq PDU ##\n", KivPrintAccessControlReq, record);
}

void SITracePduAccessControlRsp(KivAssocId assocId, const KivAccessControlRsp* record) {
    tracePdu(assocId, "## AccessControlRsp PDU ##\n", KivPrintAccessControlRsp, record);
}

void SITracePduResourceControlReq(KivAssocId assocId, const KivResourceControlReq* record) {
    tracePdu(assocId, "## ResourceControlReq PDU ##\n", KivPrintResourceControlReq, record);
}

void SITracePduResourceControlRsp(KivAssocId assocId, const KivResourceControlRsp* record) {
    tracePdu(assocId, "## ResourceControlRsp PDU ##\n", KivPrintResourceControlRsp, record);
}

void SITracePduTriggerResourceControlReq(KivAssocId assocId, const KivTriggerResourceControlReq* record) {
    tracePdu(assocId, "## TriggerResourceControlReq PDU ##\n", KivPrintTriggerResourceControlReq, record);
}

bool siTraceNewLine(FILE* file) {
    return file != nullptr && std::fputs("\n", file) >= 0;
}
