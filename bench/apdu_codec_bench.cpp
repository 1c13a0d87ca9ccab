// Encode and decode throughput of whole APDUs as the session layer handles them: an Init request, a Search
// request with a five-operand RPN query, and a Present response holding ten records of about 1 KB (USMARC
// carried octet-aligned). Decoding includes freeing the decoded PDU; encoding is encodeApdu. Items are APDUs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/codec/z3950/apdu_encode.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace {

namespace z = codec::z3950;
using Octets = std::vector<uint8_t>;

// One element of definite length in the shortest form, with its contents joined from the parts.
Octets tlv(std::initializer_list<uint8_t> identifier, std::initializer_list<Octets> parts) {
    Octets contents;
    for (const Octets& part : parts) contents.insert(contents.end(), part.begin(), part.end());
    Octets element(identifier);
    if (contents.size() < 0x80) {
        element.push_back(static_cast<uint8_t>(contents.size()));
    } else {
        Octets length;
        for (size_t n = contents.size(); n > 0; n >>= 8)
            length.insert(length.begin(), static_cast<uint8_t>(n));
        element.push_back(static_cast<uint8_t>(0x80 | length.size()));
        element.insert(element.end(), length.begin(), length.end());
    }
    element.insert(element.end(), contents.begin(), contents.end());
    return element;
}

Octets text(const char* value) {
    return Octets(value, value + std::char_traits<char>::length(value));
}

const Octets kBib1{0x2A, 0x86, 0x48, 0xCE, 0x13, 0x03, 0x01};    // 1.2.840.10003.3.1
const Octets kUsmarc{0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x0A};  // 1.2.840.10003.5.10

Octets initRequest() {
    return tlv({0xB4},
               {tlv({0x83}, {{0x05, 0xE0}}), tlv({0x84}, {{0x00, 0xE0, 0x00}}),
                tlv({0x85}, {{0x10, 0x00, 0x00}}), tlv({0x86}, {{0x10, 0x00, 0x00}}),
                tlv({0xA7}, {tlv({0x30}, {tlv({0x81}, {text("librarian")}), tlv({0x82}, {text("secret")})})}),
                tlv({0x9F, 0x6E}, {text("81")}), tlv({0x9F, 0x6F}, {text("Quorvane benchmark client")}),
                tlv({0x9F, 0x70}, {text("1.0")})});
}

// op [0] around an AttributesPlusTerm with one use attribute and a general term.
Octets operand(uint8_t use, const char* term) {
    Octets attribute = tlv({0x30}, {tlv({0x9F, 0x78}, {{0x01}}), tlv({0x9F, 0x79}, {{use}})});
    return tlv({0xA0},
               {tlv({0xBF, 0x66}, {tlv({0xBF, 0x2C}, {attribute}), tlv({0x9F, 0x2D}, {text(term)})})});
}

// rpnRpnOp [1]; operator 0x80 and, 0x81 or, 0x82 and-not.
Octets node(const Octets& rpn1, const Octets& rpn2, uint8_t op) {
    return tlv({0xA1}, {rpn1, rpn2, tlv({0xBF, 0x2E}, {tlv({op}, {})})});
}

Octets searchRequest() {
    Octets rpn = node(node(node(operand(4, "rivers"), operand(1, "smith"), 0x80), operand(21, "maps"), 0x81),
                      node(operand(31, "1999"), operand(7, "0123456789"), 0x82), 0x80);
    return tlv({0xB6},
               {tlv({0x8D}, {{0x00}}), tlv({0x8E}, {{0x01}}), tlv({0x8F}, {{0x00}}), tlv({0x90}, {{0xFF}}),
                tlv({0x91}, {text("default")}), tlv({0xB2}, {tlv({0x9F, 0x69}, {text("Default")})}),
                tlv({0xBF, 0x64}, {tlv({0x80}, {text("B")})}), tlv({0x9F, 0x68}, {kUsmarc}),
                tlv({0xB5}, {tlv({0xA1}, {tlv({0x06}, {kBib1}), rpn})})});
}

Octets presentResponse() {
    constexpr int kRecords = 10;
    constexpr size_t kRecordSize = 1024;
    Octets record(kRecordSize);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>('A' + i % 26);
    Octets records;
    for (int i = 0; i < kRecords; ++i) {
        Octets external = tlv({0x28}, {tlv({0x06}, {kUsmarc}), tlv({0x81}, {record})});
        Octets one = tlv({0x30}, {tlv({0x80}, {text("Default")}), tlv({0xA1}, {tlv({0xA1}, {external})})});
        records.insert(records.end(), one.begin(), one.end());
    }
    return tlv({0xB9}, {tlv({0x98}, {{kRecords}}), tlv({0x99}, {{kRecords + 1}}), tlv({0x9B}, {{0x00}}),
                        tlv({0xBC}, {records})});
}

// Decodes the whole APDU into pdu; throws when it does not decode, so a broken sample cannot go unnoticed.
void decodeApdu(const Octets& octets, z::PDU* pdu) {
    BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
    BerDecodeContext ctx(octets.size());
    uint32_t counter = 0;
    z::DecodePDU(buf, pdu, counter, ctx);
    if (counter != octets.size()) throw std::runtime_error("sample APDU not decoded whole");
}

void decodeBench(benchmark::State& state, Octets (*make)()) {
    const Octets octets = make();
    for (auto _ : state) {
        z::PDU pdu{};
        decodeApdu(octets, &pdu);
        benchmark::DoNotOptimize(pdu.slot);
        z::FreePDU(&pdu);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(octets.size()));
    state.counters["octets"] = static_cast<double>(octets.size());
}

void encodeBench(benchmark::State& state, Octets (*make)()) {
    const Octets octets = make();
    z::PDU pdu{};
    decodeApdu(octets, &pdu);
    if (z::encodeApdu(&pdu) != octets) state.SkipWithError("sample APDU does not encode back to its octets");
    for (auto _ : state) {
        Octets encoded = z::encodeApdu(&pdu);
        benchmark::DoNotOptimize(encoded.data());
    }
    z::FreePDU(&pdu);
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(octets.size()));
    state.counters["octets"] = static_cast<double>(octets.size());
}

BENCHMARK_CAPTURE(decodeBench, init_request, initRequest);
BENCHMARK_CAPTURE(encodeBench, init_request, initRequest);
BENCHMARK_CAPTURE(decodeBench, search_request_rpn5, searchRequest);
BENCHMARK_CAPTURE(encodeBench, search_request_rpn5, searchRequest);
BENCHMARK_CAPTURE(decodeBench, present_response_10x1k, presentResponse);
BENCHMARK_CAPTURE(encodeBench, present_response_10x1k, presentResponse);

}  // namespace

BENCHMARK_MAIN();
