#pragma once
// The argument types of the association calls: how long a call waits, how an association request is
// answered, how a release is answered, and what an accepted association offers.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/association.h"

// Seconds a call may wait: CALL_BLOCKING waits without limit, CALL_ASYNCHRONOUS does not wait.
using KivSecs = long;
inline constexpr KivSecs CALL_BLOCKING = -1;
inline constexpr KivSecs CALL_ASYNCHRONOUS = 0;

enum KivAssociateState : int32_t {
    Associate_Null = 0,
    Associate_Accepted = 1,
    Associate_Rejected = 2,
    Associate_Pending = 3,
};

// A target's decision on an association request.
enum KivAssociateRsp : int32_t {
    Accepted = 0,
    Rejected_Perm = 1,
    Rejected_Tran = 2,
};

enum KivReleaseRspReason : int32_t {
    Normal = 0,
    Not_Finished = 1,
};

enum KivReleaseRspResult : int32_t {
    Affirmative = 0,
    Negative = 1,
};

// A target's answer to a release indication.
struct KivReleaseRsp {
    std::optional<int32_t> peReleaseRspReason;  // a KivReleaseRspReason
    int32_t eReleaseRspResult = Affirmative;    // a KivReleaseRspResult
};

enum KivReleaseState : int32_t {
    Release_Null = 0,
    Release_Accepted = 1,
    Release_Rejected = 2,
    Release_Pending = 3,
};

enum KivAssociateRejectSource : int32_t {
    ACSE_User = 0,
    ACSE_Provider = 1,
};

enum KivAssociateRejectResult : int32_t {
    Rejected_Permanent = 0,
    Rejected_Transient = 1,
};

enum KivAssociateRejectReason : int32_t {
    No_Reason_Given = 0,
    No_Common_ACSE_Version = 1,
    Application_Context_Not_Supported = 2,
};

enum KivApplicationProtocol : int32_t {
    Unknown_Protocol = 0,
    Unidentified_Protocol = 1,
    Z3950_Protocol = 2,
};

enum KivAbstractSyntax : int32_t {
    No_Syntaxes_Provided = 0,
    No_Common_Syntax = 1,
    Common_Syntaxes = 2,
};

// What an association request offers; over TCP both enumerations are 0 and there are no syntaxes.
struct KivProtocolAndSyntaxes {
    std::optional<int32_t> peApplicationProtocol;  // a KivApplicationProtocol
    std::optional<int32_t> peAbstractSyntax;       // a KivAbstractSyntax
    KivArray<std::string> ppcCommonSyntaxes;
};

// How an association request was answered, as its origin learns it.
enum KivAssociateResultType : int32_t {
    ART_ProtocolAndSyntaxes = 1,  // accepted: psProtocolAndSyntaxes
    ART_Reject = 2,               // rejected: sReject
};

struct KivAssociateReject {
    std::optional<int32_t> peRejectSource;  // a KivAssociateRejectSource
    std::optional<int32_t> peRejectResult;  // a KivAssociateRejectResult
    std::optional<int32_t> peRejectReason;  // a KivAssociateRejectReason
};

struct KivAssociateResult {
    int32_t eAssociateResultType = ART_ProtocolAndSyntaxes;
    std::unique_ptr<KivProtocolAndSyntaxes> psProtocolAndSyntaxes;
    KivAssociateReject sReject;
};
