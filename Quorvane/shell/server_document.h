#pragma once
// The server's document: the listening socket, the list of client connections in accept order, the
// connection counter and the operations trace. It turns the event loop's socket notifications into calls
// of the association manager. Everything here runs on the event loop's thread.

#include <cstdint>
#include <list>
#include <memory>
#include <string_view>

#include "Quorvane/manager/connection_host.h"
#include "Quorvane/platform/event_loop.h"
#include "Quorvane/platform/socket.h"
#include "Quorvane/platform/trace_view.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/session/apdu_assembler.h"

// [Start] ulPortNumber when the configuration names none.
inline constexpr unsigned kDefaultListenPort = 210;

// One accepted connection and the APDU being gathered from it.
struct ClientSocket {
    std::shared_ptr<platform::Connection> connection;
    KivAssocId assocId = 0;
    ApduAssembler assembler;
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
    void readPduOctets(const std::shared_ptr<ClientSocket>& client);
    void closeConnection(const std::shared_ptr<ClientSocket>& client);
    // Takes the client out of the list and of the loop; false when it was not listed.
    bool removeFromList(const ClientSocket& client);
    bool listedWithId(KivAssocId assocId) const;

    platform::EventLoop& loop_;
    platform::TraceView& view_;
    std::unique_ptr<platform::ListeningSocket> listening_;
    std::list<std::shared_ptr<ClientSocket>> connections_;
    unsigned listenPort_;
    KivAssocId connectionCounter_ = 0;
    bool current_ = false;
};
