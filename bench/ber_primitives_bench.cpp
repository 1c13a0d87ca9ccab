// Encode and decode throughput of primitive-heavy values: a SEQUENCE of records, each an INTEGER, a
// GeneralString, an OBJECT IDENTIFIER and a BOOLEAN, as the APDUs of a search response are mostly made of.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {

constexpr uint8_t kSequence = 0x30;
uint8_t kTitle[] = "Proceedings of the library systems forum";
uint8_t kUsmarc[] = {0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x0A};  // 1.2.840.10003.5.10

uint32_t encodeRecords(BerBuffer& buf, int64_t records) {
    const BerOctets title{static_cast<int32_t>(sizeof kTitle - 1), kTitle};
    const BerOid syntax{static_cast<int32_t>(sizeof kUsmarc), kUsmarc};
    uint32_t contents = 0;
    for (int64_t i = records; i-- > 0;) {
        contents += ASN_EncodeBoolean(buf, static_cast<BerBoolean>(i & 1));
        contents += ASN_EncodeOid(buf, &syntax);
        contents += ASN_EncodeGeneralString(buf, &title);
        contents += ASN_EncodeInteger(buf, static_cast<BerInteger>(i * 7919));
    }
    uint32_t total = contents + ASN_EncodeLength(buf, contents) + 1;
    ASN_PutOctet(buf, kSequence);
    return total;
}

std::vector<uint8_t> encodedRecords(int64_t records) {
    std::vector<uint8_t> block(static_cast<size_t>(records) * 96 + 16);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    uint32_t length = encodeRecords(buf, records);
    return std::vector<uint8_t>(buf.start, buf.start + length);
}

// Decodes the SEQUENCE and releases what it decoded; returns the sum of the integers.
int64_t decodeRecords(const std::vector<uint8_t>& octets) {
    BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
    BerDecodeContext ctx(octets.size());
    uint32_t counter = 0;
    ASN_DecodeTag(buf, counter, ctx);
    auto length = static_cast<uint32_t>(ASN_DecodeLength(buf, counter, ctx));
    uint32_t consumed = 0;
    int64_t sum = 0;
    while (consumed < length) {
        BerInteger number = 0;
        BerOctets title{};
        BerOid syntax{};
        BerBoolean flag = 0;
        ASN_DecodeInteger(buf, &number, consumed, ctx);
        ASN_DecodeGeneralString(buf, &title, consumed, ctx);
        ASN_DecodeOid(buf, &syntax, consumed, ctx);
        ASN_DecodeBoolean(buf, &flag, consumed, ctx);
        sum += number + title.length + syntax.length + flag;
        ASN_FreeOctetString(&title);
        ASN_FreeOid(&syntax);
    }
    return sum;
}

void BM_EncodePrimitiveSequence(benchmark::State& state) {
    int64_t records = state.range(0);
    std::vector<uint8_t> block(static_cast<size_t>(records) * 96 + 16);
    uint32_t length = 0;
    for (auto _ : state) {
        BerBuffer buf = berEncodeBuffer(block.data(), block.size());
        length = encodeRecords(buf, records);
        benchmark::DoNotOptimize(buf.start);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * length);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * records * 4);
}

void BM_DecodePrimitiveSequence(benchmark::State& state) {
    int64_t records = state.range(0);
    std::vector<uint8_t> octets = encodedRecords(records);
    for (auto _ : state) benchmark::DoNotOptimize(decodeRecords(octets));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * octets.size()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * records * 4);
}

// A constructed OCTET STRING of many small segments, as some clients send long terms and records.
void BM_DecodeConstructedOctetString(benchmark::State& state) {
    int64_t segments = state.range(0);
    std::vector<uint8_t> octets = {0x24, 0x80};
    for (int64_t i = 0; i < segments; ++i) {
        octets.insert(octets.end(), {0x04, 0x10});
        octets.insert(octets.end(), 16, static_cast<uint8_t>('a' + i % 26));
    }
    octets.insert(octets.end(), {0x00, 0x00});
    for (auto _ : state) {
        BerBuffer buf = berDecodeBuffer(octets.data(), octets.size());
        BerDecodeContext ctx(octets.size());
        uint32_t counter = 0;
        BerOctets value{};
        ASN_DecodeOctetString(buf, &value, counter, ctx);
        benchmark::DoNotOptimize(value.octets);
        ASN_FreeOctetString(&value);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * octets.size()));
}

}  // namespace

BENCHMARK(BM_EncodePrimitiveSequence)->Arg(16)->Arg(1024);
BENCHMARK(BM_DecodePrimitiveSequence)->Arg(16)->Arg(1024);
BENCHMARK(BM_DecodeConstructedOctetString)->Arg(64)->Arg(4096);

BENCHMARK_MAIN();
