// Any input as a whole APDU, as the session layer meets it: DecodePDU under a fresh context gives a code or
// a PDU, never a fault or a leak. A PDU that decodes is printed, re-encoded with encodeApdu (which must agree
// with an exact-size encoding), and the re-encoding must decode whole and encode again to the same octets.
// The carried types are registered, so that EXTERNAL contents are decoded through their codecs as well as
// kept raw.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/z3950/apdu_encode.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace {

using codec::z3950::DecodePDU;
using codec::z3950::encodeApdu;
using codec::z3950::EncodePDU;
using codec::z3950::FreePDU;
using codec::z3950::PDU;
using codec::z3950::PrintPDU;

bool decodeApdu(const uint8_t* data, size_t size, PDU* pdu, size_t* consumed) {
    return fuzzDecode(
        data, size, consumed,
        [&](BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) { DecodePDU(buf, pdu, counter, ctx); },
        [&] { FreePDU(pdu); });
}

FuzzOctets encodeChecked(PDU* pdu) {
    FuzzOctets octets = encodeApdu(pdu);
    fuzzCheck(!octets.empty(), "a decoded APDU encodes");
    fuzzCheck(octets == fuzzEncode([&](BerBuffer& buf) { return EncodePDU(buf, pdu); }),
              "encodeApdu writes what an exact-size encode writes");
    return octets;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    KivRegisterCodecTypes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PDU pdu{};
    size_t consumed = 0;
    if (!decodeApdu(data, size, &pdu, &consumed)) return 0;
    PrintPDU(fuzzSink(), &pdu, 0);
    const FuzzOctets encoding = encodeChecked(&pdu);
    FreePDU(&pdu);

    PDU again{};
    size_t againConsumed = 0;
    fuzzCheck(decodeApdu(encoding.data(), encoding.size(), &again, &againConsumed),
              "a re-encoded APDU decodes");
    fuzzCheck(againConsumed == encoding.size(), "a re-encoded APDU decodes whole");
    fuzzCheck(encodeChecked(&again) == encoding, "a re-encoded APDU encodes again to the same octets");
    FreePDU(&again);
    return 0;
}
