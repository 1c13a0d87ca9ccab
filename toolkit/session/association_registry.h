#pragma once
// The association registry: every association the session layer knows, by id. All routines are safe to call
// from several threads; records are handed out as copies, and changed only through the update routines.

#include <functional>
#include <optional>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/association.h"
#include "toolkit/util/si_error.h"

// Registers a copy of the record. false, changing nothing, when an association of that id is registered
// already. A trace entry left behind by an earlier association of the same id is dropped without a word
// (its file may long be closed), so the new association starts untraced.
bool siAddAssociation(const SIAssociation& record);

// A copy of the association's record; nullopt for an id that is not registered.
std::optional<SIAssociation> siFindAssociation(KivAssocId assocId);

// Removes the association's record; false when the id is not registered. Its trace entry stays.
bool siRemoveAssociation(KivAssocId assocId);

// Removes the association's record and its trace entry, as an abort does. Returns once no writer holds the
// trace any longer. An id that is not registered or traced changes nothing.
void siForgetAssociation(KivAssocId assocId);

// 0 when the association is registered, with *stack (when stack is not null) TCP_Stack for stack flag 1 and
// OSI_Stack for 0. 1 when it is not: error 3 "The association %d is invalid" (SI_Communication_Error); 1 when
// its stack flag is neither: error 4 "Association %d has an invalid stack type" (SI_OperatingSystem_Error).
// Both errors carry the association id and Association_Closed.
int SICheckAssociation(KivAssocId assocId, KivProtocolStack* stack, SIError** error);

// Checks the association as SICheckAssociation does and, when it passes, runs update on its record under the
// registry lock. update must not block nor call back into the session layer.
SIResult siUpdateCheckedAssociation(KivAssocId assocId, SIError** error,
                                    const std::function<void(SIAssociation&)>& update);

// Runs update on the association's record under the registry lock, reporting nothing; false when the id is
// not registered. update must not block nor call back into the session layer.
bool siUpdateAssociation(KivAssocId assocId, const std::function<void(SIAssociation&)>& update);
