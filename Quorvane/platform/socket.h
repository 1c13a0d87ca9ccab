#pragma once
// TCP over IPv4: the listening socket and the accepted connections, all non-blocking.
//
// A connection is shared (std::shared_ptr) between the event loop and the workers that answer on it.
// close() shuts the socket down at once, so every later read or send fails, but the descriptor is
// closed only when the last owner lets go: its number cannot be given to another client while a worker
// still holds the connection.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace platform {

enum class ReadStatus {
    Data,        // count octets were read
    WouldBlock,  // nothing to read now
    Closed,      // end of stream: the peer closed its side, or close() was called
    Failed,      // the connection was lost (reset, for example)
};

struct ReadResult {
    ReadStatus status;
    std::size_t count;
};

enum class SendStatus { Sent, TimedOut, Failed };

class Connection {
  public:
    // Takes ownership of a connected stream socket and makes it non-blocking.
    explicit Connection(int fd);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The descriptor, valid while this object lives; -1 after releaseDescriptor().
    int fd() const { return fd_; }

    // One non-blocking read of at most size octets.
    ReadResult read(void* buffer, std::size_t size);

    // Sends every octet, waiting for the socket to become writable whenever it would block, for at most
    // timeout in all. Never raises SIGPIPE. Sends of different threads do not interleave.
    SendStatus send(const void* data, std::size_t size, std::chrono::milliseconds timeout);

    // The peer's IPv4 address as dotted text and its port; false (text and port untouched) when the
    // socket has no IPv4 peer.
    bool peerAddress(std::string& text, std::uint16_t& port) const;

    // Shuts the socket down in both directions; idempotent, any thread.
    void close();
    bool closed() const;

    // For a descriptor that was closed elsewhere: forgets it without shutting it down or closing it.
    // Only while no other thread uses the connection.
    void releaseDescriptor();

  private:
    int fd_;
    std::atomic<bool> closed_{false};
    std::mutex sendMutex_;
};

enum class ListenFailure {
    None,
    Create,  // the socket could not be created or bound (the port is probably in use)
    Listen,  // listen() failed
};

class ListeningSocket;

struct ListenOutcome {
    std::unique_ptr<ListeningSocket> socket;  // null on failure
    ListenFailure failure;
    int error;  // errno of the failure, 0 on success
};

class ListeningSocket {
  public:
    // A non-blocking IPv4 stream socket with SO_REUSEADDR, bound to address (dotted text, "0.0.0.0"
    // for every local address) and port, listening with the backlog.
    static ListenOutcome open(std::uint16_t port, const std::string& address = "0.0.0.0", int backlog = 5);

    ~ListeningSocket();
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    int fd() const { return fd_; }
    // The bound port (the one the system chose when 0 was asked for).
    std::uint16_t port() const;

    // The next pending connection, or null when there is none or the accept failed. When the process is
    // out of descriptors the pending connection is accepted and closed at once, so the listening socket
    // does not stay readable for ever.
    std::shared_ptr<Connection> accept();

  private:
    explicit ListeningSocket(int fd);

    int fd_;
    int spareFd_;  // kept open to be given up when the process runs out of descriptors
};

}  // namespace platform
