#pragma once
// The connection of a target association: its peer's address and its closing.

#include <optional>
#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// The peer's address in text form: dotted decimal for IPv4 (and for an IPv4-mapped IPv6 peer), the IPv6
// text otherwise. nullopt when the descriptor has no IP peer.
std::optional<std::string> siPeerAddress(int socket);

// Closes the association's descriptor: SI_OK, or SI_NOTOK with error 30 when close fails.
SIResult siCloseAssociationSocket(KivAssocId assocId, int socket, SIError** error);
