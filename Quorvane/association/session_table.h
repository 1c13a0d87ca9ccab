#pragma once
// The session table: the session record of every live association, keyed by association id. Safe from any
// thread; records are shared, so a waiter in LockSession keeps its record alive after a release.

#include <memory>

#include "Quorvane/association/session_record.h"
#include "toolkit/api/kiv_owning.h"

// Stores the record under its assocId, replacing nothing: answers false (record not stored) when the id
// already has a session.
bool StoreSession(std::shared_ptr<SessionRecord> record);
// The record of the id; null when the association has no session.
std::shared_ptr<SessionRecord> FindSession(KivAssocId assocId);
// Takes the record of the id out of the table and answers it; null when there was none.
std::shared_ptr<SessionRecord> RemoveSession(KivAssocId assocId);

// Called with the association id after its record has been freed (the association manager frees the
// id's slot here). Set once at start-up, before any session exists.
using SessionFreedHook = void (*)(KivAssocId assocId);
void SetSessionFreedHook(SessionFreedHook hook);
void RunSessionFreedHook(KivAssocId assocId);
