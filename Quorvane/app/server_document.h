#pragma once
// The server's document: the listening socket, the list of client connections in accept order, the
// connection counter and the operations trace. It turns the event loop's socket notifications into calls
// of the association manager. Everything here runs on the event loop's thread.
//
// Connection floods: a peer address holds at most [Start] ulMaxConnectionsPerAddress connections; with
// every association slot taken, the oldest connection that has not sent its Init gives way to a newcomer,
// and when none has, the newcomer is refused; a connection that sends no Init within [Start]
// ulInitTimeOutSeconds is closed. A refused connection is closed in good order (its pending octets read
// first, so the peer sees an end of stream rather than a reset).

#include <chrono>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/manager/connection_host.h"
#include "Quorvane/platform/event_loop.h"
#include "Quorvane/platform/one_shot_timer.h"
#include "Quorvane/platform/socket.h"
#include "Quorvane/platform/trace_view.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/apdu_assembler.h"

// [Start] ulPortNumber when the configuration names none.
inline constexpr unsigned kDefaultListenPort = 210;
// [Start] ulInitTimeOutSeconds when the configuration names none: how long a connection may stay without
// sending its first APDU (0 or less: without limit).
inline constexpr int kDefaultInitTimeOutSeconds = 5;
// [Start] ulMaxConnectionsPerAddress when the configuration names none: connections one peer address may
// hold at once (0 or less: no cap).
inline constexpr int kDefaultMaxConnectionsPerAddress = 20;

// One accepted connection and the APDU being gathered from it.
struct ClientSocket {
    std::shared_ptr<platform::Connection> connection;
    KivAssocId assocId = 0;
    ApduAssembler assembler;
    std::string address;
    // Until the first whole APDU (the Init) arrives, the connection may give way to a newcomer and is
    // closed at this deadline (when it has one).
    bool apduReceived = false;
    std::optional<std::chrono::steady_clock::time_point> initDeadline;
};

class ServerDocument : public ConnectionHost {
  public:
    // Reads [Start] ulPortNumber as the port to listen on.
    ServerDocument(platform::EventLoop& loop, platform::TraceView& view);
    ~ServerDocument() override;
    ServerDocument(const ServerDocument&) = delete;
    ServerDocument& operator=(const ServerDocument&) = delete;

    // Listens on the configured port.
    void newDocument();
    // New Port: empties the document and listens on the port.
    void newPort(unsigned port);
    // Ends every association and shuts its connection down, and clears the kept trace.
    void deleteContents();

    int connectionCount() const { return static_cast<int>(connections_.size()); }

    int dropConnection(KivAssocId assocId) override;
    void makeCurrent() override;

  private:
    // Opens a new listening socket on the port; the outcome goes to the trace.
    void startListening(unsigned port);
    void appendTraceLine(std::string_view text);
    void writeTraceBanner();
    void acceptConnection();
    // Whether a newcomer from the address may have an association, making room for it when it can; the
    // refusal goes to the trace.
    bool admit(const std::string& address);
    // Closes the oldest connection that has not sent its Init; false when there is none.
    bool makeRoom();
    void armInitDeadline();
    void expireInitDeadlines();
    // Closes a listed connection and ends its association; answers the number of connections left.
    int endConnection(const std::shared_ptr<ClientSocket>& client);
    void readPduOctets(const std::shared_ptr<ClientSocket>& client);
    void closeConnection(const std::shared_ptr<ClientSocket>& client);
    // Takes the client out of the list and of the loop; false when it was not listed.
    bool removeFromList(const ClientSocket& client);
    bool listedWithId(KivAssocId assocId) const;

    platform::EventLoop& loop_;
    platform::TraceView& view_;
    std::unique_ptr<platform::ListeningSocket> listening_;
    platform::OneShotTimer initDeadlineTimer_;
    std::list<std::shared_ptr<ClientSocket>> connections_;
    unsigned listenPort_;
    KivAssocId connectionCounter_ = 0;
    bool current_ = false;
};
