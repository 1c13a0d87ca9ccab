#include "Quorvane/shell/server_document.h"

#include <sys/socket.h>

#include <ctime>
#include <limits>
#include <string>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/message_format.h"
#include "Quorvane/platform/trace_time.h"
#include "Quorvane/shell/connection_number.h"
#include "Quorvane/shell/shell_texts.h"
#include "toolkit/session/transport_message_size.h"

ServerDocument::ServerDocument(platform::EventLoop& loop, platform::TraceView& view)
    : loop_(loop),
      view_(view),
      listenPort_(
          static_cast<unsigned>(GetIniInt("Start", "ulPortNumber", static_cast<int>(kDefaultListenPort)))) {}

ServerDocument::~ServerDocument() {
    deleteContents();
    if (listening_ != nullptr) loop_.unwatch(listening_->fd());
    if (current_) setOperationsTraceView(nullptr);
}

void ServerDocument::newDocument() {
    newPort(listenPort_);
}

void ServerDocument::newPort(unsigned port) {
    deleteContents();
    startListening(port);
}

void ServerDocument::deleteContents() {
    while (!connections_.empty()) {
        std::shared_ptr<ClientSocket> client = connections_.front();
        connections_.pop_front();
        loop_.unwatch(client->connection->fd());
        AssociationExit(client->assocId);
        client->connection->close();
    }
    view_.clear();
}

void ServerDocument::startListening(unsigned port) {
    if (listening_ != nullptr) {
        loop_.unwatch(listening_->fd());
        listening_.reset();
    }
    writeTraceBanner();
    if (port > std::numeric_limits<std::uint16_t>::max()) {
        appendTraceLine(formatMessage(kCreatePortFailedFormat, static_cast<int>(port)));
        return;
    }
    // As long a backlog as the system allows: a burst of connections waits in the queue instead of being
    // retried by its clients a second later.
    platform::ListenOutcome outcome =
        platform::ListeningSocket::open(static_cast<std::uint16_t>(port), "0.0.0.0", SOMAXCONN);
    if (outcome.failure == platform::ListenFailure::Create) {
        appendTraceLine(formatMessage(kCreatePortFailedFormat, static_cast<int>(port)));
        return;
    }
    if (outcome.failure == platform::ListenFailure::Listen) {
        appendTraceLine(kListenFailedText);
        return;
    }
    listening_ = std::move(outcome.socket);
    loop_.watch(listening_->fd(), [this] { acceptConnection(); }, {});
    // The bound port: the one asked for, or the one the system chose for port 0.
    appendTraceLine(formatMessage(kListenPortSetFormat, static_cast<int>(listening_->port())));
    appendTraceLine(kListeningText);
}

void ServerDocument::appendTraceLine(std::string_view text) {
    view_.appendLine(text);
}

void ServerDocument::writeTraceBanner() {
    appendTraceLine(kTraceTitleText);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    appendTraceLine(platform::longDateTime(local));
}

void ServerDocument::acceptConnection() {
    if (listening_ == nullptr) return;
    std::shared_ptr<platform::Connection> connection = listening_->accept();
    if (connection == nullptr) return;
    const KivAssocId number = NextConnectionNumber(
        connectionCounter_, [this](KivAssocId id) { return listedWithId(id) || AssociationIdInUse(id); });
    if (number == 0) return;  // cannot happen with at most a few thousand descriptors
    connectionCounter_ = number;

    auto client = std::make_shared<ClientSocket>();
    client->connection = connection;
    connections_.push_back(client);
    std::string address;
    std::uint16_t port = 0;
    connection->peerAddress(address, port);
    appendTraceLine(formatMessage(kAcceptedFormat, address.c_str(), connectionCount()));

    const NewAssociationResult result = NewAssociation(connection->fd(), number);
    if (result.outcome != AssociationOutcome::Accepted) {
        // The toolkit closed the descriptor of a refused association: it must not be closed again.
        if (result.outcome == AssociationOutcome::Refused) connection->releaseDescriptor();
        connection->close();
        connections_.remove(client);
        return;
    }
    client->assocId = result.assocId;
    std::weak_ptr<ClientSocket> weak = client;
    loop_.watch(
        connection->fd(),
        [this, weak] {
            if (std::shared_ptr<ClientSocket> reading = weak.lock()) readPduOctets(reading);
        },
        [this, weak] {
            if (std::shared_ptr<ClientSocket> lost = weak.lock()) closeConnection(lost);
        });
}

void ServerDocument::readPduOctets(const std::shared_ptr<ClientSocket>& client) {
    const ApduAssembler::Receive read =
        client->assembler.receive(client->connection->fd(), siReceivedApduCap(client->assocId));
    switch (read) {
        case ApduAssembler::Receive::Pending:
            return;
        case ApduAssembler::Receive::PeerClosed:
        case ApduAssembler::Receive::Failed:
            return closeConnection(client);
        case ApduAssembler::Receive::Refused:
            LogMessage(formatMessage("Association %d exited", static_cast<int>(client->assocId)));
            return ForcedClose(client->assocId, *this);
        case ApduAssembler::Receive::Complete:
            break;
    }
    const std::vector<std::uint8_t>& apdu = client->assembler.apdu();
    DispatchPdu(client->assocId, apdu.data(), apdu.size(), *this, client->connection);
    client->assembler.reset();
}

void ServerDocument::closeConnection(const std::shared_ptr<ClientSocket>& client) {
    client->connection->close();
    if (!removeFromList(*client)) return;
    appendTraceLine(formatMessage(kConnectionLostFormat, connectionCount()));
    AssociationExit(client->assocId);
}

int ServerDocument::dropConnection(KivAssocId assocId) {
    for (const std::shared_ptr<ClientSocket>& client : connections_) {
        if (client->assocId != assocId) continue;
        std::shared_ptr<ClientSocket> dropped = client;
        dropped->connection->close();
        removeFromList(*dropped);
        return connectionCount();
    }
    return -1;
}

void ServerDocument::makeCurrent() {
    if (current_) return;
    current_ = true;
    setOperationsTraceView(&view_);
}

bool ServerDocument::removeFromList(const ClientSocket& client) {
    for (auto at = connections_.begin(); at != connections_.end(); ++at) {
        if (at->get() != &client) continue;
        loop_.unwatch(client.connection->fd());
        connections_.erase(at);
        return true;
    }
    return false;
}

bool ServerDocument::listedWithId(KivAssocId assocId) const {
    for (const std::shared_ptr<ClientSocket>& client : connections_) {
        if (client->assocId == assocId) return true;
    }
    return false;
}
