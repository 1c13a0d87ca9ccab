#pragma once
// The target's association calls: telling the toolkit an accepted connection, registering it as an
// association, answering the association request, answering a release and forgetting the association.
//
// A target registers each accepted connection in this order: KivInitialiseTargetNT with the connection's
// descriptor, then KivReceiveAssociateRequestNT (or KivReceiveAssociateRequest) on the same thread, then
// KivAssociateResponse. Every call returns SI_OK or SI_NOTOK and reports its failure through its last
// argument, releasing a record the caller left there.

#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/association_arguments.h"
#include "toolkit/util/si_error.h"

// An accepted connection, as the target tells it to the toolkit.
struct KivTargetInstance {
    std::optional<std::string> pcInstanceName;   // not read
    std::optional<std::string> pcProtocolStack;  // "TCP" selects TCP; anything else counts as OSI
    std::optional<std::string> pcPortNumber;     // the connection's descriptor in decimal
};

// Not traced. Remembers the descriptor of a TCP instance for the calling thread's next associate request
// (a text that is no number remembers -1) and marks the toolkit's TCP transport active; another stack
// prints "OSI not supported\n" on the standard output and leaves an active transport active. SI_OK.
SIResult KivInitialiseTargetNT(int unused, const KivTargetInstance* instance, SIError** error);

// Not traced; secs is not read. Registers the remembered connection as a target association in
// KIV_TS_ASSOC_INPROGRESS under the caller's id, stored in *outAssocId; hands back the peer's address
// (dotted decimal for IPv4, also for an IPv4-mapped IPv6 peer) and what the association offers (over TCP
// Unknown_Protocol, No_Syntaxes_Provided and no syntaxes). SI_NOTOK, registering nothing: error 8 "A call to
// the system function getpeername() returned error: " (SI_OperatingSystem_Error, id 0, Association_Open)
// when the connection has no peer address; error 7 when an association of that id is registered already.
// Without an active TCP transport it prints "OSI not supported\n" and is SI_OK, registering nothing.
SIResult KivReceiveAssociateRequestNT(KivAssocId assocId, KivAssocId* outAssocId, KivSecs secs,
                                      std::string* peerAddress,
                                      std::unique_ptr<KivProtocolAndSyntaxes>* protocolAndSyntaxes,
                                      SIError** error);

// As KivReceiveAssociateRequestNT with the next id of the process's own count: 1, 2, 3 ... (a number is
// used up also when the call fails).
SIResult KivReceiveAssociateRequest(KivAssocId* outAssocId, KivSecs secs, std::string* peerAddress,
                                    std::unique_ptr<KivProtocolAndSyntaxes>* protocolAndSyntaxes,
                                    SIError** error);

// Traced as "KivAssociateResponse" with the arguments. Accepted (0) applies KIV_TE_IASSOCRESP_TRUE.
// Rejected_Perm or Rejected_Tran (1, 2) closes the connection's descriptor, applies KIV_TE_IASSOCRESP_FALSE
// and forgets the association: the caller must not close the descriptor again. A failed close is error 30,
// the association kept. Any other decision: error 7 "...Diagnostics: Variable eAssociateRsp was of invalid
// type", without exit lines. Accepting before any KivInitialiseTargetNT is error 131 and rejects instead.
// An OSI association prints "OSI not supported\n" (a rejection forgets it).
SIResult KivAssociateResponse(KivAssocId assocId, int32_t eAssociateRsp, SIError** error);

// Traced as "KivReleaseAssociationInfoNT" with the id. Forgets the association's record; an id that is not
// registered changes nothing. The association's trace entry stays. SI_OK.
SIResult KivReleaseAssociationInfoNT(KivAssocId assocId, SIError** error);

// Traced as "KivReleaseResponse" with the arguments. Answers a release indication: a Negative result is
// error 7 "...Diagnostics: Under SR/Z39.50 A Release Request may not be rejected"; otherwise (a null record
// counts as affirmative) KIV_TE_IRELRESP is applied, the connection's descriptor closed (error 30 when that
// fails, the association kept) and the association forgotten.
SIResult KivReleaseResponse(KivAssocId assocId, const KivReleaseRsp* releaseRsp, SIError** error);
