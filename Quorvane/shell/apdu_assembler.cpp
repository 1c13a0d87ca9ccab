#include "Quorvane/shell/apdu_assembler.h"

#include <algorithm>
#include <limits>

#include "toolkit/util/ber_element_check.h"

ApduAssembler::Step ApduAssembler::add(const std::uint8_t* octets, std::size_t count, std::size_t cap) {
    block_.insert(block_.end(), octets, octets + count);
    if (block_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) ||
        block_.size() > cap) {
        return Step::Refused;
    }
    std::int32_t missing = 0;
    const int state =
        BerDirElementComplete(block_.data(), static_cast<std::int32_t>(block_.size()), &missing);
    if (state == kBerElementComplete) return Step::Complete;
    if (state == kBerElementMalformed) return Step::Refused;
    const auto stillMissing = static_cast<std::size_t>(missing);
    if (stillMissing > cap - block_.size()) return Step::Refused;
    nextReadSize_ = stillMissing == 0 ? 1 : std::min(stillMissing, kMaxReadSize);
    return Step::Incomplete;
}

void ApduAssembler::reset() {
    block_.clear();
    block_.shrink_to_fit();
    nextReadSize_ = 1;
}
