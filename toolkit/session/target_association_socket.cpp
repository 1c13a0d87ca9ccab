#include "toolkit/session/target_association_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "toolkit/session/transport_errors.h"

std::optional<std::string> siPeerAddress(int socket) {
    sockaddr_storage address{};
    socklen_t size = sizeof address;
    if (getpeername(socket, reinterpret_cast<sockaddr*>(&address), &size) != 0) return std::nullopt;
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(&address);
        if (inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) == nullptr) return std::nullopt;
        return std::string(text);
    }
    if (address.ss_family == AF_INET6) {
        const auto* ipv6 = reinterpret_cast<const sockaddr_in6*>(&address);
        const bool mapped = IN6_IS_ADDR_V4MAPPED(&ipv6->sin6_addr);
        const void* octets = mapped ? static_cast<const void*>(ipv6->sin6_addr.s6_addr + 12)
                                    : static_cast<const void*>(&ipv6->sin6_addr);
        if (inet_ntop(mapped ? AF_INET : AF_INET6, octets, text, sizeof text) == nullptr) return std::nullopt;
        return std::string(text);
    }
    return std::nullopt;
}

SIResult siCloseAssociationSocket(KivAssocId assocId, int socket, SIError** error) {
    // On Linux the descriptor is released even when close is interrupted.
    if (close(socket) == 0 || errno == EINTR) return SI_OK;
    siReportCloseFailed(assocId, error);
    return SI_NOTOK;
}
