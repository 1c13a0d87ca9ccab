#include <memory>
#include <string>

#include "Quorvane/association/address_allow_list.h"
#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_setup.h"
#include "Quorvane/config/config_error_state.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/association_slots.h"
#include "toolkit/session/state_machine.h"
#include "toolkit/session/target_association.h"

namespace {

// Tells the toolkit the decision; a refusal closes the connection's descriptor.
SIResult answerAssociation(KivAssocId assocId, KivAssociateRsp decision) {
    SIError* error = nullptr;
    const SIResult result = KivAssociateResponse(assocId, decision, &error);
    SIFreeError(&error);
    return result;
}

NewAssociationResult refuse(KivAssocId assocId) {
    answerAssociation(assocId, Rejected_Perm);
    // A refusal whose close failed leaves the toolkit's record behind; the descriptor is not ours either way.
    SIError* error = nullptr;
    KivReleaseAssociationInfoNT(assocId, &error);
    SIFreeError(&error);
    return {AssociationOutcome::Refused, 0};
}

}  // namespace

NewAssociationResult NewAssociation(int socketHandle, KivAssocId connectionNumber) {
    SIError* error = nullptr;
    const KivTargetInstance instance{"Slave Instance", "TCP", std::to_string(socketHandle)};
    KivInitialiseTargetNT(3, &instance, &error);
    SIStateChecking = 1;

    KivAssocId assocId = 0;
    std::string peerAddress;
    std::unique_ptr<KivProtocolAndSyntaxes> offered;
    const SIResult registered = KivReceiveAssociateRequestNT(connectionNumber, &assocId, CALL_BLOCKING,
                                                             &peerAddress, &offered, &error);
    SIFreeError(&error);
    if (registered != SI_OK || assocId == 0) return {AssociationOutcome::NotRegistered, 0};

    if (AllowListCheck(peerAddress) == 1) return refuse(assocId);
    // Checked before a slot is taken, so a refused association keeps none.
    if (refuseConnectionOnConfigError() || SlotTake(assocId) == 0) return refuse(assocId);
    if (!SessionSetUp(assocId, socketHandle)) {
        SlotFree(assocId);
        return refuse(assocId);
    }
    if (configErrorIsSet()) {
        // The refusal closes the descriptor while the toolkit still knows the association; the session
        // goes after it.
        const NewAssociationResult refused = refuse(assocId);
        ReleaseSession(assocId);
        return refused;
    }
    if (answerAssociation(assocId, Accepted) != SI_OK) {
        ReleaseSession(assocId);
        return {AssociationOutcome::NotRegistered, 0};
    }
    return {AssociationOutcome::Accepted, assocId};
}
