#pragma once
// The association manager: registers each accepted connection with the toolkit as an association, decides
// whether to accept it, hands every received APDU to the toolkit and its request to a worker, ends
// associations and closes idle ones. Runs on the event loop's thread unless noted.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "Quorvane/manager/connection_host.h"
#include "Quorvane/platform/socket.h"
#include "toolkit/api/kiv_owning.h"

enum class AssociationOutcome {
    Accepted,
    Refused,        // refused through the toolkit, which has closed the connection's descriptor
    NotRegistered,  // the toolkit did not take the connection: its descriptor is still the caller's
};

struct NewAssociationResult {
    AssociationOutcome outcome;
    KivAssocId assocId;  // the association's id when accepted, else 0
};

// Registers the connection (its descriptor) under the connection number, checks the peer against the
// allow-list, takes a slot and sets up the session. Refused: by the allow-list, with every slot taken, or
// while the configuration-error state is set ("No further connections accepted due to configuration file
// error!!"); an association whose own set-up met a configuration error is refused without a message and
// released.
NewAssociationResult NewAssociation(int socketHandle, KivAssocId connectionNumber);

// One whole APDU of the association's connection: decoded by the toolkit, its request handed to a worker
// that holds the connection until it has answered. An APDU the toolkit refuses, a type without a handler,
// the peer's release and a request beyond the waiting limit end the association and close the connection.
// The octets stay the caller's.
void DispatchPdu(KivAssocId assocId, const std::uint8_t* octets, std::size_t length, ConnectionHost& host,
                 std::shared_ptr<platform::Connection> connection);

// Closes the association's connection, and when it was listed logs "Forced connection close because PDU
// received not allowed. Connections left = %5d" and ends the association.
void ForcedClose(KivAssocId assocId, ConnectionHost& host);
// Drops the association's waiting requests, releases its session and then the toolkit's association;
// while a request holds the session both wait until it has finished. Answers the toolkit's result (SI_OK
// when the release waits).
int AssociationExit(KivAssocId assocId);
// The session table's freed hook (installed by the first SlotTake): frees the association's slot and
// forgets the toolkit's association. Any thread.
void AssociationSessionFreed(KivAssocId assocId);
// Closes the connection of a timed-out association: "Forced connection close of association %d because of
// timeout. Connections left = %5d".
void TimeoutClose(KivAssocId assocId, ConnectionHost& host);

// One idle-timer tick: every session that is not busy counts one more idle tick; those that reach
// [Start] ulTimeOut (read at every tick; 0 or less closes at the first tick) are ended and their
// connections closed.
void IdleTimerProc(ConnectionHost& host);

// Whether the id belongs to a live association: it holds a slot or a session, or requests of it are still
// waiting or running. A new connection must not be given such an id.
bool AssociationIdInUse(KivAssocId assocId);

// Forgets the association's requests that wait behind the running one: they are never handled.
void DropRequests(KivAssocId assocId);

// Waits until every request taken so far has been handled. Any thread but a worker.
void WaitForRequests();

// Starts the worker threads at start-up, so that a process short of memory later never has to: false when
// not even one thread can be started. Threads beyond the first that cannot be started are done without.
bool StartRequestWorkers();
