#pragma once
// The association state machines: the part of an association's record that follows its machine, and the
// steps of a state event over it. Each public call and each received APDU is an event; a refused event stops
// the call.
//
// The association registry builds its routines from these steps. SIStateEvent (id, event, error):
//   1. while SIStateChecking is 0, return 0;
//   2. check the association (errors 3 and 4, result 1);
//   3. under the registry lock: transition = siApplyStateEvent(record's machine, siMachineForRole(role),
//   event);
//   4. after letting go of the lock: result = siReportStateEvent(id, transition, error), then each line of
//      siStateEventTraceLines(transition) to the association's trace at line level 1; return result.
// SISetState stores a state in the record's machine directly; SIGetState reads it (16 for an unknown id).

#include <atomic>
#include <string>
#include <vector>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/util/si_error.h"

// Kept per association, so that the exchanges of one association never disturb another's.
struct SIStateMachine {
    int state = 0;  // a KivTargetState or KivOriginState number
    // The state before the last ordinary transition: an access-control or resource-control exchange returns
    // to it when its response comes.
    int savedState = 0;
    // fResponseRequired of the last resource-control request sent on the association, stored by the request
    // before its event: a request that expects no response leaves the state alone.
    int resourceControlResponseRequired = 0;
};

enum class SIEventOutcome {
    Accepted,
    Invalid,  // error 80; the state does not change
    Error,    // error 81; the state becomes ERROR (16)
};

struct SIStateTransition {
    SIMachine machine = SIMachine::Target;
    int event = 0;
    int stateBefore = 0;
    int stateAfter = 0;
    SIEventOutcome outcome = SIEventOutcome::Accepted;
    bool traced = true;  // whether the event and the state now in force go to the trace
};

// While 0 every state event is accepted unchecked. It starts at 1; the server sets it to 1 again before each
// associate request.
extern std::atomic<int> SIStateChecking;

// Applies the event to the machine by the table of its kind. An ordinary transition first saves the current
// state; the cells that end an access-control or resource-control exchange return to the saved state. A
// resource-control request that expects no response (target event 32, origin event 33) changes nothing and
// is not traced; on a target already in RESCNT_SENT it is invalid, still untraced. An event or a state
// outside the table is invalid.
SIStateTransition siApplyStateEvent(SIStateMachine& machine, SIMachine kind, int event);

// SI_OK for an accepted event. For a refused one, reports "Event %s is invalid for state %s" (error 80) or
// "Incoming event %s is an error for state %s" (error 81), naming the event and the state before it, as
// SI_Interface_Error with the association id and Association_Open, and returns SI_NOTOK.
SIResult siReportStateEvent(KivAssocId assocId, const SIStateTransition& transition, SIError** error);

// The two trace lines of a traced event, "TARGET EVENT is: %s\n" and "Current TARGET STATE is: %s\n" (ORIGIN
// for the origin machine) with the event's name and the state now in force; none for an untraced one.
std::vector<std::string> siStateEventTraceLines(const SIStateTransition& transition);
