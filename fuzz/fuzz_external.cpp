// EXTERNAL as a holder meets it: identifier and length read from the input, then DecodeEXTERNALContent. A
// code or a value, never a fault or a leak. A value that decodes is printed and re-encoded (identifier 0x28);
// the re-encoding must decode whole and encode again to the same octets. SUTRS is registered, so that both a
// bound single-ASN1-type and a raw one (any other identifier) are reached.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/fuzz_support.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/codec/z3950/external.h"

namespace {

using codec::z3950::DecodeEXTERNALContent;
using codec::z3950::EncodeEXTERNALContent;
using codec::z3950::EXTERNAL;
using codec::z3950::FreeEXTERNAL;
using codec::z3950::PrintEXTERNAL;

constexpr uint8_t kExternalIdentifier = 0x28;

// SUTRS (1.2.840.10003.5.101): a GeneralString.
void registerSutrs() {
    static const uint8_t sutrs[] = {0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x65};
    const BerOid oid{sizeof sutrs, const_cast<uint8_t*>(sutrs)};
    const int registered = ASN_RegisterAnyByOid(
        1, &oid, sizeof(BerOctets),
        [](BerBuffer& buf, void* value) {
            return ASN_EncodeGeneralString(buf, static_cast<BerOctets*>(value));
        },
        [](BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx) {
            ASN_DecodeGeneralString(buf, static_cast<BerOctets*>(value), counter, ctx);
        },
        [](void* value) { ASN_FreeOctetString(static_cast<BerOctets*>(value)); },
        [](std::FILE* out, void* value, uint16_t) {
            ASN_PrintOctetString(out, static_cast<BerOctets*>(value));
        });
    fuzzCheck(registered == 1, "SUTRS is registered");
}

bool decodeExternal(const uint8_t* data, size_t size, EXTERNAL* value, size_t* consumed) {
    return fuzzDecode(
        data, size, consumed,
        [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
            const BerTag tag = ASN_DecodeTag(buf, counter, ctx);
            const BerLength length = ASN_DecodeLength(buf, counter, ctx);
            DecodeEXTERNALContent(buf, tag, length, value, counter, ctx);
        },
        [&] { FreeEXTERNAL(value); });
}

FuzzOctets encodeExternal(EXTERNAL* value) {
    return fuzzEncode([&](BerBuffer& buf) {
        const uint32_t contents = EncodeEXTERNALContent(buf, value);
        const uint32_t total = contents + ASN_EncodeLength(buf, contents) + 1;
        ASN_PutOctet(buf, kExternalIdentifier);
        return total;
    });
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    registerSutrs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EXTERNAL value{};
    size_t consumed = 0;
    if (!decodeExternal(data, size, &value, &consumed)) return 0;
    PrintEXTERNAL(fuzzSink(), &value, 0);
    const FuzzOctets encoding = encodeExternal(&value);

    EXTERNAL again{};
    size_t againConsumed = 0;
    fuzzCheck(decodeExternal(encoding.data(), encoding.size(), &again, &againConsumed),
              "a re-encoded EXTERNAL decodes");
    fuzzCheck(againConsumed == encoding.size(), "a re-encoded EXTERNAL decodes whole");
    fuzzCheck(encodeExternal(&again) == encoding, "a re-encoded EXTERNAL encodes again to the same octets");
    FreeEXTERNAL(&value);
    FreeEXTERNAL(&again);
    return 0;
}
