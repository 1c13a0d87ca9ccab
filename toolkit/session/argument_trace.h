#pragma once
// The argument lines that association calls write to the association's trace after "\nInput Function
// Arguments\n", all at line level Trace_High. A value line is the argument's prefix, the constant's name
// (or "Unknown/Invalid") and "\n", for example "\tKivProtocolStack: TCP_Stack\n"; an absent value writes the
// prefix and "NULL\n".

#include <cstdint>
#include <optional>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/association_arguments.h"

// "\tKivAssocId: %d\n".
void SITraceAssocId(KivAssocId value, KivAssocId assocId);
// "\tKivSecs: CALL_BLOCKING\n" for -1, "\tKivSecs: CALL_ASYNCHRONOUS\n" for 0, else "\tKivSecs: %d\n".
void SITraceSecs(KivSecs secs, KivAssocId assocId);
// "\tKivAssociateState: " with Associate_Null ... Associate_Pending.
void SITraceAssociateState(std::optional<int32_t> state, KivAssocId assocId);
// "\tKivAssociateRsp: " with Accepted, Rejected_Perm or Rejected_Tran.
void SITraceAssociateRsp(int32_t rsp, KivAssocId assocId);
// "\tKivReleaseRsp: NULL\n" for no record; else the reason ("psReleaseRsp->peReleaseRspReason: " with Normal
// or Not_Finished, "\tKivReleaseRsp->peReleaseRspReason: NULL\n" when absent) and the result
// ("psReleaseRsp->eReleaseRspResult: " with Affirmative or Negative).
void SITraceReleaseRsp(const KivReleaseRsp* rsp, KivAssocId assocId);
// "\tKivAssociateRejectSource: " with ACSE_User or ACSE_Provider.
void SITraceAssociateRejectSource(std::optional<int32_t> source, KivAssocId assocId);
// "\tKivAssociateRejectResult: " with Rejected_Permanent or Rejected_Transient.
void SITraceAssociateRejectResult(std::optional<int32_t> result, KivAssocId assocId);
// "\tKivAssociateRejectReason: " with No_Reason_Given, No_Common_ACSE_Version or
// Application_Context_Not_Supported.
void SITraceAssociateRejectReason(std::optional<int32_t> reason, KivAssocId assocId);
// "\tKivReleaseState: " with Release_Null ... Release_Pending.
void SITraceReleaseState(std::optional<int32_t> state, KivAssocId assocId);
// "\tKivProtocolStack: " with Unknown_Stack, OSI_Stack or TCP_Stack.
void SITraceProtocolStack(std::optional<int32_t> stack, KivAssocId assocId);
// An accepted result: a three-line heading naming psProtocolAndSyntaxes' fields, "\tKivApplicationProtocol: "
// and "\tKivAbstractSyntax: " lines, then "\t%s\n" per common syntax or "NULL\n" without a list. A rejected
// one: "\tKivAssociateResult\n" and the three reject lines. No result, or another type:
// "\tAssociateResult: NULL\n".
void SITraceAssociateResult(const KivAssociateResult* result, KivAssocId assocId);
