#include "Quorvane/association/session_lease.h"

#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_table.h"

SessionLease::SessionLease(KivAssocId assocId) : assocId_(assocId) {
    if (LockSession(assocId) == 0) return;
    session_ = FindSession(assocId);
    if (session_ == nullptr) UnlockSession(assocId);
}

SessionLease::~SessionLease() {
    if (session_ != nullptr) UnlockSession(assocId_);
}
