// EXTERNAL as a holder meets it: identifier and length read from the input, then DecodeEXTERNALContent. A
// code or a value, never a fault or a leak. A value that decodes is printed, converted into the programming
// interface and traced as a received content is, and re-encoded (identifier 0x28);
// the re-encoding must decode whole and encode again to the same octets. Every carried type and every carried
// content's converters are registered, so that both bound single-ASN1-type values (every record syntax and
// package) and raw ones are reached.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/fuzz_support.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/codec/z3950/external.h"
#include "toolkit/external/kiv_carried_content_types.h"
#include "toolkit/trace/external_printer.h"

namespace {

using codec::z3950::DecodeEXTERNALContent;
using codec::z3950::EncodeEXTERNALContent;
using codec::z3950::EXTERNAL;
using codec::z3950::FreeEXTERNAL;
using codec::z3950::PrintEXTERNAL;

constexpr uint8_t kExternalIdentifier = 0x28;

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
    KivRegisterCodecTypes();
    KivRegisterCarriedContents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EXTERNAL value{};
    size_t consumed = 0;
    if (!decodeExternal(data, size, &value, &consumed)) return 0;
    PrintEXTERNAL(fuzzSink(), &value, 0);
    KivExternal received;
    KivExternalFromCodec(&received, &value);
    KivPrintExternal(fuzzSink(), &received);
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
