#include "toolkit/session/apdu_assembler.h"

#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>

ApduAssembler::Step ApduAssembler::take(const std::uint8_t* octets, std::size_t count, std::size_t cap,
                                        std::size_t* taken) {
    *taken = 0;
    cap = std::min(cap, static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()));
    const std::size_t before = block_.size();
    // Never more than one octet past the cap: enough to tell that the APDU is too long.
    count = std::min(count, cap - std::min(cap, before) + 1);
    block_.insert(block_.end(), octets, octets + count);

    std::int32_t missing = 0;
    const int state = scan_.resume(block_.data(), static_cast<std::int32_t>(block_.size()), &missing);
    if (state == kBerElementMalformed) return Step::Refused;
    if (state == kBerElementComplete) {
        const auto total = static_cast<std::size_t>(missing);
        if (total > cap) return Step::Refused;
        block_.resize(total);
        *taken = total - before;
        return Step::Complete;
    }
    missing_ = static_cast<std::size_t>(missing);
    if (block_.size() > cap || missing_ > cap - block_.size()) return Step::Refused;
    *taken = count;
    return Step::Incomplete;
}

ApduAssembler::Receive ApduAssembler::receive(int socket, std::size_t cap) {
    std::array<std::uint8_t, kReadBlock> octets;
    const bool known = missing_ > 0;
    const std::size_t wanted = known ? std::min(missing_, octets.size()) : octets.size();
    ssize_t got = 0;
    do {
        got = ::recv(socket, octets.data(), wanted, MSG_DONTWAIT | (known ? 0 : MSG_PEEK));
    } while (got < 0 && errno == EINTR);
    if (got == 0) return Receive::PeerClosed;
    if (got < 0) return errno == EAGAIN || errno == EWOULDBLOCK ? Receive::Pending : Receive::Failed;

    std::size_t taken = 0;
    const Step step = take(octets.data(), static_cast<std::size_t>(got), cap, &taken);
    if (step == Step::Refused) return Receive::Refused;
    // Octets looked at are consumed up to the APDU's end; those read at once all belonged to it.
    if (!known) {
        ssize_t consumed = 0;
        do {
            consumed = ::recv(socket, octets.data(), taken, MSG_DONTWAIT);
        } while (consumed < 0 && errno == EINTR);
        if (consumed != static_cast<ssize_t>(taken)) return Receive::Failed;
    }
    return step == Step::Complete ? Receive::Complete : Receive::Pending;
}

void ApduAssembler::reset() {
    block_.clear();
    block_.shrink_to_fit();
    scan_ = BerElementScan();
    missing_ = 0;
}
