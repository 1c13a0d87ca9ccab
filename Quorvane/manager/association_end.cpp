#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/association_slots.h"
#include "Quorvane/manager/message_format.h"
#include "toolkit/session/target_association.h"

namespace {

SIResult forgetAssociation(KivAssocId assocId) {
    SIError* error = nullptr;
    const SIResult result = KivReleaseAssociationInfoNT(assocId, &error);
    SIFreeError(&error);
    return result;
}

}  // namespace

void AssociationSessionFreed(KivAssocId assocId) {
    SlotFree(assocId);
    forgetAssociation(assocId);
}

int AssociationExit(KivAssocId assocId) {
    DropRequests(assocId);
    // Only this thread releases sessions, so a session found here is released now, or by the request that
    // holds it; either way AssociationSessionFreed then forgets the toolkit's association. Until then a
    // running request can still answer and end the association's trace.
    if (FindSession(assocId) == nullptr) return forgetAssociation(assocId);
    ReleaseSession(assocId);
    return SI_OK;
}

void ForcedClose(KivAssocId assocId, ConnectionHost& host) {
    const int left = host.dropConnection(assocId);
    if (left < 0) return;
    LogMessage(formatMessage(
        "Forced connection close because PDU received not allowed. Connections left = %5d", left));
    AssociationExit(assocId);
}

void TimeoutClose(KivAssocId assocId, ConnectionHost& host) {
    const int left = host.dropConnection(assocId);
    if (left < 0) return;
    LogMessage(
        formatMessage("Forced connection close of association %d because of timeout. Connections left = %5d",
                      static_cast<int>(assocId), left));
}
