#pragma once
// State events of registered associations: each association runs its own machine (the origin machine for
// role 1, the target machine otherwise), kept in its record.

#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// Applies the event to the association's machine. 0 when the event is accepted (or SIStateChecking is 0);
// 1 when the association fails the check (error 3 or 4) or the event is refused (error 80 or 81, see
// siReportStateEvent). A traced event then writes "TARGET EVENT is: %s\n" and "Current TARGET STATE is:
// %s\n" (ORIGIN for an origin association) to the association's trace at line level Trace_Low.
int SIStateEvent(KivAssocId assocId, int event, SIError** error);

// Sets the association's state directly. An unknown id changes nothing; its error is written down and
// handed to nobody.
void SISetState(KivAssocId assocId, int state);

// The association's state; 16 (ERROR) for an unknown id, whose error is written down and handed to nobody.
int SIGetState(KivAssocId assocId);

// Stores fResponseRequired of the resource-control request about to be sent on the association: without a
// required response the request's event leaves the state alone. An unknown id changes nothing.
void siSetResourceControlResponseRequired(KivAssocId assocId, int responseRequired);
