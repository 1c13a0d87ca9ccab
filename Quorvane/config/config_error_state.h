#pragma once
// The server-wide configuration-error state: clear at start, set by configuration errors met while the
// server or an association is set up, never cleared while the program runs. While it is set no further
// association is accepted and no further APDU is served. Safe from any thread.

// Sets the state (it stays set).
void setConfigError();
bool configErrorIsSet();

// When the state is set: logs "No further connections accepted due to configuration file error!!" and
// answers true; otherwise answers false.
bool refuseConnectionOnConfigError();
// When the state is set: logs "No further PDUs accepted due to configuration file error!!" and answers
// true; otherwise answers false.
bool dropPduOnConfigError();
