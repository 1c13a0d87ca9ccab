#include "tests/codec/z3950/generated_codec_harness.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "toolkit/asn1/ber_tag_length.h"
#include "toolkit/util/memory.h"

GeneratedRecord::GeneratedRecord(const GeneratedType& type)
    : type_(type), record_(MemAlloc(static_cast<int32_t>(type.recordSize))) {}

GeneratedRecord::~GeneratedRecord() {
    type_.free(record_);
    MemFree(record_);
}

DecodeOutcome decodeElement(const GeneratedType& type, const std::vector<uint8_t>& octets, void* record) {
    // An exact-size block, so that a read past the end is an error the sanitizer reports.
    std::unique_ptr<uint8_t[]> block(new uint8_t[octets.size() + 1]);
    if (!octets.empty()) std::memcpy(block.get(), octets.data(), octets.size());
    BerBuffer buf = berDecodeBuffer(block.get(), octets.size());
    BerDecodeContext ctx(octets.size());
    DecodeOutcome outcome;
    try {
        BerTag tag = ASN_DecodeTag(buf, outcome.consumed, ctx);
        BerLength length = ASN_DecodeLength(buf, outcome.consumed, ctx);
        type.decode(buf, tag, length, record, outcome.consumed, ctx);
    } catch (const BerDecodeError& error) {
        outcome.code = error.code;
    }
    outcome.depthAfter = ctx.depth();
    return outcome;
}

namespace {

uint32_t putIdentifier(BerBuffer& buf, BerTag tag) {
    uint32_t count = 1;
    if ((tag >> 24 & 0x1F) == 0x1F) count = (tag >> 16 & 0x80) != 0 ? 3 : 2;
    for (uint32_t i = count; i > 0; --i) ASN_PutOctet(buf, static_cast<uint8_t>(tag >> (32 - 8 * i)));
    return count;
}

uint32_t encodeInto(const GeneratedType& type, void* record, BerBuffer& buf) {
    uint32_t size = type.encode(buf, record);
    if (type.tag == 0) return size;
    size += ASN_EncodeLength(buf, size);
    return size + putIdentifier(buf, type.tag);
}

// Appends the element at in[pos] to out with constructed lengths made indefinite; returns its end.
size_t rewriteElement(const std::vector<uint8_t>& in, size_t pos, std::vector<uint8_t>& out) {
    size_t start = pos;
    uint8_t first = in.at(pos++);
    if ((first & 0x1F) == 0x1F) {
        while ((in.at(pos++) & 0x80) != 0) {
        }
    }
    size_t identifierEnd = pos;
    uint8_t lengthOctet = in.at(pos++);
    size_t length = lengthOctet;
    if ((lengthOctet & 0x80) != 0) {
        length = 0;
        for (int i = 0; i < (lengthOctet & 0x7F); ++i) length = (length << 8) | in.at(pos++);
    }
    size_t end = pos + length;
    if ((first & 0x20) == 0) {
        out.insert(out.end(), in.begin() + static_cast<std::ptrdiff_t>(start),
                   in.begin() + static_cast<std::ptrdiff_t>(end));
        return end;
    }
    out.insert(out.end(), in.begin() + static_cast<std::ptrdiff_t>(start),
               in.begin() + static_cast<std::ptrdiff_t>(identifierEnd));
    out.push_back(0x80);
    while (pos < end) pos = rewriteElement(in, pos, out);
    out.push_back(0x00);
    out.push_back(0x00);
    return end;
}

}  // namespace

std::vector<uint8_t> encodeElement(const GeneratedType& type, void* record) {
    BerBuffer sizing = berEncodeBuffer(nullptr, 0);
    uint32_t size = encodeInto(type, record, sizing);
    std::vector<uint8_t> block(size);
    BerBuffer buf = berEncodeBuffer(block.data(), block.size());
    uint32_t written = encodeInto(type, record, buf);
    EXPECT_EQ(written, size);
    EXPECT_EQ(buf.writeFailed, 0);
    EXPECT_EQ(buf.start, buf.blockStart);
    return block;
}

std::string printRecord(const GeneratedType& type, void* record, uint16_t indent) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    type.print(out, record, indent);
    std::fclose(out);
    std::string result(text, size);
    std::free(text);
    return result;
}

std::vector<uint8_t> indefiniteForm(const std::vector<uint8_t>& octets) {
    std::vector<uint8_t> out;
    size_t pos = 0;
    while (pos < octets.size()) pos = rewriteElement(octets, pos, out);
    return out;
}

std::vector<uint8_t> hexOctets(const std::string& text) {
    std::vector<uint8_t> octets;
    for (size_t i = 0; i < text.size();) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        octets.push_back(static_cast<uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
        i += 2;
    }
    return octets;
}

void expectCases(const GeneratedType& type, const std::vector<CodecCase>& cases) {
    for (const CodecCase& row : cases) {
        SCOPED_TRACE(row.what);
        GeneratedRecord record(type);
        std::vector<uint8_t> octets = hexOctets(row.octets);
        DecodeOutcome outcome = decodeElement(type, octets, record.get());
        EXPECT_EQ(outcome.code, row.code);
        EXPECT_EQ(outcome.depthAfter, 0);
        if (row.code == 0 && outcome.code == 0) {
            EXPECT_EQ(outcome.consumed, octets.size());
            EXPECT_EQ(encodeElement(type, record.get()),
                      hexOctets(row.encoded != nullptr ? row.encoded : row.octets));
        }
    }
}

std::string generatedTypeName(const ::testing::TestParamInfo<GeneratedType>& info) {
    return info.param.name;
}

void PrintTo(const GeneratedType& type, std::ostream* out) {
    *out << type.name;
}
