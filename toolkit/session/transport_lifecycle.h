#pragma once
// Ending an association's registration, with what the transport keeps for it.

#include "toolkit/api/kiv_owning.h"

// Removes the association's record; its trace entry stays.
void siEndAssociation(KivAssocId assocId);

// Removes the association's record and its trace entry, as an abort does.
void siAbortAssociation(KivAssocId assocId);
