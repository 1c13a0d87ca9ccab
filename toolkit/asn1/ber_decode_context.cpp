#include "toolkit/asn1/ber_decode_context.h"

#include "toolkit/util/memory.h"

namespace {
// A decode may allocate this many octets per received octet, beyond the floor: enough for the densest
// legitimate encodings, small enough that a hostile peer cannot amplify its input without bound.
constexpr size_t kBudgetPerInputOctet = 64;
constexpr size_t kBudgetFloor = size_t{1} << 20;
}  // namespace

BerDecodeContext::BerDecodeContext(size_t inputSize) : budget_(kBudgetFloor + kBudgetPerInputOctet * inputSize) {}

void* BerDecodeContext::alloc(size_t size) {
    if (size > budget_ - allocated_ || size > INT32_MAX) raise(kBerNoMemory);
    void* block = MemAlloc(static_cast<int32_t>(size));
    if (block == nullptr) raise(kBerNoMemory);
    allocated_ += size;
    return block;
}
