#include "Quorvane/platform/service_thread.h"

#include <pthread.h>

namespace platform {

TerminationSignalsBlocked::TerminationSignalsBlocked() {
    sigset_t termination;
    sigemptyset(&termination);
    sigaddset(&termination, SIGTERM);
    sigaddset(&termination, SIGINT);
    ::pthread_sigmask(SIG_BLOCK, &termination, &previous_);
}

TerminationSignalsBlocked::~TerminationSignalsBlocked() {
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace platform
