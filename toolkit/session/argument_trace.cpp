#include "toolkit/session/argument_trace.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "toolkit/session/trace_registry.h"

namespace {

using Names = std::initializer_list<const char*>;

void writeArgument(KivAssocId assocId, const std::string& line) {
    SITraceWrite(assocId, Trace_High, line);
}

std::string valueLine(std::string_view prefix, Names names, long value) {
    const bool named = value >= 0 && static_cast<size_t>(value) < names.size();
    return std::string(prefix) + (named ? names.begin()[value] : "Unknown/Invalid") + "\n";
}

std::string optionalLine(std::string_view prefix, Names names, std::optional<int32_t> value) {
    return value ? valueLine(prefix, names, *value) : std::string(prefix) + "NULL\n";
}

const Names kRejectSources = {"ACSE_User", "ACSE_Provider"};
const Names kRejectResults = {"Rejected_Permanent", "Rejected_Transient"};
const Names kRejectReasons = {"No_Reason_Given", "No_Common_ACSE_Version",
                              "Application_Context_Not_Supported"};

void traceProtocolAndSyntaxes(const KivProtocolAndSyntaxes* offered, KivAssocId assocId) {
    writeArgument(assocId,
                  "\nAssociateResult.psProtocolAndSyntaxes->peApplicationProtocol\n"
                  "   AssociateResult.psProtocolAndSyntaxes->peAbstractSyntax\n"
                  "   AssociateResult.psProtocolAndSyntaxes->ppcCommonSyntaxes\n");
    const KivProtocolAndSyntaxes none;
    if (offered == nullptr) offered = &none;
    writeArgument(assocId, optionalLine("\tKivApplicationProtocol: ",
                                        {"Unknown_Protocol", "Unidentified_Protocol", "Z3950_Protocol",
                                         "Z3950_Protocol"},
                                        offered->peApplicationProtocol));
    writeArgument(assocId, optionalLine("\tKivAbstractSyntax: ",
                                        {"No_Syntaxes_Provided", "No_Common_Syntax", "Common_Syntaxes"},
                                        offered->peAbstractSyntax));
    if (!offered->ppcCommonSyntaxes) {
        writeArgument(assocId, "NULL\n");
        return;
    }
    for (const std::string& syntax : offered->ppcCommonSyntaxes) writeArgument(assocId, "\t" + syntax + "\n");
}

}  // namespace

void SITraceAssocId(KivAssocId value, KivAssocId assocId) {
    writeArgument(assocId, "\tKivAssocId: " + std::to_string(value) + "\n");
}

void SITraceSecs(KivSecs secs, KivAssocId assocId) {
    switch (secs) {
        case CALL_BLOCKING:
            writeArgument(assocId, "\tKivSecs: CALL_BLOCKING\n");
            return;
        case CALL_ASYNCHRONOUS:
            writeArgument(assocId, "\tKivSecs: CALL_ASYNCHRONOUS\n");
            return;
    }
    writeArgument(assocId, "\tKivSecs: " + std::to_string(secs) + "\n");
}

void SITraceAssociateState(std::optional<int32_t> state, KivAssocId assocId) {
    writeArgument(assocId, optionalLine("\tKivAssociateState: ",
                                        {"Associate_Null", "Associate_Accepted", "Associate_Rejected",
                                         "Associate_Pending"},
                                        state));
}

void SITraceAssociateRsp(int32_t rsp, KivAssocId assocId) {
    writeArgument(assocId,
                  valueLine("\tKivAssociateRsp: ", {"Accepted", "Rejected_Perm", "Rejected_Tran"}, rsp));
}

void SITraceReleaseRsp(const KivReleaseRsp* rsp, KivAssocId assocId) {
    if (rsp == nullptr) {
        writeArgument(assocId, "\tKivReleaseRsp: NULL\n");
        return;
    }
    writeArgument(assocId, rsp->peReleaseRspReason
                               ? valueLine("psReleaseRsp->peReleaseRspReason: ", {"Normal", "Not_Finished"},
                                           *rsp->peReleaseRspReason)
                               : std::string("\tKivReleaseRsp->peReleaseRspReason: NULL\n"));
    writeArgument(assocId, valueLine("psReleaseRsp->eReleaseRspResult: ", {"Affirmative", "Negative"},
                                     rsp->eReleaseRspResult));
}

void SITraceAssociateRejectSource(std::optional<int32_t> source, KivAssocId assocId) {
    writeArgument(assocId, optionalLine("\tKivAssociateRejectSource: ", kRejectSources, source));
}

void SITraceAssociateRejectResult(std::optional<int32_t> result, KivAssocId assocId) {
    writeArgument(assocId, optionalLine("\tKivAssociateRejectResult: ", kRejectResults, result));
}

void SITraceAssociateRejectReason(std::optional<int32_t> reason, KivAssocId assocId) {
    writeArgument(assocId, optionalLine("\tKivAssociateRejectReason: ", kRejectReasons, reason));
}

void SITraceReleaseState(std::optional<int32_t> state, KivAssocId assocId) {
    writeArgument(
        assocId,
        optionalLine("\tKivReleaseState: ",
                     {"Release_Null", "Release_Accepted", "Release_Rejected", "Release_Pending"}, state));
}

void SITraceProtocolStack(std::optional<int32_t> stack, KivAssocId assocId) {
    writeArgument(assocId,
                  optionalLine("\tKivProtocolStack: ", {"Unknown_Stack", "OSI_Stack", "TCP_Stack"}, stack));
}

void SITraceAssociateResult(const KivAssociateResult* result, KivAssocId assocId) {
    const int32_t type = result != nullptr ? result->eAssociateResultType : 0;
    switch (type) {
        case ART_ProtocolAndSyntaxes:
            traceProtocolAndSyntaxes(result->psProtocolAndSyntaxes.get(), assocId);
            return;
        case ART_Reject:
            writeArgument(assocId, "\tKivAssociateResult\n");
            SITraceAssociateRejectSource(result->sReject.peRejectSource, assocId);
            SITraceAssociateRejectResult(result->sReject.peRejectResult, assocId);
            SITraceAssociateRejectReason(result->sReject.peRejectReason, assocId);
            return;
    }
    writeArgument(assocId, "\tAssociateResult: NULL\n");
}
