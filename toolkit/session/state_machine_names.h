#pragma once
// The states and events of the two association machines, and the names that traces and error messages
// print for them.

#include <cstdint>

// Which machine an association runs.
enum class SIMachine { Target, Origin };

// The origin machine for role 1, the target machine for any other role.
SIMachine siMachineForRole(int role);

enum KivTargetState : int32_t {
    KIV_TS_CLOSED = 1,
    KIV_TS_ASSOC_INPROGRESS = 2,
    KIV_TS_ASSOCIATION = 3,
    KIV_TS_INIT_RECVD = 4,
    KIV_TS_OPEN = 5,
    KIV_TS_SEARCH_RECVD = 6,
    KIV_TS_PRESENT_RECVD = 7,
    KIV_TS_DELETE_RECVD = 8,
    KIV_TS_SCAN_RECVD = 9,
    KIV_TS_RESOURCE_REPORT_RECVD = 10,
    KIV_TS_SORT_RECVD = 11,
    KIV_TS_EXTENDED_SERVICE_RECVD = 12,
    KIV_TS_ARELEASE_REQ_RECVD = 13,
    KIV_TS_CLOSE_SENT = 14,
    KIV_TS_CLOSE_RECVD = 15,
    KIV_TS_ERROR = 16,
    KIV_TS_DEAD = 17,
    KIV_TS_ACCCNT_SENT = 18,
    KIV_TS_RESCNT_SENT = 19,
    KIV_TS_TRIGRESCNT_RECVD = 20,
};

enum KivOriginState : int32_t {
    KIV_OS_CLOSED = 1,
    KIV_OS_ASSOCREQ_INPROGRESS = 2,
    KIV_OS_ASSOCIATION = 3,
    KIV_OS_INITSENT = 4,
    KIV_OS_OPEN = 5,
    KIV_OS_SEARCH_SENT = 6,
    KIV_OS_PRESENT_SENT = 7,
    KIV_OS_DELETE_SENT = 8,
    KIV_OS_SCAN_SENT = 9,
    KIV_OS_RESOURCE_REPORT_SENT = 10,
    KIV_OS_SORT_REQUEST_SENT = 11,
    KIV_OS_EXTENDED_SERVICE_SENT = 12,
    KIV_OS_RELEASEREQ_SENT = 13,
    KIV_OS_CLOSE_SENT = 14,
    KIV_OS_CLOSE_RCVD = 15,
    KIV_OS_ERROR = 16,
    KIV_OS_DEAD = 17,
    KIV_OS_ACCCNT_RCVD = 18,
    KIV_OS_RESCNT_RCVD = 19,
    KIV_OS_TRIGRESCNT_SENT = 20,
};

// Events 30 to 34 of the target machine carry the origin prefix.
enum KivTargetEvent : int32_t {
    KIV_TE_AASOCREQ_IND = 1,
    KIV_TE_IASSOCRESP_TRUE = 2,
    KIV_TE_IASSOCRESP_FALSE = 3,
    KIV_TE_INITREQ_PDU = 4,
    KIV_TE_INITRESP_TRUE = 5,
    KIV_TE_INITRESP_FALSE = 6,
    KIV_TE_SEARCHREQ_PDU = 7,
    KIV_TE_SEARCHRESP = 8,
    KIV_TE_PRESENTREQ_PDU = 9,
    KIV_TE_PRESENTRESP = 10,
    KIV_TE_DELETEREQ_PDU = 11,
    KIV_TE_DELETERESP = 12,
    KIV_TE_SCANREQ_PDU = 13,
    KIV_TE_SCANRESP = 14,
    KIV_TE_RESOURCEREQ_PDU = 15,
    KIV_TE_RESOURCERESP = 16,
    KIV_TE_SORTREQ_PDU = 17,
    KIV_TE_SORTRESP = 18,
    KIV_TE_SEGMENTREQ = 19,
    KIV_TE_EXTENDEDREQ_PDU = 20,
    KIV_TE_EXTENDEDRESP = 21,
    KIV_TE_AREL_IND = 22,
    KIV_TE_IRELRESP = 23,
    KIV_TE_AABORT_IND = 24,
    KIV_TE_IABORTREQ = 25,
    KIV_TE_CLOSEREQ_PDU = 26,
    KIV_TE_CLOSEREQ = 27,
    KIV_TE_CLOSERESP = 28,
    KIV_TE_DECODE_FAILED = 29,
    KIV_OE_ACCCNTREQ = 30,
    KIV_OE_ACCCNTRSP_PDU = 31,
    KIV_OE_RESCNTREQ = 32,
    KIV_OE_RESCNTRSP_PDU = 33,
    KIV_OE_TRIGRESCNTREQ_PDU = 34,
};

enum KivOriginEvent : int32_t {
    KIV_OE_IASSOCREQ = 1,
    KIV_OE_AASSOCIATERESP_IND_TRUE = 2,
    KIV_OE_AASSOCIATERESP_IND_FALSE = 3,
    KIV_OE_INITREQ = 4,
    KIV_OE_INITRESP_PDU_TRUE = 5,
    KIV_OE_INITRESP_PDU_FALSE = 6,
    KIV_OE_SEARCHREQ = 7,
    KIV_OE_SEARCHRESP_PDU = 8,
    KIV_OE_PRESENTREQ = 9,
    KIV_OE_PRESENTRESP_PDU = 10,
    KIV_OE_DELETEREQ = 11,
    KIV_OE_DELETERESP_PDU = 12,
    KIV_OE_SCANREQ = 13,
    KIV_OE_SCANRESP_PDU = 14,
    KIV_OE_RESOURCEREQ = 15,
    KIV_OE_RESOURCERESP_PDU = 16,
    KIV_OE_SORTREQ = 17,
    KIV_OE_SORTRESP_PDU = 18,
    KIV_OE_SEGMENTREQ_PDU = 19,
    KIV_OE_EXTENDEDREQ = 20,
    KIV_OE_EXTENDEDRESP_PDU = 21,
    KIV_OE_IRELREQ = 22,
    KIV_OE_ARELREQ_IND = 23,
    KIV_OE_ARELRESP_IND = 24,
    KIV_OE_AABORT_IND = 25,
    KIV_OE_IABORTREQ = 26,
    KIV_OE_CLOSEREQ_PDU = 27,
    KIV_OE_CLOSEREQ = 28,
    KIV_OE_CLOSERESP = 29,
    KIV_OE_DECODE_FAILED = 30,
    KIV_OE_ACCCNTREQ_PDU = 31,
    KIV_OE_ACCCNTRSP = 32,
    KIV_OE_RESCNTREQ_PDU = 33,
    KIV_OE_RESCNTRSP = 34,
    KIV_OE_TRIGRESCNTREQ = 35,
};

inline constexpr int kSILastState = 20;
inline constexpr int kSILastTargetEvent = KIV_OE_TRIGRESCNTREQ_PDU;
inline constexpr int kSILastOriginEvent = KIV_OE_TRIGRESCNTREQ;

// The name of a state or an event of the machine; an empty text for a number outside 1 to the last.
const char* siStateName(SIMachine machine, int state);
const char* siEventName(SIMachine machine, int event);
