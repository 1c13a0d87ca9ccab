#include "Quorvane/app/server_document.h"

#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "Quorvane/app/connection_number.h"
#include "Quorvane/app/shell_texts.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/association_slots.h"
#include "Quorvane/manager/message_format.h"
#include "Quorvane/platform/trace_time.h"
#include "toolkit/session/transport_message_size.h"

namespace {

// Reads what the peer has sent already, then closes: with nothing unread the close ends the stream in good
// order instead of resetting it.
void refuseInGoodOrder(platform::Connection& connection) {
    std::array<std::uint8_t, 4096> discarded;
    for (int reads = 0; reads < 16; ++reads) {
        if (connection.read(discarded.data(), discarded.size()).status != platform::ReadStatus::Data) break;
    }
    connection.close();
}

}  // namespace

ServerDocument::ServerDocument(platform::EventLoop& loop, platform::TraceView& view)
    : loop_(loop),
      view_(view),
      listenPort_(
          static_cast<unsigned>(GetIniInt("Start", "ulPortNumber", static_cast<int>(kDefaultListenPort)))) {
    loop_.watch(initDeadlineTimer_.fd(), [this] { expireInitDeadlines(); }, {});
}

ServerDocument::~ServerDocument() {
    deleteContents();
    loop_.unwatch(initDeadlineTimer_.fd());
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
    std::string address;
    std::uint16_t port = 0;
    connection->peerAddress(address, port);
    appendTraceLine(formatMessage(kAcceptedFormat, address.c_str(), connectionCount() + 1));
    if (!admit(address)) return refuseInGoodOrder(*connection);

    const KivAssocId number = NextConnectionNumber(
        connectionCounter_, [this](KivAssocId id) { return listedWithId(id) || AssociationIdInUse(id); });
    if (number == 0) return;  // cannot happen with at most a few thousand descriptors
    connectionCounter_ = number;

    auto client = std::make_shared<ClientSocket>();
    client->connection = connection;
    client->address = address;
    connections_.push_back(client);

    const NewAssociationResult result = NewAssociation(connection->fd(), number);
    if (result.outcome != AssociationOutcome::Accepted) {
        // The toolkit closed the descriptor of a refused association: it must not be closed again.
        if (result.outcome == AssociationOutcome::Refused) connection->releaseDescriptor();
        connection->close();
        connections_.remove(client);
        return;
    }
    client->assocId = result.assocId;
    const int initSeconds = GetIniInt("Start", "ulInitTimeOutSeconds", kDefaultInitTimeOutSeconds);
    if (initSeconds > 0) {
        client->initDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(initSeconds);
        armInitDeadline();
    }
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

bool ServerDocument::admit(const std::string& address) {
    const int perAddress = GetIniInt("Start", "ulMaxConnectionsPerAddress", kDefaultMaxConnectionsPerAddress);
    const auto fromAddress =
        std::count_if(connections_.begin(), connections_.end(),
                      [&address](const auto& client) { return client->address == address; });
    if (perAddress > 0 && fromAddress >= perAddress) {
        appendTraceLine(formatMessage("Refused a connection from address %s: it holds %d connections already",
                                      address.c_str(), perAddress));
        return false;
    }
    if (SlotAssociations().size() < static_cast<std::size_t>(kAssociationSlots) || makeRoom()) return true;
    appendTraceLine(formatMessage("Refused a connection from address %s: every association slot is taken",
                                  address.c_str()));
    return false;
}

bool ServerDocument::makeRoom() {
    for (const std::shared_ptr<ClientSocket>& listed : connections_) {
        if (listed->apduReceived) continue;
        const std::shared_ptr<ClientSocket> client = listed;
        const int left = endConnection(client);
        appendTraceLine(formatMessage(
            "Closed the connection of association %d, which sent no Init, to make room for a new one. "
            "Connections left = %5d",
            static_cast<int>(client->assocId), left));
        return true;
    }
    return false;
}

void ServerDocument::armInitDeadline() {
    std::optional<std::chrono::steady_clock::time_point> earliest;
    for (const std::shared_ptr<ClientSocket>& client : connections_) {
        if (client->apduReceived || !client->initDeadline) continue;
        if (!earliest || *client->initDeadline < *earliest) earliest = client->initDeadline;
    }
    if (earliest) {
        initDeadlineTimer_.armAt(*earliest);
    } else {
        initDeadlineTimer_.disarm();
    }
}

void ServerDocument::expireInitDeadlines() {
    initDeadlineTimer_.acknowledge();
    const auto now = std::chrono::steady_clock::now();
    std::vector<std::shared_ptr<ClientSocket>> expired;
    for (const std::shared_ptr<ClientSocket>& client : connections_) {
        if (!client->apduReceived && client->initDeadline && *client->initDeadline <= now) {
            expired.push_back(client);
        }
    }
    for (const std::shared_ptr<ClientSocket>& client : expired) {
        const int left = endConnection(client);
        appendTraceLine(
            formatMessage("Forced connection close of association %d because no Init arrived in time. "
                          "Connections left = %5d",
                          static_cast<int>(client->assocId), left));
    }
    armInitDeadline();
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
    client->apduReceived = true;
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

int ServerDocument::endConnection(const std::shared_ptr<ClientSocket>& client) {
    client->connection->close();
    removeFromList(*client);
    AssociationExit(client->assocId);
    return connectionCount();
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
