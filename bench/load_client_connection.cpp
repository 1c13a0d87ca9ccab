#include "bench/load_client_connection.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "toolkit/util/ber_element_check.h"

namespace {

// Larger responses are taken as a fault of the server rather than buffered.
constexpr size_t kMaxApdu = 64 * 1024 * 1024;
constexpr size_t kReadChunk = 64 * 1024;

std::runtime_error systemError(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

LoadConnection::LoadConnection(const std::string& host, const std::string& port, int receiveTimeoutSeconds) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (int rc = getaddrinfo(host.c_str(), port.c_str(), &hints, &found); rc != 0)
        throw std::runtime_error("cannot resolve " + host + ":" + port + ": " + gai_strerror(rc));
    int lastErrno = 0;
    for (addrinfo* each = found; each != nullptr && fd_ < 0; each = each->ai_next) {
        fd_ = socket(each->ai_family, each->ai_socktype, each->ai_protocol);
        if (fd_ < 0) {
            lastErrno = errno;
            continue;
        }
        if (connect(fd_, each->ai_addr, each->ai_addrlen) != 0) {
            lastErrno = errno;
            close(fd_);
            fd_ = -1;
        }
    }
    freeaddrinfo(found);
    if (fd_ < 0) {
        errno = lastErrno;
        throw systemError("cannot connect to " + host + ":" + port);
    }
    int one = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    timeval timeout{receiveTimeoutSeconds, 0};
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
}

LoadConnection::~LoadConnection() {
    if (fd_ >= 0) close(fd_);
}

void LoadConnection::send(const std::vector<uint8_t>& apdu) {
    size_t sent = 0;
    while (sent < apdu.size()) {
        ssize_t n = ::send(fd_, apdu.data() + sent, apdu.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw systemError("send failed");
        sent += static_cast<size_t>(n);
    }
}

std::vector<uint8_t> LoadConnection::receiveApdu() {
    for (;;) {
        // Complete: the element's total length. Incomplete: the octets still missing, or 0 when not known
        // yet.
        int32_t octets = 0;
        int state = BerDirElementComplete(pending_.data(), static_cast<int32_t>(pending_.size()), &octets);
        if (state == kBerElementMalformed) throw std::runtime_error("server sent a malformed BER element");
        if (state == kBerElementComplete) {
            std::vector<uint8_t> apdu(pending_.begin(), pending_.begin() + octets);
            pending_.erase(pending_.begin(), pending_.begin() + octets);
            return apdu;
        }
        if (pending_.size() + static_cast<size_t>(octets) > kMaxApdu)
            throw std::runtime_error("server response larger than 64 MB");
        size_t have = pending_.size();
        size_t want = std::max(kReadChunk, static_cast<size_t>(octets));
        pending_.resize(have + want);
        ssize_t n = recv(fd_, pending_.data() + have, want, 0);
        pending_.resize(have + static_cast<size_t>(std::max<ssize_t>(n, 0)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            throw std::runtime_error("no response within the receive timeout");
        if (n < 0) throw systemError("receive failed");
        if (n == 0) throw std::runtime_error("server closed the connection");
    }
}
