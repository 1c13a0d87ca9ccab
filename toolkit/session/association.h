#pragma once
// The record the session layer keeps for each association, and how the association check reports its stack.

#include <cstdint>
#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/state_machine.h"

// The stack an association runs on, as the association check and the argument trace report it.
enum KivProtocolStack : int32_t {
    Unknown_Stack = 0,
    OSI_Stack = 1,
    TCP_Stack = 2,
};

// Values of SIAssociation::stackFlag.
inline constexpr int kSIStackOsi = 0;
inline constexpr int kSIStackTcp = 1;

// Values of SIAssociation::role.
inline constexpr int kSIRoleOrigin = 1;
inline constexpr int kSIRoleTarget = 2;

struct SIAssociation {
    KivAssocId lAssocId = 0;
    int stackFlag = kSIStackTcp;  // kSIStackTcp or kSIStackOsi; any other value fails the association check
    int socketHandle = -1;        // the connection's descriptor
    SIStateMachine machine;       // machine.state is the association's current state
    int role = kSIRoleTarget;     // kSIRoleOrigin runs the origin machine, any other role the target one
    std::string peerAddress;      // dotted decimal
};

// Whether the record is the association with this id.
bool SIMatchAssociationId(const SIAssociation& record, KivAssocId assocId);
