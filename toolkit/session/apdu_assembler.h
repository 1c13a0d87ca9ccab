#pragma once
// Gathers the octets of one APDU from a stream, for the server's client sockets and the toolkit's own
// receive call alike. The completeness check resumes where it stopped (BerElementScan), so an APDU of n
// octets costs O(n) however it is cut; socket reads take blocks and never octets of the next APDU.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/util/ber_element_check.h"

class ApduAssembler {
  public:
    // The most octets one read asks for.
    static constexpr std::size_t kReadBlock = 16384;

    enum class Step {
        Incomplete,  // more octets are needed
        Complete,    // apdu() holds one whole APDU
        Refused,     // malformed, or longer than the cap: the connection must be dropped
    };

    // Appends the octets that follow those taken so far, up to the end of the APDU: *taken says how many
    // were taken (fewer than count only when the APDU is complete; the rest begin the next one). cap is the
    // most octets the APDU may have; it is refused as soon as its declared length, or what has been
    // gathered without finding its end, exceeds the cap.
    Step take(const std::uint8_t* octets, std::size_t count, std::size_t cap, std::size_t* taken);

    enum class Receive {
        Pending,     // nothing more to read now; the APDU is not yet whole
        Complete,    // apdu() holds one whole APDU
        Refused,     // malformed or over the cap
        PeerClosed,  // end of stream
        Failed,      // the read failed (reset, for example)
    };

    // One non-blocking read from the stream socket, of at most kReadBlock octets. The octets the APDU
    // still certainly needs are read at once; otherwise they are first looked at (MSG_PEEK) and only those
    // up to the APDU's end are consumed, so the socket keeps the next APDU's octets.
    Receive receive(int socket, std::size_t cap);

    // The gathered octets.
    const std::vector<std::uint8_t>& apdu() const { return block_; }
    // Back to the start of the next APDU.
    void reset();

  private:
    std::vector<std::uint8_t> block_;
    BerElementScan scan_;
    // Octets the APDU still needs beyond block_, when its length is definite and its header whole; else 0.
    std::size_t missing_ = 0;
};
