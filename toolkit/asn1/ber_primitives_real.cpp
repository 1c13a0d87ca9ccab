// REAL contents in the binary form (X.690 8.5.7), with the two infinities as special values.
#include <algorithm>
#include <cmath>
#include <limits>

#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {
constexpr uint8_t kBinaryForm = 0x80;
constexpr uint8_t kNegative = 0x40;
constexpr uint8_t kPlusInfinity = 0x40;
constexpr uint8_t kMinusInfinity = 0x41;
constexpr uint8_t kNotANumber = 0x42;
constexpr uint32_t kMaxExponentOctets = 4;
constexpr uint32_t kMaxMantissaOctets = 8;
// Bits per digit of the exponent's base, by the base field: 2, 8, 16 (3 is reserved).
constexpr int64_t kBitsPerDigit[] = {1, 3, 4};
// Binary exponents beyond this give 0 or infinity for any 64-bit mantissa; clamping keeps ldexp's int safe.
constexpr int64_t kExponentClamp = 100000;
}  // namespace

uint32_t ASN_EncodeRealContent(BerBuffer& buf, BerReal value) {
    if (value == 0.0) return 0;
    if (std::isnan(value)) {
        ASN_PutOctet(buf, kNotANumber);
        return 1;
    }
    if (std::isinf(value)) {
        ASN_PutOctet(buf, value > 0 ? kPlusInfinity : kMinusInfinity);
        return 1;
    }
    int binaryExponent = 0;
    double fraction = std::frexp(std::fabs(value), &binaryExponent);  // 0.5 <= fraction < 1
    uint8_t mantissa[kMaxMantissaOctets];
    uint32_t mantissaOctets = 0;
    for (uint32_t i = 0; i < kMaxMantissaOctets; ++i) {
        fraction *= 256;
        auto digit = static_cast<uint8_t>(fraction);
        fraction -= digit;
        mantissa[i] = digit;
        if (digit != 0) mantissaOctets = i + 1;
    }
    ASN_PutOctets(buf, mantissa, mantissaOctets);
    auto exponent = static_cast<BerInteger>(binaryExponent - 8 * static_cast<int>(mantissaOctets));
    uint32_t exponentOctets = ASN_EncodeIntegerContent(buf, exponent);
    // A double's exponent takes at most two octets, so the exponent length always fits the first octet.
    uint8_t first = kBinaryForm | (value < 0 ? kNegative : 0) | static_cast<uint8_t>(exponentOctets - 1);
    ASN_PutOctet(buf, first);
    return mantissaOctets + exponentOctets + 1;
}

void ASN_DecodeRealContent(BerBuffer& buf, BerTag, BerLength length, BerReal* value, uint32_t& counter,
                           BerDecodeContext& ctx) {
    berCheckContentsLength(buf, length, kBerRealForm, ctx);
    if (length == 0) {
        *value = 0.0;
        return;
    }
    uint8_t first = ASN_GetOctet(buf);
    if (length == 1) {
        if (first == kPlusInfinity) {
            *value = std::numeric_limits<double>::infinity();
        } else if (first == kMinusInfinity) {
            *value = -std::numeric_limits<double>::infinity();
        } else {
            ctx.raise(kBerRealSpecial);
        }
        counter += 1;
        return;
    }
    if ((first & kBinaryForm) == 0) ctx.raise(kBerRealForm);
    auto left = static_cast<uint32_t>(length) - 1;
    uint32_t exponentOctets = (first & 3) + 1;
    if ((first & 3) == 3) {  // the exponent's length is in the next octet
        exponentOctets = ASN_GetOctet(buf);
        --left;
        if (exponentOctets == 0 || exponentOctets > kMaxExponentOctets) ctx.raise(kBerRealForm);
    }
    if (exponentOctets > left) ctx.raise(kBerRealForm);
    left -= exponentOctets;
    if (left > kMaxMantissaOctets) ctx.raise(kBerRealForm);

    int64_t exponent = static_cast<int8_t>(ASN_GetOctet(buf));
    for (uint32_t i = 1; i < exponentOctets; ++i) exponent = exponent * 256 + ASN_GetOctet(buf);
    uint64_t mantissa = 0;
    for (uint32_t i = 0; i < left; ++i) mantissa = (mantissa << 8) | ASN_GetOctet(buf);

    uint32_t base = (first >> 4) & 3;
    if (base == 3) ctx.raise(kBerRealBase);
    int64_t scale = (first >> 2) & 3;
    int64_t power = std::clamp(scale + exponent * kBitsPerDigit[base], -kExponentClamp, kExponentClamp);
    double magnitude = std::ldexp(static_cast<double>(mantissa), static_cast<int>(power));
    *value = (first & kNegative) != 0 ? -magnitude : magnitude;
    counter += static_cast<uint32_t>(length);
}
