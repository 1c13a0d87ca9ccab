#include "Quorvane/log/operations_log.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/message_format.h"
#include "Quorvane/session/session_lock.h"
#include "toolkit/session/target_association.h"

int AssociationExit(KivAssocId assocId) {
    ReleaseSession(assocId);
    SIError* error = nullptr;
    const SIResult result = KivReleaseAssociationInfoNT(assocId, &error);
    SIFreeError(&error);
    return result;
}

void ForcedClose(KivAssocId assocId, ConnectionHost& host) {
    const int left = host.dropConnection(assocId);
    if (left < 0) return;
    LogMessage(formatMessage("Forced connection close because PDU received not allowed. Connections left = %5d",
                             left));
    AssociationExit(assocId);
}

void TimeoutClose(KivAssocId assocId, ConnectionHost& host) {
    const int left = host.dropConnection(assocId);
    if (left < 0) return;
    LogMessage(formatMessage("Forced connection close of association %d because of timeout. Connections left = %5d",
                             static_cast<int>(assocId), left));
}
