// One-line printed forms of the primitive values.
#include "toolkit/asn1/ber_primitives.h"

namespace {

void printHex(std::FILE* out, const uint8_t* octets, int32_t count) {
    for (int32_t i = 0; i < count; ++i) std::fprintf(out, "%02x", octets[i]);
}

void printArc(std::FILE* out, uint32_t subidentifier, bool first) {
    if (!first) {
        std::fprintf(out, " %u", subidentifier);
        return;
    }
    uint32_t top = subidentifier / 40 < 3 ? subidentifier / 40 : 2;
    std::fprintf(out, "%u %u", top, subidentifier - 40 * top);
}

}  // namespace

void ASN_PrintInteger(std::FILE* out, BerInteger value) {
    std::fprintf(out, "%d", value);
}

void ASN_PrintUnsigned(std::FILE* out, uint32_t value) {
    std::fprintf(out, "%u", value);
}

void ASN_PrintBoolean(std::FILE* out, BerBoolean value) {
    std::fputs(value != 0 ? "TRUE" : "FALSE", out);
}

void ASN_PrintNull(std::FILE* out) {
    std::fputs("NULL", out);
}

void ASN_PrintReal(std::FILE* out, BerReal value) {
    std::fprintf(out, "%.17E", value);
}

void ASN_PrintOctetString(std::FILE* out, const BerOctets* value) {
    int32_t count = value->octets != nullptr ? value->length : 0;
    std::fputc('\'', out);
    printHex(out, value->octets, count);
    std::fputs("'H  -- \"", out);
    for (int32_t i = 0; i < count; ++i) {
        uint8_t octet = value->octets[i];
        std::fputc(octet >= 0x20 && octet <= 0x7E ? octet : '.', out);
    }
    std::fputs("\" --", out);
}

void ASN_PrintBitString(std::FILE* out, const BerBits* value) {
    auto count = value->octets != nullptr && value->bitCount > 0
                     ? static_cast<int32_t>((int64_t{value->bitCount} + 7) / 8)
                     : 0;
    std::fputc('\'', out);
    printHex(out, value->octets, count);
    std::fputs("'H", out);
}

void ASN_PrintOid(std::FILE* out, const BerOid* value) {
    int32_t count = value->octets != nullptr ? value->length : 0;
    std::fputc('{', out);
    uint32_t subidentifier = 0;
    bool first = true;
    for (int32_t i = 0; i < count; ++i) {
        uint8_t octet = value->octets[i];
        subidentifier = (subidentifier << 7) | (octet & 0x7F);
        if ((octet & 0x80) == 0 || i == count - 1) {
            printArc(out, subidentifier, first);
            first = false;
            subidentifier = 0;
        }
    }
    std::fputc('}', out);
}
