#include "Quorvane/platform/socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

bool waitWritable(int fd, Clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd entry{fd, POLLOUT, 0};
        int ready = ::poll(&entry, 1, static_cast<int>(std::min<long long>(left.count(), 1 << 30)));
        if (ready > 0) return true;  // writable, or an error the next send reports
        if (ready < 0 && errno != EINTR) return true;
    }
}

int openSpareDescriptor() {
    return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

}  // namespace

Connection::Connection(int fd) : fd_(fd) {
    int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0) ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
}

Connection::~Connection() {
    if (fd_ >= 0) ::close(fd_);
}

ReadResult Connection::read(void* buffer, std::size_t size) {
    if (size == 0) return {ReadStatus::Data, 0};
    for (;;) {
        ssize_t got = ::recv(fd_, buffer, size, 0);
        if (got > 0) return {ReadStatus::Data, static_cast<std::size_t>(got)};
        if (got == 0) return {ReadStatus::Closed, 0};
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return {ReadStatus::WouldBlock, 0};
        return {ReadStatus::Failed, 0};
    }
}

SendStatus Connection::send(const void* data, std::size_t size, std::chrono::milliseconds timeout) {
    std::lock_guard<std::mutex> lock(sendMutex_);
    Clock::time_point deadline = Clock::now() + timeout;
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        if (closed_.load()) return SendStatus::Failed;
        ssize_t sent = ::send(fd_, next, size, MSG_NOSIGNAL);
        if (sent > 0) {
            next += sent;
            size -= static_cast<std::size_t>(sent);
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitWritable(fd_, deadline)) return SendStatus::TimedOut;
        } else {
            return SendStatus::Failed;
        }
    }
    return SendStatus::Sent;
}

bool Connection::peerAddress(std::string& text, std::uint16_t& port) const {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&peer), &length) != 0 || peer.sin_family != AF_INET) {
        return false;
    }
    char buffer[INET_ADDRSTRLEN];
    if (::inet_ntop(AF_INET, &peer.sin_addr, buffer, sizeof buffer) == nullptr) return false;
    text = buffer;
    port = ntohs(peer.sin_port);
    return true;
}

void Connection::close() {
    if (!closed_.exchange(true) && fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
}

bool Connection::closed() const {
    return closed_.load();
}

void Connection::releaseDescriptor() {
    closed_.store(true);
    fd_ = -1;
}

ListenOutcome ListeningSocket::open(std::uint16_t port, const std::string& address, int backlog) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1)
        return {nullptr, ListenFailure::Create, EINVAL};
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return {nullptr, ListenFailure::Create, errno};
    int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        int error = errno;
        ::close(fd);
        return {nullptr, ListenFailure::Create, error};
    }
    if (::listen(fd, backlog) != 0) {
        int error = errno;
        ::close(fd);
        return {nullptr, ListenFailure::Listen, error};
    }
    return {std::unique_ptr<ListeningSocket>(new ListeningSocket(fd)), ListenFailure::None, 0};
}

ListeningSocket::ListeningSocket(int fd) : fd_(fd), spareFd_(openSpareDescriptor()) {}

ListeningSocket::~ListeningSocket() {
    ::close(fd_);
    if (spareFd_ >= 0) ::close(spareFd_);
}

std::uint16_t ListeningSocket::port() const {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length) != 0) return 0;
    return ntohs(local.sin_port);
}

std::shared_ptr<Connection> ListeningSocket::accept() {
    for (;;) {
        int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) return std::make_shared<Connection>(fd);
        if (errno == EINTR) continue;
        if ((errno == EMFILE || errno == ENFILE) && spareFd_ >= 0) {
            ::close(spareFd_);
            int dropped = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (dropped >= 0) ::close(dropped);
            spareFd_ = openSpareDescriptor();
        }
        return nullptr;
    }
}

}  // namespace platform
