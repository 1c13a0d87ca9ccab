#pragma once
// Encoding a whole APDU into a block of exactly its size.

#include <cstdint>
#include <vector>

#include "toolkit/codec/z3950/apdu_one.h"

namespace codec::z3950 {

// Octets the first pass writes into before it knows the APDU's size.
inline constexpr uint32_t kApduFirstBlock = 5000;

// The APDU's octets: encoded into kApduFirstBlock octets, and when that is too small encoded once more into a
// block of the exact size the first pass counted. Empty for a choiceId that names no APDU.
std::vector<uint8_t> encodeApdu(PDU* pdu);

}  // namespace codec::z3950
