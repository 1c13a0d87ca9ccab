#pragma once
// Waiting on poll() for a limited time, and the limit of a wait given in seconds.

#include <poll.h>

#include <chrono>
#include <climits>

#include "toolkit/session/association_arguments.h"

// The longest limit a wait takes: INT_MAX seconds, so that no deadline taken from it overflows the clock.
inline constexpr std::chrono::milliseconds kSILongestWait = std::chrono::seconds(INT_MAX);

// A number of seconds as a wait limit: capped at kSILongestWait; a value below 1 is no time.
std::chrono::milliseconds siWaitSeconds(KivSecs secs);

// Polls the entries until one of them is ready or the limit has passed, going on with the time that is left
// after a signal; a negative limit waits without one, a limit past kSILongestWait is taken as kSILongestWait.
// Answers poll's result: the number of entries ready, 0 when the time ran out, -1 (errno set) on failure.
int siPollWithin(pollfd* entries, nfds_t count, std::chrono::milliseconds limit);
