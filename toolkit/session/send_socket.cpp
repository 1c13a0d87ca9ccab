#include "toolkit/session/send_socket.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdio>

#include "toolkit/session/poll_wait.h"

namespace {

// Waits until the socket is ready for one of the events or the limit has passed; the events that came,
// 0 on time-out, -1 when poll fails.
int waitFor(int socket, short events, std::chrono::milliseconds limit) {
    pollfd entry{socket, events, 0};
    const int ready = siPollWithin(&entry, 1, limit);
    return ready > 0 ? entry.revents : ready;
}

// Whether the peer has closed the connection: a readable socket whose next read would give 0 octets.
bool peerHasClosed(int socket) {
    char octet;
    ssize_t peeked;
    do {
        peeked = recv(socket, &octet, 1, MSG_PEEK | MSG_DONTWAIT);
    } while (peeked < 0 && errno == EINTR);
    return peeked == 0;
}

}  // namespace

long SIWriteSocket(int socket, const uint8_t* octets, size_t length) {
    return siWriteSocket(socket, octets, length, kSISendStallLimit);
}

long siWriteSocket(int socket, const uint8_t* octets, size_t length, std::chrono::milliseconds stallLimit) {
    const int ready = waitFor(socket, POLLIN | POLLOUT, stallLimit);
    if (ready <= 0 || (ready & POLLNVAL) != 0) return -1;
    if ((ready & (POLLIN | POLLHUP | POLLERR)) != 0 && peerHasClosed(socket)) return -1;
    if (length == 0) return 0;
    size_t sent = 0;
    while (sent < length) {
        const ssize_t accepted = send(socket, octets + sent, length - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (accepted > 0) {
            sent += static_cast<size_t>(accepted);
            continue;
        }
        if (accepted < 0 && errno == EINTR) continue;
        if (accepted < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const int writable = waitFor(socket, POLLOUT, stallLimit);
            if (writable > 0 && (writable & (POLLERR | POLLNVAL)) == 0) continue;
        }
        return -1;
    }
    return static_cast<long>(length);
}

long siSendDiagnosticOctets(int socket, const uint8_t* octets, size_t length) {
    const size_t count = octets != nullptr ? std::min(length, kSIDiagnosticSendOctets) : 0;
    ssize_t sent;
    do {
        sent = send(socket, octets, count, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    std::printf("sent %ld\n", static_cast<long>(sent));
    return static_cast<long>(sent);
}
