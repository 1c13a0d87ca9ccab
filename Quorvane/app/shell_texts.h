#pragma once
// The texts of the shell's messages. Formats are printf formats for formatMessage.

inline constexpr const char* kSocketsInitFailedText = "Windows sockets initialization failed.";
inline constexpr const char* kListenPortSetFormat =
    "Server listen port set to %10d (use [File|New] to change port)";
inline constexpr const char* kAcceptedFormat =
    "Accepted a new connection from address %s Current number of connections = %5d";
inline constexpr const char* kConnectionLostFormat = "A connection has been lost. Connections left = %5d";
inline constexpr const char* kTraceTitleText = "Quorvane Operations Trace";
inline constexpr const char* kListeningText = "Listening for client connections.....";
inline constexpr const char* kListenFailedText =
    "Error - failed to create listen port ! Change port with [File|New]";
inline constexpr const char* kCreatePortFailedFormat =
    "Error - accept port failure for port %d (probably already in use). Change port with [File|New]";
