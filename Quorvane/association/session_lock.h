#pragma once
// The busy mark that serialises the requests of one association, and the release of its session record.
// Every request handler calls LockSession first (returning at once on 0) and UnlockSession last; between
// the two it has the record to itself.

#include <cstdint>

#include "Quorvane/association/session_record.h"
#include "toolkit/api/kiv_owning.h"

// 1 when the caller now holds the session (idle minutes back to 0), 0 when the association has no session
// or it was released while the caller waited. Waits on the record's condition variable while it is busy.
int LockSession(KivAssocId assocId);
// Gives the session back and carries out a release that arrived while it was held.
void UnlockSession(KivAssocId assocId);
// Frees the record and takes it out of the session table; while the record is busy it is only marked and
// UnlockSession frees it. Nothing happens when the association has no session.
void ReleaseSession(KivAssocId assocId);

// One idle-timer tick for the record: a session that is neither busy nor released counts one more idle
// minute, and the new count is answered; otherwise -1 and the count is kept.
std::int32_t CountIdleMinute(SessionRecord& record);
