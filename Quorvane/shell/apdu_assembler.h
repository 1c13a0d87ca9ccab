#pragma once
// Gathers the octets of one APDU from a stream: each read asks for exactly what the BER completeness check
// says is still missing (one octet while the header is incomplete or an indefinite-length element has not
// ended, at most kMaxReadSize at a time), so the block never holds octets of the next APDU.

#include <cstddef>
#include <cstdint>
#include <vector>

class ApduAssembler {
  public:
    static constexpr std::size_t kMaxReadSize = 4096;

    enum class Step {
        Incomplete,  // more octets are needed
        Complete,    // apdu() holds one whole APDU
        Refused,     // malformed, or longer than the cap: the connection must be dropped
    };

    // How many octets the next read may take.
    std::size_t nextReadSize() const { return nextReadSize_; }
    // Appends octets read (at most nextReadSize()); cap is the most octets the APDU may have.
    Step add(const std::uint8_t* octets, std::size_t count, std::size_t cap);
    // The gathered octets.
    const std::vector<std::uint8_t>& apdu() const { return block_; }
    // Back to the start of the next APDU.
    void reset();

  private:
    std::vector<std::uint8_t> block_;
    std::size_t nextReadSize_ = 1;
};
