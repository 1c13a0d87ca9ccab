#pragma once
// What the association manager asks of the shell that owns the client connections.

#include "toolkit/api/kiv_owning.h"

class ConnectionHost {
  public:
    virtual ~ConnectionHost() = default;

    // Shuts down the connection of the association and takes it out of the list of connections; answers
    // the number of connections left, or -1 when no listed connection belongs to the association.
    virtual int dropConnection(KivAssocId assocId) = 0;
    // Operations-log messages go to the host's trace view from now on.
    virtual void makeCurrent() = 0;
};
