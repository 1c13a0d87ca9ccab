#include "toolkit/session/state_machine_names.h"

namespace {

constexpr int kNameSize = 32;

constexpr char kTargetStateNames[21][kNameSize] = {
    "",
    "KIV_TS_CLOSED",
    "KIV_TS_ASSOC_INPROGRESS",
    "KIV_TS_ASSOCIATION",
    "KIV_TS_INIT_RECVD",
    "KIV_TS_OPEN",
    "KIV_TS_SEARCH_RECVD",
    "KIV_TS_PRESENT_RECVD",
    "KIV_TS_DELETE_RECVD",
    "KIV_TS_SCAN_RECVD",
    "KIV_TS_RESOURCE_REPORT_RECVD",
    "KIV_TS_SORT_RECVD",
    "KIV_TS_EXTENDED_SERVICE_RECVD",
    "KIV_TS_ARELEASE_REQ_RECVD",
    "KIV_TS_CLOSE_SENT",
    "KIV_TS_CLOSE_RECVD",
    "KIV_TS_ERROR",
    "KIV_TS_DEAD",
    "KIV_TS_ACCCNT_SENT",
    "KIV_TS_RESCNT_SENT",
    "KIV_TS_TRIGRESCNT_RECVD",
};

constexpr char kOriginStateNames[21][kNameSize] = {
    "",
    "KIV_OS_CLOSED",
    "KIV_OS_ASSOCREQ_INPROGRESS",
    "KIV_OS_ASSOCIATION",
    "KIV_OS_INITSENT",
    "KIV_OS_OPEN",
    "KIV_OS_SEARCH_SENT",
    "KIV_OS_PRESENT_SENT",
    "KIV_OS_DELETE_SENT",
    "KIV_OS_SCAN_SENT",
    "KIV_OS_RESOURCE_REPORT_SENT",
    "KIV_OS_SORT_REQUEST_SENT",
    "KIV_OS_EXTENDED_SERVICE_SENT",
    "KIV_OS_RELEASEREQ_SENT",
    "KIV_OS_CLOSE_SENT",
    "KIV_OS_CLOSE_RCVD",
    "KIV_OS_ERROR",
    "KIV_OS_DEAD",
    "KIV_OS_ACCCNT_RCVD",
    "KIV_OS_RESCNT_RCVD",
    "KIV_OS_TRIGRESCNT_SENT",
};

constexpr char kTargetEventNames[35][kNameSize] = {
    "",
    "KIV_TE_AASOCREQ_IND",
    "KIV_TE_IASSOCRESP_TRUE",
    "KIV_TE_IASSOCRESP_FALSE",
    "KIV_TE_INITREQ_PDU",
    "KIV_TE_INITRESP_TRUE",
    "KIV_TE_INITRESP_FALSE",
    "KIV_TE_SEARCHREQ_PDU",
    "KIV_TE_SEARCHRESP",
    "KIV_TE_PRESENTREQ_PDU",
    "KIV_TE_PRESENTRESP",
    "KIV_TE_DELETEREQ_PDU",
    "KIV_TE_DELETERESP",
    "KIV_TE_SCANREQ_PDU",
    "KIV_TE_SCANRESP",
    "KIV_TE_RESOURCEREQ_PDU",
    "KIV_TE_RESOURCERESP",
    "KIV_TE_SORTREQ_PDU",
    "KIV_TE_SORTRESP",
    "KIV_TE_SEGMENTREQ",
    "KIV_TE_EXTENDEDREQ_PDU",
    "KIV_TE_EXTENDEDRESP",
    "KIV_TE_AREL_IND",
    "KIV_TE_IRELRESP",
    "KIV_TE_AABORT_IND",
    "KIV_TE_IABORTREQ",
    "KIV_TE_CLOSEREQ_PDU",
    "KIV_TE_CLOSEREQ",
    "KIV_TE_CLOSERESP",
    "KIV_TE_DECODE_FAILED",
    "KIV_OE_ACCCNTREQ",
    "KIV_OE_ACCCNTRSP_PDU",
    "KIV_OE_RESCNTREQ",
    "KIV_OE_RESCNTRSP_PDU",
    "KIV_OE_TRIGRESCNTREQ_PDU",
};

constexpr char kOriginEventNames[36][kNameSize] = {
    "",
    "KIV_OE_IASSOCREQ",
    "KIV_OE_AASSOCIATERESP_IND_TRUE",
    "KIV_OE_AASSOCIATERESP_IND_FALSE",
    "KIV_OE_INITREQ",
    "KIV_OE_INITRESP_PDU_TRUE",
    "KIV_OE_INITRESP_PDU_FALSE",
    "KIV_OE_SEARCHREQ",
    "KIV_OE_SEARCHRESP_PDU",
    "KIV_OE_PRESENTREQ",
    "KIV_OE_PRESENTRESP_PDU",
    "KIV_OE_DELETEREQ",
    "KIV_OE_DELETERESP_PDU",
    "KIV_OE_SCANREQ",
    "KIV_OE_SCANRESP_PDU",
    "KIV_OE_RESOURCEREQ",
    "KIV_OE_RESOURCERESP_PDU",
    "KIV_OE_SORTREQ",
    "KIV_OE_SORTRESP_PDU",
    "KIV_OE_SEGMENTREQ_PDU",
    "KIV_OE_EXTENDEDREQ",
    "KIV_OE_EXTENDEDRESP_PDU",
    "KIV_OE_IRELREQ",
    "KIV_OE_ARELREQ_IND",
    "KIV_OE_ARELRESP_IND",
    "KIV_OE_AABORT_IND",
    "KIV_OE_IABORTREQ",
    "KIV_OE_CLOSEREQ_PDU",
    "KIV_OE_CLOSEREQ",
    "KIV_OE_CLOSERESP",
    "KIV_OE_DECODE_FAILED",
    "KIV_OE_ACCCNTREQ_PDU",
    "KIV_OE_ACCCNTRSP",
    "KIV_OE_RESCNTREQ_PDU",
    "KIV_OE_RESCNTRSP",
    "KIV_OE_TRIGRESCNTREQ",
};

template <int N>
const char* nameAt(const char (&names)[N][kNameSize], int number) {
    return number >= 1 && number < N ? names[number] : "";
}

}  // namespace

SIMachine siMachineForRole(int role) {
    return role == 1 ? SIMachine::Origin : SIMachine::Target;
}

const char* siStateName(SIMachine machine, int state) {
    return machine == SIMachine::Origin ? nameAt(kOriginStateNames, state) : nameAt(kTargetStateNames, state);
}

const char* siEventName(SIMachine machine, int event) {
    return machine == SIMachine::Origin ? nameAt(kOriginEventNames, event) : nameAt(kTargetEventNames, event);
}
