#include "Quorvane/platform/socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::Connection;
using platform::ListenFailure;
using platform::ListeningSocket;
using platform::ReadStatus;
using platform::SendStatus;
using namespace std::chrono_literals;

constexpr int kDeadlineMs = 20000;

bool waitReadable(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, kDeadlineMs) == 1;
}

// A blocking client connected to the listening socket on loopback.
int connectClient(std::uint16_t port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(port);
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server), 0);
    return fd;
}

std::uint16_t localPort(int fd) {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length);
    return ntohs(local.sin_port);
}

class Loopback : public testing::Test {
  protected:
    void SetUp() override {
        platform::ListenOutcome outcome = ListeningSocket::open(0, "127.0.0.1");
        ASSERT_EQ(outcome.failure, ListenFailure::None);
        listener = std::move(outcome.socket);
        client = connectClient(listener->port());
        ASSERT_TRUE(waitReadable(listener->fd()));
        server = listener->accept();
        ASSERT_NE(server, nullptr);
    }
    void TearDown() override {
        if (client >= 0) ::close(client);
    }

    // Fills the server's (small) send buffer and the client's receive window until a send would block.
    size_t fillSendBuffer() {
        int small = 4096;
        ::setsockopt(server->fd(), SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
        std::vector<char> chunk(4096, 'f');
        size_t filled = 0;
        for (;;) {
            ssize_t sent = ::send(server->fd(), chunk.data(), chunk.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
            if (sent < 0) {
                EXPECT_TRUE(errno == EAGAIN || errno == EWOULDBLOCK);
                return filled;
            }
            filled += static_cast<size_t>(sent);
        }
    }

    std::string readClient(size_t count) {
        std::string data;
        std::vector<char> buffer(65536);
        while (data.size() < count) {
            ssize_t got = ::recv(client, buffer.data(), buffer.size(), 0);
            if (got <= 0) break;
            data.append(buffer.data(), static_cast<size_t>(got));
        }
        return data;
    }

    std::unique_ptr<ListeningSocket> listener;
    std::shared_ptr<Connection> server;
    int client = -1;
};

TEST_F(Loopback, AcceptGivesThePeersAddressAndPort) {
    std::string text = "unchanged";
    std::uint16_t port = 0;
    ASSERT_TRUE(server->peerAddress(text, port));
    EXPECT_EQ(text, "127.0.0.1");
    EXPECT_EQ(port, localPort(client));
    EXPECT_EQ(listener->accept(), nullptr);  // nothing else is pending
}

TEST_F(Loopback, ReadsWhatIsThereWithoutBlocking) {
    char buffer[16];
    EXPECT_EQ(server->read(buffer, sizeof buffer).status, ReadStatus::WouldBlock);
    ASSERT_EQ(::send(client, "abc", 3, 0), 3);
    ASSERT_TRUE(waitReadable(server->fd()));
    platform::ReadResult result = server->read(buffer, 2);
    EXPECT_EQ(result.status, ReadStatus::Data);
    EXPECT_EQ(std::string(buffer, result.count), "ab");
    result = server->read(buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, result.count), "c");
    ::shutdown(client, SHUT_WR);
    ASSERT_TRUE(waitReadable(server->fd()));
    EXPECT_EQ(server->read(buffer, sizeof buffer).status, ReadStatus::Closed);
}

TEST_F(Loopback, SendWaitsForASlowReader) {
    size_t filled = fillSendBuffer();
    std::string payload(256 * 1024, '\0');
    for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>('a' + i % 26);
    SendStatus status = SendStatus::Failed;
    std::thread sender([&] { status = server->send(payload.data(), payload.size(), 60s); });
    std::string received = readClient(filled + payload.size());
    sender.join();
    EXPECT_EQ(status, SendStatus::Sent);
    ASSERT_EQ(received.size(), filled + payload.size());
    EXPECT_EQ(received.substr(0, filled), std::string(filled, 'f'));
    EXPECT_TRUE(received.substr(filled) == payload);
}

TEST_F(Loopback, SendToAReaderThatNeverReadsTimesOut) {
    fillSendBuffer();
    std::string payload(64 * 1024, 'x');
    EXPECT_EQ(server->send(payload.data(), payload.size(), 50ms), SendStatus::TimedOut);
}

TEST_F(Loopback, SendToAClosedPeerFailsWithoutSigpipe) {
    // SIGPIPE keeps its default action here: a send without MSG_NOSIGNAL would end the test program.
    ::close(client);
    client = -1;
    SendStatus status = SendStatus::Sent;
    for (int attempt = 0; attempt < 1000 && status == SendStatus::Sent; ++attempt) {
        status = server->send("ping", 4, 5s);
        if (status == SendStatus::Sent) std::this_thread::sleep_for(1ms);
    }
    EXPECT_EQ(status, SendStatus::Failed);
}

TEST_F(Loopback, CloseShutsDownAtOnceAndTheLastOwnerClosesTheDescriptor) {
    std::shared_ptr<Connection> worker = server;  // a worker still holds the connection
    int fd = server->fd();
    server->close();
    EXPECT_TRUE(worker->closed());
    char octet;
    EXPECT_EQ(::recv(client, &octet, 1, 0), 0);  // the peer sees the end at once
    EXPECT_EQ(worker->send("late", 4, 1s), SendStatus::Failed);
    EXPECT_EQ(worker->read(&octet, 1).status, ReadStatus::Closed);
    server.reset();
    EXPECT_NE(::fcntl(fd, F_GETFD), -1);  // still ours: the number cannot be reused yet
    worker.reset();
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
    EXPECT_EQ(errno, EBADF);
}

TEST_F(Loopback, CloseEndsASendThatIsWaiting) {
    fillSendBuffer();
    std::string payload(64 * 1024, 'x');
    SendStatus status = SendStatus::Sent;
    std::thread sender([&] { status = server->send(payload.data(), payload.size(), 60s); });
    std::this_thread::sleep_for(100ms);  // most likely waiting by now; either order must fail the send
    server->close();
    sender.join();
    EXPECT_EQ(status, SendStatus::Failed);
}

TEST_F(Loopback, ReleasedDescriptorIsNotClosedAgain) {
    int fd = server->fd();
    ::close(fd);  // closed elsewhere, as a refusing toolkit does
    server->releaseDescriptor();
    EXPECT_EQ(server->fd(), -1);
    int reused = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(reused, fd);  // the lowest free number
    server.reset();
    EXPECT_NE(::fcntl(reused, F_GETFD), -1);
    ::close(reused);
}

TEST(ListeningSocket, PortInUseFailsAtCreation) {
    platform::ListenOutcome first = ListeningSocket::open(0, "127.0.0.1");
    ASSERT_EQ(first.failure, ListenFailure::None);
    platform::ListenOutcome second = ListeningSocket::open(first.socket->port(), "127.0.0.1");
    EXPECT_EQ(second.failure, ListenFailure::Create);
    EXPECT_EQ(second.error, EADDRINUSE);
    EXPECT_EQ(second.socket, nullptr);
}

TEST(ListeningSocket, BadAddressFailsAtCreation) {
    platform::ListenOutcome outcome = ListeningSocket::open(0, "not an address");
    EXPECT_EQ(outcome.failure, ListenFailure::Create);
    EXPECT_EQ(outcome.socket, nullptr);
}

TEST(ListeningSocket, OutOfDescriptorsDropsThePendingConnection) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::ListenOutcome outcome = ListeningSocket::open(0, "127.0.0.1");
        if (!outcome.socket) _exit(10);
        int client = connectClient(outcome.socket->port());
        if (!waitReadable(outcome.socket->fd())) _exit(11);
        rlimit limit{};
        ::getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = 64;
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(12);
        while (::open("/dev/null", O_RDONLY) >= 0) {
        }
        if (outcome.socket->accept() != nullptr) _exit(13);
        pollfd entry{outcome.socket->fd(), POLLIN, 0};
        if (::poll(&entry, 1, 0) != 0) _exit(14);  // not readable for ever
        char octet;
        if (::recv(client, &octet, 1, 0) != 0) _exit(15);  // the client saw its connection end
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
