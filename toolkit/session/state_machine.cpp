#include "toolkit/session/state_machine.h"

#include "toolkit/session/state_machine_tables.h"

std::atomic<int> SIStateChecking{1};

namespace {

constexpr long kEventInvalidCode = 80;
constexpr long kEventErrorCode = 81;

bool isResourceControlRequest(SIMachine kind, int event) {
    return kind == SIMachine::Origin ? event == KIV_OE_RESCNTREQ_PDU : event == KIV_OE_RESCNTREQ;
}

}  // namespace

SIStateTransition siApplyStateEvent(SIStateMachine& machine, SIMachine kind, int event) {
    SIStateTransition transition{kind, event, machine.state, machine.state, SIEventOutcome::Accepted, true};
    if (machine.resourceControlResponseRequired == 0 && isResourceControlRequest(kind, event)) {
        transition.traced = false;
        if (kind == SIMachine::Target && machine.state == KIV_TS_RESCNT_SENT) {
            transition.outcome = SIEventOutcome::Invalid;
        }
        return transition;
    }
    const int32_t cell = siTransitionCell(kind, event, machine.state);
    switch (cell) {
        case kSICellInvalid:
            transition.outcome = SIEventOutcome::Invalid;
            break;
        case kSICellError:
            transition.outcome = SIEventOutcome::Error;
            machine.state = KIV_TS_ERROR;  // KIV_OS_ERROR alike
            break;
        case kSICellEndAccessControl:
        case kSICellEndResourceControl:
            machine.state = machine.savedState;
            break;
        default:
            machine.savedState = machine.state;
            machine.state = cell;
    }
    transition.stateAfter = machine.state;
    return transition;
}

SIResult siReportStateEvent(KivAssocId assocId, const SIStateTransition& transition, SIError** error) {
    if (transition.outcome == SIEventOutcome::Accepted) return SI_OK;
    const std::string eventName = siEventName(transition.machine, transition.event);
    const std::string stateName = siStateName(transition.machine, transition.stateBefore);
    const bool invalid = transition.outcome == SIEventOutcome::Invalid;
    const std::string message = invalid
                                    ? "Event " + eventName + " is invalid for state " + stateName
                                    : "Incoming event " + eventName + " is an error for state " + stateName;
    SIReportError(assocId, SI_Interface_Error, 0, invalid ? kEventInvalidCode : kEventErrorCode,
                  message.c_str(), 0, Association_Open, error);
    return SI_NOTOK;
}

std::vector<std::string> siStateEventTraceLines(const SIStateTransition& transition) {
    if (!transition.traced) return {};
    const std::string role = transition.machine == SIMachine::Origin ? "ORIGIN" : "TARGET";
    return {
        role + " EVENT is: " + siEventName(transition.machine, transition.event) + "\n",
        "Current " + role + " STATE is: " + siStateName(transition.machine, transition.stateAfter) + "\n"};
}
