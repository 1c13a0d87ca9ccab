#pragma once
// Writing octets to a connection without blocking for ever and without SIGPIPE.

#include <chrono>
#include <cstddef>
#include <cstdint>

// How long a send may make no progress before it gives up.
inline constexpr std::chrono::milliseconds kSISendStallLimit{60'000};

// Writes the octets to the socket: the length (all of them) when sent, -1 when the peer has closed the
// connection (a pending read of 0 octets), when a send fails or when the socket stays unwritable for the
// stall limit, and 0 for a length of 0. Waits for writability whenever the socket would block, whether it
// is blocking or not; never raises SIGPIPE.
long SIWriteSocket(int socket, const uint8_t* octets, size_t length);

// SIWriteSocket with the stall limit given.
long siWriteSocket(int socket, const uint8_t* octets, size_t length, std::chrono::milliseconds stallLimit);

// How many octets siSendDiagnosticOctets sends at most.
inline constexpr size_t kSIDiagnosticSendOctets = 10;

// A diagnostic send: one send of the first kSIDiagnosticSendOctets octets (all of them when there are fewer;
// none for null octets), then "sent %d\n" with its result on the standard output. Returns that result: the
// octets sent, or -1 when the send fails. Never raises SIGPIPE.
long siSendDiagnosticOctets(int socket, const uint8_t* octets, size_t length);
