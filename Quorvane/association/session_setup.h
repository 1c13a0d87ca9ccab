#pragma once
// Building the session record of a newly accepted association.

#include "Quorvane/association/session_record.h"
#include "toolkit/api/kiv_owning.h"

// Builds the association's record and stores it in the session table; the record is busy until the
// set-up has finished. Configuration problems met meanwhile set the configuration-error state, and the
// set-up still finishes. false, with nothing built, when the id already has a session.
bool SessionSetUp(KivAssocId assocId, int socket);

// [InitializeResponse] pcProtocolVersion, pcOptions, ulPreferredMessageSize, ulMaximumMessageSize,
// pcImplementationId, pcImplementationName, pcImplementationVersion, then [ControlFiles]
// pcControlFilesDir, read in this order into the record.
void LoadInitResponseSettings(SessionRecord& record);
